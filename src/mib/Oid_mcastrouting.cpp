// Columns stay in this order even where their arcs do not ascend: dialogs address them by position.
#include "Oid_mcastrouting.h"

#include "CatalogueOptionLists.h"

constexpr MibTableRow IPMulticastRouteGlobalStateSettings[] = {
    {"1.3.6.1.2.1.83.1.1.1", "State", itInteger, acReadOnly, &EnabledDisabledList},
    {"1.3.6.1.2.1.83.1.1.7", "Entry Count", itGauge, acReadOnly},
    {},
};

constexpr MibTableRow IPMulticastRouteUpstreamNeighborTable[] = {
    {"1.3.6.1.2.1.83.1.1.2.1.1", "Group", itIpAddress, acNotAccess},
    {"1.3.6.1.2.1.83.1.1.2.1.2", "Source", itIpAddress, acNotAccess},
    {"1.3.6.1.2.1.83.1.1.2.1.3", "Source Mask", itIpAddress, acNotAccess},
    {"1.3.6.1.2.1.83.1.1.2.1.4", "Upstream Neighbor", itIpAddress, acReadOnly},
    {"1.3.6.1.2.1.83.1.1.2.1.5", "Interface Index", itInteger, acReadOnly},
    {"1.3.6.1.2.1.83.1.1.2.1.6", "Up Time", itTimeTicks, acReadOnly},
    {"1.3.6.1.2.1.83.1.1.2.1.7", "Expiry Time", itTimeTicks, acReadOnly},
    {"1.3.6.1.2.1.83.1.1.2.1.8", "Packets", itCounter, acReadOnly},
    {"1.3.6.1.2.1.83.1.1.2.1.9", "Different Interface Packets", itCounter, acReadOnly},
    {"1.3.6.1.2.1.83.1.1.2.1.10", "Packet Octets", itCounter, acReadOnly},
    {"1.3.6.1.2.1.83.1.1.2.1.11", "Protocol", itInteger, acReadOnly, &OtherLocalNetmgmtList2},
    {},
};

constexpr MibTableRow IPMulticastRouteNextHopTable[] = {
    {"1.3.6.1.2.1.83.1.1.3.1.1", "Group", itIpAddress, acNotAccess},
    {"1.3.6.1.2.1.83.1.1.3.1.2", "Source", itIpAddress, acNotAccess},
    {"1.3.6.1.2.1.83.1.1.3.1.3", "Source Mask", itIpAddress, acNotAccess},
    {"1.3.6.1.2.1.83.1.1.3.1.4", "Interface Index", itInteger, acNotAccess},
    {"1.3.6.1.2.1.83.1.1.3.1.5", "Address", itIpAddress, acNotAccess},
    {"1.3.6.1.2.1.83.1.1.3.1.6", "State", itInteger, acReadOnly, &PrunedForwardingList},
    {"1.3.6.1.2.1.83.1.1.3.1.7", "Up Time", itTimeTicks, acReadOnly},
    {"1.3.6.1.2.1.83.1.1.3.1.8", "Expiry Time", itTimeTicks, acReadOnly},
    {"1.3.6.1.2.1.83.1.1.3.1.10", "Protocol", itInteger, acReadOnly, &OtherLocalNetmgmtList2},
    {"1.3.6.1.2.1.83.1.1.3.1.11", "Packets", itCounter, acReadOnly},
    {},
};

constexpr MibTableRow IPMulticastRouteInterfaceTable[] = {
    {"1.3.6.1.2.1.83.1.1.4.1.1", "Interface Index", itInteger, acNotAccess},
    {"1.3.6.1.2.1.83.1.1.4.1.2", "TTL", itInteger, acReadOnly},
    {"1.3.6.1.2.1.83.1.1.4.1.3", "Protocol", itInteger, acReadOnly, &OtherLocalNetmgmtList2},
    {},
};

constexpr MibTableRow McastroutingUpstreamAssertTimerTable[] = {
    {" ", "Group", itIpAddress, acNotAccess},
    {" ", "Source", itIpAddress, acNotAccess},
    {" ", "Source Mask", itIpAddress, acNotAccess},
    {"1.3.6.1.3.61.1.1.4.1.1", "Upstream Assert Timer", itTimeTicks, acReadOnly},
    {"1.3.6.1.3.61.1.1.4.1.2", "Assert Metric", itInteger, acReadOnly},
    {"1.3.6.1.3.61.1.1.4.1.3", "Assert Metric Preference", itInteger, acReadOnly},
    {"1.3.6.1.3.61.1.1.4.1.4", "Assert RPT Bit", itInteger, acReadOnly, &TruthValueList},
    {"1.3.6.1.3.61.1.1.4.1.5", "Flags", itOctetString, acReadOnly},
    {},
};

