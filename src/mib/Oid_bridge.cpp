// Columns stay in this order even where their arcs do not ascend: dialogs address them by position.
#include "Oid_bridge.h"

#include "CatalogueOptionLists.h"

constexpr MibTableRow BridgeIFTableLastChangeSettings[] = {
    {"1.3.6.1.2.1.31.1.5", "IF Table Last Change", itTimeTicks, acReadOnly},
    {"1.3.6.1.2.1.31.1.6", "IF Stack Last Change", itTimeTicks, acReadOnly},
    {},
};

constexpr MibTableRow BridgePortNumberSettings[] = {
    {"1.3.6.1.2.1.17.1.2", "Port Number", itInteger, acReadOnly},
    {},
};

constexpr MibTableRow BridgeDot1dBasePortSettings[] = {
    {"1.3.6.1.2.1.17.1.4.1.1", "Dot1d Base Port", itInteger, acReadOnly},
    {},
};

constexpr MibTableRow BridgeDot1dTPPortSettings[] = {
    {"1.3.6.1.2.1.17.4.4.1.1", "Dot1d TP Port", itInteger, acReadOnly},
    {},
};

constexpr MibTableRow HighCapacityPortTable[] = {
    {"1.3.6.1.2.1.17.4.4.1.1", " Port Index", itInteger, acReadOnly},
    {"1.3.6.1.2.1.17.4.5.1.1", "HC Port In Frames", itInteger, acReadOnly},
    {"1.3.6.1.2.1.17.4.5.1.2", "HC Port Out Frames", itInteger, acReadOnly},
    {"1.3.6.1.2.1.17.4.5.1.3", "HC Port In Discards", itInteger, acReadOnly},
    {},
};

constexpr MibTableRow HighCapacityPortOverflowTable[] = {
    {"1.3.6.1.2.1.17.4.4.1.1", " Port Index", itInteger, acReadOnly},
    {"1.3.6.1.2.1.17.4.6.1.1", "In Overflow Frames", itCounter, acReadOnly},
    {"1.3.6.1.2.1.17.4.6.1.2", "Out Overflow Frames", itCounter, acReadOnly},
    {"1.3.6.1.2.1.17.4.6.1.3", "In Overflow Discards", itCounter, acReadOnly},
    {},
};

constexpr MibTableRow PortCapabilities8021dTable[] = {
    {"1.3.6.1.2.1.17.1.4.1.1", "Port Number", itInteger, acNotAccess},
    {"1.3.6.1.2.1.17.6.1.1.4.1.1", "Capabilities", itBitString, acReadOnly, &EmptyList},
    {},
};

constexpr MibTableRow PBridgeConfigDeviceCapabilities[] = {
    {"1.3.6.1.2.1.17.6.1.1.1", "Device Capabilities", itBitList, acReadOnly},
    {},
};

constexpr MibTableRow PBridgeConfigTrafficClassesEnabled[] = {
    {"1.3.6.1.2.1.17.6.1.1.2", "Traffic Classes Enabled", itInteger, acReadOnly, &TruthValueList},
    {},
};

constexpr MibTableRow BridgeGMRPStatusSettings[] = {
    {"1.3.6.1.2.1.17.6.1.1.3", "GMRP Status", itInteger, acReadWrite, &EnabledDisabledList},
    {},
};

constexpr MibTableRow Ieee8021pDefaultUserPrioritiesOfEachPortTable[] = {
    {"1.3.6.1.2.1.17.1.4.1.1", "Port Number", itInteger, acNotAccess},
    {"1.3.6.1.2.1.17.6.1.2.1.1.1", "Default User Priority", itInteger, acReadWrite},
    {"1.3.6.1.2.1.17.6.1.2.1.1.2", "Port Number Traffic Classes", itInteger, acReadOnly},
    {},
};

constexpr MibTableRow RegeneratedUserPrioritiesTable[] = {
    {"1.3.6.1.2.1.17.1.4.1.1", "Port Number", itInteger, acNotAccess},
    {"1.3.6.1.2.1.17.6.1.2.2.1.1", "User Priority", itInteger, acNotAccess},
    {"1.3.6.1.2.1.17.6.1.2.2.1.2", "Regenerated User Priority", itInteger, acReadWrite},
    {},
};

