// Catalogue tables: policy route (1.3.6.1.4.1.746.12.32.3).
#pragma once

#include "MibTableRow.h"

extern const MibTableRow PolicyRouteTable[6];
