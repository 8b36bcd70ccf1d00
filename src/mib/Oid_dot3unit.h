// Catalogue tables: EtherLike-MIB dot3 control, pause and statistics tables.
#pragma once

#include "MibTableRow.h"

extern const MibTableRow dot3ControlFunctionSupportedTable[3];
extern const MibTableRow dot3ControlReceivedUnknownOpcodeTable[2];
extern const MibTableRow dot3PauseAdministrationModeTable[4];
extern const MibTableRow dot3PauseInPauseFramesTable[3];
extern const MibTableRow dot3Statistics[17];
