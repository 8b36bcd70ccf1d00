// Columns stay in this order even where their arcs do not ascend: dialogs address them by position.
#include "Oid_ospfv3.h"

#include "CatalogueOptionLists.h"

constexpr MibTableRow OSPFv3GlobalSettings[] = {
    {"1.3.6.1.2.1.191.1.1.1", "Router ID", itGauge, acReadWrite},
    {"1.3.6.1.2.1.191.1.1.2", "Admin State", itInteger, acReadWrite, &EnabledDisabledList},
    {"1.3.6.1.2.1.191.1.1.3", "Version Number", itInteger, acReadOnly},
    {"1.3.6.1.2.1.191.1.1.4", "Area Border Router State", itInteger, acReadOnly, &TruthValueList},
    {"1.3.6.1.2.1.191.1.1.5", "AS Border Router State", itInteger, acReadOnly, &TruthValueList},
    {"1.3.6.1.2.1.191.1.1.8", "Originate New LSAS", itCounter, acReadOnly},
    {"1.3.6.1.2.1.191.1.1.9", "RX New LSAS", itCounter, acReadOnly},
    {"1.3.6.1.2.1.191.1.1.10", "External LSA Count", itGauge, acReadOnly},
    {"1.3.6.1.2.1.191.1.1.22", "Stub Router Support", itInteger, acReadOnly, &TruthValueList},
    {},
};

constexpr MibTableRow OSPFv3AreaTable[] = {
    {"1.3.6.1.2.1.191.1.2.1.1", "Area ID ", itGauge, acNotAccess},
    {"1.3.6.1.2.1.191.1.2.1.2", "Import AS External", itInteger, acReadWrite,
     &ImportExternalImportNoExternalList},
    {"1.3.6.1.2.1.191.1.2.1.3", "SPF Runs", itCounter, acReadOnly},
    {"1.3.6.1.2.1.191.1.2.1.4", "Border Router Count", itGauge, acReadOnly},
    {"1.3.6.1.2.1.191.1.2.1.5", "AS Border Router Count", itGauge, acReadOnly},
    {"1.3.6.1.2.1.191.1.2.1.6", "Scope LSA Count", itGauge, acReadOnly},
    {"1.3.6.1.2.1.191.1.2.1.7", "Scope LSA Checksum", itGauge, acReadOnly},
    {"1.3.6.1.2.1.191.1.2.1.8", "Summary", itInteger, acReadWrite, &NoAreaSummarySendAreaSummaryList},
    {"1.3.6.1.2.1.191.1.2.1.9", "Row Status", itInteger, acReadWrite, &RowStatusList},
    {"1.3.6.1.2.1.191.1.2.1.10", "Stub Metric", itInteger, acReadWrite},
    {},
};

constexpr MibTableRow OSPFv3ASLSDBTable[] = {
    {"1.3.6.1.2.1.191.1.3.1.1", "Type", itGauge, acNotAccess},
    {"1.3.6.1.2.1.191.1.3.1.2", "Router ID", itGauge, acNotAccess},
    {"1.3.6.1.2.1.191.1.3.1.3", "LS ID", itGauge, acNotAccess},
    {"1.3.6.1.2.1.191.1.3.1.4", "Sequence", itCounter64, acReadOnly},
    {"1.3.6.1.2.1.191.1.3.1.5", "Age", itGauge, acReadOnly},
    {"1.3.6.1.2.1.191.1.3.1.6", "Checksum", itInteger, acReadOnly},
    {"1.3.6.1.2.1.191.1.3.1.8", "Type Known", itInteger, acReadOnly, &TruthValueList},
    {},
};

constexpr MibTableRow OSPFv3AreaLSDBTable[] = {
    {"1.3.6.1.2.1.191.1.4.1.1", "Area ID", itGauge, acNotAccess},
    {"1.3.6.1.2.1.191.1.4.1.2", "Type", itGauge, acNotAccess},
    {"1.3.6.1.2.1.191.1.4.1.3", "Router ID", itGauge, acNotAccess},
    {"1.3.6.1.2.1.191.1.4.1.4", "LS ID", itGauge, acNotAccess},
    {"1.3.6.1.2.1.191.1.4.1.5", "Sequence", itCounter64, acReadOnly},
    {"1.3.6.1.2.1.191.1.4.1.6", "Age", itGauge, acReadOnly},
    {"1.3.6.1.2.1.191.1.4.1.7", "Checksum", itInteger, acReadOnly},
    {"1.3.6.1.2.1.191.1.4.1.9", "Type Known", itInteger, acReadOnly, &TruthValueList},
    {},
};

