// Columns stay in this order even where their arcs do not ascend: dialogs address them by position.
#include "Oid_lagoam.h"

#include "CatalogueOptionLists.h"

constexpr MibTableRow Ieee8023adAggregatorTable[] = {
    {"1.2.840.10006.300.43.1.1.1.1.1", "Index", itInteger, acNotAccess},
    {"1.2.840.10006.300.43.1.1.1.1.2", "MAC Address", itMacAddress, acReadOnly},
    {"1.2.840.10006.300.43.1.1.1.1.3", "Actor System Priority", itInteger, acReadOnly},
    {"1.2.840.10006.300.43.1.1.1.1.4", "Actor System ID", itMacAddress, acReadOnly},
    {"1.2.840.10006.300.43.1.1.1.1.5", "Aggregate Or Individual", itInteger, acReadOnly, &TruthValueList},
    {"1.2.840.10006.300.43.1.1.1.1.6", "Actor Administration Value Key", itInteger, acReadWrite},
    {"1.2.840.10006.300.43.1.1.1.1.7", "Actor Operational Value Key", itInteger, acReadOnly},
    {"1.2.840.10006.300.43.1.1.1.1.8", "Partner System ID", itMacAddress, acReadOnly},
    {"1.2.840.10006.300.43.1.1.1.1.9", "Partner System Priority", itInteger, acReadOnly},
    {"1.2.840.10006.300.43.1.1.1.1.10", "Partner Operational Value Key", itInteger, acReadOnly},
    {"1.2.840.10006.300.43.1.1.1.1.11", "Collector Max Delay", itInteger, acReadOnly},
    {},
};

constexpr MibTableRow Ieee8023adAggregatorPortsListTable[] = {
    {"1.2.840.10006.300.43.1.1.1.1.1", "Index", itInteger, acNotAccess},
    {"1.2.840.10006.300.43.1.1.2.1.1", "Ports      ", itBitList, acReadOnly},
    {},
};

constexpr MibTableRow AggregatorPortTable[] = {
    {"1.2.840.10006.300.43.1.2.1.1.1", "Port Index", itInteger, acNotAccess},
    {"1.2.840.10006.300.43.1.2.1.1.2", "Actor System Priority", itInteger, acReadOnly},
    {"1.2.840.10006.300.43.1.2.1.1.3", "Actor System ID", itMacAddress, acReadOnly},
    {"1.2.840.10006.300.43.1.2.1.1.4", "Actor Administration Key", itInteger, acReadWrite},
    {"1.2.840.10006.300.43.1.2.1.1.5", "Actor Operation Key", itInteger, acReadOnly},
    {"1.2.840.10006.300.43.1.2.1.1.6", "Partner Administration System Priority", itInteger, acReadOnly},
    {"1.2.840.10006.300.43.1.2.1.1.7", "Partner Operation System Priority", itInteger, acReadOnly},
    {"1.2.840.10006.300.43.1.2.1.1.8", "Partner Administration System ID", itMacAddress, acReadWrite},
    {"1.2.840.10006.300.43.1.2.1.1.9", "Partner Operation System ID", itMacAddress, acReadOnly},
    {"1.2.840.10006.300.43.1.2.1.1.10", "Partner Administration Key", itInteger, acReadWrite},
    {"1.2.840.10006.300.43.1.2.1.1.11", "Partner Operation Key", itInteger, acReadOnly},
    {"1.2.840.10006.300.43.1.2.1.1.12", "Selected Aggregation ID", itInteger, acReadOnly},
    {"1.2.840.10006.300.43.1.2.1.1.13", "Attached Aggregation ID", itInteger, acReadOnly},
    {"1.2.840.10006.300.43.1.2.1.1.14", "Actor Port", itInteger, acReadOnly},
    {"1.2.840.10006.300.43.1.2.1.1.15", "Actor Port Priority", itInteger, acReadOnly},
    {"1.2.840.10006.300.43.1.2.1.1.16", "Partner Administration Port", itInteger, acReadOnly},
    {"1.2.840.10006.300.43.1.2.1.1.17", "Partner Operation Port", itInteger, acReadOnly},
    {"1.2.840.10006.300.43.1.2.1.1.18", "Partner Administration Port Priority", itInteger, acReadOnly},
    {"1.2.840.10006.300.43.1.2.1.1.19", "Partner Operation Port Priority", itInteger, acReadOnly},
    {"1.2.840.10006.300.43.1.2.1.1.20", "Actor Administration State", itBitList, acReadWrite},
    {"1.2.840.10006.300.43.1.2.1.1.21", "Actor Operation State", itBitList, acReadOnly},
    {"1.2.840.10006.300.43.1.2.1.1.22", "Partner Administration State", itBitList, acReadWrite},
    {"1.2.840.10006.300.43.1.2.1.1.23", "Partner Operation State", itBitList, acReadOnly},
    {"1.2.840.10006.300.43.1.2.1.1.24", "Aggregate Or Individual", itInteger, acReadOnly, &TruthValueList},
    {},
};

