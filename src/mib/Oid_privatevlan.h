// Catalogue tables: Private VLAN (1.3.6.1.4.1.746.12.69).
#pragma once

#include "MibTableRow.h"

extern const MibTableRow PrivateVLANTable[6];
extern const MibTableRow SecondaryVlanTable[6];