constexpr MibTableRow UserPrioritiesToTrafficClassTable[] = {
    {"1.3.6.1.2.1.17.1.4.1.1", "Port Number", itInteger, acNotAccess},
    {"1.3.6.1.2.1.17.6.1.2.3.1.1", "Traffic Class Priority", itInteger, acNotAccess},
    {"1.3.6.1.2.1.17.6.1.2.3.1.2", "Mapped Traffic Class", itInteger, acReadWrite},
    {},
};

constexpr MibTableRow PortOutboundAccessPrioritiesTable[] = {
    {"1.3.6.1.2.1.17.1.4.1.1", "Port Number", itInteger, acNotAccess},
    {"1.3.6.1.2.1.17.6.1.2.2.1.2", "Regenerated User Priority", itInteger, acNotAccess},
    {"1.3.6.1.2.1.17.6.1.2.4.1.1", "Port Outbound Access Priority", itInteger, acReadOnly},
    {},
};

constexpr MibTableRow GARPTable[] = {
    {" ", "Port Number", itInteger, acNotAccess},
    {"1.3.6.1.2.1.17.6.1.3.1.1.1", "Join Time", itInteger, acReadWrite},
    {"1.3.6.1.2.1.17.6.1.3.1.1.2", "Leave Time", itInteger, acReadWrite},
    {"1.3.6.1.2.1.17.6.1.3.1.1.3", "Leave All Time", itInteger, acReadWrite},
    {},
};

constexpr MibTableRow BridgePortNumberSettings2[] = {
    {"1.3.6.1.2.1.17.1.4.1.1", "Port Number", itInteger, acReadOnly},
    {"1.3.6.1.2.1.17.6.1.4.1.1.1", "Status", itInteger, acReadWrite, &EnabledDisabledList},
    {"1.3.6.1.2.1.17.6.1.4.1.1.2", "FailedRegistrations", itCounter, acReadOnly},
    {"1.3.6.1.2.1.17.6.1.4.1.1.3", "Last PDU Origin", itMacAddress, acReadOnly},
    {},
};

constexpr MibTableRow BridgeFDBMACAddressSettings[] = {
    {"1.3.6.1.2.1.17.4.3.1.1", "FDB MAC Address", itMacAddress, acReadOnly},
    {"1.3.6.1.2.1.17.4.3.1.2", "Port Number", itInteger, acReadOnly},
    {"1.3.6.1.2.1.17.4.3.1.3", "State", itInteger, acReadOnly, &OtherInvalidLearnedList},
    {},
};

constexpr MibTableRow Ieee8021QVLANBasicConfiguration[] = {
    {"1.3.6.1.2.1.17.7.1.1.1", "VLAN Version Number", itInteger, acReadOnly},
    {"1.3.6.1.2.1.17.7.1.1.2", "Max VLAN ID", itInteger, acReadOnly},
    {"1.3.6.1.2.1.17.7.1.1.3", "Max Supported VLANs", itGauge, acReadOnly},
    {"1.3.6.1.2.1.17.7.1.1.4", "Current Number of VLANs", itGauge, acReadOnly},
    {"1.3.6.1.2.1.17.7.1.1.5", "GVRP State", itInteger, acReadWrite, &EnabledDisabledList},
    {},
};

constexpr MibTableRow Ieee8021QFilteringDatabaseTable[] = {
    {"1.3.6.1.2.1.17.7.1.2.1.1.1", "VLAN ID", itGauge, acNotAccess},
    {"1.3.6.1.2.1.17.7.1.2.1.1.2", "FDB Dynamic Count", itCounter, acReadOnly},
    {},
};

constexpr MibTableRow FilteringInformation[] = {
    {"1.3.6.1.2.1.17.7.1.4.2.1.2", "VLAN ID", itGauge, acNotAccess},
    {"1.3.6.1.2.1.17.7.1.2.3.1.1", "Group Address", itMacAddress, acNotAccess},
    {"1.3.6.1.2.1.17.7.1.2.3.1.2", "Egress Ports", itOctetString, acReadOnly},
    {"1.3.6.1.2.1.17.7.1.2.3.1.3", "GMRP Learnt Ports", itOctetString, acReadOnly},
    {},
};

