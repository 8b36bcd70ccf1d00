// Catalogue tables: BPDU attack protection (1.3.6.1.4.1.746.12.76).
#pragma once

#include "MibTableRow.h"

extern const MibTableRow BPDUProtectionGlobalSettings[5];
extern const MibTableRow PortStateTable[5];
