// Columns stay in this order even where their arcs do not ascend: dialogs address them by position.
#include "Oid_lldp.h"

#include "CatalogueOptionLists.h"

constexpr MibTableRow LLDPDot1PortVLANStatus[] = {
    {" ", "Port Number", itInteger, acNotAccess},
    {"1.0.8802.1.1.2.1.5.32962.1.1.1.1.1", "TX Enabled", itInteger, acReadWrite, &TruthValueList},
    {},
};

constexpr MibTableRow LLDPConfigVLANNameTable[] = {
    {" ", "Port Number", itInteger, acNotAccess},
    {" ", "VLAN ID", itInteger, acNotAccess},
    {"1.0.8802.1.1.2.1.5.32962.1.1.2.1.1", "VLAN Name TX", itInteger, acReadWrite, &TruthValueList},
    {},
};

constexpr MibTableRow LLDPConfigProtocolVLANTable[] = {
    {" ", "Port Number", itInteger, acNotAccess},
    {" ", "VLAN ID", itInteger, acNotAccess},
    {"1.0.8802.1.1.2.1.5.32962.1.1.3.1.1", "Protocol VLAN TX", itInteger, acReadWrite, &TruthValueList},
    {},
};

constexpr MibTableRow LLDPConfigProtocolTable[] = {
    {" ", "Port Number", itInteger, acNotAccess},
    {" ", "Protocol Index", itInteger, acNotAccess},
    {"1.0.8802.1.1.2.1.5.32962.1.1.4.1.1", "Protocol TX", itInteger, acReadWrite, &TruthValueList},
    {},
};

constexpr MibTableRow LocalDataTable[] = {
    {" ", "Port Number", itInteger, acNotAccess},
    {"1.0.8802.1.1.2.1.5.32962.1.2.1.1.1", "Port VLAN ID", itInteger, acReadOnly},
    {},
};

constexpr MibTableRow ProtocolVLANTable[] = {
    {" ", "Port Number", itInteger, acNotAccess},
    {"1.0.8802.1.1.2.1.5.32962.1.2.2.1.1", "VLAN ID", itInteger, acNotAccess},
    {"1.0.8802.1.1.2.1.5.32962.1.2.2.1.2", "Supported", itInteger, acReadOnly, &TruthValueList},
    {"1.0.8802.1.1.2.1.5.32962.1.2.2.1.3", "Enabled", itInteger, acReadOnly, &TruthValueList},
    {},
};

constexpr MibTableRow VLANNameTable[] = {
    {" ", "Port Number", itInteger, acNotAccess},
    {"1.0.8802.1.1.2.1.5.32962.1.2.3.1.1", "VLAN ID", itInteger, acNotAccess},
    {"1.0.8802.1.1.2.1.5.32962.1.2.3.1.2", "VLAN Name", itDisplayString, acReadOnly},
    {},
};

constexpr MibTableRow ProtocolProtocolIDTable[] = {
    {" ", "Port Number", itInteger, acNotAccess},
    {"1.0.8802.1.1.2.1.5.32962.1.2.4.1.1", "Protocol Index", itInteger, acNotAccess},
    {"1.0.8802.1.1.2.1.5.32962.1.2.4.1.2", "Protocol ID", itOctetString, acReadOnly},
    {},
};

constexpr MibTableRow RemoteDataTable[] = {
    {" ", "Time Mark", itTimeTicks, acNotAccess},
    {" ", "Local Port Number", itInteger, acNotAccess},
    {" ", "Index", itInteger, acNotAccess},
    {"1.0.8802.1.1.2.1.5.32962.1.3.1.1.1", "Port VLAN ID", itInteger, acReadOnly},
    {},
};

