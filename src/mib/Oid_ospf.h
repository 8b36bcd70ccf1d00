// Catalogue tables: OSPF-MIB (1.3.6.1.2.1.14).
#pragma once

#include "MibTableRow.h"

extern const MibTableRow OSPFAreaMetricSettings[6];
extern const MibTableRow OSPFAreaMaskSettings[7];
extern const MibTableRow OspfAuthenticationTypeTable[11];
extern const MibTableRow OSPFInterfaceMetricTable[6];
extern const MibTableRow OspfSequenceNumberTable[9];
extern const MibTableRow OspfSequenceNumberTable2[8];
extern const MibTableRow OSPFNeighborInformationIPAddressTable[12];
extern const MibTableRow OSPFNeighborInformationTransmitAreaIDTable[9];
extern const MibTableRow OSPFGlobalSettings[15];
