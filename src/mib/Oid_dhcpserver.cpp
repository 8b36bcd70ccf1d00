// Columns stay in this order even where their arcs do not ascend: dialogs address them by position.
#include "Oid_dhcpserver.h"

#include "CatalogueOptionLists.h"

constexpr MibTableRow DHCPServerGlobalSettings[] = {
    {"1.3.6.1.4.1.746.12.38.1.1", "State", itInteger, acReadWrite, &EnabledDisabledList},
    {"1.3.6.1.4.1.746.12.38.1.2", "Ping Packet Number (0-10)", itInteger, acReadWrite},
    {"1.3.6.1.4.1.746.12.38.1.3", "Ping Timeout (10-2000) ms", itInteger, acReadWrite},
    {},
};

constexpr MibTableRow ExcludedAddressTable[] = {
    {"1.3.6.1.4.1.746.12.38.3.1.1.1", "Begin", itIpAddress, acNotAccess},
    {"1.3.6.1.4.1.746.12.38.3.1.1.2", "End", itIpAddress, acNotAccess},
    {"1.3.6.1.4.1.746.12.38.3.1.1.3", "Row Status", itInteger, acReadWrite, &ActiveCreateAndGoDestroyList},
    {},
};

constexpr MibTableRow DHCPServerPoolTable[] = {
    {"1.3.6.1.4.1.746.12.38.3.2.1.1.1", "Name", itDisplayString, acNotAccess},
    {"1.3.6.1.4.1.746.12.38.3.2.1.1.2", "Network Address", itIpAddress, acReadWrite},
    {"1.3.6.1.4.1.746.12.38.3.2.1.1.3", "Network Address Mask", itIpAddress, acReadWrite},
    {"1.3.6.1.4.1.746.12.38.3.2.1.1.4", "Domain Name", itDisplayString, acReadWrite},
    {"1.3.6.1.4.1.746.12.38.3.2.1.1.5", "NetBIOS Node Type", itInteger, acReadWrite,
     &NotSpecifiedBroadcastPeerToPeerList},
    {"1.3.6.1.4.1.746.12.38.3.2.1.1.6", "Lease State", itInteger, acReadWrite, &PredefinedInfiniteList},
    {"1.3.6.1.4.1.746.12.38.3.2.1.1.7", "Lease Day", itInteger, acReadWrite},
    {"1.3.6.1.4.1.746.12.38.3.2.1.1.8", "Lease Hour", itInteger, acReadWrite},
    {"1.3.6.1.4.1.746.12.38.3.2.1.1.9", "Lease Minute", itInteger, acReadWrite},
    {"1.3.6.1.4.1.746.12.38.3.2.1.1.10", "Boot File", itDisplayString, acReadWrite},
    {"1.3.6.1.4.1.746.12.38.3.2.1.1.11", "Next Server", itIpAddress, acReadWrite},
    {"1.3.6.1.4.1.746.12.38.3.2.1.1.12", "Row Status", itInteger, acReadWrite, &RowStatusList},
    {},
};

constexpr MibTableRow DHCPServerDNSServerAddressTable[] = {
    {"1.3.6.1.4.1.746.12.38.3.2.2.1.1", "Pool Name", itDisplayString, acNotAccess},
    {"1.3.6.1.4.1.746.12.38.3.2.2.1.2", "Index", itInteger, acNotAccess},
    {"1.3.6.1.4.1.746.12.38.3.2.2.1.3", "IP Address", itIpAddress, acReadWrite},
    {"1.3.6.1.4.1.746.12.38.3.2.2.1.4", "Row Status", itInteger, acReadWrite, &RowStatusList},
    {},
};

constexpr MibTableRow DHCPServerNetBIOSNameServerTable[] = {
    {"1.3.6.1.4.1.746.12.38.3.2.3.1.1", "Pool Name", itDisplayString, acNotAccess},
    {"1.3.6.1.4.1.746.12.38.3.2.3.1.2", "Index", itInteger, acNotAccess},
    {"1.3.6.1.4.1.746.12.38.3.2.3.1.3", "Server", itIpAddress, acReadWrite},
    {"1.3.6.1.4.1.746.12.38.3.2.3.1.4", "Row Status", itInteger, acReadWrite, &RowStatusList},
    {},
};

