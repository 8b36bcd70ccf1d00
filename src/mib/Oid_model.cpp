// Columns stay in this order even where their arcs do not ascend: dialogs address them by position.
#include "Oid_model.h"

#include "CatalogueOptionLists.h"

constexpr MibTableRow SysObjectIdSettings[] = {
    {"1.3.6.1.2.1.1.2", "sysObjectID", itObjectId, acReadOnly},
    {},
};

constexpr MibTableRow FirmwareTypeSettings[] = {
    {"1.3.6.1.4.1.746.12.1.1.13", "Firmware Type", itDisplayString, acReadOnly},
    {},
};

constexpr MibTableRow SpanningTreeAlgorithmSettings[] = {
    {"1.3.6.1.4.1.746.12.15.1.1", "State", itInteger, acReadWrite, &DisabledEnabledList},
    {},
};

constexpr MibTableRow MSTPPortStateSettings[] = {
    {"1.3.6.1.4.1.746.12.15.1.2", "STP Version", itInteger, acReadWrite, &StpRstpMstpList},
    {},
};

constexpr MibTableRow ModelVersionSettings[] = {
    {"1.3.6.1.4.1.746.12.15.1.2", "Version", itInteger, acReadWrite, &StpRstpMstpList},
    {"1.3.6.1.4.1.746.12.15.1.3", "Max Age(600-4000)", itInteger, acReadWrite},
    {"1.3.6.1.4.1.746.12.15.1.4", "Hello Time(100-200)", itInteger, acReadWrite},
    {"1.3.6.1.4.1.746.12.15.1.5", "Forward Delay(400-3000)", itInteger, acReadWrite},
    {"1.3.6.1.4.1.746.12.15.1.6", "Max Hops(1-20)", itInteger, acReadWrite},
    {"1.3.6.1.4.1.746.12.15.1.7", "TX Hold Count(1-10)", itInteger, acReadWrite},
    {"1.3.6.1.4.1.746.12.15.1.8", "Forwarding BPDU", itInteger, acReadWrite, &DisabledEnabledList},
    {"1.3.6.1.4.1.746.12.15.1.11", "NNI BPDU Address", itInteger, acReadWrite, &Dot1dDot1adList},
    {},
};

constexpr MibTableRow STP_InfoMaxAge[] = {
    {"1.3.6.1.4.1.746.12.15.1.3", "Max Age", itInteger, acReadWrite},
    {"1.3.6.1.4.1.746.12.15.1.5", "Forward Delay", itInteger, acReadWrite},
    {"1.3.6.1.4.1.746.12.15.1.6", "Max Hops", itInteger, acReadWrite},
    {"1.3.6.1.4.1.746.12.15.1.7", "TX Hold Count", itInteger, acReadWrite},
    {"1.3.6.1.4.1.746.12.15.1.8", "Forward BPDU", itInteger, acReadWrite, &DisabledEnabledList},
    {"1.3.6.1.4.1.746.12.15.1.11", "NNI BPDU Address", itInteger, acReadWrite, &Dot1dDot1adList},
    {},
};

constexpr MibTableRow STP_InfoSwMSTPStpHelloTime[] = {
    {"1.3.6.1.4.1.746.12.15.1.4", "swMSTPStpHelloTime", itInteger, acReadWrite},
    {},
};

constexpr MibTableRow STP_InfoVersion[] = {
    {"1.3.6.1.4.1.746.12.15.1.2", "Version", itInteger, acReadWrite, &StpRstpMstpList},
    {},
};

constexpr MibTableRow STPConfigurationIdentificationSettings[] = {
    {"1.3.6.1.4.1.746.12.15.2.1", "Name", itDisplayString, acReadWrite},
    {"1.3.6.1.4.1.746.12.15.2.2", "Revision Level", itInteger, acReadWrite},
    {},
};

constexpr MibTableRow STPInstanceControlTable[] = {
    {"1.3.6.1.4.1.746.12.15.2.3.1.1", "Instance ID", itInteger, acNotAccess},
    {"1.3.6.1.4.1.746.12.15.2.3.1.2", "VLAN Range (1-64)", itOctetString, acReadWrite},
    {"1.3.6.1.4.1.746.12.15.2.3.1.3", "VLAN Range (65-128)", itOctetString, acReadWrite},
    {"1.3.6.1.4.1.746.12.15.2.3.1.4", "VLAN Range (129-192)", itOctetString, acReadWrite},
    {"1.3.6.1.4.1.746.12.15.2.3.1.5", "VLAN Range (193-256)", itOctetString, acReadWrite},
    {"1.3.6.1.4.1.746.12.15.2.3.1.6", "VLAN Range (257-320)", itOctetString, acReadWrite},
    {"1.3.6.1.4.1.746.12.15.2.3.1.7", "VLAN Range (321-384)", itOctetString, acReadWrite},
    {"1.3.6.1.4.1.746.12.15.2.3.1.8", "VLAN Range (385-448)", itOctetString, acReadWrite},
    {"1.3.6.1.4.1.746.12.15.2.3.1.9", "VLAN Range (449-512)", itOctetString, acReadWrite},
    {"1.3.6.1.4.1.746.12.15.2.3.1.10", "Type", itInteger, acReadOnly, &CistMstiList},
    {"1.3.6.1.4.1.746.12.15.2.3.1.11", "Status", itInteger, acReadOnly, &EnabledDisabledList},
    {"1.3.6.1.4.1.746.12.15.2.3.1.12", "Priority", itInteger, acReadWrite},
    {"1.3.6.1.4.1.746.12.15.2.3.1.13", "Designated Root Bridge", itOctetString, acReadOnly},
    {"1.3.6.1.4.1.746.12.15.2.3.1.14", "External Root Cost", itInteger, acReadOnly},
    {"1.3.6.1.4.1.746.12.15.2.3.1.15", "Regional Root Bridge", itOctetString, acReadOnly},
    {"1.3.6.1.4.1.746.12.15.2.3.1.16", "Internal Root Cost", itInteger, acReadOnly},
    {"1.3.6.1.4.1.746.12.15.2.3.1.17", "Designated Bridge", itOctetString, acReadOnly},
    {"1.3.6.1.4.1.746.12.15.2.3.1.18", "Root Port", itInteger, acReadOnly},
    {"1.3.6.1.4.1.746.12.15.2.3.1.19", "Max Age", itInteger, acReadOnly},
    {"1.3.6.1.4.1.746.12.15.2.3.1.20", "Forward Delay", itInteger, acReadOnly},
    {"1.3.6.1.4.1.746.12.15.2.3.1.21", "Last Topology Change", itTimeTicks, acReadOnly},
    {"1.3.6.1.4.1.746.12.15.2.3.1.22", "Top Changes Count", itCounter, acReadOnly},
    {"1.3.6.1.4.1.746.12.15.2.3.1.23", "Remain Hops", itInteger, acReadOnly},
    {"1.3.6.1.4.1.746.12.15.2.3.1.24", "Row Status", itInteger, acReadWrite, &RowStatusList},
    {},
};

constexpr MibTableRow MSTPPortStateTable[] = {
    {"1.3.6.1.4.1.746.12.15.2.4.1.1", "Port", itInteger, acNotAccess},
    {"1.3.6.1.4.1.746.12.15.2.4.1.3", "Operation HelloTime", itInteger, acReadOnly},
    {"1.3.6.1.4.1.746.12.15.2.4.1.2", "Administration HelloTime", itInteger, acReadWrite},
    {"1.3.6.1.4.1.746.12.15.2.4.1.4", "STP Port Enable", itInteger, acReadWrite, &EnabledDisabledList},
    {"1.3.6.1.4.1.746.12.15.2.4.1.5", "External Path Cost", itInteger, acReadWrite},
    {"1.3.6.1.4.1.746.12.15.2.4.1.6", "Migration", itInteger, acReadWrite, &TruthValueList},
    {"1.3.6.1.4.1.746.12.15.2.4.1.7", "Administration Edge Port", itInteger, acReadWrite, &TrueFalseAutoList},
    {"1.3.6.1.4.1.746.12.15.2.4.1.8", "Operation Edge Port", itInteger, acReadOnly, &TrueFalseAutoList},
    {"1.3.6.1.4.1.746.12.15.2.4.1.9", "Administration P2P", itInteger, acReadWrite, &TrueFalseAutoList2},
    {"1.3.6.1.4.1.746.12.15.2.4.1.10", "Operation P2P", itInteger, acReadOnly, &TrueFalseAutoList2},
    {"1.3.6.1.4.1.746.12.15.2.4.1.12", "BPDU Filtering", itInteger, acReadWrite, &OtherDisabledEnabledList},
    {"1.3.6.1.4.1.746.12.15.2.4.1.13", "Restricted Role", itInteger, acReadWrite, &TruthValueList},
    {"1.3.6.1.4.1.746.12.15.2.4.1.14", "Restricted TCN", itInteger, acReadWrite, &TruthValueList},
    {},
};

constexpr MibTableRow STPPortMSTPTable[] = {
    {"1.3.6.1.4.1.746.12.15.2.5.1.1", "Port", itInteger, acNotAccess},
    {"1.3.6.1.4.1.746.12.15.2.5.1.2", "Instance ID", itInteger, acNotAccess},
    {"1.3.6.1.4.1.746.12.15.2.5.1.3", "Designated Bridge", itOctetString, acReadOnly},
    {"1.3.6.1.4.1.746.12.15.2.5.1.4", "Internal Path Cost", itInteger, acReadWrite},
    {"1.3.6.1.4.1.746.12.15.2.5.1.5", "Priority", itInteger, acReadWrite},
    {"1.3.6.1.4.1.746.12.15.2.5.1.6", "Status", itInteger, acReadOnly, &OtherDisabledDiscardingList},
    {"1.3.6.1.4.1.746.12.15.2.5.1.7", "Role", itInteger, acReadOnly, &DisabledAlternateBackupList},
    {},
};

constexpr MibTableRow MSTPTrapSettings[] = {
    {"1.3.6.1.4.1.746.12.15.11.2.1", "MSTP New Root Trap State", itInteger, acReadWrite,
     &EnabledDisabledList},
    {"1.3.6.1.4.1.746.12.15.11.2.2", "MSTP Topology Change Trap State", itInteger, acReadWrite,
     &EnabledDisabledList},
    {},
};

