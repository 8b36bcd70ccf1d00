// Columns stay in this order even where their arcs do not ascend: dialogs address them by position.
#include "Oid_bpduprotection.h"

#include "CatalogueOptionLists.h"

constexpr MibTableRow BPDUProtectionGlobalSettings[] = {
    {"1.3.6.1.4.1.746.12.76.1.1", "Administration State", itInteger, acReadWrite, &EnabledDisabledList},
    {"1.3.6.1.4.1.746.12.76.1.2", "Recovery Time", itInteger, acReadWrite},
    {"1.3.6.1.4.1.746.12.76.1.3", "Trap Mode", itInteger, acReadWrite, &NoneAttackDetectedAttackClearedList},
    {"1.3.6.1.4.1.746.12.76.1.4", "Log Mode", itInteger, acReadWrite, &NoneAttackDetectedAttackClearedList},
    {},
};

constexpr MibTableRow PortStateTable[] = {
    {"1.3.6.1.4.1.746.12.76.3.1.1.1", "Index", itInteger, acNotAccess},
    {"1.3.6.1.4.1.746.12.76.3.1.1.2", "State ", itInteger, acReadWrite, &EnabledDisabledList},
    {"1.3.6.1.4.1.746.12.76.3.1.1.3", "Mode ", itInteger, acReadWrite, &DropBlockShutdownList},
    {"1.3.6.1.4.1.746.12.76.3.1.1.4", "State  ", itInteger, acReadOnly, &NormalUnderAttackList},
    {},
};
