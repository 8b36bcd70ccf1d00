// Columns stay in this order even where their arcs do not ascend: dialogs address them by position.
#include "Oid_lbd.h"

#include "CatalogueOptionLists.h"

constexpr MibTableRow LoopbackDetectionGlobalSettings[] = {
    {"1.3.6.1.4.1.746.12.41.1.1", "Administration State", itInteger, acReadWrite, &EnabledDisabledList},
    {"1.3.6.1.4.1.746.12.41.1.2", "Interval", itInteger, acReadWrite},
    {"1.3.6.1.4.1.746.12.41.1.3", "Recover Timer", itInteger, acReadWrite},
    {"1.3.6.1.4.1.746.12.41.1.4", "Mode", itInteger, acReadWrite, &VlanBasedPortBasedList},
    {"1.3.6.1.4.1.746.12.41.1.5", "Trap Mode", itInteger, acReadWrite, &NoneLoopDetectedLoopClearedList},
    {"1.3.6.1.4.1.746.12.41.1.6", "Log State", itInteger, acReadWrite, &EnabledDisabledList},
    {},
};

constexpr MibTableRow LoopDetectionPortManagementTable[] = {
    {"1.3.6.1.4.1.746.12.41.3.1.1.1", "Index", itInteger, acNotAccess},
    {"1.3.6.1.4.1.746.12.41.3.1.1.2", "State", itInteger, acReadWrite, &EnabledDisabledList},
    {"1.3.6.1.4.1.746.12.41.3.1.1.3", "Loop VLAN", itDisplayString, acReadOnly},
    {"1.3.6.1.4.1.746.12.41.3.1.1.4", "Loop State", itInteger, acReadOnly, &NormalLoopErrorList},
    {},
};

constexpr MibTableRow LoopbackDetectionEnabledVLANListSettings[] = {
    {"1.3.6.1.4.1.746.12.41.4.1", "Enabled VLAN List", itDisplayString, acReadWrite},
    {},
};