constexpr MibTableRow MulticastForwardingInformation[] = {
    {"1.3.6.1.2.1.17.7.1.4.2.1.2", "VLAN ID", itGauge, acNotAccess},
    {"1.3.6.1.2.1.17.7.1.2.4.1.1", "All Ports", itBitList, acReadOnly},
    {"1.3.6.1.2.1.17.7.1.2.4.1.2", "Static Ports", itBitList, acReadWrite},
    {"1.3.6.1.2.1.17.7.1.2.4.1.3", "Forbidden Ports", itBitList, acReadWrite},
    {},
};

constexpr MibTableRow BridgeUnregisteredPortsTable[] = {
    {"1.3.6.1.2.1.17.7.1.4.2.1.2", "VLAN ID", itGauge, acNotAccess},
    {"1.3.6.1.2.1.17.7.1.2.5.1.1", "Unregistered Ports", itBitList, acReadOnly},
    {"1.3.6.1.2.1.17.7.1.2.5.1.2", "Unregistered Static Ports", itBitList, acReadWrite},
    {"1.3.6.1.2.1.17.7.1.2.5.1.3", "Unregistered Forbidden Ports", itBitList, acReadWrite},
    {},
};

constexpr MibTableRow VLanCurrentFDBIDTable[] = {
    {"1.3.6.1.2.1.17.7.1.4.2.1.1", "VLAN Time Mark", itTimeTicks, acNotAccess},
    {"1.3.6.1.2.1.17.7.1.4.2.1.2", "VLAN Index", itGauge, acNotAccess},
    {"1.3.6.1.2.1.17.7.1.4.2.1.3", "FDB ID", itGauge, acReadOnly},
    {"1.3.6.1.2.1.17.7.1.4.2.1.4", "Egress Ports", itBitList, acReadOnly},
    {"1.3.6.1.2.1.17.7.1.4.2.1.5", "Untagged Ports", itBitList, acReadOnly},
    {"1.3.6.1.2.1.17.7.1.4.2.1.6", "VLAN State", itInteger, acReadOnly, &OtherPermanentDynamicGvrpList},
    {"1.3.6.1.2.1.17.7.1.4.2.1.7", "Creation Time", itTimeTicks, acReadOnly},
    {},
};

constexpr MibTableRow VlanStaticTable[] = {
    {"", "VLAN ID", itGauge, acNotAccess},
    {"1.3.6.1.2.1.17.7.1.4.3.1.1", "VLAN Name", itDisplayString, acReadWrite},
    {"1.3.6.1.2.1.17.7.1.4.3.1.2", "Egress Ports", itBitList, acReadWrite},
    {"1.3.6.1.2.1.17.7.1.4.3.1.3", "Forbidden Egress Ports", itBitList, acReadWrite},
    {"1.3.6.1.2.1.17.7.1.4.3.1.4", "Untagged Ports", itBitList, acReadWrite},
    {"1.3.6.1.2.1.17.7.1.4.3.1.5", "Row Status", itInteger, acReadWrite, &ActiveNotInServiceNotReadyList},
    {},
};

constexpr MibTableRow VLanPortInfomationTable[] = {
    {"1.3.6.1.2.1.17.1.4.1.1", "Port Number", itInteger, acReadOnly},
    {"1.3.6.1.2.1.17.7.1.4.5.1.1", "Port VLAN ID", itGauge, acReadWrite},
    {"1.3.6.1.2.1.17.7.1.4.5.1.2", "Acceptable Frame Types", itInteger, acReadWrite,
     &AdmitAllAdmitOnlyVLANTagList},
    {"1.3.6.1.2.1.17.7.1.4.5.1.3", "Ingress Filtering", itInteger, acReadWrite, &TruthValueList},
    {"1.3.6.1.2.1.17.7.1.4.5.1.4", "GVRP State", itInteger, acReadWrite, &EnabledDisabledList},
    {"1.3.6.1.2.1.17.7.1.4.5.1.5", "GVRP Failed Registrations", itCounter, acReadOnly},
    {"1.3.6.1.2.1.17.7.1.4.5.1.6", "GVRP Last PDU Origin", itMacAddress, acReadOnly},
    {},
};

