// Catalogue tables: PoE (1.3.6.1.4.1.746.12.24).
#pragma once

#include "MibTableRow.h"

extern const MibTableRow PoESystemSettings[4];
extern const MibTableRow PanelZQS441048PCTable[2];
extern const MibTableRow PoEModeSettingSettings[2];
extern const MibTableRow PoESystemInformation[7];
extern const MibTableRow PoEPortSettings[7];
extern const MibTableRow PoEPortInformation[8];
extern const MibTableRow StackingControlTable[6];