constexpr MibTableRow Dot3OAMTable[] = {
    {" ", "IF Index", itInteger, acNotAccess},
    {"1.3.6.1.2.1.158.1.1.1.1", "Administration State", itInteger, acReadWrite, &EnabledDisabledList},
    {"1.3.6.1.2.1.158.1.1.1.2", "Operation Status", itInteger, acReadOnly, &Dot3OamOperStatusList},
    {"1.3.6.1.2.1.158.1.1.1.3", " Mode", itInteger, acReadWrite, &PassiveActiveList},
    {"1.3.6.1.2.1.158.1.1.1.4", "Max OAM PDU Size", itGauge, acReadOnly},
    {"1.3.6.1.2.1.158.1.1.1.5", "PDU Revision", itGauge, acReadOnly},
    {"1.3.6.1.2.1.158.1.1.1.6", "Functions Supported", itOctetString, acReadOnly},
    {},
};

constexpr MibTableRow Dot3OAMPeerTable[] = {
    {" ", "IF Index", itInteger, acNotAccess},
    {"1.3.6.1.2.1.158.1.2.1.1", "MAC Address", itMacAddress, acReadOnly},
    {"1.3.6.1.2.1.158.1.2.1.2", "Vendor OUI", itDisplayString, acReadOnly},
    {"1.3.6.1.2.1.158.1.2.1.4", "Mode", itInteger, acReadOnly, &PassiveActiveUnknownList},
    {"1.3.6.1.2.1.158.1.2.1.5", "Max OAM PDU Size", itGauge, acReadOnly},
    {"1.3.6.1.2.1.158.1.2.1.6", "PDU Revision", itGauge, acReadOnly},
    {"1.3.6.1.2.1.158.1.2.1.7", "Functions Supported", itOctetString, acReadOnly},
    {},
};

constexpr MibTableRow Dot3OAMLoopbackTable[] = {
    {" ", "IF Index", itInteger, acNotAccess},
    {"1.3.6.1.2.1.158.1.3.1.1", "Loopback Status", itInteger, acReadWrite,
     &NoLoopbackInitiatingLoopbaRemoteLoopbackList},
    {"1.3.6.1.2.1.158.1.3.1.2", "Loopback Ignore RX", itInteger, acReadWrite, &IgnoreProcessList},
    {},
};

