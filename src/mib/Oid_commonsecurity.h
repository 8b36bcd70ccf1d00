// Catalogue tables: authentication (1.3.6.1.4.1.746.12.3 and 1.3.6.1.4.1.746.12.59).
#pragma once

#include "MibTableRow.h"

extern const MibTableRow AuthenticationModeSettings[4];
extern const MibTableRow DoSPreventionControlInformationSettings[4];
extern const MibTableRow DoSPreventionControlTable[4];
