// Catalogue tables: multicast filter profiles (1.3.6.1.4.1.746.12.53), IGMP and MLD snooping
// (1.3.6.1.4.1.746.12.73), ISM VLAN (1.3.6.1.4.1.746.12.64), two 1.3.6.1.4.1.746.12.16 tables and one UDP-MIB
// table.
#pragma once

#include "MibTableRow.h"

extern const MibTableRow MulticastFilterProfileDescriptionTable[4];
extern const MibTableRow MulticastFilterProfileAddressTable[5];
extern const MibTableRow MulticastFilterPortGroupTable[4];
extern const MibTableRow MulticastFilterPortAccessTable[3];
extern const MibTableRow MulticastFilterPortMaxGroupTable[5];
extern const MibTableRow MulticastFilterVLANGroupTable[4];
extern const MibTableRow MulticastFilterVLANAccessTable[3];
extern const MibTableRow MulticastFilterVLANMaxGroupTable[5];
extern const MibTableRow MulticastFilterProfileDescriptionTable2[4];
extern const MibTableRow MulticastFilterIPv6ProfileAddressTable[5];
extern const MibTableRow MulticastFilterIPv6PortGroupTable[4];
extern const MibTableRow MulticastFilterIPv6PortAccessTable[3];
extern const MibTableRow MulticastFilterIPv6PortMaxGroupTable[5];
extern const MibTableRow MulticastFilterIPv6VLANGroupTable[4];
extern const MibTableRow MulticastFilterIPv6VLANAccessTable[3];
extern const MibTableRow MulticastFilterIPv6VLANMaxGroupTable[5];
extern const MibTableRow IGMPSnoopingGlobalGlobalStateSettings[6];
extern const MibTableRow IGMPSnoopingGlobalGlobalStateSettings2[5];
extern const MibTableRow MLDSnoopingGlobalGlobalStateSettings[6];
extern const MibTableRow MLDSnoopingGlobalGlobalStateSettings2[5];
extern const MibTableRow IGMPSnoopingForwardingTable[5];
extern const MibTableRow IGMPSnoopingGroupPortNumberTable[4];
extern const MibTableRow MLDSnoopingGroupPortNumberTable[4];
extern const MibTableRow IGMPSnoopingGroup[9];
extern const MibTableRow IGMPSnoopingVLANStatisticCounterTable[27];
extern const MibTableRow IGMPSnoopingPortStatisticCounterTable[27];
extern const MibTableRow MLDSnoopingForwardingTable[5];
extern const MibTableRow MLDSnoopingGroup[9];
extern const MibTableRow MLDSnoopingVLANStatisticCounterTable[23];
extern const MibTableRow MLDSnoopingPortStatisticCounterTable[23];
extern const MibTableRow IGMPSnoopingControlQueryIntervalTable[19];
extern const MibTableRow IGMPSnoopingControlQueryIntervalTable2[16];
extern const MibTableRow IGMPSnoopingStaticGroup[5];
extern const MibTableRow IGMPSnoopingDataDrivenLearingGroup[7];
extern const MibTableRow IGMPRouterPortsTable[5];
extern const MibTableRow IGMPSnoopingDynamicRouterAddressTable[3];
extern const MibTableRow IGMPSnoopingVLANRateLimitTable[3];
extern const MibTableRow IGMPSnoopingPortRateLimitTable[3];
extern const MibTableRow MLDSnoopingControlDataDrivenLearningStateTable[19];
extern const MibTableRow MLDSnoopingControlQueryIntervalTable[16];
extern const MibTableRow MLDSnoopingStaticGroup[5];
extern const MibTableRow MLDSnoopingDataDrivenLearingGroup[7];
extern const MibTableRow MLDRouterProtsTable[5];
extern const MibTableRow MLDSnoopingDynamicRouterAddressTable[3];
extern const MibTableRow MLDSnoopingVLANRateLimitTable[3];
extern const MibTableRow MLDSnoopingPortRateLimitTable[3];
extern const MibTableRow MulticastProtocolVLANNameTable[8];
extern const MibTableRow MulticastGroupPriorityTable[4];
extern const MibTableRow IGMPMulticastVlanTable[15];
extern const MibTableRow IGMPSnoopingMulticastVLANGroupProfileTable[4];
extern const MibTableRow IGMPSnoopingMulticastVLANGroupProflieAddressTable[6];
extern const MibTableRow HostIPTable[5];
extern const MibTableRow HostIPTable2[5];
extern const MibTableRow mldMulticastVlanTable[15];
extern const MibTableRow MLDSnoopingMulticastVLANGroupProfileTable[4];
extern const MibTableRow MLDSnoopingMulticastVLANGroupProfileAddressTable[6];
extern const MibTableRow MulticastLocalPortTable[3];
