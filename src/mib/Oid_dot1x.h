// Catalogue tables: IEEE8021-PAE-MIB, guest VLAN (1.3.6.1.4.1.746.12.30) and one 1.3.6.1.4.1.746.12.3 table.
#pragma once

#include "MibTableRow.h"

extern const MibTableRow Ieee8021XConfiguration[2];
extern const MibTableRow Ieee8021XPortTable[6];
extern const MibTableRow Ieee8021XPortConfiguration[15];
extern const MibTableRow Ieee8021XPortStatistics[14];
extern const MibTableRow Ieee8021XPortDiagnosticsTable[20];
extern const MibTableRow Ieee8021XPortSessionStatistics[11];
extern const MibTableRow Dot1xPAEStateTable[7];
extern const MibTableRow Dot1xEAPOLFramesRXTable[14];
extern const MibTableRow GuestVlanGuestVLANNameSettings[3];
extern const MibTableRow GuestVlanGuestVLANDeleteStateSettings[2];
extern const MibTableRow GuestVlanGuestVLANNameSettings2[2];
extern const MibTableRow TrapTrapStateSettings[2];
extern const MibTableRow MACBasedPAEPortControlTable[4];
