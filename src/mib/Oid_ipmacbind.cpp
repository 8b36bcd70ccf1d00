// Columns stay in this order even where their arcs do not ascend: dialogs address them by position.
#include "Oid_ipmacbind.h"

#include "CatalogueOptionLists.h"

constexpr MibTableRow IMPBGlobalSettings[] = {
    {"1.3.6.1.4.1.746.12.23.1.1", "Trap Log State", itInteger, acReadWrite, &OtherEnableDisableList},
    {"1.3.6.1.4.1.746.12.23.1.4", "IPv4 DHCP Snooping State", itInteger, acReadWrite, &EnabledDisabledList},
    {"1.3.6.1.4.1.746.12.23.1.5", "Clear All DHCP Snooping Entries", itInteger, acReadWrite, &OtherStartList},
    {"1.3.6.1.4.1.746.12.23.1.7", "IPv6 DHCP Snooping State", itInteger, acReadWrite, &EnabledDisabledList},
    {"1.3.6.1.4.1.746.12.23.1.8", "ND Snooping State", itInteger, acReadWrite, &EnabledDisabledList},
    {"1.3.6.1.4.1.746.12.23.1.9", "Clear All IPv6 DHCP Snooping Entries State", itInteger, acReadWrite,
     &OtherStartList},
    {"1.3.6.1.4.1.746.12.23.1.10", "Clear All ND Snooping Entries State", itInteger, acReadWrite,
     &OtherStartList},
    {"1.3.6.1.4.1.746.12.23.1.11", "Roaming State", itInteger, acReadWrite, &EnabledDisabledList},
    {"1.3.6.1.4.1.746.12.23.1.12", "Auto Save State", itInteger, acReadWrite, &EnabledDisabledList},
    {"1.3.6.1.4.1.746.12.23.1.13", "Auto Save File Name", itDisplayString, acReadWrite},
    {"1.3.6.1.4.1.746.12.23.1.14", "Save Activity", itInteger, acReadWrite, &NoneStartList},
    {"1.3.6.1.4.1.746.12.23.1.15", "Auto Recover Time (-1 = infinite)", itInteger, acReadWrite},
    {},
};

constexpr MibTableRow IMPBPortTable[] = {
    {"1.3.6.1.4.1.746.12.23.3.2.1.1", "Index", itInteger, acNotAccess},
    {"1.3.6.1.4.1.746.12.23.3.2.1.3", "Zero IP State", itInteger, acReadWrite, &EnabledDisabledList},
    {"1.3.6.1.4.1.746.12.23.3.2.1.4", "Forward DHCP Packet", itInteger, acReadWrite, &EnabledDisabledList},
    {"1.3.6.1.4.1.746.12.23.3.2.1.5", "DHCP Snoop Max Entry", itInteger, acReadWrite},
    {"1.3.6.1.4.1.746.12.23.3.2.1.6", "DHCP Snoop Entry Clear Action", itInteger, acReadWrite,
     &OtherStartList},
    {"1.3.6.1.4.1.746.12.23.3.2.1.8", "Stop Learning Threshold", itInteger, acReadWrite},
    {"1.3.6.1.4.1.746.12.23.3.2.1.9", "Recover Learning", itInteger, acReadWrite, &OtherStartList},
    {"1.3.6.1.4.1.746.12.23.3.2.1.10", "Learning Status", itInteger, acReadOnly, &NormalStopList},
    {"1.3.6.1.4.1.746.12.23.3.2.1.12", "IPv6 DHCP Snoop Max Entry", itInteger, acReadWrite},
    {"1.3.6.1.4.1.746.12.23.3.2.1.13", "ND Snoop Max Entry", itInteger, acReadWrite},
    {"1.3.6.1.4.1.746.12.23.3.2.1.14", "IPv6 DHCP Snoop Entry Clear Action", itInteger, acReadWrite,
     &OtherStartList},
    {"1.3.6.1.4.1.746.12.23.3.2.1.15", "ND Snoop Entry Clear Action", itInteger, acReadWrite,
     &OtherStartList},
    {"1.3.6.1.4.1.746.12.23.3.2.1.16", "ARP Inspection", itInteger, acReadWrite, &DisabledStrictLooseList},
    {"1.3.6.1.4.1.746.12.23.3.2.1.17", "IP Inspection", itInteger, acReadWrite, &EnabledDisabledList},
    {"1.3.6.1.4.1.746.12.23.3.2.1.18", "IP Protocol", itInteger, acReadWrite, &AllIpv4Ipv6List},
    {"1.3.6.1.4.1.746.12.23.3.2.1.20", "Limit Rate Value (pps)", itInteger, acReadWrite},
    {"1.3.6.1.4.1.746.12.23.3.2.1.21", "Limit Rate Action", itInteger, acReadWrite, &DropShutdownList},
    {},
};

