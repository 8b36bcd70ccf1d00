// Catalogue tables: MAC-based VLAN (1.3.6.1.4.1.746.12.56).
#pragma once

#include "MibTableRow.h"

extern const MibTableRow MacbasedvlanMACAddressSettings[4];
extern const MibTableRow MACBasedVLANControlOptionTable[6];
