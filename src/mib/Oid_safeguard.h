// Catalogue tables: safeguard engine (1.3.6.1.4.1.746.12.19).
#pragma once

#include "MibTableRow.h"

extern const MibTableRow SafeguardEngineGlobalSettings[2];
extern const MibTableRow SafeguardCtrlSettings[6];
