// Columns stay in this order even where their arcs do not ascend: dialogs address them by position.
#include "Oid_jwac.h"

#include "CatalogueOptionLists.h"

constexpr MibTableRow JwacStateSettings[] = {
    {"1.3.6.1.4.1.746.12.39.1.1", "State", itInteger, acReadWrite, &EnabledDisabledList},
    {"1.3.6.1.4.1.746.12.39.1.2", "Redirect State", itInteger, acReadWrite, &EnabledDisabledList},
    {"1.3.6.1.4.1.746.12.39.1.3", "Forcible Logout State", itInteger, acReadWrite, &EnabledDisabledList},
    {"1.3.6.1.4.1.746.12.39.1.4", "UDP Filtering State", itInteger, acReadWrite, &EnabledDisabledList},
    {"1.3.6.1.4.1.746.12.39.1.5", "Quarantine Server Monitor State", itInteger, acReadWrite,
     &EnabledDisabledList},
    {"1.3.6.1.4.1.746.12.39.1.6", "Quarantine Server Error Timeout", itInteger, acReadWrite},
    {"1.3.6.1.4.1.746.12.39.1.7", "Redirect Destination", itInteger, acReadWrite,
     &QuarantineServerJwacLoginPageList},
    {"1.3.6.1.4.1.746.12.39.1.8", "Redirect Delay Time", itInteger, acReadWrite},
    {"1.3.6.1.4.1.746.12.39.1.9", "Virtual IP Address", itIpAddress, acReadWrite},
    {"1.3.6.1.4.1.746.12.39.1.10", "Quarantine Server URL", itDisplayString, acReadWrite},
    {"1.3.6.1.4.1.746.12.39.1.11", "Switch HTTP Port Number", itInteger, acReadWrite},
    {"1.3.6.1.4.1.746.12.39.1.12", "Switch HTTP Protocol", itInteger, acReadWrite, &HttpHttpsList},
    {"1.3.6.1.4.1.746.12.39.1.13", "RADIUS Protocol", itInteger, acReadWrite, &LocalPapChapList},
    {"1.3.6.1.4.1.746.12.39.1.15", "Authenticate Page", itInteger, acReadWrite, &JapaneseEnglishList},
    {"1.3.6.1.4.1.746.12.39.1.17", "RADIUS Authorize State", itInteger, acReadWrite, &EnabledDisabledList},
    {"1.3.6.1.4.1.746.12.39.1.18", "Local Authorize State", itInteger, acReadWrite, &EnabledDisabledList},
    {"1.3.6.1.4.1.746.12.39.1.20", "Virtual IP URL", itDisplayString, acReadWrite},
    {"1.3.6.1.4.1.746.12.39.1.25", "Function Version", itDisplayString, acReadOnly},
    {},
};

constexpr MibTableRow JWACGlobalSettings[] = {
    {"1.3.6.1.4.1.746.12.39.1.1", "State", itInteger, acReadWrite, &EnabledDisabledList},
    {"1.3.6.1.4.1.746.12.39.1.2", "Redirect State", itInteger, acReadWrite, &EnabledDisabledList},
    {"1.3.6.1.4.1.746.12.39.1.3", "Forcible Logout State", itInteger, acReadWrite, &EnabledDisabledList},
    {"1.3.6.1.4.1.746.12.39.1.4", "UDP Filtering State", itInteger, acReadWrite, &EnabledDisabledList},
    {"1.3.6.1.4.1.746.12.39.1.5", "Quarantine Server Monitor State", itInteger, acReadWrite,
     &EnabledDisabledList},
    {"1.3.6.1.4.1.746.12.39.1.6", "Quarantine Server Error Timeout", itInteger, acReadWrite},
    {"1.3.6.1.4.1.746.12.39.1.7", "Redirect Destination", itInteger, acReadWrite,
     &QuarantineServerJwacLoginPageList},
    {"1.3.6.1.4.1.746.12.39.1.8", "Redirect Delay Time", itInteger, acReadWrite},
    {"1.3.6.1.4.1.746.12.39.1.9", "Virtual IP Address", itIpAddress, acReadWrite},
    {"1.3.6.1.4.1.746.12.39.1.10", "Quarantine Server URL", itDisplayString, acReadWrite},
    {"1.3.6.1.4.1.746.12.39.1.11", "Switch HTTP Port Number", itInteger, acReadWrite},
    {"1.3.6.1.4.1.746.12.39.1.12", "Switch HTTP Protocol", itInteger, acReadWrite, &HttpHttpsList},
    {"1.3.6.1.4.1.746.12.39.1.13", "RADIUS Protocol", itInteger, acReadWrite, &LocalPapChapList},
    {"1.3.6.1.4.1.746.12.39.1.15", "Authenticate Page", itInteger, acReadWrite, &JapaneseEnglishList},
    {"1.3.6.1.4.1.746.12.39.1.17", "RADIUS Authorize State", itInteger, acReadWrite, &EnabledDisabledList},
    {"1.3.6.1.4.1.746.12.39.1.18", "Local Authorize State", itInteger, acReadWrite, &EnabledDisabledList},
    {"1.3.6.1.4.1.746.12.39.1.20", "Virtual IP URL", itDisplayString, acReadWrite},
    {"1.3.6.1.4.1.746.12.39.1.21", "Virtual IPv6", itIpv6Address, acReadWrite},
    {"1.3.6.1.4.1.746.12.39.1.22", "Virtual IPv6 URL", itDisplayString, acReadWrite},
    {"1.3.6.1.4.1.746.12.39.1.23", "IPv6 Quarantine Server URL", itDisplayString, acReadWrite},
    {"1.3.6.1.4.1.746.12.39.1.25", "Function Version", itDisplayString, acReadOnly},
    {},
};

