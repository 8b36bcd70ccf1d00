// Columns stay in this order even where their arcs do not ascend: dialogs address them by position.
#include "Oid_safeguard.h"

#include "CatalogueOptionLists.h"

constexpr MibTableRow SafeguardEngineGlobalSettings[] = {
    {"1.3.6.1.4.1.746.12.19.1.1", "Safeguard Administration State", itInteger, acReadWrite,
     &DisabledEnabledList},
    {},
};

constexpr MibTableRow SafeguardCtrlSettings[] = {
    {"1.3.6.1.4.1.746.12.19.2.1", "Rising Threshold", itInteger, acReadWrite},
    {"1.3.6.1.4.1.746.12.19.2.2", "Falling Threshold", itInteger, acReadWrite},
    {"1.3.6.1.4.1.746.12.19.2.3", "Mode", itInteger, acReadWrite, &StrictFuzzyList},
    {"1.3.6.1.4.1.746.12.19.2.4", "Alarm Administration State", itInteger, acReadWrite, &DisabledEnabledList},
    {"1.3.6.1.4.1.746.12.19.2.5", "Current Status", itInteger, acReadOnly, &NormalExhaustedList},
    {},
};
