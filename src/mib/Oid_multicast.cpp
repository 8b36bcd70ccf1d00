// Columns stay in this order even where their arcs do not ascend: dialogs address them by position.
#include "Oid_multicast.h"

#include "CatalogueOptionLists.h"

constexpr MibTableRow MulticastFilterProfileDescriptionTable[] = {
    {"1.3.6.1.4.1.746.12.53.1.1.1", "Index", itInteger, acNotAccess},
    {"1.3.6.1.4.1.746.12.53.1.1.2", "Description", itDisplayString, acReadWrite},
    {"1.3.6.1.4.1.746.12.53.1.1.3", "Row Status", itInteger, acReadWrite, &RowStatusList},
    {},
};

constexpr MibTableRow MulticastFilterProfileAddressTable[] = {
    {"1.3.6.1.4.1.746.12.53.2.1.1", "Profile Index", itInteger, acNotAccess},
    {"1.3.6.1.4.1.746.12.53.2.1.2", "Start Address", itIpAddress, acNotAccess},
    {"1.3.6.1.4.1.746.12.53.2.1.3", "End Address", itIpAddress, acReadOnly},
    {"1.3.6.1.4.1.746.12.53.2.1.4", "Row Status", itInteger, acReadWrite, &RowStatusList},
    {},
};

constexpr MibTableRow MulticastFilterPortGroupTable[] = {
    {"1.3.6.1.4.1.746.12.53.3.1.1", "Port Index", itInteger, acNotAccess},
    {"1.3.6.1.4.1.746.12.53.3.1.2", "Profile ID", itInteger, acNotAccess},
    {"1.3.6.1.4.1.746.12.53.3.1.3", "Row Status", itInteger, acReadWrite, &RowStatusList},
    {},
};

constexpr MibTableRow MulticastFilterPortAccessTable[] = {
    {"1.3.6.1.4.1.746.12.53.4.1.1", "Port Index", itInteger, acNotAccess},
    {"1.3.6.1.4.1.746.12.53.4.1.2", "State", itInteger, acReadWrite, &PermitDenyList},
    {},
};

constexpr MibTableRow MulticastFilterPortMaxGroupTable[] = {
    {"1.3.6.1.4.1.746.12.53.5.1.1", "Port Index", itInteger, acNotAccess},
    {"1.3.6.1.4.1.746.12.53.5.1.2", "Max Group", itInteger, acReadWrite},
    {"1.3.6.1.4.1.746.12.53.5.1.3", "Current Count", itInteger, acReadOnly},
    {"1.3.6.1.4.1.746.12.53.5.1.4", "Action", itInteger, acReadWrite, &DropReplaceList},
    {},
};

constexpr MibTableRow MulticastFilterVLANGroupTable[] = {
    {"1.3.6.1.4.1.746.12.53.6.1.1", "VLAN Index", itInteger, acNotAccess},
    {"1.3.6.1.4.1.746.12.53.6.1.2", "Profile ID", itInteger, acNotAccess},
    {"1.3.6.1.4.1.746.12.53.6.1.3", "Row Status", itInteger, acReadWrite, &RowStatusList},
    {},
};

constexpr MibTableRow MulticastFilterVLANAccessTable[] = {
    {"1.3.6.1.4.1.746.12.53.7.1.1", "VLAN Index", itInteger, acNotAccess},
    {"1.3.6.1.4.1.746.12.53.7.1.2", "State", itInteger, acReadWrite, &PermitDenyList},
    {},
};

constexpr MibTableRow MulticastFilterVLANMaxGroupTable[] = {
    {"1.3.6.1.4.1.746.12.53.8.1.1", "VLAN Index", itInteger, acNotAccess},
    {"1.3.6.1.4.1.746.12.53.8.1.2", "Max Group", itInteger, acReadWrite},
    {"1.3.6.1.4.1.746.12.53.8.1.3", "Current Count", itInteger, acReadOnly},
    {"1.3.6.1.4.1.746.12.53.8.1.4", "Action", itInteger, acReadWrite, &DropReplaceList},
    {},
};

constexpr MibTableRow MulticastFilterProfileDescriptionTable2[] = {
    {"1.3.6.1.4.1.746.12.53.20.1.1", "Index", itInteger, acNotAccess},
    {"1.3.6.1.4.1.746.12.53.20.1.2", "Description", itDisplayString, acReadWrite},
    {"1.3.6.1.4.1.746.12.53.20.1.3", "Row Status", itInteger, acReadWrite, &RowStatusList},
    {},
};

constexpr MibTableRow MulticastFilterIPv6ProfileAddressTable[] = {
    {"1.3.6.1.4.1.746.12.53.21.1.1", "Profile Index", itInteger, acNotAccess},
    {"1.3.6.1.4.1.746.12.53.21.1.2", "Start Address", itIpv6Address, acNotAccess},
    {"1.3.6.1.4.1.746.12.53.21.1.3", "End Address", itIpv6Address, acReadOnly},
    {"1.3.6.1.4.1.746.12.53.21.1.4", "Row Status", itInteger, acReadWrite, &RowStatusList},
    {},
};

constexpr MibTableRow MulticastFilterIPv6PortGroupTable[] = {
    {"1.3.6.1.4.1.746.12.53.22.1.1", "Port Index", itInteger, acNotAccess},
    {"1.3.6.1.4.1.746.12.53.22.1.2", "Profile ID", itInteger, acNotAccess},
    {"1.3.6.1.4.1.746.12.53.22.1.3", "Row Status", itInteger, acReadWrite, &RowStatusList},
    {},
};

constexpr MibTableRow MulticastFilterIPv6PortAccessTable[] = {
    {"1.3.6.1.4.1.746.12.53.23.1.1", "Port Index", itInteger, acNotAccess},
    {"1.3.6.1.4.1.746.12.53.23.1.2", "State", itInteger, acReadWrite, &PermitDenyList},
    {},
};

constexpr MibTableRow MulticastFilterIPv6PortMaxGroupTable[] = {
    {"1.3.6.1.4.1.746.12.53.24.1.1", "Port Index", itInteger, acNotAccess},
    {"1.3.6.1.4.1.746.12.53.24.1.2", "Max Group", itInteger, acReadWrite},
    {"1.3.6.1.4.1.746.12.53.24.1.3", "Current Count", itInteger, acReadOnly},
    {"1.3.6.1.4.1.746.12.53.24.1.4", "Max Group Action", itInteger, acReadWrite, &DropReplaceList},
    {},
};

