// Columns stay in this order even where their arcs do not ascend: dialogs address them by position.
#include "Oid_poe.h"

#include "CatalogueOptionLists.h"

constexpr MibTableRow PoESystemSettings[] = {
    {"1.3.6.1.4.1.746.12.24.1.1", "Power Limit", itInteger, acReadWrite},
    {"1.3.6.1.4.1.746.12.24.1.2", "Power Disconnect Method", itInteger, acReadWrite,
     &DenyNextPortDenyLowPriorityPList},
    {"1.3.6.1.4.1.746.12.24.1.6", "Legacy PD", itInteger, acReadWrite, &EnabledDisabledList},
    {},
};

constexpr MibTableRow PanelZQS441048PCTable[] = {
    {"1.3.6.1.4.1.746.12.24.1.11.1.5", "LED Mode", itInteger, acReadWrite, &NormalPoeList},
    {},
};

constexpr MibTableRow PoEModeSettingSettings[] = {
    {"1.3.6.1.4.1.746.12.24.1.4", "PoE Mode", itInteger, acReadWrite, &NormalPoeList},
    {},
};

constexpr MibTableRow PoESystemInformation[] = {
    {"1.3.6.1.4.1.746.12.24.2.1.1.1", "Box ID", itInteger, acNotAccess},
    {"1.3.6.1.4.1.746.12.24.2.1.1.2", "Consumption", itInteger, acReadOnly},
    {"1.3.6.1.4.1.746.12.24.2.1.1.3", "Remained", itInteger, acReadOnly},
    {"1.3.6.1.4.1.746.12.24.2.1.1.4", "Limit", itInteger, acReadOnly},
    {"1.3.6.1.4.1.746.12.24.2.1.1.5", "Disconnect Method", itInteger, acReadOnly,
     &DenyNextPortDenyLowPriorityPList},
    {"1.3.6.1.4.1.746.12.24.2.1.1.7", "Legacy PD", itInteger, acReadOnly, &EnabledDisabledList},
    {},
};

constexpr MibTableRow PoEPortSettings[] = {
    {"1.3.6.1.4.1.746.12.24.3.1.1.1", "Port Index", itInteger, acNotAccess},
    {"1.3.6.1.4.1.746.12.24.3.1.1.2", "State", itInteger, acReadWrite, &EnabledDisabledList2},
    {"1.3.6.1.4.1.746.12.24.3.1.1.3", "Priority", itInteger, acReadWrite, &CriticalHighLowList},
    {"1.3.6.1.4.1.746.12.24.3.1.1.4", "Power Limit", itInteger, acReadWrite, &Class0Class1Class2List},
    {"1.3.6.1.4.1.746.12.24.3.1.1.5", "User Defined", itInteger, acReadWrite},
    {"1.3.6.1.4.1.746.12.24.3.1.1.6", "Time Range Name", itDisplayString, acReadWrite},
    {},
};

constexpr MibTableRow PoEPortInformation[] = {
    {"1.3.6.1.4.1.746.12.24.4.1.1.1", "Port Index", itInteger, acNotAccess},
    {"1.3.6.1.4.1.746.12.24.4.1.1.2", "Class", itInteger, acReadOnly},
    {"1.3.6.1.4.1.746.12.24.4.1.1.3", "Power", itInteger, acReadOnly},
    {"1.3.6.1.4.1.746.12.24.4.1.1.4", "Voltage", itInteger, acReadOnly},
    {"1.3.6.1.4.1.746.12.24.4.1.1.5", "Current", itInteger, acReadOnly},
    {"1.3.6.1.4.1.746.12.24.4.1.1.6", "State", itDisplayString, acReadOnly},
    {"1.3.6.1.4.1.746.12.24.4.1.1.7", "LED State", itInteger, acReadOnly, &OnOffErrorList},
    {},
};

constexpr MibTableRow StackingControlTable[] = {
    {"1.3.6.1.4.1.746.12.24.1.11.1.1", "Unit ID", itInteger, acNotAccess},
    {"1.3.6.1.4.1.746.12.24.1.11.1.2", "Power Limit", itInteger, acReadWrite},
    {"1.3.6.1.4.1.746.12.24.1.11.1.3", "Power Disconnect Method", itInteger, acReadWrite,
     &DenyNextPortDenyLowPriorityPList},
    {"1.3.6.1.4.1.746.12.24.1.11.1.5", "LED Mode", itInteger, acReadWrite, &NormalPoeList},
    {"1.3.6.1.4.1.746.12.24.1.11.1.6", "Legacy PD", itInteger, acReadWrite, &EnabledDisabledList},
    {},
};
