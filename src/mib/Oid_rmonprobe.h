// Catalogue tables: RMON2 probe configuration (1.3.6.1.2.1.16.19).
#pragma once

#include "MibTableRow.h"

extern const MibTableRow ProbeBasicInformation[5];
extern const MibTableRow RMONProbeNetConfigurationTable[5];
extern const MibTableRow RMONProbeNetDefaultGatewaySettings[2];
