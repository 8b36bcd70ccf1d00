// Columns stay in this order even where their arcs do not ascend: dialogs address them by position.
#include "Oid_snmpengine.h"

constexpr MibTableRow SNMPEngineSettings[] = {
    {"1.3.6.1.6.3.10.2.1.1", "ID", itOctetString, acReadOnly},
    {"1.3.6.1.6.3.10.2.1.2", "Boot Numbers", itInteger, acReadOnly},
    {"1.3.6.1.6.3.10.2.1.3", "Time", itInteger, acReadOnly},
    {"1.3.6.1.6.3.10.2.1.4", "Max Message Size", itInteger, acReadOnly},
    {},
};
