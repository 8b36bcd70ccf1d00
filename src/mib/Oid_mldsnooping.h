// Catalogue tables: MLD snooping (1.3.6.1.4.1.746.12.34).
#pragma once

#include "MibTableRow.h"

extern const MibTableRow MldsnoopingGlobalStateSettings[3];
extern const MibTableRow MldsnoopingQueryIntervalTable[14];
extern const MibTableRow MldsnoopingMACAddressTable[6];
extern const MibTableRow MldsnoopingRouterStaticPortListTable[5];