constexpr MibTableRow PPPoECircuitIDInsertionStateSettings[] = {
    {"1.3.6.1.4.1.746.12.79.1.1", "State", itInteger, acReadWrite, &EnabledDisabledList},
    {},
};

constexpr MibTableRow PPPoECircuitIDInsertPortTable[] = {
    {"1.3.6.1.4.1.746.12.79.1.2.1.1.1", "Index", itInteger, acNotAccess},
    {"1.3.6.1.4.1.746.12.79.1.2.1.1.2", "State", itInteger, acReadWrite, &EnabledDisabledList},
    {"1.3.6.1.4.1.746.12.79.1.2.1.1.3", "Circuit ID", itInteger, acReadWrite,
     &SwitchIpSwitchMacUdfStringList},
    {"1.3.6.1.4.1.746.12.79.1.2.1.1.4", "UDF String", itDisplayString, acReadWrite},
    {},
};

constexpr MibTableRow ERPSGlobalSettings[] = {
    {"1.3.6.1.4.1.746.12.78.1.1", "Admin State", itInteger, acReadWrite, &EnabledDisabledList},
    {"1.3.6.1.4.1.746.12.78.1.2", "Trap State", itInteger, acReadWrite, &EnabledDisabledList},
    {"1.3.6.1.4.1.746.12.78.1.3", "Log State", itInteger, acReadWrite, &EnabledDisabledList},
    {},
};

constexpr MibTableRow ERPSVLANTable[] = {
    {"1.3.6.1.4.1.746.12.78.3.1.1.1", "VLAN ID", itInteger, acNotAccess},
    {"1.3.6.1.4.1.746.12.78.3.1.1.2", "West Port", itInteger, acReadWrite},
    {"1.3.6.1.4.1.746.12.78.3.1.1.3", "West Port State", itInteger, acReadOnly,
     &ForwardingBlockingSignalfailList},
    {"1.3.6.1.4.1.746.12.78.3.1.1.4", "East Port", itInteger, acReadWrite},
    {"1.3.6.1.4.1.746.12.78.3.1.1.5", "East Port State", itInteger, acReadOnly,
     &ForwardingBlockingSignalfailList},
    {"1.3.6.1.4.1.746.12.78.3.1.1.6", "RPL Port", itInteger, acReadWrite, &NoneWestEastList},
    {"1.3.6.1.4.1.746.12.78.3.1.1.7", "RPL Owner", itInteger, acReadWrite, &EnabledDisabledList},
    {"1.3.6.1.4.1.746.12.78.3.1.1.8", "Protection VLAN", itDisplayString, acReadWrite},
    {"1.3.6.1.4.1.746.12.78.3.1.1.9", "Ring MEL", itInteger, acReadWrite},
    {"1.3.6.1.4.1.746.12.78.3.1.1.10", "Holdoff Time", itInteger, acReadWrite},
    {"1.3.6.1.4.1.746.12.78.3.1.1.11", "Guard Time", itInteger, acReadWrite},
    {"1.3.6.1.4.1.746.12.78.3.1.1.12", "WTR Time", itInteger, acReadWrite},
    {"1.3.6.1.4.1.746.12.78.3.1.1.13", "Ring State", itInteger, acReadOnly, &BeginInitIdleList},
    {"1.3.6.1.4.1.746.12.78.3.1.1.14", "R-APS Ring Admin State", itInteger, acReadWrite,
     &EnabledDisabledList},
    {"1.3.6.1.4.1.746.12.78.3.1.1.15", "R-APS RPL Owner Operation Status", itInteger, acReadOnly,
     &ActiveInactiveDisabledList},
    {"1.3.6.1.4.1.746.12.78.3.1.1.16", "R-APS Protection VLAN Range List (1-512)", itOctetString,
     acReadWrite},
    {"1.3.6.1.4.1.746.12.78.3.1.1.17", "R-APS Protection VLAN Range List (513-1024)", itOctetString,
     acReadWrite},
    {"1.3.6.1.4.1.746.12.78.3.1.1.18", "R-APS Protection VLAN Range List (1025-1536)", itOctetString,
     acReadWrite},
    {"1.3.6.1.4.1.746.12.78.3.1.1.19", "R-APS Protection VLAN Range List (1537-2048)", itOctetString,
     acReadWrite},
    {"1.3.6.1.4.1.746.12.78.3.1.1.20", "R-APS Protection VLAN Range List (2049-2560)", itOctetString,
     acReadWrite},
    {"1.3.6.1.4.1.746.12.78.3.1.1.21", "R-APS Protection VLAN Range List (2561-3072)", itOctetString,
     acReadWrite},
    {"1.3.6.1.4.1.746.12.78.3.1.1.22", "R-APS Protection VLAN Range List (3073-3584)", itOctetString,
     acReadWrite},
    {"1.3.6.1.4.1.746.12.78.3.1.1.23", "R-APS Protection VLAN Range List (3585-4096)", itOctetString,
     acReadWrite},
    {"1.3.6.1.4.1.746.12.78.3.1.1.24", "R-APS Revertive", itInteger, acReadWrite, &EnableDisableList},
    {"1.3.6.1.4.1.746.12.78.3.1.1.25", "R-APS Operational West Port", itInteger, acReadOnly},
    {"1.3.6.1.4.1.746.12.78.3.1.1.26", "R-APS Operational East Port", itInteger, acReadOnly},
    {"1.3.6.1.4.1.746.12.78.3.1.1.27", "R-APS Operational RPL Port", itInteger, acReadOnly,
     &NoneWestEastList},
    {"1.3.6.1.4.1.746.12.78.3.1.1.28", "R-APS RPL Owner Oper State", itInteger, acReadOnly,
     &EnabledDisabledList},
    {"1.3.6.1.4.1.746.12.78.3.1.1.100", "Row Status", itInteger, acReadWrite, &RowStatusList},
    {},
};

constexpr MibTableRow ERPSSubRingTable[] = {
    {"1.3.6.1.4.1.746.12.78.3.2.1.1", "R-APS VLAN ID", itInteger, acNotAccess},
    {"1.3.6.1.4.1.746.12.78.3.2.1.2", "Sub-Ring R-APS VLAN ID", itInteger, acNotAccess},
    {"1.3.6.1.4.1.746.12.78.3.2.1.3", "TC Propagation State", itInteger, acReadWrite, &EnabledDisabledList},
    {"1.3.6.1.4.1.746.12.78.3.2.1.4", "Row Status", itInteger, acReadWrite, &RowStatusList},
    {},
};

constexpr MibTableRow SourceIPInterfaceSettings[] = {
    {"1.3.6.1.4.1.746.12.81.3.1.1.1", "Type", itInteger, acNotAccess, &TrapSyslogList},
    {"1.3.6.1.4.1.746.12.81.3.1.1.2", "Row Status", itInteger, acReadWrite, &RowStatusList},
    {"1.3.6.1.4.1.746.12.81.3.1.1.3", "Name", itDisplayString, acReadWrite},
    {"1.3.6.1.4.1.746.12.81.3.1.1.4", "IPv4 Address", itIpAddress, acReadWrite},
    {"1.3.6.1.4.1.746.12.81.3.1.1.5", "IPv6 Address", itIpv6Address, acReadWrite},
    {},
};

constexpr MibTableRow ModelRowStatusTable[] = {
    {"1.3.6.1.4.1.746.12.81.3.1.1.1", "Type", itInteger, acNotAccess, &TrapSyslogList},
    {"1.3.6.1.4.1.746.12.81.3.1.1.2", "Row Status", itInteger, acReadWrite, &RowStatusList},
    {"1.3.6.1.4.1.746.12.81.3.1.1.3", "Name", itDisplayString, acReadWrite},
    {"1.3.6.1.4.1.746.12.81.3.1.1.4", "IPv4 Address", itIpAddress, acReadWrite},
    {},
};

constexpr MibTableRow DHCPRelayGlobalSettings[] = {
    {"1.3.6.1.4.1.746.12.42.1.1", "State", itInteger, acReadWrite, &EnabledDisabledList},
    {"1.3.6.1.4.1.746.12.42.1.2", "Hop Count", itInteger, acReadWrite},
    {"1.3.6.1.4.1.746.12.42.1.3", "Time Threshold", itInteger, acReadWrite},
    {},
};

constexpr MibTableRow ControlTable[] = {
    {"1.3.6.1.4.1.746.12.42.3.1.1.1", "Interface Name", itDisplayString, acNotAccess},
    {"1.3.6.1.4.1.746.12.42.3.1.1.2", "Control Server", itIpAddress, acNotAccess},
    {"1.3.6.1.4.1.746.12.42.3.1.1.3", "Row Status", itInteger, acReadWrite, &RowStatusList},
    {},
};

constexpr MibTableRow ServeCVIDTable[] = {
    {" ", "Server Address", itIpAddress, acNotAccess},
    {"1.3.6.1.4.1.746.12.42.3.7.1.1", "CVID (0-4094)", itInteger, acReadWrite},
    {},
};

constexpr MibTableRow DHCPRelayVLANControlUnitTable[] = {
    {"1.3.6.1.4.1.746.12.42.3.5.1.1", "IP Address", itIpAddress, acNotAccess},
    {"1.3.6.1.4.1.746.12.42.3.5.1.2", "1-512", itOctetString, acReadWrite},
    {"1.3.6.1.4.1.746.12.42.3.5.1.3", "513-1024", itOctetString, acReadWrite},
    {"1.3.6.1.4.1.746.12.42.3.5.1.4", "1025-1536", itOctetString, acReadWrite},
    {"1.3.6.1.4.1.746.12.42.3.5.1.5", "1537-2048", itOctetString, acReadWrite},
    {"1.3.6.1.4.1.746.12.42.3.5.1.6", "2049-2560", itOctetString, acReadWrite},
    {"1.3.6.1.4.1.746.12.42.3.5.1.7", "2561-3072", itOctetString, acReadWrite},
    {"1.3.6.1.4.1.746.12.42.3.5.1.8", "3073-3584", itOctetString, acReadWrite},
    {"1.3.6.1.4.1.746.12.42.3.5.1.9", "3585-4094", itOctetString, acReadWrite},
    {"1.3.6.1.4.1.746.12.42.3.5.1.10", "Row Status", itInteger, acReadWrite, &RowStatusList},
    {},
};

