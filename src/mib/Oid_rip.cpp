// Columns stay in this order even where their arcs do not ascend: dialogs address them by position.
#include "Oid_rip.h"

#include "CatalogueOptionLists.h"

constexpr MibTableRow IGMPv3InterfaceTable[] = {
    {"1.3.6.1.4.1.746.12.18.1.4.1.1", "Interface Index", itInteger, acNotAccess},
    {"1.3.6.1.4.1.746.12.18.1.4.1.2", "Querier Type", itInteger, acNotAccess | acImplied,
     &UnknownIpv4Ipv6List2},
    {"1.3.6.1.4.1.746.12.18.1.4.1.3", "Querier", itInetAddress, acReadOnly},
    {"1.3.6.1.4.1.746.12.18.1.4.1.4", "Query Interval (s)", itGauge, acReadWrite},
    {"1.3.6.1.4.1.746.12.18.1.4.1.5", "State", itInteger, acReadWrite, &EnabledDisabledCreateAndGoList2},
    {"1.3.6.1.4.1.746.12.18.1.4.1.6", "Version", itGauge, acReadWrite},
    {"1.3.6.1.4.1.746.12.18.1.4.1.7", "Query Max Response Time (0.1s)", itGauge, acReadWrite},
    {"1.3.6.1.4.1.746.12.18.1.4.1.8", "Querier Up Time", itTimeTicks, acReadOnly},
    {"1.3.6.1.4.1.746.12.18.1.4.1.9", "Querier Expiry Time", itTimeTicks, acReadOnly},
    {"1.3.6.1.4.1.746.12.18.1.4.1.14", "Robustness", itGauge, acReadWrite},
    {"1.3.6.1.4.1.746.12.18.1.4.1.15", "Last Member Query Interval (0.1s)", itGauge, acReadWrite},
    {},
};

constexpr MibTableRow IGMPv3CacheTable[] = {
    {"1.3.6.1.4.1.746.12.18.1.6.1.1", "Address Type", itInteger, acNotAccess, &UnknownIpv4Ipv6List2},
    {"1.3.6.1.4.1.746.12.18.1.6.1.2", "Cache Interface Index", itInteger, acNotAccess},
    {"1.3.6.1.4.1.746.12.18.1.6.1.3", "Address", itInetAddress, acNotAccess},
    {"1.3.6.1.4.1.746.12.18.1.6.1.4", "Last Reporter", itInetAddress, acReadOnly},
    {"1.3.6.1.4.1.746.12.18.1.6.1.6", "Expiry Time", itTimeTicks, acReadOnly},
    {"1.3.6.1.4.1.746.12.18.1.6.1.7", "State", itInteger, acReadOnly, &RowStatusList},
    {"1.3.6.1.4.1.746.12.18.1.6.1.8", "Version 1 Host Timer", itTimeTicks, acReadOnly},
    {"1.3.6.1.4.1.746.12.18.1.6.1.9", "Version 2 Host Timer", itTimeTicks, acReadOnly},
    {"1.3.6.1.4.1.746.12.18.1.6.1.10", "Source Filter Mode", itInteger, acReadOnly, &IncludeExcludeList},
    {},
};

constexpr MibTableRow SourceListTable[] = {
    {"1.3.6.1.4.1.746.12.18.1.10.1.1", "Address Type", itInteger, acReadOnly, &UnknownIpv4Ipv6List2},
    {"1.3.6.1.4.1.746.12.18.1.10.1.2", "Interface Index", itInteger, acReadOnly},
    {"1.3.6.1.4.1.746.12.18.1.10.1.3", "Address", itInetAddress, acReadOnly},
    {"1.3.6.1.4.1.746.12.18.1.10.1.4", "Host Address", itInetAddress, acReadOnly},
    {"1.3.6.1.4.1.746.12.18.1.10.1.5", "Expire", itTimeTicks, acReadOnly},
    {},
};

constexpr MibTableRow CheckSubscriberSourceTable[] = {
    {"1.3.6.1.4.1.746.12.18.1.11.1.1", "Index", itInteger, acNotAccess},
    {"1.3.6.1.4.1.746.12.18.1.11.1.2", "Address", itIpAddress, acReadOnly},
    {"1.3.6.1.4.1.746.12.18.1.11.1.3", "Net Mask", itIpAddress, acReadOnly},
    {"1.3.6.1.4.1.746.12.18.1.11.1.4", "State", itInteger, acReadWrite, &EnabledDisabledList},
    {},
};

constexpr MibTableRow IGMPv3StaticGroupTable[] = {
    {"1.3.6.1.4.1.746.12.18.1.12.1.1", "Interface Index", itInteger, acNotAccess},
    {"1.3.6.1.4.1.746.12.18.1.12.1.2", "IP Address", itIpAddress, acNotAccess},
    {"1.3.6.1.4.1.746.12.18.1.12.1.3", "Row Status", itInteger, acReadWrite, &RowStatusList},
    {},
};

