// Catalogue tables: MAC-based access control (1.3.6.1.4.1.746.12.35 and 1.3.6.1.4.1.746.12.3).
#pragma once

#include "MibTableRow.h"

extern const MibTableRow MBAControlStateSettings[5];
extern const MibTableRow MBAControlVLANNameSettings[3];
extern const MibTableRow MBAControlDeleteStateSettings[2];
extern const MibTableRow MBAControlVLANNameSettings2[2];
extern const MibTableRow PortInformationStateTable[10];
extern const MibTableRow MbaStateTable[9];
extern const MibTableRow PortManagementStateTable2[8];
extern const MibTableRow DatabaseTable[4];
extern const MibTableRow MACInformationSettings[7];
extern const MibTableRow MacStatisticTable[15];
extern const MibTableRow MBADiagnosticsTable[21];
extern const MibTableRow MBASessionInformationTable[12];
extern const MibTableRow AuthenticationPortControlTable[3];
extern const MibTableRow MBAStateTable[9];
extern const MibTableRow MbaEntersConnectingTable[22];
extern const MibTableRow MBASessionStatisticsTable[13];
extern const MibTableRow MBAStatisticsInformationTable[16];
