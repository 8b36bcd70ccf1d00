// Catalogue tables: QoS (1.3.6.1.4.1.746.12.31, .51 and .61).
#pragma once

#include "MibTableRow.h"

extern const MibTableRow QoSBandwidthControlTable[6];
extern const MibTableRow QoSSchedulingTable[6];
extern const MibTableRow QoS8021pDefaultPriorityTable[3];
extern const MibTableRow QoSHOLPreventionSettings[2];
extern const MibTableRow QosDefaultPrioritySettings[3];
extern const MibTableRow QosColorTable[4];
extern const MibTableRow QoSDSCPTrustPortControlTable[3];
extern const MibTableRow Qos8021pPriorityTable[5];
extern const MibTableRow QosMinimumRateTable[5];
extern const MibTableRow QoS8021pUserPriorityTable[4];
extern const MibTableRow CoSBrandwidthctrlTable[5];
extern const MibTableRow QoSScheduleProfileTable[5];
extern const MibTableRow QosMemberPortsTable[3];
extern const MibTableRow QosColorTable2[3];
extern const MibTableRow QoSDSCPMapGlobalControlTable[5];
extern const MibTableRow SREDGlobalSettings[2];
extern const MibTableRow SREDDropCounterTable[4];
extern const MibTableRow SREDControlTable[8];
extern const MibTableRow Ieee8021pMapSettings[4];
extern const MibTableRow DSCPTrustedPortControlTable[3];
extern const MibTableRow SREDDSCPMapControlTable[6];
extern const MibTableRow WREDGlobalSettings[2];
extern const MibTableRow QosAverageTimeTable[3];
extern const MibTableRow QosDropStartTable[5];
extern const MibTableRow QosAllPortAverageTimeSettings[2];
extern const MibTableRow WREDProfileTable[4];
extern const MibTableRow WREDProfileConfigurationTable[7];
extern const MibTableRow WREDPortProfileTable[5];
