// Catalogue tables: configuration auto-backup (1.3.6.1.4.1.746.12.95).
#pragma once

#include "MibTableRow.h"

extern const MibTableRow SDCardBackupControlTable[6];
extern const MibTableRow SDCardExecuteControlTable[6];
extern const MibTableRow ExecuteConfiguration[4];
