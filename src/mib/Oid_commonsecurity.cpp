// Columns stay in this order even where their arcs do not ascend: dialogs address them by position.
#include "Oid_commonsecurity.h"

#include "CatalogueOptionLists.h"

constexpr MibTableRow AuthenticationModeSettings[] = {
    {"1.3.6.1.4.1.746.12.3.1.1", "User Authentication Protocol", itInteger, acReadWrite,
     &AuthProtocolLocaAuthProtocolRadiList},
    {"1.3.6.1.4.1.746.12.3.1.2", "Device Authentication Mode", itInteger, acReadWrite, &PortBaseMacBaseList},
    {"1.3.6.1.4.1.746.12.3.1.3", "RADIUS Authorization State", itInteger, acReadWrite, &EnabledDisabledList},
    {},
};

constexpr MibTableRow DoSPreventionControlInformationSettings[] = {
    {"1.3.6.1.4.1.746.12.59.1.4", "Trap State", itInteger, acReadWrite, &EnabledDisabledList},
    {"1.3.6.1.4.1.746.12.59.1.5", "Log State", itInteger, acReadWrite, &EnabledDisabledList},
    {"1.3.6.1.4.1.746.12.59.1.6", "Function Version", itDisplayString, acReadOnly},
    {},
};

constexpr MibTableRow DoSPreventionControlTable[] = {
    {"1.3.6.1.4.1.746.12.59.1.3.1.1", "Type", itInteger, acNotAccess, &LandAttackBlatAttackTcpNullScanList},
    {"1.3.6.1.4.1.746.12.59.1.3.1.2", "Control State", itInteger, acReadWrite, &EnableDisableList},
    {"1.3.6.1.4.1.746.12.59.1.3.1.3", "Action Type", itInteger, acReadWrite, &DropMirrorList},
    {},
};
