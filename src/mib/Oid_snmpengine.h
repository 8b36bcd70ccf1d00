// Catalogue tables: SNMP-FRAMEWORK-MIB snmpEngine group.
#pragma once

#include "MibTableRow.h"

extern const MibTableRow SNMPEngineSettings[5];
