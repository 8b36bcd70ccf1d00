// Columns stay in this order even where their arcs do not ascend: dialogs address them by position.
#include "Oid_utilization.h"

#include "CatalogueOptionLists.h"

constexpr MibTableRow HistoricalPacketsCounter[] = {
    {"1.3.6.1.4.1.746.12.66.2.1.1.1.1", "Port", itInteger, acNotAccess},
    {"1.3.6.1.4.1.746.12.66.2.1.1.1.2", "Time", itInteger, acNotAccess, &FifteenMinuteOneDayList},
    {"1.3.6.1.4.1.746.12.66.2.1.1.1.3", "Type", itInteger, acNotAccess, &Slot1Slot2Slot3List},
    {"1.3.6.1.4.1.746.12.66.2.1.1.1.4", "Packets TX", itCounter64, acReadOnly},
    {"1.3.6.1.4.1.746.12.66.2.1.1.1.5", "Bytes TX", itCounter64, acReadOnly},
    {"1.3.6.1.4.1.746.12.66.2.1.1.1.6", "Packets RX", itCounter64, acReadOnly},
    {"1.3.6.1.4.1.746.12.66.2.1.1.1.7", "Bytes RX", itCounter64, acReadOnly},
    {"1.3.6.1.4.1.746.12.66.2.1.1.1.8", "0-64 RX", itCounter64, acReadOnly},
    {"1.3.6.1.4.1.746.12.66.2.1.1.1.9", "65-127 RX", itCounter64, acReadOnly},
    {"1.3.6.1.4.1.746.12.66.2.1.1.1.10", "128-255 Rx", itCounter64, acReadOnly},
    {"1.3.6.1.4.1.746.12.66.2.1.1.1.11", "256-511 RX", itCounter64, acReadOnly},
    {"1.3.6.1.4.1.746.12.66.2.1.1.1.12", "512-1023 RX", itCounter64, acReadOnly},
    {"1.3.6.1.4.1.746.12.66.2.1.1.1.13", "1024-1518 RX", itCounter64, acReadOnly},
    {"1.3.6.1.4.1.746.12.66.2.1.1.1.14", "Unicast RX", itCounter64, acReadOnly},
    {"1.3.6.1.4.1.746.12.66.2.1.1.1.15", "Multicast RX", itCounter64, acReadOnly},
    {"1.3.6.1.4.1.746.12.66.2.1.1.1.16", "Broadcast RX", itCounter64, acReadOnly},
    {"1.3.6.1.4.1.746.12.66.2.1.1.1.17", "Start Time", itDateTime, acReadOnly},
    {"1.3.6.1.4.1.746.12.66.2.1.1.1.18", "End Time", itDateTime, acReadOnly},
    {},
};

constexpr MibTableRow HistoricalErrorCounter[] = {
    {" ", "Port", itInteger, acNotAccess},
    {" ", "Time", itInteger, acNotAccess},
    {" ", "Type", itInteger, acNotAccess},
    {"1.3.6.1.4.1.746.12.66.2.1.2.1.1", "Fragment RX", itCounter64, acReadOnly},
    {"1.3.6.1.4.1.746.12.66.2.1.2.1.2", "Jabber Packets RX", itCounter64, acReadOnly},
    {"1.3.6.1.4.1.746.12.66.2.1.2.1.3", "Oversize Packets RX", itCounter64, acReadOnly},
    {"1.3.6.1.4.1.746.12.66.2.1.2.1.4", "Undersize Packets RX", itCounter64, acReadOnly},
    {"1.3.6.1.4.1.746.12.66.2.1.2.1.5", "Alignment Errors RX", itCounter64, acReadOnly},
    {"1.3.6.1.4.1.746.12.66.2.1.2.1.6", "Unknown Control Packets RX", itCounter64, acReadOnly},
    {"1.3.6.1.4.1.746.12.66.2.1.2.1.7", "Collision TX", itCounter64, acReadOnly},
    {"1.3.6.1.4.1.746.12.66.2.1.2.1.8", "Droped Packets", itCounter64, acReadOnly},
    {"1.3.6.1.4.1.746.12.66.2.1.2.1.9", "Error Start Time", itDateTime, acReadOnly},
    {"1.3.6.1.4.1.746.12.66.2.1.2.1.10", "Error End Time", itDateTime, acReadOnly},
    {},
};

constexpr MibTableRow HistoricalUtilizationTable[] = {
    {" ", "Time", itInteger, acNotAccess},
    {" ", "Type", itInteger, acNotAccess},
    {"1.3.6.1.4.1.746.12.66.2.2.1.1.1", "CPU Utilization", itInteger, acReadOnly},
    {"1.3.6.1.4.1.746.12.66.2.2.1.1.2", "Memory Utilization", itInteger, acReadOnly},
    {"1.3.6.1.4.1.746.12.66.2.2.1.1.3", "Utilization Start Time", itDateTime, acReadOnly},
    {"1.3.6.1.4.1.746.12.66.2.2.1.1.4", "Utilization End Time", itDateTime, acReadOnly},
    {},
};
