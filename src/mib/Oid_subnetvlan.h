// Catalogue tables: subnet VLAN (1.3.6.1.4.1.746.12.75).
#pragma once

#include "MibTableRow.h"

extern const MibTableRow SubnetVLANIPv4Table[6];
extern const MibTableRow SubnetvlanClassificationTable[3];
extern const MibTableRow SubnetVLANIPv6Table[6];