constexpr MibTableRow OSPFv3LinkLSDBTable[] = {
    {"1.3.6.1.2.1.191.1.5.1.1", "Index", itInteger, acNotAccess},
    {"1.3.6.1.2.1.191.1.5.1.2", "Instance ID", itGauge, acNotAccess},
    {"1.3.6.1.2.1.191.1.5.1.3", "Type", itGauge, acNotAccess},
    {"1.3.6.1.2.1.191.1.5.1.4", "Router ID", itGauge, acNotAccess},
    {"1.3.6.1.2.1.191.1.5.1.5", "LS ID", itGauge, acNotAccess},
    {"1.3.6.1.2.1.191.1.5.1.6", "Sequence", itCounter64, acReadOnly},
    {"1.3.6.1.2.1.191.1.5.1.7", "Age", itGauge, acReadOnly},
    {"1.3.6.1.2.1.191.1.5.1.8", "Checksum", itInteger, acReadOnly},
    {},
};

constexpr MibTableRow OSPFv3InterfaceTable[] = {
    {"1.3.6.1.2.1.191.1.7.1.1", "Index", itInteger, acNotAccess},
    {"1.3.6.1.2.1.191.1.7.1.2", "Instance ID", itGauge, acNotAccess},
    {"1.3.6.1.2.1.191.1.7.1.3", "Area ID", itGauge, acReadWrite},
    {"1.3.6.1.2.1.191.1.7.1.4", "Type", itInteger, acReadOnly, &BroadcastNbmaPointToPointList},
    {"1.3.6.1.2.1.191.1.7.1.5", "Admin State", itInteger, acReadWrite, &EnabledDisabledList},
    {"1.3.6.1.2.1.191.1.7.1.6", "Router Priority", itInteger, acReadWrite},
    {"1.3.6.1.2.1.191.1.7.1.7", "Transmit Delay", itGauge, acReadOnly},
    {"1.3.6.1.2.1.191.1.7.1.8", "Retransmit Interval", itGauge, acReadOnly},
    {"1.3.6.1.2.1.191.1.7.1.9", "Hello Interval", itInteger, acReadWrite},
    {"1.3.6.1.2.1.191.1.7.1.10", "Router Dead Interval", itGauge, acReadWrite},
    {"1.3.6.1.2.1.191.1.7.1.12", "State", itInteger, acReadOnly, &DownLoopbackWaitingList2},
    {"1.3.6.1.2.1.191.1.7.1.13", "Designated Router", itGauge, acReadOnly},
    {"1.3.6.1.2.1.191.1.7.1.14", "Backup Designated Router", itGauge, acReadOnly},
    {"1.3.6.1.2.1.191.1.7.1.15", "Events", itCounter, acReadOnly},
    {"1.3.6.1.2.1.191.1.7.1.16", "Row Status", itInteger, acReadOnly, &RowStatusList},
    {"1.3.6.1.2.1.191.1.7.1.18", "Metric Value", itInteger, acReadWrite},
    {"1.3.6.1.2.1.191.1.7.1.19", "Link Scope LSA Count", itGauge, acReadOnly},
    {"1.3.6.1.2.1.191.1.7.1.20", "Link LSA Checksum", itGauge, acReadOnly},
    {},
};

constexpr MibTableRow OSPFv3VirtualInterfaceTable[] = {
    {"1.3.6.1.2.1.191.1.8.1.1", "Area ID", itGauge, acNotAccess},
    {"1.3.6.1.2.1.191.1.8.1.2", "Neighbor", itGauge, acNotAccess},
    {"1.3.6.1.2.1.191.1.8.1.3", "Index", itInteger, acReadOnly},
    {"1.3.6.1.2.1.191.1.8.1.4", "Instance  ID", itGauge, acReadOnly},
    {"1.3.6.1.2.1.191.1.8.1.5", "Transmit Delay", itGauge, acReadOnly},
    {"1.3.6.1.2.1.191.1.8.1.6", "Retransmit Interval", itGauge, acReadOnly},
    {"1.3.6.1.2.1.191.1.8.1.7", "Hello Interval", itInteger, acReadWrite},
    {"1.3.6.1.2.1.191.1.8.1.8", "Dead Interval", itGauge, acReadWrite},
    {"1.3.6.1.2.1.191.1.8.1.9", "State", itInteger, acReadOnly, &DownPointToPointList},
    {"1.3.6.1.2.1.191.1.8.1.10", "Events", itCounter, acReadOnly},
    {"1.3.6.1.2.1.191.1.8.1.11", "Row Status", itInteger, acReadWrite, &RowStatusList},
    {},
};