constexpr MibTableRow MulticastFilterIPv6VLANGroupTable[] = {
    {"1.3.6.1.4.1.746.12.53.25.1.1", "VLAN Index", itInteger, acNotAccess},
    {"1.3.6.1.4.1.746.12.53.25.1.2", "Profile ID", itInteger, acNotAccess},
    {"1.3.6.1.4.1.746.12.53.25.1.3", "Row Status", itInteger, acReadWrite, &RowStatusList},
    {},
};

constexpr MibTableRow MulticastFilterIPv6VLANAccessTable[] = {
    {"1.3.6.1.4.1.746.12.53.26.1.1", "VLAN Index", itInteger, acNotAccess},
    {"1.3.6.1.4.1.746.12.53.26.1.2", "State", itInteger, acReadWrite, &PermitDenyList},
    {},
};

constexpr MibTableRow MulticastFilterIPv6VLANMaxGroupTable[] = {
    {"1.3.6.1.4.1.746.12.53.27.1.1", "VLAN Index", itInteger, acNotAccess},
    {"1.3.6.1.4.1.746.12.53.27.1.2", "Max Group", itInteger, acReadWrite},
    {"1.3.6.1.4.1.746.12.53.27.1.3", "Current Count", itInteger, acReadOnly},
    {"1.3.6.1.4.1.746.12.53.27.1.4", "Max Group Action", itInteger, acReadWrite, &DropReplaceList},
    {},
};

constexpr MibTableRow IGMPSnoopingGlobalGlobalStateSettings[] = {
    {"1.3.6.1.4.1.746.12.73.1.1", "Global State", itInteger, acReadWrite, &EnabledDisabledList},
    {"1.3.6.1.4.1.746.12.73.1.3", "Max Data Driven Learning Count", itInteger, acReadWrite},
    {"1.3.6.1.4.1.746.12.73.1.5", "Clear Statistic Counter", itInteger, acReadWrite, &OtherClearList},
    {"1.3.6.1.4.1.746.12.64.1.1", "Multicast VLAN Global State", itInteger, acReadWrite,
     &EnabledDisabledList},
    {"1.3.6.1.4.1.746.12.64.1.3", "Multicast VLAN Forward Unmatched State", itInteger, acReadWrite,
     &EnabledDisabledList},
    {},
};

constexpr MibTableRow IGMPSnoopingGlobalGlobalStateSettings2[] = {
    {"1.3.6.1.4.1.746.12.73.1.1", "Global State", itInteger, acReadWrite, &EnabledDisabledList},
    {"1.3.6.1.4.1.746.12.73.1.5", "Clear Statistic Counter", itInteger, acReadWrite, &OtherClearList},
    {"1.3.6.1.4.1.746.12.64.1.1", "Multicast VLAN Global State", itInteger, acReadWrite,
     &EnabledDisabledList},
    {"1.3.6.1.4.1.746.12.64.1.3", "Multicast VLAN Forward Unmatched State", itInteger, acReadWrite,
     &EnabledDisabledList},
    {},
};

constexpr MibTableRow MLDSnoopingGlobalGlobalStateSettings[] = {
    {"1.3.6.1.4.1.746.12.73.1.2", "Global State", itInteger, acReadWrite, &EnabledDisabledList},
    {"1.3.6.1.4.1.746.12.73.1.4", "Max Data Driven Learning Count", itInteger, acReadWrite},
    {"1.3.6.1.4.1.746.12.73.1.6", "Clear Statistic Counter", itInteger, acReadWrite, &OtherClearList},
    {"1.3.6.1.4.1.746.12.64.1.2", "Multicast VLAN Global State", itInteger, acReadWrite,
     &EnabledDisabledList},
    {"1.3.6.1.4.1.746.12.64.1.4", "Multicast VLAN Forward Unmatched State", itInteger, acReadWrite,
     &EnabledDisabledList},
    {},
};

constexpr MibTableRow MLDSnoopingGlobalGlobalStateSettings2[] = {
    {"1.3.6.1.4.1.746.12.73.1.2", "Global State", itInteger, acReadWrite, &EnabledDisabledList},
    {"1.3.6.1.4.1.746.12.73.1.6", "Clear Statistic Counter", itInteger, acReadWrite, &OtherClearList},
    {"1.3.6.1.4.1.746.12.64.1.2", "Multicast VLAN Global State", itInteger, acReadWrite,
     &EnabledDisabledList},
    {"1.3.6.1.4.1.746.12.64.1.4", "Multicast VLAN Forward Unmatched State", itInteger, acReadWrite,
     &EnabledDisabledList},
    {},
};

constexpr MibTableRow IGMPSnoopingForwardingTable[] = {
    {"1.3.6.1.4.1.746.12.73.2.1.1.1.1", "VLAN ID", itInteger, acNotAccess},
    {"1.3.6.1.4.1.746.12.73.2.1.1.1.2", "Source Address", itIpAddress, acNotAccess},
    {"1.3.6.1.4.1.746.12.73.2.1.1.1.3", "Group Address", itIpAddress, acNotAccess},
    {"1.3.6.1.4.1.746.12.73.2.1.1.1.4", "Member Ports", itBitList, acReadOnly},
    {},
};

constexpr MibTableRow IGMPSnoopingGroupPortNumberTable[] = {
    {"1.3.6.1.4.1.746.12.73.2.1.6.1.1", "VLAN ID", itInteger, acNotAccess},
    {"1.3.6.1.4.1.746.12.73.2.1.6.1.2", "Group", itIpAddress, acNotAccess},
    {"1.3.6.1.4.1.746.12.73.2.1.6.1.3", "Port Number", itInteger, acReadOnly},
    {},
};

constexpr MibTableRow MLDSnoopingGroupPortNumberTable[] = {
    {"1.3.6.1.4.1.746.12.73.2.2.6.1.1", "VLAN ID", itInteger, acNotAccess},
    {"1.3.6.1.4.1.746.12.73.2.2.6.1.2", "Group", itIpv6Address, acNotAccess},
    {"1.3.6.1.4.1.746.12.73.2.2.6.1.3", "Port Number", itInteger, acReadOnly},
    {},
};

constexpr MibTableRow IGMPSnoopingGroup[] = {
    {" ", "VLAN ID", itInteger, acNotAccess},
    {"1.3.6.1.4.1.746.12.73.2.1.2.1.1", "Source  Address", itIpAddress, acNotAccess},
    {"1.3.6.1.4.1.746.12.73.2.1.2.1.2", "Group Address", itIpAddress, acNotAccess},
    {"1.3.6.1.4.1.746.12.73.2.1.2.1.3", "Include Member Ports", itBitList, acReadOnly},
    {"1.3.6.1.4.1.746.12.73.2.1.2.1.4", "Exclude Member Ports", itBitList, acReadOnly},
    {"1.3.6.1.4.1.746.12.73.2.1.2.1.5", "Router Ports", itBitList, acReadOnly},
    {"1.3.6.1.4.1.746.12.73.2.1.2.1.6", "Up Time", itInteger, acReadOnly},
    {"1.3.6.1.4.1.746.12.73.2.1.2.1.7", "Expiry Time", itInteger, acReadOnly},
    {},
};

