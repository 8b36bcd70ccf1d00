// Catalogue tables: layer 3: per-model tables (1.3.6.1.4.1.746.11.117.m.1.3), IPv6 (1.3.6.1.4.1.746.12.26),
// DHCPv6 relay (1.3.6.1.4.1.746.12.84), TUNNEL-MIB and IP-FORWARD-MIB.
#pragma once

#include "MibModelSet.h"

extern const MibTableRow Ipv6StaticRouteTable[9];
extern const MibTableRow ARPIPV6ControlTable[6];
extern const MibTableRow IPv6NeighborCacheDeleteActionSettings[2];
ZQS_DECLARE_MODEL_SET(AllInterfaceStateSettings, 2);
ZQS_DECLARE_MODEL_SET(IPv6ControlMaxReassmblySizeTable, 4);
ZQS_DECLARE_MODEL_SET(IPv6ControlMaxReassmblySizeTable2, 13);
ZQS_DECLARE_MODEL_SET(IPFDBInformationTable, 5);
ZQS_DECLARE_MODEL_SET(IPv6AddressControlTable, 10);
ZQS_DECLARE_MODEL_SET(IpCtrlIndexTable, 23);
ZQS_DECLARE_MODEL_SET(IpCtrlIndexTable2, 24);
ZQS_DECLARE_MODEL_SET(LoopbackIPControlTable, 7);
ZQS_DECLARE_MODEL_SET(DNSRelayGlobalSettings, 6);
ZQS_DECLARE_MODEL_SET(DNSCtrlTable, 4);
ZQS_DECLARE_MODEL_SET(ARPAgingTimeSettings, 2);
ZQS_DECLARE_MODEL_SET(IpStaticRouteBackupStateTable, 9);
ZQS_DECLARE_MODEL_SET(IpStaticRouteBackupStateTable2, 7);
ZQS_DECLARE_MODEL_SET(Layer3DeviceGlobalSettings, 6);
ZQS_DECLARE_MODEL_SET(MD5Information, 4);
ZQS_DECLARE_MODEL_SET(RouteRedistributTable, 7);
ZQS_DECLARE_MODEL_SET(OSPFHostTable, 6);
ZQS_DECLARE_MODEL_SET(OSPFVirtualInterfaceTable, 13);
ZQS_DECLARE_MODEL_SET(OSPFInterfaceTable, 25);
ZQS_DECLARE_MODEL_SET(RoutePreferenceSettings, 9);
ZQS_DECLARE_MODEL_SET(L3StaticSettings, 4);
ZQS_DECLARE_MODEL_SET(OSPFAreaTypeSettings, 7);
ZQS_DECLARE_MODEL_SET(LsdbInformationRouterID, 9);
ZQS_DECLARE_MODEL_SET(LsdbInformationMetric, 11);
ZQS_DECLARE_MODEL_SET(OSPFECMPInformationIPDestinationSettings, 7);
ZQS_DECLARE_MODEL_SET(OSPFECMPInformationIPDestinationSettings2, 6);
ZQS_DECLARE_MODEL_SET(OSPFDefaultInformationOriginateSettings, 4);
ZQS_DECLARE_MODEL_SET(RIPTimerSettings, 4);
ZQS_DECLARE_MODEL_SET(VRRPOperationTable, 17);
ZQS_DECLARE_MODEL_SET(RIPInboundRouterFilterTable, 4);
ZQS_DECLARE_MODEL_SET(IPv6RouteResTable, 6);
extern const MibTableRow DHCPv6RelayInformationHopCountSettings[3];
extern const MibTableRow DHCPv6RelayInformationControlStateSettings[3];
extern const MibTableRow DHCPv6RelayInformationRowStatusSettings[5];
extern const MibTableRow IPTunnelInterfaceTable[8];
extern const MibTableRow IPTunnelInterfaceConfigureTable[8];
extern const MibTableRow IPv6StaticRouteTunnelTable[5];
extern const MibTableRow DHCPv6RelayOptionSettings[5];
extern const MibTableRow Option18Settings[4];
extern const MibTableRow GlobalGlobalStateSettings[2];
extern const MibTableRow VLANTable[3];
extern const MibTableRow CIDRRouteTable[12];
extern const MibTableRow CIDRRouteInformation[3];
ZQS_DECLARE_MODEL_SET(DVMRPInterfaceTable, 9);
ZQS_DECLARE_MODEL_SET(IPMulticastRouteRPFAddressTable, 5);
ZQS_DECLARE_MODEL_SET(IPStaticRouteTunnelTable, 5);
