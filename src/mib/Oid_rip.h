// Catalogue tables: layer-3 IGMP interfaces (1.3.6.1.4.1.746.12.18), RIPv2-MIB and RIPng
// (1.3.6.1.4.1.746.12.83).
#pragma once

#include "MibTableRow.h"

extern const MibTableRow IGMPv3InterfaceTable[12];
extern const MibTableRow IGMPv3CacheTable[10];
extern const MibTableRow SourceListTable[6];
extern const MibTableRow CheckSubscriberSourceTable[5];
extern const MibTableRow IGMPv3StaticGroupTable[4];
extern const MibTableRow RIP2RouteChangesSettings[3];
extern const MibTableRow RIP2IPAddressSettings[6];
extern const MibTableRow RipReceivedBadPacketsSettings[3];
extern const MibTableRow RIP2DomainSettings[10];
extern const MibTableRow RIP2SourceIPAddressSettings[7];
extern const MibTableRow RipReceivedBadPacketsSettings2[3];
extern const MibTableRow RIPngGlobalStateSettings[6];
extern const MibTableRow RIPngStateSettings[4];
