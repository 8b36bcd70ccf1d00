// Columns stay in this order even where their arcs do not ascend: dialogs address them by position.
#include "Oid_mcastproxy.h"

#include "CatalogueOptionLists.h"

constexpr MibTableRow IGMPProxyGlobalSettings[] = {
    {"1.3.6.1.4.1.746.12.80.1.1", "State", itInteger, acReadWrite, &EnabledDisabledList},
    {},
};

constexpr MibTableRow MLDProxyGlobalSettings[] = {
    {"1.3.6.1.4.1.746.12.80.1.2", "State", itInteger, acReadWrite, &EnabledDisabledList},
    {},
};

constexpr MibTableRow McastproxyDownstreamVLANMemberPortsTable[] = {
    {"1.3.6.1.4.1.746.12.80.2.1.1.1.1", "Destination  Address", itIpAddress, acNotAccess},
    {"1.3.6.1.4.1.746.12.80.2.1.1.1.2", "Source Address", itIpAddress, acNotAccess},
    {"1.3.6.1.4.1.746.12.80.2.1.1.1.3", "Downstream VLAN ID", itInteger, acNotAccess},
    {"1.3.6.1.4.1.746.12.80.2.1.1.1.4", "Downstream VLAN Member Ports", itBitList, acReadOnly},
    {"1.3.6.1.4.1.746.12.80.2.1.1.1.5", "Status", itInteger, acReadOnly, &ActiveInactiveList},
    {},
};

constexpr MibTableRow McastproxyDownstreamVLANMemberPortsTable2[] = {
    {"1.3.6.1.4.1.746.12.80.2.2.1.1.1", "Destination Address", itDisplayString, acNotAccess},
    {"1.3.6.1.4.1.746.12.80.2.2.1.1.2", "destination Address", itDisplayString, acNotAccess},
    {"1.3.6.1.4.1.746.12.80.2.2.1.1.3", "Downstream VLAN ID", itInteger, acNotAccess},
    {"1.3.6.1.4.1.746.12.80.2.2.1.1.4", "Downstream VLAN Member Ports", itBitList, acReadOnly},
    {"1.3.6.1.4.1.746.12.80.2.2.1.1.5", "Group Status", itInteger, acReadOnly, &ActiveInactiveList},
    {},
};

constexpr MibTableRow IGMPSnoopingProxyUpstreamInterfaceTable[] = {
    {"1.3.6.1.4.1.746.12.80.3.1.1.1.1", "Index", itInteger, acNotAccess},
    {"1.3.6.1.4.1.746.12.80.3.1.1.1.2", "VLAN ID", itInteger, acReadWrite},
    {"1.3.6.1.4.1.746.12.80.3.1.1.1.3", "Dynamic Router Ports", itBitList, acReadOnly},
    {"1.3.6.1.4.1.746.12.80.3.1.1.1.4", "Static Router Ports", itBitList, acReadWrite},
    {"1.3.6.1.4.1.746.12.80.3.1.1.1.5", "Unsolicited Report Interval", itInteger, acReadWrite},
    {"1.3.6.1.4.1.746.12.80.3.1.1.1.6", "Source IP", itIpAddress, acReadWrite},
    {},
};

constexpr MibTableRow DownstreamInterfaceRowStatusTable[] = {
    {" ", "VLAN ID", itInteger, acNotAccess},
    {"1.3.6.1.4.1.746.12.80.3.1.2.1.1", "Row Status", itInteger, acReadWrite, &RowStatusList},
    {},
};

constexpr MibTableRow MLDSnoopingProxyUpstreamInterfaceTable[] = {
    {"1.3.6.1.4.1.746.12.80.3.2.1.1.1", "Index", itInteger, acNotAccess},
    {"1.3.6.1.4.1.746.12.80.3.2.1.1.2", "VLAN ID", itInteger, acReadWrite},
    {"1.3.6.1.4.1.746.12.80.3.2.1.1.3", "Dynamic Router Ports", itBitList, acReadOnly},
    {"1.3.6.1.4.1.746.12.80.3.2.1.1.4", "Static Router Ports", itBitList, acReadWrite},
    {"1.3.6.1.4.1.746.12.80.3.2.1.1.5", "Unsolicited Report Interval", itInteger, acReadWrite},
    {"1.3.6.1.4.1.746.12.80.3.2.1.1.6", "Source IP", itIpv6Address, acReadWrite},
    {},
};

constexpr MibTableRow DownstreamInterfaceRowStatusTable2[] = {
    {" ", "VLAN ID", itInteger, acNotAccess},
    {"1.3.6.1.4.1.746.12.80.3.2.2.1.1", "Row Status", itInteger, acReadWrite, &RowStatusList},
    {},
};

constexpr MibTableRow McastProxyGroupDownstreamVLANMemberPorts[] = {
    {"1.3.6.1.4.1.746.12.80.2.1.1.1.1", "Destination Address", itIpAddress, acNotAccess},
    {"1.3.6.1.4.1.746.12.80.2.1.1.1.2", "Source Address", itIpAddress, acNotAccess},
    {"1.3.6.1.4.1.746.12.80.2.1.1.1.3", "Downstream VLAN ID", itInteger, acNotAccess},
    {"1.3.6.1.4.1.746.12.80.2.1.1.1.4", "Downstream VLAN Member Ports", itBitList, acReadOnly},
    {"1.3.6.1.4.1.746.12.80.2.1.1.1.5", "State", itInteger, acReadOnly, &ActiveInactiveList},
    {},
};

constexpr MibTableRow McastProxyGroupDownstreamVLANMemberPorts2[] = {
    {"1.3.6.1.4.1.746.12.80.2.2.1.1.1", "Destination Address", itIpv6Address, acNotAccess},
    {"1.3.6.1.4.1.746.12.80.2.2.1.1.2", "Source Address", itIpv6Address, acNotAccess},
    {"1.3.6.1.4.1.746.12.80.2.2.1.1.3", "Downstream VLAN ID", itInteger, acNotAccess},
    {"1.3.6.1.4.1.746.12.80.2.2.1.1.4", "Downstream VLAN Member Ports", itBitList, acReadOnly},
    {"1.3.6.1.4.1.746.12.80.2.2.1.1.5", "Status", itInteger, acReadOnly, &ActiveInactiveList},
    {},
};
