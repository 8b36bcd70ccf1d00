// Columns stay in this order even where their arcs do not ascend: dialogs address them by position.
#include "Oid_protocolvlan.h"

#include "CatalogueOptionLists.h"

constexpr MibTableRow ProtocolVLANGroup[] = {
    {"1.3.6.1.2.1.17.7.1.5.1.1.1", "Template Frame Type", itInteger, acNotAccess,
     &EthernetRfc1042LlcOtherList},
    {"1.3.6.1.2.1.17.7.1.5.1.1.2", "Template Protocol Value", itOctetString, acNotAccess},
    {"1.3.6.1.2.1.17.7.1.5.1.1.3", "Group ID", itInteger, acReadWrite},
    {"1.3.6.1.2.1.17.7.1.5.1.1.4", "Row Status", itInteger, acReadWrite, &ActiveCreateAndGoDestroyList},
    {},
};

constexpr MibTableRow ProtocolVLANPortTable[] = {
    {" ", "Port", itInteger, acNotAccess},
    {"1.3.6.1.2.1.17.7.1.5.2.1.1", "Group ID", itInteger, acNotAccess},
    {"1.3.6.1.2.1.17.7.1.5.2.1.2", "Group VLAN ID", itInteger, acReadWrite},
    {"1.3.6.1.2.1.17.7.1.5.2.1.3", "Row Status", itInteger, acReadWrite, &ActiveCreateAndGoDestroyList},
    {},
};

constexpr MibTableRow ProtocolVLANPortGroupPriorityTable[] = {
    {" ", "Port", itInteger, acNotAccess},
    {" ", "Group ID", itInteger, acNotAccess},
    {"1.3.6.1.4.1.746.12.16.1.2.1.1", "Priority", itInteger, acReadWrite},
    {},
};
