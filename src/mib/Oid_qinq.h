// Catalogue tables: Q-in-Q (1.3.6.1.4.1.746.12.57).
#pragma once

#include "MibTableRow.h"

extern const MibTableRow QInQGlobalSettings[3];
extern const MibTableRow QInQPortTable[8];
extern const MibTableRow QinqRowStatusTable[4];
extern const MibTableRow VLANTranslateTable[7];
extern const MibTableRow QinqRowStatusTable2[3];
extern const MibTableRow QinqOperationTable[8];
extern const MibTableRow QinqClassifySourceMACAddressTable[21];
