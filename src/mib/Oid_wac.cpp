// Columns stay in this order even where their arcs do not ascend: dialogs address them by position.
#include "Oid_wac.h"

#include "CatalogueOptionLists.h"

constexpr MibTableRow WacAdministrationStateSettings[] = {
    {"1.3.6.1.4.1.746.12.27.1.1", "Administration State", itInteger, acReadWrite, &OtherDisabledEnabledList},
    {"1.3.6.1.4.1.746.12.27.1.2", "Method", itInteger, acReadWrite, &LocalRadiusList},
    {"1.3.6.1.4.1.746.12.27.1.5", "Default Redirect Path", itDisplayString, acReadWrite},
    {"1.3.6.1.4.1.746.12.27.1.7", "Virtual IP Address", itIpAddress, acReadWrite},
    {"1.3.6.1.4.1.746.12.27.1.8", "HTTP Protocol", itInteger, acReadWrite, &HttpHttpsList},
    {"1.3.6.1.4.1.746.12.27.1.9", "HTTP Port", itInteger, acReadWrite},
    {"1.3.6.1.4.1.746.12.27.1.11", "RADIUS Authorization State", itInteger, acReadWrite,
     &EnabledDisabledList},
    {"1.3.6.1.4.1.746.12.27.1.12", "Local Authorization State", itInteger, acReadWrite, &EnabledDisabledList},
    {"1.3.6.1.4.1.746.12.27.1.13", "Clear Default Redirect Path", itInteger, acReadWrite, &OtherStartList},
    {"1.3.6.1.4.1.746.12.27.1.30", "Page Title", itDisplayString, acReadWrite},
    {"1.3.6.1.4.1.746.12.27.1.31", "Login Window Title", itDisplayString, acReadWrite},
    {"1.3.6.1.4.1.746.12.27.1.32", "User Name", itDisplayString, acReadWrite},
    {"1.3.6.1.4.1.746.12.27.1.33", "Password", itDisplayString, acReadWrite},
    {"1.3.6.1.4.1.746.12.27.1.34", "Logout Window Title", itDisplayString, acReadWrite},
    {"1.3.6.1.4.1.746.12.27.1.35", "Notification Line 1", itDisplayString, acReadWrite},
    {"1.3.6.1.4.1.746.12.27.1.36", "Notification Line 2", itDisplayString, acReadWrite},
    {"1.3.6.1.4.1.746.12.27.1.37", "Notification Line 3", itDisplayString, acReadWrite},
    {"1.3.6.1.4.1.746.12.27.1.38", "Notification Line 4", itDisplayString, acReadWrite},
    {"1.3.6.1.4.1.746.12.27.1.39", "Notification Line 5", itDisplayString, acReadWrite},
    {},
};

constexpr MibTableRow WACGlobalSettings[] = {
    {"1.3.6.1.4.1.746.12.27.1.1", "Administration State", itInteger, acReadWrite, &OtherDisabledEnabledList},
    {"1.3.6.1.4.1.746.12.27.1.2", "Method", itInteger, acReadWrite, &LocalRadiusList},
    {"1.3.6.1.4.1.746.12.27.1.5", "Default Redirect Path", itDisplayString, acReadWrite},
    {"1.3.6.1.4.1.746.12.27.1.7", "Virtual IP Address", itIpAddress, acReadWrite},
    {"1.3.6.1.4.1.746.12.27.1.8", "HTTP Protocol", itInteger, acReadWrite, &HttpHttpsList},
    {"1.3.6.1.4.1.746.12.27.1.9", "HTTP Port", itInteger, acReadWrite},
    {"1.3.6.1.4.1.746.12.27.1.11", "RADIUS Authorization State", itInteger, acReadWrite,
     &EnabledDisabledList},
    {"1.3.6.1.4.1.746.12.27.1.12", "Local Authorization State", itInteger, acReadWrite, &EnabledDisabledList},
    {"1.3.6.1.4.1.746.12.27.1.13", "Clear Default Redirect Path", itInteger, acReadWrite, &OtherStartList},
    {"1.3.6.1.4.1.746.12.27.1.14", "Virtual IPv6 Address", itIpv6Address, acReadWrite},
    {"1.3.6.1.4.1.746.12.27.1.15", "Trap State", itInteger, acReadWrite, &EnabledDisabledList},
    {"1.3.6.1.4.1.746.12.27.1.30", "Page Title", itDisplayString, acReadWrite},
    {"1.3.6.1.4.1.746.12.27.1.31", "Login Window Title", itDisplayString, acReadWrite},
    {"1.3.6.1.4.1.746.12.27.1.32", "User Name", itDisplayString, acReadWrite},
    {"1.3.6.1.4.1.746.12.27.1.33", "Password", itDisplayString, acReadWrite},
    {"1.3.6.1.4.1.746.12.27.1.34", "Logout Window Title", itDisplayString, acReadWrite},
    {"1.3.6.1.4.1.746.12.27.1.35", "Notification Line 1", itDisplayString, acReadWrite},
    {"1.3.6.1.4.1.746.12.27.1.36", "Notification Line 2", itDisplayString, acReadWrite},
    {"1.3.6.1.4.1.746.12.27.1.37", "Notification Line 3", itDisplayString, acReadWrite},
    {"1.3.6.1.4.1.746.12.27.1.38", "Notification Line 4", itDisplayString, acReadWrite},
    {"1.3.6.1.4.1.746.12.27.1.39", "Notification Line 5", itDisplayString, acReadWrite},
    {},
};

