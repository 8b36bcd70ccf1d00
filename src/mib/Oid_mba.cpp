// Columns stay in this order even where their arcs do not ascend: dialogs address them by position.
#include "Oid_mba.h"

#include "CatalogueOptionLists.h"

constexpr MibTableRow MBAControlStateSettings[] = {
    {"1.3.6.1.4.1.746.12.35.1.1", "State", itInteger, acReadWrite, &DisabledEnabledList2},
    {"1.3.6.1.4.1.746.12.35.1.2", "Method", itInteger, acReadWrite, &LocalRadiusList},
    {"1.3.6.1.4.1.746.12.35.1.3", "PassWord", itDisplayString, acReadWrite},
    {"1.3.6.1.4.1.746.12.35.1.8", "Clear All Action", itInteger, acReadWrite, &OtherStartList},
    {},
};

constexpr MibTableRow MBAControlVLANNameSettings[] = {
    {"1.3.6.1.4.1.746.12.35.1.4", "VLAN Name", itDisplayString, acReadWrite},
    {"1.3.6.1.4.1.746.12.35.1.5", "Member Ports", itBitList, acReadWrite},
    {},
};

constexpr MibTableRow MBAControlDeleteStateSettings[] = {
    {"1.3.6.1.4.1.746.12.35.1.7", "Delete State", itInteger, acReadWrite, &NoneStartList},
    {},
};

constexpr MibTableRow MBAControlVLANNameSettings2[] = {
    {"1.3.6.1.4.1.746.12.35.1.4", "VLAN Name", itDisplayString, acReadWrite},
    {},
};

constexpr MibTableRow PortInformationStateTable[] = {
    {"1.3.6.1.4.1.746.12.35.2.1.1.1", "Port Index", itInteger, acNotAccess},
    {"1.3.6.1.4.1.746.12.35.2.1.1.2", "MAC Index", itMacAddress, acNotAccess},
    {"1.3.6.1.4.1.746.12.35.2.1.1.3", "State", itInteger, acReadOnly,
     &UnconnectedConnectingAuthenticatingList},
    {"1.3.6.1.4.1.746.12.35.2.1.1.4", "Assign VLAN Name", itDisplayString, acReadOnly},
    {"1.3.6.1.4.1.746.12.35.2.1.1.5", "Clear MAC Action", itInteger, acReadWrite, &OtherStartList},
    {"1.3.6.1.4.1.746.12.35.2.1.1.6", "Priority", itInteger, acReadOnly},
    {"1.3.6.1.4.1.746.12.35.2.1.1.7", "Aging Time", itInteger, acReadOnly},
    {"1.3.6.1.4.1.746.12.35.2.1.1.8", "Hold Time", itInteger, acReadOnly},
    {"1.3.6.1.4.1.746.12.35.2.1.1.9", "Assign VLAN ID", itInteger, acReadOnly},
    {},
};

constexpr MibTableRow MbaStateTable[] = {
    {"1.3.6.1.4.1.746.12.35.2.2.1.1", "Port", itInteger, acNotAccess},
    {"1.3.6.1.4.1.746.12.35.2.2.1.2", "Original VID", itInteger, acNotAccess},
    {"1.3.6.1.4.1.746.12.35.2.2.1.3", "MAC Address", itMacAddress, acNotAccess},
    {"1.3.6.1.4.1.746.12.35.2.2.1.4", "State", itInteger, acReadOnly,
     &AuthenticatedAuthenticatingBlockedList},
    {"1.3.6.1.4.1.746.12.35.2.2.1.5", "Assign VID", itInteger, acReadOnly},
    {"1.3.6.1.4.1.746.12.35.2.2.1.6", "Assign Priority", itInteger, acReadOnly},
    {"1.3.6.1.4.1.746.12.35.2.2.1.7", "Remain Time", itInteger, acReadOnly},
    {"1.3.6.1.4.1.746.12.35.2.2.1.25", "Delete Action", itInteger, acReadWrite, &OtherStartList},
    {},
};

