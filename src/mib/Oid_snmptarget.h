// Catalogue tables: SNMP-TARGET-MIB, SNMP-NOTIFICATION-MIB and SNMP-COMMUNITY-MIB.
#pragma once

#include "MibTableRow.h"

extern const MibTableRow GeneralInformation[4];
extern const MibTableRow TargetAddressTDomainTable[10];
extern const MibTableRow TargetParametersTable[8];
extern const MibTableRow SNMPCommunityTable[9];
extern const MibTableRow TargetAddressTMaskTable[4];
extern const MibTableRow NotifyTable[6];
extern const MibTableRow NotifyFilterProfileTable[5];
extern const MibTableRow NotifyFilterTable[7];
