// Catalogue tables: DISMAN-PING-MIB and DISMAN-TRACEROUTE-MIB.
#pragma once

#include "MibTableRow.h"

extern const MibTableRow MaxConcurrentRequestsSettings[2];
extern const MibTableRow PingControlTable[12];
extern const MibTableRow PingtracerouteTargetAddressTypeTable[12];
extern const MibTableRow PingResultsTable[11];
extern const MibTableRow PingtracerouteHistoryResponseTable[8];
extern const MibTableRow MaxConcurrentRequestsSettings2[2];
extern const MibTableRow TraceRouteControlTable[13];
extern const MibTableRow PingtracerouteTargetAddressTypeTable2[13];
extern const MibTableRow ResultsTable[10];
extern const MibTableRow PingtracerouteHistoryHAddressTypeTable[12];
extern const MibTableRow HopsTable[12];