constexpr MibTableRow OSPFv3NeighborTable[] = {
    {"1.3.6.1.2.1.191.1.9.1.1", "Index", itInteger, acNotAccess},
    {"1.3.6.1.2.1.191.1.9.1.2", "Instance ID", itGauge, acNotAccess},
    {"1.3.6.1.2.1.191.1.9.1.3", "Router ID", itGauge, acNotAccess},
    {"1.3.6.1.2.1.191.1.9.1.6", "Options", itInteger, acReadOnly},
    {"1.3.6.1.2.1.191.1.9.1.7", "Priority", itInteger, acReadOnly},
    {"1.3.6.1.2.1.191.1.9.1.8", "State", itInteger, acReadOnly, &DownAttemptInitList},
    {"1.3.6.1.2.1.191.1.9.1.9", "Events", itCounter, acReadOnly},
    {"1.3.6.1.2.1.191.1.9.1.10", "Retransmit Queue Length", itGauge, acReadOnly},
    {"1.3.6.1.2.1.191.1.9.1.12", "Interface ID", itInteger, acReadOnly},
    {},
};

constexpr MibTableRow Ospfv3PriorityTable[] = {
    {"1.3.6.1.2.1.191.1.10.1.1", "Interface Index", itInteger, acNotAccess},
    {"1.3.6.1.2.1.191.1.10.1.2", "Interface Instance Id", itGauge, acNotAccess},
    {"1.3.6.1.2.1.191.1.10.1.3", "Address Type", itInteger, acNotAccess, &UnknownIpv4Ipv6List2},
    {"1.3.6.1.2.1.191.1.10.1.4", "Address", itDisplayString, acNotAccess},
    {"1.3.6.1.2.1.191.1.10.1.5", "Priority", itInteger, acReadWrite},
    {"1.3.6.1.2.1.191.1.10.1.6", "Row Status", itInteger, acReadWrite, &RowStatusList},
    {},
};

constexpr MibTableRow OSPFv3VirtualNeighborTable[] = {
    {"1.3.6.1.2.1.191.1.11.1.1", "Area", itGauge, acNotAccess},
    {"1.3.6.1.2.1.191.1.11.1.2", "Router ID", itGauge, acNotAccess},
    {"1.3.6.1.2.1.191.1.11.1.3", "Interface Index", itInteger, acReadOnly},
    {"1.3.6.1.2.1.191.1.11.1.4", "Interface Instance ID", itGauge, acReadOnly},
    {"1.3.6.1.2.1.191.1.11.1.7", "Options", itInteger, acReadOnly},
    {"1.3.6.1.2.1.191.1.11.1.8", "State", itInteger, acReadOnly, &DownAttemptInitList},
    {"1.3.6.1.2.1.191.1.11.1.9", "Events", itCounter, acReadOnly},
    {"1.3.6.1.2.1.191.1.11.1.10", "Retransmission Queue Length", itGauge, acReadOnly},
    {"1.3.6.1.2.1.191.1.11.1.12", "Interface ID", itInteger, acReadOnly},
    {},
};

constexpr MibTableRow OSPFv3AreaAggregateTable[] = {
    {"1.3.6.1.2.1.191.1.12.1.1", "Area ID", itGauge, acNotAccess},
    {"1.3.6.1.2.1.191.1.12.1.2", "Area LSDB Type", itInteger, acNotAccess, &InterAreaPrefixLList},
    {"1.3.6.1.2.1.191.1.12.1.3", "Prefix Type", itInteger, acNotAccess, &Ipv6List},
    {"1.3.6.1.2.1.191.1.12.1.4", "Prefix", itInetAddress, acNotAccess},
    {"1.3.6.1.2.1.191.1.12.1.5", "Prefix Length", itGauge, acNotAccess | acImplied},
    {"1.3.6.1.2.1.191.1.12.1.6", "Row Status", itInteger, acReadWrite, &RowStatusList},
    {"1.3.6.1.2.1.191.1.12.1.7", "Effect", itInteger, acReadWrite, &AdvertiseMatchinDoNotAdvertiseMaList},
    {},
};