constexpr MibTableRow DHCPRelayOption82Settings[] = {
    {"1.3.6.1.4.1.746.12.42.3.2.1", "State", itInteger, acReadWrite, &EnabledDisabledList},
    {"1.3.6.1.4.1.746.12.42.3.2.2", "Check State", itInteger, acReadWrite, &EnabledDisabledList},
    {"1.3.6.1.4.1.746.12.42.3.2.3", "Policy", itInteger, acReadWrite, &ReplaceDropKeepList},
    {"1.3.6.1.4.1.746.12.42.3.2.4", "Remote ID Type", itInteger, acReadWrite, &DefaultUserDefineVendor2List},
    {"1.3.6.1.4.1.746.12.42.3.2.5", "Remote ID Content", itDisplayString, acReadWrite},
    {"1.3.6.1.4.1.746.12.42.3.2.6", "Circuit ID Type", itInteger, acReadWrite,
     &DefaultUserDefinedVendor1List},
    {"1.3.6.1.4.1.746.12.42.3.2.7", "Circuit ID", itDisplayString, acReadWrite},
    {},
};

constexpr MibTableRow Option82PerPortRemoteIDTable[] = {
    {"1.3.6.1.4.1.746.12.42.3.2.8.1.1", "Port Index", itInteger, acNotAccess},
    {"1.3.6.1.4.1.746.12.42.3.2.8.1.2", "Remote ID Type", itInteger, acReadOnly, &Vendor3List},
    {"1.3.6.1.4.1.746.12.42.3.2.8.1.3", "Remote ID Value", itDisplayString, acReadWrite},
    {},
};

constexpr MibTableRow Option82PerPortCircuitIDTable[] = {
    {"1.3.6.1.4.1.746.12.42.3.2.9.1.1", "Port Index", itInteger, acNotAccess},
    {"1.3.6.1.4.1.746.12.42.3.2.9.1.2", "Circuit ID Type", itInteger, acReadOnly, &Vendor3List},
    {"1.3.6.1.4.1.746.12.42.3.2.9.1.3", "Circuit ID Value", itDisplayString, acReadWrite},
    {},
};

constexpr MibTableRow DHCPRelayOption60StateSettings[] = {
    {"1.3.6.1.4.1.746.12.42.3.3.1", "State", itInteger, acReadWrite, &EnabledDisabledList},
    {"1.3.6.1.4.1.746.12.42.3.3.2", "Default Mode", itInteger, acReadWrite, &RelayDropList},
    {},
};

constexpr MibTableRow Option60DefaultTable[] = {
    {"1.3.6.1.4.1.746.12.42.3.3.3.1.1", "Relay IP", itIpAddress, acNotAccess},
    {"1.3.6.1.4.1.746.12.42.3.3.3.1.2", "Row Status", itInteger, acReadWrite, &RowStatusList},
    {},
};

constexpr MibTableRow Option60Table[] = {
    {"1.3.6.1.4.1.746.12.42.3.3.4.1.1", "String", itDisplayString, acNotAccess},
    {"1.3.6.1.4.1.746.12.42.3.3.4.1.2", "Relay IP", itIpAddress, acNotAccess},
    {"1.3.6.1.4.1.746.12.42.3.3.4.1.3", "Match Type", itInteger, acReadWrite, &ExactPartialList},
    {"1.3.6.1.4.1.746.12.42.3.3.4.1.4", "Row Status", itInteger, acReadWrite, &RowStatusList},
    {},
};

constexpr MibTableRow DHCPRelayOption61Settings[] = {
    {"1.3.6.1.4.1.746.12.42.3.4.1", "State", itInteger, acReadWrite, &EnabledDisabledList},
    {"1.3.6.1.4.1.746.12.42.3.4.2", "Default Mode", itInteger, acReadWrite, &RelayDropList},
    {"1.3.6.1.4.1.746.12.42.3.4.3", "Default Relay IP", itIpAddress, acReadWrite},
    {},
};

constexpr MibTableRow Option61Table[] = {
    {"1.3.6.1.4.1.746.12.42.3.4.4.1.1", "Client Type", itInteger, acNotAccess, &MacStringList},
    {"1.3.6.1.4.1.746.12.42.3.4.4.1.2", "Client ID", itDisplayString, acNotAccess},
    {"1.3.6.1.4.1.746.12.42.3.4.4.1.3", "Mode", itInteger, acReadWrite, &RelayDropList},
    {"1.3.6.1.4.1.746.12.42.3.4.4.1.4", "Relay IP", itIpAddress, acReadWrite},
    {"1.3.6.1.4.1.746.12.42.3.4.4.1.5", "Row Status", itInteger, acReadWrite, &RowStatusList},
    {},
};

constexpr MibTableRow PortStateControlTable[] = {
    {"1.3.6.1.4.1.746.12.42.3.6.1.1", "Port Index", itInteger, acNotAccess},
    {"1.3.6.1.4.1.746.12.42.3.6.1.2", "State", itInteger, acReadWrite, &EnabledDisabledList},
    {},
};

constexpr MibTableRow Option82Table[] = {
    {"1.3.6.1.4.1.746.12.42.4.3.1.1", "Port Index", itInteger, acNotAccess},
    {"1.3.6.1.4.1.746.12.42.4.3.1.2", "Policy", itInteger, acReadWrite, &ReplaceDropKeepList},
    {},
};

constexpr MibTableRow ModelSTPVersionSettings[] = {
    {"1.3.6.1.2.1.17.2.16", "STP Version", itInteger, acReadWrite, &STPCompatibilityRSTPList},
    {"1.3.6.1.2.1.17.2.2", "Priority 0-61440)", itInteger, acReadWrite},
    {"1.3.6.1.2.1.17.2.12", "Max Age (600-4000)", itInteger, acReadWrite},
    {"1.3.6.1.2.1.17.2.13", "Hello Time (100-1000)", itInteger, acReadWrite},
    {"1.3.6.1.2.1.17.2.14", "Forward Delay (400-3000)", itInteger, acReadWrite},
    {"1.3.6.1.2.1.17.2.17", "TX Hold Count (1-10)", itInteger, acReadWrite},
    {},
};

constexpr MibTableRow SpanningTreePortTable[] = {
    {"1.3.6.1.2.1.17.2.15.1.1", "Port", itInteger, acNotAccess},
    {"1.3.6.1.2.1.17.2.15.1.2", "Priority", itInteger, acReadWrite},
    {"1.3.6.1.2.1.17.2.15.1.3", "Status        ", itInteger, acReadOnly, &DisabledBlockingListeningList},
    {"1.3.6.1.2.1.17.2.15.1.4", "State  ", itInteger, acReadWrite, &EnabledDisabledList},
    {"1.3.6.1.2.1.17.2.15.1.5", "Path Cost", itInteger, acReadWrite},
    {"1.3.6.1.2.1.17.2.15.1.6", "Designated Root", itDisplayString, acReadOnly},
    {"1.3.6.1.2.1.17.2.15.1.7", "Designated Cost", itInteger, acReadOnly},
    {"1.3.6.1.2.1.17.2.15.1.8", "Designated Bridge", itDisplayString, acReadOnly},
    {"1.3.6.1.2.1.17.2.15.1.9", "Designated Port", itDisplayString, acReadOnly},
    {"1.3.6.1.2.1.17.2.15.1.10", "Forward Transitions", itCounter, acReadOnly},
    {},
};

constexpr MibTableRow ModelMigrationTable[] = {
    {"1.3.6.1.2.1.17.2.15.1.1", "Port", itInteger, acNotAccess},
    {"1.3.6.1.2.1.17.2.19.1.1", "Migration", itInteger, acReadWrite, &TruthValueList},
    {"1.3.6.1.2.1.17.2.19.1.2", "Administrate Edge", itInteger, acReadWrite, &TruthValueList},
    {"1.3.6.1.2.1.17.2.19.1.3", "Operate Edge", itInteger, acReadOnly, &TruthValueList},
    {"1.3.6.1.2.1.17.2.19.1.4", "Administrate Point To Point", itInteger, acReadWrite,
     &ForceTrueForceFalseAutoList},
    {"1.3.6.1.2.1.17.2.19.1.5", "Operate Point To Point", itInteger, acReadOnly, &TruthValueList},
    {"1.3.6.1.2.1.17.2.19.1.6", "Path Cost", itInteger, acReadWrite},
    {},
};

constexpr MibTableRow Bridge8021DInformation[] = {
    {"1.3.6.1.2.1.17.1.2", "Number of Ports", itInteger, acReadOnly},
    {"1.3.6.1.2.1.17.4.1", "Learned Entry Discards", itCounter, acReadOnly},
    {"1.3.6.1.2.1.17.4.2", "Aging Time (10-1000000)", itInteger, acReadWrite},
    {},
};

constexpr MibTableRow CableDiagnosticsTable[] = {
    {"1.3.6.1.4.1.746.12.58.1.1.1.1", "Index", itInteger, acNotAccess},
    {"1.3.6.1.4.1.746.12.58.1.1.1.2", "Type", itInteger, acReadOnly, &FastEthernetGigaEthernetOtherList},
    {"1.3.6.1.4.1.746.12.58.1.1.1.3", "Link Status", itInteger, acReadOnly, &LinkDownLinkUpOtherList},
    {"1.3.6.1.4.1.746.12.58.1.1.1.4", "Pair 1 Status", itInteger, acReadOnly, &OkOpenShortList},
    {"1.3.6.1.4.1.746.12.58.1.1.1.5", "Pair 2 Status", itInteger, acReadOnly, &OkOpenShortList},
    {"1.3.6.1.4.1.746.12.58.1.1.1.6", "Pair 3 Status", itInteger, acReadOnly, &OkOpenShortList},
    {"1.3.6.1.4.1.746.12.58.1.1.1.7", "Pair 4 Status", itInteger, acReadOnly, &OkOpenShortList},
    {"1.3.6.1.4.1.746.12.58.1.1.1.8", "Pair 1 Length", itInteger, acReadOnly},
    {"1.3.6.1.4.1.746.12.58.1.1.1.9", "Pair 2 Length", itInteger, acReadOnly},
    {"1.3.6.1.4.1.746.12.58.1.1.1.10", "Pair 3 Length", itInteger, acReadOnly},
    {"1.3.6.1.4.1.746.12.58.1.1.1.11", "Pair 4 Length", itInteger, acReadOnly},
    {"1.3.6.1.4.1.746.12.58.1.1.1.12", "Action", itInteger, acReadWrite, &ActionProcessingOtherList},
    {},
};