constexpr MibTableRow Dot3OAMStatisticsTable[] = {
    {" ", "IF Index", itInteger, acNotAccess},
    {"1.3.6.1.2.1.158.1.4.1.1", "Information TX", itCounter, acReadOnly},
    {"1.3.6.1.2.1.158.1.4.1.2", "Information RX", itCounter, acReadOnly},
    {"1.3.6.1.2.1.158.1.4.1.3", "Unique Event Notification TX", itCounter, acReadOnly},
    {"1.3.6.1.2.1.158.1.4.1.4", "Unique Event Notification RX", itCounter, acReadOnly},
    {"1.3.6.1.2.1.158.1.4.1.5", "Duplicate Event Notification TX", itCounter, acReadOnly},
    {"1.3.6.1.2.1.158.1.4.1.6", "Duplicate Event Notification RX", itCounter, acReadOnly},
    {"1.3.6.1.2.1.158.1.4.1.7", "Loopback Control TX", itCounter, acReadOnly},
    {"1.3.6.1.2.1.158.1.4.1.8", "Loopback Control RX", itCounter, acReadOnly},
    {"1.3.6.1.2.1.158.1.4.1.9", "Variable Request TX", itCounter, acReadOnly},
    {"1.3.6.1.2.1.158.1.4.1.10", "Variable Request RX", itCounter, acReadOnly},
    {"1.3.6.1.2.1.158.1.4.1.11", "Variable Response TX", itCounter, acReadOnly},
    {"1.3.6.1.2.1.158.1.4.1.12", "Variable Response RX", itCounter, acReadOnly},
    {"1.3.6.1.2.1.158.1.4.1.13", "Organization Specific TX", itCounter, acReadOnly},
    {"1.3.6.1.2.1.158.1.4.1.14", "Organization Specific RX", itCounter, acReadOnly},
    {"1.3.6.1.2.1.158.1.4.1.15", "Unsupported Codes TX", itCounter, acReadOnly},
    {"1.3.6.1.2.1.158.1.4.1.16", "Unsupported Codes RX", itCounter, acReadOnly},
    {"1.3.6.1.2.1.158.1.4.1.17", "Frames Lost Due To OAM", itCounter, acReadOnly},
    {},
};

constexpr MibTableRow Dot3OAMEventConfigurationTable[] = {
    {" ", "IF Index", itInteger, acNotAccess},
    {"1.3.6.1.2.1.158.1.5.1.1", "Error Symbol Period Window High", itGauge, acReadOnly},
    {"1.3.6.1.2.1.158.1.5.1.2", "Error Symbol Period Window Low (unit:ms)", itGauge, acReadWrite},
    {"1.3.6.1.2.1.158.1.5.1.3", "Error Symbol Period Threshold High", itGauge, acReadOnly},
    {"1.3.6.1.2.1.158.1.5.1.4", "Error Symbol Period Threshold Low", itGauge, acReadWrite},
    {"1.3.6.1.2.1.158.1.5.1.5", "Error Symbol Period Event Notification Enable", itInteger, acReadWrite,
     &TruthValueList},
    {"1.3.6.1.2.1.158.1.5.1.6", "Error Frame Period Window", itGauge, acReadWrite},
    {"1.3.6.1.2.1.158.1.5.1.7", "Error Frame Period Threshold", itGauge, acReadWrite},
    {"1.3.6.1.2.1.158.1.5.1.8", "Error Frame Period Event Notification Enable", itInteger, acReadWrite,
     &TruthValueList},
    {"1.3.6.1.2.1.158.1.5.1.9", "Error Frame Window (unit:ms)", itGauge, acReadWrite},
    {"1.3.6.1.2.1.158.1.5.1.10", "Error Frame Threshold", itGauge, acReadWrite},
    {"1.3.6.1.2.1.158.1.5.1.11", "Error Frame Event Notification Enable", itInteger, acReadWrite,
     &TruthValueList},
    {"1.3.6.1.2.1.158.1.5.1.12", "Error Frame Secs Summary Window (unit:100ms)", itInteger, acReadWrite},
    {"1.3.6.1.2.1.158.1.5.1.13", "Error Frame Secs Summary Threshold", itInteger, acReadWrite},
    {"1.3.6.1.2.1.158.1.5.1.14", "Error Frame Secs Event Notification Enable", itInteger, acReadWrite,
     &TruthValueList},
    {"1.3.6.1.2.1.158.1.5.1.15", "Dying Gasp Enable", itInteger, acReadWrite, &TruthValueList},
    {"1.3.6.1.2.1.158.1.5.1.16", "Critical Event Enable", itInteger, acReadWrite, &TruthValueList},
    {},
};

