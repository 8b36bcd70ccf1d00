// Catalogue tables: IPMROUTE-STD-MIB, PIM-STD-MIB, MGMD-STD-MIB and the experimental multicast MIBs
// under 1.3.6.1.3.
#pragma once

#include "MibTableRow.h"

extern const MibTableRow IPMulticastRouteGlobalStateSettings[3];
extern const MibTableRow IPMulticastRouteUpstreamNeighborTable[12];
extern const MibTableRow IPMulticastRouteNextHopTable[11];
extern const MibTableRow IPMulticastRouteInterfaceTable[4];
extern const MibTableRow McastroutingUpstreamAssertTimerTable[9];
extern const MibTableRow McastroutingHoldTimeTable[7];
extern const MibTableRow McastroutingAddressTable[5];
extern const MibTableRow PIMForIPv6InterfaceTable[25];
extern const MibTableRow PIMForIPv6NeighborTable[15];
extern const MibTableRow PIMForIPv6NeighborSecondaryAddressTable[5];
extern const MibTableRow PIMForIPv6StarGroupTable[21];
extern const MibTableRow PIMForIPv6StarGroupInterfaceTable[15];
extern const MibTableRow PIMForIPv6SourceGroupTable[23];
extern const MibTableRow PIMForIPv6SourceGroupInterfaceTable[16];
extern const MibTableRow PIMForIPv6SourceGroupRPTTable[7];
extern const MibTableRow PIMForIPv6SourceGroupRPTInterfaceTable[10];
extern const MibTableRow PIMForIPv6StaticRPTable[9];
extern const MibTableRow PIMForIPv6GroupMappingTable[9];
extern const MibTableRow PIMForIPv6BasicInformationSettings[33];
extern const MibTableRow McastroutingTcpListenerProcessTable[5];
extern const MibTableRow MGMDRouterInterfaceTable[18];
extern const MibTableRow MGMDRouterCacheTable[11];
extern const MibTableRow MGMDInverseRouterCacheTable[4];
extern const MibTableRow RouterSourceListTable[6];
extern const MibTableRow DVMRPInformationVersionStringTable[4];
extern const MibTableRow DVMRPInformationUpTimeTable[11];
extern const MibTableRow DVMRPInformationUpstreamNeighborTable[8];
extern const MibTableRow DVMRPInformationTypeTable[5];
extern const MibTableRow McastroutingLocalAddressTable[7];
