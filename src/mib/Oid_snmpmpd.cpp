// Columns stay in this order even where their arcs do not ascend: dialogs address them by position.
#include "Oid_snmpmpd.h"

constexpr MibTableRow MessageProcessingAndDispatchingSettings[] = {
    {"1.3.6.1.6.3.11.2.1.1", "Unknown Security Models", itCounter, acReadOnly},
    {"1.3.6.1.6.3.11.2.1.2", "Invalid Message", itCounter, acReadOnly},
    {"1.3.6.1.6.3.11.2.1.3", "Unknown PDU Handlers", itCounter, acReadOnly},
    {},
};
