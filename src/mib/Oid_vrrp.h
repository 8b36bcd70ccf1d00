// Catalogue tables: VRRP-MIB.
#pragma once

#include "MibTableRow.h"

extern const MibTableRow VRRPGlobalSettings[3];
extern const MibTableRow VrrpVirtualMACAddressTable[17];
extern const MibTableRow VRRPVirtualRouterAddressTable[5];
extern const MibTableRow VRRPErrorStatisticsInformation[4];
extern const MibTableRow VRRPVirtualRouterStatisticsTable[15];