constexpr MibTableRow ProtocolVLANSupportedTable[] = {
    {" ", "Time Mark", itTimeTicks, acNotAccess},
    {" ", "Local Port Number", itInteger, acNotAccess},
    {" ", "Index", itInteger, acNotAccess},
    {"1.0.8802.1.1.2.1.5.32962.1.3.2.1.1", "VLAN ID", itInteger, acNotAccess},
    {"1.0.8802.1.1.2.1.5.32962.1.3.2.1.2", "VLAN Supported", itInteger, acReadOnly, &TruthValueList},
    {"1.0.8802.1.1.2.1.5.32962.1.3.2.1.3", "VLAN Enabled", itInteger, acReadOnly, &TruthValueList},
    {},
};

constexpr MibTableRow VLANNameTable2[] = {
    {" ", "Time Mark", itTimeTicks, acNotAccess},
    {" ", "Local Port Number", itInteger, acNotAccess},
    {" ", "Index", itInteger, acNotAccess},
    {"1.0.8802.1.1.2.1.5.32962.1.3.3.1.1", "VLAN ID", itInteger, acNotAccess},
    {"1.0.8802.1.1.2.1.5.32962.1.3.3.1.2", "VLAN Name", itDisplayString, acReadOnly},
    {},
};

constexpr MibTableRow ProtocolProtocolIDTable2[] = {
    {" ", "Time Mark", itTimeTicks, acNotAccess},
    {" ", "Local Port Number", itInteger, acNotAccess},
    {" ", "Index", itInteger, acNotAccess},
    {"1.0.8802.1.1.2.1.5.32962.1.3.4.1.1", "Protocol Index", itInteger, acNotAccess},
    {"1.0.8802.1.1.2.1.5.32962.1.3.4.1.2", "Protocol ID", itOctetString, acReadOnly},
    {},
};

constexpr MibTableRow LLDPDot3PortConfig[] = {
    {" ", "Port Number", itInteger, acNotAccess},
    {"1.0.8802.1.1.2.1.5.4623.1.1.1.1.1", "TLVs TX Enable", itOctetString, acReadWrite},
    {},
};

constexpr MibTableRow PortPortAutoNegotiationSupportedTable[] = {
    {" ", "Local Port Number", itInteger, acNotAccess},
    {"1.0.8802.1.1.2.1.5.4623.1.2.1.1.1", "Port Auto-negotiation Supported", itInteger, acReadOnly,
     &TruthValueList},
    {"1.0.8802.1.1.2.1.5.4623.1.2.1.1.2", "Port Auto-negotiation Enabled", itInteger, acReadOnly,
     &TruthValueList},
    {"1.0.8802.1.1.2.1.5.4623.1.2.1.1.3", "Port Auto-negotiation Advertised Capability", itOctetString,
     acReadOnly},
    {"1.0.8802.1.1.2.1.5.4623.1.2.1.1.4", "Port Operational MAU Type", itInteger, acReadOnly},
    {},
};

constexpr MibTableRow LldpPowerPortClassTable[] = {
    {" ", "Local Port Number", itInteger, acNotAccess},
    {"1.0.8802.1.1.2.1.5.4623.1.2.2.1.1", "Power Port Class", itInteger, acReadOnly, &PClassPSEPClassPDList},
    {"1.0.8802.1.1.2.1.5.4623.1.2.2.1.2", "Power MDI Supported", itInteger, acReadOnly, &TruthValueList},
    {"1.0.8802.1.1.2.1.5.4623.1.2.2.1.3", "Power MDI Enabled", itInteger, acReadOnly, &TruthValueList},
    {"1.0.8802.1.1.2.1.5.4623.1.2.2.1.4", "Power Pair Controlable", itInteger, acReadOnly, &TruthValueList},
    {"1.0.8802.1.1.2.1.5.4623.1.2.2.1.5", "Power Pairs", itInteger, acReadOnly},
    {"1.0.8802.1.1.2.1.5.4623.1.2.2.1.6", "Power Class", itInteger, acReadOnly},
    {},
};

