// Catalogue tables: BRIDGE-MIB base and transparent-bridging groups, P-BRIDGE-MIB, Q-BRIDGE-MIB and IF-MIB
// last-change objects.
#pragma once

#include "MibTableRow.h"

extern const MibTableRow BridgeIFTableLastChangeSettings[3];
extern const MibTableRow BridgePortNumberSettings[2];
extern const MibTableRow BridgeDot1dBasePortSettings[2];
extern const MibTableRow BridgeDot1dTPPortSettings[2];
extern const MibTableRow HighCapacityPortTable[5];
extern const MibTableRow HighCapacityPortOverflowTable[5];
extern const MibTableRow PortCapabilities8021dTable[3];
extern const MibTableRow PBridgeConfigDeviceCapabilities[2];
extern const MibTableRow PBridgeConfigTrafficClassesEnabled[2];
extern const MibTableRow BridgeGMRPStatusSettings[2];
extern const MibTableRow Ieee8021pDefaultUserPrioritiesOfEachPortTable[4];
extern const MibTableRow RegeneratedUserPrioritiesTable[4];
extern const MibTableRow UserPrioritiesToTrafficClassTable[4];
extern const MibTableRow PortOutboundAccessPrioritiesTable[4];
extern const MibTableRow GARPTable[5];
extern const MibTableRow BridgePortNumberSettings2[5];
extern const MibTableRow BridgeFDBMACAddressSettings[4];
extern const MibTableRow Ieee8021QVLANBasicConfiguration[6];
extern const MibTableRow Ieee8021QFilteringDatabaseTable[3];
extern const MibTableRow FilteringInformation[5];
extern const MibTableRow MulticastForwardingInformation[5];
extern const MibTableRow BridgeUnregisteredPortsTable[5];
extern const MibTableRow VLanCurrentFDBIDTable[8];
extern const MibTableRow VlanStaticTable[7];
extern const MibTableRow VLanPortInfomationTable[8];
extern const MibTableRow BridgeInFramesTable[9];
extern const MibTableRow BridgeInFramesSettings[7];
extern const MibTableRow BridgeVLANPortHCInFramesTable[6];
extern const MibTableRow BridgeVLANPortHCInFramesSettings[4];
extern const MibTableRow BridgeTypeTable[5];
extern const MibTableRow VLanCurrentVLANNumberDeletesTable[2];
extern const MibTableRow BridgeDefaultVLANConstraintSetSettings[3];
extern const MibTableRow VlanStaticSettings[2];
extern const MibTableRow MulticastFilterInformation[6];
extern const MibTableRow BridgeEgressPortsTable[6];
extern const MibTableRow UnicastFilterInformation[6];
extern const MibTableRow BridgePortsUnicastAllowedToGoToTable[5];
extern const MibTableRow BridgeVLANModeSettings[2];
extern const MibTableRow Ieee8021QUnicastForwardingInformation[5];
