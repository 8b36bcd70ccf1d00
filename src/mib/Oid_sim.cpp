// Columns stay in this order even where their arcs do not ascend: dialogs address them by position.
#include "Oid_sim.h"

#include "CatalogueOptionLists.h"

constexpr MibTableRow SingleIPInformation[] = {
    {"1.3.6.1.4.1.746.12.8.1.1.1", "Version", itDisplayString, acReadOnly},
    {"1.3.6.1.4.1.746.12.8.1.1.2", "Capability", itDisplayString, acReadOnly},
    {"1.3.6.1.4.1.746.12.8.1.1.3", "Platform", itDisplayString, acReadOnly},
    {},
};

constexpr MibTableRow SingleIPGlobalSettings[] = {
    {"1.3.6.1.4.1.746.12.8.1.2.1", "State", itInteger, acReadWrite, &DisabledEnabledList},
    {"1.3.6.1.4.1.746.12.8.1.2.2", "Role", itInteger, acReadWrite, &CsCasMsList},
    {"1.3.6.1.4.1.746.12.8.1.2.3", "Holdtime (100-255 sec)", itInteger, acReadWrite},
    {"1.3.6.1.4.1.746.12.8.1.2.4", "Time Interval (30-90 sec)", itInteger, acReadWrite},
    {"1.3.6.1.4.1.746.12.8.1.2.5", "CS Group Name", itDisplayString, acReadWrite},
    {"1.3.6.1.4.1.746.12.8.1.2.6.1", "Trap State", itInteger, acReadWrite, &EnabledDisabledList},
    {},
};

constexpr MibTableRow SingleIPMemberSwitchTable[] = {
    {"1.3.6.1.4.1.746.12.8.1.3.1.1", "ID", itInteger, acNotAccess},
    {"1.3.6.1.4.1.746.12.8.1.3.1.2", "Name", itDisplayString, acReadOnly},
    {"1.3.6.1.4.1.746.12.8.1.3.1.3", "MAC Address", itMacAddress, acReadOnly},
    {"1.3.6.1.4.1.746.12.8.1.3.1.4", "Firmware Version", itDisplayString, acReadOnly},
    {"1.3.6.1.4.1.746.12.8.1.3.1.5", "Capability", itDisplayString, acReadOnly},
    {"1.3.6.1.4.1.746.12.8.1.3.1.6", "Platform", itDisplayString, acReadOnly},
    {"1.3.6.1.4.1.746.12.8.1.3.1.7", "Hold Time", itInteger, acReadOnly},
    {"1.3.6.1.4.1.746.12.8.1.3.1.8", "Candidate Source", itInteger, acReadWrite},
    {"1.3.6.1.4.1.746.12.8.1.3.1.9", "Password", itDisplayString, acReadWrite},
    {"1.3.6.1.4.1.746.12.8.1.3.1.10", "Row Status", itInteger, acReadWrite, &RowStatusList},
    {},
};

constexpr MibTableRow SingleIPCandidateSwitchTable[] = {
    {"1.3.6.1.4.1.746.12.8.1.4.1.1", "CaS ID", itInteger, acNotAccess},
    {"1.3.6.1.4.1.746.12.8.1.4.1.2", "Device Name", itDisplayString, acReadOnly},
    {"1.3.6.1.4.1.746.12.8.1.4.1.3", "MAC Address", itMacAddress, acReadOnly},
    {"1.3.6.1.4.1.746.12.8.1.4.1.4", "Firmware Version", itDisplayString, acReadOnly},
    {"1.3.6.1.4.1.746.12.8.1.4.1.5", "Capability", itDisplayString, acReadOnly},
    {"1.3.6.1.4.1.746.12.8.1.4.1.6", "Platform", itDisplayString, acReadOnly},
    {"1.3.6.1.4.1.746.12.8.1.4.1.7", "Hold Time", itInteger, acReadOnly},
    {},
};

constexpr MibTableRow SingleIPGroupInformation[] = {
    {"1.3.6.1.4.1.746.12.8.1.5.1.1", "Group MAC Address", itMacAddress, acNotAccess},
    {"1.3.6.1.4.1.746.12.8.1.5.1.2", "Group Name", itDisplayString, acReadOnly},
    {"1.3.6.1.4.1.746.12.8.1.5.1.3", "Device Name", itDisplayString, acReadOnly},
    {"1.3.6.1.4.1.746.12.8.1.5.1.4", "Member Count", itInteger, acReadOnly},
    {"1.3.6.1.4.1.746.12.8.1.5.1.5", "Firmware Version", itDisplayString, acReadOnly},
    {"1.3.6.1.4.1.746.12.8.1.5.1.6", "Capability", itDisplayString, acReadOnly},
    {"1.3.6.1.4.1.746.12.8.1.5.1.7", "Platform", itDisplayString, acReadOnly},
    {"1.3.6.1.4.1.746.12.8.1.5.1.8", "Hold Time", itInteger, acReadOnly},
    {},
};

constexpr MibTableRow SingleIPNeighborSwitchTable[] = {
    {"1.3.6.1.4.1.746.12.8.1.6.1.1", "Received Port", itInteger, acNotAccess},
    {"1.3.6.1.4.1.746.12.8.1.6.1.2", "MAC Address", itMacAddress, acNotAccess},
    {"1.3.6.1.4.1.746.12.8.1.6.1.3", "Role", itInteger, acReadOnly, &CommanderCandidateMemberList},
    {},
};

constexpr MibTableRow MSTrapMessageSettings[] = {
    {"1.3.6.1.4.1.746.12.8.6.1.1", "MS Trap Message", itDisplayString, acReadOnly},
    {},
};
