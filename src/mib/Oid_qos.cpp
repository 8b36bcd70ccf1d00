// Columns stay in this order even where their arcs do not ascend: dialogs address them by position.
#include "Oid_qos.h"

#include "CatalogueOptionLists.h"

constexpr MibTableRow QoSBandwidthControlTable[] = {
    {"1.3.6.1.4.1.746.12.61.3.1.1.1", "Port", itInteger, acNotAccess},
    {"1.3.6.1.4.1.746.12.61.3.1.1.2", "RX Rate", itInteger, acReadWrite},
    {"1.3.6.1.4.1.746.12.61.3.1.1.3", "TX Rate", itInteger, acReadWrite},
    {"1.3.6.1.4.1.746.12.61.3.1.1.4", "Effective RX Rate", itInteger, acReadOnly},
    {"1.3.6.1.4.1.746.12.61.3.1.1.5", "Effective TX Rate", itInteger, acReadOnly},
    {},
};

constexpr MibTableRow QoSSchedulingTable[] = {
    {"1.3.6.1.4.1.746.12.61.3.2.1.1", "Port", itInteger, acNotAccess},
    {"1.3.6.1.4.1.746.12.61.3.2.1.2", "Class ID", itInteger, acNotAccess},
    {"1.3.6.1.4.1.746.12.61.3.2.1.3", "Weight", itInteger, acReadWrite},
    {"1.3.6.1.4.1.746.12.61.3.2.1.4", "Mechanism", itInteger, acReadWrite, &StrictWrrList},
    {"1.3.6.1.4.1.746.12.61.3.2.1.5", "Mechanism Effective ", itInteger, acReadOnly, &StrictWrrList},
    {},
};

constexpr MibTableRow QoS8021pDefaultPriorityTable[] = {
    {" ", "Base Port", itInteger, acNotAccess},
    {"1.3.6.1.4.1.746.12.61.3.3.1.1", "Priority", itInteger, acReadOnly},
    {},
};

constexpr MibTableRow QoSHOLPreventionSettings[] = {
    {"1.3.6.1.4.1.746.12.61.3.4.6", "State", itInteger, acReadWrite, &EnabledDisabledList},
    {},
};

constexpr MibTableRow QosDefaultPrioritySettings[] = {
    {"1.3.6.1.4.1.746.12.61.3.5.1", "Default Priority", itInteger, acReadWrite, &OtherActionList},
    {"1.3.6.1.4.1.746.12.61.3.5.2", "Packets Priority", itInteger, acReadWrite},
    {},
};

constexpr MibTableRow QosColorTable[] = {
    {"1.3.6.1.4.1.746.12.61.3.6.1.1.1", "Port Index", itInteger, acNotAccess},
    {"1.3.6.1.4.1.746.12.61.3.6.1.1.2", "Priority Index", itInteger, acNotAccess},
    {"1.3.6.1.4.1.746.12.61.3.6.1.1.3", "Color", itInteger, acReadWrite, &GreenRedYellowList},
    {},
};

constexpr MibTableRow QoSDSCPTrustPortControlTable[] = {
    {"1.3.6.1.4.1.746.12.61.3.7.1.1.1", "Port Index", itInteger, acNotAccess},
    {"1.3.6.1.4.1.746.12.61.3.7.1.1.2", "Control State", itInteger, acReadWrite, &EnabledDisabledList},
    {},
};

constexpr MibTableRow Qos8021pPriorityTable[] = {
    {"1.3.6.1.4.1.746.12.61.3.8.1.1.1", "Port Index", itInteger, acNotAccess},
    {"1.3.6.1.4.1.746.12.61.3.8.1.1.2", "DSCP Index", itInteger, acNotAccess},
    {"1.3.6.1.4.1.746.12.61.3.8.1.1.3", "802.1p Priority", itInteger, acReadWrite},
    {"1.3.6.1.4.1.746.12.61.3.8.1.1.4", "New DSCP", itInteger, acReadWrite},
    {},
};

constexpr MibTableRow QosMinimumRateTable[] = {
    {"1.3.6.1.4.1.746.12.61.3.9.1.1", "Port", itInteger, acNotAccess},
    {"1.3.6.1.4.1.746.12.61.3.9.1.2", "Class ID", itInteger, acNotAccess},
    {"1.3.6.1.4.1.746.12.61.3.9.1.3", "Minimum Rate", itInteger, acReadWrite},
    {"1.3.6.1.4.1.746.12.61.3.9.1.4", "Maximum Rate", itInteger, acReadWrite},
    {},
};

