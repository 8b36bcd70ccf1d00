// Columns stay in this order even where their arcs do not ascend: dialogs address them by position.
#include "Oid_subnetvlan.h"

#include "CatalogueOptionLists.h"

constexpr MibTableRow SubnetVLANIPv4Table[] = {
    {"1.3.6.1.4.1.746.12.75.3.2.1.1", "IP Address", itIpAddress, acNotAccess},
    {"1.3.6.1.4.1.746.12.75.3.2.1.2", "IP Mask", itIpAddress, acNotAccess},
    {"1.3.6.1.4.1.746.12.75.3.2.1.3", "VLAN ID", itInteger, acReadWrite},
    {"1.3.6.1.4.1.746.12.75.3.2.1.4", "Priority", itInteger, acReadWrite},
    {"1.3.6.1.4.1.746.12.75.3.2.1.5", "Row Status", itInteger, acReadWrite, &RowStatusList},
    {},
};

constexpr MibTableRow SubnetvlanClassificationTable[] = {
    {"1.3.6.1.4.1.746.12.75.3.1.1.1", "Port Index", itInteger, acNotAccess},
    {"1.3.6.1.4.1.746.12.75.3.1.1.2", "Classification", itInteger, acReadWrite, &MacBasedSubnetBasedList},
    {},
};

constexpr MibTableRow SubnetVLANIPv6Table[] = {
    {"1.3.6.1.4.1.746.12.75.3.3.1.1", "Address", itIpv6Address, acNotAccess},
    {"1.3.6.1.4.1.746.12.75.3.3.1.2", "Prefix Length", itInteger, acNotAccess},
    {"1.3.6.1.4.1.746.12.75.3.3.1.3", "VLAN ID", itInteger, acReadWrite},
    {"1.3.6.1.4.1.746.12.75.3.3.1.4", "Priority", itInteger, acReadWrite},
    {"1.3.6.1.4.1.746.12.75.3.3.1.5", "Row Status", itInteger, acReadWrite, &RowStatusList},
    {},
};
