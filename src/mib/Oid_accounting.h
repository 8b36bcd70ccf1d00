// Catalogue tables: RADIUS-ACC-CLIENT-MIB counters and 1.3.6.1.4.1.746.12.55.
#pragma once

#include "MibTableRow.h"

extern const MibTableRow RADIUSAccountingBasicInformation[3];
extern const MibTableRow RADIUSAccountingServerTable[14];
extern const MibTableRow AccountingSettings[4];
