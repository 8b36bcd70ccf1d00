// Catalogue tables: egress ACL profiles, rules and counters (1.3.6.1.4.1.746.12.89) and port groups
// (1.3.6.1.4.1.746.12.88).
#pragma once

#include "MibTableRow.h"

extern const MibTableRow EgressACLGlobalSettings[3];
extern const MibTableRow EgressACLDeleteAllMasksSettings[2];
extern const MibTableRow EgressEthetnetProfileTable[12];
extern const MibTableRow EgrssEthernetProfileRuleTable[21];
extern const MibTableRow EgressIPv4ProfileTable[23];
extern const MibTableRow EgressIPv4RuleTable[31];
extern const MibTableRow EgressIPv6ProfileTable[15];
extern const MibTableRow EgressIPv6RuleTable[25];
extern const MibTableRow EgressACLCounter[8];
extern const MibTableRow EgressACLFlowMeterTable[32];
extern const MibTableRow EgressACLRateTable[8];
extern const MibTableRow EgressaclNumberOfEntriesInUseSettings[2];
extern const MibTableRow EgressACLPortGroup[5];
