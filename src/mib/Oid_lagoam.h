// Catalogue tables: IEEE 802.3ad LAG-MIB, DOT3-OAM-MIB (1.3.6.1.2.1.158), loopback (1.3.6.1.4.1.746.12.67)
// and layer-2 protocol tunnelling (1.3.6.1.4.1.746.12.93).
#pragma once

#include "MibTableRow.h"

extern const MibTableRow Ieee8023adAggregatorTable[12];
extern const MibTableRow Ieee8023adAggregatorPortsListTable[3];
extern const MibTableRow AggregatorPortTable[25];
extern const MibTableRow Dot3OAMTable[8];
extern const MibTableRow Dot3OAMPeerTable[8];
extern const MibTableRow Dot3OAMLoopbackTable[4];
extern const MibTableRow Dot3OAMStatisticsTable[19];
extern const MibTableRow Dot3OAMEventConfigurationTable[18];
extern const MibTableRow Dot3OAMEventLogTable[12];
extern const MibTableRow LocalLoopbackConfigurationTable[5];
extern const MibTableRow LocalLoopbackResultTable[11];
extern const MibTableRow L2ProtocolTunnelGlobalStateSettings[2];
extern const MibTableRow L2ProtocolTunnelPortEntryTable[4];
extern const MibTableRow L2ProtocolTunnelThresholdEntryTable[4];
