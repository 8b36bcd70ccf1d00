// Catalogue tables: OSPFV3-MIB (1.3.6.1.2.1.191) and 1.3.6.1.4.1.746.12.65.1/.2.
#pragma once

#include "MibTableRow.h"

extern const MibTableRow OSPFv3GlobalSettings[10];
extern const MibTableRow OSPFv3AreaTable[11];
extern const MibTableRow OSPFv3ASLSDBTable[8];
extern const MibTableRow OSPFv3AreaLSDBTable[9];
extern const MibTableRow OSPFv3LinkLSDBTable[9];
extern const MibTableRow OSPFv3InterfaceTable[19];
extern const MibTableRow OSPFv3VirtualInterfaceTable[12];
extern const MibTableRow OSPFv3NeighborTable[10];
extern const MibTableRow Ospfv3PriorityTable[7];
extern const MibTableRow OSPFv3VirtualNeighborTable[10];
extern const MibTableRow OSPFv3AreaAggregateTable[8];
extern const MibTableRow OSPFv3VirtualLinkLSDBTable[11];
extern const MibTableRow Ospfv3InstanceIDTable[18];
extern const MibTableRow Ospfv3InstanceIDTable2[11];