constexpr MibTableRow OSPFv3VirtualLinkLSDBTable[] = {
    {"1.3.6.1.2.1.191.1.13.1.1", "Interface Area ID", itGauge, acNotAccess},
    {"1.3.6.1.2.1.191.1.13.1.2", "Interface Neighbor", itGauge, acNotAccess},
    {"1.3.6.1.2.1.191.1.13.1.3", "Type", itGauge, acNotAccess},
    {"1.3.6.1.2.1.191.1.13.1.4", "Router ID", itGauge, acNotAccess},
    {"1.3.6.1.2.1.191.1.13.1.5", "LSID", itGauge, acNotAccess},
    {"1.3.6.1.2.1.191.1.13.1.6", "Sequence", itCounter64, acReadOnly},
    {"1.3.6.1.2.1.191.1.13.1.7", "Age", itGauge, acReadOnly},
    {"1.3.6.1.2.1.191.1.13.1.8", "Checksum", itInteger, acReadOnly},
    {"1.3.6.1.2.1.191.1.13.1.9", "Advertisement", itOctetString, acReadOnly},
    {"1.3.6.1.2.1.191.1.13.1.10", "Type Known", itInteger, acReadOnly, &TruthValueList},
    {},
};

constexpr MibTableRow Ospfv3InstanceIDTable[] = {
    {"1.3.6.1.4.1.746.12.65.1.1.1", "Index", itInteger, acNotAccess},
    {"1.3.6.1.4.1.746.12.65.1.1.2", "Instance ID", itGauge, acReadWrite},
    {"1.3.6.1.4.1.746.12.65.1.1.3", "Area ID", itGauge, acReadWrite},
    {"1.3.6.1.4.1.746.12.65.1.1.4", "Type", itInteger, acReadOnly, &BroadcastNbmaPointToPointList},
    {"1.3.6.1.4.1.746.12.65.1.1.5", "Admin State", itInteger, acReadWrite, &EnabledDisabledList},
    {"1.3.6.1.4.1.746.12.65.1.1.6", "Rtr Priority", itInteger, acReadWrite},
    {"1.3.6.1.4.1.746.12.65.1.1.7", "Transmit Delay", itGauge, acReadOnly},
    {"1.3.6.1.4.1.746.12.65.1.1.8", "Retrans Interval", itGauge, acReadOnly},
    {"1.3.6.1.4.1.746.12.65.1.1.9", "Hello Interval", itInteger, acReadWrite},
    {"1.3.6.1.4.1.746.12.65.1.1.10", "Router Dead Interval", itInteger, acReadWrite},
    {"1.3.6.1.4.1.746.12.65.1.1.11", "Poll Interval", itGauge, acReadOnly},
    {"1.3.6.1.4.1.746.12.65.1.1.12", "State", itInteger, acReadOnly, &DownLoopbackWaitingList2},
    {"1.3.6.1.4.1.746.12.65.1.1.13", "Designated Router", itGauge, acReadOnly},
    {"1.3.6.1.4.1.746.12.65.1.1.14", "Backup Designated Router", itGauge, acReadOnly},
    {"1.3.6.1.4.1.746.12.65.1.1.15", "Events", itCounter, acReadOnly},
    {"1.3.6.1.4.1.746.12.65.1.1.16", "Metric Value", itInteger, acReadWrite},
    {"1.3.6.1.4.1.746.12.65.1.1.17", "Passive Mode", itInteger, acReadWrite, &EnabledDisabledList},
    {},
};

constexpr MibTableRow Ospfv3InstanceIDTable2[] = {
    {"1.3.6.1.4.1.746.12.65.2.1.1", "Area ID", itGauge, acNotAccess},
    {"1.3.6.1.4.1.746.12.65.2.1.2", "Neighbor", itGauge, acNotAccess},
    {"1.3.6.1.4.1.746.12.65.2.1.3", "Instance ID", itGauge, acReadWrite},
    {"1.3.6.1.4.1.746.12.65.2.1.4", "Transmit Delay", itGauge, acReadOnly},
    {"1.3.6.1.4.1.746.12.65.2.1.5", "Retrans Interval", itGauge, acReadOnly},
    {"1.3.6.1.4.1.746.12.65.2.1.6", "Hello Interval", itInteger, acReadWrite},
    {"1.3.6.1.4.1.746.12.65.2.1.7", "Rtr Dead Interval", itInteger, acReadWrite},
    {"1.3.6.1.4.1.746.12.65.2.1.8", "State", itInteger, acReadOnly, &DownPointToPointList},
    {"1.3.6.1.4.1.746.12.65.2.1.9", "Events", itCounter, acReadOnly},
    {"1.3.6.1.4.1.746.12.65.2.1.10", "Row Status", itInteger, acReadWrite, &RowStatusList},
    {},
};
