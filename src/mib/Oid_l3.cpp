// Columns stay in this order even where their arcs do not ascend: dialogs address them by position.
#include "Oid_l3.h"

#include "CatalogueOptionLists.h"

constexpr MibTableRow Ipv6StaticRouteTable[] = {
    {"1.3.6.1.4.1.746.12.26.3.1.1.1", "Destination", itIpv6Address, acNotAccess},
    {"1.3.6.1.4.1.746.12.26.3.1.1.2", "Prefix Length", itInteger, acNotAccess},
    {"1.3.6.1.4.1.746.12.26.3.1.1.3", "Interface Name", itDisplayString, acNotAccess},
    {"1.3.6.1.4.1.746.12.26.3.1.1.4", "Next Hop", itIpv6Address, acReadOnly},
    {"1.3.6.1.4.1.746.12.26.3.1.1.5", "Metric", itInteger, acReadWrite},
    {"1.3.6.1.4.1.746.12.26.3.1.1.7", "Protocol", itDisplayString, acReadOnly},
    {"1.3.6.1.4.1.746.12.26.3.1.1.8", "Status", itInteger, acReadWrite, &RowStatusList},
    {"1.3.6.1.4.1.746.12.26.3.1.1.9", "Backup State", itInteger, acReadWrite, &PrimaryBackupNoneList},
    {},
};

constexpr MibTableRow ARPIPV6ControlTable[] = {
    {"1.3.6.1.4.1.746.12.26.4.1.1.1", "IPv6 Address", itIpv6Address, acNotAccess},
    {"1.3.6.1.4.1.746.12.26.4.1.1.2", "MAC Address", itMacAddress, acNotAccess},
    {"1.3.6.1.4.1.746.12.26.4.1.1.3", "Interface Name", itDisplayString, acReadOnly},
    {"1.3.6.1.4.1.746.12.26.4.1.1.4", "Reach State", itInteger, acReadOnly, &IncompleteReachableStaleList},
    {"1.3.6.1.4.1.746.12.26.4.1.1.5", "Route Status", itInteger, acReadWrite, &RowStatusList},
    {},
};

constexpr MibTableRow IPv6NeighborCacheDeleteActionSettings[] = {
    {"1.3.6.1.4.1.746.12.26.4.2", "IPv6 Neighbor Cache Delete Action", itInteger, acReadWrite,
     &AllStaticAllDynamicAllList},
    {},
};

// A braced table inside a macro, which clang-format cannot lay out.
// clang-format off
#define AllInterfaceStateSettingsRows(m) { \
    {"1.3.6.1.4.1.746.11.117." #m ".1.3.2.1.7", "State", itInteger, acReadWrite, &OtherEnabledDisabledList}, \
    {}, \
}
ZQS_DEFINE_MODEL_SET(AllInterfaceStateSettings)
#undef AllInterfaceStateSettingsRows
// clang-format on

