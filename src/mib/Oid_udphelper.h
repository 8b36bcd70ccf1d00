// Catalogue tables: UDP helper (1.3.6.1.4.1.746.12.99).
#pragma once

#include "MibTableRow.h"

extern const MibTableRow UDPHelperGlobalStateSettings[2];
extern const MibTableRow UDPHelperPortControlTable[3];
extern const MibTableRow UDPHelperServerControlTable[4];