constexpr MibTableRow RSPANStateSettings[] = {
    {"1.3.6.1.4.1.746.12.68.1.1", "State", itInteger, acReadWrite, &EnabledDisabledList},
    {},
};

constexpr MibTableRow RSPANInformation[] = {
    {"1.3.6.1.4.1.746.12.68.2.1", "Max Supported Entry", itInteger, acReadOnly},
    {"1.3.6.1.4.1.746.12.68.2.2", "Current Number of Entries", itInteger, acReadOnly},
    {},
};

constexpr MibTableRow RSPANTable[] = {
    {"1.3.6.1.4.1.746.12.68.3.1.1.1", "VLAN ID", itInteger, acNotAccess},
    {"1.3.6.1.4.1.746.12.68.3.1.1.2", "Source Ingress", itBitList, acReadWrite},
    {"1.3.6.1.4.1.746.12.68.3.1.1.3", "Source Egress", itBitList, acReadWrite},
    {"1.3.6.1.4.1.746.12.68.3.1.1.4", "Redirect", itBitList, acReadWrite},
    {"1.3.6.1.4.1.746.12.68.3.1.1.5", "Row Status", itInteger, acReadWrite, &RowStatusList},
    {"1.3.6.1.4.1.746.12.68.3.1.1.6", "Mirror Group ID", itInteger, acReadWrite},
    {},
};

constexpr MibTableRow SystemResetSettings[] = {
    {"1.3.6.1.4.1.746.12.1.2.20", "System Reset", itInteger, acReadWrite, &NoneConfigSystemList},
    {},
};

constexpr MibTableRow SystemRebootSettings[] = {
    {"1.3.6.1.4.1.746.12.1.2.19", "System Reboot", itInteger, acReadWrite, &NoneStartList},
    {},
};

constexpr MibTableRow SerialNumberSettings[] = {
    {"1.3.6.1.4.1.746.12.1.1.12", "Serial Number", itDisplayString, acReadOnly},
    {},
};

constexpr MibTableRow SNMPTrapStateSettings[] = {
    {"1.3.6.1.4.1.746.12.1.2.22", "SNMP Trap State", itInteger, acReadWrite, &EnabledDisabledList},
    {},
};

constexpr MibTableRow MIBCapabilitiesTable[] = {
    {"1.3.6.1.4.1.746.12.1.1.2.1.1", "Index", itInteger, acReadOnly},
    {"1.3.6.1.4.1.746.12.1.1.2.1.2", "Description", itDisplayString, acReadOnly},
    {"1.3.6.1.4.1.746.12.1.1.2.1.3", "Version", itInteger, acReadOnly},
    {"1.3.6.1.4.1.746.12.1.1.2.1.4", "Type", itInteger, acReadOnly, &OtherStandardProprietaryList},
    {},
};

constexpr MibTableRow PortUtilizationTable[] = {
    {"1.3.6.1.4.1.746.12.1.1.8.1.1", "Port Index", itInteger, acNotAccess},
    {"1.3.6.1.4.1.746.12.1.1.8.1.2", "TX (sec)", itInteger, acReadOnly},
    {"1.3.6.1.4.1.746.12.1.1.8.1.3", "RX (sec)", itInteger, acReadOnly},
    {"1.3.6.1.4.1.746.12.1.1.8.1.4", "Utilization", itInteger, acReadOnly},
    {},
};

constexpr MibTableRow CPUUtilizationTable[] = {
    {"1.3.6.1.4.1.746.12.1.1.6.1", "Utilization In 5 sec", itInteger, acReadOnly},
    {"1.3.6.1.4.1.746.12.1.1.6.2", "Utilization In 1 min", itInteger, acReadOnly},
    {"1.3.6.1.4.1.746.12.1.1.6.3", "Utilization In 5 min", itInteger, acReadOnly},
    {},
};

constexpr MibTableRow ModelActionTable[] = {
    {"1.3.6.1.4.1.746.12.1.2.13.1.1", "ID   ", itInteger, acNotAccess},
    {"1.3.6.1.4.1.746.12.1.2.13.1.2", "Action        ", itInteger, acReadWrite,
     &ConfigAsBootupFwDeleteNoneList},
    {},
};

constexpr MibTableRow BasicInformation[] = {
    {"1.3.6.1.4.1.746.12.1.1.1", "Protocol Capability", itInteger, acReadOnly, &OtherSnmpIpSnmpIpxList},
    {"1.3.6.1.4.1.746.12.1.1.3", "Console Status", itInteger, acReadOnly, &OtherInUseNotInUseList},
    {"1.3.6.1.4.1.746.12.1.1.5", "Firmware Download Status", itInteger, acReadOnly,
     &OtherInProcessInvalidFileList},
    {"1.3.6.1.4.1.746.12.1.1.7", "Dual Image Status", itInteger, acReadOnly, &NotSupportedSupportedList},
    {},
};

constexpr MibTableRow BasicConfiguration[] = {
    {"1.3.6.1.4.1.746.12.1.2.4", "RS232 Port Configuration", itInteger, acReadOnly,
     &ConsoleOutOfBandNotAvailList},
    {"1.3.6.1.4.1.746.12.1.2.14", "Data Bits", itInteger, acReadOnly},
    {"1.3.6.1.4.1.746.12.1.2.15", "Parity Bits", itDisplayString, acReadOnly},
    {"1.3.6.1.4.1.746.12.1.2.16", "Stop Bits", itInteger, acReadOnly},
    {"1.3.6.1.4.1.746.12.1.2.17", "Auto Logout Configuration", itInteger, acReadWrite,
     &NeverMinutes2Minutes5List},
    {"1.3.6.1.4.1.746.12.1.2.26", "Command Logging State", itInteger, acReadWrite, &EnabledDisabledList},
    {},
};

constexpr MibTableRow MultipleImageSettings[] = {
    {"1.3.6.1.4.1.746.12.1.2.13.1.1", "ID", itInteger, acNotAccess},
    {"1.3.6.1.4.1.746.12.1.2.13.1.2", "Action", itInteger, acReadWrite, &ConfigAsBootupFwDeleteNoneList},
    {},
};

constexpr MibTableRow ModelDescriptionTable[] = {
    {"1.3.6.1.4.1.746.12.1.2.1.1.1", "Index", itInteger, acNotAccess},
    {"1.3.6.1.4.1.746.12.1.2.1.1.2", "Description", itDisplayString, acReadWrite},
    {"1.3.6.1.4.1.746.12.1.2.1.1.3", "File Address", itIpAddress, acReadWrite},
    {"1.3.6.1.4.1.746.12.1.2.1.1.4", "File Transfer Type", itInteger, acReadWrite,
     &NetworkLoadOutOfBandLoadList},
    {"1.3.6.1.4.1.746.12.1.2.1.1.5", "File", itDisplayString, acReadWrite},
    {"1.3.6.1.4.1.746.12.1.2.1.1.6", "File Locate ID", itInteger, acReadWrite},
    {"1.3.6.1.4.1.746.12.1.2.1.1.7", "File Load Type", itInteger, acReadWrite, &UploadDownloadList2},
    {"1.3.6.1.4.1.746.12.1.2.1.1.8", "File Control", itInteger, acReadWrite, &InactiveStartDeleteList},
    {"1.3.6.1.4.1.746.12.1.2.1.1.9", "File Increment", itInteger, acReadWrite, &TruthValueList},
    {"1.3.6.1.4.1.746.12.1.2.1.1.10", "Multiple Image Control ID", itInteger, acReadWrite},
    {"1.3.6.1.4.1.746.12.1.2.1.1.11", "Unit ID", itDisplayString, acReadWrite},
    {},
};

constexpr MibTableRow MultipleImageManagementGeneralInformation[] = {
    {"1.3.6.1.4.1.746.12.1.2.7.1.1", "Information ID", itInteger, acNotAccess},
    {"1.3.6.1.4.1.746.12.1.2.7.1.2", "Version", itDisplayString, acReadOnly},
    {"1.3.6.1.4.1.746.12.1.2.7.1.3", "Size", itInteger, acReadOnly},
    {"1.3.6.1.4.1.746.12.1.2.7.1.4", "Update Time", itDisplayString, acReadOnly},
    {"1.3.6.1.4.1.746.12.1.2.7.1.5", "From", itDisplayString, acReadOnly},
    {"1.3.6.1.4.1.746.12.1.2.7.1.6", "Send User", itDisplayString, acReadOnly},
    {},
};

constexpr MibTableRow MultipleConfigurationGeneralInformation[] = {
    {"1.3.6.1.4.1.746.12.1.2.8.2", "Current Used", itInteger, acReadOnly},
    {"1.3.6.1.4.1.746.12.1.2.8.3", "Boot Up", itInteger, acReadOnly},
    {},
};

constexpr MibTableRow MultipleConfigurationInformationTable[] = {
    {"1.3.6.1.4.1.746.12.1.2.8.1.1.1", "Information ID", itInteger, acNotAccess},
    {"1.3.6.1.4.1.746.12.1.2.8.1.1.2", "Version", itDisplayString, acReadOnly},
    {"1.3.6.1.4.1.746.12.1.2.8.1.1.3", "Size", itInteger, acReadOnly},
    {"1.3.6.1.4.1.746.12.1.2.8.1.1.4", "Update Time", itDisplayString, acReadOnly},
    {"1.3.6.1.4.1.746.12.1.2.8.1.1.5", "From", itDisplayString, acReadOnly},
    {"1.3.6.1.4.1.746.12.1.2.8.1.1.6", "Send User", itDisplayString, acReadOnly},
    {},
};

constexpr MibTableRow MultipleConfigControlTable[] = {
    {"1.3.6.1.4.1.746.12.1.2.8.4.1.1", "Control ID", itInteger, acNotAccess, &CfgId1CfgId2List},
    {"1.3.6.1.4.1.746.12.1.2.8.4.1.2", "Action", itInteger, acReadWrite, &ActiveDeleteApplyList},
    {},
};

constexpr MibTableRow SeverityControlManagementSettings[] = {
    {"1.3.6.1.4.1.746.12.1.2.9.1", "Trap Control", itInteger, acReadWrite, &CriticalWarningInformationList},
    {"1.3.6.1.4.1.746.12.1.2.9.2", "Log Control", itInteger, acReadWrite, &CriticalWarningInformationList},
    {},
};

