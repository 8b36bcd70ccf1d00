// Catalogue tables: IP-MAC-port binding (1.3.6.1.4.1.746.12.23).
#pragma once

#include "MibTableRow.h"

extern const MibTableRow IMPBGlobalSettings[13];
extern const MibTableRow IMPBPortTable[18];
extern const MibTableRow IPMACBindingTable[7];
extern const MibTableRow IpMacBindBlockedTable[6];
extern const MibTableRow IMPBDHCPSnoopingTable[6];
extern const MibTableRow IPMACBindingIPv6Table[7];
extern const MibTableRow IMPBIPv6DHCPSnoopingTable[6];
extern const MibTableRow IMPBNDSnoopingTable[6];
extern const MibTableRow IMPBUplaodDownloadTable[6];
