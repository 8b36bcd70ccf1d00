// Columns stay in this order even where their arcs do not ascend: dialogs address them by position.
#include "Oid_pingtraceroute.h"

#include "CatalogueOptionLists.h"

constexpr MibTableRow MaxConcurrentRequestsSettings[] = {
    {"1.3.6.1.2.1.80.1.1", "Max Concurrent Requests", itGauge, acReadOnly},
    {},
};

constexpr MibTableRow PingControlTable[] = {
    {"1.3.6.1.2.1.80.1.2.1.1", "Owner Index", itDisplayString, acNotAccess},
    {"1.3.6.1.2.1.80.1.2.1.2", "Test Name", itDisplayString, acNotAccess},
    {"1.3.6.1.2.1.80.1.2.1.3", "Target Address Type", itInteger, acReadWrite, &Ipv4Ipv6List},
    {"1.3.6.1.2.1.80.1.2.1.4", "Target Address", itInetAddress, acReadWrite},
    {"1.3.6.1.2.1.80.1.2.1.6", "Timeout", itGauge, acReadWrite},
    {"1.3.6.1.2.1.80.1.2.1.7", "Probe Count", itGauge, acReadWrite},
    {"1.3.6.1.2.1.80.1.2.1.8", "Admin State", itInteger, acReadWrite, &EnabledDisabledList},
    {"1.3.6.1.2.1.80.1.2.1.17", "Descriptive Name", itDisplayString, acReadWrite},
    {"1.3.6.1.2.1.80.1.2.1.18", "Source Address Type", itInteger, acReadWrite, &Ipv4Ipv6List},
    {"1.3.6.1.2.1.80.1.2.1.19", "Source Address", itInetAddress, acReadWrite},
    {"1.3.6.1.2.1.80.1.2.1.23", "Row Status", itInteger, acReadWrite, &ActiveCreateAndGoDestroyList},
    {},
};

constexpr MibTableRow PingtracerouteTargetAddressTypeTable[] = {
    {"1.3.6.1.2.1.80.1.2.1.1", "Owner Index", itDisplayString, acNotAccess},
    {"1.3.6.1.2.1.80.1.2.1.2", "Test Name", itDisplayString, acNotAccess},
    {"1.3.6.1.2.1.80.1.2.1.3", "Target Address Type", itInteger, acReadWrite, &Ipv4List},
    {"1.3.6.1.2.1.80.1.2.1.4", "Target Address", itInetAddress, acReadWrite},
    {"1.3.6.1.2.1.80.1.2.1.6", "Timeout", itGauge, acReadWrite},
    {"1.3.6.1.2.1.80.1.2.1.7", "Probe Count", itGauge, acReadWrite},
    {"1.3.6.1.2.1.80.1.2.1.8", "Admin State", itInteger, acReadWrite, &EnabledDisabledList},
    {"1.3.6.1.2.1.80.1.2.1.17", "Descriptive Name", itDisplayString, acReadWrite},
    {"1.3.6.1.2.1.80.1.2.1.18", "Source Address Type", itInteger, acReadWrite, &Ipv4List},
    {"1.3.6.1.2.1.80.1.2.1.19", "Source Address", itInetAddress, acReadWrite},
    {"1.3.6.1.2.1.80.1.2.1.23", "Row Status", itInteger, acReadWrite, &ActiveCreateAndGoDestroyList},
    {},
};

constexpr MibTableRow PingResultsTable[] = {
    {" ", "Owner Index", itDisplayString, acNotAccess},
    {" ", "Test Name", itDisplayString, acNotAccess},
    {"1.3.6.1.2.1.80.1.3.1.1", "Operation State", itInteger, acReadOnly, &EnabledDisabledList},
    {"1.3.6.1.2.1.80.1.3.1.2", "IP Target Address Type", itInteger, acReadOnly, &IPv4IPv6DnsList},
    {"1.3.6.1.2.1.80.1.3.1.3", "IP Target Address", itInetAddress, acReadOnly},
    {"1.3.6.1.2.1.80.1.3.1.4", "Min RTT", itGauge, acReadOnly},
    {"1.3.6.1.2.1.80.1.3.1.5", "Max RTT", itGauge, acReadOnly},
    {"1.3.6.1.2.1.80.1.3.1.6", "Average RTT", itGauge, acReadOnly},
    {"1.3.6.1.2.1.80.1.3.1.7", "Probe Responses", itGauge, acReadOnly},
    {"1.3.6.1.2.1.80.1.3.1.8", "Sent Probes", itGauge, acReadOnly},
    {},
};