constexpr MibTableRow LLDPDot3LinkAggTable[] = {
    {" ", "Local Port Number", itInteger, acNotAccess},
    {"1.0.8802.1.1.2.1.5.4623.1.2.3.1.1", "Link Aggregation State", itOctetString, acReadOnly},
    {"1.0.8802.1.1.2.1.5.4623.1.2.3.1.2", "Link Aggregation Port ID", itInteger, acReadOnly},
    {},
};

constexpr MibTableRow MaxFrameSizeTable[] = {
    {" ", "Local Port Number", itInteger, acNotAccess},
    {"1.0.8802.1.1.2.1.5.4623.1.2.4.1.1", "Max Frame Size", itInteger, acReadOnly},
    {},
};

constexpr MibTableRow PortPortAutoNegotiationSupportedTable2[] = {
    {" ", "Time Mark", itTimeTicks, acNotAccess},
    {" ", "Local Port Number", itInteger, acNotAccess},
    {" ", "Index", itInteger, acNotAccess},
    {"1.0.8802.1.1.2.1.5.4623.1.3.1.1.1", "Port Auto-negotiation Supported", itInteger, acReadOnly,
     &TruthValueList},
    {"1.0.8802.1.1.2.1.5.4623.1.3.1.1.2", "Port Auto-negotiation Enabled", itInteger, acReadOnly,
     &TruthValueList},
    {"1.0.8802.1.1.2.1.5.4623.1.3.1.1.3", "Port Auto-negotiation Advertised Capability", itOctetString,
     acReadOnly},
    {"1.0.8802.1.1.2.1.5.4623.1.3.1.1.4", "Port Operational MAU Type", itInteger, acReadOnly},
    {},
};

constexpr MibTableRow PowerPowerPortClassTable[] = {
    {" ", "Time Mark", itTimeTicks, acNotAccess},
    {" ", "Local Port Number", itInteger, acNotAccess},
    {" ", "Index", itInteger, acNotAccess},
    {"1.0.8802.1.1.2.1.5.4623.1.3.2.1.1", "Power Port Class", itInteger, acReadOnly, &PClassPSEPClassPDList},
    {"1.0.8802.1.1.2.1.5.4623.1.3.2.1.2", "Power MDI Supported", itInteger, acReadOnly, &TruthValueList},
    {"1.0.8802.1.1.2.1.5.4623.1.3.2.1.3", "Power MDI Enabled", itInteger, acReadOnly, &TruthValueList},
    {"1.0.8802.1.1.2.1.5.4623.1.3.2.1.4", "Power Pair Controlable", itInteger, acReadOnly, &TruthValueList},
    {"1.0.8802.1.1.2.1.5.4623.1.3.2.1.5", "Power Pairs", itInteger, acReadOnly},
    {"1.0.8802.1.1.2.1.5.4623.1.3.2.1.6", "Power Class", itInteger, acReadOnly},
    {},
};

constexpr MibTableRow LinkAggregationTable[] = {
    {" ", "Time Mark", itTimeTicks, acNotAccess},
    {" ", "Local Port Number", itInteger, acNotAccess},
    {" ", "Index", itInteger, acNotAccess},
    {"1.0.8802.1.1.2.1.5.4623.1.3.3.1.1", "Link Aggregation State", itOctetString, acReadOnly},
    {"1.0.8802.1.1.2.1.5.4623.1.3.3.1.2", "Link Aggregation Port ID", itInteger, acReadOnly},
    {},
};

constexpr MibTableRow MaxFrameSizeRemoteMaxFrameSizeTable[] = {
    {" ", "Time Mark", itTimeTicks, acNotAccess},
    {" ", "Local Port Number", itInteger, acNotAccess},
    {" ", "Index", itInteger, acNotAccess},
    {"1.0.8802.1.1.2.1.5.4623.1.3.4.1.1", "Remote Max Frame Size", itInteger, acReadOnly},
    {},
};

