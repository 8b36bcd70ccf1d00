// Columns stay in this order even where their arcs do not ascend: dialogs address them by position.
#include "Oid_qinq.h"

#include "CatalogueOptionLists.h"

constexpr MibTableRow QInQGlobalSettings[] = {
    {"1.3.6.1.4.1.746.12.57.1.1", "State", itInteger, acReadWrite, &EnabledDisabledList},
    {"1.3.6.1.4.1.746.12.57.1.2", "Inner TPID", itOctetString, acReadWrite},
    {},
};

constexpr MibTableRow QInQPortTable[] = {
    {"1.3.6.1.4.1.746.12.57.3.1.1.1", "Index", itInteger, acNotAccess},
    {"1.3.6.1.4.1.746.12.57.3.1.1.2", "Role", itInteger, acReadWrite, &NniUniList},
    {"1.3.6.1.4.1.746.12.57.3.1.1.3", "Miss Drop", itInteger, acReadWrite, &EnabledDisabledList},
    {"1.3.6.1.4.1.746.12.57.3.1.1.4", "TPID", itOctetString, acReadWrite},
    {"1.3.6.1.4.1.746.12.57.3.1.1.5", "Use Inner Priority", itInteger, acReadWrite, &EnabledDisabledList},
    {"1.3.6.1.4.1.746.12.57.3.1.1.6", "Inner Tag State", itInteger, acReadWrite, &EnabledDisabledList},
    {"1.3.6.1.4.1.746.12.57.3.1.1.7", "Inner Tag", itOctetString, acReadWrite},
    {},
};

constexpr MibTableRow QinqRowStatusTable[] = {
    {"1.3.6.1.4.1.746.12.57.3.2.1.1", "Index", itInteger, acNotAccess},
    {"1.3.6.1.4.1.746.12.57.3.2.1.2", "Profile ID", itInteger, acNotAccess},
    {"1.3.6.1.4.1.746.12.57.3.2.1.3", "Row Status", itInteger, acReadWrite, &RowStatusList},
    {},
};

constexpr MibTableRow VLANTranslateTable[] = {
    {"1.3.6.1.4.1.746.12.57.3.3.1.1", "Port Index", itInteger, acNotAccess},
    {"1.3.6.1.4.1.746.12.57.3.3.1.2", "CVID", itInteger, acNotAccess},
    {"1.3.6.1.4.1.746.12.57.3.3.1.3", "SVID", itInteger, acReadWrite},
    {"1.3.6.1.4.1.746.12.57.3.3.1.4", "SVID Operation", itInteger, acReadWrite, &AddReplaceList},
    {"1.3.6.1.4.1.746.12.57.3.3.1.5", "Priority", itInteger, acReadWrite},
    {"1.3.6.1.4.1.746.12.57.3.3.1.6", "Row Status", itInteger, acReadWrite, &RowStatusList},
    {},
};

constexpr MibTableRow QinqRowStatusTable2[] = {
    {"1.3.6.1.4.1.746.12.57.4.1.1.1", "Profile ID", itInteger, acNotAccess},
    {"1.3.6.1.4.1.746.12.57.4.1.1.2", "Row Status", itInteger, acReadWrite, &RowStatusList},
    {},
};

constexpr MibTableRow QinqOperationTable[] = {
    {"1.3.6.1.4.1.746.12.57.3.4.1.1", "Index", itInteger, acNotAccess},
    {"1.3.6.1.4.1.746.12.57.3.4.1.2", "SVID", itInteger, acNotAccess},
    {"1.3.6.1.4.1.746.12.57.3.4.1.3", "CVID", itInteger, acNotAccess},
    {"1.3.6.1.4.1.746.12.57.3.4.1.4", "Operation", itInteger, acReadWrite},
    {"1.3.6.1.4.1.746.12.57.3.4.1.5", "New SVID", itInteger, acReadWrite},
    {"1.3.6.1.4.1.746.12.57.3.4.1.6", "Priority", itInteger, acReadWrite},
    {"1.3.6.1.4.1.746.12.57.3.4.1.7", "Row Status", itInteger, acReadWrite, &RowStatusList},
    {},
};

constexpr MibTableRow QinqClassifySourceMACAddressTable[] = {
    {"1.3.6.1.4.1.746.12.57.4.2.1.1", "Profile ID", itInteger, acNotAccess},
    {"1.3.6.1.4.1.746.12.57.4.2.1.2", "Access ID", itInteger, acNotAccess},
    {"1.3.6.1.4.1.746.12.57.4.2.1.3", "Classify Source MAC Address", itMacAddress, acReadWrite},
    {"1.3.6.1.4.1.746.12.57.4.2.1.4", "Classify Source MAC Address Mask", itMacAddress, acReadWrite},
    {"1.3.6.1.4.1.746.12.57.4.2.1.5", "Classify Destination MAC Address", itMacAddress, acReadWrite},
    {"1.3.6.1.4.1.746.12.57.4.2.1.6", "Classify Destination MAC Address Mask", itMacAddress, acReadWrite},
    {"1.3.6.1.4.1.746.12.57.4.2.1.7", "Source IPv4 Address", itIpAddress, acReadWrite},
    {"1.3.6.1.4.1.746.12.57.4.2.1.8", "Source IPv4 Address Mask", itIpAddress, acReadWrite},
    {"1.3.6.1.4.1.746.12.57.4.2.1.9", "Destination IPv4 Address", itIpAddress, acReadWrite},
    {"1.3.6.1.4.1.746.12.57.4.2.1.10", "Destination IPv4 Address Mask", itIpAddress, acReadWrite},
    {"1.3.6.1.4.1.746.12.57.4.2.1.12", "Outer VLAN ID", itDisplayString, acReadWrite},
    {"1.3.6.1.4.1.746.12.57.4.2.1.13", "802.1p", itInteger, acReadWrite},
    {"1.3.6.1.4.1.746.12.57.4.2.1.14", "IP Protocol", itInteger, acReadWrite},
    {"1.3.6.1.4.1.746.12.57.4.2.1.15", "Source Port", itInteger, acReadWrite},
    {"1.3.6.1.4.1.746.12.57.4.2.1.16", "Destination Port", itInteger, acReadWrite},
    {"1.3.6.1.4.1.746.12.57.4.2.1.17", "SP-VLAN ID Operation", itInteger, acReadWrite, &AddReplaceList},
    {"1.3.6.1.4.1.746.12.57.4.2.1.18", "SP-VLAN ID", itInteger, acReadWrite},
    {"1.3.6.1.4.1.746.12.57.4.2.1.19", "Priority", itInteger, acReadWrite},
    {"1.3.6.1.4.1.746.12.57.4.2.1.20", "Row Status", itInteger, acReadWrite, &RowStatusList},
    {"1.3.6.1.4.1.746.12.57.4.2.1.21", "Active Ports", itBitList, acReadOnly},
    {},
};