constexpr MibTableRow PortManagementStateTable2[] = {
    {"1.3.6.1.4.1.746.12.35.3.1.1.1", "Index", itInteger, acNotAccess},
    {"1.3.6.1.4.1.746.12.35.3.1.1.2", "State", itInteger, acReadWrite, &EnabledDisabledList},
    {"1.3.6.1.4.1.746.12.35.3.1.1.3", "Mode", itInteger, acReadWrite, &PortBasedHostBasedList},
    {"1.3.6.1.4.1.746.12.35.3.1.1.4", "Aging Time", itInteger, acReadWrite},
    {"1.3.6.1.4.1.746.12.35.3.1.1.5", "Hold Time", itInteger, acReadWrite},
    {"1.3.6.1.4.1.746.12.35.3.1.1.6", "Clear Port Action", itInteger, acReadWrite, &OtherStartList},
    {"1.3.6.1.4.1.746.12.35.3.1.1.7", "Max User", itInteger, acReadWrite},
    {},
};

constexpr MibTableRow DatabaseTable[] = {
    {"1.3.6.1.4.1.746.12.35.4.1.1.1", "MAC Address", itMacAddress, acNotAccess},
    {"1.3.6.1.4.1.746.12.35.4.1.1.5", "VLAN ID", itInteger, acReadWrite},
    {"1.3.6.1.4.1.746.12.35.4.1.1.3", "Row Status", itInteger, acReadWrite, &ActiveCreateAndGoDestroyList},
    {},
};

constexpr MibTableRow MACInformationSettings[] = {
    {"1.3.6.1.4.1.746.12.35.1.9", "Max User", itInteger, acReadWrite},
    {"1.3.6.1.4.1.746.12.35.1.11", "RADIUS Authorization", itInteger, acReadWrite, &EnabledDisabledList},
    {"1.3.6.1.4.1.746.12.35.1.12", "Local Authorization", itInteger, acReadWrite, &EnabledDisabledList},
    {"1.3.6.1.4.1.746.12.35.1.13", "Trap State", itInteger, acReadWrite, &EnabledDisabledList},
    {"1.3.6.1.4.1.746.12.35.1.14", "Log State", itInteger, acReadWrite, &EnabledDisabledList},
    {"1.3.6.1.4.1.746.12.35.1.15", "Authentication Password Type", itInteger, acReadWrite,
     &ManualStringClientMacAddressList},
    {},
};

constexpr MibTableRow MacStatisticTable[] = {
    {"1.3.6.1.4.1.746.12.3.6.1.1.1", "MAC Address", itMacAddress, acNotAccess},
    {"1.3.6.1.4.1.746.12.3.6.1.1.2", "Port Number", itInteger, acNotAccess},
    {"1.3.6.1.4.1.746.12.3.6.2.1.1", "Eapol Frames RX", itCounter, acReadOnly},
    {"1.3.6.1.4.1.746.12.3.6.2.1.2", "Eapol Frames TX", itCounter, acReadOnly},
    {"1.3.6.1.4.1.746.12.3.6.2.1.3", "Eapol Start Frames RX", itCounter, acReadOnly},
    {"1.3.6.1.4.1.746.12.3.6.2.1.4", "Eapol Log off Frames RX", itCounter, acReadOnly},
    {"1.3.6.1.4.1.746.12.3.6.2.1.5", "Eapol Response ID Frames RX", itCounter, acReadOnly},
    {"1.3.6.1.4.1.746.12.3.6.2.1.6", "Eapol Response Frames RX", itCounter, acReadOnly},
    {"1.3.6.1.4.1.746.12.3.6.2.1.7", "Eapol Requset ID Frames TX", itCounter, acReadOnly},
    {"1.3.6.1.4.1.746.12.3.6.2.1.8", "Eapol Requset Frames TX", itCounter, acReadOnly},
    {"1.3.6.1.4.1.746.12.3.6.2.1.9", "Invalid Eapol Frames RX", itCounter, acReadOnly},
    {"1.3.6.1.4.1.746.12.3.6.2.1.10", "Eap Length Error Frames RX", itCounter, acReadOnly},
    {"1.3.6.1.4.1.746.12.3.6.2.1.11", "Last Eapol Frame Version", itGauge, acReadOnly},
    {"1.3.6.1.4.1.746.12.3.6.2.1.12", "Last Eapol Frame Source", itMacAddress, acReadOnly},
    {},
};