constexpr MibTableRow WacAdministrationStateSettings2[] = {
    {"1.3.6.1.4.1.746.12.27.1.1", "Administration State", itInteger, acReadWrite, &OtherDisabledEnabledList},
    {"1.3.6.1.4.1.746.12.27.1.2", "Method", itInteger, acReadWrite, &LocalRadiusList},
    {"1.3.6.1.4.1.746.12.27.1.5", "Default Redirect Path", itDisplayString, acReadWrite},
    {"1.3.6.1.4.1.746.12.27.1.7", "Virtual IP Address", itIpAddress, acReadWrite},
    {"1.3.6.1.4.1.746.12.27.1.8", "HTTP Protocol", itInteger, acReadWrite, &HttpHttpsList},
    {"1.3.6.1.4.1.746.12.27.1.9", "HTTP Port", itInteger, acReadWrite},
    {"1.3.6.1.4.1.746.12.27.1.11", "RADIUS Authorization State", itInteger, acReadWrite,
     &EnabledDisabledList},
    {"1.3.6.1.4.1.746.12.27.1.12", "Local Authorization State", itInteger, acReadWrite, &EnabledDisabledList},
    {"1.3.6.1.4.1.746.12.27.1.13", "Clear Default Redirect Path", itInteger, acReadWrite, &OtherStartList},
    {"1.3.6.1.4.1.746.12.27.1.30", "Page Title", itDisplayString, acReadWrite},
    {"1.3.6.1.4.1.746.12.27.1.31", "Login Window Title", itDisplayString, acReadWrite},
    {"1.3.6.1.4.1.746.12.27.1.32", "User Name", itDisplayString, acReadWrite},
    {"1.3.6.1.4.1.746.12.27.1.33", "Password", itDisplayString, acReadWrite},
    {"1.3.6.1.4.1.746.12.27.1.34", "Logout Window Title", itDisplayString, acReadWrite},
    {"1.3.6.1.4.1.746.12.27.1.35", "Notification Line 1", itDisplayString, acReadWrite},
    {"1.3.6.1.4.1.746.12.27.1.36", "Notification Line 2", itDisplayString, acReadWrite},
    {"1.3.6.1.4.1.746.12.27.1.37", "Notification Line 3", itDisplayString, acReadWrite},
    {"1.3.6.1.4.1.746.12.27.1.38", "Notification Line 4", itDisplayString, acReadWrite},
    {"1.3.6.1.4.1.746.12.27.1.39", "Notification Line 5", itDisplayString, acReadWrite},
    {},
};

constexpr MibTableRow WACAuthenticationInformationTable[] = {
    {"1.3.6.1.4.1.746.12.27.2.2.1.1", "Port", itInteger, acNotAccess},
    {"1.3.6.1.4.1.746.12.27.2.2.1.2", "Original VLAN ID", itInteger, acNotAccess},
    {"1.3.6.1.4.1.746.12.27.2.2.1.3", "MAC Address", itMacAddress, acNotAccess},
    {"1.3.6.1.4.1.746.12.27.2.2.1.5", "Authorization State", itInteger, acReadOnly,
     &AuthenticatedAuthenticatingBlockedList},
    {"1.3.6.1.4.1.746.12.27.2.2.1.7", "Assign VLAN ID", itInteger, acReadOnly},
    {"1.3.6.1.4.1.746.12.27.2.2.1.8", "Assign Priority", itInteger, acReadOnly},
    {"1.3.6.1.4.1.746.12.27.2.2.1.12", "Remain Time", itInteger, acReadOnly},
    {"1.3.6.1.4.1.746.12.27.2.2.1.14", "Idle Time", itInteger, acReadOnly},
    {"1.3.6.1.4.1.746.12.27.2.2.1.25", "Delete Action", itInteger, acReadWrite, &ActiveDeleteList},
    {},
};

constexpr MibTableRow PortManagementStateTable[] = {
    {"1.3.6.1.4.1.746.12.27.3.1.1.1", "Index", itInteger, acNotAccess},
    {"1.3.6.1.4.1.746.12.27.3.1.1.2", "State", itInteger, acReadWrite, &DisabledEnabledList},
    {"1.3.6.1.4.1.746.12.27.3.1.1.6", "Aging Time", itInteger, acReadWrite},
    {"1.3.6.1.4.1.746.12.27.3.1.1.7", "Idle Time", itInteger, acReadWrite},
    {"1.3.6.1.4.1.746.12.27.3.1.1.8", "Block Time", itInteger, acReadWrite},
    {},
};

constexpr MibTableRow UserManagementTable[] = {
    {"1.3.6.1.4.1.746.12.27.3.2.1.1", "Name Index", itDisplayString, acNotAccess},
    {"1.3.6.1.4.1.746.12.27.3.2.1.2", "Password", itDisplayString, acReadWrite},
    {"1.3.6.1.4.1.746.12.27.3.2.1.4", "Row Status", itInteger, acReadWrite, &ActiveCreateAndGoDestroyList},
    {"1.3.6.1.4.1.746.12.27.3.2.1.5", "VLAN ID", itInteger, acReadWrite},
    {},
};