constexpr MibTableRow QoS8021pUserPriorityTable[] = {
    {"1.3.6.1.4.1.746.12.61.3.10.1.1", "Port", itInteger, acNotAccess},
    {"1.3.6.1.4.1.746.12.61.3.10.1.2", "Index", itInteger, acNotAccess},
    {"1.3.6.1.4.1.746.12.61.3.10.1.3", "Class ID", itInteger, acReadWrite},
    {},
};

constexpr MibTableRow CoSBrandwidthctrlTable[] = {
    {"1.3.6.1.4.1.746.12.61.3.9.1.1", "Port", itInteger, acNotAccess},
    {"1.3.6.1.4.1.746.12.61.3.9.1.2", "Queue ID", itInteger, acNotAccess},
    {"1.3.6.1.4.1.746.12.61.3.9.1.3", "Minimum Rate", itInteger, acReadWrite},
    {"1.3.6.1.4.1.746.12.61.3.9.1.4", "Maximum Rate", itInteger, acReadWrite},
    {},
};

constexpr MibTableRow QoSScheduleProfileTable[] = {
    {"1.3.6.1.4.1.746.12.61.3.10.1.1", "Profile ID", itInteger, acNotAccess},
    {"1.3.6.1.4.1.746.12.61.3.10.1.2", "Queue ID", itInteger, acNotAccess},
    {"1.3.6.1.4.1.746.12.61.3.10.1.3", "Mechanism", itInteger, acReadWrite, &StrictWrrList},
    {"1.3.6.1.4.1.746.12.61.3.10.1.4", "Weight", itInteger, acReadWrite},
    {},
};

constexpr MibTableRow QosMemberPortsTable[] = {
    {" ", "Profile ID", itInteger, acNotAccess},
    {"1.3.6.1.4.1.746.12.61.3.11.1.1", "Member Ports", itBitList, acReadWrite},
    {},
};

constexpr MibTableRow QosColorTable2[] = {
    {"1.3.6.1.4.1.746.12.61.3.6.2.1.1", "Priority Index", itInteger, acNotAccess},
    {"1.3.6.1.4.1.746.12.61.3.6.2.1.2", "Color", itInteger, acReadWrite, &GreenRedYellowList},
    {},
};

constexpr MibTableRow QoSDSCPMapGlobalControlTable[] = {
    {"1.3.6.1.4.1.746.12.61.3.8.1.1.1", "Port Index", itInteger, acNotAccess},
    {"1.3.6.1.4.1.746.12.61.3.8.1.1.2", "DSCP Index", itInteger, acNotAccess},
    {"1.3.6.1.4.1.746.12.61.3.8.1.1.3", "802.1p Priority", itInteger, acReadWrite},
    {"1.3.6.1.4.1.746.12.61.3.8.1.1.4", "New DSCP", itInteger, acReadWrite},
    {},
};

constexpr MibTableRow SREDGlobalSettings[] = {
    {"1.3.6.1.4.1.746.12.51.1.1", "Global State", itInteger, acReadWrite, &EnabledDisabledList},
    {},
};

constexpr MibTableRow SREDDropCounterTable[] = {
    {"1.3.6.1.4.1.746.12.51.2.1.1.1", "Port Index", itInteger, acNotAccess},
    {"1.3.6.1.4.1.746.12.51.2.1.1.2", "Low Drop Counter", itCounter, acReadOnly},
    {"1.3.6.1.4.1.746.12.51.2.1.1.3", "High Drop Counter", itCounter, acReadOnly},
    {},
};

constexpr MibTableRow SREDControlTable[] = {
    {"1.3.6.1.4.1.746.12.51.3.1.1.1", "Port Index", itInteger, acNotAccess},
    {"1.3.6.1.4.1.746.12.51.3.1.1.2", "Class Index", itInteger, acNotAccess},
    {"1.3.6.1.4.1.746.12.51.3.1.1.3", "Threshold Low", itInteger, acReadWrite},
    {"1.3.6.1.4.1.746.12.51.3.1.1.4", "Threshold High", itInteger, acReadWrite},
    {"1.3.6.1.4.1.746.12.51.3.1.1.5", "DropRate Low", itInteger, acReadWrite},
    {"1.3.6.1.4.1.746.12.51.3.1.1.6", "DropRate High", itInteger, acReadWrite},
    {"1.3.6.1.4.1.746.12.51.3.1.1.7", "DropGreen State", itInteger, acReadWrite, &EnabledDisabledList},
    {},
};