constexpr MibTableRow IGMPSnoopingVLANStatisticCounterTable[] = {
    {" ", "VLAN  ID", itInteger, acNotAccess},
    {"1.3.6.1.4.1.746.12.73.2.1.3.1.5", "Group Number", itInteger, acReadOnly},
    {"1.3.6.1.4.1.746.12.73.2.1.3.1.10", "RX v1 Query", itCounter, acReadOnly},
    {"1.3.6.1.4.1.746.12.73.2.1.3.1.15", "RX v2 Query", itCounter, acReadOnly},
    {"1.3.6.1.4.1.746.12.73.2.1.3.1.20", "RX v3 Query", itCounter, acReadOnly},
    {"1.3.6.1.4.1.746.12.73.2.1.3.1.25", "Total RX Query", itCounter, acReadOnly},
    {"1.3.6.1.4.1.746.12.73.2.1.3.1.30", "Drop RX Query By Rate Limit", itCounter, acReadOnly},
    {"1.3.6.1.4.1.746.12.73.2.1.3.1.35", "Drop RX Query By Multicast VLAN", itCounter, acReadOnly},
    {"1.3.6.1.4.1.746.12.73.2.1.3.1.40", "RX v1 Report", itCounter, acReadOnly},
    {"1.3.6.1.4.1.746.12.73.2.1.3.1.45", "RX v2 Report", itCounter, acReadOnly},
    {"1.3.6.1.4.1.746.12.73.2.1.3.1.50", "RX v3 Report", itCounter, acReadOnly},
    {"1.3.6.1.4.1.746.12.73.2.1.3.1.55", "RX v2 Leave", itCounter, acReadOnly},
    {"1.3.6.1.4.1.746.12.73.2.1.3.1.60", "Total RX Report", itCounter, acReadOnly},
    {"1.3.6.1.4.1.746.12.73.2.1.3.1.65", "Drop RX Report By Rate Limit", itCounter, acReadOnly},
    {"1.3.6.1.4.1.746.12.73.2.1.3.1.70", "Drop RX Report By Max Group Limit", itCounter, acReadOnly},
    {"1.3.6.1.4.1.746.12.73.2.1.3.1.75", "Drop RX Report By Group Filter", itCounter, acReadOnly},
    {"1.3.6.1.4.1.746.12.73.2.1.3.1.80", "Drop RX Report By Multicast VLAN", itCounter, acReadOnly},
    {"1.3.6.1.4.1.746.12.73.2.1.3.1.85", "TX v1 Query", itCounter, acReadOnly},
    {"1.3.6.1.4.1.746.12.73.2.1.3.1.90", "TX v2 Query", itCounter, acReadOnly},
    {"1.3.6.1.4.1.746.12.73.2.1.3.1.95", "TX v3 Query", itCounter, acReadOnly},
    {"1.3.6.1.4.1.746.12.73.2.1.3.1.100", "Total TX Query", itCounter, acReadOnly},
    {"1.3.6.1.4.1.746.12.73.2.1.3.1.105", "TX v1 Report", itCounter, acReadOnly},
    {"1.3.6.1.4.1.746.12.73.2.1.3.1.110", "TX v2 Report", itCounter, acReadOnly},
    {"1.3.6.1.4.1.746.12.73.2.1.3.1.115", "TX v3 Report", itCounter, acReadOnly},
    {"1.3.6.1.4.1.746.12.73.2.1.3.1.120", "TX v2 Leave", itCounter, acReadOnly},
    {"1.3.6.1.4.1.746.12.73.2.1.3.1.125", "Total TX Report", itCounter, acReadOnly},
    {},
};

constexpr MibTableRow IGMPSnoopingPortStatisticCounterTable[] = {
    {"1.3.6.1.4.1.746.12.73.2.1.4.1.1", "Port Number", itInteger, acNotAccess},
    {"1.3.6.1.4.1.746.12.73.2.1.4.1.5", "Group Number", itInteger, acReadOnly},
    {"1.3.6.1.4.1.746.12.73.2.1.4.1.10", "RX v1 Query", itCounter, acReadOnly},
    {"1.3.6.1.4.1.746.12.73.2.1.4.1.15", "RX v2 Query", itCounter, acReadOnly},
    {"1.3.6.1.4.1.746.12.73.2.1.4.1.20", "RX v3 Query", itCounter, acReadOnly},
    {"1.3.6.1.4.1.746.12.73.2.1.4.1.25", "Total RX Query", itCounter, acReadOnly},
    {"1.3.6.1.4.1.746.12.73.2.1.4.1.30", "Drop RX Query By Rate Limit", itCounter, acReadOnly},
    {"1.3.6.1.4.1.746.12.73.2.1.4.1.35", "Drop RX Query By Multicast VLAN", itCounter, acReadOnly},
    {"1.3.6.1.4.1.746.12.73.2.1.4.1.40", "RX v1 Report", itCounter, acReadOnly},
    {"1.3.6.1.4.1.746.12.73.2.1.4.1.45", "RX v2 Report", itCounter, acReadOnly},
    {"1.3.6.1.4.1.746.12.73.2.1.4.1.50", "RX v3 Report", itCounter, acReadOnly},
    {"1.3.6.1.4.1.746.12.73.2.1.4.1.55", "RX v2 Leave", itCounter, acReadOnly},
    {"1.3.6.1.4.1.746.12.73.2.1.4.1.60", "Total RX Report", itCounter, acReadOnly},
    {"1.3.6.1.4.1.746.12.73.2.1.4.1.65", "Drop RX Report By Rate Limit", itCounter, acReadOnly},
    {"1.3.6.1.4.1.746.12.73.2.1.4.1.70", "Drop RX Report By Max Group Limit", itCounter, acReadOnly},
    {"1.3.6.1.4.1.746.12.73.2.1.4.1.75", "Drop RX Report By Group Filter", itCounter, acReadOnly},
    {"1.3.6.1.4.1.746.12.73.2.1.4.1.80", "Drop RX Report By Multicast VLAN", itCounter, acReadOnly},
    {"1.3.6.1.4.1.746.12.73.2.1.4.1.85", "TX v1 Query", itCounter, acReadOnly},
    {"1.3.6.1.4.1.746.12.73.2.1.4.1.90", "TX v2 Query", itCounter, acReadOnly},
    {"1.3.6.1.4.1.746.12.73.2.1.4.1.95", "TX v3 Query", itCounter, acReadOnly},
    {"1.3.6.1.4.1.746.12.73.2.1.4.1.100", "Total TX Query", itCounter, acReadOnly},
    {"1.3.6.1.4.1.746.12.73.2.1.4.1.105", "TX v1 Report", itCounter, acReadOnly},
    {"1.3.6.1.4.1.746.12.73.2.1.4.1.110", "TX v2 Report", itCounter, acReadOnly},
    {"1.3.6.1.4.1.746.12.73.2.1.4.1.115", "TX v3 Report", itCounter, acReadOnly},
    {"1.3.6.1.4.1.746.12.73.2.1.4.1.120", "TX v2 Leave", itCounter, acReadOnly},
    {"1.3.6.1.4.1.746.12.73.2.1.4.1.125", "Total TX Report", itCounter, acReadOnly},
    {},
};

