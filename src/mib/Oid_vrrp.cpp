// Columns stay in this order even where their arcs do not ascend: dialogs address them by position.
#include "Oid_vrrp.h"

#include "CatalogueOptionLists.h"

constexpr MibTableRow VRRPGlobalSettings[] = {
    {"1.3.6.1.2.1.68.1.1", "VRRP Node Version", itInteger, acReadOnly},
    {"1.3.6.1.2.1.68.1.2", "Notification Control", itInteger, acReadWrite, &EnabledDisabledList},
    {},
};

constexpr MibTableRow VrrpVirtualMACAddressTable[] = {
    {"1.3.6.1.2.1.2.2.1.1", "IF Index", itInteger, acNotAccess},
    {"1.3.6.1.2.1.68.1.3.1.1", "VRID", itInteger, acNotAccess},
    {"1.3.6.1.2.1.68.1.3.1.2", "Virtual MAC Address", itMacAddress, acReadOnly},
    {"1.3.6.1.2.1.68.1.3.1.3", "Virtual Router State", itInteger, acReadOnly, &InitializeBackupMasterList},
    {"1.3.6.1.2.1.68.1.3.1.4", "Administrate State", itInteger, acReadWrite, &UpDownList},
    {"1.3.6.1.2.1.68.1.3.1.5", "Virtual Router Priority [0..255]", itInteger, acReadWrite},
    {"1.3.6.1.2.1.68.1.3.1.6", "IP Address Count", itInteger, acReadOnly},
    {"1.3.6.1.2.1.68.1.3.1.7", "Master IP Address", itIpAddress, acReadOnly},
    {"1.3.6.1.2.1.68.1.3.1.8", "Primary IP Address", itIpAddress, acReadWrite},
    {"1.3.6.1.2.1.68.1.3.1.9", "Authentication Type", itInteger, acReadWrite,
     &NoAuthenticationSimpleTextPasswoIpAuthenList},
    {"1.3.6.1.2.1.68.1.3.1.10", "Authentication Key", itDisplayString, acReadWrite},
    {"1.3.6.1.2.1.68.1.3.1.11", "Advertisement Interval [1..255]", itInteger, acReadWrite},
    {"1.3.6.1.2.1.68.1.3.1.12", "Preempt Mode", itInteger, acReadWrite, &TruthValueList},
    {"1.3.6.1.2.1.68.1.3.1.13", "Virtual Router UpTime", itTimeTicks, acReadOnly},
    {"1.3.6.1.2.1.68.1.3.1.14", "Operate Protocol", itInteger, acReadWrite, &IpBridgeDecnetList},
    {"1.3.6.1.2.1.68.1.3.1.15", "Row Status", itInteger, acReadWrite, &RowStatusList},
    {},
};

constexpr MibTableRow VRRPVirtualRouterAddressTable[] = {
    {"1.3.6.1.2.1.2.2.1.1", "IF Index", itInteger, acNotAccess},
    {"1.3.6.1.2.1.68.1.3.1.1", "Operation VRID", itInteger, acNotAccess},
    {"1.3.6.1.2.1.68.1.4.1.1", "Associated IP Address", itIpAddress, acNotAccess},
    {"1.3.6.1.2.1.68.1.4.1.2", "Row Status", itInteger, acReadWrite, &RowStatusList},
    {},
};

constexpr MibTableRow VRRPErrorStatisticsInformation[] = {
    {"1.3.6.1.2.1.68.2.1", "Checksum Errors", itCounter, acReadOnly},
    {"1.3.6.1.2.1.68.2.2", "Version Errors", itCounter, acReadOnly},
    {"1.3.6.1.2.1.68.2.3", "VRID Errors", itCounter, acReadOnly},
    {},
};

constexpr MibTableRow VRRPVirtualRouterStatisticsTable[] = {
    {"1.3.6.1.2.1.2.2.1.1", "IF Index", itInteger, acNotAccess},
    {"1.3.6.1.2.1.68.1.3.1.1", "VRID", itInteger, acNotAccess},
    {"1.3.6.1.2.1.68.2.4.1.1", "Become Master Time", itCounter, acReadOnly},
    {"1.3.6.1.2.1.68.2.4.1.2", "Advertisement Received", itCounter, acReadOnly},
    {"1.3.6.1.2.1.68.2.4.1.3", "Advertisement Interval Errors", itCounter, acReadOnly},
    {"1.3.6.1.2.1.68.2.4.1.4", "Authentication Failures", itCounter, acReadOnly},
    {"1.3.6.1.2.1.68.2.4.1.5", "IP TTL Errors", itCounter, acReadOnly},
    {"1.3.6.1.2.1.68.2.4.1.6", "Priority Zero Packets Received", itCounter, acReadOnly},
    {"1.3.6.1.2.1.68.2.4.1.7", "Priority Zero Packets Sent", itCounter, acReadOnly},
    {"1.3.6.1.2.1.68.2.4.1.8", "Invalid Type Packets Received", itCounter, acReadOnly},
    {"1.3.6.1.2.1.68.2.4.1.9", "Address List Errors", itCounter, acReadOnly},
    {"1.3.6.1.2.1.68.2.4.1.10", "Invalid Authentication Type", itCounter, acReadOnly},
    {"1.3.6.1.2.1.68.2.4.1.11", "Authentication Type Mismatch", itCounter, acReadOnly},
    {"1.3.6.1.2.1.68.2.4.1.12", "Packet Length Errors", itCounter, acReadOnly},
    {},
};
