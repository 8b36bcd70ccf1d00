// Catalogue tables: surveillance VLAN (1.3.6.1.4.1.746.12.102).
#pragma once

#include "MibTableRow.h"

extern const MibTableRow SurveillanceVLANGlobalVALNIDSettings[3];
extern const MibTableRow SurveillanceVLANGlobalPrioritySettings[4];
extern const MibTableRow SurveillanceVLANGlobalMemberPortListSettings[3];
extern const MibTableRow SurveillanceVLANDeviceTable[5];
extern const MibTableRow SurveillanceVLANOUITable[6];
extern const MibTableRow SurveillanceVLANPortTable[3];