constexpr MibTableRow McastroutingHoldTimeTable[] = {
    {"1.3.6.1.3.61.1.1.6.1.6", "Component", itInteger, acNotAccess},
    {"1.3.6.1.3.61.1.1.6.1.1", "Group Address", itIpAddress, acNotAccess},
    {"1.3.6.1.3.61.1.1.6.1.2", "Group Mask", itIpAddress, acNotAccess},
    {"1.3.6.1.3.61.1.1.6.1.3", "Address", itIpAddress, acNotAccess},
    {"1.3.6.1.3.61.1.1.6.1.4", "Hold Time", itInteger, acReadOnly},
    {"1.3.6.1.3.61.1.1.6.1.5", "Expiry Time", itTimeTicks, acReadOnly},
    {},
};

constexpr MibTableRow McastroutingAddressTable[] = {
    {"1.3.6.1.3.61.1.1.11.1.1", "Group Address", itIpAddress, acNotAccess},
    {"1.3.6.1.3.61.1.1.11.1.2", "Group Mask", itIpAddress, acNotAccess},
    {"1.3.6.1.3.61.1.1.11.1.3", "Address", itIpAddress, acReadWrite},
    {"1.3.6.1.3.61.1.1.11.1.4", "Row Status", itInteger, acReadWrite, &RowStatusList},
    {},
};

constexpr MibTableRow PIMForIPv6InterfaceTable[] = {
    {"1.3.6.1.2.1.157.1.1.1.1", "Interface Index", itInteger, acNotAccess},
    {"1.3.6.1.2.1.157.1.1.1.2", "IP Version", itInteger, acNotAccess, &UnknownIpv6List},
    {"1.3.6.1.2.1.157.1.1.1.3", "Address Type", itInteger, acReadOnly, &UnknownIpv4Ipv6List2},
    {"1.3.6.1.2.1.157.1.1.1.4", "Address", itInetAddress, acReadOnly},
    {"1.3.6.1.2.1.157.1.1.1.5", "Generation ID", itGauge, acReadOnly},
    {"1.3.6.1.2.1.157.1.1.1.6", "DR", itInetAddress, acReadOnly},
    {"1.3.6.1.2.1.157.1.1.1.7", "DR Priority", itGauge, acReadWrite},
    {"1.3.6.1.2.1.157.1.1.1.8", "DR Priority Enabled", itInteger, acReadOnly, &TruthValueList},
    {"1.3.6.1.2.1.157.1.1.1.9", "Hello Interval", itGauge, acReadWrite},
    {"1.3.6.1.2.1.157.1.1.1.10", "Trigrger Hello Interval", itGauge, acReadWrite},
    {"1.3.6.1.2.1.157.1.1.1.11", "Hello Holdtime", itGauge, acReadOnly},
    {"1.3.6.1.2.1.157.1.1.1.12", "Join Prune Interval", itGauge, acReadWrite},
    {"1.3.6.1.2.1.157.1.1.1.13", "Join Prune Holdtime", itGauge, acReadOnly},
    {"1.3.6.1.2.1.157.1.1.1.15", "LAN Delay Enabled", itInteger, acReadOnly, &TruthValueList},
    {"1.3.6.1.2.1.157.1.1.1.16", "Propagation Delay (ms)", itGauge, acReadWrite},
    {"1.3.6.1.2.1.157.1.1.1.17", "Override Interval (ms)", itGauge, acReadWrite},
    {"1.3.6.1.2.1.157.1.1.1.18", "Effect Propagation Delay (ms)", itGauge, acReadOnly},
    {"1.3.6.1.2.1.157.1.1.1.19", "Effect Override Interval (ms)", itGauge, acReadOnly},
    {"1.3.6.1.2.1.157.1.1.1.20", "Suppression Enabled", itInteger, acReadOnly, &TruthValueList},
    {"1.3.6.1.2.1.157.1.1.1.21", "Bidirectional Capable", itInteger, acReadOnly, &TruthValueList},
    {"1.3.6.1.2.1.157.1.1.1.22", "Domain Border", itInteger, acReadWrite, &TruthValueList},
    {"1.3.6.1.2.1.157.1.1.1.23", "Stub Interface", itInteger, acReadWrite, &TruthValueList},
    {"1.3.6.1.2.1.157.1.1.1.27", "Row Status", itInteger, acReadWrite, &RowStatusList},
    {"1.3.6.1.2.1.157.1.1.1.28", "Storage Type", itInteger, acReadOnly, &StorageTypeList},
    {},
};

