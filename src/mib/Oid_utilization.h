// Catalogue tables: utilization (1.3.6.1.4.1.746.12.66).
#pragma once

#include "MibTableRow.h"

extern const MibTableRow HistoricalPacketsCounter[19];
extern const MibTableRow HistoricalErrorCounter[14];
extern const MibTableRow HistoricalUtilizationTable[7];
