// Catalogue tables: NetBIOS filter (1.3.6.1.4.1.746.12.37).
#pragma once

#include "MibTableRow.h"

extern const MibTableRow NetBIOSFilteringFilterNetBIOSOverTCPIPTable[3];
extern const MibTableRow ExtensiveNetBIOSFilteringFilterNetBIOSOver8022Table[3];