constexpr MibTableRow PingtracerouteHistoryResponseTable[] = {
    {" ", "Owner Index", itDisplayString, acNotAccess},
    {" ", "Test Name", itDisplayString, acNotAccess},
    {"1.3.6.1.2.1.80.1.4.1.1", "History Index", itGauge, acNotAccess},
    {"1.3.6.1.2.1.80.1.4.1.2", "History Response", itGauge, acReadOnly},
    {"1.3.6.1.2.1.80.1.4.1.3", "History Status", itInteger, acReadOnly,
     &ResponseReceivedUnknownInternalErrorList},
    {"1.3.6.1.2.1.80.1.4.1.4", "History Last RC", itInteger, acReadOnly},
    {"1.3.6.1.2.1.80.1.4.1.5", "History Time", itDisplayString, acReadOnly},
    {},
};

constexpr MibTableRow MaxConcurrentRequestsSettings2[] = {
    {"1.3.6.1.2.1.81.1.1", "Max Concurrent Requests", itGauge, acReadOnly},
    {},
};

constexpr MibTableRow TraceRouteControlTable[] = {
    {"1.3.6.1.2.1.81.1.2.1.1", "Owner Index", itDisplayString, acNotAccess},
    {"1.3.6.1.2.1.81.1.2.1.2", "Test Name", itDisplayString, acNotAccess},
    {"1.3.6.1.2.1.81.1.2.1.3", "Target Address Type", itInteger, acReadWrite, &Ipv4Ipv6List},
    {"1.3.6.1.2.1.81.1.2.1.4", "Target Address", itInetAddress, acReadWrite},
    {"1.3.6.1.2.1.81.1.2.1.7", "Timeout", itGauge, acReadWrite},
    {"1.3.6.1.2.1.81.1.2.1.8", "Probes Per Hop", itGauge, acReadWrite},
    {"1.3.6.1.2.1.81.1.2.1.9", "Port", itGauge, acReadWrite},
    {"1.3.6.1.2.1.81.1.2.1.10", "Max TTL", itGauge, acReadWrite},
    {"1.3.6.1.2.1.81.1.2.1.21", "Admin State", itInteger, acReadWrite, &EnabledDisabledList},
    {"1.3.6.1.2.1.81.1.2.1.22", "Descriptive Name", itDisplayString, acReadWrite},
    {"1.3.6.1.2.1.81.1.2.1.25", "Create Hops Entries", itInteger, acReadWrite, &TruthValueList},
    {"1.3.6.1.2.1.81.1.2.1.27", "Row Status", itInteger, acReadWrite, &ActiveCreateAndGoDestroyList},
    {},
};

constexpr MibTableRow PingtracerouteTargetAddressTypeTable2[] = {
    {"1.3.6.1.2.1.81.1.2.1.1", "Owner Index", itDisplayString, acNotAccess},
    {"1.3.6.1.2.1.81.1.2.1.2", "Test Name", itDisplayString, acNotAccess},
    {"1.3.6.1.2.1.81.1.2.1.3", "Target Address Type", itInteger, acReadWrite, &Ipv4List},
    {"1.3.6.1.2.1.81.1.2.1.4", "Target Address", itInetAddress, acReadWrite},
    {"1.3.6.1.2.1.81.1.2.1.7", "Timeout", itGauge, acReadWrite},
    {"1.3.6.1.2.1.81.1.2.1.8", "Probes Per Hop", itGauge, acReadWrite},
    {"1.3.6.1.2.1.81.1.2.1.9", "Port", itGauge, acReadWrite},
    {"1.3.6.1.2.1.81.1.2.1.10", "Max TTL", itGauge, acReadWrite},
    {"1.3.6.1.2.1.81.1.2.1.21", "Admin State", itInteger, acReadWrite, &EnabledDisabledList},
    {"1.3.6.1.2.1.81.1.2.1.22", "Descriptive Name", itDisplayString, acReadWrite},
    {"1.3.6.1.2.1.81.1.2.1.25", "Create Hops Entries", itInteger, acReadWrite, &TruthValueList},
    {"1.3.6.1.2.1.81.1.2.1.27", "Row Status", itInteger, acReadWrite, &ActiveCreateAndGoDestroyList},
    {},
};