constexpr MibTableRow PIMForIPv6NeighborTable[] = {
    {"1.3.6.1.2.1.157.1.2.1.1", "Interface Index", itInteger, acNotAccess},
    {"1.3.6.1.2.1.157.1.2.1.2", "Address Type", itInteger, acNotAccess, &UnknownIpv6List},
    {"1.3.6.1.2.1.157.1.2.1.3", "Address", itInetAddress, acNotAccess},
    {"1.3.6.1.2.1.157.1.2.1.4", "Generation ID Present", itInteger, acReadOnly, &TruthValueList},
    {"1.3.6.1.2.1.157.1.2.1.5", "Generation ID", itGauge, acReadOnly},
    {"1.3.6.1.2.1.157.1.2.1.6", "Up Time", itTimeTicks, acReadOnly},
    {"1.3.6.1.2.1.157.1.2.1.7", "Expiry Time", itTimeTicks, acReadOnly},
    {"1.3.6.1.2.1.157.1.2.1.8", "DR Priority Present", itInteger, acReadOnly, &TruthValueList},
    {"1.3.6.1.2.1.157.1.2.1.9", "DR Priority", itGauge, acReadOnly},
    {"1.3.6.1.2.1.157.1.2.1.10", "LAN Prune Delay Present", itInteger, acReadOnly, &TruthValueList},
    {"1.3.6.1.2.1.157.1.2.1.11", "TBit", itInteger, acReadOnly, &TruthValueList},
    {"1.3.6.1.2.1.157.1.2.1.12", "Propagation Delay", itGauge, acReadOnly},
    {"1.3.6.1.2.1.157.1.2.1.13", "Override Interval", itGauge, acReadOnly},
    {"1.3.6.1.2.1.157.1.2.1.14", "Bidirectional Capable", itInteger, acReadOnly, &TruthValueList},
    {},
};

constexpr MibTableRow PIMForIPv6NeighborSecondaryAddressTable[] = {
    {"1.3.6.1.2.1.157.1.3.1.1", "Interface Index", itInteger, acNotAccess},
    {"1.3.6.1.2.1.157.1.3.1.2", "Address Type", itInteger, acNotAccess, &UnknownIpv6List},
    {"1.3.6.1.2.1.157.1.3.1.3", "Address Primary", itInetAddress, acNotAccess},
    {"1.3.6.1.2.1.157.1.3.1.4", "Address", itInetAddress, acReadOnly},
    {},
};

constexpr MibTableRow PIMForIPv6StarGroupTable[] = {
    {"1.3.6.1.2.1.157.1.4.1.1", "Address Type", itInteger, acNotAccess, &UnknownIpv4Ipv6List2},
    {"1.3.6.1.2.1.157.1.4.1.2", "Group Address", itInetAddress, acNotAccess},
    {"1.3.6.1.2.1.157.1.4.1.3", "Up Time", itTimeTicks, acReadOnly},
    {"1.3.6.1.2.1.157.1.4.1.4", "PIM Mode", itInteger, acReadOnly, &AsmBidirList},
    {"1.3.6.1.2.1.157.1.4.1.5", "RP Address Type", itInteger, acReadOnly, &UnknownIpv6List},
    {"1.3.6.1.2.1.157.1.4.1.6", "RP Address", itInetAddress, acReadOnly},
    {"1.3.6.1.2.1.157.1.4.1.7", "PIM Mode Origin", itInteger, acReadOnly, &FixedConfigRpConfigSsmList},
    {"1.3.6.1.2.1.157.1.4.1.8", "Local Router Is RP", itInteger, acReadOnly, &TruthValueList},
    {"1.3.6.1.2.1.157.1.4.1.9", "Upstream Join State", itInteger, acReadOnly, &NotJoinedJoinedList},
    {"1.3.6.1.2.1.157.1.4.1.10", "Upstream Join Timer", itTimeTicks, acReadOnly},
    {"1.3.6.1.2.1.157.1.4.1.11", "Upstream Neighbor Type", itInteger, acReadOnly, &UnknownIpv6List},
    {"1.3.6.1.2.1.157.1.4.1.12", "Upstream Neighbor", itInetAddress, acReadOnly},
    {"1.3.6.1.2.1.157.1.4.1.13", "RPF Interface Index", itInteger, acReadOnly},
    {"1.3.6.1.2.1.157.1.4.1.14", "RPF Next Hop Type", itInteger, acReadOnly, &UnknownIpv6List},
    {"1.3.6.1.2.1.157.1.4.1.15", "RPF Next Hop", itInetAddress, acReadOnly},
    {"1.3.6.1.2.1.157.1.4.1.16", "RPF Route Protocol", itInteger, acReadOnly, &OtherLocalNetmgmtList},
    {"1.3.6.1.2.1.157.1.4.1.17", "RPF Route Address", itInetAddress, acReadOnly},
    {"1.3.6.1.2.1.157.1.4.1.18", "RPF Route Prefix Length", itGauge, acReadOnly},
    {"1.3.6.1.2.1.157.1.4.1.19", "RPF Route Metric Preference", itGauge, acReadOnly},
    {"1.3.6.1.2.1.157.1.4.1.20", "RPF Route Metric", itGauge, acReadOnly},
    {},
};

