// Catalogue tables: ARP spoofing prevention (1.3.6.1.4.1.746.12.62).
#pragma once

#include "MibTableRow.h"

extern const MibTableRow ARPSpoofingPreventMgmtTable[5];