constexpr MibTableRow IPProtocolConfiguration[] = {
    {"1.3.6.1.4.1.746.12.1.3.1", "Number of Interfaces", itInteger, acReadOnly},
    {"1.3.6.1.4.1.746.12.1.3.3", "Get IP From", itInteger, acReadWrite, &DisabledBootpDhcpList},
    {},
};

constexpr MibTableRow RebootScheduleTable[] = {
    {"1.3.6.1.4.1.746.12.1.2.32.1.1", "Index", itInteger, acNotAccess},
    {"1.3.6.1.4.1.746.12.1.2.32.1.2", "Interval", itInteger, acReadWrite},
    {"1.3.6.1.4.1.746.12.1.2.32.1.3", "Specific Time", itOctetString, acReadWrite},
    {"1.3.6.1.4.1.746.12.1.2.32.1.4", "Date", itOctetString, acReadWrite},
    {"1.3.6.1.4.1.746.12.1.2.32.1.5", "Save", itInteger, acReadWrite, &YesNoList},
    {"1.3.6.1.4.1.746.12.1.2.32.1.10", "Row Status", itInteger, acReadWrite, &RowStatusList},
    {},
};

constexpr MibTableRow ModelSystemTrapsSeveritySettings[] = {
    {"1.3.6.1.4.1.746.12.1.7.1.1", "System Traps Severity", itInteger, acReadWrite, &CriticalMajorMinorList},
    {},
};

constexpr MibTableRow TrapManagementTable[] = {
    {"1.3.6.1.4.1.746.12.1.4.2.1.1", "Index", itInteger, acNotAccess},
    {"1.3.6.1.4.1.746.12.1.4.2.1.2", "IP Address", itIpAddress, acReadWrite},
    {"1.3.6.1.4.1.746.12.1.4.2.1.3", "Community", itDisplayString, acReadWrite},
    {"1.3.6.1.4.1.746.12.1.4.2.1.4", "Message Version", itInteger, acReadWrite,
     &SnmpAgentVersionV1TrapV2TrapList},
    {"1.3.6.1.4.1.746.12.1.4.2.1.5", "Status", itInteger, acReadWrite, &OtherDisabledEnabledList},
    {},
};

constexpr MibTableRow AgentARPClearAllStatlSettings[] = {
    {"1.3.6.1.4.1.746.12.1.2.12.1", "State", itInteger, acReadWrite, &OtherStartList},
    {},
};

constexpr MibTableRow AgentFDBClearAllStateSettings[] = {
    {"1.3.6.1.4.1.746.12.1.2.11.1", "State", itInteger, acReadWrite, &OtherStartList},
    {},
};

constexpr MibTableRow StaticFDBTable[] = {
    {"1.3.6.1.4.1.746.12.70.1.1.1.1", "VLAN ID", itInteger, acNotAccess},
    {"1.3.6.1.4.1.746.12.70.1.1.1.2", "MAC Address", itMacAddress, acNotAccess},
    {"1.3.6.1.4.1.746.12.70.1.1.1.3", "VLAN Name", itDisplayString, acReadOnly},
    {"1.3.6.1.4.1.746.12.70.1.1.1.4", "Type", itInteger, acReadWrite, &SelfPermanentPermanentdropList},
    {"1.3.6.1.4.1.746.12.70.1.1.1.5", "Port Number", itInteger, acReadWrite},
    {"1.3.6.1.4.1.746.12.70.1.1.1.6", "Row Status", itInteger, acReadWrite, &RowStatusList},
    {},
};

constexpr MibTableRow ClearFDBByPortTable[] = {
    {"1.3.6.1.4.1.746.12.1.2.11.2.1.1", "Port Index", itInteger, acNotAccess},
    {"1.3.6.1.4.1.746.12.1.2.11.2.1.2", "Action", itInteger, acReadWrite, &OtherStartList},
    {},
};

constexpr MibTableRow ClearFDBByVLANIDTable[] = {
    {"1.3.6.1.4.1.746.12.1.2.11.3.1.1", "VLAN ID", itInteger, acNotAccess},
    {"1.3.6.1.4.1.746.12.1.2.11.3.1.2", "Action", itInteger, acReadWrite, &OtherStartList},
    {},
};

constexpr MibTableRow FDBSecurityTable[] = {
    {"1.3.6.1.4.1.746.12.1.2.11.4.1.1", "VLAN ID", itInteger, acNotAccess},
    {"1.3.6.1.4.1.746.12.1.2.11.4.1.2", "MAC Address", itMacAddress, acNotAccess},
    {"1.3.6.1.4.1.746.12.1.2.11.4.1.3", "Port", itInteger, acReadOnly},
    {"1.3.6.1.4.1.746.12.1.2.11.4.1.4", "Type", itInteger, acReadOnly, &DynamicStaticList},
    {"1.3.6.1.4.1.746.12.1.2.11.4.1.5", "Status", itInteger, acReadOnly, &DropForwardList},
    {"1.3.6.1.4.1.746.12.1.2.11.4.1.6", "Security Module", itInteger, acReadOnly, &Dot1xWacJwacList},
    {},
};

constexpr MibTableRow IfXTable[] = {
    {"1.3.6.1.2.1.2.2.1.1", "Interface Index", itInteger, acNotAccess},
    {"1.3.6.1.2.1.31.1.1.1.1", "Name", itDisplayString, acReadOnly},
    {"1.3.6.1.2.1.31.1.1.1.2", "Multicast Packets Received", itCounter, acReadOnly},
    {"1.3.6.1.2.1.31.1.1.1.3", "Broadcast Packets Received", itCounter, acReadOnly},
    {"1.3.6.1.2.1.31.1.1.1.4", "Multicast Packets Send", itCounter, acReadOnly},
    {"1.3.6.1.2.1.31.1.1.1.5", "Broadcast Packets Send", itCounter, acReadOnly},
    {"1.3.6.1.2.1.31.1.1.1.6", "Octets Received", itCounter64, acReadOnly},
    {"1.3.6.1.2.1.31.1.1.1.7", "Unicast Packets Received", itCounter64, acReadOnly},
    {"1.3.6.1.2.1.31.1.1.1.8", "Multicast Packets Received", itCounter64, acReadOnly},
    {"1.3.6.1.2.1.31.1.1.1.9", "Broadcast Packets Received", itCounter64, acReadOnly},
    {"1.3.6.1.2.1.31.1.1.1.10", "Octets Send", itCounter64, acReadOnly},
    {"1.3.6.1.2.1.31.1.1.1.11", "Unicast Packets Send", itCounter64, acReadOnly},
    {"1.3.6.1.2.1.31.1.1.1.12", "Multicast Packets Send", itCounter64, acReadOnly},
    {"1.3.6.1.2.1.31.1.1.1.13", "Broadcast Packets Send", itCounter64, acReadOnly},
    {"1.3.6.1.2.1.31.1.1.1.14", "Link Up/Down Trap State", itInteger, acReadWrite, &EnabledDisabledList},
    {"1.3.6.1.2.1.31.1.1.1.15", "High Speed", itGauge, acReadOnly},
    {"1.3.6.1.2.1.31.1.1.1.16", "Promiscuous Mode", itInteger, acReadOnly, &FalseList},
    {"1.3.6.1.2.1.31.1.1.1.17", "Connector Present", itInteger, acReadOnly, &TruthValueList},
    {"1.3.6.1.2.1.31.1.1.1.18", "Alias", itDisplayString, acReadWrite},
    {"1.3.6.1.2.1.31.1.1.1.19", "Discontinuity Time Count", itTimeTicks, acReadOnly},
    {},
};

constexpr MibTableRow TrafficStormControlGlobalSettings[] = {
    {"1.3.6.1.4.1.746.12.25.1.2", "Trap Control", itInteger, acReadWrite, &NoneStormOccurredStormClearedList},
    {"1.3.6.1.4.1.746.12.25.1.3", "Log Control", itInteger, acReadWrite, &EnabledDisabledList},
    {"1.3.6.1.4.1.746.12.25.1.4", "Auto Recover Time", itInteger, acReadWrite},
    {},
};

constexpr MibTableRow TrafficStormManagementControlTable[] = {
    {"1.3.6.1.4.1.746.12.25.3.1.1.1", "Port Index", itInteger, acNotAccess},
    {"1.3.6.1.4.1.746.12.25.3.1.1.2", "Threshold", itInteger, acReadWrite},
    {"1.3.6.1.4.1.746.12.25.3.1.1.3", "Broadcast Status", itInteger, acReadWrite, &DisabledEnabledList2},
    {"1.3.6.1.4.1.746.12.25.3.1.1.4", "Multicast Status", itInteger, acReadWrite, &DisabledEnabledList2},
    {"1.3.6.1.4.1.746.12.25.3.1.1.5", "Unicast Status", itInteger, acReadWrite, &DisabledEnabledList2},
    {"1.3.6.1.4.1.746.12.25.3.1.1.6", "Action Status", itInteger, acReadWrite, &ShutdownDropList},
    {"1.3.6.1.4.1.746.12.25.3.1.1.7", "Countdown", itInteger, acReadWrite},
    {"1.3.6.1.4.1.746.12.25.3.1.1.8", "Time Interval", itInteger, acReadWrite},
    {"1.3.6.1.4.1.746.12.25.3.1.1.9", "Shutdown Forever", itInteger, acReadOnly, &YesNoList},
    {"1.3.6.1.4.1.746.12.25.3.1.1.10", "Broadcast Threshold", itInteger, acReadWrite},
    {"1.3.6.1.4.1.746.12.25.3.1.1.11", "Multicast Threshold", itInteger, acReadWrite},
    {"1.3.6.1.4.1.746.12.25.3.1.1.12", "Unicast Threshold", itInteger, acReadWrite},
    {},
};

