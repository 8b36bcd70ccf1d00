// Columns stay in this order even where their arcs do not ascend: dialogs address them by position.
#include "Oid_aac.h"

#include "CatalogueOptionLists.h"

constexpr MibTableRow AACGlobalSettings[] = {
    {"1.3.6.1.4.1.746.12.5.1.1", "Administration State", itInteger, acReadWrite, &DisabledEnabledList},
    {"1.3.6.1.4.1.746.12.5.1.4", "Authentication Encryption State", itInteger, acReadWrite,
     &EnabledDisabledList},
    {},
};

constexpr MibTableRow AACGlobalInformation[] = {
    {"1.3.6.1.4.1.746.12.5.2.1", "Method List", itInteger, acReadOnly},
    {"1.3.6.1.4.1.746.12.5.2.2", "Enable Method List", itInteger, acReadOnly},
    {"1.3.6.1.4.1.746.12.5.2.3", "Server Group", itInteger, acReadOnly},
    {"1.3.6.1.4.1.746.12.5.2.4", "Server", itInteger, acReadOnly},
    {"1.3.6.1.4.1.746.12.5.2.5", "Method List", itInteger, acReadOnly},
    {"1.3.6.1.4.1.746.12.5.8.1", "Response Timeout (0-255)", itInteger, acReadWrite},
    {"1.3.6.1.4.1.746.12.5.8.2", "Attempt (1-255)", itInteger, acReadWrite},
    {},
};

constexpr MibTableRow AACControlInformationSettings[] = {
    {"1.3.6.1.4.1.746.12.5.1.5", "Shell State", itInteger, acReadWrite, &RadiusOnlyAcctMethodDisabledList},
    {"1.3.6.1.4.1.746.12.5.1.6", "System State", itInteger, acReadWrite, &RadiusOnlyAcctMethodDisabledList},
    {"1.3.6.1.4.1.746.12.5.1.7", "Network State", itInteger, acReadWrite, &RadiusOnlyAcctMethodDisabledList},
    {"1.3.6.1.4.1.746.12.5.1.8", "Shell Method", itDisplayString, acReadWrite},
    {"1.3.6.1.4.1.746.12.5.1.9", "System Method", itDisplayString, acReadWrite},
    {"1.3.6.1.4.1.746.12.5.1.10", "Network Method", itDisplayString, acReadWrite},
    {"1.3.6.1.4.1.746.12.5.1.11", "Command Admin Level Method", itDisplayString, acReadWrite},
    {"1.3.6.1.4.1.746.12.5.1.12", "Command Operator Level Method", itDisplayString, acReadWrite},
    {"1.3.6.1.4.1.746.12.5.1.13", "Command Power User Level Method", itDisplayString, acReadWrite},
    {"1.3.6.1.4.1.746.12.5.1.14", "Command User Level Method", itDisplayString, acReadWrite},
    {},
};

constexpr MibTableRow LoginMethodListMethod1Type[] = {
    {"1.3.6.1.4.1.746.12.5.3.1.1", "Login Method List Name", itDisplayString, acNotAccess},
    {"1.3.6.1.4.1.746.12.5.3.1.2", "Method 1 Type", itInteger, acReadWrite, &OtherTacacsXtacacsList},
    {"1.3.6.1.4.1.746.12.5.3.1.3", "Method 1 Server Group", itDisplayString, acReadWrite},
    {"1.3.6.1.4.1.746.12.5.3.1.4", "Method 2 Type", itInteger, acReadWrite, &OtherTacacsXtacacsList},
    {"1.3.6.1.4.1.746.12.5.3.1.5", "Method 2 Server Group", itDisplayString, acReadWrite},
    {"1.3.6.1.4.1.746.12.5.3.1.6", "Method 3 Type", itInteger, acReadWrite, &OtherTacacsXtacacsList},
    {"1.3.6.1.4.1.746.12.5.3.1.7", "Method 3 Server Group", itDisplayString, acReadWrite},
    {"1.3.6.1.4.1.746.12.5.3.1.8", "Method 4 Type", itInteger, acReadWrite, &OtherTacacsXtacacsList},
    {"1.3.6.1.4.1.746.12.5.3.1.9", "Method 4 Server Group", itDisplayString, acReadWrite},
    {"1.3.6.1.4.1.746.12.5.3.1.10", "Row Status", itInteger, acReadWrite, &RowStatusList},
    {},
};