constexpr MibTableRow PIMForIPv6StarGroupInterfaceTable[] = {
    {" ", "Address Type", itInteger, acNotAccess, &UnknownIpv4Ipv6List2},
    {" ", "Group Address", itInetAddress, acNotAccess},
    {"1.3.6.1.2.1.157.1.5.1.1", "Interface Index", itInteger, acNotAccess},
    {"1.3.6.1.2.1.157.1.5.1.2", "Up Time", itTimeTicks, acReadOnly},
    {"1.3.6.1.2.1.157.1.5.1.3", "Local Membership", itInteger, acReadOnly, &TruthValueList},
    {"1.3.6.1.2.1.157.1.5.1.4", "Join Prune State", itInteger, acReadOnly, &NoInfoJoinPrunePendingList},
    {"1.3.6.1.2.1.157.1.5.1.5", "Prune Pending Timer", itTimeTicks, acReadOnly},
    {"1.3.6.1.2.1.157.1.5.1.6", "Join Expiry Timer", itTimeTicks, acReadOnly},
    {"1.3.6.1.2.1.157.1.5.1.7", "Assert State", itInteger, acReadOnly,
     &NoInfoIAmAssertWinnerIAmAssertLoserList},
    {"1.3.6.1.2.1.157.1.5.1.8", "Assert Timer", itTimeTicks, acReadOnly},
    {"1.3.6.1.2.1.157.1.5.1.9", "Assert Winner Address Type", itInteger, acReadOnly, &UnknownIpv6List},
    {"1.3.6.1.2.1.157.1.5.1.10", "Assert Winner Address", itInetAddress, acReadOnly},
    {"1.3.6.1.2.1.157.1.5.1.11", "Assert Winner Metric Preference", itGauge, acReadOnly},
    {"1.3.6.1.2.1.157.1.5.1.12", "Assert Winner Metric", itGauge, acReadOnly},
    {},
};

constexpr MibTableRow PIMForIPv6SourceGroupTable[] = {
    {"1.3.6.1.2.1.157.1.6.1.1", "Address Type", itInteger, acNotAccess, &UnknownIpv6List},
    {"1.3.6.1.2.1.157.1.6.1.2", "Group Address", itInetAddress, acNotAccess},
    {"1.3.6.1.2.1.157.1.6.1.3", "Source Address", itInetAddress, acNotAccess},
    {"1.3.6.1.2.1.157.1.6.1.4", "Up Time", itTimeTicks, acReadOnly},
    {"1.3.6.1.2.1.157.1.6.1.5", "PIM Mode", itInteger, acReadOnly, &SsmAsmList},
    {"1.3.6.1.2.1.157.1.6.1.6", "Upstream Join State", itInteger, acReadOnly, &NotJoinedJoinedList},
    {"1.3.6.1.2.1.157.1.6.1.7", "Upstream Join Timer", itTimeTicks, acReadOnly},
    {"1.3.6.1.2.1.157.1.6.1.8", "Upstream Neighbor", itInetAddress, acReadOnly},
    {"1.3.6.1.2.1.157.1.6.1.9", "RPF Interface Index", itInteger, acReadOnly},
    {"1.3.6.1.2.1.157.1.6.1.10", "RPF Next Hop Type", itInteger, acReadOnly, &UnknownIpv6List},
    {"1.3.6.1.2.1.157.1.6.1.11", "RPF Next Hop", itInetAddress, acReadOnly},
    {"1.3.6.1.2.1.157.1.6.1.12", "RPF Route Protocol", itInteger, acReadOnly, &OtherLocalNetmgmtList},
    {"1.3.6.1.2.1.157.1.6.1.13", "RPF Route Address", itInetAddress, acReadOnly},
    {"1.3.6.1.2.1.157.1.6.1.14", "RPF Route Prefix Length", itGauge, acReadOnly},
    {"1.3.6.1.2.1.157.1.6.1.15", "RPF Route Metric Preference", itGauge, acReadOnly},
    {"1.3.6.1.2.1.157.1.6.1.16", "RPF Route Metric", itGauge, acReadOnly},
    {"1.3.6.1.2.1.157.1.6.1.17", "SPT Bit", itInteger, acReadOnly, &TruthValueList},
    {"1.3.6.1.2.1.157.1.6.1.18", "Keep Alive Timer", itTimeTicks, acReadOnly},
    {"1.3.6.1.2.1.157.1.6.1.19", "DR RegisterState", itInteger, acReadOnly, &NoInfoJoinJoinPendingList},
    {"1.3.6.1.2.1.157.1.6.1.20", "DR Register Stop Timer", itTimeTicks, acReadOnly},
    {"1.3.6.1.2.1.157.1.6.1.21", "RP Register PMBR  AddressType", itInteger, acReadOnly, &UnknownIpv6List},
    {"1.3.6.1.2.1.157.1.6.1.22", "RP Register PMBR Address", itInetAddress, acReadOnly},
    {},
};

