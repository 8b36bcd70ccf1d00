// Columns stay in this order even where their arcs do not ascend: dialogs address them by position.
#include "Oid_sflow.h"

#include "CatalogueOptionLists.h"

constexpr MibTableRow SFlowGeneralInformation[] = {
    {"1.3.6.1.4.1.746.12.36.1.1", "Version", itDisplayString, acReadOnly},
    {"1.3.6.1.4.1.746.12.36.1.2", "Agent Address", itIpAddress, acReadOnly},
    {"1.3.6.1.4.1.746.12.36.1.3", "Agent State", itInteger, acReadWrite, &EnabledDisabledList},
    {},
};

constexpr MibTableRow SFlowReceiverTable[] = {
    {"1.3.6.1.4.1.746.12.36.1.4.1.1", "Index", itInteger, acNotAccess},
    {"1.3.6.1.4.1.746.12.36.1.4.1.2", "Owner", itDisplayString, acNotAccess},
    {"1.3.6.1.4.1.746.12.36.1.4.1.3", "Timeout", itInteger, acReadWrite},
    {"1.3.6.1.4.1.746.12.36.1.4.1.4", "Maximum Datagram Size", itInteger, acReadWrite},
    {"1.3.6.1.4.1.746.12.36.1.4.1.5", "Address", itIpAddress, acReadWrite},
    {"1.3.6.1.4.1.746.12.36.1.4.1.6", "Port", itInteger, acReadWrite},
    {"1.3.6.1.4.1.746.12.36.1.4.1.7", "Row Status", itInteger, acReadWrite, &RowStatusList},
    {},
};

constexpr MibTableRow SFlowFlowSamplerTable[] = {
    {"1.3.6.1.4.1.746.12.36.1.5.1.1", "Data Source", itInteger, acNotAccess},
    {"1.3.6.1.4.1.746.12.36.1.5.1.3", "Receiver", itInteger, acNotAccess},
    {"1.3.6.1.4.1.746.12.36.1.5.1.4", "Packet Sampling RX Rate", itInteger, acReadWrite},
    {"1.3.6.1.4.1.746.12.36.1.5.1.5", "Maximum Header Size", itInteger, acReadWrite},
    {"1.3.6.1.4.1.746.12.36.1.5.1.6", "Row Status", itInteger, acReadWrite, &RowStatusList},
    {},
};

constexpr MibTableRow SFlowCounterPollerTable[] = {
    {"1.3.6.1.4.1.746.12.36.1.6.1.1", "Data Source", itInteger, acNotAccess},
    {"1.3.6.1.4.1.746.12.36.1.6.1.3", "Receiver", itInteger, acNotAccess},
    {"1.3.6.1.4.1.746.12.36.1.6.1.4", "Interval", itInteger, acReadWrite},
    {"1.3.6.1.4.1.746.12.36.1.6.1.5", "Row Status", itInteger, acReadWrite, &RowStatusList},
    {},
};
