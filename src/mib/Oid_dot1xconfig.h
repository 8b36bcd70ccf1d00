// Catalogue tables: RADIUS-AUTH-CLIENT-MIB counters and 802.1X port tables (1.3.6.1.4.1.746.12.3).
#pragma once

#include "MibTableRow.h"

extern const MibTableRow AuthenticationInformation[3];
extern const MibTableRow RADIUSAuthenticationTable[16];
extern const MibTableRow RADIUSCommandSettings[3];
extern const MibTableRow PAEAuthenticatorSettings[3];
extern const MibTableRow ConfigurationTable[4];
extern const MibTableRow StateTable[8];
