// Columns stay in this order even where their arcs do not ascend: dialogs address them by position.
#include "Oid_macbasedvlan.h"

#include "CatalogueOptionLists.h"

constexpr MibTableRow MacbasedvlanMACAddressSettings[] = {
    {"1.3.6.1.4.1.746.12.56.3.1.1.1", "MAC Address", itMacAddress, acReadOnly},
    {"1.3.6.1.4.1.746.12.56.3.1.1.2", "VLAN Name", itDisplayString, acReadWrite},
    {"1.3.6.1.4.1.746.12.56.3.1.1.3", "Status", itInteger, acReadWrite, &RowStatusList},
    {},
};

constexpr MibTableRow MACBasedVLANControlOptionTable[] = {
    {"1.3.6.1.4.1.746.12.56.3.2.1.1", "MAC Address", itMacAddress, acNotAccess},
    {"1.3.6.1.4.1.746.12.56.3.2.1.2", "VLAN ID", itInteger, acNotAccess},
    {"1.3.6.1.4.1.746.12.56.3.2.1.3", "Type", itInteger, acReadOnly, &StaticMacBasedAccessCoIeee8021xList},
    {"1.3.6.1.4.1.746.12.56.3.2.1.4", "Row Status", itInteger, acReadWrite, &RowStatusList},
    {"1.3.6.1.4.1.746.12.56.3.2.1.5", "Priority", itInteger, acReadWrite},
    {},
};