constexpr MibTableRow DHCPServerDefaultRouterTable[] = {
    {"1.3.6.1.4.1.746.12.38.3.2.4.1.1", "Pool Name", itDisplayString, acNotAccess},
    {"1.3.6.1.4.1.746.12.38.3.2.4.1.2", "Index", itInteger, acNotAccess},
    {"1.3.6.1.4.1.746.12.38.3.2.4.1.3", "Default Router", itIpAddress, acReadWrite},
    {"1.3.6.1.4.1.746.12.38.3.2.4.1.4", "Row Status", itInteger, acReadWrite, &RowStatusList},
    {},
};

constexpr MibTableRow ManualBindingTable[] = {
    {"1.3.6.1.4.1.746.12.38.3.3.1.1", "Pool Name", itDisplayString, acNotAccess},
    {"1.3.6.1.4.1.746.12.38.3.3.1.2", "IP Address", itIpAddress, acNotAccess},
    {"1.3.6.1.4.1.746.12.38.3.3.1.3", "Hardware Address", itMacAddress, acReadWrite},
    {"1.3.6.1.4.1.746.12.38.3.3.1.4", "Type", itInteger, acReadWrite, &EthernetIeee802List},
    {"1.3.6.1.4.1.746.12.38.3.3.1.5", "Row Status", itInteger, acReadWrite, &ActiveCreateAndGoDestroyList},
    {},
};

constexpr MibTableRow DHCPServerDynamicBindingTable[] = {
    {"1.3.6.1.4.1.746.12.38.3.4.1.1", "Pool Name", itDisplayString, acNotAccess},
    {"1.3.6.1.4.1.746.12.38.3.4.1.2", "IP Address", itIpAddress, acNotAccess},
    {"1.3.6.1.4.1.746.12.38.3.4.1.3", "Hardware Address", itMacAddress, acReadOnly},
    {"1.3.6.1.4.1.746.12.38.3.4.1.4", "Type", itInteger, acReadOnly, &EthernetIee802List},
    {"1.3.6.1.4.1.746.12.38.3.4.1.5", "State", itInteger, acReadOnly, &ManualAutomaticList},
    {"1.3.6.1.4.1.746.12.38.3.4.1.6", "Life Time", itInteger, acReadOnly},
    {"1.3.6.1.4.1.746.12.38.3.4.1.7", "Clear State", itInteger, acReadWrite, &NoneStartList},
    {},
};

constexpr MibTableRow DHCPSeverConflictIPTable[] = {
    {"1.3.6.1.4.1.746.12.38.3.5.1.1", "IP Address", itIpAddress, acNotAccess},
    {"1.3.6.1.4.1.746.12.38.3.5.1.2", "Detection Method", itInteger, acReadOnly, &PingGratuitousArpList},
    {"1.3.6.1.4.1.746.12.38.3.5.1.3", "Detection Time", itDisplayString, acReadOnly},
    {"1.3.6.1.4.1.746.12.38.3.5.1.4", "Clear State", itInteger, acReadWrite, &NoneStartList},
    {},
};

constexpr MibTableRow DHCPServerPoolOptionTable[] = {
    {" ", "Pool Name", itOctetString, acNotAccess},
    {" ", "Profile Name", itOctetString, acNotAccess},
    {"1.3.6.1.4.1.746.12.38.3.2.6.1.1", "Row Status", itInteger, acReadWrite, &RowStatusList},
    {},
};

constexpr MibTableRow FilterDHCPPermitTable[] = {
    {"1.3.6.1.4.1.746.12.37.1.1.1.1", "Server IP", itIpAddress, acNotAccess},
    {"1.3.6.1.4.1.746.12.37.1.1.1.2", "Client MAC", itMacAddress, acNotAccess},
    {"1.3.6.1.4.1.746.12.37.1.1.1.3", "Ports", itBitList, acReadWrite},
    {"1.3.6.1.4.1.746.12.37.1.1.1.4", "Row Status", itInteger, acReadWrite, &RowStatusList},
    {},
};

