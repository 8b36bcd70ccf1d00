// Columns stay in this order even where their arcs do not ascend: dialogs address them by position.
#include "Oid_ospf.h"

#include "CatalogueOptionLists.h"

constexpr MibTableRow OSPFAreaMetricSettings[] = {
    {"1.3.6.1.2.1.14.3.1.1", "Area ID", itIpAddress, acNotAccess},
    {"1.3.6.1.2.1.14.3.1.2", "ToS", itInteger, acNotAccess},
    {"1.3.6.1.2.1.14.3.1.3", "Metric", itInteger, acReadWrite},
    {"1.3.6.1.2.1.14.3.1.4", "State", itInteger, acReadOnly, &RowStatusList},
    {"1.3.6.1.2.1.14.3.1.5", "Type", itInteger, acReadOnly, &OspfMetricComparableCostNonComparableList},
    {},
};

constexpr MibTableRow OSPFAreaMaskSettings[] = {
    {"1.3.6.1.2.1.14.14.1.1", "Area ID", itIpAddress, acNotAccess},
    {"1.3.6.1.2.1.14.14.1.2", "LSDB Type", itInteger, acNotAccess, &SummaryLinkNssaExternalLinkList},
    {"1.3.6.1.2.1.14.14.1.3", "Net", itIpAddress, acNotAccess},
    {"1.3.6.1.2.1.14.14.1.4", "Mask", itIpAddress, acReadOnly},
    {"1.3.6.1.2.1.14.14.1.5", "State", itInteger, acReadWrite, &RowStatusList},
    {"1.3.6.1.2.1.14.14.1.6", "Effect", itInteger, acReadWrite, &AdvertiseMatchinDoNotAdvertiseMaList},
    {},
};

constexpr MibTableRow OspfAuthenticationTypeTable[] = {
    {"1.3.6.1.2.1.14.2.1.1", "Area ID", itIpAddress, acNotAccess},
    {"1.3.6.1.2.1.14.2.1.2", "Authentication Type", itInteger, acReadWrite},
    {"1.3.6.1.2.1.14.2.1.3", "Import AS Extern LSA", itInteger, acReadWrite,
     &ImportExternalImportNoExternalImportNssaList},
    {"1.3.6.1.2.1.14.2.1.4", "SPF Runs", itCounter, acReadOnly},
    {"1.3.6.1.2.1.14.2.1.5", "Area Border Route Count", itGauge, acReadOnly},
    {"1.3.6.1.2.1.14.2.1.6", "AS Border Route Count", itGauge, acReadOnly},
    {"1.3.6.1.2.1.14.2.1.7", "Area LSA Count", itGauge, acReadOnly},
    {"1.3.6.1.2.1.14.2.1.8", "Area LSA Checksum Sum", itInteger, acReadOnly},
    {"1.3.6.1.2.1.14.2.1.9", "Area Summary", itInteger, acReadWrite, &NoAreaSummarySendAreaSummaryList},
    {"1.3.6.1.2.1.14.2.1.10", "Area State", itInteger, acReadWrite, &RowStatusList},
    {},
};

constexpr MibTableRow OSPFInterfaceMetricTable[] = {
    {"1.3.6.1.2.1.14.8.1.1", "IP Address", itIpAddress, acNotAccess},
    {"1.3.6.1.2.1.14.8.1.2", "Address Less Interface", itInteger, acNotAccess},
    {"1.3.6.1.2.1.14.8.1.3", "Type of Service", itInteger, acNotAccess},
    {"1.3.6.1.2.1.14.8.1.4", "Metric Value", itInteger, acReadWrite},
    {"1.3.6.1.2.1.14.8.1.5", "Row Status", itInteger, acReadOnly, &RowStatusList},
    {},
};

constexpr MibTableRow OspfSequenceNumberTable[] = {
    {"1.3.6.1.2.1.14.4.1.1", "LSDB Area ID", itIpAddress, acNotAccess},
    {"1.3.6.1.2.1.14.4.1.2", "Type", itInteger, acNotAccess, &RouterLinkNetworkLinkSummaryLinkList},
    {"1.3.6.1.2.1.14.4.1.3", "Link State ID", itIpAddress, acNotAccess},
    {"1.3.6.1.2.1.14.4.1.4", "Router ID", itIpAddress, acNotAccess},
    {"1.3.6.1.2.1.14.4.1.5", "Sequence Number", itCounter64, acReadOnly},
    {"1.3.6.1.2.1.14.4.1.6", "Age", itInteger, acReadOnly},
    {"1.3.6.1.2.1.14.4.1.7", "Checksum", itInteger, acReadOnly},
    {"1.3.6.1.2.1.14.4.1.8", "Advertisement", itOctetString, acReadOnly},
    {},
};