constexpr MibTableRow MLDSnoopingForwardingTable[] = {
    {"1.3.6.1.4.1.746.12.73.2.2.1.1.1", "VLAN ID", itInteger, acNotAccess},
    {"1.3.6.1.4.1.746.12.73.2.2.1.1.2", "Source Address", itIpv6Address, acNotAccess},
    {"1.3.6.1.4.1.746.12.73.2.2.1.1.3", "Group Address", itIpv6Address, acNotAccess},
    {"1.3.6.1.4.1.746.12.73.2.2.1.1.4", "Member Ports", itBitList, acReadOnly},
    {},
};

constexpr MibTableRow MLDSnoopingGroup[] = {
    {" ", "VLAN ID", itInteger, acNotAccess | acImplied},
    {"1.3.6.1.4.1.746.12.73.2.2.2.1.1", "Source Address", itIpv6Address, acNotAccess},
    {"1.3.6.1.4.1.746.12.73.2.2.2.1.2", "Group Address", itIpv6Address, acNotAccess},
    {"1.3.6.1.4.1.746.12.73.2.2.2.1.3", "Include Member Ports", itBitList, acReadOnly},
    {"1.3.6.1.4.1.746.12.73.2.2.2.1.4", "Exclude Member Ports", itBitList, acReadOnly},
    {"1.3.6.1.4.1.746.12.73.2.2.2.1.5", "Router Ports", itBitList, acReadOnly},
    {"1.3.6.1.4.1.746.12.73.2.2.2.1.6", "Up Time", itInteger, acReadOnly},
    {"1.3.6.1.4.1.746.12.73.2.2.2.1.7", "Expiry Time", itInteger, acReadOnly},
    {},
};

constexpr MibTableRow MLDSnoopingVLANStatisticCounterTable[] = {
    {" ", "VLAN ID", itInteger, acNotAccess},
    {"1.3.6.1.4.1.746.12.73.2.2.3.1.5", "Group Number", itInteger, acReadOnly},
    {"1.3.6.1.4.1.746.12.73.2.2.3.1.10", "RX v1 Query", itCounter, acReadOnly},
    {"1.3.6.1.4.1.746.12.73.2.2.3.1.15", "RX v2 Query", itCounter, acReadOnly},
    {"1.3.6.1.4.1.746.12.73.2.2.3.1.20", "Total RX Query", itCounter, acReadOnly},
    {"1.3.6.1.4.1.746.12.73.2.2.3.1.25", "Drop RX Query By Rate Limit", itCounter, acReadOnly},
    {"1.3.6.1.4.1.746.12.73.2.2.3.1.30", "Drop RX Query By Multicast VLAN", itCounter, acReadOnly},
    {"1.3.6.1.4.1.746.12.73.2.2.3.1.35", "RX v1 Report", itCounter, acReadOnly},
    {"1.3.6.1.4.1.746.12.73.2.2.3.1.40", "RX v2 Report", itCounter, acReadOnly},
    {"1.3.6.1.4.1.746.12.73.2.2.3.1.45", "RX v1 Done", itCounter, acReadOnly},
    {"1.3.6.1.4.1.746.12.73.2.2.3.1.50", "Total RX Report", itCounter, acReadOnly},
    {"1.3.6.1.4.1.746.12.73.2.2.3.1.55", "Drop RX Report By Rate Limit", itCounter, acReadOnly},
    {"1.3.6.1.4.1.746.12.73.2.2.3.1.60", "Drop RX Report By Max Group Limit", itCounter, acReadOnly},
    {"1.3.6.1.4.1.746.12.73.2.2.3.1.65", "Drop RX Report By Group Filter", itCounter, acReadOnly},
    {"1.3.6.1.4.1.746.12.73.2.2.3.1.70", "Drop RX Report By Multicast VLAN", itCounter, acReadOnly},
    {"1.3.6.1.4.1.746.12.73.2.2.3.1.75", "TX v1 Query", itCounter, acReadOnly},
    {"1.3.6.1.4.1.746.12.73.2.2.3.1.80", "TX v2 Query", itCounter, acReadOnly},
    {"1.3.6.1.4.1.746.12.73.2.2.3.1.85", "Total TX Query", itCounter, acReadOnly},
    {"1.3.6.1.4.1.746.12.73.2.2.3.1.90", "TX v1 Report", itCounter, acReadOnly},
    {"1.3.6.1.4.1.746.12.73.2.2.3.1.95", "TX v2 Report", itCounter, acReadOnly},
    {"1.3.6.1.4.1.746.12.73.2.2.3.1.100", "TX v1 Done", itCounter, acReadOnly},
    {"1.3.6.1.4.1.746.12.73.2.2.3.1.105", "Total TX Report", itCounter, acReadOnly},
    {},
};

