// Columns stay in this order even where their arcs do not ascend: dialogs address them by position.
#include "Oid_portsecurity.h"

#include "CatalogueOptionLists.h"

constexpr MibTableRow PortSecurityGlobalSettings[] = {
    {"1.3.6.1.4.1.746.12.63.1.2", "System Max Learn Address", itInteger, acReadWrite},
    {"1.3.6.1.4.1.746.12.63.1.3", "Trap State", itInteger, acReadWrite, &EnabledDisabledList},
    {"1.3.6.1.4.1.746.12.63.1.4", "Log State", itInteger, acReadWrite, &EnabledDisabledList},
    {},
};

constexpr MibTableRow PortSecurityPortTable[] = {
    {"1.3.6.1.4.1.746.12.63.3.1.1.1.1", "Index", itInteger, acNotAccess},
    {"1.3.6.1.4.1.746.12.63.3.1.1.1.2", "Max Learn Address", itInteger, acReadWrite},
    {"1.3.6.1.4.1.746.12.63.3.1.1.1.3", "Lock Address Mode", itInteger, acReadWrite,
     &PermanentDeleteOnTimeoutDeleteOnResetList},
    {"1.3.6.1.4.1.746.12.63.3.1.1.1.4", "Admin State", itInteger, acReadWrite, &EnabledDisabledList},
    {"1.3.6.1.4.1.746.12.63.3.1.1.1.5", "Clear Control", itInteger, acReadWrite, &OtherStartList},
    {"1.3.6.1.4.1.746.12.63.3.1.1.1.6", "Violation Action", itInteger, acReadWrite, &DropShutdownList},
    {},
};

constexpr MibTableRow PortSecurityVLANTable[] = {
    {"1.3.6.1.4.1.746.12.63.3.2.1.1.1", "VLAN ID", itInteger, acNotAccess},
    {"1.3.6.1.4.1.746.12.63.3.2.1.1.2", "Max Learn Address", itInteger, acReadWrite},
    {"1.3.6.1.4.1.746.12.63.3.2.1.1.3", "Clear Control", itInteger, acReadWrite, &OtherStartList},
    {},
};

constexpr MibTableRow PortSecurityVLANOnPortTable[] = {
    {" ", "Port Index", itInteger, acNotAccess},
    {" ", "VLAN ID", itInteger, acNotAccess},
    {"1.3.6.1.4.1.746.12.63.3.3.1.1.1", "Max Learn Address", itInteger, acReadWrite},
    {"1.3.6.1.4.1.746.12.63.3.3.1.1.2", "Add Control", itInteger, acReadWrite, &OtherAddList},
    {},
};

constexpr MibTableRow PortSecurityVLANOnPortClearControlSettings[] = {
    {"1.3.6.1.4.1.746.12.63.3.3.2.1", "Port", itInteger, acReadWrite},
    {"1.3.6.1.4.1.746.12.63.3.3.2.2", "VLAN ID", itInteger, acReadWrite},
    {"1.3.6.1.4.1.746.12.63.3.3.2.3", "Action", itInteger, acReadWrite, &OtherStartList},
    {},
};

constexpr MibTableRow PortSecurityTable[] = {
    {"1.3.6.1.4.1.746.12.63.3.4.1.1", "MAC", itMacAddress, acNotAccess},
    {"1.3.6.1.4.1.746.12.63.3.4.1.2", "VLAN ID", itInteger, acNotAccess},
    {"1.3.6.1.4.1.746.12.63.3.4.1.3", "Port", itInteger, acReadOnly},
    {"1.3.6.1.4.1.746.12.63.3.4.1.4", "Delete Control", itInteger, acReadWrite, &OtherStartList},
    {},
};