constexpr MibTableRow BridgeInFramesTable[] = {
    {"1.3.6.1.2.1.17.1.4.1.1", "Port Index", itInteger, acNotAccess},
    {"1.3.6.1.2.1.17.7.1.4.2.1.2", "VLAN Index", itGauge, acNotAccess},
    {"1.3.6.1.2.1.17.7.1.4.6.1.1", "In Frames", itCounter, acReadOnly},
    {"1.3.6.1.2.1.17.7.1.4.6.1.2", "Out Frames", itCounter, acReadOnly},
    {"1.3.6.1.2.1.17.7.1.4.6.1.3", "In Discards", itCounter, acReadOnly},
    {"1.3.6.1.2.1.17.7.1.4.6.1.4", "In Overflow Frames", itCounter, acReadOnly},
    {"1.3.6.1.2.1.17.7.1.4.6.1.5", "Out Overflow Frames", itCounter, acReadOnly},
    {"1.3.6.1.2.1.17.7.1.4.6.1.6", "In Overflow Discards", itCounter, acReadOnly},
    {},
};

constexpr MibTableRow BridgeInFramesSettings[] = {
    {"1.3.6.1.2.1.17.7.1.4.6.1.1", "In Frames", itCounter, acReadOnly},
    {"1.3.6.1.2.1.17.7.1.4.6.1.2", "Out Frames", itCounter, acReadOnly},
    {"1.3.6.1.2.1.17.7.1.4.6.1.3", "In Discards", itCounter, acReadOnly},
    {"1.3.6.1.2.1.17.7.1.4.6.1.4", "In Overflow Frames", itCounter, acReadOnly},
    {"1.3.6.1.2.1.17.7.1.4.6.1.5", "Out Overflow Frames", itCounter, acReadOnly},
    {"1.3.6.1.2.1.17.7.1.4.6.1.6", "Port In Overflow Discards", itCounter, acReadOnly},
    {},
};

constexpr MibTableRow BridgeVLANPortHCInFramesTable[] = {
    {"1.3.6.1.2.1.17.1.4.1.1", "Port Index", itInteger, acNotAccess},
    {"1.3.6.1.2.1.17.7.1.4.8.1.1", "Constraint VLAN ID", itGauge, acNotAccess},
    {"1.3.6.1.2.1.17.7.1.4.7.1.1", "VLAN Port HC In Frames", itCounter64, acReadOnly},
    {"1.3.6.1.2.1.17.7.1.4.7.1.2", "VAN Port HC Out Frames", itCounter64, acReadOnly},
    {"1.3.6.1.2.1.17.7.1.4.7.1.3", "VLAN Port HC In Discards", itCounter64, acReadOnly},
    {},
};

constexpr MibTableRow BridgeVLANPortHCInFramesSettings[] = {
    {"1.3.6.1.2.1.17.7.1.4.7.1.1", "VLAN Port HC In Frames", itCounter64, acReadOnly},
    {"1.3.6.1.2.1.17.7.1.4.7.1.2", "VAN Port HC Out Frames", itCounter64, acReadOnly},
    {"1.3.6.1.2.1.17.7.1.4.7.1.3", "VLAN Port HC In Discards", itCounter64, acReadOnly},
    {},
};

constexpr MibTableRow BridgeTypeTable[] = {
    {"1.3.6.1.2.1.17.7.1.4.8.1.1", "Constraint VLAN ID", itGauge, acNotAccess},
    {"1.3.6.1.2.1.17.7.1.4.8.1.2", "Constraint Set", itInteger, acNotAccess},
    {"1.3.6.1.2.1.17.7.1.4.8.1.3", "Type", itInteger, acReadWrite, &IndependentSharedList},
    {"1.3.6.1.2.1.17.7.1.4.8.1.4", "Status", itInteger, acReadWrite, &RowStatusList},
    {},
};

constexpr MibTableRow VLanCurrentVLANNumberDeletesTable[] = {
    {"1.3.6.1.2.1.17.7.1.4.1", "VLAN Number Deletes", itCounter, acReadOnly},
    {},
};