constexpr MibTableRow MLDSnoopingPortStatisticCounterTable[] = {
    {"1.3.6.1.4.1.746.12.73.2.2.4.1.1", "Port Number", itInteger, acNotAccess},
    {"1.3.6.1.4.1.746.12.73.2.2.4.1.5", "Group Number", itInteger, acReadOnly},
    {"1.3.6.1.4.1.746.12.73.2.2.4.1.10", "RX v1 Query", itCounter, acReadOnly},
    {"1.3.6.1.4.1.746.12.73.2.2.4.1.15", "RX v2 Query", itCounter, acReadOnly},
    {"1.3.6.1.4.1.746.12.73.2.2.4.1.20", "Total RX Query", itCounter, acReadOnly},
    {"1.3.6.1.4.1.746.12.73.2.2.4.1.25", "Drop RX Query By Rate Limit", itCounter, acReadOnly},
    {"1.3.6.1.4.1.746.12.73.2.2.4.1.30", "Drop RX Query By Multicast VLAN", itCounter, acReadOnly},
    {"1.3.6.1.4.1.746.12.73.2.2.4.1.35", "RX v1 Report", itCounter, acReadOnly},
    {"1.3.6.1.4.1.746.12.73.2.2.4.1.40", "RX v2 Report", itCounter, acReadOnly},
    {"1.3.6.1.4.1.746.12.73.2.2.4.1.45", "RX v1 Done", itCounter, acReadOnly},
    {"1.3.6.1.4.1.746.12.73.2.2.4.1.50", "Total RX Report", itCounter, acReadOnly},
    {"1.3.6.1.4.1.746.12.73.2.2.4.1.55", "Drop RX Report By Rate Limit", itCounter, acReadOnly},
    {"1.3.6.1.4.1.746.12.73.2.2.4.1.60", "Drop RX Report By Max Group Limit", itCounter, acReadOnly},
    {"1.3.6.1.4.1.746.12.73.2.2.4.1.65", "Drop RX Report By Group Filter", itCounter, acReadOnly},
    {"1.3.6.1.4.1.746.12.73.2.2.4.1.70", "Drop RX Report By Multicast VLAN", itCounter, acReadOnly},
    {"1.3.6.1.4.1.746.12.73.2.2.4.1.75", "TX v1 Query", itCounter, acReadOnly},
    {"1.3.6.1.4.1.746.12.73.2.2.4.1.80", "TX v2 Query", itCounter, acReadOnly},
    {"1.3.6.1.4.1.746.12.73.2.2.4.1.85", "Total TX Query", itCounter, acReadOnly},
    {"1.3.6.1.4.1.746.12.73.2.2.4.1.90", "TX v1 Report", itCounter, acReadOnly},
    {"1.3.6.1.4.1.746.12.73.2.2.4.1.95", "TX v2 Report", itCounter, acReadOnly},
    {"1.3.6.1.4.1.746.12.73.2.2.4.1.100", "TX v1 Done", itCounter, acReadOnly},
    {"1.3.6.1.4.1.746.12.73.2.2.4.1.105", "Total TX Report", itCounter, acReadOnly},
    {},
};

constexpr MibTableRow IGMPSnoopingControlQueryIntervalTable[] = {
    {" ", "VLAN ID", itInteger, acNotAccess},
    {"1.3.6.1.4.1.746.12.73.3.1.1.1.5", "Query Interval", itInteger, acReadWrite},
    {"1.3.6.1.4.1.746.12.73.3.1.1.1.10", "Max Response Time", itInteger, acReadWrite},
    {"1.3.6.1.4.1.746.12.73.3.1.1.1.15", "Robustness Value", itInteger, acReadWrite},
    {"1.3.6.1.4.1.746.12.73.3.1.1.1.20", "Last Member Query Interval", itInteger, acReadWrite},
    {"1.3.6.1.4.1.746.12.73.3.1.1.1.25", "Querier State", itInteger, acReadWrite, &EnabledDisabledList},
    {"1.3.6.1.4.1.746.12.73.3.1.1.1.30", "Querier Role", itInteger, acReadOnly, &QuerierNonQuerierList},
    {"1.3.6.1.4.1.746.12.73.3.1.1.1.35", "Querier IP", itIpAddress, acReadOnly},
    {"1.3.6.1.4.1.746.12.73.3.1.1.1.40", "Expiry Time", itInteger, acReadOnly},
    {"1.3.6.1.4.1.746.12.73.3.1.1.1.45", "State", itInteger, acReadWrite, &EnabledDisabledList},
    {"1.3.6.1.4.1.746.12.73.3.1.1.1.50", "Fast Leave State", itInteger, acReadWrite, &EnabledDisabledList},
    {"1.3.6.1.4.1.746.12.73.3.1.1.1.60", "Version", itInteger, acReadWrite, &Version1Version2Version3List},
    {"1.3.6.1.4.1.746.12.73.3.1.1.1.65", "Data Driven Learning State", itInteger, acReadWrite,
     &EnabledDisabledList},
    {"1.3.6.1.4.1.746.12.73.3.1.1.1.70", "Data Driven Learning Aged Out State", itInteger, acReadWrite,
     &EnabledDisabledList},
    {"1.3.6.1.4.1.746.12.73.3.1.1.1.75", "Data Driven Group Expiry Time", itInteger, acReadWrite},
    {"1.3.6.1.4.1.746.12.73.3.1.1.1.80", "Proxy Reporting State", itInteger, acReadWrite,
     &EnabledDisabledList},
    {"1.3.6.1.4.1.746.12.73.3.1.1.1.81", "Proxy Reporting Source IP", itIpAddress, acReadWrite},
    {"1.3.6.1.4.1.746.12.73.3.1.1.1.90", "Topology Change Notification", itInteger, acReadWrite,
     &IgnoreProcessList},
    {},
};

constexpr MibTableRow IGMPSnoopingControlQueryIntervalTable2[] = {
    {" ", "VLAN ID", itInteger, acNotAccess},
    {"1.3.6.1.4.1.746.12.73.3.1.1.1.5", "Query Interval", itInteger, acReadWrite},
    {"1.3.6.1.4.1.746.12.73.3.1.1.1.10", "Max Response Time", itInteger, acReadWrite},
    {"1.3.6.1.4.1.746.12.73.3.1.1.1.15", "Robustness Value", itInteger, acReadWrite},
    {"1.3.6.1.4.1.746.12.73.3.1.1.1.20", "Last Member Query Interval", itInteger, acReadWrite},
    {"1.3.6.1.4.1.746.12.73.3.1.1.1.25", "Querier State", itInteger, acReadWrite, &EnabledDisabledList},
    {"1.3.6.1.4.1.746.12.73.3.1.1.1.30", "Querier Role", itInteger, acReadOnly, &QuerierNonQuerierList},
    {"1.3.6.1.4.1.746.12.73.3.1.1.1.35", "Querier IP", itIpAddress, acReadOnly},
    {"1.3.6.1.4.1.746.12.73.3.1.1.1.40", "Expiry Time", itInteger, acReadOnly},
    {"1.3.6.1.4.1.746.12.73.3.1.1.1.45", "State", itInteger, acReadWrite, &EnabledDisabledList},
    {"1.3.6.1.4.1.746.12.73.3.1.1.1.50", "Fast Leave State", itInteger, acReadWrite, &EnabledDisabledList},
    {"1.3.6.1.4.1.746.12.73.3.1.1.1.60", "Version", itInteger, acReadWrite, &Version1Version2Version3List},
    {"1.3.6.1.4.1.746.12.73.3.1.1.1.80", "Proxy Reporting State", itInteger, acReadWrite,
     &EnabledDisabledList},
    {"1.3.6.1.4.1.746.12.73.3.1.1.1.81", "Proxy Reporting Source IP", itIpAddress, acReadWrite},
    {"1.3.6.1.4.1.746.12.73.3.1.1.1.90", "Topology Change Notification", itInteger, acReadWrite,
     &IgnoreProcessList},
    {},
};