constexpr MibTableRow LLDPBasicInformationSettings[] = {
    {"1.0.8802.1.1.2.1.1.1", "Message TX Interval", itInteger, acReadWrite},
    {"1.0.8802.1.1.2.1.1.2", "Message TX Hold Multiplier", itInteger, acReadWrite},
    {"1.0.8802.1.1.2.1.1.3", "Re-Initialization Delay", itInteger, acReadWrite},
    {"1.0.8802.1.1.2.1.1.4", "TX Delay", itInteger, acReadWrite},
    {"1.0.8802.1.1.2.1.1.5", "Notification Interval", itInteger, acReadWrite},
    {},
};

constexpr MibTableRow LLDPPortConfig[] = {
    {"1.0.8802.1.1.2.1.1.6.1.1", "Port Number", itInteger, acNotAccess},
    {"1.0.8802.1.1.2.1.1.6.1.2", "Administration State", itInteger, acReadWrite, &TxOnlyRxOnlyTxAndrxList},
    {"1.0.8802.1.1.2.1.1.6.1.3", "Notification Enable", itInteger, acReadWrite, &TruthValueList},
    {"1.0.8802.1.1.2.1.1.6.1.4", "TLVs TX Enable", itOctetString, acReadWrite},
    {},
};

constexpr MibTableRow LLDP_Management_AddressTable[] = {
    {" ", "Management Address Subtype", itInteger, acNotAccess},
    {" ", "Management Address", itInetAddress, acNotAccess},
    {"1.0.8802.1.1.2.1.1.7.1.1", "Configuration Management Address Ports TX Enable", itBitList, acReadWrite},
    {},
};

constexpr MibTableRow StatisticsInfomationSettings[] = {
    {"1.0.8802.1.1.2.1.2.1", "Last Change Time", itTimeTicks, acReadOnly},
    {"1.0.8802.1.1.2.1.2.2", "Inserts", itGauge, acReadOnly},
    {"1.0.8802.1.1.2.1.2.3", "Deletes", itGauge, acReadOnly},
    {"1.0.8802.1.1.2.1.2.4", "Drops", itGauge, acReadOnly},
    {"1.0.8802.1.1.2.1.2.5", "Ageouts", itGauge, acReadOnly},
    {},
};

constexpr MibTableRow TXPortTable[] = {
    {"1.0.8802.1.1.2.1.2.6.1.1", "Port Number", itInteger, acNotAccess},
    {"1.0.8802.1.1.2.1.2.6.1.2", "Total Frames", itCounter, acReadOnly},
    {},
};

constexpr MibTableRow RXPortTable[] = {
    {"1.0.8802.1.1.2.1.2.7.1.1", "Number", itInteger, acNotAccess},
    {"1.0.8802.1.1.2.1.2.7.1.2", "Frames Discarded Total", itCounter, acReadOnly},
    {"1.0.8802.1.1.2.1.2.7.1.3", "Frames Errors", itCounter, acReadOnly},
    {"1.0.8802.1.1.2.1.2.7.1.4", "Frames Total", itCounter, acReadOnly},
    {"1.0.8802.1.1.2.1.2.7.1.5", "TLVs Discarded Total", itCounter, acReadOnly},
    {"1.0.8802.1.1.2.1.2.7.1.6", "Port TLVs Unrecognized Total", itCounter, acReadOnly},
    {"1.0.8802.1.1.2.1.2.7.1.7", "Port Ageouts Total", itGauge, acReadOnly},
    {},
};

constexpr MibTableRow LLDPLocSysDataSettings[] = {
    {"1.0.8802.1.1.2.1.3.1", "Chassis ID Subtype", itInteger, acReadOnly,
     &ChassisComponentInterfaceAliasPortComponList},
    {"1.0.8802.1.1.2.1.3.2", "Chassis ID", itMacAddress, acReadOnly},
    {"1.0.8802.1.1.2.1.3.3", "System Name", itDisplayString, acReadOnly},
    {"1.0.8802.1.1.2.1.3.4", "System Description", itDisplayString, acReadOnly},
    {"1.0.8802.1.1.2.1.3.5", "System Capabilities Supported", itOctetString, acReadOnly},
    {"1.0.8802.1.1.2.1.3.6", "System Capabilities Enabled", itOctetString, acReadOnly},
    {},
};

