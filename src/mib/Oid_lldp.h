// Catalogue tables: LLDP-MIB (1.0.8802.1.1.2) with its 802.1, 802.3 and MED extensions.
#pragma once

#include "MibTableRow.h"

extern const MibTableRow LLDPDot1PortVLANStatus[3];
extern const MibTableRow LLDPConfigVLANNameTable[4];
extern const MibTableRow LLDPConfigProtocolVLANTable[4];
extern const MibTableRow LLDPConfigProtocolTable[4];
extern const MibTableRow LocalDataTable[3];
extern const MibTableRow ProtocolVLANTable[5];
extern const MibTableRow VLANNameTable[4];
extern const MibTableRow ProtocolProtocolIDTable[4];
extern const MibTableRow RemoteDataTable[5];
extern const MibTableRow ProtocolVLANSupportedTable[7];
extern const MibTableRow VLANNameTable2[6];
extern const MibTableRow ProtocolProtocolIDTable2[6];
extern const MibTableRow LLDPDot3PortConfig[3];
extern const MibTableRow PortPortAutoNegotiationSupportedTable[6];
extern const MibTableRow LldpPowerPortClassTable[8];
extern const MibTableRow LLDPDot3LinkAggTable[4];
extern const MibTableRow MaxFrameSizeTable[3];
extern const MibTableRow PortPortAutoNegotiationSupportedTable2[8];
extern const MibTableRow PowerPowerPortClassTable[10];
extern const MibTableRow LinkAggregationTable[6];
extern const MibTableRow MaxFrameSizeRemoteMaxFrameSizeTable[5];
extern const MibTableRow LLDPBasicInformationSettings[6];
extern const MibTableRow LLDPPortConfig[5];
extern const MibTableRow LLDP_Management_AddressTable[4];
extern const MibTableRow StatisticsInfomationSettings[6];
extern const MibTableRow TXPortTable[3];
extern const MibTableRow RXPortTable[8];
extern const MibTableRow LLDPLocSysDataSettings[7];
extern const MibTableRow PortIDSubtypeTable[5];
extern const MibTableRow ManagementAddressLengthTable[7];
extern const MibTableRow LLDPRemoteTable[13];
extern const MibTableRow ManagementAddressIFSubtypeTable[9];
extern const MibTableRow UnknowTLVTable[6];
extern const MibTableRow LldpInformationTable[8];
extern const MibTableRow LLDPMEDPortConfigurationTable[5];
extern const MibTableRow LLDPMEDSystemSettings[12];
extern const MibTableRow LLDPMEDLocalDataMediaPolicyTable[8];
extern const MibTableRow LLDPMEDLocalDataEntryTable[4];
extern const MibTableRow LldpPowerAvailableTable[4];
extern const MibTableRow LLDPMEDRemoteDataCapabilitiesTable[7];
extern const MibTableRow LLDPMEDRemoteDataMediaPolicyTable[10];
extern const MibTableRow LLDPMEDRemoteDataInventoryTable[11];
extern const MibTableRow LLDPMEDRemoteDataLocationTable[6];
extern const MibTableRow LLDPMEDRemoteDataXPoETable[5];
extern const MibTableRow LLDPMEDRemoteDataXPoEPSETable[7];
extern const MibTableRow LLDPMEDRemoteDataXPoEPDTable[7];