constexpr MibTableRow MBADiagnosticsTable[] = {
    {"1.3.6.1.4.1.746.12.3.6.1.1.1", "MAC Address", itMacAddress, acNotAccess},
    {"1.3.6.1.4.1.746.12.3.6.1.1.2", "Port Number", itInteger, acNotAccess},
    {"1.3.6.1.4.1.746.12.3.6.3.1.1", "Enters Connecting", itCounter, acReadOnly},
    {"1.3.6.1.4.1.746.12.3.6.3.1.2", "Eap Logoffs While Connecting", itCounter, acReadOnly},
    {"1.3.6.1.4.1.746.12.3.6.3.1.3", "Enters Authenticating", itCounter, acReadOnly},
    {"1.3.6.1.4.1.746.12.3.6.3.1.4", "Authentication Success While Authenticating", itCounter, acReadOnly},
    {"1.3.6.1.4.1.746.12.3.6.3.1.5", "Authentication Timeouts While Authenticating", itCounter, acReadOnly},
    {"1.3.6.1.4.1.746.12.3.6.3.1.6", "Authentication Fail While Authenticating", itCounter, acReadOnly},
    {"1.3.6.1.4.1.746.12.3.6.3.1.7", "Authentication Reauths WhileAuthenticating", itCounter, acReadOnly},
    {"1.3.6.1.4.1.746.12.3.6.3.1.8", "Authentication Eap Starts While Authenticating", itCounter, acReadOnly},
    {"1.3.6.1.4.1.746.12.3.6.3.1.9", "Authentication Eap Logoff While Authenticating", itCounter, acReadOnly},
    {"1.3.6.1.4.1.746.12.3.6.3.1.10", "Authentication Reauths While Authenticated", itCounter, acReadOnly},
    {"1.3.6.1.4.1.746.12.3.6.3.1.11", "Authentication Eap Starts While Authenticated", itCounter, acReadOnly},
    {"1.3.6.1.4.1.746.12.3.6.3.1.12", "Authentication Eap Logoff While Authenticated", itCounter, acReadOnly},
    {"1.3.6.1.4.1.746.12.3.6.3.1.13", "Backend Responses", itCounter, acReadOnly},
    {"1.3.6.1.4.1.746.12.3.6.3.1.14", "Backend Access Challenges", itCounter, acReadOnly},
    {"1.3.6.1.4.1.746.12.3.6.3.1.15", "Backend Other Requests To Supplicant", itCounter, acReadOnly},
    {"1.3.6.1.4.1.746.12.3.6.3.1.16", "Backend NonNak Responses From Supplicant", itCounter, acReadOnly},
    {"1.3.6.1.4.1.746.12.3.6.3.1.17", "Backend Authentication Successes", itCounter, acReadOnly},
    {"1.3.6.1.4.1.746.12.3.6.3.1.18", "Backend Authentication Fails", itCounter, acReadOnly},
    {},
};

constexpr MibTableRow MBASessionInformationTable[] = {
    {"1.3.6.1.4.1.746.12.3.6.1.1.1", "MAC Address", itMacAddress, acNotAccess},
    {"1.3.6.1.4.1.746.12.3.6.1.1.2", "Port Number", itInteger, acNotAccess},
    {"1.3.6.1.4.1.746.12.3.6.4.1.1", "Octets RX", itCounter64, acReadOnly},
    {"1.3.6.1.4.1.746.12.3.6.4.1.2", "Octets TX", itCounter64, acReadOnly},
    {"1.3.6.1.4.1.746.12.3.6.4.1.3", "Frames RX", itCounter, acReadOnly},
    {"1.3.6.1.4.1.746.12.3.6.4.1.4", "Frames TX", itCounter, acReadOnly},
    {"1.3.6.1.4.1.746.12.3.6.4.1.5", "ID", itDisplayString, acReadOnly},
    {"1.3.6.1.4.1.746.12.3.6.4.1.6", "Authentic Method", itInteger, acReadOnly,
     &RemoteAuthServerLocalAuthServerList},
    {"1.3.6.1.4.1.746.12.3.6.4.1.7", "Time", itTimeTicks, acReadOnly},
    {"1.3.6.1.4.1.746.12.3.6.4.1.8", "Terminate Cause", itInteger, acReadOnly,
     &SupplicantLogoffPortFailureSupplicantResList},
    {"1.3.6.1.4.1.746.12.3.6.4.1.9", "User Name", itDisplayString, acReadOnly},
    {},
};