constexpr MibTableRow PortIDSubtypeTable[] = {
    {"1.0.8802.1.1.2.1.3.7.1.1", "Number", itInteger, acNotAccess},
    {"1.0.8802.1.1.2.1.3.7.1.2", "ID Subtype", itInteger, acReadOnly,
     &InterfaceAliasPortComponentMacAddressList},
    {"1.0.8802.1.1.2.1.3.7.1.3", "ID", itDisplayString, acReadOnly},
    {"1.0.8802.1.1.2.1.3.7.1.4", "Description", itDisplayString, acReadOnly},
    {},
};

constexpr MibTableRow ManagementAddressLengthTable[] = {
    {"1.0.8802.1.1.2.1.3.8.1.1", "Subtype", itInteger, acNotAccess, &OtherIPv4IPv6List},
    {"1.0.8802.1.1.2.1.3.8.1.2", "Address", itInetAddress, acNotAccess},
    {"1.0.8802.1.1.2.1.3.8.1.3", "Length", itInteger, acReadOnly},
    {"1.0.8802.1.1.2.1.3.8.1.4", "IF Subtype", itInteger, acReadOnly, &UnknownIfIndexSystemPortNumberList},
    {"1.0.8802.1.1.2.1.3.8.1.5", "IF ID", itInteger, acReadOnly},
    {"1.0.8802.1.1.2.1.3.8.1.6", "OID", itObjectId, acReadOnly},
    {},
};

constexpr MibTableRow LLDPRemoteTable[] = {
    {"1.0.8802.1.1.2.1.4.1.1.1", "Time Mark", itTimeTicks, acNotAccess},
    {"1.0.8802.1.1.2.1.4.1.1.2", "Local Port Number", itInteger, acNotAccess},
    {"1.0.8802.1.1.2.1.4.1.1.3", "Index", itInteger, acNotAccess},
    {"1.0.8802.1.1.2.1.4.1.1.4", "Chassis ID Subtype", itInteger, acReadOnly,
     &ChassisComponentInterfaceAliasPortComponList},
    {"1.0.8802.1.1.2.1.4.1.1.5", "Chassis ID", itOctetString, acReadOnly},
    {"1.0.8802.1.1.2.1.4.1.1.6", "Port ID Subtype", itInteger, acReadOnly,
     &InterfaceAliasPortComponentMacAddressList},
    {"1.0.8802.1.1.2.1.4.1.1.7", "Port ID", itDisplayString, acReadOnly},
    {"1.0.8802.1.1.2.1.4.1.1.8", "Port Description", itDisplayString, acReadOnly},
    {"1.0.8802.1.1.2.1.4.1.1.9", "System Name", itDisplayString, acReadOnly},
    {"1.0.8802.1.1.2.1.4.1.1.10", "System Description", itDisplayString, acReadOnly},
    {"1.0.8802.1.1.2.1.4.1.1.11", "System Capabilities Supported", itOctetString, acReadOnly},
    {"1.0.8802.1.1.2.1.4.1.1.12", "System Capabilities Enabled", itOctetString, acReadOnly},
    {},
};

constexpr MibTableRow ManagementAddressIFSubtypeTable[] = {
    {" ", "Time Mark", itTimeTicks, acNotAccess},
    {" ", "Local Port Number", itInteger, acNotAccess},
    {" ", "Index", itInteger, acNotAccess},
    {"1.0.8802.1.1.2.1.4.2.1.1", "Subtype", itInteger, acNotAccess, &OtherIPv4IPv6List2},
    {"1.0.8802.1.1.2.1.4.2.1.2", "Address", itInetAddress, acNotAccess},
    {"1.0.8802.1.1.2.1.4.2.1.3", "IF Subtype", itInteger, acReadOnly, &UnknownIfIndexSystemPortNumberList},
    {"1.0.8802.1.1.2.1.4.2.1.4", "IF ID", itInteger, acReadOnly},
    {"1.0.8802.1.1.2.1.4.2.1.5", "OID", itObjectId, acReadOnly},
    {},
};