constexpr MibTableRow PIMForIPv6SourceGroupInterfaceTable[] = {
    {" ", "Address Type", itInteger, acNotAccess, &UnknownIpv4Ipv6List2},
    {" ", "Group Address", itInetAddress, acNotAccess},
    {" ", "Source Address", itInetAddress, acNotAccess},
    {"1.3.6.1.2.1.157.1.7.1.1", "Interface Index", itInteger, acNotAccess},
    {"1.3.6.1.2.1.157.1.7.1.2", "Up Time", itTimeTicks, acReadOnly},
    {"1.3.6.1.2.1.157.1.7.1.3", "Local Membership", itInteger, acReadOnly, &TruthValueList},
    {"1.3.6.1.2.1.157.1.7.1.4", "Join Prune State", itInteger, acReadOnly, &NoInfoJoinPrunePendingList},
    {"1.3.6.1.2.1.157.1.7.1.5", "Prune Pending Timer", itTimeTicks, acReadOnly},
    {"1.3.6.1.2.1.157.1.7.1.6", "Join Expiry Timer", itTimeTicks, acReadOnly},
    {"1.3.6.1.2.1.157.1.7.1.7", "Assert State", itInteger, acReadOnly,
     &NoInfoIAmAssertWinnerIAmAssertLoserList},
    {"1.3.6.1.2.1.157.1.7.1.8", "Assert Timer", itTimeTicks, acReadOnly},
    {"1.3.6.1.2.1.157.1.7.1.9", "Assert Winner Address Type", itInteger, acReadOnly, &UnknownIpv6List},
    {"1.3.6.1.2.1.157.1.7.1.10", "Assert Winner Address", itInetAddress, acReadOnly},
    {"1.3.6.1.2.1.157.1.7.1.11", "Assert Winner Metric Preference", itGauge, acReadOnly},
    {"1.3.6.1.2.1.157.1.7.1.12", "Assert Winner Metric", itGauge, acReadOnly},
    {},
};

constexpr MibTableRow PIMForIPv6SourceGroupRPTTable[] = {
    {" ", "Address Type", itInteger, acNotAccess, &UnknownIpv4Ipv6List2},
    {" ", "Group Address", itInetAddress, acNotAccess},
    {"1.3.6.1.2.1.157.1.8.1.1", "RPT Source Address", itInetAddress, acNotAccess},
    {"1.3.6.1.2.1.157.1.8.1.2", "RPT Up Time", itTimeTicks, acReadOnly},
    {"1.3.6.1.2.1.157.1.8.1.3", "RPT Upstream Prune State", itInteger, acReadOnly,
     &RptNotJoinedPrunedNotPrunedList},
    {"1.3.6.1.2.1.157.1.8.1.4", "RPT Upstream Override Timer", itTimeTicks, acReadOnly},
    {},
};

constexpr MibTableRow PIMForIPv6SourceGroupRPTInterfaceTable[] = {
    {" ", "Address Type", itInteger, acNotAccess, &UnknownIpv4Ipv6List2},
    {" ", "Group Address", itInetAddress, acNotAccess},
    {" ", "RPT Source Address", itInetAddress, acNotAccess},
    {"1.3.6.1.2.1.157.1.9.1.1", "Interface Index", itInteger, acNotAccess},
    {"1.3.6.1.2.1.157.1.9.1.2", "Up Time", itTimeTicks, acReadOnly},
    {"1.3.6.1.2.1.157.1.9.1.3", "Local Membership", itInteger, acReadOnly, &TruthValueList},
    {"1.3.6.1.2.1.157.1.9.1.4", "Join Prune State", itInteger, acReadOnly, &NoInfoPrunePrunePendingList},
    {"1.3.6.1.2.1.157.1.9.1.5", "Prune Pending Timer", itTimeTicks, acReadOnly},
    {"1.3.6.1.2.1.157.1.9.1.6", "Prune Expiry Timer", itTimeTicks, acReadOnly},
    {},
};

constexpr MibTableRow PIMForIPv6StaticRPTable[] = {
    {"1.3.6.1.2.1.157.1.11.1.1", "Address Type", itInteger, acNotAccess, &Ipv6List},
    {"1.3.6.1.2.1.157.1.11.1.2", "Group Address", itInetAddress, acNotAccess},
    {"1.3.6.1.2.1.157.1.11.1.3", "Group Prefix Length", itGauge, acNotAccess},
    {"1.3.6.1.2.1.157.1.11.1.4", "Address", itInetAddress, acReadWrite},
    {"1.3.6.1.2.1.157.1.11.1.5", "PIM Mode", itInteger, acReadWrite, &AsmList},
    {"1.3.6.1.2.1.157.1.11.1.6", "Override Dynamic", itInteger, acReadWrite, &TruthValueList},
    {"1.3.6.1.2.1.157.1.11.1.8", "Row Status", itInteger, acReadWrite, &RowStatusList},
    {"1.3.6.1.2.1.157.1.11.1.9", "Storage Type", itInteger, acReadOnly, &StorageTypeList},
    {},
};

