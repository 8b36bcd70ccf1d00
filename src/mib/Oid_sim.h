// Catalogue tables: single IP management (1.3.6.1.4.1.746.12.8).
#pragma once

#include "MibTableRow.h"

extern const MibTableRow SingleIPInformation[4];
extern const MibTableRow SingleIPGlobalSettings[7];
extern const MibTableRow SingleIPMemberSwitchTable[11];
extern const MibTableRow SingleIPCandidateSwitchTable[8];
extern const MibTableRow SingleIPGroupInformation[9];
extern const MibTableRow SingleIPNeighborSwitchTable[4];
extern const MibTableRow MSTrapMessageSettings[2];