// A braced table inside a macro, which clang-format cannot lay out.
// clang-format off
#define DeviceInformationRows(m) { \
    {"1.3.6.1.4.1.746.11.117." #m ".1.2.1.1.1", "Total Number of Ports", itInteger, acReadOnly}, \
    {"1.3.6.1.4.1.746.11.117." #m ".1.2.1.1.2", "Number of Ports in Use", itInteger, acReadOnly}, \
    {}, \
}
ZQS_DEFINE_MODEL_SET(DeviceInformation)
#undef DeviceInformationRows
// clang-format on

// A braced table inside a macro, which clang-format cannot lay out.
// clang-format off
#define Layer2DeviceGlobalSettingsRows(m) { \
    {"1.3.6.1.4.1.746.11.117." #m ".1.2.1.2.5", "Trap State", itInteger, acReadWrite, &EnabledDisabledList}, \
    {"1.3.6.1.4.1.746.11.117." #m ".1.2.1.2.6", "Clean All Statistic Counter", itInteger, acReadWrite, \
     &NormalActiveList}, \
    {"1.3.6.1.4.1.746.11.117." #m ".1.2.1.2.7", "VLAN ID of FDB Table", itInteger, acReadWrite}, \
    {"1.3.6.1.4.1.746.11.117." #m ".1.2.1.2.8", "MAC Notify State", itInteger, acReadWrite, \
     &DisabledEnabledList}, \
    {"1.3.6.1.4.1.746.11.117." #m ".1.2.1.2.9", "MAC Notify History Size", itInteger, acReadWrite}, \
    {"1.3.6.1.4.1.746.11.117." #m ".1.2.1.2.10", "MAC Notify Interval", itInteger, acReadWrite}, \
    {"1.3.6.1.4.1.746.11.117." #m ".1.2.1.2.13", "Asymmetric VLAN State", itInteger, acReadWrite, \
     &DisabledEnabledList}, \
    {"1.3.6.1.4.1.746.11.117." #m ".1.2.1.2.16", "Management VLAN ID", itInteger, acReadWrite}, \
    {"1.3.6.1.4.1.746.11.117." #m ".1.2.1.2.18", "LLDP State", itInteger, acReadWrite, \
     &EnabledDisabledList}, \
    {"1.3.6.1.4.1.746.11.117." #m ".1.2.1.2.19", "LLDP Forward Message State", itInteger, acReadWrite, \
     &EnabledDisabledList}, \
    {"1.3.6.1.4.1.746.11.117." #m ".1.2.1.2.20", "IP Auto Configuration", itInteger, acReadWrite, \
     &EnabledDisabledList}, \
    {"1.3.6.1.4.1.746.11.117." #m ".1.2.1.2.22", "VLAN Trunk State", itInteger, acReadWrite, \
     &EnabledDisabledList}, \
    {"1.3.6.1.4.1.746.11.117." #m ".1.2.10.4", "Port Mirror Global State", itInteger, acReadWrite, \
     &DisabledEnabledList}, \
    {}, \
}
ZQS_DEFINE_MODEL_SET(Layer2DeviceGlobalSettings)
#undef Layer2DeviceGlobalSettingsRows
// clang-format on

// A braced table inside a macro, which clang-format cannot lay out.
// clang-format off
#define TCPWEBSettingsRows(m) { \
    {"1.3.6.1.4.1.746.11.117." #m ".1.2.1.2.14.1", "State", itInteger, acReadWrite, &DisabledEnabledList}, \
    {"1.3.6.1.4.1.746.11.117." #m ".1.2.1.2.14.2", "Port", itInteger, acReadWrite}, \
    {"1.3.6.1.4.1.746.11.117." #m ".1.2.1.2.17.1", "State", itInteger, acReadWrite, &EnabledDisabledList}, \
    {"1.3.6.1.4.1.746.11.117." #m ".1.2.1.2.17.2", "Port", itInteger, acReadWrite}, \
    {}, \
}
ZQS_DEFINE_MODEL_SET(TCPWEBSettings)
#undef TCPWEBSettingsRows
// clang-format on

// A braced table inside a macro, which clang-format cannot lay out.
// clang-format off
#define STP_InfoSpanningTreeAlgorithmRows(m) { \
    {"1.3.6.1.4.1.746.11.117." #m ".1.2.1.2.1", "Spanning Tree Algorithm", itInteger, acReadWrite, \
     &DisabledEnabledList}, \
    {}, \
}
ZQS_DEFINE_MODEL_SET(STP_InfoSpanningTreeAlgorithm)
#undef STP_InfoSpanningTreeAlgorithmRows
// clang-format on

// A braced table inside a macro, which clang-format cannot lay out.
// clang-format off
#define AlarmControlSettingsRows(m) { \
    {"1.3.6.1.4.1.746.11.117." #m ".1.2.1.3.3", "Linkchange", itInteger, acReadWrite, &DisabledEnabledList}, \
    {}, \
}
ZQS_DEFINE_MODEL_SET(AlarmControlSettings)
#undef AlarmControlSettingsRows
// clang-format on

// A braced table inside a macro, which clang-format cannot lay out.
// clang-format off
#define MulticastFilterVLANModeTableRows(m) { \
    {"1.3.6.1.4.1.746.11.117." #m ".1.2.17.1.1.1", "VLAN ID", itInteger, acNotAccess}, \
    {"1.3.6.1.4.1.746.11.117." #m ".1.2.17.1.1.2", "VLAN Mode       ", itInteger, acReadWrite, \
     &ForwardAllGroupsForwardUnregisteFilterUnList}, \
    {}, \
}
ZQS_DEFINE_MODEL_SET(MulticastFilterVLANModeTable)
#undef MulticastFilterVLANModeTableRows
// clang-format on

// A braced table inside a macro, which clang-format cannot lay out.
// clang-format off
#define PortInformationUnitIDTableRows(m) { \
    {"1.3.6.1.4.1.746.11.117." #m ".1.2.3.1.1.1", "Index", itInteger, acNotAccess}, \
    {"1.3.6.1.4.1.746.11.117." #m ".1.2.3.1.1.2", "Medium Type", itInteger, acNotAccess, &CopperFiberList}, \
    {"1.3.6.1.4.1.746.11.117." #m ".1.2.3.1.1.3", "Unit ID", itInteger, acReadOnly}, \
    {"1.3.6.1.4.1.746.11.117." #m ".1.2.3.1.1.4", "Type", itInteger, acReadOnly, \
     &PortTypeNonePortType100BaseTPortType100BList}, \
    {"1.3.6.1.4.1.746.11.117." #m ".1.2.3.1.1.5", "Link Status", itInteger, acReadOnly, \
     &OtherLinkPassLinkFailList}, \
    {"1.3.6.1.4.1.746.11.117." #m ".1.2.3.1.1.6", "Nway Status", itInteger, acReadOnly, \
     &LinkDownFull10Mbps8023xFull10MbpsNoneList}, \
    {"1.3.6.1.4.1.746.11.117." #m ".1.2.3.1.1.8", "Error Disable", itInteger, acReadOnly, \
     &NoneStormStpLbdList}, \
    {}, \
}
ZQS_DEFINE_MODEL_SET(PortInformationUnitIDTable)
#undef PortInformationUnitIDTableRows
// clang-format on

// A braced table inside a macro, which clang-format cannot lay out.
// clang-format off
#define PortControlTableRows(m) { \
    {"1.3.6.1.4.1.746.11.117." #m ".1.2.3.2.1.1", "Index", itInteger, acNotAccess}, \
    {"1.3.6.1.4.1.746.11.117." #m ".1.2.3.2.1.2", "Medium Type", itInteger, acNotAccess, &CopperFiberList}, \
    {"1.3.6.1.4.1.746.11.117." #m ".1.2.3.2.1.3", "Unit Index", itInteger, acReadOnly}, \
    {"1.3.6.1.4.1.746.11.117." #m ".1.2.3.2.1.4", "Administration State", itInteger, acReadWrite, \
     &OtherDisabledEnabledList}, \
    {"1.3.6.1.4.1.746.11.117." #m ".1.2.3.2.1.5", "Nway State", itInteger, acReadWrite, \
     &OtherNwayEnabledNwayDisabled10MbList}, \
    {"1.3.6.1.4.1.746.11.117." #m ".1.2.3.2.1.6", "Flow Control State", itInteger, acReadWrite, \
     &OtherDisabledEnabledList}, \
    {"1.3.6.1.4.1.746.11.117." #m ".1.2.3.2.1.7", "Learning State", itInteger, acReadWrite, \
     &OtherDisabledEnabledList}, \
    {"1.3.6.1.4.1.746.11.117." #m ".1.2.3.2.1.8", "MAC Notify State", itInteger, acReadWrite, \
     &OtherDisabledEnabledList}, \
    {"1.3.6.1.4.1.746.11.117." #m ".1.2.3.2.1.10", "MDIX State", itInteger, acReadWrite, \
     &AutoNormalCrossList}, \
    {"1.3.6.1.4.1.746.11.117." #m ".1.2.3.2.1.13", "Auto Speed Downgrade State", itInteger, \
     acReadWrite, &OtherDisabledEnabledList}, \
    {}, \
}
ZQS_DEFINE_MODEL_SET(PortControlTable)
#undef PortControlTableRows
// clang-format on

// A braced table inside a macro, which clang-format cannot lay out.
// clang-format off
#define JumboFrameControlSettingsRows(m) { \
    {"1.3.6.1.4.1.746.11.117." #m ".1.2.3.3", "Frame", itInteger, acReadWrite, &OtherDisabledEnabledList}, \
    {"1.3.6.1.4.1.746.11.117." #m ".1.2.3.4", "Max Size", itInteger, acReadOnly}, \
    {}, \
}
ZQS_DEFINE_MODEL_SET(JumboFrameControlSettings)
#undef JumboFrameControlSettingsRows
// clang-format on

// A braced table inside a macro, which clang-format cannot lay out.
// clang-format off
#define TrunkBasicInformationRows(m) { \
    {"1.3.6.1.4.1.746.11.117." #m ".1.2.9.1", "Max Supported Entries", itInteger, acReadOnly}, \
    {"1.3.6.1.4.1.746.11.117." #m ".1.2.9.2", "Current Entries Number", itInteger, acReadOnly}, \
    {"1.3.6.1.4.1.746.11.117." #m ".1.2.9.4", "Algorithm", itInteger, acReadWrite, \
     &OtherMacSourceMacDestinationList}, \
    {}, \
}
ZQS_DEFINE_MODEL_SET(TrunkBasicInformation)
#undef TrunkBasicInformationRows
// clang-format on

// A braced table inside a macro, which clang-format cannot lay out.
// clang-format off
#define LACPPortTableRows(m) { \
    {"1.3.6.1.4.1.746.11.117." #m ".1.2.9.5.1.1", "Index", itInteger, acNotAccess}, \
    {"1.3.6.1.4.1.746.11.117." #m ".1.2.9.5.1.2", "State", itInteger, acReadWrite, &ActivePassiveList}, \
    {}, \
}
ZQS_DEFINE_MODEL_SET(LACPPortTable)
#undef LACPPortTableRows
// clang-format on

// A braced table inside a macro, which clang-format cannot lay out.
// clang-format off
#define PortTrunkTableRows(m) { \
    {"1.3.6.1.4.1.746.11.117." #m ".1.2.9.3.1.1", "Index", itInteger, acNotAccess}, \
    {"1.3.6.1.4.1.746.11.117." #m ".1.2.9.3.1.3", "Master Port", itInteger, acReadWrite}, \
    {"1.3.6.1.4.1.746.11.117." #m ".1.2.9.3.1.4", "Member Ports", itBitList, acReadWrite}, \
    {"1.3.6.1.4.1.746.11.117." #m ".1.2.9.3.1.5", "Flooding Port", itInteger, acReadOnly}, \
    {"1.3.6.1.4.1.746.11.117." #m ".1.2.9.3.1.6", "Trunk Type", itInteger, acReadWrite, &StaticLacpList}, \
    {"1.3.6.1.4.1.746.11.117." #m ".1.2.9.3.1.7", "Trunk State", itInteger, acReadWrite, \
     &EnabledDisabledCreateAndGoList}, \
    {}, \
}
ZQS_DEFINE_MODEL_SET(PortTrunkTable)
#undef PortTrunkTableRows
// clang-format on

// A braced table inside a macro, which clang-format cannot lay out.
// clang-format off
#define PortMirrorSettingsRows(m) { \
    {"1.3.6.1.4.1.746.11.117." #m ".1.2.10.1", "Logic Target Port", itInteger, acReadWrite}, \
    {"1.3.6.1.4.1.746.11.117." #m ".1.2.10.2", "Source Ingress", itBitList, acReadWrite}, \
    {"1.3.6.1.4.1.746.11.117." #m ".1.2.10.3", "Source Egress", itBitList, acReadWrite}, \
    {"1.3.6.1.4.1.746.11.117." #m ".1.2.10.4", "State", itInteger, acReadWrite, &DisabledEnabledList}, \
    {}, \
}
ZQS_DEFINE_MODEL_SET(PortMirrorSettings)
#undef PortMirrorSettingsRows
// clang-format on

// A braced table inside a macro, which clang-format cannot lay out.
// clang-format off
#define MirrorGroupRows(m) { \
    {"1.3.6.1.4.1.746.11.117." #m ".1.2.10.5.1.1", "Group ID", itInteger, acNotAccess}, \
    {"1.3.6.1.4.1.746.11.117." #m ".1.2.10.5.1.2", "Row Status", itInteger, acReadWrite, &RowStatusList}, \
    {"1.3.6.1.4.1.746.11.117." #m ".1.2.10.5.1.3", "State", itInteger, acReadWrite, &DisabledEnabledList}, \
    {"1.3.6.1.4.1.746.11.117." #m ".1.2.10.5.1.4", "Logic Target Port", itInteger, acReadWrite}, \
    {"1.3.6.1.4.1.746.11.117." #m ".1.2.10.5.1.5", "Port Source Ingress", itBitList, acReadWrite}, \
    {"1.3.6.1.4.1.746.11.117." #m ".1.2.10.5.1.6", "Port Source Engress", itBitList, acReadWrite}, \
    {}, \
}
ZQS_DEFINE_MODEL_SET(MirrorGroup)
#undef MirrorGroupRows
// clang-format on

// A braced table inside a macro, which clang-format cannot lay out.
// clang-format off
#define DHCPLocalRelayGlobalSettingsRows(m) { \
    {"1.3.6.1.4.1.746.11.117." #m ".1.2.24.1", "State", itInteger, acReadWrite, &DisabledEnabledList}, \
    {}, \
}
ZQS_DEFINE_MODEL_SET(DHCPLocalRelayGlobalSettings)
#undef DHCPLocalRelayGlobalSettingsRows
// clang-format on

// A braced table inside a macro, which clang-format cannot lay out.
// clang-format off
#define DHCPLocalRelayVLANTableRows(m) { \
    {"1.3.6.1.4.1.746.11.117." #m ".1.2.24.2.1.1", "VLAN ID", itInteger, acNotAccess}, \
    {"1.3.6.1.4.1.746.11.117." #m ".1.2.24.2.1.2", "State      ", itInteger, acReadWrite, \
     &DisabledEnabledList}, \
    {}, \
}
ZQS_DEFINE_MODEL_SET(DHCPLocalRelayVLANTable)
#undef DHCPLocalRelayVLANTableRows
// clang-format on

// A braced table inside a macro, which clang-format cannot lay out.
// clang-format off
#define PortCounterControlTableRows(m) { \
    {"1.3.6.1.4.1.746.11.117." #m ".1.2.3.6.1.1", "Control Port Index", itInteger, acNotAccess}, \
    {"1.3.6.1.4.1.746.11.117." #m ".1.2.3.6.1.2", "Clear Control", itInteger, acReadWrite, &OtherStartList}, \
    {}, \
}
ZQS_DEFINE_MODEL_SET(PortCounterControlTable)
#undef PortCounterControlTableRows
// clang-format on

// A braced table inside a macro, which clang-format cannot lay out.
// clang-format off
#define PortErrorTableRows(m) { \
    {"1.3.6.1.4.1.746.11.117." #m ".1.2.3.7.1.1", "Index", itInteger, acNotAccess}, \
    {"1.3.6.1.4.1.746.11.117." #m ".1.2.3.7.1.2", "State", itInteger, acReadOnly, &EnabledDisabledList}, \
    {"1.3.6.1.4.1.746.11.117." #m ".1.2.3.7.1.3", "Connect Status", itInteger, acReadOnly, \
     &OtherErrDisabledList}, \
    {"1.3.6.1.4.1.746.11.117." #m ".1.2.3.7.1.4", "Reason", itInteger, acReadOnly, \
     &StormControlCtpLbdDdmList}, \
    {}, \
}
ZQS_DEFINE_MODEL_SET(PortErrorTable)
#undef PortErrorTableRows
// clang-format on

constexpr MibTableRow PingTestSettings[] = {
    {"1.3.6.1.4.1.746.12.1.4.1", "IP Address", itIpAddress, acReadWrite},
    {"1.3.6.1.4.1.746.12.1.4.2", "Repetition", itInteger, acReadWrite},
    {"1.3.6.1.4.1.746.12.1.4.3", "Control", itInteger, acReadWrite, &StopActiveList},
    {"1.3.6.1.4.1.746.12.1.4.4", "Status", itInteger, acReadOnly, &FinishProceedingList},
    {"1.3.6.1.4.1.746.12.1.4.5", "Success Count", itInteger, acReadOnly},
    {"1.3.6.1.4.1.746.12.1.4.6", "Fail Count", itInteger, acReadOnly},
    {},
};

constexpr MibTableRow DRAMTable[] = {
    {"1.3.6.1.4.1.746.12.1.1.9.1.1", "Unit ID", itInteger, acNotAccess},
    {"1.3.6.1.4.1.746.12.1.1.9.1.2", "Total DRAM (KB)", itInteger, acReadOnly},
    {"1.3.6.1.4.1.746.12.1.1.9.1.3", "Used DRAM (KB)", itInteger, acReadOnly},
    {"1.3.6.1.4.1.746.12.1.1.9.1.4", "Utilization", itInteger, acReadOnly},
    {},
};

constexpr MibTableRow FLASHUtilizationTable[] = {
    {"1.3.6.1.4.1.746.12.1.1.10.1.1", "Unit ID", itInteger, acNotAccess},
    {"1.3.6.1.4.1.746.12.1.1.10.1.2", "Total Flash (KB)", itInteger, acReadOnly},
    {"1.3.6.1.4.1.746.12.1.1.10.1.3", "Used Flash (KB)", itInteger, acReadOnly},
    {"1.3.6.1.4.1.746.12.1.1.10.1.4", "Utilization", itInteger, acReadOnly},
    {},
};

constexpr MibTableRow GratuitousARPGlobalSettings[] = {
    {"1.3.6.1.4.1.746.12.1.2.12.2.1", "Send On IPIF Status Up State", itInteger, acReadWrite,
     &EnabledDisabledList},
    {"1.3.6.1.4.1.746.12.1.2.12.2.2", "Send On Duplicate IP Detected State", itInteger, acReadWrite,
     &EnabledDisabledList},
    {"1.3.6.1.4.1.746.12.1.2.12.2.3", "Learning State", itInteger, acReadWrite, &EnabledDisabledList},
    {},
};

constexpr MibTableRow GratuitousARPManagementTable[] = {
    {"1.3.6.1.4.1.746.12.1.2.12.2.4.1.1", "Interface Name", itDisplayString, acNotAccess},
    {"1.3.6.1.4.1.746.12.1.2.12.2.4.1.2", "Periodical Send Interval", itInteger, acReadWrite},
    {"1.3.6.1.4.1.746.12.1.2.12.2.4.1.3", "Trap State", itInteger, acReadWrite, &EnabledDisabledList},
    {"1.3.6.1.4.1.746.12.1.2.12.2.4.1.4", "Log State", itInteger, acReadWrite, &EnabledDisabledList},
    {},
};

constexpr MibTableRow ULDTable[] = {
    {"1.3.6.1.4.1.746.12.87.1.1.1.1", "Port", itInteger, acNotAccess},
    {"1.3.6.1.4.1.746.12.87.1.1.1.2", "Admin State", itInteger, acReadWrite, &EnabledDisabledList},
    {"1.3.6.1.4.1.746.12.87.1.1.1.3", "Operation State", itInteger, acReadOnly,
     &OperationalNonOperationalList},
    {"1.3.6.1.4.1.746.12.87.1.1.1.4", "Mode", itInteger, acReadWrite, &ShutdownNormalList},
    {"1.3.6.1.4.1.746.12.87.1.1.1.5", "Discovery Time", itInteger, acReadWrite},
    {"1.3.6.1.4.1.746.12.87.1.1.1.6", "Link State", itInteger, acReadOnly, &UnknownBidirectionalTxFaultList},
    {},
};

// A braced table inside a macro, which clang-format cannot lay out.
// clang-format off
#define IGMPSnoopingAccessAuthenticationTableRows(m) { \
    {"1.3.6.1.4.1.746.11.117." #m ".1.2.11.13.1.1", "Port", itInteger, acNotAccess}, \
    {"1.3.6.1.4.1.746.11.117." #m ".1.2.11.13.1.2", "State", itInteger, acReadWrite, &EnabledDisabledList}, \
    {}, \
}
ZQS_DEFINE_MODEL_SET(IGMPSnoopingAccessAuthenticationTable)
#undef IGMPSnoopingAccessAuthenticationTableRows
// clang-format on

constexpr MibTableRow TpBridgePortInfo_PortNumberTable[] = {
    {"1.3.6.1.2.1.17.4.4.1.1", "Port Number", itInteger, acReadOnly},
    {"1.3.6.1.2.1.17.4.4.1.2", "Max Information", itInteger, acReadOnly},
    {},
};

constexpr MibTableRow ModelSettings[] = {
    {"1.3.6.1.2.1.17.4.4.1.1", "", itInteger, acReadOnly},
    {"1.3.6.1.2.1.17.4.4.1.2", "", itInteger, acReadOnly},
    {"1.3.6.1.2.1.17.4.4.1.3", "Input Frames", itCounter, acReadOnly},
    {"1.3.6.1.2.1.17.4.4.1.4", "Output Frames", itCounter, acReadOnly},
    {"1.3.6.1.2.1.17.4.4.1.5", "Discard Frames", itCounter, acReadOnly},
    {},
};

constexpr MibTableRow TpBridgePortCounterTable[] = {
    {"1.3.6.1.2.1.17.4.4.1.1", "", itInteger, acReadOnly},
    {"1.3.6.1.2.1.17.4.4.1.2", "", itInteger, acReadOnly},
    {"1.3.6.1.2.1.17.4.4.1.3", "          Input Frames", itCounter, acReadOnly},
    {"1.3.6.1.2.1.17.4.4.1.4", "         Output Frames", itCounter, acReadOnly},
    {"1.3.6.1.2.1.17.4.4.1.5", "        Discard Frames", itCounter, acReadOnly},
    {},
};

constexpr MibTableRow EntityLastChangeTimeInformation[] = {
    {"1.3.6.1.2.1.47.1.4.1", "Last Change Time", itTimeTicks, acReadOnly},
    {},
};

constexpr MibTableRow PhysicalTable[] = {
    {"1.3.6.1.2.1.47.1.1.1.1.1", "Index", itInteger, acNotAccess},
    {"1.3.6.1.2.1.47.1.1.1.1.2", "Description", itDisplayString, acReadOnly},
    {"1.3.6.1.2.1.47.1.1.1.1.3", "Vendor Type", itObjectId, acReadOnly},
    {"1.3.6.1.2.1.47.1.1.1.1.4", "Contained In", itInteger, acReadOnly},
    {"1.3.6.1.2.1.47.1.1.1.1.5", "Class", itInteger, acReadOnly, &OtherUnknownChassisList},
    {"1.3.6.1.2.1.47.1.1.1.1.6", "Parent Relative Position", itInteger, acReadOnly},
    {"1.3.6.1.2.1.47.1.1.1.1.7", "Name", itDisplayString, acReadOnly},
    {"1.3.6.1.2.1.47.1.1.1.1.8", "Hardware Revision", itDisplayString, acReadOnly},
    {"1.3.6.1.2.1.47.1.1.1.1.9", "Firmware Revision", itDisplayString, acReadOnly},
    {"1.3.6.1.2.1.47.1.1.1.1.10", "Software Revision", itDisplayString, acReadOnly},
    {"1.3.6.1.2.1.47.1.1.1.1.11", "Serial Number", itDisplayString, acReadOnly},
    {"1.3.6.1.2.1.47.1.1.1.1.12", "Manufacturer Name", itDisplayString, acReadOnly},
    {"1.3.6.1.2.1.47.1.1.1.1.13", "Model Name", itDisplayString, acReadOnly},
    {"1.3.6.1.2.1.47.1.1.1.1.16", "Is FRU", itInteger, acReadOnly, &TruthValueList},
    {},
};

constexpr MibTableRow PhysicalContainsTable[] = {
    {" ", "Index", itInteger, acNotAccess},
    {"1.3.6.1.2.1.47.1.3.3.1.1", "Child Index", itInteger, acReadOnly},
    {},
};

// A braced table inside a macro, which clang-format cannot lay out.
// clang-format off
#define LLDPExtensionPortSubTypeTableRows(m) { \
    {"1.3.6.1.4.1.746.11.117." #m ".1.2.3.1.1.1", "Port Index", itInteger, acNotAccess}, \
    {"1.3.6.1.4.1.746.11.117." #m ".1.2.1.2.24.1.1", "Sub Type", itInteger, acReadWrite, \
     &LocalPortNumberMacAddressList}, \
    {}, \
}
ZQS_DEFINE_MODEL_SET(LLDPExtensionPortSubTypeTable)
#undef LLDPExtensionPortSubTypeTableRows
// clang-format on

// A braced table inside a macro, which clang-format cannot lay out.
// clang-format off
#define PortSFPInformationTableRows(m) { \
    {"1.3.6.1.4.1.746.11.117." #m ".1.2.3.11.1.1", "Port Index", itInteger, acNotAccess}, \
    {"1.3.6.1.4.1.746.11.117." #m ".1.2.3.11.1.2", "Connect Type", itDisplayString, acReadOnly}, \
    {"1.3.6.1.4.1.746.11.117." #m ".1.2.3.11.1.3", "Vendor Name", itDisplayString, acReadOnly}, \
    {"1.3.6.1.4.1.746.11.117." #m ".1.2.3.11.1.4", "Vendor PN", itDisplayString, acReadOnly}, \
    {"1.3.6.1.4.1.746.11.117." #m ".1.2.3.11.1.5", "Vendor SN", itDisplayString, acReadOnly}, \
    {"1.3.6.1.4.1.746.11.117." #m ".1.2.3.11.1.6", "Vendor OUI", itDisplayString, acReadOnly}, \
    {"1.3.6.1.4.1.746.11.117." #m ".1.2.3.11.1.7", "Vendor Rev", itDisplayString, acReadOnly}, \
    {"1.3.6.1.4.1.746.11.117." #m ".1.2.3.11.1.8", "Date Code", itDisplayString, acReadOnly}, \
    {"1.3.6.1.4.1.746.11.117." #m ".1.2.3.11.1.9", "Fiber Type", itDisplayString, acReadOnly}, \
    {"1.3.6.1.4.1.746.11.117." #m ".1.2.3.11.1.10", "Baud Rate", itInteger, acReadOnly}, \
    {"1.3.6.1.4.1.746.11.117." #m ".1.2.3.11.1.11", "Wavelength", itInteger, acReadOnly}, \
    {}, \
}
ZQS_DEFINE_MODEL_SET(PortSFPInformationTable)
#undef PortSFPInformationTableRows
// clang-format on

constexpr MibTableRow IFMAUTable[] = {
    {"1.3.6.1.2.1.26.2.1.1.1", "IF Index", itInteger, acNotAccess},
    {"1.3.6.1.2.1.26.2.1.1.2", "Index", itInteger, acNotAccess},
    {"1.3.6.1.2.1.26.2.1.1.3", "Type", itObjectId, acReadOnly},
    {"1.3.6.1.2.1.26.2.1.1.4", "State", itInteger, acReadWrite, &OtherUnknownOperationalList},
    {"1.3.6.1.2.1.26.2.1.1.5", "Media Available", itInteger, acReadOnly, &OtherUnknownAvailableList},
    {"1.3.6.1.2.1.26.2.1.1.6", "Media Available State Exits", itCounter, acReadOnly},
    {"1.3.6.1.2.1.26.2.1.1.7", "Jabber State", itInteger, acReadOnly, &OtherUnknownNoJabberList},
    {"1.3.6.1.2.1.26.2.1.1.9", "False Carriers", itCounter, acReadOnly},
    {"1.3.6.1.2.1.26.2.1.1.11", "Default Type", itObjectId, acReadWrite},
    {"1.3.6.1.2.1.26.2.1.1.12", "Auto Nnegotiation Supported", itInteger, acReadOnly, &TruthValueList},
    {"1.3.6.1.2.1.26.2.1.1.13", "Type List Bits", itBitString, acReadOnly},
    {},
};

constexpr MibTableRow JackTable[] = {
    {" ", "IF Index", itInteger, acNotAccess},
    {" ", "Index", itInteger, acNotAccess},
    {"1.3.6.1.2.1.26.2.2.1.1", "Jack Index", itInteger, acNotAccess},
    {"1.3.6.1.2.1.26.2.2.1.2", "Jack Type", itInteger, acReadOnly, &OtherRj45Rj45SList},
    {},
};

constexpr MibTableRow AutonegotiationTable[] = {
    {" ", "IF Index", itInteger, acNotAccess},
    {" ", "Index", itInteger, acNotAccess},
    {"1.3.6.1.2.1.26.5.1.1.1", "Admin State", itInteger, acReadWrite, &EnabledDisabledList},
    {"1.3.6.1.2.1.26.5.1.1.2", "Remote Signaling", itInteger, acReadOnly, &DetectedNotdetectedList},
    {"1.3.6.1.2.1.26.5.1.1.4", "Config", itInteger, acReadOnly, &OtherConfiguringCompleteList},
    {"1.3.6.1.2.1.26.5.1.1.8", "Restart", itInteger, acReadWrite, &RestartNorestartList},
    {"1.3.6.1.2.1.26.5.1.1.9", "Capability Bits", itOctetString, acReadOnly},
    {"1.3.6.1.2.1.26.5.1.1.10", "Capability Advertised Bits", itOctetString, acReadWrite},
    {"1.3.6.1.2.1.26.5.1.1.11", "Capability Received Bits", itOctetString, acReadOnly},
    {"1.3.6.1.2.1.26.5.1.1.12", "Remote Fault Advertised", itInteger, acReadWrite,
     &NoErrorOfflineLinkFailureList},
    {"1.3.6.1.2.1.26.5.1.1.13", "Remote Fault Received", itInteger, acReadOnly,
     &NoErrorOfflineLinkFailureList},
    {},
};

constexpr MibTableRow SFTPServerSettings[] = {
    {"1.3.6.1.4.1.746.12.104.1.1", "Version", itInteger, acReadOnly},
    {"1.3.6.1.4.1.746.12.104.1.2", "State", itInteger, acReadWrite, &EnabledDisabledList},
    {"1.3.6.1.4.1.746.12.104.1.3", "Connection Timeout (sec)", itInteger, acReadWrite},
    {},
};
