// Catalogue tables: multiple authentication (1.3.6.1.4.1.746.12.3.11).
#pragma once

#include "MibTableRow.h"

extern const MibTableRow PortAuthenticationModeTable[5];
extern const MibTableRow PortAuthenticationModeTable2[4];
extern const MibTableRow MultpAuthGuestVlanTable[4];
extern const MibTableRow CompoundAuthenticationNetworkSettings[6];