constexpr MibTableRow IGMPSnoopingStaticGroup[] = {
    {" ", "VLAN ID", itInteger, acNotAccess},
    {"1.3.6.1.4.1.746.12.73.3.1.2.1.1", "IP Address", itIpAddress, acNotAccess},
    {"1.3.6.1.4.1.746.12.73.3.1.2.1.2", "Member Ports", itBitList, acReadWrite},
    {"1.3.6.1.4.1.746.12.73.3.1.2.1.100", "Row Status", itInteger, acReadWrite, &RowStatusList},
    {},
};

constexpr MibTableRow IGMPSnoopingDataDrivenLearingGroup[] = {
    {" ", "VLAN ID", itInteger, acNotAccess},
    {"1.3.6.1.4.1.746.12.73.3.1.3.1.1", "Group IP Address", itIpAddress, acNotAccess},
    {"1.3.6.1.4.1.746.12.73.3.1.3.1.2", "Router Ports", itBitList, acReadOnly},
    {"1.3.6.1.4.1.746.12.73.3.1.3.1.3", "Up Time", itInteger, acReadOnly},
    {"1.3.6.1.4.1.746.12.73.3.1.3.1.4", "Expiry Time", itInteger, acReadOnly},
    {"1.3.6.1.4.1.746.12.73.3.1.3.1.100", "Clear Group", itInteger, acReadWrite, &OtherClearList},
    {},
};

constexpr MibTableRow IGMPRouterPortsTable[] = {
    {" ", "VLAN ID", itInteger, acNotAccess},
    {"1.3.6.1.4.1.746.12.73.3.1.4.1.5", "Static Router Ports", itBitList, acReadWrite},
    {"1.3.6.1.4.1.746.12.73.3.1.4.1.10", "Dynamic Router Ports", itBitList, acReadOnly},
    {"1.3.6.1.4.1.746.12.73.3.1.4.1.15", "Forbidden Router Ports", itBitList, acReadWrite},
    {},
};

constexpr MibTableRow IGMPSnoopingDynamicRouterAddressTable[] = {
    {" ", "VLAN ID", itInteger, acNotAccess},
    {"1.3.6.1.4.1.746.12.73.3.1.5.1.1", "Dynamic Router IP Address", itIpAddress, acReadOnly},
    {},
};

constexpr MibTableRow IGMPSnoopingVLANRateLimitTable[] = {
    {" ", "VLAN ID", itInteger, acNotAccess},
    {"1.3.6.1.4.1.746.12.73.3.1.6.1.5", "Rate Limit", itInteger, acReadWrite},
    {},
};

constexpr MibTableRow IGMPSnoopingPortRateLimitTable[] = {
    {" ", "Port Number", itInteger, acNotAccess},
    {"1.3.6.1.4.1.746.12.73.3.1.7.1.5", "Rate Limit", itInteger, acReadWrite},
    {},
};

constexpr MibTableRow MLDSnoopingControlDataDrivenLearningStateTable[] = {
    {" ", "VLAN ID", itInteger, acNotAccess},
    {"1.3.6.1.4.1.746.12.73.3.2.1.1.65", "Data Driven Learning State", itInteger, acReadWrite,
     &EnabledDisabledList},
    {"1.3.6.1.4.1.746.12.73.3.2.1.1.70", "Data Driven Learning Aged Out State", itInteger, acReadWrite,
     &EnabledDisabledList},
    {"1.3.6.1.4.1.746.12.73.3.2.1.1.75", "Data Driven Group Expiry Time", itInteger, acReadWrite},
    {"1.3.6.1.4.1.746.12.73.3.2.1.1.5", "Query Interval", itInteger, acReadWrite},
    {"1.3.6.1.4.1.746.12.73.3.2.1.1.10", "Max Response Time", itInteger, acReadWrite},
    {"1.3.6.1.4.1.746.12.73.3.2.1.1.15", "Robustness Value", itInteger, acReadWrite},
    {"1.3.6.1.4.1.746.12.73.3.2.1.1.20", "Last Listener Query Interval", itInteger, acReadWrite},
    {"1.3.6.1.4.1.746.12.73.3.2.1.1.25", "Querier State", itInteger, acReadWrite, &EnabledDisabledList},
    {"1.3.6.1.4.1.746.12.73.3.2.1.1.30", "Querier Role", itInteger, acReadOnly, &QuerierNonQuerierList},
    {"1.3.6.1.4.1.746.12.73.3.2.1.1.35", "Querier IP", itIpv6Address, acReadOnly},
    {"1.3.6.1.4.1.746.12.73.3.2.1.1.40", "Querier Expiry Time", itInteger, acReadOnly},
    {"1.3.6.1.4.1.746.12.73.3.2.1.1.45", "State", itInteger, acReadWrite, &EnabledDisabledList},
    {"1.3.6.1.4.1.746.12.73.3.2.1.1.50", "Fast Done State", itInteger, acReadWrite, &EnabledDisabledList},
    {"1.3.6.1.4.1.746.12.73.3.2.1.1.60", "Version", itInteger, acReadWrite, &Version1Version2List},
    {"1.3.6.1.4.1.746.12.73.3.2.1.1.80", "Proxy Reporting State", itInteger, acReadWrite,
     &EnabledDisabledList},
    {"1.3.6.1.4.1.746.12.73.3.2.1.1.81", "Proxy Reporting Source IP", itIpv6Address, acReadWrite},
    {"1.3.6.1.4.1.746.12.73.3.2.1.1.90", "Topology Change Notification", itInteger, acReadWrite,
     &IgnoreProcessList},
    {},
};