constexpr MibTableRow Ieee8021pMapSettings[] = {
    {"1.3.6.1.4.1.746.12.51.3.2.1.1", "Port Index", itInteger, acNotAccess},
    {"1.3.6.1.4.1.746.12.51.3.2.1.2", "Priority Index", itInteger, acNotAccess},
    {"1.3.6.1.4.1.746.12.51.3.2.1.3", "Color", itInteger, acReadWrite, &GreenRedYellowList},
    {},
};

constexpr MibTableRow DSCPTrustedPortControlTable[] = {
    {"1.3.6.1.4.1.746.12.51.3.3.1.1", "Port Index", itInteger, acNotAccess},
    {"1.3.6.1.4.1.746.12.51.3.3.1.2", "State", itInteger, acReadWrite, &EnabledDisabledList},
    {},
};

constexpr MibTableRow SREDDSCPMapControlTable[] = {
    {"1.3.6.1.4.1.746.12.51.3.4.1.1", "Port Index", itInteger, acNotAccess},
    {"1.3.6.1.4.1.746.12.51.3.4.1.2", "DSCP Index", itInteger, acNotAccess},
    {"1.3.6.1.4.1.746.12.51.3.4.1.3", "802.1p Priority", itInteger, acReadWrite},
    {"1.3.6.1.4.1.746.12.51.3.4.1.4", "New DSCP", itInteger, acReadWrite},
    {"1.3.6.1.4.1.746.12.51.3.4.1.5", "Color", itInteger, acReadWrite, &GreenRedYellowList},
    {},
};

constexpr MibTableRow WREDGlobalSettings[] = {
    {"1.3.6.1.4.1.746.12.31.1.1", "Global State", itInteger, acReadWrite, &DisabledEnabledList},
    {},
};

constexpr MibTableRow QosAverageTimeTable[] = {
    {"1.3.6.1.4.1.746.12.31.3.1.1.1", "Port Index", itInteger, acNotAccess},
    {"1.3.6.1.4.1.746.12.31.3.1.1.2", "Average Time", itInteger, acReadWrite},
    {},
};

constexpr MibTableRow QosDropStartTable[] = {
    {"1.3.6.1.4.1.746.12.31.3.2.1.1", "Port Index", itInteger, acNotAccess},
    {"1.3.6.1.4.1.746.12.31.3.2.1.2", "Class Index", itInteger, acNotAccess},
    {"1.3.6.1.4.1.746.12.31.3.2.1.3", "Drop Start", itInteger, acReadWrite},
    {"1.3.6.1.4.1.746.12.31.3.2.1.4", "Drop Slope", itInteger, acReadWrite},
    {},
};

constexpr MibTableRow QosAllPortAverageTimeSettings[] = {
    {"1.3.6.1.4.1.746.12.31.3.3", "All Port Average Time", itInteger, acReadWrite},
    {},
};

constexpr MibTableRow WREDProfileTable[] = {
    {"1.3.6.1.4.1.746.12.31.3.4.1.1", "Profile Index (1-128)", itInteger, acNotAccess},
    {"1.3.6.1.4.1.746.12.31.3.4.1.2", "Profile Name", itDisplayString, acReadWrite},
    {"1.3.6.1.4.1.746.12.31.3.4.1.3", "Row Status", itInteger, acReadWrite, &RowStatusList},
    {},
};

constexpr MibTableRow WREDProfileConfigurationTable[] = {
    {"1.3.6.1.4.1.746.12.31.3.5.1.1", "Index", itInteger, acNotAccess},
    {"1.3.6.1.4.1.746.12.31.3.5.1.2", "Packet Type", itInteger, acNotAccess, &TcpNonTcpList},
    {"1.3.6.1.4.1.746.12.31.3.5.1.3", "Packet Color", itInteger, acNotAccess, &GreenYellowRedList},
    {"1.3.6.1.4.1.746.12.31.3.5.1.4", "Min Threshold (0-100)", itInteger, acReadWrite},
    {"1.3.6.1.4.1.746.12.31.3.5.1.5", "Max Threshold (0-100)", itInteger, acReadWrite},
    {"1.3.6.1.4.1.746.12.31.3.5.1.6", "Max DropRate (0-100)", itInteger, acReadWrite},
    {},
};

constexpr MibTableRow WREDPortProfileTable[] = {
    {"1.3.6.1.4.1.746.12.31.3.6.1.1", "Port Index", itInteger, acNotAccess},
    {"1.3.6.1.4.1.746.12.31.3.6.1.2", "Class Index", itInteger, acNotAccess},
    {"1.3.6.1.4.1.746.12.31.3.6.1.3", "Profile ID", itInteger, acReadWrite},
    {"1.3.6.1.4.1.746.12.31.3.6.1.4", "Weight Number", itInteger, acReadWrite},
    {},
};
