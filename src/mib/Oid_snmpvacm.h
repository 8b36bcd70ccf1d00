// Catalogue tables: SNMP-VIEW-BASED-ACM-MIB.
#pragma once

#include "MibTableRow.h"

extern const MibTableRow SnmpvacmVACMContextNameSettings[2];
extern const MibTableRow SecurityGroupTable[6];
extern const MibTableRow AccessTable[11];
extern const MibTableRow ViewMIBTreeFamilyTable[7];
extern const MibTableRow SnmpvacmSpinLockSettings[2];