constexpr MibTableRow MLDSnoopingControlQueryIntervalTable[] = {
    {" ", "VLAN ID", itInteger, acNotAccess},
    {"1.3.6.1.4.1.746.12.73.3.2.1.1.5", "Query Interval", itInteger, acReadWrite},
    {"1.3.6.1.4.1.746.12.73.3.2.1.1.10", "Max Response Time", itInteger, acReadWrite},
    {"1.3.6.1.4.1.746.12.73.3.2.1.1.15", "Robustness Value", itInteger, acReadWrite},
    {"1.3.6.1.4.1.746.12.73.3.2.1.1.20", "Last Listener Query Interval", itInteger, acReadWrite},
    {"1.3.6.1.4.1.746.12.73.3.2.1.1.25", "Querier State", itInteger, acReadWrite, &EnabledDisabledList},
    {"1.3.6.1.4.1.746.12.73.3.2.1.1.30", "Querier Role", itInteger, acReadOnly, &QuerierNonQuerierList},
    {"1.3.6.1.4.1.746.12.73.3.2.1.1.35", "Querier IP", itIpv6Address, acReadOnly},
    {"1.3.6.1.4.1.746.12.73.3.2.1.1.40", "Querier Expiry Time", itInteger, acReadOnly},
    {"1.3.6.1.4.1.746.12.73.3.2.1.1.45", "State", itInteger, acReadWrite, &EnabledDisabledList},
    {"1.3.6.1.4.1.746.12.73.3.2.1.1.50", "Fast Done State", itInteger, acReadWrite, &EnabledDisabledList},
    {"1.3.6.1.4.1.746.12.73.3.2.1.1.60", "Version", itInteger, acReadWrite, &Version1Version2List},
    {"1.3.6.1.4.1.746.12.73.3.2.1.1.80", "Proxy Reporting State", itInteger, acReadWrite,
     &EnabledDisabledList},
    {"1.3.6.1.4.1.746.12.73.3.2.1.1.81", "Proxy Reporting Source IP", itIpv6Address, acReadWrite},
    {"1.3.6.1.4.1.746.12.73.3.2.1.1.90", "Topology Change Notification", itInteger, acReadWrite,
     &IgnoreProcessList},
    {},
};

constexpr MibTableRow MLDSnoopingStaticGroup[] = {
    {" ", "VLAN ID", itInteger, acNotAccess},
    {"1.3.6.1.4.1.746.12.73.3.2.2.1.1", "Group IPv6 Address", itIpv6Address, acNotAccess},
    {"1.3.6.1.4.1.746.12.73.3.2.2.1.2", "Member Ports", itBitList, acReadWrite},
    {"1.3.6.1.4.1.746.12.73.3.2.2.1.100", "Row Status", itInteger, acReadWrite, &RowStatusList},
    {},
};

constexpr MibTableRow MLDSnoopingDataDrivenLearingGroup[] = {
    {" ", "VLAN ID", itInteger, acNotAccess},
    {"1.3.6.1.4.1.746.12.73.3.2.3.1.1", "Group IPv6 Address", itIpv6Address, acNotAccess},
    {"1.3.6.1.4.1.746.12.73.3.2.3.1.2", "Router Ports", itBitList, acReadOnly},
    {"1.3.6.1.4.1.746.12.73.3.2.3.1.3", "Up Time", itInteger, acReadOnly},
    {"1.3.6.1.4.1.746.12.73.3.2.3.1.4", "Expiry Time", itInteger, acReadOnly},
    {"1.3.6.1.4.1.746.12.73.3.2.3.1.100", "Clear Group", itInteger, acReadWrite, &OtherClearList},
    {},
};

constexpr MibTableRow MLDRouterProtsTable[] = {
    {" ", "VLAN ID", itInteger, acNotAccess},
    {"1.3.6.1.4.1.746.12.73.3.2.4.1.5", "Static Router Ports", itBitList, acReadWrite},
    {"1.3.6.1.4.1.746.12.73.3.2.4.1.10", "Dynamic Router Ports", itBitList, acReadOnly},
    {"1.3.6.1.4.1.746.12.73.3.2.4.1.15", "Forbidden Router Ports", itBitList, acReadWrite},
    {},
};

constexpr MibTableRow MLDSnoopingDynamicRouterAddressTable[] = {
    {" ", "VLAN ID", itInteger, acNotAccess},
    {"1.3.6.1.4.1.746.12.73.3.2.5.1.1", "IPv6 Address", itIpv6Address, acReadOnly},
    {},
};

constexpr MibTableRow MLDSnoopingVLANRateLimitTable[] = {
    {" ", "VLAN ID", itInteger, acNotAccess},
    {"1.3.6.1.4.1.746.12.73.3.2.6.1.5", "Rate Limit", itInteger, acReadWrite},
    {},
};

constexpr MibTableRow MLDSnoopingPortRateLimitTable[] = {
    {" ", "Port Number", itInteger, acNotAccess},
    {"1.3.6.1.4.1.746.12.73.3.2.7.1.5", "Rate Limit", itInteger, acReadWrite},
    {},
};

constexpr MibTableRow MulticastProtocolVLANNameTable[] = {
    {"1.3.6.1.4.1.746.12.16.1.1.1.1", "Index", itInteger, acNotAccess},
    {"1.3.6.1.4.1.746.12.16.1.1.1.2", "Protocol VLAN Name", itDisplayString, acReadWrite},
    {"1.3.6.1.4.1.746.12.16.1.1.1.3", "Type", itInteger, acReadWrite,
     &Dot1qVlanProtocolIpProtocolIpx803doList},
    {"1.3.6.1.4.1.746.12.16.1.1.1.4", "Advertisement", itInteger, acReadWrite, &EnabledDisabledList},
    {"1.3.6.1.4.1.746.12.16.1.1.1.5", "User Defined Protocol", itInteger, acReadWrite},
    {"1.3.6.1.4.1.746.12.16.1.1.1.6", "encap", itInteger, acReadWrite, &EthernetLlcSnapList},
    {"1.3.6.1.4.1.746.12.16.1.1.1.7", "Row Status", itInteger, acReadWrite, &RowStatusList},
    {},
};

constexpr MibTableRow MulticastGroupPriorityTable[] = {
    {" ", "Port", itInteger, acNotAccess},
    {" ", "Group ID", itInteger, acNotAccess},
    {"1.3.6.1.4.1.746.12.16.1.2.1.1", "Group Priority", itInteger, acReadWrite},
    {},
};

constexpr MibTableRow IGMPMulticastVlanTable[] = {
    {"1.3.6.1.4.1.746.12.64.3.1.1.1", "VLAN ID", itInteger, acNotAccess},
    {"1.3.6.1.4.1.746.12.64.3.1.1.2", "VLAN Name", itDisplayString, acReadWrite},
    {"1.3.6.1.4.1.746.12.64.3.1.1.3", "Source Ports", itBitList, acReadWrite},
    {"1.3.6.1.4.1.746.12.64.3.1.1.4", "Member Ports", itBitList, acReadWrite},
    {"1.3.6.1.4.1.746.12.64.3.1.1.5", "Tag Member Ports", itBitList, acReadWrite},
    {"1.3.6.1.4.1.746.12.64.3.1.1.6", "Untag Source Ports", itBitList, acReadWrite},
    {"1.3.6.1.4.1.746.12.64.3.1.1.7", "State", itInteger, acReadWrite, &EnabledDisabledList},
    {"1.3.6.1.4.1.746.12.64.3.1.1.8", "Replace Source Address Type", itInteger, acReadWrite,
     &UnknownIpv4List},
    {"1.3.6.1.4.1.746.12.64.3.1.1.9", "Replace Source Address", itInetAddress, acReadWrite},
    {"1.3.6.1.4.1.746.12.64.3.1.1.10", "Remap Priority", itInteger, acReadWrite},
    {"1.3.6.1.4.1.746.12.64.3.1.1.11", "Replace Priority", itInteger, acReadWrite, &EnabledDisabledList},
    {"1.3.6.1.4.1.746.12.64.3.1.1.12", "Profile ID List", itDisplayString, acReadWrite},
    {"1.3.6.1.4.1.746.12.64.3.1.1.13", "Row Status", itInteger, acReadWrite, &ActiveCreateAndGoDestroyList},
    {"1.3.6.1.4.1.746.12.64.3.1.1.16", "CVID (0-4094)", itInteger, acReadWrite},
    {},
};

