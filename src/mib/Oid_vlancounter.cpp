// Columns stay in this order even where their arcs do not ascend: dialogs address them by position.
#include "Oid_vlancounter.h"

#include "CatalogueOptionLists.h"

constexpr MibTableRow mniVLANCounterSettings[] = {
    {"1.3.6.1.4.1.746.12.65.3.1.1.1", "VLAN ID", itInteger, acNotAccess},
    {"1.3.6.1.4.1.746.12.65.3.1.1.2", "Port", itInteger, acNotAccess},
    {"1.3.6.1.4.1.746.12.65.3.1.1.3", "Packet Type", itInteger, acNotAccess, &BroadcastMulticastUnicastList},
    {"1.3.6.1.4.1.746.12.65.3.1.1.4", "Level", itInteger, acNotAccess, &PacketByteList},
    {"1.3.6.1.4.1.746.12.65.3.1.1.5", "Total Stats", itCounter64, acReadOnly},
    {"1.3.6.1.4.1.746.12.65.3.1.1.6", "Rate Stats", itCounter64, acReadOnly},
    {"1.3.6.1.4.1.746.12.65.3.1.1.7", "Row Status", itInteger, acReadWrite, &RowStatusList},
    {},
};

constexpr MibTableRow VlancounterVLANCounterClearActionTable[] = {
    {" ", "VLAN ID", itInteger, acNotAccess},
    {" ", "Port", itInteger, acNotAccess},
    {"1.3.6.1.4.1.746.12.65.3.2.1.1", "VLAN Counter Clear Action", itInteger, acReadWrite, &OtherStartList},
    {},
};

constexpr MibTableRow VLANCounters[] = {
    {"1.3.6.1.4.1.746.12.65.3.3.1.1", "Direction", itInteger, acNotAccess, &RxTxList},
    {"1.3.6.1.4.1.746.12.65.3.3.1.2", "VLAN ID", itInteger, acNotAccess},
    {"1.3.6.1.4.1.746.12.65.3.3.1.3", "Port", itInteger, acNotAccess},
    {"1.3.6.1.4.1.746.12.65.3.3.1.4", "Packet Type", itInteger, acNotAccess, &BroadcastMulticastUnicastList2},
    {"1.3.6.1.4.1.746.12.65.3.3.1.5", "Level", itInteger, acNotAccess, &PacketByteList},
    {"1.3.6.1.4.1.746.12.65.3.3.1.6", "Total Stats", itCounter64, acReadOnly},
    {"1.3.6.1.4.1.746.12.65.3.3.1.7", "Rate Stats", itCounter64, acReadOnly},
    {"1.3.6.1.4.1.746.12.65.3.3.1.8", "Row Status", itInteger, acReadWrite, &RowStatusList},
    {},
};

constexpr MibTableRow VLANCounterExtensionClearTable[] = {
    {" ", "Direction", itInteger, acNotAccess},
    {" ", "VLAN ID", itInteger, acNotAccess},
    {" ", "Port", itInteger, acNotAccess},
    {"1.3.6.1.4.1.746.12.65.3.4.1.1", "Clear Action", itInteger, acReadWrite, &OtherStartList},
    {},
};
