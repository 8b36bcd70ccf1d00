// Columns stay in this order even where their arcs do not ascend: dialogs address them by position.
#include "Oid_privatevlan.h"

#include "CatalogueOptionLists.h"

constexpr MibTableRow PrivateVLANTable[] = {
    {"1.3.6.1.4.1.746.12.69.3.1.1.1", "VLAN ID", itInteger, acNotAccess},
    {"1.3.6.1.4.1.746.12.69.3.1.1.2", "VLAN Name", itDisplayString, acReadWrite},
    {"1.3.6.1.4.1.746.12.69.3.1.1.3", "Promiscuous Ports", itBitList, acReadWrite},
    {"1.3.6.1.4.1.746.12.69.3.1.1.4", "Trunk Ports", itBitList, acReadWrite},
    {"1.3.6.1.4.1.746.12.69.3.1.1.5", "Row Status", itInteger, acReadWrite, &RowStatusList},
    {},
};

constexpr MibTableRow SecondaryVlanTable[] = {
    {" ", "Private VLAN ID", itInteger, acNotAccess},
    {"1.3.6.1.4.1.746.12.69.3.2.1.1", "Secondary VLAN ID", itInteger, acNotAccess},
    {"1.3.6.1.4.1.746.12.69.3.2.1.2", "VLAN Type", itInteger, acReadWrite, &IsolatedCommunityList},
    {"1.3.6.1.4.1.746.12.69.3.2.1.3", "VLAN Ports", itBitList, acReadWrite},
    {"1.3.6.1.4.1.746.12.69.3.2.1.4", "Row Status", itInteger, acReadWrite, &RowStatusList},
    {},
};
