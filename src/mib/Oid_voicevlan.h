// Catalogue tables: voice VLAN (1.3.6.1.4.1.746.12.74).
#pragma once

#include "MibTableRow.h"

extern const MibTableRow VoiceVLANGlobalVLANIDSettings[3];
extern const MibTableRow VoiceVLANGlobalPrioritySettings[4];
extern const MibTableRow VoiceVLANGlobalMemberPortListSettings[3];
extern const MibTableRow VoiceVLANDeviceTable[5];
extern const MibTableRow VoiceVLANOUITable[5];
extern const MibTableRow VoiceVLANPortTable[5];
extern const MibTableRow VoiceVLANLLDPMEDDeviceTable[9];
