// Catalogue tables: VLAN counters (1.3.6.1.4.1.746.12.65.3).
#pragma once

#include "MibTableRow.h"

extern const MibTableRow mniVLANCounterSettings[8];
extern const MibTableRow VlancounterVLANCounterClearActionTable[4];
extern const MibTableRow VLANCounters[9];
extern const MibTableRow VLANCounterExtensionClearTable[5];
