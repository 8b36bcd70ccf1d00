// Catalogue tables: Q-BRIDGE-MIB protocol-based VLAN tables and 1.3.6.1.4.1.746.12.16.
#pragma once

#include "MibTableRow.h"

extern const MibTableRow ProtocolVLANGroup[5];
extern const MibTableRow ProtocolVLANPortTable[5];
extern const MibTableRow ProtocolVLANPortGroupPriorityTable[4];