constexpr MibTableRow UnknowTLVTable[] = {
    {" ", "Time Mark", itTimeTicks, acNotAccess},
    {" ", "Local Port Number", itInteger, acNotAccess},
    {" ", "Index", itInteger, acNotAccess},
    {"1.0.8802.1.1.2.1.4.3.1.1", "Type", itInteger, acNotAccess},
    {"1.0.8802.1.1.2.1.4.3.1.2", "Information", itOctetString, acReadOnly},
    {},
};

constexpr MibTableRow LldpInformationTable[] = {
    {" ", "Time Mark", itTimeTicks, acNotAccess},
    {" ", "Local Port Number", itInteger, acNotAccess},
    {" ", "Index", itInteger, acNotAccess},
    {"1.0.8802.1.1.2.1.4.4.1.1", "OUI", itOctetString, acNotAccess},
    {"1.0.8802.1.1.2.1.4.4.1.2", "Subtype", itInteger, acNotAccess},
    {"1.0.8802.1.1.2.1.4.4.1.3", "Index", itInteger, acNotAccess},
    {"1.0.8802.1.1.2.1.4.4.1.4", "Information", itOctetString, acReadOnly},
    {},
};

constexpr MibTableRow LLDPMEDPortConfigurationTable[] = {
    {" ", "Port Number", itInteger, acNotAccess},
    {"1.0.8802.1.1.2.1.5.4795.1.1.2.1.1", "Capability Supported", itOctetString, acReadOnly},
    {"1.0.8802.1.1.2.1.5.4795.1.1.2.1.2", "TLVs TX Enabled", itOctetString, acReadWrite},
    {"1.0.8802.1.1.2.1.5.4795.1.1.2.1.3", "Notification Enabled", itInteger, acReadWrite, &TruthValueList},
    {},
};

constexpr MibTableRow LLDPMEDSystemSettings[] = {
    {"1.0.8802.1.1.2.1.5.4795.1.1.1", "Device Class", itInteger, acReadOnly,
     &NotDefinedEndpointClass1EndpointClass2List},
    {"1.0.8802.1.1.2.1.5.4795.1.1.3", "Fast Start Repeat Count", itGauge, acReadWrite},
    {"1.0.8802.1.1.2.1.5.4795.1.2.2", "Hardware Revision", itDisplayString, acReadOnly},
    {"1.0.8802.1.1.2.1.5.4795.1.2.3", "Firmware Revision", itDisplayString, acReadOnly},
    {"1.0.8802.1.1.2.1.5.4795.1.2.4", "Software Revision", itDisplayString, acReadOnly},
    {"1.0.8802.1.1.2.1.5.4795.1.2.5", "Serial Number", itDisplayString, acReadOnly},
    {"1.0.8802.1.1.2.1.5.4795.1.2.6", "Manufacturer Name", itDisplayString, acReadOnly},
    {"1.0.8802.1.1.2.1.5.4795.1.2.7", "Model Name", itDisplayString, acReadOnly},
    {"1.0.8802.1.1.2.1.5.4795.1.2.8", "Asset ID", itDisplayString, acReadOnly},
    {"1.0.8802.1.1.2.1.5.4795.1.2.10", "XPoE Device Type", itInteger, acReadOnly,
     &UnknownPseDevicePdDeviceList},
    {"1.0.8802.1.1.2.1.5.4795.1.2.12", "XPoE PSE Power Source", itInteger, acReadOnly,
     &UnknownPrimaryBackupList},
    {},
};