constexpr MibTableRow ResultsTable[] = {
    {" ", "Owner Index", itDisplayString, acNotAccess},
    {" ", "Test Name", itDisplayString, acNotAccess},
    {"1.3.6.1.2.1.81.1.3.1.1", "Operation State", itInteger, acReadOnly, &EnabledDisabledList},
    {"1.3.6.1.2.1.81.1.3.1.2", "Current Hop Count", itGauge, acReadOnly},
    {"1.3.6.1.2.1.81.1.3.1.3", "Current Probe Count", itGauge, acReadOnly},
    {"1.3.6.1.2.1.81.1.3.1.4", "IP Target Address Type", itInteger, acReadOnly, &IPv4IPv6DnsList},
    {"1.3.6.1.2.1.81.1.3.1.5", "IP Target Address", itInetAddress, acReadOnly},
    {"1.3.6.1.2.1.81.1.3.1.6", "Test Attempts", itGauge, acReadOnly},
    {"1.3.6.1.2.1.81.1.3.1.7", "Test Successes", itGauge, acReadOnly},
    {},
};

constexpr MibTableRow PingtracerouteHistoryHAddressTypeTable[] = {
    {" ", "Owner Index", itDisplayString, acNotAccess},
    {" ", "Test Name", itDisplayString, acNotAccess},
    {"1.3.6.1.2.1.81.1.4.1.1", "History Index", itGauge, acNotAccess},
    {"1.3.6.1.2.1.81.1.4.1.2", "History Hop Index", itGauge, acNotAccess},
    {"1.3.6.1.2.1.81.1.4.1.3", "History Probe Index", itGauge, acNotAccess},
    {"1.3.6.1.2.1.81.1.4.1.4", "History HAddress Type", itInteger, acReadOnly, &IPv4IPv6DnsList},
    {"1.3.6.1.2.1.81.1.4.1.5", "History HAddress", itDisplayString, acReadOnly},
    {"1.3.6.1.2.1.81.1.4.1.6", "History Response", itGauge, acReadOnly},
    {"1.3.6.1.2.1.81.1.4.1.7", "History State", itInteger, acReadOnly,
     &ResponseReceivedUnknownInternalErrorList},
    {"1.3.6.1.2.1.81.1.4.1.8", "History Last RC", itInteger, acReadOnly},
    {"1.3.6.1.2.1.81.1.4.1.9", "History Time", itDisplayString, acReadOnly},
    {},
};

constexpr MibTableRow HopsTable[] = {
    {" ", "Owner Index", itDisplayString, acNotAccess},
    {" ", "Test Name", itDisplayString, acNotAccess},
    {"1.3.6.1.2.1.81.1.5.1.1", "Hop Index", itGauge, acNotAccess},
    {"1.3.6.1.2.1.81.1.5.1.2", "IP Target Address Type", itInteger, acReadOnly, &UnknownIPv4IPv6List},
    {"1.3.6.1.2.1.81.1.5.1.3", "IP Target Address", itInetAddress, acReadOnly},
    {"1.3.6.1.2.1.81.1.5.1.4", "Min RTT", itGauge, acReadOnly},
    {"1.3.6.1.2.1.81.1.5.1.5", "Max RTT", itGauge, acReadOnly},
    {"1.3.6.1.2.1.81.1.5.1.6", "Average RTT", itGauge, acReadOnly},
    {"1.3.6.1.2.1.81.1.5.1.7", "RTT Sum of Squares", itGauge, acReadOnly},
    {"1.3.6.1.2.1.81.1.5.1.8", "Sent Probes", itGauge, acReadOnly},
    {"1.3.6.1.2.1.81.1.5.1.9", "Probe Responses", itGauge, acReadOnly},
    {},
};
