// Columns stay in this order even where their arcs do not ascend: dialogs address them by position.
#include "Oid_multicastreplication.h"

#include "CatalogueOptionLists.h"

constexpr MibTableRow IPMulticastVLANReplicationGlobalSettings[] = {
    {"1.3.6.1.4.1.746.12.71.1.1", "State", itInteger, acReadWrite, &EnabledDisabledList},
    {"1.3.6.1.4.1.746.12.71.3.1", "TTL Status", itInteger, acReadWrite, &DecreaseNodecreaseList},
    {"1.3.6.1.4.1.746.12.71.3.2", "Source MAC State", itInteger, acReadWrite, &ReplaceNoreplaceList},
    {},
};

constexpr MibTableRow IPMulticastVLANReplicationInformationTable[] = {
    {" ", "Name", itDisplayString, acNotAccess},
    {"1.3.6.1.4.1.746.12.71.2.1.1.1", "Group Address Type", itInteger, acNotAccess, &UnknownIpv4List},
    {"1.3.6.1.4.1.746.12.71.2.1.1.2", "Group Address", itInetAddress, acNotAccess},
    {"1.3.6.1.4.1.746.12.71.2.1.1.3", "Source Address Type", itInteger, acNotAccess, &UnknownIpv4List},
    {"1.3.6.1.4.1.746.12.71.2.1.1.4", "Source Address", itInetAddress, acNotAccess | acImplied},
    {"1.3.6.1.4.1.746.12.71.2.1.1.5", "State", itInteger, acReadOnly, &ActiveInactiveList},
    {},
};

constexpr MibTableRow ReplicationTable[] = {
    {"1.3.6.1.4.1.746.12.71.3.3.1.1", "Name", itDisplayString, acNotAccess},
    {"1.3.6.1.4.1.746.12.71.3.3.1.2", "Source VLAN ID", itInteger, acReadWrite},
    {"1.3.6.1.4.1.746.12.71.3.3.1.3", "Row Status", itInteger, acReadWrite, &RowStatusList},
    {},
};

constexpr MibTableRow IPMulticastVLANReplicationSourceTable[] = {
    {" ", "Name", itDisplayString, acNotAccess},
    {"1.3.6.1.4.1.746.12.71.3.4.1.1", "Group Address Type", itInteger, acNotAccess, &UnknownIpv4List},
    {"1.3.6.1.4.1.746.12.71.3.4.1.2", "Group Address Start", itInetAddress, acNotAccess},
    {"1.3.6.1.4.1.746.12.71.3.4.1.3", "Group Address End", itInetAddress, acNotAccess},
    {"1.3.6.1.4.1.746.12.71.3.4.1.4", "Source Address Type", itInteger, acReadWrite, &UnknownIpv4List},
    {"1.3.6.1.4.1.746.12.71.3.4.1.5", "Source Address", itInetAddress, acReadWrite},
    {"1.3.6.1.4.1.746.12.71.3.4.1.6", "Row Status", itInteger, acReadWrite, &RowStatusList},
    {},
};

constexpr MibTableRow DestinationTable[] = {
    {" ", "Name", itDisplayString, acNotAccess},
    {"1.3.6.1.4.1.746.12.71.3.5.1.1", "VLAN ID", itInteger, acNotAccess},
    {"1.3.6.1.4.1.746.12.71.3.5.1.2", "Port", itBitString, acReadWrite},
    {"1.3.6.1.4.1.746.12.71.3.5.1.3", "Row Status", itInteger, acReadWrite, &RowStatusList},
    {},
};