constexpr MibTableRow PIMForIPv6GroupMappingTable[] = {
    {"1.3.6.1.2.1.157.1.13.1.1", "Origin", itInteger, acNotAccess, &FixedConfigRpConfigSsmList},
    {"1.3.6.1.2.1.157.1.13.1.2", "Address Type", itInteger, acNotAccess, &UnknownIpv6List},
    {"1.3.6.1.2.1.157.1.13.1.3", "Group Address", itInetAddress, acNotAccess},
    {"1.3.6.1.2.1.157.1.13.1.4", "Group Prefix Length", itGauge, acNotAccess},
    {"1.3.6.1.2.1.157.1.13.1.5", "RP Address Type", itInteger, acNotAccess, &UnknownIpv6List},
    {"1.3.6.1.2.1.157.1.13.1.6", "RP Address", itInetAddress, acNotAccess},
    {"1.3.6.1.2.1.157.1.13.1.7", "PIM Mode", itInteger, acReadOnly, &NoneSsmAsmList},
    {"1.3.6.1.2.1.157.1.13.1.8", "Precedence", itGauge, acReadOnly},
    {},
};

constexpr MibTableRow PIMForIPv6BasicInformationSettings[] = {
    {"1.3.6.1.2.1.157.1.14", "Keep Alive Period", itGauge, acReadWrite},
    {"1.3.6.1.2.1.157.1.15", "RegisterSuppressionTime", itGauge, acReadWrite},
    {"1.3.6.1.2.1.157.1.16", "StarG Entries", itGauge, acReadOnly},
    {"1.3.6.1.2.1.157.1.17", "StarGI Entries", itGauge, acReadOnly},
    {"1.3.6.1.2.1.157.1.18", "SG Entries", itGauge, acReadOnly},
    {"1.3.6.1.2.1.157.1.19", "SGI Entries", itGauge, acReadOnly},
    {"1.3.6.1.2.1.157.1.20", "SG RPT Entries", itGauge, acReadOnly},
    {"1.3.6.1.2.1.157.1.21", "SG RPTI Entries", itGauge, acReadOnly},
    {"1.3.6.1.2.1.157.1.24", "Last Assert Interface", itInteger, acReadOnly},
    {"1.3.6.1.2.1.157.1.25", "Last Assert Group Address Type", itInteger, acReadOnly, &UnknownIpv6List},
    {"1.3.6.1.2.1.157.1.26", "Last Assert Group Address", itInetAddress, acReadOnly},
    {"1.3.6.1.2.1.157.1.27", "Last Assert Source Address Type", itInteger, acReadOnly, &UnknownIpv6List},
    {"1.3.6.1.2.1.157.1.28", "Last Assert Source Address", itInetAddress, acReadOnly},
    {"1.3.6.1.2.1.157.1.29", "Neighbor Loss Notification Period", itGauge, acReadWrite},
    {"1.3.6.1.2.1.157.1.30", "Neighbor Loss Count", itCounter, acReadOnly},
    {"1.3.6.1.2.1.157.1.31", "Invalid Register Notification Period", itGauge, acReadWrite},
    {"1.3.6.1.2.1.157.1.32", "Invalid Register Messages Received", itCounter, acReadOnly},
    {"1.3.6.1.2.1.157.1.33", "Invalid Register Address Type", itInteger, acReadOnly, &UnknownIpv6List},
    {"1.3.6.1.2.1.157.1.34", "Invalid Register Origin", itInetAddress, acReadOnly},
    {"1.3.6.1.2.1.157.1.35", "Invalid Register Group", itInetAddress, acReadOnly},
    {"1.3.6.1.2.1.157.1.36", "Invalid Register RP", itInetAddress, acReadOnly},
    {"1.3.6.1.2.1.157.1.37", "Invalid Join Prune Notification Period", itGauge, acReadWrite},
    {"1.3.6.1.2.1.157.1.38", "Invalid Join Prune Messages Received", itCounter, acReadOnly},
    {"1.3.6.1.2.1.157.1.39", "Invalid Join Prune Address Type", itInteger, acReadOnly, &UnknownIpv6List},
    {"1.3.6.1.2.1.157.1.40", "Invalid Join Prune Origin", itInetAddress, acReadOnly},
    {"1.3.6.1.2.1.157.1.41", "Invalid Join Prune Group", itInetAddress, acReadOnly},
    {"1.3.6.1.2.1.157.1.42", "Invalid Join Prune RP", itInetAddress, acReadOnly},
    {"1.3.6.1.2.1.157.1.43", "RP Mapping Notification Period", itGauge, acReadWrite},
    {"1.3.6.1.2.1.157.1.44", "RP Mapping Change Count", itCounter, acReadOnly},
    {"1.3.6.1.2.1.157.1.45", "Interface Election Notification Period", itGauge, acReadWrite},
    {"1.3.6.1.2.1.157.1.46", "Interface Election Win Count", itCounter, acReadOnly},
    {"1.3.6.1.2.1.157.1.48", "Device Config Storage Type", itInteger, acReadOnly, &StorageTypeList},
    {},
};

