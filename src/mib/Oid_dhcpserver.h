// Catalogue tables: DHCP server (1.3.6.1.4.1.746.12.38) and DHCP server screening (1.3.6.1.4.1.746.12.37).
#pragma once

#include "MibTableRow.h"

extern const MibTableRow DHCPServerGlobalSettings[4];
extern const MibTableRow ExcludedAddressTable[4];
extern const MibTableRow DHCPServerPoolTable[13];
extern const MibTableRow DHCPServerDNSServerAddressTable[5];
extern const MibTableRow DHCPServerNetBIOSNameServerTable[5];
extern const MibTableRow DHCPServerDefaultRouterTable[5];
extern const MibTableRow ManualBindingTable[6];
extern const MibTableRow DHCPServerDynamicBindingTable[8];
extern const MibTableRow DHCPSeverConflictIPTable[5];
extern const MibTableRow DHCPServerPoolOptionTable[4];
extern const MibTableRow FilterDHCPPermitTable[5];
extern const MibTableRow DHCPServerScreeningPortTable[3];
extern const MibTableRow ScreeningSettings[4];
extern const MibTableRow FilterCPUTable[5];
extern const MibTableRow RPCPortMapperSettings[2];
extern const MibTableRow DHCPv6ServerScreeningSettings[3];
extern const MibTableRow DHCPv6ServerScreeningPortTable[3];
extern const MibTableRow FilterDHCPv6PermitTable[4];
extern const MibTableRow ICMPv6RAAllNodeInformationSettings[3];
extern const MibTableRow ICMPv6RAAllNodePortTable[3];
extern const MibTableRow FilterAllNodePermitTable[4];
