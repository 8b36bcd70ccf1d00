// Columns stay in this order even where their arcs do not ascend: dialogs address them by position.
#include "Oid_filternetbios.h"

#include "CatalogueOptionLists.h"

constexpr MibTableRow NetBIOSFilteringFilterNetBIOSOverTCPIPTable[] = {
    {"1.3.6.1.4.1.746.12.37.2.1.1.1", "Port Index", itInteger, acNotAccess},
    {"1.3.6.1.4.1.746.12.37.2.1.1.2", "State", itInteger, acReadWrite, &EnabledDisabledList},
    {},
};

constexpr MibTableRow ExtensiveNetBIOSFilteringFilterNetBIOSOver8022Table[] = {
    {"1.3.6.1.4.1.746.12.37.3.1.1.1", "Port Index", itInteger, acNotAccess},
    {"1.3.6.1.4.1.746.12.37.3.1.1.2", "State", itInteger, acReadWrite, &EnabledDisabledList},
    {},
};
