// Catalogue tables: JWAC (1.3.6.1.4.1.746.12.39).
#pragma once

#include "MibTableRow.h"

extern const MibTableRow JwacStateSettings[19];
extern const MibTableRow JWACGlobalSettings[22];
extern const MibTableRow JWACUpdateServerTable[7];
extern const MibTableRow IPv6UpdateServerTable[7];
extern const MibTableRow JWACPortTable[7];
extern const MibTableRow JWACHostTable[12];
extern const MibTableRow PageElementTable[12];
extern const MibTableRow JWACWebAuthenticationUserTable[5];
extern const MibTableRow JwacAuthenticationStateTable[12];
extern const MibTableRow AuthenticationStateTable[13];