constexpr MibTableRow LLDPMEDLocalDataMediaPolicyTable[] = {
    {" ", "Port Number", itInteger, acNotAccess},
    {"1.0.8802.1.1.2.1.5.4795.1.2.1.1.1", "Application Type", itInteger, acNotAccess,
     &StreamingVideoVideoConferencinSoftPhoneVList},
    {"1.0.8802.1.1.2.1.5.4795.1.2.1.1.2", "VLAN ID", itInteger, acReadOnly},
    {"1.0.8802.1.1.2.1.5.4795.1.2.1.1.3", "Priority", itInteger, acReadOnly},
    {"1.0.8802.1.1.2.1.5.4795.1.2.1.1.4", "Differentiated Service Code Point", itInteger, acReadOnly},
    {"1.0.8802.1.1.2.1.5.4795.1.2.1.1.5", "Unknown", itInteger, acReadOnly, &TruthValueList},
    {"1.0.8802.1.1.2.1.5.4795.1.2.1.1.6", "Tagged", itInteger, acReadOnly, &TruthValueList},
    {},
};

constexpr MibTableRow LLDPMEDLocalDataEntryTable[] = {
    {" ", "Port  Number", itInteger, acNotAccess},
    {"1.0.8802.1.1.2.1.5.4795.1.2.9.1.1", "Subtype", itInteger, acNotAccess,
     &UnknownCoordinateBasedCivicAddressList},
    {"1.0.8802.1.1.2.1.5.4795.1.2.9.1.2", "Information", itDisplayString, acReadWrite},
    {},
};

constexpr MibTableRow LldpPowerAvailableTable[] = {
    {" ", "Port Number", itInteger, acNotAccess},
    {"1.0.8802.1.1.2.1.5.4795.1.2.11.1.1", "Power Available ", itGauge, acReadOnly},
    {"1.0.8802.1.1.2.1.5.4795.1.2.11.1.2", "PD Priority", itInteger, acReadOnly, &UnknownCriticalHighList},
    {},
};

constexpr MibTableRow LLDPMEDRemoteDataCapabilitiesTable[] = {
    {" ", "Time Mark", itTimeTicks, acNotAccess},
    {" ", "Local Port Number", itInteger, acNotAccess},
    {" ", "Index", itInteger, acNotAccess},
    {"1.0.8802.1.1.2.1.5.4795.1.3.1.1.1", "Capability Supported", itOctetString, acReadOnly},
    {"1.0.8802.1.1.2.1.5.4795.1.3.1.1.2", "Capability Current", itOctetString, acReadOnly},
    {"1.0.8802.1.1.2.1.5.4795.1.3.1.1.3", "Device Class", itInteger, acReadOnly,
     &NotDefinedEndpointClass1EndpointClass2List},
    {},
};

constexpr MibTableRow LLDPMEDRemoteDataMediaPolicyTable[] = {
    {" ", "Time Mark", itTimeTicks, acNotAccess},
    {" ", "Local Port Number", itInteger, acNotAccess},
    {" ", "Index", itInteger, acNotAccess},
    {"1.0.8802.1.1.2.1.5.4795.1.3.2.1.1", "Application Type", itInteger, acNotAccess,
     &StreamingVideoVideoConferencinSoftPhoneVList},
    {"1.0.8802.1.1.2.1.5.4795.1.3.2.1.2", "VLAN ID", itInteger, acReadOnly},
    {"1.0.8802.1.1.2.1.5.4795.1.3.2.1.3", "Priority", itInteger, acReadOnly},
    {"1.0.8802.1.1.2.1.5.4795.1.3.2.1.4", "Differentiated Service Code Point", itInteger, acReadOnly},
    {"1.0.8802.1.1.2.1.5.4795.1.3.2.1.5", "Unknown", itInteger, acReadOnly, &TruthValueList},
    {"1.0.8802.1.1.2.1.5.4795.1.3.2.1.6", "Tagged", itInteger, acReadOnly, &TruthValueList},
    {},
};

