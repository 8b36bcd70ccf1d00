// Catalogue tables: DDM (1.3.6.1.4.1.746.12.72).
#pragma once

#include "MibTableRow.h"

extern const MibTableRow DDMInformationSettings[4];
extern const MibTableRow DDMStatusTable[7];
extern const MibTableRow DDMThresholdManagementTable[7];
extern const MibTableRow DDMActionManagementTable[5];
extern const MibTableRow DDMPortManagementTable[4];
