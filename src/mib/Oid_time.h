// Catalogue tables: time, SNTP and summer time (1.3.6.1.4.1.746.12.10).
#pragma once

#include "MibTableRow.h"

extern const MibTableRow CurrentTimeSettings[4];
extern const MibTableRow SystemTimeSettings[5];
extern const MibTableRow SummerTimeSettings[7];
extern const MibTableRow NetworkTimeSettings[10];
extern const MibTableRow TimeNetworkTimeStateSettings[6];