constexpr MibTableRow McastroutingTcpListenerProcessTable[] = {
    {"1.3.6.1.2.1.6.20.1.1", "tcpListenerLocalAddressType", itInteger, acNotAccess, &UnknownIpv4Ipv6List2},
    {"1.3.6.1.2.1.6.20.1.2", "tcpListenerLocalAddress", itInetAddress, acNotAccess},
    {"1.3.6.1.2.1.6.20.1.3", "tcpListenerLocalPort", itGauge, acNotAccess},
    {"1.3.6.1.2.1.6.20.1.4", "tcpListenerProcess", itGauge, acReadOnly},
    {},
};

constexpr MibTableRow MGMDRouterInterfaceTable[] = {
    {"1.3.6.1.2.1.185.1.2.1.1", "Interface Index", itInteger, acNotAccess},
    {"1.3.6.1.2.1.185.1.2.1.2", "Querier Type", itInteger, acNotAccess, &Ipv4Ipv6List},
    {"1.3.6.1.2.1.185.1.2.1.3", "Querier", itInetAddress, acReadOnly},
    {"1.3.6.1.2.1.185.1.2.1.4", "Query Interval", itGauge, acReadWrite},
    {"1.3.6.1.2.1.185.1.2.1.5", "State", itInteger, acReadWrite, &EnabledDisabledCreateAndGoList2},
    {"1.3.6.1.2.1.185.1.2.1.6", "Version", itGauge, acReadWrite},
    {"1.3.6.1.2.1.185.1.2.1.7", "Query Max Response Time", itGauge, acReadWrite},
    {"1.3.6.1.2.1.185.1.2.1.8", "Querier Up Time", itTimeTicks, acReadOnly},
    {"1.3.6.1.2.1.185.1.2.1.9", "Querier Expiry Time", itTimeTicks, acReadOnly},
    {"1.3.6.1.2.1.185.1.2.1.10", "Wrong Version Queries", itCounter, acReadOnly},
    {"1.3.6.1.2.1.185.1.2.1.11", "Joins", itCounter, acReadOnly},
    {"1.3.6.1.2.1.185.1.2.1.13", "Groups", itGauge, acReadOnly},
    {"1.3.6.1.2.1.185.1.2.1.14", "Robustness", itGauge, acReadWrite},
    {"1.3.6.1.2.1.185.1.2.1.15", "Last Member Query Interval", itGauge, acReadWrite},
    {"1.3.6.1.2.1.185.1.2.1.16", "Last Member Query Count", itGauge, acReadOnly},
    {"1.3.6.1.2.1.185.1.2.1.17", "Startup Query Count", itGauge, acReadOnly},
    {"1.3.6.1.2.1.185.1.2.1.18", "Startup Query Interval", itGauge, acReadOnly},
    {},
};

constexpr MibTableRow MGMDRouterCacheTable[] = {
    {"1.3.6.1.2.1.185.1.4.1.1", "Address Type", itInteger, acNotAccess, &Ipv4Ipv6List},
    {"1.3.6.1.2.1.185.1.4.1.2", "Address", itInetAddress, acNotAccess},
    {"1.3.6.1.2.1.185.1.4.1.3", "Interface Index", itInteger, acNotAccess},
    {"1.3.6.1.2.1.185.1.4.1.4", "Last Reporter", itInetAddress, acReadOnly},
    {"1.3.6.1.2.1.185.1.4.1.5", "Up Time", itTimeTicks, acReadOnly},
    {"1.3.6.1.2.1.185.1.4.1.6", "Expiry Time", itTimeTicks, acReadOnly},
    {"1.3.6.1.2.1.185.1.4.1.7", "Exclude Mode Expiry Timer", itTimeTicks, acReadOnly},
    {"1.3.6.1.2.1.185.1.4.1.8", "Version1 Host Timer", itTimeTicks, acReadOnly},
    {"1.3.6.1.2.1.185.1.4.1.9", "Version2 Host Timer", itTimeTicks, acReadOnly},
    {"1.3.6.1.2.1.185.1.4.1.10", "Source Filter Mode", itInteger, acReadOnly, &IncludeExcludeList},
    {},
};