constexpr MibTableRow BridgeDefaultVLANConstraintSetSettings[] = {
    {"1.3.6.1.2.1.17.7.1.4.9", "Default VLAN Constraint Set", itInteger, acReadWrite},
    {"1.3.6.1.2.1.17.7.1.4.10", "Default VLAN Constraint Type", itInteger, acReadWrite,
     &IndependentSharedList},
    {},
};

constexpr MibTableRow VlanStaticSettings[] = {
    {"1.3.6.1.2.1.17.7.1.4.4", "Next Free Local VLAN Index", itInteger, acReadOnly, &IndependentSharedList},
    {},
};

constexpr MibTableRow MulticastFilterInformation[] = {
    {"1.3.6.1.2.1.17.7.1.2.1.1.1", "Index", itInteger, acNotAccess},
    {"1.3.6.1.2.1.17.7.1.3.2.1.1", "MAC Address", itMacAddress, acNotAccess},
    {"1.3.6.1.2.1.17.7.1.3.2.1.2", "Receive Port", itInteger, acNotAccess},
    {"1.3.6.1.2.1.17.7.1.3.2.1.3", "Egress Ports", itBitList, acReadWrite},
    {"1.3.6.1.2.1.17.7.1.3.2.1.5", "Row Status", itInteger, acReadWrite, &OtherInvalidPermanentList},
    {},
};

constexpr MibTableRow BridgeEgressPortsTable[] = {
    {"1.3.6.1.2.1.17.7.1.3.2.1.1", "MAC Address", itMacAddress, acNotAccess},
    {"1.3.6.1.2.1.17.7.1.3.2.1.2", "Receive Port", itInteger, acNotAccess},
    {"1.3.6.1.2.1.17.7.1.3.2.1.3", "Egress Ports", itBitList, acReadWrite},
    {"1.3.6.1.2.1.17.7.1.3.2.1.4", "Forbidden Ports", itBitList, acReadWrite},
    {"1.3.6.1.2.1.17.7.1.3.2.1.5", "Row Status", itInteger, acReadWrite, &OtherInvalidPermanentList},
    {},
};

constexpr MibTableRow UnicastFilterInformation[] = {
    {"1.3.6.1.2.1.17.7.1.2.1.1.1", "Index", itInteger, acNotAccess},
    {"1.3.6.1.2.1.17.7.1.3.1.1.1", "Unicast Address", itMacAddress, acNotAccess},
    {"1.3.6.1.2.1.17.7.1.3.1.1.2", "Receive Port", itInteger, acNotAccess},
    {"1.3.6.1.2.1.17.7.1.3.1.1.3", "Allowed Ports", itBitList, acReadWrite},
    {"1.3.6.1.2.1.17.7.1.3.1.1.4", "Row Status", itInteger, acReadWrite, &OtherInvalidPermanentList},
    {},
};

constexpr MibTableRow BridgePortsUnicastAllowedToGoToTable[] = {
    {"1.3.6.1.2.1.17.7.1.3.1.1.1", "Unicast Address", itMacAddress, acNotAccess},
    {"1.3.6.1.2.1.17.7.1.3.1.1.2", "Receive Port", itInteger, acNotAccess},
    {"1.3.6.1.2.1.17.7.1.3.1.1.3", "Ports Unicast Allowed To GoTo", itBitList, acReadWrite},
    {"1.3.6.1.2.1.17.7.1.3.1.1.4", "Status", itInteger, acReadWrite, &OtherInvalidPermanentList},
    {},
};

constexpr MibTableRow BridgeVLANModeSettings[] = {
    {"1.3.6.1.4.1.746.11.32.2.1.2.5", "VLAN Mode", itInteger, acReadWrite,
     &OtherLayer2DefaultLayer2Ieee8021qList},
    {},
};

constexpr MibTableRow Ieee8021QUnicastForwardingInformation[] = {
    {"1.3.6.1.2.1.17.7.1.2.1.1.1", "FDB ID", itInteger, acNotAccess},
    {"1.3.6.1.2.1.17.7.1.2.2.1.1", "FDB MAC Address", itMacAddress, acNotAccess},
    {"1.3.6.1.2.1.17.7.1.2.2.1.2", "Port Number", itInteger, acReadOnly},
    {"1.3.6.1.2.1.17.7.1.2.2.1.3", "State", itInteger, acReadOnly, &OtherInvalidLearnedList},
    {},
};