constexpr MibTableRow AACApplicationAuthenticationSettings[] = {
    {"1.3.6.1.4.1.746.12.5.7.1.1", "Console Login Method", itDisplayString, acReadWrite},
    {"1.3.6.1.4.1.746.12.5.7.2.1", "Console Enable Method", itDisplayString, acReadWrite},
    {"1.3.6.1.4.1.746.12.5.7.1.2", "Telnet Login Method", itDisplayString, acReadWrite},
    {"1.3.6.1.4.1.746.12.5.7.2.2", "Telnet Enable Method", itDisplayString, acReadWrite},
    {"1.3.6.1.4.1.746.12.5.7.1.3", "SSH Login Method", itDisplayString, acReadWrite},
    {"1.3.6.1.4.1.746.12.5.7.2.3", "SSH Enable Method", itDisplayString, acReadWrite},
    {"1.3.6.1.4.1.746.12.5.7.1.4", "HTTP Login Method", itDisplayString, acReadWrite},
    {"1.3.6.1.4.1.746.12.5.7.2.4", "HTTP Enable Method", itDisplayString, acReadWrite},
    {},
};

constexpr MibTableRow ServerGroup[] = {
    {"1.3.6.1.4.1.746.12.5.9.1.1", "Server Group Name", itDisplayString, acNotAccess},
    {"1.3.6.1.4.1.746.12.5.9.1.2", "Server Group IP Address 1", itIpAddress, acReadOnly},
    {"1.3.6.1.4.1.746.12.5.9.1.3", "Server Group Protocol 1", itInteger, acReadOnly,
     &OtherTacacsXtacacsList2},
    {"1.3.6.1.4.1.746.12.5.9.1.4", "Server Group IP Address 2", itIpAddress, acReadOnly},
    {"1.3.6.1.4.1.746.12.5.9.1.5", "Server Group Protocol 2", itInteger, acReadOnly,
     &OtherTacacsXtacacsList2},
    {"1.3.6.1.4.1.746.12.5.9.1.6", "Server Group IP Address 3", itIpAddress, acReadOnly},
    {"1.3.6.1.4.1.746.12.5.9.1.7", "Server Group Protocol 3", itInteger, acReadOnly,
     &OtherTacacsXtacacsList2},
    {"1.3.6.1.4.1.746.12.5.9.1.8", "Server Group IP Address 4", itIpAddress, acReadOnly},
    {"1.3.6.1.4.1.746.12.5.9.1.9", "Server Group Protocol 4", itInteger, acReadOnly,
     &OtherTacacsXtacacsList2},
    {"1.3.6.1.4.1.746.12.5.9.1.10", "Server Group IP Address 5", itIpAddress, acReadOnly},
    {"1.3.6.1.4.1.746.12.5.9.1.11", "Server Group Protocol 5", itInteger, acReadOnly,
     &OtherTacacsXtacacsList2},
    {"1.3.6.1.4.1.746.12.5.9.1.12", "Server Group IP Address 6", itIpAddress, acReadOnly},
    {"1.3.6.1.4.1.746.12.5.9.1.13", "Server Group Protocol 6", itInteger, acReadOnly,
     &OtherTacacsXtacacsList2},
    {"1.3.6.1.4.1.746.12.5.9.1.14", "Server Group IP Address 7 ", itIpAddress, acReadOnly},
    {"1.3.6.1.4.1.746.12.5.9.1.15", "Server Group Protocol 7", itInteger, acReadOnly,
     &OtherTacacsXtacacsList2},
    {"1.3.6.1.4.1.746.12.5.9.1.16", "Server Group IP Address 8", itIpAddress, acReadOnly},
    {"1.3.6.1.4.1.746.12.5.9.1.17", "Server Group Protocol 8", itInteger, acReadOnly,
     &OtherTacacsXtacacsList2},
    {"1.3.6.1.4.1.746.12.5.9.1.18", "Row Status", itInteger, acReadWrite, &RowStatusList},
    {},
};