constexpr MibTableRow MGMDInverseRouterCacheTable[] = {
    {"1.3.6.1.2.1.185.1.6.1.1", "Interface Index", itInteger, acNotAccess},
    {"1.3.6.1.2.1.185.1.6.1.2", "Address Type", itInteger, acNotAccess, &Ipv4Ipv6List},
    {"1.3.6.1.2.1.185.1.6.1.3", "Address", itInetAddress, acReadOnly},
    {},
};

constexpr MibTableRow RouterSourceListTable[] = {
    {"1.3.6.1.2.1.185.1.8.1.1", "Address Type", itInteger, acNotAccess, &Ipv4Ipv6List},
    {"1.3.6.1.2.1.185.1.8.1.2", "Address", itInetAddress, acNotAccess},
    {"1.3.6.1.2.1.185.1.8.1.3", "Interface Index", itInteger, acNotAccess},
    {"1.3.6.1.2.1.185.1.8.1.4", "Host Address", itInetAddress, acNotAccess},
    {"1.3.6.1.2.1.185.1.8.1.5", "Expire", itTimeTicks, acReadOnly},
    {},
};

constexpr MibTableRow DVMRPInformationVersionStringTable[] = {
    {"1.3.6.1.3.62.1.1.1", "Version String", itDisplayString, acReadOnly},
    {"1.3.6.1.3.62.1.1.9", "Number Routes", itGauge, acReadOnly},
    {"1.3.6.1.3.62.1.1.10", "Reachable Routes", itGauge, acReadOnly},
    {},
};

constexpr MibTableRow DVMRPInformationUpTimeTable[] = {
    {"1.3.6.1.3.62.1.1.4.1.1", "Interface Index", itInteger, acNotAccess},
    {"1.3.6.1.3.62.1.1.4.1.2", "Address", itIpAddress, acNotAccess},
    {"1.3.6.1.3.62.1.1.4.1.3", "Up Time", itTimeTicks, acReadOnly},
    {"1.3.6.1.3.62.1.1.4.1.4", "Expiry Time", itTimeTicks, acReadOnly},
    {"1.3.6.1.3.62.1.1.4.1.6", "Generation ID", itInteger, acReadOnly},
    {"1.3.6.1.3.62.1.1.4.1.7", "Major Version", itInteger, acReadOnly},
    {"1.3.6.1.3.62.1.1.4.1.8", "Minor Version", itInteger, acReadOnly},
    {"1.3.6.1.3.62.1.1.4.1.10", "Receive Routes", itCounter, acReadOnly},
    {"1.3.6.1.3.62.1.1.4.1.11", "Receive Bad Packets", itCounter, acReadOnly},
    {"1.3.6.1.3.62.1.1.4.1.12", "Receive Bad Routes", itCounter, acReadOnly},
    {},
};

constexpr MibTableRow DVMRPInformationUpstreamNeighborTable[] = {
    {"1.3.6.1.3.62.1.1.5.1.1", "Source", itIpAddress, acNotAccess},
    {"1.3.6.1.3.62.1.1.5.1.2", "Source Mask", itIpAddress, acNotAccess},
    {"1.3.6.1.3.62.1.1.5.1.3", "Upstream Neighbor", itIpAddress, acReadOnly},
    {"1.3.6.1.3.62.1.1.5.1.4", "Interface Index", itInteger, acReadOnly},
    {"1.3.6.1.3.62.1.1.5.1.5", "Metric", itInteger, acReadOnly},
    {"1.3.6.1.3.62.1.1.5.1.6", "Expiry Time", itTimeTicks, acReadOnly},
    {"1.3.6.1.3.62.1.1.5.1.7", "Up Time", itTimeTicks, acReadOnly},
    {},
};

constexpr MibTableRow DVMRPInformationTypeTable[] = {
    {"1.3.6.1.3.62.1.1.6.1.1", "Source", itIpAddress, acNotAccess},
    {"1.3.6.1.3.62.1.1.6.1.2", "Source Mask", itIpAddress, acNotAccess},
    {"1.3.6.1.3.62.1.1.6.1.3", "Interface Index", itInteger, acNotAccess},
    {"1.3.6.1.3.62.1.1.6.1.4", "Type", itInteger, acReadOnly, &LeafBranchList},
    {},
};

constexpr MibTableRow McastroutingLocalAddressTable[] = {
    {"1.3.6.1.3.62.1.1.3.1.1", "Interface Index", itInteger, acNotAccess},
    {"1.3.6.1.3.62.1.1.3.1.4", "Local Address", itIpAddress, acReadOnly},
    {"1.3.6.1.3.62.1.1.3.1.7", "Metric", itInteger, acReadWrite},
    {"1.3.6.1.3.62.1.1.3.1.13", "State", itInteger, acReadWrite, &ActiveNotInServiceList},
    {"1.3.6.1.3.62.1.1.3.1.14", "Receive Bad Packets", itCounter, acReadOnly},
    {"1.3.6.1.3.62.1.1.3.1.15", "Receive Bad Routes", itCounter, acReadOnly},
    {},
};