constexpr MibTableRow JWACUpdateServerTable[] = {
    {"1.3.6.1.4.1.746.12.39.1.19.1.1", "IP Address", itIpAddress, acNotAccess},
    {"1.3.6.1.4.1.746.12.39.1.19.1.2", "Mask", itIpAddress, acNotAccess},
    {"1.3.6.1.4.1.746.12.39.1.19.1.3", "Protocol", itInteger, acReadOnly, &AllTcpUdpList},
    {"1.3.6.1.4.1.746.12.39.1.19.1.4", "Port", itInteger, acReadOnly},
    {"1.3.6.1.4.1.746.12.39.1.19.1.5", "Row Status", itInteger, acReadWrite, &ActiveCreateAndGoDestroyList},
    {"1.3.6.1.4.1.746.12.39.1.19.1.6", "State", itInteger, acReadOnly, &ActiveInactiveList},
    {},
};

constexpr MibTableRow IPv6UpdateServerTable[] = {
    {"1.3.6.1.4.1.746.12.39.1.24.1.1", "IPv6 Address", itIpv6Address, acNotAccess},
    {"1.3.6.1.4.1.746.12.39.1.24.1.2", "Mask", itInteger, acNotAccess},
    {"1.3.6.1.4.1.746.12.39.1.24.1.3", "Protocol", itInteger, acNotAccess, &AllTcpUdpList},
    {"1.3.6.1.4.1.746.12.39.1.24.1.4", "Port", itInteger, acNotAccess},
    {"1.3.6.1.4.1.746.12.39.1.24.1.5", "State", itInteger, acReadOnly, &ActiveInactiveList},
    {"1.3.6.1.4.1.746.12.39.1.24.1.100", "Row Status", itInteger, acReadWrite, &RowStatusList},
    {},
};

constexpr MibTableRow JWACPortTable[] = {
    {"1.3.6.1.4.1.746.12.39.3.1.1.1", "Index", itInteger, acNotAccess},
    {"1.3.6.1.4.1.746.12.39.3.1.1.2", "State", itInteger, acReadWrite, &EnabledDisabledList},
    {"1.3.6.1.4.1.746.12.39.3.1.1.3", "Max Authentication Host", itInteger, acReadWrite},
    {"1.3.6.1.4.1.746.12.39.3.1.1.4", "Aging Time", itInteger, acReadWrite},
    {"1.3.6.1.4.1.746.12.39.3.1.1.5", "Idle Time", itInteger, acReadWrite},
    {"1.3.6.1.4.1.746.12.39.3.1.1.6", "Block Time", itInteger, acReadWrite},
    {},
};

constexpr MibTableRow JWACHostTable[] = {
    {"1.3.6.1.4.1.746.12.39.4.1.1.1", "Port", itInteger, acNotAccess},
    {"1.3.6.1.4.1.746.12.39.4.1.1.2", "Authentication Status", itInteger, acNotAccess,
     &AuthenticatedAuthenticatingBlockedList},
    {"1.3.6.1.4.1.746.12.39.4.1.1.3", "MAC Address", itMacAddress, acNotAccess},
    {"1.3.6.1.4.1.746.12.39.4.1.1.4", "VLAN ID", itInteger, acReadOnly},
    {"1.3.6.1.4.1.746.12.39.4.1.1.5", "Remain Age Time", itInteger, acReadOnly},
    {"1.3.6.1.4.1.746.12.39.4.1.1.6", "Idle Time", itInteger, acReadOnly},
    {"1.3.6.1.4.1.746.12.39.4.1.1.7", "Block Time", itInteger, acReadOnly},
    {"1.3.6.1.4.1.746.12.39.4.1.1.8", "Status", itInteger, acReadWrite, &ActiveDeleteList},
    {"1.3.6.1.4.1.746.12.39.4.1.1.9", "Priority", itInteger, acReadOnly},
    {"1.3.6.1.4.1.746.12.39.4.1.1.10", "User", itDisplayString, acReadOnly},
    {"1.3.6.1.4.1.746.12.39.4.1.1.11", "IP Address", itIpAddress, acReadOnly},
    {},
};

