// Columns stay in this order even where their arcs do not ascend: dialogs address them by position.
#include "Oid_voicevlan.h"

#include "CatalogueOptionLists.h"

constexpr MibTableRow VoiceVLANGlobalVLANIDSettings[] = {
    {"1.3.6.1.4.1.746.12.74.1.1", "VLAN ID", itInteger, acReadWrite},
    {"1.3.6.1.4.1.746.12.74.1.2", "Global State", itInteger, acReadWrite, &EnabledDisabledList},
    {},
};

constexpr MibTableRow VoiceVLANGlobalPrioritySettings[] = {
    {"1.3.6.1.4.1.746.12.74.1.3", "Priority", itInteger, acReadWrite},
    {"1.3.6.1.4.1.746.12.74.1.4", "Aging Time", itInteger, acReadWrite},
    {"1.3.6.1.4.1.746.12.74.1.5", "Log State", itInteger, acReadWrite, &EnabledDisabledList},
    {},
};

constexpr MibTableRow VoiceVLANGlobalMemberPortListSettings[] = {
    {"1.3.6.1.4.1.746.12.74.2.1", "Member Port list", itBitList, acReadOnly},
    {"1.3.6.1.4.1.746.12.74.2.2", "Dynamic Port list", itBitList, acReadOnly},
    {},
};

constexpr MibTableRow VoiceVLANDeviceTable[] = {
    {"1.3.6.1.4.1.746.12.74.2.3.1.1", "Port", itInteger, acNotAccess},
    {"1.3.6.1.4.1.746.12.74.2.3.1.2", "MAC Address", itMacAddress, acNotAccess},
    {"1.3.6.1.4.1.746.12.74.2.3.1.3", "Start Time", itDateTime, acReadOnly},
    {"1.3.6.1.4.1.746.12.74.2.3.1.4", "Active Time", itDateTime, acReadOnly},
    {},
};

constexpr MibTableRow VoiceVLANOUITable[] = {
    {"1.3.6.1.4.1.746.12.74.3.1.1.1", "MAC Address", itMacAddress, acNotAccess},
    {"1.3.6.1.4.1.746.12.74.3.1.1.2", "Mask", itMacAddress, acReadWrite},
    {"1.3.6.1.4.1.746.12.74.3.1.1.3", "Description ", itDisplayString, acReadWrite},
    {"1.3.6.1.4.1.746.12.74.3.1.1.4", "Row Status", itInteger, acReadWrite, &RowStatusList},
    {},
};

constexpr MibTableRow VoiceVLANPortTable[] = {
    {"1.3.6.1.4.1.746.12.74.3.2.1.1", "Port Number", itInteger, acNotAccess},
    {"1.3.6.1.4.1.746.12.74.3.2.1.2", "State", itInteger, acReadWrite, &EnabledDisabledList},
    {"1.3.6.1.4.1.746.12.74.3.2.1.3", "Mode", itInteger, acReadWrite, &AutoManualList},
    {"1.3.6.1.4.1.746.12.74.3.2.1.4", "Port Tagged", itInteger, acReadWrite, &TruthValueList},
    {},
};

constexpr MibTableRow VoiceVLANLLDPMEDDeviceTable[] = {
    {"1.3.6.1.4.1.746.12.74.2.4.1.1", "Index", itInteger, acNotAccess},
    {"1.3.6.1.4.1.746.12.74.2.4.1.2", "Local Port", itInteger, acReadOnly},
    {"1.3.6.1.4.1.746.12.74.2.4.1.3", "Chassis ID Subtype", itInteger, acReadOnly,
     &ChassisComponentInterfaceAliasPortComponList},
    {"1.3.6.1.4.1.746.12.74.2.4.1.4", "Chassis ID", itOctetString, acReadOnly},
    {"1.3.6.1.4.1.746.12.74.2.4.1.5", "Port ID Subtype", itInteger, acReadOnly,
     &InterfaceAliasPortComponentMacAddressList},
    {"1.3.6.1.4.1.746.12.74.2.4.1.6", "Port ID", itOctetString, acReadOnly},
    {"1.3.6.1.4.1.746.12.74.2.4.1.7", "Create Time", itDateTime, acReadOnly},
    {"1.3.6.1.4.1.746.12.74.2.4.1.8", "Remain Time", itInteger, acReadOnly},
    {},
};