// A braced table inside a macro, which clang-format cannot lay out.
// clang-format off
#define IPv6ControlMaxReassmblySizeTableRows(m) { \
    {"1.3.6.1.4.1.746.11.117." #m ".1.3.2.1.4.1.1", "Interface Name", itDisplayString, acNotAccess}, \
    {"1.3.6.1.4.1.746.11.117." #m ".1.3.2.1.4.1.2", "Max Reassmbly Size", itInteger, acReadOnly}, \
    {"1.3.6.1.4.1.746.11.117." #m ".1.3.2.1.4.1.3", "Retrans Timer", itGauge, acReadWrite}, \
    {}, \
}
ZQS_DEFINE_MODEL_SET(IPv6ControlMaxReassmblySizeTable)
#undef IPv6ControlMaxReassmblySizeTableRows
// clang-format on

// A braced table inside a macro, which clang-format cannot lay out.
// clang-format off
#define IPv6ControlMaxReassmblySizeTable2Rows(m) { \
    {"1.3.6.1.4.1.746.11.117." #m ".1.3.2.1.4.1.1", "Interface Name", itDisplayString, acNotAccess}, \
    {"1.3.6.1.4.1.746.11.117." #m ".1.3.2.1.4.1.2", "Max Reassmbly Size", itInteger, acReadOnly}, \
    {"1.3.6.1.4.1.746.11.117." #m ".1.3.2.1.4.1.3", "Retrans Timer", itGauge, acReadWrite}, \
    {"1.3.6.1.4.1.746.11.117." #m ".1.3.2.1.4.1.5", "RA State", itInteger, acReadWrite, \
     &EnabledDisabledList}, \
    {"1.3.6.1.4.1.746.11.117." #m ".1.3.2.1.4.1.6", "RA Min Router Advertisement Interval", itInteger, \
     acReadWrite}, \
    {"1.3.6.1.4.1.746.11.117." #m ".1.3.2.1.4.1.7", "RA Max Router Advertisement Interval", itInteger, \
     acReadWrite}, \
    {"1.3.6.1.4.1.746.11.117." #m ".1.3.2.1.4.1.8", "RA Life Time", itInteger, acReadWrite}, \
    {"1.3.6.1.4.1.746.11.117." #m ".1.3.2.1.4.1.9", "RA Reachable Time", itInteger, acReadWrite}, \
    {"1.3.6.1.4.1.746.11.117." #m ".1.3.2.1.4.1.10", "RA Retrans Time", itGauge, acReadWrite}, \
    {"1.3.6.1.4.1.746.11.117." #m ".1.3.2.1.4.1.11", "RA Hop Limit", itInteger, acReadWrite}, \
    {"1.3.6.1.4.1.746.11.117." #m ".1.3.2.1.4.1.12", "RA Managed Flag", itInteger, acReadWrite, \
     &EnabledDisabledList}, \
    {"1.3.6.1.4.1.746.11.117." #m ".1.3.2.1.4.1.13", "RA Other Configuration Flag", itInteger, \
     acReadWrite, &EnabledDisabledList}, \
    {}, \
}
ZQS_DEFINE_MODEL_SET(IPv6ControlMaxReassmblySizeTable2)
#undef IPv6ControlMaxReassmblySizeTable2Rows
// clang-format on

// A braced table inside a macro, which clang-format cannot lay out.
// clang-format off
#define IPFDBInformationTableRows(m) { \
    {"1.3.6.1.4.1.746.11.117." #m ".1.3.2.2.1.1.1", "IP Address", itIpAddress, acNotAccess}, \
    {"1.3.6.1.4.1.746.11.117." #m ".1.3.2.2.1.1.2", "IP Subnet Mask", itIpAddress, acReadOnly}, \
    {"1.3.6.1.4.1.746.11.117." #m ".1.3.2.2.1.1.3", "Port", itInteger, acReadOnly}, \
    {"1.3.6.1.4.1.746.11.117." #m ".1.3.2.2.1.1.4", "Type", itInteger, acReadOnly, &OtherStaticDynamicList}, \
    {}, \
}
ZQS_DEFINE_MODEL_SET(IPFDBInformationTable)
#undef IPFDBInformationTableRows
// clang-format on

// A braced table inside a macro, which clang-format cannot lay out.
// clang-format off
#define IPv6AddressControlTableRows(m) { \
    {"1.3.6.1.4.1.746.11.117." #m ".1.3.2.1.5.1.1", "Interface Name", itDisplayString, acReadOnly}, \
    {"1.3.6.1.4.1.746.11.117." #m ".1.3.2.1.5.1.2", "IPv6 Address", itIpv6Address, acReadOnly}, \
    {"1.3.6.1.4.1.746.11.117." #m ".1.3.2.1.5.1.3", "Prefix Length", itInteger, acReadOnly | acImplied}, \
    {"1.3.6.1.4.1.746.11.117." #m ".1.3.2.1.5.1.4", "Preferred Life Time", itGauge, acReadWrite}, \
    {"1.3.6.1.4.1.746.11.117." #m ".1.3.2.1.5.1.5", "Valid Life Time", itGauge, acReadWrite}, \
    {"1.3.6.1.4.1.746.11.117." #m ".1.3.2.1.5.1.6", "On Link Flag", itInteger, acReadWrite, \
     &EnabledDisabledList}, \
    {"1.3.6.1.4.1.746.11.117." #m ".1.3.2.1.5.1.7", "Autonomous Flag", itInteger, acReadWrite, \
     &EnabledDisabledList}, \
    {"1.3.6.1.4.1.746.11.117." #m ".1.3.2.1.5.1.8", "State", itInteger, acReadWrite, &RowStatusList}, \
    {"1.3.6.1.4.1.746.11.117." #m ".1.3.2.1.5.1.9", "Address Type", itInteger, acReadOnly, \
     &ManualDhcpv6StatelessList}, \
    {}, \
}
ZQS_DEFINE_MODEL_SET(IPv6AddressControlTable)
#undef IPv6AddressControlTableRows
// clang-format on

// A braced table inside a macro, which clang-format cannot lay out.
// clang-format off
#define IpCtrlIndexTableRows(m) { \
    {"1.3.6.1.4.1.746.11.117." #m ".1.3.2.1.3.1.1", "Interface Name", itDisplayString, acNotAccess}, \
    {"1.3.6.1.4.1.746.11.117." #m ".1.3.2.1.3.1.2", "Index", itInteger, acReadOnly}, \
    {"1.3.6.1.4.1.746.11.117." #m ".1.3.2.1.3.1.3", "IP Address", itIpAddress, acReadWrite}, \
    {"1.3.6.1.4.1.746.11.117." #m ".1.3.2.1.3.1.4", "IP Subnet Mask", itIpAddress, acReadWrite}, \
    {"1.3.6.1.4.1.746.11.117." #m ".1.3.2.1.3.1.5", "VLAN Name", itDisplayString, acReadWrite}, \
    {"1.3.6.1.4.1.746.11.117." #m ".1.3.2.1.3.1.8", "Mode", itInteger, acReadWrite, &OtherBootpDhcpList}, \
    {"1.3.6.1.4.1.746.11.117." #m ".1.3.2.1.3.1.9", "Admin State", itInteger, acReadWrite, \
     &EnabledDisabledList}, \
    {"1.3.6.1.4.1.746.11.117." #m ".1.3.2.1.3.1.10", "IPv4 Admin State", itInteger, acReadWrite, \
     &EnabledDisabledList}, \
    {"1.3.6.1.4.1.746.11.117." #m ".1.3.2.1.3.1.22", "DHCP Option12 State", itInteger, acReadWrite, \
     &EnabledDisabledList}, \
    {"1.3.6.1.4.1.746.11.117." #m ".1.3.2.1.3.1.23", "DHCP Option12 Host Name", itDisplayString, \
     acReadWrite}, \
    {"1.3.6.1.4.1.746.11.117." #m ".1.3.2.1.3.1.6", "Proxy ARP", itInteger, acReadWrite, \
     &EnabledDisabledList}, \
    {"1.3.6.1.4.1.746.11.117." #m ".1.3.2.1.3.1.18", "Local Proxy ARP", itInteger, acReadWrite, \
     &EnabledDisabledList}, \
    {"1.3.6.1.4.1.746.11.117." #m ".1.3.2.1.3.1.12", "IPv6 Admin State", itInteger, acReadWrite, \
     &EnabledDisabledList}, \
    {"1.3.6.1.4.1.746.11.117." #m ".1.3.2.1.3.1.14", "IPv6 Link Local Address", itIpv6Address, acReadOnly}, \
    {"1.3.6.1.4.1.746.11.117." #m ".1.3.2.1.3.1.15", "IPv6 Link Local Prefix Length ", itInteger, \
     acReadOnly}, \
    {"1.3.6.1.4.1.746.11.117." #m ".1.3.2.1.3.1.17", "IPv6 Link Local Auto State", itInteger, \
     acReadWrite, &EnabledDisabledList2}, \
    {"1.3.6.1.4.1.746.11.117." #m ".1.3.2.1.3.1.7", "Secondary", itInteger, acReadWrite, &TruthValueList}, \
    {"1.3.6.1.4.1.746.11.117." #m ".1.3.2.1.3.1.20", "DHCPv6 Client State", itInteger, acReadWrite, \
     &EnabledDisabledList}, \
    {"1.3.6.1.4.1.746.11.117." #m ".1.3.2.1.3.1.30", "DHCPv6 Client Rapid Commit", itInteger, \
     acReadWrite, &TruthValueList}, \
    {"1.3.6.1.4.1.746.11.117." #m ".1.3.2.1.3.1.28", "IPv6 Auto Config State", itInteger, acReadWrite, \
     &EnabledDisabledList}, \
    {"1.3.6.1.4.1.746.11.117." #m ".1.3.2.1.3.1.29", "IPv6 Auto Config Default", itInteger, \
     acReadWrite, &TruthValueList}, \
    {"1.3.6.1.4.1.746.11.117." #m ".1.3.2.1.3.1.16", "State", itInteger, acReadWrite, &RowStatusList}, \
    {}, \
}
ZQS_DEFINE_MODEL_SET(IpCtrlIndexTable)
#undef IpCtrlIndexTableRows
// clang-format on

// A braced table inside a macro, which clang-format cannot lay out.
// clang-format off
#define IpCtrlIndexTable2Rows(m) { \
    {"1.3.6.1.4.1.746.11.117." #m ".1.3.2.1.3.1.1", "Interface Name", itDisplayString, acNotAccess}, \
    {"1.3.6.1.4.1.746.11.117." #m ".1.3.2.1.3.1.2", "Index", itInteger, acReadOnly}, \
    {"1.3.6.1.4.1.746.11.117." #m ".1.3.2.1.3.1.3", "IP Address", itIpAddress, acReadWrite}, \
    {"1.3.6.1.4.1.746.11.117." #m ".1.3.2.1.3.1.4", "IP Subnet Mask", itIpAddress, acReadWrite}, \
    {"1.3.6.1.4.1.746.11.117." #m ".1.3.2.1.3.1.5", "VLAN Name", itDisplayString, acReadWrite}, \
    {"1.3.6.1.4.1.746.11.117." #m ".1.3.2.1.3.1.8", "Mode", itInteger, acReadWrite, &OtherBootpDhcpList}, \
    {"1.3.6.1.4.1.746.11.117." #m ".1.3.2.1.3.1.9", "Admin State", itInteger, acReadWrite, \
     &EnabledDisabledList}, \
    {"1.3.6.1.4.1.746.11.117." #m ".1.3.2.1.3.1.10", "IPv4 Admin State", itInteger, acReadWrite, \
     &EnabledDisabledList}, \
    {"1.3.6.1.4.1.746.11.117." #m ".1.3.2.1.3.1.22", "DHCP Option12 State", itInteger, acReadWrite, \
     &EnabledDisabledList}, \
    {"1.3.6.1.4.1.746.11.117." #m ".1.3.2.1.3.1.23", "DHCP Option12 Host Name", itDisplayString, \
     acReadWrite}, \
    {"1.3.6.1.4.1.746.11.117." #m ".1.3.2.1.3.1.6", "Proxy ARP", itInteger, acReadWrite, \
     &EnabledDisabledList}, \
    {"1.3.6.1.4.1.746.11.117." #m ".1.3.2.1.3.1.18", "Local Proxy ARP", itInteger, acReadWrite, \
     &EnabledDisabledList}, \
    {"1.3.6.1.4.1.746.11.117." #m ".1.3.2.1.3.1.12", "IPv6 Admin State", itInteger, acReadWrite, \
     &EnabledDisabledList}, \
    {"1.3.6.1.4.1.746.11.117." #m ".1.3.2.1.3.1.14", "IPv6 Link Local Address", itIpv6Address, acReadOnly}, \
    {"1.3.6.1.4.1.746.11.117." #m ".1.3.2.1.3.1.15", "IPv6 Link Local Prefix Length ", itInteger, \
     acReadOnly}, \
    {"1.3.6.1.4.1.746.11.117." #m ".1.3.2.1.3.1.17", "IPv6 Link Local Auto State", itInteger, \
     acReadWrite, &EnabledDisabledList2}, \
    {"1.3.6.1.4.1.746.11.117." #m ".1.3.2.1.3.1.7", "Secondary", itInteger, acReadWrite, &TruthValueList}, \
    {"1.3.6.1.4.1.746.11.117." #m ".1.3.2.1.3.1.20", "DHCPv6 Client State", itInteger, acReadWrite, \
     &EnabledDisabledList}, \
    {"1.3.6.1.4.1.746.11.117." #m ".1.3.2.1.3.1.30", "DHCPv6 Client Rapid Commit", itInteger, \
     acReadWrite, &TruthValueList}, \
    {"1.3.6.1.4.1.746.11.117." #m ".1.3.2.1.3.1.28", "IPv6 Auto Config State", itInteger, acReadWrite, \
     &EnabledDisabledList}, \
    {"1.3.6.1.4.1.746.11.117." #m ".1.3.2.1.3.1.29", "IPv6 Auto Config Default", itInteger, \
     acReadWrite, &TruthValueList}, \
    {"1.3.6.1.4.1.746.11.117." #m ".1.3.2.1.3.1.21", "IP Directed Broadcast State", itInteger, \
     acReadWrite, &EnabledDisabledList}, \
    {"1.3.6.1.4.1.746.11.117." #m ".1.3.2.1.3.1.16", "State", itInteger, acReadWrite, &RowStatusList}, \
    {}, \
}
ZQS_DEFINE_MODEL_SET(IpCtrlIndexTable2)
#undef IpCtrlIndexTable2Rows
// clang-format on

// A braced table inside a macro, which clang-format cannot lay out.
// clang-format off
#define LoopbackIPControlTableRows(m) { \
    {"1.3.6.1.4.1.746.11.117." #m ".1.3.2.1.8.1.1", "Interface Name", itDisplayString, acNotAccess}, \
    {"1.3.6.1.4.1.746.11.117." #m ".1.3.2.1.8.1.2", "Interface Index", itInteger, acReadOnly}, \
    {"1.3.6.1.4.1.746.11.117." #m ".1.3.2.1.8.1.3", "IP Address", itIpAddress, acReadWrite}, \
    {"1.3.6.1.4.1.746.11.117." #m ".1.3.2.1.8.1.4", "IP Subnet Mask", itIpAddress, acReadWrite}, \
    {"1.3.6.1.4.1.746.11.117." #m ".1.3.2.1.8.1.5", "Administrate State", itInteger, acReadWrite, \
     &EnabledDisabledList}, \
    {"1.3.6.1.4.1.746.11.117." #m ".1.3.2.1.8.1.6", "Row Status", itInteger, acReadWrite, &RowStatusList}, \
    {}, \
}
ZQS_DEFINE_MODEL_SET(LoopbackIPControlTable)
#undef LoopbackIPControlTableRows
// clang-format on

// A braced table inside a macro, which clang-format cannot lay out.
// clang-format off
#define DNSRelayGlobalSettingsRows(m) { \
    {"1.3.6.1.4.1.746.11.117." #m ".1.3.3.3.1", "State", itInteger, acReadWrite, &OtherDisabledEnabledList}, \
    {"1.3.6.1.4.1.746.11.117." #m ".1.3.3.3.2", "Primary Server", itIpAddress, acReadWrite}, \
    {"1.3.6.1.4.1.746.11.117." #m ".1.3.3.3.3", "Secondary Server", itIpAddress, acReadWrite}, \
    {"1.3.6.1.4.1.746.11.117." #m ".1.3.3.3.4", "Cache State", itInteger, acReadWrite, \
     &OtherDisabledEnabledList}, \
    {"1.3.6.1.4.1.746.11.117." #m ".1.3.3.3.5", "Static Table State", itInteger, acReadWrite, \
     &OtherDisabledEnabledList}, \
    {}, \
}
ZQS_DEFINE_MODEL_SET(DNSRelayGlobalSettings)
#undef DNSRelayGlobalSettingsRows
// clang-format on

// A braced table inside a macro, which clang-format cannot lay out.
// clang-format off
#define DNSCtrlTableRows(m) { \
    {"1.3.6.1.4.1.746.11.117." #m ".1.3.3.3.6.1.1", "Domain Name", itDisplayString, acNotAccess}, \
    {"1.3.6.1.4.1.746.11.117." #m ".1.3.3.3.6.1.2", "IP Address", itIpAddress, acNotAccess}, \
    {"1.3.6.1.4.1.746.11.117." #m ".1.3.3.3.6.1.3", "State", itInteger, acReadWrite, &InvalidValidList}, \
    {}, \
}
ZQS_DEFINE_MODEL_SET(DNSCtrlTable)
#undef DNSCtrlTableRows
// clang-format on

// A braced table inside a macro, which clang-format cannot lay out.
// clang-format off
#define ARPAgingTimeSettingsRows(m) { \
    {"1.3.6.1.4.1.746.11.117." #m ".1.3.2.4", "Aging Time", itInteger, acReadWrite}, \
    {}, \
}
ZQS_DEFINE_MODEL_SET(ARPAgingTimeSettings)
#undef ARPAgingTimeSettingsRows
// clang-format on

// A braced table inside a macro, which clang-format cannot lay out.
// clang-format off
#define IpStaticRouteBackupStateTableRows(m) { \
    {"1.3.6.1.4.1.746.11.117." #m ".1.3.2.5.1.1", "Route Destination", itIpAddress, acNotAccess}, \
    {"1.3.6.1.4.1.746.11.117." #m ".1.3.2.5.1.2", "Route Mask", itIpAddress, acNotAccess}, \
    {"1.3.6.1.4.1.746.11.117." #m ".1.3.2.5.1.4", "Next Hop", itIpAddress, acNotAccess}, \
    {"1.3.6.1.4.1.746.11.117." #m ".1.3.2.5.1.3", "Backup State", itInteger, acReadWrite, \
     &PrimaryBackupNoneList}, \
    {"1.3.6.1.4.1.746.11.117." #m ".1.3.2.5.1.5", "Metric", itInteger, acReadWrite}, \
    {"1.3.6.1.4.1.746.11.117." #m ".1.3.2.5.1.6", "Status", itInteger, acReadWrite, &OtherInvalidValidList}, \
    {"1.3.6.1.4.1.746.11.117." #m ".1.3.2.5.1.7", "Weight", itInteger, acReadWrite}, \
    {"1.3.6.1.4.1.746.11.117." #m ".1.3.2.5.1.8", "Route Interface Name", itDisplayString, acReadOnly}, \
    {}, \
}
ZQS_DEFINE_MODEL_SET(IpStaticRouteBackupStateTable)
#undef IpStaticRouteBackupStateTableRows
// clang-format on

// A braced table inside a macro, which clang-format cannot lay out.
// clang-format off
#define IpStaticRouteBackupStateTable2Rows(m) { \
    {"1.3.6.1.4.1.746.11.117." #m ".1.3.2.5.1.1", "Route Destination", itIpAddress, acNotAccess}, \
    {"1.3.6.1.4.1.746.11.117." #m ".1.3.2.5.1.2", "Route Mask", itIpAddress, acNotAccess}, \
    {"1.3.6.1.4.1.746.11.117." #m ".1.3.2.5.1.4", "Next Hop", itIpAddress, acNotAccess}, \
    {"1.3.6.1.4.1.746.11.117." #m ".1.3.2.5.1.3", "Backup State", itInteger, acReadWrite, \
     &PrimaryBackupNoneList}, \
    {"1.3.6.1.4.1.746.11.117." #m ".1.3.2.5.1.5", "Metric", itInteger, acReadWrite}, \
    {"1.3.6.1.4.1.746.11.117." #m ".1.3.2.5.1.6", "Status", itInteger, acReadWrite, &OtherInvalidValidList}, \
    {}, \
}
ZQS_DEFINE_MODEL_SET(IpStaticRouteBackupStateTable2)
#undef IpStaticRouteBackupStateTable2Rows
// clang-format on

// A braced table inside a macro, which clang-format cannot lay out.
// clang-format off
#define Layer3DeviceGlobalSettingsRows(m) { \
    {"1.3.6.1.4.1.746.11.117." #m ".1.3.1.1.1", "RIP State", itInteger, acReadWrite, &DisabledEnabledList}, \
    {"1.3.6.1.4.1.746.11.117." #m ".1.3.1.1.2", "OSPF State", itInteger, acReadWrite, &DisabledEnabledList}, \
    {"1.3.6.1.4.1.746.11.117." #m ".1.3.1.1.3", "DVMRP State", itInteger, acReadWrite, \
     &DisabledEnabledList}, \
    {"1.3.6.1.4.1.746.11.117." #m ".1.3.1.1.5", "VRRP State", itInteger, acReadWrite, &DisabledEnabledList}, \
    {"1.3.6.1.4.1.746.11.117." #m ".1.3.1.1.6", "VRRP Ping State", itInteger, acReadWrite, \
     &DisabledEnabledList}, \
    {}, \
}
ZQS_DEFINE_MODEL_SET(Layer3DeviceGlobalSettings)
#undef Layer3DeviceGlobalSettingsRows
// clang-format on

// A braced table inside a macro, which clang-format cannot lay out.
// clang-format off
#define MD5InformationRows(m) { \
    {"1.3.6.1.4.1.746.11.117." #m ".1.3.4.1.1", "Key ID", itInteger, acNotAccess}, \
    {"1.3.6.1.4.1.746.11.117." #m ".1.3.4.1.2", "Key", itDisplayString, acReadWrite}, \
    {"1.3.6.1.4.1.746.11.117." #m ".1.3.4.1.3", "Row Status", itInteger, acReadWrite, &RowStatusList}, \
    {}, \
}
ZQS_DEFINE_MODEL_SET(MD5Information)
#undef MD5InformationRows
// clang-format on

// A braced table inside a macro, which clang-format cannot lay out.
// clang-format off
#define RouteRedistributTableRows(m) { \
    {"1.3.6.1.4.1.746.11.117." #m ".1.3.5.1.1", "Source Protocol", itInteger, acNotAccess, \
     &RipOspfStaticList}, \
    {"1.3.6.1.4.1.746.11.117." #m ".1.3.5.1.2", "Destination Protocol", itInteger, acNotAccess, \
     &RipOspfList}, \
    {"1.3.6.1.4.1.746.11.117." #m ".1.3.5.1.3", "Type", itInteger, acReadWrite, &OtherAllType1List}, \
    {"1.3.6.1.4.1.746.11.117." #m ".1.3.5.1.4", "Metric", itGauge, acReadWrite}, \
    {"1.3.6.1.4.1.746.11.117." #m ".1.3.5.1.5", "Row Status", itInteger, acReadWrite, &RowStatusList}, \
    {"1.3.6.1.4.1.746.11.117." #m ".1.3.5.1.6", "Map Name", itDisplayString, acReadWrite}, \
    {}, \
}
ZQS_DEFINE_MODEL_SET(RouteRedistributTable)
#undef RouteRedistributTableRows
// clang-format on

// A braced table inside a macro, which clang-format cannot lay out.
// clang-format off
#define OSPFHostTableRows(m) { \
    {"1.3.6.1.4.1.746.11.117." #m ".1.3.6.1.1", "IP Address", itIpAddress, acNotAccess}, \
    {"1.3.6.1.4.1.746.11.117." #m ".1.3.6.1.2", "TOS", itInteger, acNotAccess}, \
    {"1.3.6.1.4.1.746.11.117." #m ".1.3.6.1.3", "Metric", itInteger, acReadWrite}, \
    {"1.3.6.1.4.1.746.11.117." #m ".1.3.6.1.4", "Area ID", itIpAddress, acReadWrite}, \
    {"1.3.6.1.4.1.746.11.117." #m ".1.3.6.1.5", "Host Status", itInteger, acReadWrite, &RowStatusList}, \
    {}, \
}
ZQS_DEFINE_MODEL_SET(OSPFHostTable)
#undef OSPFHostTableRows
// clang-format on

// The 24ZO-DC copy (m = 7) carries its own caption for one column.
// A braced table inside a macro, which clang-format cannot lay out.
// clang-format off
#define OSPFVirtualInterfaceTableRows(m) { \
    {"1.3.6.1.4.1.746.11.117." #m ".1.3.7.1.1", "Area ID", itIpAddress, acNotAccess}, \
    {"1.3.6.1.4.1.746.11.117." #m ".1.3.7.1.2", "Neighbor", itIpAddress, acNotAccess}, \
    {"1.3.6.1.4.1.746.11.117." #m ".1.3.7.1.3", "Transmit Delay", itInteger, acReadOnly}, \
    {"1.3.6.1.4.1.746.11.117." #m ".1.3.7.1.4", "Retransmit Interval", itInteger, acReadOnly}, \
    {"1.3.6.1.4.1.746.11.117." #m ".1.3.7.1.5", "Hello Interval", itInteger, acReadWrite}, \
    {"1.3.6.1.4.1.746.11.117." #m ".1.3.7.1.6", \
     (m == 7 ? "Retransmit Dead Interval" : "Dead Interval"), itInteger, acReadWrite}, \
    {"1.3.6.1.4.1.746.11.117." #m ".1.3.7.1.7", "State", itInteger, acReadOnly, &DownPointToPointList}, \
    {"1.3.6.1.4.1.746.11.117." #m ".1.3.7.1.8", "Events", itCounter, acReadOnly}, \
    {"1.3.6.1.4.1.746.11.117." #m ".1.3.7.1.9", "Authentication Type", itInteger, acReadWrite}, \
    {"1.3.6.1.4.1.746.11.117." #m ".1.3.7.1.10", "Authentication Key", itDisplayString, acReadWrite}, \
    {"1.3.6.1.4.1.746.11.117." #m ".1.3.7.1.11", "Authentication Key ID", itInteger, acReadWrite}, \
    {"1.3.6.1.4.1.746.11.117." #m ".1.3.7.1.12", "Status", itInteger, acReadWrite, &RowStatusList}, \
    {}, \
}
ZQS_DEFINE_MODEL_SET(OSPFVirtualInterfaceTable)
#undef OSPFVirtualInterfaceTableRows
// clang-format on

// The 24ZO-DC copy (m = 7) carries its own caption for one column.
// A braced table inside a macro, which clang-format cannot lay out.
// clang-format off
#define OSPFInterfaceTableRows(m) { \
    {"1.3.6.1.4.1.746.11.117." #m ".1.3.8.1.1", "IP Address", itIpAddress, acNotAccess}, \
    {"1.3.6.1.4.1.746.11.117." #m ".1.3.8.1.2", "Address Less IF", itInteger, acNotAccess}, \
    {"1.3.6.1.4.1.746.11.117." #m ".1.3.8.1.3", "Area ID", itIpAddress, acReadWrite}, \
    {"1.3.6.1.4.1.746.11.117." #m ".1.3.8.1.4", "Type", itInteger, acReadOnly, \
     &BroadcastNbmaPointToPointList}, \
    {"1.3.6.1.4.1.746.11.117." #m ".1.3.8.1.5", "Administration State", itInteger, acReadWrite, \
     &EnabledDisabledList}, \
    {"1.3.6.1.4.1.746.11.117." #m ".1.3.8.1.6", "Priority", itInteger, acReadWrite}, \
    {"1.3.6.1.4.1.746.11.117." #m ".1.3.8.1.7", (m == 7 ? "Transit Delay" : "Transmit Delay"), \
     itInteger, acReadOnly}, \
    {"1.3.6.1.4.1.746.11.117." #m ".1.3.8.1.8", "Retransmit Interval", itInteger, acReadOnly}, \
    {"1.3.6.1.4.1.746.11.117." #m ".1.3.8.1.9", "Hello Interval", itInteger, acReadWrite}, \
    {"1.3.6.1.4.1.746.11.117." #m ".1.3.8.1.10", "Dead Interval", itInteger, acReadWrite}, \
    {"1.3.6.1.4.1.746.11.117." #m ".1.3.8.1.11", "Poll Interval", itInteger, acReadOnly}, \
    {"1.3.6.1.4.1.746.11.117." #m ".1.3.8.1.12", "State", itInteger, acReadOnly, &DownLoopbackWaitingList}, \
    {"1.3.6.1.4.1.746.11.117." #m ".1.3.8.1.13", "Designated Router", itIpAddress, acReadOnly}, \
    {"1.3.6.1.4.1.746.11.117." #m ".1.3.8.1.14", "Backup Designated Router", itIpAddress, acReadOnly}, \
    {"1.3.6.1.4.1.746.11.117." #m ".1.3.8.1.15", "Events", itCounter, acReadOnly}, \
    {"1.3.6.1.4.1.746.11.117." #m ".1.3.8.1.16", "Multicast Forwarding", itInteger, acReadOnly, \
     &BlockedMulticastUnicastList}, \
    {"1.3.6.1.4.1.746.11.117." #m ".1.3.8.1.17", "Demand", itInteger, acReadOnly, &TruthValueList}, \
    {"1.3.6.1.4.1.746.11.117." #m ".1.3.8.1.18", "Authentication Type", itInteger, acReadWrite}, \
    {"1.3.6.1.4.1.746.11.117." #m ".1.3.8.1.19", "Authentication Key", itDisplayString, acReadWrite}, \
    {"1.3.6.1.4.1.746.11.117." #m ".1.3.8.1.20", "Authentication Key ID", itInteger, acReadWrite}, \
    {"1.3.6.1.4.1.746.11.117." #m ".1.3.8.1.21", "Passive Mode", itInteger, acReadWrite, \
     &DisabledEnabledList}, \
    {"1.3.6.1.4.1.746.11.117." #m ".1.3.8.1.23", "Metric", itInteger, acReadWrite}, \
    {"1.3.6.1.4.1.746.11.117." #m ".1.3.8.1.24", "Distribute List In Type", itInteger, acReadWrite, \
     &NoneAccessListList}, \
    {"1.3.6.1.4.1.746.11.117." #m ".1.3.8.1.25", "Distribute List In Name", itDisplayString, acReadWrite}, \
    {}, \
}
ZQS_DEFINE_MODEL_SET(OSPFInterfaceTable)
#undef OSPFInterfaceTableRows
// clang-format on

// A braced table inside a macro, which clang-format cannot lay out.
// clang-format off
#define RoutePreferenceSettingsRows(m) { \
    {"1.3.6.1.4.1.746.11.117." #m ".1.3.9.1", "RIP", itInteger, acReadWrite}, \
    {"1.3.6.1.4.1.746.11.117." #m ".1.3.9.3", "Static", itInteger, acReadWrite}, \
    {"1.3.6.1.4.1.746.11.117." #m ".1.3.9.4", "Local", itInteger, acReadOnly}, \
    {"1.3.6.1.4.1.746.11.117." #m ".1.3.9.2", "OSPF Intra", itInteger, acReadWrite}, \
    {"1.3.6.1.4.1.746.11.117." #m ".1.3.9.5", "OSPF Inter", itInteger, acReadWrite}, \
    {"1.3.6.1.4.1.746.11.117." #m ".1.3.9.6", "OSPF ExtT1", itInteger, acReadWrite}, \
    {"1.3.6.1.4.1.746.11.117." #m ".1.3.9.7", "OSPF ExtT2", itInteger, acReadWrite}, \
    {"1.3.6.1.4.1.746.11.117." #m ".1.3.9.8", "Default", itInteger, acReadWrite}, \
    {}, \
}
ZQS_DEFINE_MODEL_SET(RoutePreferenceSettings)
#undef RoutePreferenceSettingsRows
// clang-format on

// A braced table inside a macro, which clang-format cannot lay out.
// clang-format off
#define L3StaticSettingsRows(m) { \
    {"1.3.6.1.4.1.746.11.117." #m ".1.3.9.3", "Static", itInteger, acReadWrite}, \
    {"1.3.6.1.4.1.746.11.117." #m ".1.3.9.4", "Local", itInteger, acReadOnly}, \
    {"1.3.6.1.4.1.746.11.117." #m ".1.3.9.8", "Default", itInteger, acReadWrite}, \
    {}, \
}
ZQS_DEFINE_MODEL_SET(L3StaticSettings)
#undef L3StaticSettingsRows
// clang-format on

// A braced table inside a macro, which clang-format cannot lay out.
// clang-format off
#define OSPFAreaTypeSettingsRows(m) { \
    {"1.3.6.1.4.1.746.11.117." #m ".1.3.10.1.1", "ID", itIpAddress, acNotAccess}, \
    {"1.3.6.1.4.1.746.11.117." #m ".1.3.10.1.2", "Type", itInteger, acReadWrite, &NormalStubNssaList}, \
    {"1.3.6.1.4.1.746.11.117." #m ".1.3.10.1.3", "Summary State", itInteger, acReadWrite, \
     &NoneDisabledEnabledList}, \
    {"1.3.6.1.4.1.746.11.117." #m ".1.3.10.1.4", "Metric", itInteger, acReadWrite}, \
    {"1.3.6.1.4.1.746.11.117." #m ".1.3.10.1.5", "Translate State", itInteger, acReadWrite, \
     &NoneDisabledEnabledList}, \
    {"1.3.6.1.4.1.746.11.117." #m ".1.3.10.1.6", "Row Status", itInteger, acReadWrite, &RowStatusList}, \
    {}, \
}
ZQS_DEFINE_MODEL_SET(OSPFAreaTypeSettings)
#undef OSPFAreaTypeSettingsRows
// clang-format on

// A braced table inside a macro, which clang-format cannot lay out.
// clang-format off
#define LsdbInformationRouterIDRows(m) { \
    {"1.3.6.1.4.1.746.11.117." #m ".1.3.13.1.1.1", "Area ID", itIpAddress, acNotAccess}, \
    {"1.3.6.1.4.1.746.11.117." #m ".1.3.13.1.1.2", "Type", itInteger, acNotAccess, \
     &RouterLinkNetworkLinkSummaryLinkList}, \
    {"1.3.6.1.4.1.746.11.117." #m ".1.3.13.1.1.3", "Link State ID", itIpAddress, acNotAccess}, \
    {"1.3.6.1.4.1.746.11.117." #m ".1.3.13.1.1.4", "Router ID", itIpAddress, acReadOnly}, \
    {"1.3.6.1.4.1.746.11.117." #m ".1.3.13.1.1.5", "Metric", itInteger, acReadOnly}, \
    {"1.3.6.1.4.1.746.11.117." #m ".1.3.13.1.1.6", "Sequence Number", itOctetString, acReadOnly}, \
    {"1.3.6.1.4.1.746.11.117." #m ".1.3.13.1.1.7", "Age", itGauge, acReadOnly}, \
    {"1.3.6.1.4.1.746.11.117." #m ".1.3.13.1.1.8", "Checksum", itInteger, acReadOnly}, \
    {}, \
}
ZQS_DEFINE_MODEL_SET(LsdbInformationRouterID)
#undef LsdbInformationRouterIDRows
// clang-format on

// A braced table inside a macro, which clang-format cannot lay out.
// clang-format off
#define LsdbInformationMetricRows(m) { \
    {"1.3.6.1.4.1.746.11.117." #m ".1.3.13.2.1.1", "LSDB Type", itInteger, acNotAccess, \
     &AsExternalLinkNssaExternalLinkList}, \
    {"1.3.6.1.4.1.746.11.117." #m ".1.3.13.2.1.2", "Link State ID", itIpAddress, acNotAccess}, \
    {"1.3.6.1.4.1.746.11.117." #m ".1.3.13.2.1.3", "Router ID", itIpAddress, acNotAccess}, \
    {"1.3.6.1.4.1.746.11.117." #m ".1.3.13.2.1.4", "Metric", itInteger, acReadOnly}, \
    {"1.3.6.1.4.1.746.11.117." #m ".1.3.13.2.1.5", "Metric Type", itInteger, acReadOnly, \
     &UnrecognizedType1Type2List}, \
    {"1.3.6.1.4.1.746.11.117." #m ".1.3.13.2.1.6", "Sequence Number", itOctetString, acReadOnly}, \
    {"1.3.6.1.4.1.746.11.117." #m ".1.3.13.2.1.7", "LSDB Age", itGauge, acReadOnly}, \
    {"1.3.6.1.4.1.746.11.117." #m ".1.3.13.2.1.8", "Checksum", itInteger, acReadOnly}, \
    {"1.3.6.1.4.1.746.11.117." #m ".1.3.13.2.1.9", "Forwarding Address", itIpAddress, acReadOnly}, \
    {"1.3.6.1.4.1.746.11.117." #m ".1.3.13.2.1.10", "Route Tag", itOctetString, acReadOnly}, \
    {}, \
}
ZQS_DEFINE_MODEL_SET(LsdbInformationMetric)
#undef LsdbInformationMetricRows
// clang-format on

// A braced table inside a macro, which clang-format cannot lay out.
// clang-format off
#define OSPFECMPInformationIPDestinationSettingsRows(m) { \
    {"1.3.6.1.4.1.746.11.117." #m ".1.3.15.1", "IP Destination", itInteger, acReadWrite, \
     &EnabledDisabledList}, \
    {"1.3.6.1.4.1.746.11.117." #m ".1.3.15.2", "IP Source", itInteger, acReadWrite, &EnabledDisabledList}, \
    {"1.3.6.1.4.1.746.11.117." #m ".1.3.15.3", "CRC Low", itInteger, acReadWrite, &EnabledDisabledList}, \
    {"1.3.6.1.4.1.746.11.117." #m ".1.3.15.4", "CRC High", itInteger, acReadWrite, &EnabledDisabledList}, \
    {"1.3.6.1.4.1.746.11.117." #m ".1.3.15.5", "TCP or UDP Port", itInteger, acReadWrite, \
     &EnabledDisabledList}, \
    {"1.3.6.1.4.1.746.11.117." #m ".1.3.15.6", "State", itInteger, acReadWrite, &EnabledDisabledList}, \
    {}, \
}
ZQS_DEFINE_MODEL_SET(OSPFECMPInformationIPDestinationSettings)
#undef OSPFECMPInformationIPDestinationSettingsRows
// clang-format on

// A braced table inside a macro, which clang-format cannot lay out.
// clang-format off
#define OSPFECMPInformationIPDestinationSettings2Rows(m) { \
    {"1.3.6.1.4.1.746.11.117." #m ".1.3.15.1", "IP Destination", itInteger, acReadWrite, \
     &EnabledDisabledList}, \
    {"1.3.6.1.4.1.746.11.117." #m ".1.3.15.2", "IP Source", itInteger, acReadWrite, &EnabledDisabledList}, \
    {"1.3.6.1.4.1.746.11.117." #m ".1.3.15.3", "CRC Low", itInteger, acReadWrite, &EnabledDisabledList}, \
    {"1.3.6.1.4.1.746.11.117." #m ".1.3.15.4", "CRC High", itInteger, acReadWrite, &EnabledDisabledList}, \
    {"1.3.6.1.4.1.746.11.117." #m ".1.3.15.5", "TCP or UDP Port", itInteger, acReadWrite, \
     &EnabledDisabledList}, \
    {}, \
}
ZQS_DEFINE_MODEL_SET(OSPFECMPInformationIPDestinationSettings2)
#undef OSPFECMPInformationIPDestinationSettings2Rows
// clang-format on

// A braced table inside a macro, which clang-format cannot lay out.
// clang-format off
#define OSPFDefaultInformationOriginateSettingsRows(m) { \
    {"1.3.6.1.4.1.746.11.117." #m ".1.3.18.1", "Originate", itInteger, acReadWrite, &AlwaysDefaultNoneList}, \
    {"1.3.6.1.4.1.746.11.117." #m ".1.3.18.2", "Metric Type", itInteger, acReadWrite, &Type1Type2List}, \
    {"1.3.6.1.4.1.746.11.117." #m ".1.3.18.3", "Metric", itInteger, acReadWrite}, \
    {}, \
}
ZQS_DEFINE_MODEL_SET(OSPFDefaultInformationOriginateSettings)
#undef OSPFDefaultInformationOriginateSettingsRows
// clang-format on

// A braced table inside a macro, which clang-format cannot lay out.
// clang-format off
#define RIPTimerSettingsRows(m) { \
    {"1.3.6.1.4.1.746.11.117." #m ".1.3.17.1", "Update Time", itInteger, acReadWrite}, \
    {"1.3.6.1.4.1.746.11.117." #m ".1.3.17.2", "Timeout Time", itInteger, acReadWrite}, \
    {"1.3.6.1.4.1.746.11.117." #m ".1.3.17.3", "Garbage Collection Time", itInteger, acReadWrite}, \
    {}, \
}
ZQS_DEFINE_MODEL_SET(RIPTimerSettings)
#undef RIPTimerSettingsRows
// clang-format on

// A braced table inside a macro, which clang-format cannot lay out.
// clang-format off
#define VRRPOperationTableRows(m) { \
    {"1.3.6.1.4.1.746.11.117." #m ".1.3.14.1.1.1", "Interface Index", itInteger, acNotAccess}, \
    {"1.3.6.1.4.1.746.11.117." #m ".1.3.14.1.1.2", "Virtual ID", itInteger, acNotAccess}, \
    {"1.3.6.1.4.1.746.11.117." #m ".1.3.14.1.1.3", "Virtual MAC Address", itMacAddress, acReadOnly}, \
    {"1.3.6.1.4.1.746.11.117." #m ".1.3.14.1.1.4", "State", itInteger, acReadOnly, \
     &InitializeBackupMasterList}, \
    {"1.3.6.1.4.1.746.11.117." #m ".1.3.14.1.1.5", "Administration State", itInteger, acReadWrite, \
     &UpDownList}, \
    {"1.3.6.1.4.1.746.11.117." #m ".1.3.14.1.1.6", "Priority", itInteger, acReadWrite}, \
    {"1.3.6.1.4.1.746.11.117." #m ".1.3.14.1.1.7", "Master IP Address", itIpAddress, acReadOnly}, \
    {"1.3.6.1.4.1.746.11.117." #m ".1.3.14.1.1.8", "Critical IP Address", itIpAddress, acReadWrite}, \
    {"1.3.6.1.4.1.746.11.117." #m ".1.3.14.1.1.9", "Check Critical IP State", itInteger, acReadWrite, \
     &DisabledEnabledList2}, \
    {"1.3.6.1.4.1.746.11.117." #m ".1.3.14.1.1.10", "Authentication Type", itInteger, acReadWrite, \
     &NoAuthenticationSimpleTextPasswoIpAuthenList}, \
    {"1.3.6.1.4.1.746.11.117." #m ".1.3.14.1.1.11", "Authentication Key", itDisplayString, acReadWrite}, \
    {"1.3.6.1.4.1.746.11.117." #m ".1.3.14.1.1.12", "Advertisement Interval", itInteger, acReadWrite}, \
    {"1.3.6.1.4.1.746.11.117." #m ".1.3.14.1.1.13", "Preempt Mode", itInteger, acReadWrite, \
     &TruthValueList}, \
    {"1.3.6.1.4.1.746.11.117." #m ".1.3.14.1.1.14", "Virtual Router Up Time", itTimeTicks, acReadOnly}, \
    {"1.3.6.1.4.1.746.11.117." #m ".1.3.14.1.1.15", "Virtual IP Address", itIpAddress, acReadWrite}, \
    {"1.3.6.1.4.1.746.11.117." #m ".1.3.14.1.1.16", "Row Status", itInteger, acReadWrite, &RowStatusList}, \
    {}, \
}
ZQS_DEFINE_MODEL_SET(VRRPOperationTable)
#undef VRRPOperationTableRows
// clang-format on

// A braced table inside a macro, which clang-format cannot lay out.
// clang-format off
#define RIPInboundRouterFilterTableRows(m) { \
    {"1.3.6.1.4.1.746.11.117." #m ".1.3.19.1.1", "IF IP Address", itIpAddress, acNotAccess}, \
    {"1.3.6.1.4.1.746.11.117." #m ".1.3.19.1.2", "Filter Type", itInteger, acReadWrite, \
     &NoneAccessListList}, \
    {"1.3.6.1.4.1.746.11.117." #m ".1.3.19.1.3", "Filter Name", itDisplayString, acReadWrite}, \
    {}, \
}
ZQS_DEFINE_MODEL_SET(RIPInboundRouterFilterTable)
#undef RIPInboundRouterFilterTableRows
// clang-format on

// A braced table inside a macro, which clang-format cannot lay out.
// clang-format off
#define IPv6RouteResTableRows(m) { \
    {"1.3.6.1.4.1.746.11.117." #m ".1.3.20.1.1", "Source Protocol", itInteger, acNotAccess, \
     &LocalStaticRipngList}, \
    {"1.3.6.1.4.1.746.11.117." #m ".1.3.20.1.2", "Destination  Protocol", itInteger, acNotAccess, \
     &RipngOspfv3List}, \
    {"1.3.6.1.4.1.746.11.117." #m ".1.3.20.1.3", "Type", itInteger, acReadOnly, &Type1Type2AllList}, \
    {"1.3.6.1.4.1.746.11.117." #m ".1.3.20.1.4", "Metric", itGauge, acReadWrite}, \
    {"1.3.6.1.4.1.746.11.117." #m ".1.3.20.1.5", "Row Status", itInteger, acReadWrite, &RowStatusList}, \
    {}, \
}
ZQS_DEFINE_MODEL_SET(IPv6RouteResTable)
#undef IPv6RouteResTableRows
// clang-format on

constexpr MibTableRow DHCPv6RelayInformationHopCountSettings[] = {
    {"1.3.6.1.4.1.746.12.84.1.1", "Hop Count", itInteger, acReadWrite},
    {"1.3.6.1.4.1.746.12.84.1.2", "Global State", itInteger, acReadWrite, &EnabledDisabledList},
    {},
};

constexpr MibTableRow DHCPv6RelayInformationControlStateSettings[] = {
    {"1.3.6.1.4.1.746.12.84.1.3.1.1", "Interface Name", itDisplayString, acNotAccess},
    {"1.3.6.1.4.1.746.12.84.1.3.1.2", "Control State", itInteger, acReadWrite, &EnabledDisabledList},
    {},
};

constexpr MibTableRow DHCPv6RelayInformationRowStatusSettings[] = {
    {" ", "Interface Name", itDisplayString, acNotAccess},
    {"1.3.6.1.4.1.746.12.84.1.4.1.1", "Address Type", itInteger, acNotAccess, &Ipv6Ipv6zList},
    {"1.3.6.1.4.1.746.12.84.1.4.1.2", "Address", itInetAddress, acNotAccess},
    {"1.3.6.1.4.1.746.12.84.1.4.1.3", "Row Status", itInteger, acReadWrite, &RowStatusList},
    {},
};

constexpr MibTableRow IPTunnelInterfaceTable[] = {
    {"  ", "IF Index", itInteger, acNotAccess},
    {"1.3.6.1.2.1.10.131.1.1.1.1.1", "Local Address", itIpAddress, acReadOnly},
    {"1.3.6.1.2.1.10.131.1.1.1.1.2", "Remote Address", itIpAddress, acReadOnly},
    {"1.3.6.1.2.1.10.131.1.1.1.1.3", "Encaps Method", itInteger, acReadOnly, &OtherDirectGreList},
    {"1.3.6.1.2.1.10.131.1.1.1.1.8", "Address Type", itInteger, acReadWrite, &Ipv4Ipv6List},
    {"1.3.6.1.2.1.10.131.1.1.1.1.9", "Local Inet Address", itInetAddress, acReadWrite},
    {"1.3.6.1.2.1.10.131.1.1.1.1.10", "Remote Inet Address", itInetAddress, acReadWrite},
    {},
};

constexpr MibTableRow IPTunnelInterfaceConfigureTable[] = {
    {"1.3.6.1.2.1.10.131.1.1.3.1.1", "Address Type", itInteger, acNotAccess, &Ipv4Ipv6List},
    {"1.3.6.1.2.1.10.131.1.1.3.1.2", "Local Address", itInetAddress, acNotAccess},
    {"1.3.6.1.2.1.10.131.1.1.3.1.3", "Remote Address", itInetAddress, acNotAccess},
    {"1.3.6.1.2.1.10.131.1.1.3.1.4", "Encaps Method", itInteger, acNotAccess, &DirectGreSixToFourList},
    {"1.3.6.1.2.1.10.131.1.1.3.1.5", "ID", itInteger, acNotAccess | acImplied},
    {"1.3.6.1.2.1.10.131.1.1.3.1.6", "IF Index", itInteger, acReadOnly},
    {"1.3.6.1.2.1.10.131.1.1.3.1.7", "Row Status", itInteger, acReadWrite, &RowStatusList},
    {},
};

constexpr MibTableRow IPv6StaticRouteTunnelTable[] = {
    {" ", "Destination", itIpv6Address, acNotAccess},
    {" ", "Prefix Length", itInteger, acNotAccess},
    {"1.3.6.1.4.1.746.12.26.3.2.1.1", "Interface Name", itDisplayString, acNotAccess},
    {"1.3.6.1.4.1.746.12.26.3.2.1.100", "Row Status", itInteger, acReadWrite, &RowStatusList},
    {},
};

constexpr MibTableRow DHCPv6RelayOptionSettings[] = {
    {"1.3.6.1.4.1.746.12.84.1.5.1", "State", itInteger, acReadWrite, &EnabledDisabledList},
    {"1.3.6.1.4.1.746.12.84.1.5.2", "Check State", itInteger, acReadWrite, &EnabledDisabledList},
    {"1.3.6.1.4.1.746.12.84.1.5.3", "Remote ID Type", itInteger, acReadWrite,
     &DefaultCidWithUserDefinUserDefinedList},
    {"1.3.6.1.4.1.746.12.84.1.5.4", "User Defined", itDisplayString, acReadWrite},
    {},
};

constexpr MibTableRow Option18Settings[] = {
    {"1.3.6.1.4.1.746.12.84.1.6.1", "State", itInteger, acReadWrite, &EnabledDisabledList},
    {"1.3.6.1.4.1.746.12.84.1.6.2", "Check State", itInteger, acReadWrite, &EnabledDisabledList},
    {"1.3.6.1.4.1.746.12.84.1.6.3", "Interface ID Type", itInteger, acReadWrite, &DefaultCidVendor1List},
    {},
};

constexpr MibTableRow GlobalGlobalStateSettings[] = {
    {"1.3.6.1.4.1.746.12.84.2.1", "Global State", itInteger, acReadWrite, &EnabledDisabledList},
    {},
};

constexpr MibTableRow VLANTable[] = {
    {"1.3.6.1.4.1.746.12.84.2.2.1.1", "Vlan ID", itInteger, acNotAccess},
    {"1.3.6.1.4.1.746.12.84.2.2.1.2", "State", itInteger, acReadWrite, &EnabledDisabledList},
    {},
};

constexpr MibTableRow CIDRRouteTable[] = {
    {"1.3.6.1.2.1.4.24.7.1.1", "Destination Type", itInteger, acNotAccess, &UnknownIpv4Ipv6List2},
    {"1.3.6.1.2.1.4.24.7.1.2", "Destination Address", itInetAddress, acNotAccess},
    {"1.3.6.1.2.1.4.24.7.1.3", "Prefix Length", itGauge, acNotAccess},
    {"1.3.6.1.2.1.4.24.7.1.4", "Policy", itObjectId, acNotAccess},
    {"1.3.6.1.2.1.4.24.7.1.5", "Next Hop Type", itInteger, acNotAccess, &UnknownIpv4Ipv6List2},
    {"1.3.6.1.2.1.4.24.7.1.6", "Next Hop", itInetAddress, acNotAccess},
    {"1.3.6.1.2.1.4.24.7.1.7", "Interface Index", itInteger, acReadOnly},
    {"1.3.6.1.2.1.4.24.7.1.8", "Route Type", itInteger, acReadOnly, &OtherRejectLocalList},
    {"1.3.6.1.2.1.4.24.7.1.9", "Protocol", itInteger, acReadOnly, &OtherLocalNetmgmtList},
    {"1.3.6.1.2.1.4.24.7.1.12", "Metric 1", itInteger, acReadOnly},
    {"1.3.6.1.2.1.4.24.7.1.17", "inetCidrRouteStatus", itInteger, acReadOnly, &RowStatusList},
    {},
};

constexpr MibTableRow CIDRRouteInformation[] = {
    {"1.3.6.1.2.1.4.24.6", "Route Number", itGauge, acReadOnly},
    {"1.3.6.1.2.1.4.24.8", "Route Discards", itCounter, acReadOnly},
    {},
};

// A braced table inside a macro, which clang-format cannot lay out.
// clang-format off
#define DVMRPInterfaceTableRows(m) { \
    {"1.3.6.1.4.1.746.11.117." #m ".1.3.12.1.1", "Interface Index", itInteger, acNotAccess}, \
    {"1.3.6.1.4.1.746.11.117." #m ".1.3.12.1.2", "Local Address", itIpAddress, acReadOnly}, \
    {"1.3.6.1.4.1.746.11.117." #m ".1.3.12.1.3", "Metric", itInteger, acReadWrite}, \
    {"1.3.6.1.4.1.746.11.117." #m ".1.3.12.1.4", "Probe", itInteger, acReadWrite}, \
    {"1.3.6.1.4.1.746.11.117." #m ".1.3.12.1.5", "Neighbor Timeout", itInteger, acReadWrite}, \
    {"1.3.6.1.4.1.746.11.117." #m ".1.3.12.1.6", "Row Status", itInteger, acReadWrite, \
     &ActiveNotInServiceCreateAndGoList}, \
    {"1.3.6.1.4.1.746.11.117." #m ".1.3.12.1.7", "Receive Bad Packets", itCounter, acReadOnly}, \
    {"1.3.6.1.4.1.746.11.117." #m ".1.3.12.1.8", "Receive Bad Routes", itCounter, acReadOnly}, \
    {}, \
}
ZQS_DEFINE_MODEL_SET(DVMRPInterfaceTable)
#undef DVMRPInterfaceTableRows
// clang-format on

// A braced table inside a macro, which clang-format cannot lay out.
// clang-format off
#define IPMulticastRouteRPFAddressTableRows(m) { \
    {"1.3.6.1.4.1.746.11.117." #m ".1.3.2.6.1.1.1", "Route Address", itIpAddress, acNotAccess}, \
    {"1.3.6.1.4.1.746.11.117." #m ".1.3.2.6.1.1.2", "Route Mask", itIpAddress, acNotAccess}, \
    {"1.3.6.1.4.1.746.11.117." #m ".1.3.2.6.1.1.3", "RPF Address", itIpAddress, acReadWrite}, \
    {"1.3.6.1.4.1.746.11.117." #m ".1.3.2.6.1.1.4", "Row Status", itInteger, acReadWrite, &RowStatusList}, \
    {}, \
}
ZQS_DEFINE_MODEL_SET(IPMulticastRouteRPFAddressTable)
#undef IPMulticastRouteRPFAddressTableRows
// clang-format on

// A braced table inside a macro, which clang-format cannot lay out.
// clang-format off
#define IPStaticRouteTunnelTableRows(m) { \
    {" ", "Destination", itIpAddress, acNotAccess}, \
    {" ", "Mask", itIpAddress, acNotAccess}, \
    {"1.3.6.1.4.1.746.11.117." #m ".1.3.2.7.1.1", "IP Tunnel Name", itDisplayString, acNotAccess}, \
    {"1.3.6.1.4.1.746.11.117." #m ".1.3.2.7.1.2", "Row Status", itInteger, acReadWrite, &RowStatusList}, \
    {}, \
}
ZQS_DEFINE_MODEL_SET(IPStaticRouteTunnelTable)
#undef IPStaticRouteTunnelTableRows
// clang-format on
