// Catalogue tables: loopback detection (1.3.6.1.4.1.746.12.41).
#pragma once

#include "MibTableRow.h"

extern const MibTableRow LoopbackDetectionGlobalSettings[7];
extern const MibTableRow LoopDetectionPortManagementTable[5];
extern const MibTableRow LoopbackDetectionEnabledVLANListSettings[2];