constexpr MibTableRow DHCPServerScreeningPortTable[] = {
    {"1.3.6.1.4.1.746.12.37.1.2.1.1", "Port Index", itInteger, acNotAccess},
    {"1.3.6.1.4.1.746.12.37.1.2.1.2", "Port State", itInteger, acReadWrite, &EnabledDisabledList},
    {},
};

constexpr MibTableRow ScreeningSettings[] = {
    {"1.3.6.1.4.1.746.12.37.1.3", "Illegal Server Log Suppress Duration", itInteger, acReadWrite,
     &Duration1minDuration5minDuration30minList},
    {"1.3.6.1.4.1.746.12.37.1.5", "Trap State", itInteger, acReadWrite, &EnabledDisabledList},
    {"1.3.6.1.4.1.746.12.37.1.6", "Log State", itInteger, acReadWrite, &EnabledDisabledList},
    {},
};

constexpr MibTableRow FilterCPUTable[] = {
    {"1.3.6.1.4.1.746.12.37.4.1.1.1", "Port Index", itInteger, acNotAccess},
    {"1.3.6.1.4.1.746.12.37.4.1.1.5", "PIM State", itInteger, acReadWrite, &EnabledDisabledList},
    {"1.3.6.1.4.1.746.12.37.4.1.1.6", "DVMRP State", itInteger, acReadWrite, &EnabledDisabledList},
    {"1.3.6.1.4.1.746.12.37.4.1.1.7", "IGMP Query State", itInteger, acReadWrite, &EnabledDisabledList},
    {},
};

constexpr MibTableRow RPCPortMapperSettings[] = {
    {"1.3.6.1.4.1.746.12.37.6.1", "Enabled Ports", itBitString, acReadWrite},
    {},
};

constexpr MibTableRow DHCPv6ServerScreeningSettings[] = {
    {"1.3.6.1.4.1.746.12.37.7.3", "Trap State", itInteger, acReadWrite, &EnabledDisabledList},
    {"1.3.6.1.4.1.746.12.37.7.4", "Log State", itInteger, acReadWrite, &EnabledDisabledList},
    {},
};

constexpr MibTableRow DHCPv6ServerScreeningPortTable[] = {
    {"1.3.6.1.4.1.746.12.37.7.1.1.1", "Port Index", itInteger, acNotAccess},
    {"1.3.6.1.4.1.746.12.37.7.1.1.2", "State", itInteger, acReadWrite, &EnabledDisabledList},
    {},
};

constexpr MibTableRow FilterDHCPv6PermitTable[] = {
    {"1.3.6.1.4.1.746.12.37.7.2.1.1", "IPv6 Address", itIpv6Address, acNotAccess},
    {"1.3.6.1.4.1.746.12.37.7.2.1.2", "Ports", itBitList, acReadWrite},
    {"1.3.6.1.4.1.746.12.37.7.2.1.4", "Server Status", itInteger, acReadWrite, &RowStatusList},
    {},
};

constexpr MibTableRow ICMPv6RAAllNodeInformationSettings[] = {
    {"1.3.6.1.4.1.746.12.37.8.3", "Trap State", itInteger, acReadWrite, &EnabledDisabledList},
    {"1.3.6.1.4.1.746.12.37.8.4", "Log State", itInteger, acReadWrite, &EnabledDisabledList},
    {},
};

constexpr MibTableRow ICMPv6RAAllNodePortTable[] = {
    {"1.3.6.1.4.1.746.12.37.8.1.1.1", "Port Index", itInteger, acNotAccess},
    {"1.3.6.1.4.1.746.12.37.8.1.1.2", "Node State", itInteger, acReadWrite, &EnabledDisabledList},
    {},
};

constexpr MibTableRow FilterAllNodePermitTable[] = {
    {"1.3.6.1.4.1.746.12.37.8.2.1.1", "IPv6 Address", itIpv6Address, acNotAccess},
    {"1.3.6.1.4.1.746.12.37.8.2.1.2", "Ports", itBitList, acReadWrite},
    {"1.3.6.1.4.1.746.12.37.8.2.1.4", "Status", itInteger, acReadWrite, &RowStatusList},
    {},
};