constexpr MibTableRow Dot3OAMEventLogTable[] = {
    {" ", "IF Index", itInteger, acNotAccess},
    {"1.3.6.1.2.1.158.1.6.1.1", "Event Log Index", itInteger, acNotAccess},
    {"1.3.6.1.2.1.158.1.6.1.2", "Event Log Timestamp", itTimeTicks, acReadOnly},
    {"1.3.6.1.2.1.158.1.6.1.3", "Event Log OUI", itOctetString, acReadOnly},
    {"1.3.6.1.2.1.158.1.6.1.4", "Event Log Type", itGauge, acReadOnly,
     &ErroredSymbolEveErroredFramePeriErroredFList},
    {"1.3.6.1.2.1.158.1.6.1.5", "Event Log Location", itInteger, acReadOnly, &LocalRemoteList},
    {"1.3.6.1.2.1.158.1.6.1.6", "Event Log Window High", itGauge, acReadOnly},
    {"1.3.6.1.2.1.158.1.6.1.7", "Event Log Window Low", itGauge, acReadOnly},
    {"1.3.6.1.2.1.158.1.6.1.8", "Event Log  Threshold High", itGauge, acReadOnly},
    {"1.3.6.1.2.1.158.1.6.1.9", "Event Log Threshold Low", itGauge, acReadOnly},
    {"1.3.6.1.2.1.158.1.6.1.12", "Event Log Event Total", itGauge, acReadOnly},
    {},
};

constexpr MibTableRow LocalLoopbackConfigurationTable[] = {
    {"1.3.6.1.4.1.746.12.67.3.1.1.1", "Port", itInteger, acNotAccess},
    {"1.3.6.1.4.1.746.12.67.3.1.1.2", "Method", itInteger, acReadWrite, &OtherInternalExternalList},
    {"1.3.6.1.4.1.746.12.67.3.1.1.3", "Mode", itInteger, acReadWrite, &OtherMacPhyCopperList},
    {"1.3.6.1.4.1.746.12.67.3.1.1.4", "State", itInteger, acReadWrite, &EnabledDisabledList},
    {},
};

constexpr MibTableRow LocalLoopbackResultTable[] = {
    {" ", "Port", itInteger, acNotAccess},
    {"1.3.6.1.4.1.746.12.67.3.2.1.1", "64 TX", itCounter, acReadOnly},
    {"1.3.6.1.4.1.746.12.67.3.2.1.2", "64 RX", itCounter, acReadOnly},
    {"1.3.6.1.4.1.746.12.67.3.2.1.3", "512 TX", itCounter, acReadOnly},
    {"1.3.6.1.4.1.746.12.67.3.2.1.4", "512 RX", itCounter, acReadOnly},
    {"1.3.6.1.4.1.746.12.67.3.2.1.5", "1024 TX", itCounter, acReadOnly},
    {"1.3.6.1.4.1.746.12.67.3.2.1.6", "1024 RX", itCounter, acReadOnly},
    {"1.3.6.1.4.1.746.12.67.3.2.1.7", "1536 TX", itCounter, acReadOnly},
    {"1.3.6.1.4.1.746.12.67.3.2.1.8", "1536 RX", itCounter, acReadOnly},
    {"1.3.6.1.4.1.746.12.67.3.2.1.9", "Status", itInteger, acReadOnly, &OtherSuccessFailList},
    {},
};

constexpr MibTableRow L2ProtocolTunnelGlobalStateSettings[] = {
    {"1.3.6.1.4.1.746.12.93.1.1", "State", itInteger, acReadWrite, &EnabledDisabledList},
    {},
};

constexpr MibTableRow L2ProtocolTunnelPortEntryTable[] = {
    {"1.3.6.1.4.1.746.12.93.1.2.1.1", "Port Index", itInteger, acNotAccess},
    {"1.3.6.1.4.1.746.12.93.1.2.1.2", "Port Type", itInteger, acReadWrite, &NoneUniNniList},
    {"1.3.6.1.4.1.746.12.93.1.2.1.3", "Protocol", itBitString, acReadWrite},
    {},
};

constexpr MibTableRow L2ProtocolTunnelThresholdEntryTable[] = {
    {" ", "Port Index", itInteger, acNotAccess},
    {"1.3.6.1.4.1.746.12.93.1.3.1.1", "Protocol Index", itInteger, acNotAccess, &StpGvrpMac01000CCCCCCCList},
    {"1.3.6.1.4.1.746.12.93.1.3.1.2", "Drop Threshold", itInteger, acReadWrite},
    {},
};
