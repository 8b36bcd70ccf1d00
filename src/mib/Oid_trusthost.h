// Catalogue tables: trusted hosts (1.3.6.1.4.1.746.12.1.2).
#pragma once

#include "MibTableRow.h"

extern const MibTableRow TrustHostDeleteAllStateSettings[2];
extern const MibTableRow TrustedHostTable[14];
extern const MibTableRow TrusthostIPAddressTable[11];
