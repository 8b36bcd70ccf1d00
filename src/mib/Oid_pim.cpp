// Columns stay in this order even where their arcs do not ascend: dialogs address them by position.
#include "Oid_pim.h"

#include "CatalogueOptionLists.h"

constexpr MibTableRow PIMGlobalStateSettings[] = {
    {"1.3.6.1.4.1.746.12.52.1.1", "Global State", itInteger, acReadWrite, &DisabledEnabledList2},
    {},
};

constexpr MibTableRow PIMmgmtInformSettings[] = {
    {"1.3.6.1.4.1.746.12.52.2.1", "Probe Time", itInteger, acReadWrite},
    {"1.3.6.1.4.1.746.12.52.2.2", "Suppression Time", itInteger, acReadWrite},
    {},
};

constexpr MibTableRow PIMInformationTable[] = {
    {"1.3.6.1.4.1.746.12.52.2.3.1.1", "Interface", itInteger, acNotAccess},
    {"1.3.6.1.4.1.746.12.52.2.3.1.2", "Address", itIpAddress, acReadOnly},
    {"1.3.6.1.4.1.746.12.52.2.3.1.3", "Net Mask", itIpAddress, acReadOnly},
    {"1.3.6.1.4.1.746.12.52.2.3.1.4", "Designated Router", itIpAddress, acReadOnly},
    {"1.3.6.1.4.1.746.12.52.2.3.1.5", "Hello Interval", itInteger, acReadWrite},
    {"1.3.6.1.4.1.746.12.52.2.3.1.6", "Join Prune Interval", itInteger, acReadWrite},
    {"1.3.6.1.4.1.746.12.52.2.3.1.7", "DR Priority", itGauge, acReadWrite},
    {"1.3.6.1.4.1.746.12.52.2.3.1.8", "Mode", itInteger, acReadWrite, &DenseSparseSparseDenseList},
    {"1.3.6.1.4.1.746.12.52.2.3.1.9", "State", itInteger, acReadWrite, &EnabledDisabledList},
    {},
};

constexpr MibTableRow PIMCBSRInformationManagementSettings[] = {
    {"1.3.6.1.4.1.746.12.52.3.1.1", "Boot Strap Period", itInteger, acReadWrite},
    {"1.3.6.1.4.1.746.12.52.3.1.2", "Hash Mask Length", itInteger, acReadWrite},
    {},
};

constexpr MibTableRow PIMCBSRTable[] = {
    {"1.3.6.1.4.1.746.12.52.3.1.3.1.1", "Interface", itInteger, acNotAccess},
    {"1.3.6.1.4.1.746.12.52.3.1.3.1.2", "IP Address", itIpAddress, acReadOnly},
    {"1.3.6.1.4.1.746.12.52.3.1.3.1.3", "Subnet Mask", itIpAddress, acReadOnly},
    {"1.3.6.1.4.1.746.12.52.3.1.3.1.4", "Priority", itInteger, acReadWrite},
    {},
};

constexpr MibTableRow PIMCandidateRPManagementSettings[] = {
    {"1.3.6.1.4.1.746.12.52.3.2.1", "Hold Time", itInteger, acReadWrite},
    {"1.3.6.1.4.1.746.12.52.3.2.2", "Priority", itInteger, acReadWrite},
    {"1.3.6.1.4.1.746.12.52.3.2.3", " Wildcard Prefix-Cnt", itInteger, acReadWrite},
    {},
};

constexpr MibTableRow PIMCandidateRPTable[] = {
    {"1.3.6.1.4.1.746.12.52.3.2.4.1.1", "Group Address", itIpAddress, acNotAccess},
    {"1.3.6.1.4.1.746.12.52.3.2.4.1.2", "Group Mask", itIpAddress, acNotAccess},
    {"1.3.6.1.4.1.746.12.52.3.2.4.1.3", "Interface Name", itDisplayString, acReadWrite},
    {"1.3.6.1.4.1.746.12.52.3.2.4.1.4", "Row Status", itInteger, acReadWrite, &RowStatusList},
    {},
};

constexpr MibTableRow PIMNeighborTable[] = {
    {"1.3.6.1.4.1.746.12.52.3.3.1.1", "Neighbor Address", itIpAddress, acNotAccess},
    {"1.3.6.1.4.1.746.12.52.3.3.1.2", "Interface Index", itInteger, acReadOnly},
    {"1.3.6.1.4.1.746.12.52.3.3.1.3", "Expiry Time", itTimeTicks, acReadOnly},
    {},
};

constexpr MibTableRow PIMSPTSettings[] = {
    {"1.3.6.1.4.1.746.12.52.3.4.3", "Last Hop SPT Switch over", itInteger, acReadWrite,
     &NeverImmediatelyList},
    {},
};

constexpr MibTableRow PIMRegisterChecksumIncludingDataInformationTable[] = {
    {"1.3.6.1.4.1.746.12.52.3.5.1.1", "RP Address", itIpAddress, acNotAccess},
    {"1.3.6.1.4.1.746.12.52.3.5.1.2", "Row Status", itInteger, acReadWrite, &RowStatusList},
    {},
};

