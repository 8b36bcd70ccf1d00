// Catalogue tables: time range (1.3.6.1.4.1.746.12.50.3).
#pragma once

#include "MibTableRow.h"

extern const MibTableRow TimeRangeTable[6];
extern const MibTableRow TimeRangeTableACLTable[4];
extern const MibTableRow TimeRangeTableCPUInterfaceFilteringTable[4];