constexpr MibTableRow AuthenticationPortControlTable[] = {
    {"1.3.6.1.4.1.746.12.3.8.1.1.1", "Port Number", itInteger, acNotAccess},
    {"1.3.6.1.4.1.746.12.3.8.1.1.2", "Port Capabilities", itInteger, acReadWrite, &NoneAuthenticatorList},
    {},
};

constexpr MibTableRow MBAStateTable[] = {
    {"1.3.6.1.4.1.746.12.3.6.5.1.1", "Port Number", itInteger, acNotAccess},
    {"1.3.6.1.4.1.746.12.3.6.5.1.2", "Authentication VID", itInteger, acNotAccess},
    {"1.3.6.1.4.1.746.12.3.6.5.1.3", "MAC Address", itMacAddress, acNotAccess},
    {"1.3.6.1.4.1.746.12.3.6.5.1.4", "Authenticator PAE State", itInteger, acReadOnly,
     &InitializeDisconnectedConnectingList},
    {"1.3.6.1.4.1.746.12.3.6.5.1.5", "Backend Auth State", itInteger, acReadOnly,
     &RequestResponseSuccessList},
    {"1.3.6.1.4.1.746.12.3.6.5.1.6", "Authentication Controlled Status", itInteger, acReadOnly,
     &AuthenticatingAuthorizedUnauthorizedList},
    {"1.3.6.1.4.1.746.12.3.6.5.1.7", "Assign VID", itInteger, acReadOnly},
    {"1.3.6.1.4.1.746.12.3.6.5.1.8", "Assign Priority", itInteger, acReadOnly},
    {},
};

constexpr MibTableRow MbaEntersConnectingTable[] = {
    {" ", "Port Number", itInteger, acNotAccess},
    {" ", "Original VID", itInteger, acNotAccess},
    {" ", "MAC Address", itOctetString, acNotAccess},
    {"1.3.6.1.4.1.746.12.3.6.7.1.1", "Enters Connecting", itCounter, acReadOnly},
    {"1.3.6.1.4.1.746.12.3.6.7.1.2", "Eap Log offs While Connecting", itCounter, acReadOnly},
    {"1.3.6.1.4.1.746.12.3.6.7.1.3", "Enters Authenticating", itCounter, acReadOnly},
    {"1.3.6.1.4.1.746.12.3.6.7.1.4", "Success While Authenticating", itCounter, acReadOnly},
    {"1.3.6.1.4.1.746.12.3.6.7.1.5", "Timeouts While Authenticating", itCounter, acReadOnly},
    {"1.3.6.1.4.1.746.12.3.6.7.1.6", "Fail While Authenticating", itCounter, acReadOnly},
    {"1.3.6.1.4.1.746.12.3.6.7.1.7", "Reauths While Authenticating", itCounter, acReadOnly},
    {"1.3.6.1.4.1.746.12.3.6.7.1.8", "Starts While Authenticating", itCounter, acReadOnly},
    {"1.3.6.1.4.1.746.12.3.6.7.1.9", "Logoff While Authenticating", itCounter, acReadOnly},
    {"1.3.6.1.4.1.746.12.3.6.7.1.10", "Reauths While Authenticated", itCounter, acReadOnly},
    {"1.3.6.1.4.1.746.12.3.6.7.1.11", "Starts While Authenticated", itCounter, acReadOnly},
    {"1.3.6.1.4.1.746.12.3.6.7.1.12", "Logoff While Authenticated", itCounter, acReadOnly},
    {"1.3.6.1.4.1.746.12.3.6.7.1.13", "Backend Responses", itCounter, acReadOnly},
    {"1.3.6.1.4.1.746.12.3.6.7.1.14", "Backend Access Challenges", itCounter, acReadOnly},
    {"1.3.6.1.4.1.746.12.3.6.7.1.15", "Backend Other Requests ToS upplicant", itCounter, acReadOnly},
    {"1.3.6.1.4.1.746.12.3.6.7.1.16", "Backend NonNakResponses From Supplicant", itCounter, acReadOnly},
    {"1.3.6.1.4.1.746.12.3.6.7.1.17", "Backend Authentication Successes", itCounter, acReadOnly},
    {"1.3.6.1.4.1.746.12.3.6.7.1.18", "Backend Authentication Fails", itCounter, acReadOnly},
    {},
};