constexpr MibTableRow PIMStaticRPTable[] = {
    {"1.3.6.1.4.1.746.12.52.3.6.1.1", "Group Address", itIpAddress, acNotAccess},
    {"1.3.6.1.4.1.746.12.52.3.6.1.2", "Group Mask", itIpAddress, acNotAccess},
    {"1.3.6.1.4.1.746.12.52.3.6.1.3", "Address", itIpAddress, acNotAccess},
    {"1.3.6.1.4.1.746.12.52.3.6.1.4", "Row Status", itInteger, acReadWrite, &RowStatusList},
    {},
};

constexpr MibTableRow PimUpstreamAssertTimerTable[] = {
    {"1.3.6.1.4.1.746.12.52.3.7.1.1", "Group", itIpAddress, acNotAccess},
    {"1.3.6.1.4.1.746.12.52.3.7.1.2", "Source Address ", itIpAddress, acNotAccess},
    {"1.3.6.1.4.1.746.12.52.3.7.1.3", "Source Mask", itIpAddress, acNotAccess},
    {"1.3.6.1.4.1.746.12.52.3.7.1.4", "Upstream Assert Timer", itTimeTicks, acReadOnly},
    {"1.3.6.1.4.1.746.12.52.3.7.1.5", "Assert Metric", itInteger, acReadOnly},
    {"1.3.6.1.4.1.746.12.52.3.7.1.6", "Assert Metric Preference", itInteger, acReadOnly},
    {"1.3.6.1.4.1.746.12.52.3.7.1.7", "Assert RPT Bit", itInteger, acReadOnly, &TruthValueList},
    {"1.3.6.1.4.1.746.12.52.3.7.1.8", "Flags", itDisplayString, acReadOnly},
    {"1.3.6.1.4.1.746.12.52.3.7.1.9", "Type", itDisplayString, acReadOnly},
    {},
};

constexpr MibTableRow PIMRPBootStrapRouterInformation[] = {
    {"1.3.6.1.4.1.746.12.52.3.8.1", "Router Address", itIpAddress, acReadOnly},
    {},
};

constexpr MibTableRow PIMMulticastRouteTypeSettings[] = {
    {"1.3.6.1.4.1.746.12.52.3.8.2.1.1", "Component", itInteger, acNotAccess},
    {"1.3.6.1.4.1.746.12.52.3.8.2.1.2", "Group Address", itIpAddress, acNotAccess},
    {"1.3.6.1.4.1.746.12.52.3.8.2.1.3", "Group Mask", itIpAddress, acNotAccess},
    {"1.3.6.1.4.1.746.12.52.3.8.2.1.4", "Address", itIpAddress, acNotAccess},
    {"1.3.6.1.4.1.746.12.52.3.8.2.1.5", "Type", itInteger, acReadOnly, &NoneStaticDynamicList},
    {"1.3.6.1.4.1.746.12.52.3.8.2.1.6", "Hold Time", itInteger, acReadOnly},
    {"1.3.6.1.4.1.746.12.52.3.8.2.1.7", "Up Time", itTimeTicks, acReadOnly},
    {"1.3.6.1.4.1.746.12.52.3.8.2.1.8", "Expiry Time", itTimeTicks, acReadOnly},
    {},
};

constexpr MibTableRow PIMMulticastRouteUpstreamAssertTimerSettings[] = {
    {"1.3.6.1.4.1.746.12.52.3.7.1.1", "Group", itIpAddress, acNotAccess},
    {"1.3.6.1.4.1.746.12.52.3.7.1.2", "Source", itIpAddress, acNotAccess},
    {"1.3.6.1.4.1.746.12.52.3.7.1.3", "Source Mask", itIpAddress, acNotAccess},
    {"1.3.6.1.4.1.746.12.52.3.7.1.4", "Upstream Assert Timer", itTimeTicks, acReadOnly},
    {"1.3.6.1.4.1.746.12.52.3.7.1.5", "Assert Metric", itInteger, acReadOnly},
    {"1.3.6.1.4.1.746.12.52.3.7.1.6", "Assert Metric Preference", itInteger, acReadOnly},
    {"1.3.6.1.4.1.746.12.52.3.7.1.7", "Assert RPT Bit", itInteger, acReadOnly, &TruthValueList},
    {"1.3.6.1.4.1.746.12.52.3.7.1.8", "Flags", itOctetString, acReadOnly},
    {"1.3.6.1.4.1.746.12.52.3.7.1.9", "Type", itDisplayString, acReadOnly},
    {},
};

constexpr MibTableRow PimGlobalStateSettings[] = {
    {"1.3.6.1.4.1.746.12.52.4.1", "Global State", itInteger, acReadWrite, &EnabledDisabledList},
    {},
};

constexpr MibTableRow PimRowStatusTable[] = {
    {"1.3.6.1.4.1.746.12.52.4.2.1.1", "Group Address", itIpAddress, acNotAccess},
    {"1.3.6.1.4.1.746.12.52.4.2.1.2", "Group Mask", itIpAddress, acNotAccess},
    {"1.3.6.1.4.1.746.12.52.4.2.1.3", "Row Status", itInteger, acReadWrite, &RowStatusList},
    {},
};

constexpr MibTableRow PIMSSMSettings[] = {
    {"1.3.6.1.4.1.746.12.52.4.1", "Global State", itInteger, acReadWrite, &EnabledDisabledList},
    {"1.3.6.1.4.1.746.12.52.4.2", "Group Address", itIpAddress, acReadWrite},
    {"1.3.6.1.4.1.746.12.52.4.3", "Group Mask", itIpAddress, acReadWrite},
    {},
};