constexpr MibTableRow LoginMethodListMethod1Type2[] = {
    {"1.3.6.1.4.1.746.12.5.4.1.1", "Enable Method List Name", itDisplayString, acNotAccess},
    {"1.3.6.1.4.1.746.12.5.4.1.2", "Method 1 Type", itInteger, acReadWrite, &OtherTacacsXtacacsList3},
    {"1.3.6.1.4.1.746.12.5.4.1.3", "Method 1 Server Group", itDisplayString, acReadWrite},
    {"1.3.6.1.4.1.746.12.5.4.1.4", "Method 2 Type", itInteger, acReadWrite, &OtherTacacsXtacacsList3},
    {"1.3.6.1.4.1.746.12.5.4.1.5", "Method 2 Server Group", itDisplayString, acReadWrite},
    {"1.3.6.1.4.1.746.12.5.4.1.6", "Method 3 Type", itInteger, acReadWrite, &OtherTacacsXtacacsList3},
    {"1.3.6.1.4.1.746.12.5.4.1.7", "Method 3 Server Group", itDisplayString, acReadWrite},
    {"1.3.6.1.4.1.746.12.5.4.1.8", "Method 4 Type", itInteger, acReadWrite, &OtherTacacsXtacacsList3},
    {"1.3.6.1.4.1.746.12.5.4.1.9", "Method 4 Server Group", itDisplayString, acReadWrite},
    {"1.3.6.1.4.1.746.12.5.4.1.10", "Row Status", itInteger, acReadWrite, &RowStatusList},
    {},
};

constexpr MibTableRow ServerInformation[] = {
    {"1.3.6.1.4.1.746.12.5.10.1.1", "IP", itIpAddress, acNotAccess},
    {"1.3.6.1.4.1.746.12.5.10.1.2", "Authentication Protocol", itInteger, acNotAccess,
     &TacacsXtacacsTacacsPlusList},
    {"1.3.6.1.4.1.746.12.5.10.1.3", "Authentication Port", itInteger, acReadWrite},
    {"1.3.6.1.4.1.746.12.5.10.1.4", "Authentication Key", itDisplayString, acReadWrite},
    {"1.3.6.1.4.1.746.12.5.10.1.5", "Timeout", itInteger, acReadWrite},
    {"1.3.6.1.4.1.746.12.5.10.1.6", "Retry Count", itInteger, acReadWrite},
    {"1.3.6.1.4.1.746.12.5.10.1.7", "Row Status", itInteger, acReadWrite, &RowStatusList},
    {"1.3.6.1.4.1.746.12.5.10.1.8", "Server Acct Port", itInteger, acReadWrite},
    {},
};

constexpr MibTableRow AAASrvCtrlTable[] = {
    {"1.3.6.1.4.1.746.12.5.12.1.1", "Group Name", itDisplayString, acNotAccess},
    {"1.3.6.1.4.1.746.12.5.12.1.2", "IP Address", itIpAddress, acNotAccess},
    {"1.3.6.1.4.1.746.12.5.12.1.3", "Authentication Protocol", itInteger, acNotAccess,
     &TacacsXtacacsTacacsPlusList},
    {"1.3.6.1.4.1.746.12.5.12.1.4", "Row State", itInteger, acReadWrite, &AddDeleteList},
    {},
};

constexpr MibTableRow AacAccountPortNumberTable[] = {
    {"1.3.6.1.4.1.746.12.3.2.4.1.1", "Index", itInteger, acNotAccess,
     &SwRadiusServerInSwRadiusServerInSwRadiusList},
    {"1.3.6.1.4.1.746.12.3.2.4.1.4", "Account Port Number", itGauge, acReadOnly},
    {"1.3.6.1.4.1.746.12.3.2.4.1.5", "Port Number", itGauge, acReadOnly},
    {"1.3.6.1.4.1.746.12.3.2.4.1.6", "Status", itInteger, acReadOnly, &RowStatusList},
    {"1.3.6.1.4.1.746.12.3.2.4.1.7", "Time out", itGauge, acReadOnly},
    {"1.3.6.1.4.1.746.12.3.2.4.1.8", "Retransmit", itGauge, acReadOnly},
    {"1.3.6.1.4.1.746.12.3.2.4.1.9", "Address Type", itInteger, acReadOnly, &UnknownIPv4DnsList},
    {"1.3.6.1.4.1.746.12.3.2.4.1.10", "Address ", itInetAddress, acReadOnly},
    {},
};