constexpr MibTableRow OspfSequenceNumberTable2[] = {
    {"1.3.6.1.2.1.14.12.1.1", "LSDB Type", itInteger, acNotAccess},
    {"1.3.6.1.2.1.14.12.1.2", "Link State ID", itIpAddress, acNotAccess},
    {"1.3.6.1.2.1.14.12.1.3", "Router ID", itIpAddress, acNotAccess},
    {"1.3.6.1.2.1.14.12.1.4", "Sequence Number", itCounter64, acReadOnly},
    {"1.3.6.1.2.1.14.12.1.5", "Age", itInteger, acReadOnly},
    {"1.3.6.1.2.1.14.12.1.6", "Checksum", itInteger, acReadOnly},
    {"1.3.6.1.2.1.14.12.1.7", "Advertisement", itOctetString, acReadOnly},
    {},
};

constexpr MibTableRow OSPFNeighborInformationIPAddressTable[] = {
    {"1.3.6.1.2.1.14.10.1.1", "IP Address", itIpAddress, acReadOnly},
    {"1.3.6.1.2.1.14.10.1.2", "Address Less Index", itInteger, acReadOnly},
    {"1.3.6.1.2.1.14.10.1.3", "Neighbor Router ID", itIpAddress, acReadOnly},
    {"1.3.6.1.2.1.14.10.1.4", "Options", itInteger, acReadOnly},
    {"1.3.6.1.2.1.14.10.1.5", "Priority", itInteger, acReadOnly},
    {"1.3.6.1.2.1.14.10.1.6", "Relationship State", itInteger, acReadOnly, &DownAttemptInitList},
    {"1.3.6.1.2.1.14.10.1.7", "Events", itCounter, acReadOnly},
    {"1.3.6.1.2.1.14.10.1.8", "Retransmit Queue Length", itGauge, acReadOnly},
    {"1.3.6.1.2.1.14.10.1.9", "Status", itInteger, acReadOnly, &ActiveNotInServiceCreateAndGoList},
    {"1.3.6.1.2.1.14.10.1.10", "Permanence", itInteger, acReadOnly, &DynamicPermanentList},
    {"1.3.6.1.2.1.14.10.1.11", "Hello Suppressed", itInteger, acReadOnly, &TruthValueList},
    {},
};

constexpr MibTableRow OSPFNeighborInformationTransmitAreaIDTable[] = {
    {"1.3.6.1.2.1.14.11.1.1", "Transmit Area ID", itIpAddress, acReadOnly},
    {"1.3.6.1.2.1.14.11.1.2", "Neighbor Router ID", itIpAddress, acReadOnly},
    {"1.3.6.1.2.1.14.11.1.3", "Virtual Neighbor IP Address", itIpAddress, acReadOnly},
    {"1.3.6.1.2.1.14.11.1.4", "Options", itInteger, acReadOnly},
    {"1.3.6.1.2.1.14.11.1.5", "State", itInteger, acReadOnly, &DownAttemptInitList},
    {"1.3.6.1.2.1.14.11.1.6", "Events", itCounter, acReadOnly},
    {"1.3.6.1.2.1.14.11.1.7", "Retransmit Queue Length", itGauge, acReadOnly},
    {"1.3.6.1.2.1.14.11.1.8", "Hello Suppressed", itInteger, acReadOnly, &FalseList},
    {},
};

constexpr MibTableRow OSPFGlobalSettings[] = {
    {"1.3.6.1.2.1.14.1.1", "Router ID", itIpAddress, acReadWrite},
    {"1.3.6.1.2.1.14.1.2", "Admin State", itInteger, acReadWrite, &EnabledDisabledList},
    {"1.3.6.1.2.1.14.1.3", "Version Number", itInteger, acReadOnly},
    {"1.3.6.1.2.1.14.1.4", "Area Border Router State", itInteger, acReadOnly, &TruthValueList},
    {"1.3.6.1.2.1.14.1.5", "Autonomous System Border Router State", itInteger, acReadOnly, &TruthValueList},
    {"1.3.6.1.2.1.14.1.6", "External LSA Count", itGauge, acReadOnly},
    {"1.3.6.1.2.1.14.1.7", "External LSA Checksum Sum", itInteger, acReadOnly},
    {"1.3.6.1.2.1.14.1.8", "ToS Support", itInteger, acReadOnly, &TruthValueList},
    {"1.3.6.1.2.1.14.1.9", "Originate New LSA", itCounter, acReadOnly},
    {"1.3.6.1.2.1.14.1.10", "RX New LSA", itCounter, acReadOnly},
    {"1.3.6.1.2.1.14.1.11", "External LSDB Limit", itInteger, acReadOnly},
    {"1.3.6.1.2.1.14.1.12", "Multicast Extensions", itInteger, acReadOnly},
    {"1.3.6.1.2.1.14.1.13", "Exit Overflow Interval", itInteger, acReadOnly},
    {"1.3.6.1.2.1.14.1.14", "Demand Extensions", itInteger, acReadOnly, &TruthValueList},
    {},
};
