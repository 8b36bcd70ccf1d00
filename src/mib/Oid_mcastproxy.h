// Catalogue tables: IGMP and MLD proxy (1.3.6.1.4.1.746.12.80).
#pragma once

#include "MibTableRow.h"

extern const MibTableRow IGMPProxyGlobalSettings[2];
extern const MibTableRow MLDProxyGlobalSettings[2];
extern const MibTableRow McastproxyDownstreamVLANMemberPortsTable[6];
extern const MibTableRow McastproxyDownstreamVLANMemberPortsTable2[6];
extern const MibTableRow IGMPSnoopingProxyUpstreamInterfaceTable[7];
extern const MibTableRow DownstreamInterfaceRowStatusTable[3];
extern const MibTableRow MLDSnoopingProxyUpstreamInterfaceTable[7];
extern const MibTableRow DownstreamInterfaceRowStatusTable2[3];
extern const MibTableRow McastProxyGroupDownstreamVLANMemberPorts[6];
extern const MibTableRow McastProxyGroupDownstreamVLANMemberPorts2[6];