constexpr MibTableRow LLDPMEDRemoteDataInventoryTable[] = {
    {" ", "Time Mark", itTimeTicks, acNotAccess},
    {" ", "Local Port Number", itInteger, acNotAccess},
    {" ", "Index", itInteger, acNotAccess},
    {"1.0.8802.1.1.2.1.5.4795.1.3.3.1.1", "Hardware Revision", itDisplayString, acReadOnly},
    {"1.0.8802.1.1.2.1.5.4795.1.3.3.1.2", "Firmware Revision", itDisplayString, acReadOnly},
    {"1.0.8802.1.1.2.1.5.4795.1.3.3.1.3", "Software Revision", itDisplayString, acReadOnly},
    {"1.0.8802.1.1.2.1.5.4795.1.3.3.1.4", "Serial Number", itDisplayString, acReadOnly},
    {"1.0.8802.1.1.2.1.5.4795.1.3.3.1.5", "Manufacturer Name", itDisplayString, acReadOnly},
    {"1.0.8802.1.1.2.1.5.4795.1.3.3.1.6", "Model Name", itDisplayString, acReadOnly},
    {"1.0.8802.1.1.2.1.5.4795.1.3.3.1.7", "Asset ID", itDisplayString, acReadOnly},
    {},
};

constexpr MibTableRow LLDPMEDRemoteDataLocationTable[] = {
    {" ", "Time Mark", itTimeTicks, acNotAccess},
    {" ", "Local Port Number", itInteger, acNotAccess},
    {" ", "Index", itInteger, acNotAccess},
    {"1.0.8802.1.1.2.1.5.4795.1.3.4.1.1", "Subtype", itInteger, acNotAccess,
     &UnknownCoordinateBasedCivicAddressList},
    {"1.0.8802.1.1.2.1.5.4795.1.3.4.1.2", "Information", itDisplayString, acReadOnly},
    {},
};

constexpr MibTableRow LLDPMEDRemoteDataXPoETable[] = {
    {" ", "Time Mark", itTimeTicks, acNotAccess},
    {" ", "Local Port Number", itInteger, acNotAccess},
    {" ", "Index", itInteger, acNotAccess},
    {"1.0.8802.1.1.2.1.5.4795.1.3.5.1.1", "Device Type", itInteger, acReadOnly,
     &UnknownPseDevicePdDeviceList},
    {},
};

constexpr MibTableRow LLDPMEDRemoteDataXPoEPSETable[] = {
    {" ", "Time Mark", itTimeTicks, acNotAccess},
    {" ", "Local Port Number", itInteger, acNotAccess},
    {" ", "Index", itInteger, acNotAccess},
    {"1.0.8802.1.1.2.1.5.4795.1.3.6.1.1", "Power Av", itGauge, acReadOnly},
    {"1.0.8802.1.1.2.1.5.4795.1.3.6.1.2", "Power Source", itInteger, acReadOnly, &UnknownPrimaryBackupList},
    {"1.0.8802.1.1.2.1.5.4795.1.3.6.1.3", "Priority", itInteger, acReadOnly, &UnknownCriticalHighList},
    {},
};

constexpr MibTableRow LLDPMEDRemoteDataXPoEPDTable[] = {
    {" ", "Time Mark", itTimeTicks, acNotAccess},
    {" ", "Local Port Number", itInteger, acNotAccess},
    {" ", "Index", itInteger, acNotAccess},
    {"1.0.8802.1.1.2.1.5.4795.1.3.7.1.1", "Required", itGauge, acReadOnly},
    {"1.0.8802.1.1.2.1.5.4795.1.3.7.1.2", "Source", itInteger, acReadOnly, &UnknownFromPSELocalList},
    {"1.0.8802.1.1.2.1.5.4795.1.3.7.1.3", "Priority", itInteger, acReadOnly, &UnknownCriticalHighList},
    {},
};
