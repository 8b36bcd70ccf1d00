// Catalogue tables: port security (1.3.6.1.4.1.746.12.63).
#pragma once

#include "MibTableRow.h"

extern const MibTableRow PortSecurityGlobalSettings[4];
extern const MibTableRow PortSecurityPortTable[7];
extern const MibTableRow PortSecurityVLANTable[4];
extern const MibTableRow PortSecurityVLANOnPortTable[5];
extern const MibTableRow PortSecurityVLANOnPortClearControlSettings[4];
extern const MibTableRow PortSecurityTable[5];
