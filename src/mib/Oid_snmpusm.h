// Catalogue tables: SNMP-USER-BASED-SM-MIB and IP-MIB ipForwarding.
#pragma once

#include "MibTableRow.h"

extern const MibTableRow Statistics[7];
extern const MibTableRow UserTable[14];
extern const MibTableRow IPInformationSettings[21];