constexpr MibTableRow PageElementTable[] = {
    {"1.3.6.1.4.1.746.12.39.4.2.1.1", "Page", itInteger, acNotAccess, &JapaneseEnglishList},
    {"1.3.6.1.4.1.746.12.39.4.2.1.2", "Page Title", itDisplayString, acReadWrite},
    {"1.3.6.1.4.1.746.12.39.4.2.1.3", "Login Window Title", itDisplayString, acReadWrite},
    {"1.3.6.1.4.1.746.12.39.4.2.1.4", "User Name", itDisplayString, acReadWrite},
    {"1.3.6.1.4.1.746.12.39.4.2.1.5", "Password", itDisplayString, acReadWrite},
    {"1.3.6.1.4.1.746.12.39.4.2.1.6", "Logout Window Title", itDisplayString, acReadWrite},
    {"1.3.6.1.4.1.746.12.39.4.2.1.7", "Line 1", itDisplayString, acReadWrite},
    {"1.3.6.1.4.1.746.12.39.4.2.1.8", "Line 2", itDisplayString, acReadWrite},
    {"1.3.6.1.4.1.746.12.39.4.2.1.9", "Line 3", itDisplayString, acReadWrite},
    {"1.3.6.1.4.1.746.12.39.4.2.1.10", "Line 4", itDisplayString, acReadWrite},
    {"1.3.6.1.4.1.746.12.39.4.2.1.11", "Line 5", itDisplayString, acReadWrite},
    {},
};

constexpr MibTableRow JWACWebAuthenticationUserTable[] = {
    {"1.3.6.1.4.1.746.12.39.4.3.1.1", "Name Index", itDisplayString, acNotAccess},
    {"1.3.6.1.4.1.746.12.39.4.3.1.2", "Password", itDisplayString, acReadWrite},
    {"1.3.6.1.4.1.746.12.39.4.3.1.3", "VLAN ID", itInteger, acReadWrite},
    {"1.3.6.1.4.1.746.12.39.4.3.1.4", "Row Status", itInteger, acReadWrite, &RowStatusList},
    {},
};

constexpr MibTableRow JwacAuthenticationStateTable[] = {
    {"1.3.6.1.4.1.746.12.39.4.4.1.1", "Port", itInteger, acNotAccess},
    {"1.3.6.1.4.1.746.12.39.4.4.1.2", "Original VID", itInteger, acNotAccess},
    {"1.3.6.1.4.1.746.12.39.4.4.1.3", "MAC Address", itMacAddress, acNotAccess},
    {"1.3.6.1.4.1.746.12.39.4.4.1.5", "Authentication State", itInteger, acReadOnly,
     &AuthenticatedAuthenticatingBlockedList},
    {"1.3.6.1.4.1.746.12.39.4.4.1.7", "Assign VID", itInteger, acReadOnly},
    {"1.3.6.1.4.1.746.12.39.4.4.1.8", "Priority", itInteger, acReadOnly},
    {"1.3.6.1.4.1.746.12.39.4.4.1.12", "Remain Time", itInteger, acReadOnly},
    {"1.3.6.1.4.1.746.12.39.4.4.1.14", "Idle Time", itInteger, acReadOnly},
    {"1.3.6.1.4.1.746.12.39.4.4.1.18", "User Name", itDisplayString, acReadOnly},
    {"1.3.6.1.4.1.746.12.39.4.4.1.20", "IP Address", itIpAddress, acReadOnly},
    {"1.3.6.1.4.1.746.12.39.4.4.1.30", "Delete Action", itInteger, acReadWrite, &ActiveDeleteList},
    {},
};

constexpr MibTableRow AuthenticationStateTable[] = {
    {"1.3.6.1.4.1.746.12.39.4.4.1.1", "Port", itInteger, acNotAccess},
    {"1.3.6.1.4.1.746.12.39.4.4.1.2", "Original VID", itInteger, acNotAccess},
    {"1.3.6.1.4.1.746.12.39.4.4.1.3", "MAC Address", itMacAddress, acNotAccess},
    {"1.3.6.1.4.1.746.12.39.4.4.1.5", "Authentication State", itInteger, acReadOnly,
     &AuthenticatedAuthenticatingBlockedList},
    {"1.3.6.1.4.1.746.12.39.4.4.1.7", "Assign VID", itInteger, acReadOnly},
    {"1.3.6.1.4.1.746.12.39.4.4.1.8", "Priority", itInteger, acReadOnly},
    {"1.3.6.1.4.1.746.12.39.4.4.1.12", "Remain Time", itInteger, acReadOnly},
    {"1.3.6.1.4.1.746.12.39.4.4.1.14", "Idle Time", itInteger, acReadOnly},
    {"1.3.6.1.4.1.746.12.39.4.4.1.18", "User Name", itDisplayString, acReadOnly},
    {"1.3.6.1.4.1.746.12.39.4.4.1.20", "IP Address", itIpAddress, acReadOnly},
    {"1.3.6.1.4.1.746.12.39.4.4.1.21", "IPv6 Address", itIpv6Address, acReadOnly},
    {"1.3.6.1.4.1.746.12.39.4.4.1.30", "Delete Action", itInteger, acReadWrite, &ActiveDeleteList},
    {},
};
