// Catalogue tables: unit and system objects (1.3.6.1.4.1.746.12.11), SNMP group counters and the per-model
// front-panel LED status object. The 18 front-panel LED colour maps are in LedColorMaps.h.
#pragma once

#include "MibModelSet.h"

extern const MibTableRow PowerUnitIndexTable[4];
extern const MibTableRow TemperatureTable[5];
extern const MibTableRow TemperatureControlSettings[3];
extern const MibTableRow SystemUnitInsertSettings[6];
extern const MibTableRow UnitTable[16];
extern const MibTableRow StartupUnitTable[10];
extern const MibTableRow EquipmentBasicInfo[7];
extern const MibTableRow UnitInformation[4];
extern const MibTableRow StackModeSettings[2];
extern const MibTableRow FanTable[7];
extern const MibTableRow SystemMessageTable[4];
extern const MibTableRow GlobalLinkDetectionStateSettings[6];
extern const MibTableRow PowerSavingHibernationTable[3];
extern const MibTableRow PowerSavingPortLEDTable[3];
extern const MibTableRow PowerSavingPortEntryTable[4];
extern const MibTableRow LEDStateSettings[2];
extern const MibTableRow LightPortLEDSettings[3];
extern const MibTableRow EEEStateFormSettings[2];
extern const MibTableRow SNMPCounters[29];
ZQS_DECLARE_MODEL_SET(PanelZQS441024TCTable, 2);
