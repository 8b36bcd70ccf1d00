// Catalogue tables: system log (1.3.6.1.4.1.746.12.12).
#pragma once

#include "MibTableRow.h"

extern const MibTableRow SystemLogGlobalSettings[2];
extern const MibTableRow LogSaveControlSettings[3];
extern const MibTableRow SystemLogClearLogSettings[2];
extern const MibTableRow SystemLogClearDangerousLogSettings[3];
extern const MibTableRow SystemLogHostTable[9];
extern const MibTableRow SystemlogunitFacilityTable[9];