constexpr MibTableRow RIP2RouteChangesSettings[] = {
    {"1.3.6.1.2.1.23.1.1", "Route Changes", itCounter, acReadOnly},
    {"1.3.6.1.2.1.23.1.2", "Queries", itCounter, acReadOnly},
    {},
};

constexpr MibTableRow RIP2IPAddressSettings[] = {
    {"1.3.6.1.2.1.23.2.1.1", "IP Address", itIpAddress, acReadOnly},
    {"1.3.6.1.2.1.23.2.1.2", "Received Bad Packets", itCounter, acReadOnly},
    {"1.3.6.1.2.1.23.2.1.3", "Received Bad Routes", itCounter, acReadOnly},
    {"1.3.6.1.2.1.23.2.1.4", "Sent Updates", itCounter, acReadOnly},
    {"1.3.6.1.2.1.23.2.1.5", "Row Status", itInteger, acReadOnly, &RowStatusList},
    {},
};

constexpr MibTableRow RipReceivedBadPacketsSettings[] = {
    {"1.3.6.1.2.1.23.2.1.2", "Received Bad Packets", itCounter, acReadOnly},
    {"1.3.6.1.2.1.23.2.1.3", "Received Bad Routes", itCounter, acReadOnly},
    {},
};

constexpr MibTableRow RIP2DomainSettings[] = {
    {"1.3.6.1.2.1.23.3.1.1", "IP Address", itIpAddress, acNotAccess},
    {"1.3.6.1.2.1.23.3.1.2", "Domain", itOctetString, acReadOnly},
    {"1.3.6.1.2.1.23.3.1.3", "Authentication Type", itInteger, acReadWrite, &NoneSimplePasswordList},
    {"1.3.6.1.2.1.23.3.1.4", "Authentication Key", itDisplayString, acReadWrite},
    {"1.3.6.1.2.1.23.3.1.5", "Interface Send", itInteger, acReadWrite,
     &DoNotSendRipVersion1Rip1CompatibleList},
    {"1.3.6.1.2.1.23.3.1.6", "Accepted RIP Version", itInteger, acReadWrite, &Rip1Rip2Rip1OrRip2List},
    {"1.3.6.1.2.1.23.3.1.7", "IF Configuration Default Metric", itInteger, acReadOnly},
    {"1.3.6.1.2.1.23.3.1.8", "IF Configuration Status", itInteger, acReadWrite, &ActiveNotInServiceList},
    {"1.3.6.1.2.1.23.3.1.9", "Interface Source Address", itIpAddress, acReadOnly},
    {},
};

constexpr MibTableRow RIP2SourceIPAddressSettings[] = {
    {"1.3.6.1.2.1.23.4.1.1", "Source IP Address", itIpAddress, acReadOnly},
    {"1.3.6.1.2.1.23.4.1.2", "Peer Domain", itOctetString, acReadOnly},
    {"1.3.6.1.2.1.23.4.1.3", "System Up Time of Last Update", itTimeTicks, acReadOnly},
    {"1.3.6.1.2.1.23.4.1.4", "Version Number", itInteger, acReadOnly},
    {"1.3.6.1.2.1.23.4.1.5", "Received Bad Packets", itCounter, acReadOnly},
    {"1.3.6.1.2.1.23.4.1.6", "Received Bad Routes", itCounter, acReadOnly},
    {},
};

constexpr MibTableRow RipReceivedBadPacketsSettings2[] = {
    {"1.3.6.1.2.1.23.4.1.5", "Received Bad Packets", itCounter, acReadOnly},
    {"1.3.6.1.2.1.23.4.1.6", "Received Bad Routes", itCounter, acReadOnly},
    {},
};

constexpr MibTableRow RIPngGlobalStateSettings[] = {
    {"1.3.6.1.4.1.746.12.83.1", "Global State", itInteger, acReadWrite, &EnabledDisabledList},
    {"1.3.6.1.4.1.746.12.83.2", "Method", itInteger, acReadWrite,
     &NoSplitHorizonSplitHorizonPoisonReverseList},
    {"1.3.6.1.4.1.746.12.83.3", "Update Time", itInteger, acReadWrite},
    {"1.3.6.1.4.1.746.12.83.4", "Expire Time", itInteger, acReadWrite},
    {"1.3.6.1.4.1.746.12.83.5", "Garbage Collection Time", itInteger, acReadWrite},
    {},
};

constexpr MibTableRow RIPngStateSettings[] = {
    {"1.3.6.1.4.1.746.12.83.6.1.1", "Name", itDisplayString, acNotAccess},
    {"1.3.6.1.4.1.746.12.83.6.1.2", "State     ", itInteger, acReadWrite, &EnabledDisabledList},
    {"1.3.6.1.4.1.746.12.83.6.1.3", "Metric", itInteger, acReadWrite},
    {},
};
