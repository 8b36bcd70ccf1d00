// Catalogue tables: ACL profiles, rules, counters and flow meters (1.3.6.1.4.1.746.12.9) and zone defence
// (1.3.6.1.4.1.746.12.92).
#pragma once

#include "MibTableRow.h"

extern const MibTableRow EthernetProfileTable[13];
extern const MibTableRow EthernetProfileRuleTable[25];
extern const MibTableRow IPProfileTable[25];
extern const MibTableRow IPProfileRuleTable[34];
extern const MibTableRow PktContentProfileTable[18];
extern const MibTableRow AclOffset0To15Table[11];
extern const MibTableRow PktContentRuleTable[24];
extern const MibTableRow IPv6ProfileTable[17];
extern const MibTableRow Ipv6RuleTable[29];
extern const MibTableRow CPUInterfaceFilteringGlobalSettings[2];
extern const MibTableRow EthernetProfileCPUInterfaceFilteringTable[9];
extern const MibTableRow CPUFilterEthernetRuleTable[12];
extern const MibTableRow IPv4ProfileCPUInterfaceFilteringTable[20];
extern const MibTableRow CPUFilterIPRuleTable[19];
extern const MibTableRow PacketContentProfileCPUInterfaceFilteringTable[8];
extern const MibTableRow CPUFilterPktCntRuleTable[11];
extern const MibTableRow IPv6ProfileCPUInterfaceFilteringTable[8];
extern const MibTableRow CPUFilterIPV6RuleTable[10];
extern const MibTableRow ACLDeleteAllMasksSettings[2];
extern const MibTableRow CPUInterfaceFilteringDeleteAllMaskSettings[2];
extern const MibTableRow ACLControlSettings[3];
extern const MibTableRow AclEthernetUseEtherneTypeTable[3];
extern const MibTableRow ACLCounterTable[8];
extern const MibTableRow ACLFlowMeterTable[32];
extern const MibTableRow ACLRateTable[8];
extern const MibTableRow ACLFlowMeterInformation[2];
extern const MibTableRow ACLCounter[8];
extern const MibTableRow IBPACLEtherMaskTable[3];
extern const MibTableRow IBPIPMaskTable[4];
extern const MibTableRow IBPEtherRuleTable[6];
extern const MibTableRow IBPIPRuleTable[7];
extern const MibTableRow ZoneDefenseTable[3];