constexpr MibTableRow IGMPSnoopingMulticastVLANGroupProfileTable[] = {
    {"1.3.6.1.4.1.746.12.64.3.2.1.1", "Group Profile Name", itDisplayString, acNotAccess},
    {"1.3.6.1.4.1.746.12.64.3.2.1.2", "Group Profile ID", itInteger, acReadOnly},
    {"1.3.6.1.4.1.746.12.64.3.2.1.3", "Row Status", itInteger, acReadWrite, &RowStatusList},
    {},
};

constexpr MibTableRow IGMPSnoopingMulticastVLANGroupProflieAddressTable[] = {
    {"1.3.6.1.4.1.746.12.64.3.2.1.1", "Profile Name", itDisplayString, acNotAccess},
    {"1.3.6.1.4.1.746.12.64.3.3.1.1", "Address Type", itInteger, acNotAccess, &UnknownIpv4List},
    {"1.3.6.1.4.1.746.12.64.3.3.1.2", "Address Start", itInetAddress, acNotAccess},
    {"1.3.6.1.4.1.746.12.64.3.3.1.3", "Address End", itInetAddress, acNotAccess},
    {"1.3.6.1.4.1.746.12.64.3.3.1.4", "Row Status", itInteger, acReadWrite, &RowStatusList},
    {},
};

constexpr MibTableRow HostIPTable[] = {
    {"1.3.6.1.4.1.746.12.73.2.1.5.1.1", "VLAN ID", itInteger, acNotAccess},
    {"1.3.6.1.4.1.746.12.73.2.1.5.1.2", "Group     ", itIpAddress, acNotAccess},
    {"1.3.6.1.4.1.746.12.73.2.1.5.1.3", "Port   ", itInteger, acNotAccess},
    {"1.3.6.1.4.1.746.12.73.2.1.5.1.4", "IP        ", itIpAddress, acReadOnly},
    {},
};

constexpr MibTableRow HostIPTable2[] = {
    {"1.3.6.1.4.1.746.12.73.2.2.5.1.1", "VLAN ID", itInteger, acNotAccess},
    {"1.3.6.1.4.1.746.12.73.2.2.5.1.2", "Group     ", itIpv6Address, acNotAccess},
    {"1.3.6.1.4.1.746.12.73.2.2.5.1.3", "Port   ", itInteger, acNotAccess},
    {"1.3.6.1.4.1.746.12.73.2.2.5.1.4", "IP        ", itIpv6Address, acReadOnly},
    {},
};

constexpr MibTableRow mldMulticastVlanTable[] = {
    {"1.3.6.1.4.1.746.12.64.3.4.1.1", "VLAN ID", itInteger, acNotAccess},
    {"1.3.6.1.4.1.746.12.64.3.4.1.2", "VLAN Name", itDisplayString, acReadWrite},
    {"1.3.6.1.4.1.746.12.64.3.4.1.3", "Source Port", itBitList, acReadWrite},
    {"1.3.6.1.4.1.746.12.64.3.4.1.4", "Member Port", itBitList, acReadWrite},
    {"1.3.6.1.4.1.746.12.64.3.4.1.5", "Tag Member Port", itBitList, acReadWrite},
    {"1.3.6.1.4.1.746.12.64.3.4.1.6", "Untag Source Port", itBitList, acReadWrite},
    {"1.3.6.1.4.1.746.12.64.3.4.1.7", "State", itInteger, acReadWrite, &EnabledDisabledList},
    {"1.3.6.1.4.1.746.12.64.3.4.1.8", "Replace Source Address Type", itInteger, acReadWrite,
     &UnknownIpv6List},
    {"1.3.6.1.4.1.746.12.64.3.4.1.9", "Replace Source Address", itInetAddress, acReadWrite},
    {"1.3.6.1.4.1.746.12.64.3.4.1.10", "Remap Priority", itInteger, acReadWrite},
    {"1.3.6.1.4.1.746.12.64.3.4.1.11", "Replace Priority", itInteger, acReadWrite, &EnabledDisabledList},
    {"1.3.6.1.4.1.746.12.64.3.4.1.12", "Profile ID List", itDisplayString, acReadWrite},
    {"1.3.6.1.4.1.746.12.64.3.4.1.13", "Row Status", itInteger, acReadWrite, &ActiveCreateAndGoDestroyList},
    {"1.3.6.1.4.1.746.12.64.3.4.1.16", "CVID (0-4094)", itInteger, acReadWrite},
    {},
};

constexpr MibTableRow MLDSnoopingMulticastVLANGroupProfileTable[] = {
    {"1.3.6.1.4.1.746.12.64.3.5.1.1", "Name", itDisplayString, acNotAccess},
    {"1.3.6.1.4.1.746.12.64.3.5.1.2", "ID       ", itInteger, acReadOnly},
    {"1.3.6.1.4.1.746.12.64.3.5.1.3", "Status", itInteger, acReadWrite, &RowStatusList},
    {},
};

constexpr MibTableRow MLDSnoopingMulticastVLANGroupProfileAddressTable[] = {
    {" ", "Profile Name", itDisplayString, acNotAccess},
    {"1.3.6.1.4.1.746.12.64.3.6.1.1", "Profile Address Type", itInteger, acNotAccess, &UnknownIpv4Ipv6List},
    {"1.3.6.1.4.1.746.12.64.3.6.1.2", "Address Start", itInetAddress, acNotAccess},
    {"1.3.6.1.4.1.746.12.64.3.6.1.3", "Address End", itInetAddress, acNotAccess},
    {"1.3.6.1.4.1.746.12.64.3.6.1.4", "Status", itInteger, acReadWrite, &RowStatusList},
    {},
};

constexpr MibTableRow MulticastLocalPortTable[] = {
    {"1.3.6.1.2.1.7.5.1.1", "Local Address", itIpAddress, acNotAccess},
    {"1.3.6.1.2.1.7.5.1.2", "Local Port", itInteger, acReadOnly},
    {},
};