constexpr MibTableRow MBASessionStatisticsTable[] = {
    {" ", "Port Number", itInteger, acNotAccess},
    {" ", "Original VID", itInteger, acNotAccess},
    {" ", "MAC Address", itOctetString, acNotAccess},
    {"1.3.6.1.4.1.746.12.3.6.8.1.1", "Octets RX", itCounter64, acReadOnly},
    {"1.3.6.1.4.1.746.12.3.6.8.1.2", "Octets TX", itCounter64, acReadOnly},
    {"1.3.6.1.4.1.746.12.3.6.8.1.3", "Frames RX", itCounter, acReadOnly},
    {"1.3.6.1.4.1.746.12.3.6.8.1.4", "Frames TX", itCounter, acReadOnly},
    {"1.3.6.1.4.1.746.12.3.6.8.1.5", "Session ID", itDisplayString, acReadOnly},
    {"1.3.6.1.4.1.746.12.3.6.8.1.6", "AuthenticMethod", itInteger, acReadOnly,
     &RemoteAuthServerLocalAuthServerList},
    {"1.3.6.1.4.1.746.12.3.6.8.1.7", "Session Time", itTimeTicks, acReadOnly},
    {"1.3.6.1.4.1.746.12.3.6.8.1.8", "Terminate Cause", itInteger, acReadOnly,
     &SupplicantLogoffPortFailureSupplicantResList},
    {"1.3.6.1.4.1.746.12.3.6.8.1.9", "User Name", itDisplayString, acReadOnly},
    {},
};

constexpr MibTableRow MBAStatisticsInformationTable[] = {
    {" ", "Port Number", itInteger, acNotAccess},
    {" ", "Original VID", itInteger, acNotAccess},
    {" ", "MAC Address", itOctetString, acNotAccess},
    {"1.3.6.1.4.1.746.12.3.6.6.1.1", "Frames RX", itCounter, acReadOnly},
    {"1.3.6.1.4.1.746.12.3.6.6.1.2", "Frames TX", itCounter, acReadOnly},
    {"1.3.6.1.4.1.746.12.3.6.6.1.3", "Start Frames RX", itCounter, acReadOnly},
    {"1.3.6.1.4.1.746.12.3.6.6.1.4", "Logoff Frames RX", itCounter, acReadOnly},
    {"1.3.6.1.4.1.746.12.3.6.6.1.5", "RespId Frames RX", itCounter, acReadOnly},
    {"1.3.6.1.4.1.746.12.3.6.6.1.6", "RespFrames RX", itCounter, acReadOnly},
    {"1.3.6.1.4.1.746.12.3.6.6.1.7", "Request ID Frames TX", itCounter, acReadOnly},
    {"1.3.6.1.4.1.746.12.3.6.6.1.8", "Request Frames TX", itCounter, acReadOnly},
    {"1.3.6.1.4.1.746.12.3.6.6.1.9", "Invalid Eapol Frames RX", itCounter, acReadOnly},
    {"1.3.6.1.4.1.746.12.3.6.6.1.10", "Eap Length Error Frames RX", itCounter, acReadOnly},
    {"1.3.6.1.4.1.746.12.3.6.6.1.11", "Last Eapol Frame Version", itGauge, acReadOnly},
    {"1.3.6.1.4.1.746.12.3.6.6.1.12", "Last Eapol Frame Source", itMacAddress, acReadOnly},
    {},
};
