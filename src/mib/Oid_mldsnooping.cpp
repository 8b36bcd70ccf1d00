// Columns stay in this order even where their arcs do not ascend: dialogs address them by position.
#include "Oid_mldsnooping.h"

#include "CatalogueOptionLists.h"

constexpr MibTableRow MldsnoopingGlobalStateSettings[] = {
    {"1.3.6.1.4.1.746.12.34.1.1", "Global State", itInteger, acReadWrite, &OtherDisabledEnabledList},
    {"1.3.6.1.4.1.746.12.34.3.1", "Max Supported VLAN", itInteger, acReadOnly},
    {},
};

constexpr MibTableRow MldsnoopingQueryIntervalTable[] = {
    {"1.3.6.1.4.1.746.12.34.3.2.1.1", "VLAN ID", itInteger, acNotAccess},
    {"1.3.6.1.4.1.746.12.34.3.2.1.2", "Query Interval", itInteger, acReadWrite},
    {"1.3.6.1.4.1.746.12.34.3.2.1.3", "Max Response Time", itInteger, acReadWrite},
    {"1.3.6.1.4.1.746.12.34.3.2.1.4", "Robustness", itInteger, acReadWrite},
    {"1.3.6.1.4.1.746.12.34.3.2.1.5", "Last Member Query Interval", itInteger, acReadWrite},
    {"1.3.6.1.4.1.746.12.34.3.2.1.6", "Host Timeout", itInteger, acReadWrite},
    {"1.3.6.1.4.1.746.12.34.3.2.1.7", "Route Timeout", itInteger, acReadWrite},
    {"1.3.6.1.4.1.746.12.34.3.2.1.8", "Done Timer", itInteger, acReadWrite},
    {"1.3.6.1.4.1.746.12.34.3.2.1.9", "Query State", itInteger, acReadWrite, &OtherDisabledEnabledList},
    {"1.3.6.1.4.1.746.12.34.3.2.1.10", "Current State", itInteger, acReadOnly, &OtherQuerierNonQuerierList},
    {"1.3.6.1.4.1.746.12.34.3.2.1.11", "Control State", itInteger, acReadWrite, &OtherDisabledEnabledList},
    {"1.3.6.1.4.1.746.12.34.3.2.1.12", "Fast Done State", itInteger, acReadWrite, &OtherDisabledEnabledList},
    {"1.3.6.1.4.1.746.12.34.3.2.1.13", "Version", itInteger, acReadWrite, &Version1Version2List},
    {},
};

constexpr MibTableRow MldsnoopingMACAddressTable[] = {
    {"1.3.6.1.4.1.746.12.34.3.3.1.1", "VLAN ID", itInteger, acNotAccess},
    {"1.3.6.1.4.1.746.12.34.3.3.1.2", "IP Address", itIpv6Address, acNotAccess},
    {"1.3.6.1.4.1.746.12.34.3.3.1.3", "MAC Address", itMacAddress, acReadOnly},
    {"1.3.6.1.4.1.746.12.34.3.3.1.4", "Port Map", itBitList, acReadOnly},
    {"1.3.6.1.4.1.746.12.34.3.3.1.5", "Report Count", itInteger, acReadOnly},
    {},
};

constexpr MibTableRow MldsnoopingRouterStaticPortListTable[] = {
    {"1.3.6.1.4.1.746.12.34.3.4.1.1", "Router Ports VLAN ID", itInteger, acNotAccess},
    {"1.3.6.1.4.1.746.12.34.3.4.1.2", "Router Static Port List", itBitList, acReadWrite},
    {"1.3.6.1.4.1.746.12.34.3.4.1.3", "Dynamic Port List", itBitList, acReadOnly},
    {"1.3.6.1.4.1.746.12.34.3.4.1.4", "Router Forbidden Port List", itBitList, acReadWrite},
    {},
};