constexpr MibTableRow RADIUSServerTable[] = {
    {"1.3.6.1.4.1.746.12.3.2.4.1.1", "Index", itInteger, acNotAccess,
     &SwRadiusServerInSwRadiusServerInSwRadiusList},
    {"1.3.6.1.4.1.746.12.3.2.4.1.4", "Account Port Number", itGauge, acReadOnly},
    {"1.3.6.1.4.1.746.12.3.2.4.1.5", "Port Number", itGauge, acReadOnly},
    {"1.3.6.1.4.1.746.12.3.2.4.1.6", "Status", itInteger, acReadOnly, &RowStatusList},
    {"1.3.6.1.4.1.746.12.3.2.4.1.7", "Time out", itGauge, acReadOnly},
    {"1.3.6.1.4.1.746.12.3.2.4.1.8", "Retransmit", itGauge, acReadOnly},
    {"1.3.6.1.4.1.746.12.3.2.4.1.9", "Address Type", itInteger, acReadOnly, &UnknownIPv4IPv6List},
    {"1.3.6.1.4.1.746.12.3.2.4.1.10", "Address ", itInetAddress, acReadOnly},
    {},
};

constexpr MibTableRow AacTACACSStateSettings[] = {
    {"1.3.6.1.4.1.746.12.5.1.2.1", "TACACS State", itInteger, acReadWrite, &OtherDisabledEnabledList},
    {"1.3.6.1.4.1.746.12.5.1.2.2", "XTACACS State", itInteger, acReadWrite, &OtherDisabledEnabledList},
    {"1.3.6.1.4.1.746.12.5.1.2.3", "TACACS Plus State", itInteger, acReadWrite, &OtherDisabledEnabledList},
    {"1.3.6.1.4.1.746.12.5.1.2.4", "Radius State", itInteger, acReadWrite, &OtherDisabledEnabledList},
    {"1.3.6.1.4.1.746.12.5.1.2.5", "Local State", itInteger, acReadWrite, &OtherDisabledEnabledList},
    {"1.3.6.1.4.1.746.12.5.1.2.6", "None State", itInteger, acReadWrite, &OtherDisabledEnabledList},
    {},
};

constexpr MibTableRow ACCTMethodList[] = {
    {"1.3.6.1.4.1.746.12.5.5.1.1", "Accounting Method List Name", itDisplayString, acNotAccess},
    {"1.3.6.1.4.1.746.12.5.5.1.2", "Method 1 Type", itInteger, acReadWrite, &NoneTacacsPlusRadiusList},
    {"1.3.6.1.4.1.746.12.5.5.1.3", "Method 1 Server Group", itDisplayString, acReadWrite},
    {"1.3.6.1.4.1.746.12.5.5.1.4", "Method 2 Type", itInteger, acReadWrite, &NoneTacacsPlusRadiusList},
    {"1.3.6.1.4.1.746.12.5.5.1.5", "Method 2 Server Group", itDisplayString, acReadWrite},
    {"1.3.6.1.4.1.746.12.5.5.1.6", "Method 3 Type", itInteger, acReadWrite, &NoneTacacsPlusRadiusList},
    {"1.3.6.1.4.1.746.12.5.5.1.7", "Method 3 Server Group", itDisplayString, acReadWrite},
    {"1.3.6.1.4.1.746.12.5.5.1.8", "Method 4 Type", itInteger, acReadWrite, &NoneTacacsPlusRadiusList},
    {"1.3.6.1.4.1.746.12.5.5.1.9", "Method 4 ServerGroup", itDisplayString, acReadWrite},
    {"1.3.6.1.4.1.746.12.5.5.1.10", "Row Status", itInteger, acReadWrite, &RowStatusList},
    {},
};
