// Catalogue tables: sFlow (1.3.6.1.4.1.746.12.36).
#pragma once

#include "MibTableRow.h"

extern const MibTableRow SFlowGeneralInformation[4];
extern const MibTableRow SFlowReceiverTable[8];
extern const MibTableRow SFlowFlowSamplerTable[6];
extern const MibTableRow SFlowCounterPollerTable[5];
