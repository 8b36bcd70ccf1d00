// Columns stay in this order even where their arcs do not ascend: dialogs address them by position.
#include "Oid_udphelper.h"

#include "CatalogueOptionLists.h"

constexpr MibTableRow UDPHelperGlobalStateSettings[] = {
    {"1.3.6.1.4.1.746.12.99.1.1.1", "Global State", itInteger, acReadWrite, &EnabledDisabledList},
    {},
};

constexpr MibTableRow UDPHelperPortControlTable[] = {
    {"1.3.6.1.4.1.746.12.99.1.2.1.1", "Port Number", itInteger, acNotAccess},
    {"1.3.6.1.4.1.746.12.99.1.2.1.2", "Row Status", itInteger, acReadWrite, &RowStatusList},
    {},
};

constexpr MibTableRow UDPHelperServerControlTable[] = {
    {"1.3.6.1.4.1.746.12.99.1.3.1.1", "Interface Name", itDisplayString, acNotAccess},
    {"1.3.6.1.4.1.746.12.99.1.3.1.2", "Server IP Address", itIpAddress, acNotAccess},
    {"1.3.6.1.4.1.746.12.99.1.3.1.3", "Row Status", itInteger, acReadWrite, &RowStatusList},
    {},
};