constexpr MibTableRow IPMACBindingTable[] = {
    {"1.3.6.1.4.1.746.12.23.4.1.1.1", "IP Index", itIpAddress, acNotAccess},
    {"1.3.6.1.4.1.746.12.23.4.1.1.2", "MAC Address", itMacAddress, acReadWrite},
    {"1.3.6.1.4.1.746.12.23.4.1.1.4", "Ports", itBitString, acReadWrite},
    {"1.3.6.1.4.1.746.12.23.4.1.1.3", "Row Status", itInteger, acReadWrite, &RowStatusList},
    {"1.3.6.1.4.1.746.12.23.4.1.1.6", "Mode", itInteger, acReadOnly, &ArpAclDhcpSnoopingList},
    {"1.3.6.1.4.1.746.12.23.4.1.1.7", "ACL Status", itInteger, acReadOnly, &InactiveActiveList},
    {},
};

constexpr MibTableRow IpMacBindBlockedTable[] = {
    {"1.3.6.1.4.1.746.12.23.4.2.1.1", "VLAN ID", itInteger, acNotAccess},
    {"1.3.6.1.4.1.746.12.23.4.2.1.2", "MAC Address", itMacAddress, acNotAccess},
    {"1.3.6.1.4.1.746.12.23.4.2.1.3", "VLAN Name", itDisplayString, acReadOnly},
    {"1.3.6.1.4.1.746.12.23.4.2.1.4", "Port", itInteger, acReadOnly},
    {"1.3.6.1.4.1.746.12.23.4.2.1.7", " Row Status", itInteger, acReadWrite, &ActiveDestroyList},
    {},
};

constexpr MibTableRow IMPBDHCPSnoopingTable[] = {
    {"1.3.6.1.4.1.746.12.23.4.3.1.1", "IP Index", itIpAddress, acNotAccess},
    {"1.3.6.1.4.1.746.12.23.4.3.1.2", "Snooping MAC", itMacAddress, acReadOnly},
    {"1.3.6.1.4.1.746.12.23.4.3.1.3", "Lease Time", itInteger, acReadOnly},
    {"1.3.6.1.4.1.746.12.23.4.3.1.4", "Snooping Ports", itInteger, acReadOnly},
    {"1.3.6.1.4.1.746.12.23.4.3.1.5", "Snooping Status", itInteger, acReadOnly, &InactiveActiveList},
    {},
};

constexpr MibTableRow IPMACBindingIPv6Table[] = {
    {"1.3.6.1.4.1.746.12.23.4.4.1.1", "Address", itIpv6Address, acNotAccess},
    {"1.3.6.1.4.1.746.12.23.4.4.1.2", "MAC Address", itMacAddress, acReadWrite},
    {"1.3.6.1.4.1.746.12.23.4.4.1.3", "Portlist", itBitList, acReadWrite},
    {"1.3.6.1.4.1.746.12.23.4.4.1.4", "Mode", itInteger, acReadOnly, &StaticDhcpSnoopingNdSnoopingList},
    {"1.3.6.1.4.1.746.12.23.4.4.1.5", "ACL Status", itInteger, acReadOnly, &InactiveActiveList},
    {"1.3.6.1.4.1.746.12.23.4.4.1.6", "Row Status", itInteger, acReadWrite, &RowStatusList},
    {},
};

constexpr MibTableRow IMPBIPv6DHCPSnoopingTable[] = {
    {"1.3.6.1.4.1.746.12.23.4.5.1.1", "Address", itIpv6Address, acNotAccess},
    {"1.3.6.1.4.1.746.12.23.4.5.1.2", "MAC Address", itMacAddress, acReadOnly},
    {"1.3.6.1.4.1.746.12.23.4.5.1.3", "Lease Time", itInteger, acReadOnly},
    {"1.3.6.1.4.1.746.12.23.4.5.1.4", "Port", itInteger, acReadOnly},
    {"1.3.6.1.4.1.746.12.23.4.5.1.5", "Status", itInteger, acReadOnly, &InactiveActiveList},
    {},
};

constexpr MibTableRow IMPBNDSnoopingTable[] = {
    {"1.3.6.1.4.1.746.12.23.4.6.1.1", "Address", itIpv6Address, acNotAccess},
    {"1.3.6.1.4.1.746.12.23.4.6.1.2", "MAC Address", itMacAddress, acReadOnly},
    {"1.3.6.1.4.1.746.12.23.4.6.1.3", "Lease Time", itInteger, acReadOnly},
    {"1.3.6.1.4.1.746.12.23.4.6.1.4", "Port", itInteger, acReadOnly},
    {"1.3.6.1.4.1.746.12.23.4.6.1.5", "Status", itInteger, acReadOnly, &InactiveActiveList},
    {},
};

constexpr MibTableRow IMPBUplaodDownloadTable[] = {
    {"1.3.6.1.4.1.746.12.23.4.7.1.1", "Protocol", itInteger, acNotAccess, &TftpList},
    {"1.3.6.1.4.1.746.12.23.4.7.1.2", "Server IP Address Type", itInteger, acReadWrite, &UnknownIpv4Ipv6List},
    {"1.3.6.1.4.1.746.12.23.4.7.1.3", "Server IP Address", itInetAddress, acReadWrite},
    {"1.3.6.1.4.1.746.12.23.4.7.1.7", "File Name", itDisplayString, acReadWrite},
    {"1.3.6.1.4.1.746.12.23.4.7.1.10", "Action", itInteger, acReadWrite, &UploadDownloadList},
    {},
};
