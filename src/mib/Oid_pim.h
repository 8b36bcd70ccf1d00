// Catalogue tables: PIM (1.3.6.1.4.1.746.12.52).
#pragma once

#include "MibTableRow.h"

extern const MibTableRow PIMGlobalStateSettings[2];
extern const MibTableRow PIMmgmtInformSettings[3];
extern const MibTableRow PIMInformationTable[10];
extern const MibTableRow PIMCBSRInformationManagementSettings[3];
extern const MibTableRow PIMCBSRTable[5];
extern const MibTableRow PIMCandidateRPManagementSettings[4];
extern const MibTableRow PIMCandidateRPTable[5];
extern const MibTableRow PIMNeighborTable[4];
extern const MibTableRow PIMSPTSettings[2];
extern const MibTableRow PIMRegisterChecksumIncludingDataInformationTable[3];
extern const MibTableRow PIMStaticRPTable[5];
extern const MibTableRow PimUpstreamAssertTimerTable[10];
extern const MibTableRow PIMRPBootStrapRouterInformation[2];
extern const MibTableRow PIMMulticastRouteTypeSettings[9];
extern const MibTableRow PIMMulticastRouteUpstreamAssertTimerSettings[10];
extern const MibTableRow PimGlobalStateSettings[2];
extern const MibTableRow PimRowStatusTable[4];
extern const MibTableRow PIMSSMSettings[4];
