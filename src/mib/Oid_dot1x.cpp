// Columns stay in this order even where their arcs do not ascend: dialogs address them by position.
#include "Oid_dot1x.h"

#include "CatalogueOptionLists.h"

constexpr MibTableRow Ieee8021XConfiguration[] = {
    {"1.0.8802.1.1.1.1.1.1", "Authentication Control", itInteger, acReadWrite, &EnabledDisabledList},
    {},
};

constexpr MibTableRow Ieee8021XPortTable[] = {
    {"1.0.8802.1.1.1.1.1.2.1.1", "Port Number", itInteger, acNotAccess},
    {"1.0.8802.1.1.1.1.1.2.1.2", "Protocol Version", itGauge, acReadOnly},
    {"1.0.8802.1.1.1.1.1.2.1.3", "Capabilities", itBitString, acReadOnly},
    {"1.0.8802.1.1.1.1.1.2.1.4", "Initialize", itInteger, acReadWrite, &TruthValueList},
    {"1.0.8802.1.1.1.1.1.2.1.5", "Reauthenticate", itInteger, acReadWrite, &TruthValueList},
    {},
};

constexpr MibTableRow Ieee8021XPortConfiguration[] = {
    {"1.0.8802.1.1.1.1.1.2.1.1", "Port Number", itInteger, acNotAccess},
    {"1.0.8802.1.1.1.1.2.1.1.1", "PAE State", itInteger, acReadOnly, &InitializeDisconnectedConnectingList},
    {"1.0.8802.1.1.1.1.2.1.1.2", "Backend State", itInteger, acReadOnly, &RequestResponseSuccessList},
    {"1.0.8802.1.1.1.1.2.1.1.3", "Administrative Controlled Directions", itInteger, acReadWrite, &BothInList},
    {"1.0.8802.1.1.1.1.2.1.1.4", "Operational Controlled Directions", itInteger, acReadOnly, &BothInList},
    {"1.0.8802.1.1.1.1.2.1.1.5", "Port Status", itInteger, acReadOnly, &AuthorizedUnauthorizedList},
    {"1.0.8802.1.1.1.1.2.1.1.6", "Port Control", itInteger, acReadWrite,
     &ForceUnauthorizeAutoForceAuthorizedList},
    {"1.0.8802.1.1.1.1.2.1.1.7", "Quiet Period", itGauge, acReadWrite},
    {"1.0.8802.1.1.1.1.2.1.1.8", "TX Period", itGauge, acReadWrite},
    {"1.0.8802.1.1.1.1.2.1.1.9", "Supp Timeout", itGauge, acReadWrite},
    {"1.0.8802.1.1.1.1.2.1.1.10", "Server Timeout", itGauge, acReadWrite},
    {"1.0.8802.1.1.1.1.2.1.1.11", "Max Request", itGauge, acReadWrite},
    {"1.0.8802.1.1.1.1.2.1.1.12", "ReAuthenticate Period", itGauge, acReadWrite},
    {"1.0.8802.1.1.1.1.2.1.1.13", "ReAuthenticate Enabled", itInteger, acReadWrite, &TruthValueList},
    {},
};

constexpr MibTableRow Ieee8021XPortStatistics[] = {
    {"1.0.8802.1.1.1.1.1.2.1.1", "Port Number", itInteger, acNotAccess},
    {"1.0.8802.1.1.1.1.2.2.1.1", "EAPOL Frames RX", itCounter, acReadOnly},
    {"1.0.8802.1.1.1.1.2.2.1.2", "EAPOL Frames TX", itCounter, acReadOnly},
    {"1.0.8802.1.1.1.1.2.2.1.3", "EAPOL Start Frames RX", itCounter, acReadOnly},
    {"1.0.8802.1.1.1.1.2.2.1.4", "EAPOL Logoff Frames RX", itCounter, acReadOnly},
    {"1.0.8802.1.1.1.1.2.2.1.5", "EAPOL Response/IP Frames RX", itCounter, acReadOnly},
    {"1.0.8802.1.1.1.1.2.2.1.6", "EAPOL Response Frames RX", itCounter, acReadOnly},
    {"1.0.8802.1.1.1.1.2.2.1.7", "EAPOL Request/ID Frames TX", itCounter, acReadOnly},
    {"1.0.8802.1.1.1.1.2.2.1.8", "EAPOL Response Frames TX", itCounter, acReadOnly},
    {"1.0.8802.1.1.1.1.2.2.1.9", "Invalid EAPOL Frames RX", itCounter, acReadOnly},
    {"1.0.8802.1.1.1.1.2.2.1.10", "EAPOL Length Error Frames RX", itCounter, acReadOnly},
    {"1.0.8802.1.1.1.1.2.2.1.11", "Last EAPOL Frame Version", itGauge, acReadOnly},
    {"1.0.8802.1.1.1.1.2.2.1.12", "Last EAPOL Frame Source", itMacAddress, acReadOnly},
    {},
};

constexpr MibTableRow Ieee8021XPortDiagnosticsTable[] = {
    {"1.0.8802.1.1.1.1.1.2.1.1", "Port Number", itInteger, acNotAccess},
    {"1.0.8802.1.1.1.1.2.3.1.1", "Enters Connecting", itCounter, acReadOnly},
    {"1.0.8802.1.1.1.1.2.3.1.2", "Eap Logoffs While Connecting", itCounter, acReadOnly},
    {"1.0.8802.1.1.1.1.2.3.1.3", "Enters Authenticating", itCounter, acReadOnly},
    {"1.0.8802.1.1.1.1.2.3.1.4", "Authentication Success While Authenticating", itCounter, acReadOnly},
    {"1.0.8802.1.1.1.1.2.3.1.5", "Authentication Timeouts While Authenticating", itCounter, acReadOnly},
    {"1.0.8802.1.1.1.1.2.3.1.6", "Authentication Fail While Authenticating", itCounter, acReadOnly},
    {"1.0.8802.1.1.1.1.2.3.1.7", "Authentication Reauths While Authenticating", itCounter, acReadOnly},
    {"1.0.8802.1.1.1.1.2.3.1.8", "Authentication Eap Starts While Authenticating", itCounter, acReadOnly},
    {"1.0.8802.1.1.1.1.2.3.1.9", "Authentication Eap Logoff While Authenticating", itCounter, acReadOnly},
    {"1.0.8802.1.1.1.1.2.3.1.10", "Authentication Reauths While Authenticated", itCounter, acReadOnly},
    {"1.0.8802.1.1.1.1.2.3.1.11", "Authentication Eap Starts While Authenticated", itCounter, acReadOnly},
    {"1.0.8802.1.1.1.1.2.3.1.12", "Authentication Eap Logoff While Authenticated", itCounter, acReadOnly},
    {"1.0.8802.1.1.1.1.2.3.1.13", "Backend Responses", itCounter, acReadOnly},
    {"1.0.8802.1.1.1.1.2.3.1.14", "Backend Access Challenges", itCounter, acReadOnly},
    {"1.0.8802.1.1.1.1.2.3.1.15", "Backend Other Requests To Supplicant", itCounter, acReadOnly},
    {"1.0.8802.1.1.1.1.2.3.1.16", "Backend NonNak Responses From Supplicant", itCounter, acReadOnly},
    {"1.0.8802.1.1.1.1.2.3.1.17", "Backend Authentication Successes", itCounter, acReadOnly},
    {"1.0.8802.1.1.1.1.2.3.1.18", "Backend Authentication Fails", itCounter, acReadOnly},
    {},
};

constexpr MibTableRow Ieee8021XPortSessionStatistics[] = {
    {"", "Port Number", itInteger, acNotAccess},
    {"1.0.8802.1.1.1.1.2.4.1.1", "Octets RX", itCounter64, acReadOnly},
    {"1.0.8802.1.1.1.1.2.4.1.2", "Octets TX", itCounter64, acReadOnly},
    {"1.0.8802.1.1.1.1.2.4.1.3", "Frames RX", itCounter, acReadOnly},
    {"1.0.8802.1.1.1.1.2.4.1.4", "Frames TX", itCounter, acReadOnly},
    {"1.0.8802.1.1.1.1.2.4.1.5", "ID", itDisplayString, acReadOnly},
    {"1.0.8802.1.1.1.1.2.4.1.6", "Authentic Method", itInteger, acReadOnly,
     &RemoteAuthServerLocalAuthServerList},
    {"1.0.8802.1.1.1.1.2.4.1.7", "Time", itTimeTicks, acReadOnly},
    {"1.0.8802.1.1.1.1.2.4.1.8", "Terminate Cause", itInteger, acReadOnly,
     &SupplicantLogoffPortFailureSupplicantResList},
    {"1.0.8802.1.1.1.1.2.4.1.9", "User Name", itDisplayString, acReadOnly},
    {},
};

constexpr MibTableRow Dot1xPAEStateTable[] = {
    {"1.0.8802.1.1.1.1.1.2.1.1", "Port Number", itInteger, acNotAccess},
    {"1.0.8802.1.1.1.1.3.1.1.1", "PAE State", itInteger, acReadOnly, &DisconnectedLogoffConnectingList},
    {"1.0.8802.1.1.1.1.3.1.1.2", "Held Period", itGauge, acReadWrite},
    {"1.0.8802.1.1.1.1.3.1.1.3", "Authentication Period", itGauge, acReadWrite},
    {"1.0.8802.1.1.1.1.3.1.1.4", "Start Period", itGauge, acReadWrite},
    {"1.0.8802.1.1.1.1.3.1.1.5", "Max Start", itGauge, acReadWrite},
    {},
};

constexpr MibTableRow Dot1xEAPOLFramesRXTable[] = {
    {"1.0.8802.1.1.1.1.1.2.1.1", "Port Number", itInteger, acNotAccess},
    {"1.0.8802.1.1.1.1.3.2.1.1", "EAPOL Frames RX", itCounter, acReadOnly},
    {"1.0.8802.1.1.1.1.3.2.1.2", "EAPOL Frames TX", itCounter, acReadOnly},
    {"1.0.8802.1.1.1.1.3.2.1.3", "EAPOL Start Frames TX", itCounter, acReadOnly},
    {"1.0.8802.1.1.1.1.3.2.1.4", "EAPOL Logoff Frames TX", itCounter, acReadOnly},
    {"1.0.8802.1.1.1.1.3.2.1.5", "EAPOL Response ID Frames TX", itCounter, acReadOnly},
    {"1.0.8802.1.1.1.1.3.2.1.6", "EAPOL Response Frames TX", itCounter, acReadOnly},
    {"1.0.8802.1.1.1.1.3.2.1.7", "EAPOL Request ID Frames RX", itCounter, acReadOnly},
    {"1.0.8802.1.1.1.1.3.2.1.8", "EAPOL Request Frames RX", itCounter, acReadOnly},
    {"1.0.8802.1.1.1.1.3.2.1.9", "Invalid EAPOL Frames RX", itCounter, acReadOnly},
    {"1.0.8802.1.1.1.1.3.2.1.10", "EAPOL Length Error Frames RX", itCounter, acReadOnly},
    {"1.0.8802.1.1.1.1.3.2.1.11", "Last EAPOL Frame Version", itGauge, acReadOnly},
    {"1.0.8802.1.1.1.1.3.2.1.12", "Last EAPOL Frame Source", itMacAddress, acReadOnly},
    {},
};

constexpr MibTableRow GuestVlanGuestVLANNameSettings[] = {
    {"1.3.6.1.4.1.746.12.30.1.1", "Guest VLAN Name", itDisplayString, acReadWrite},
    {"1.3.6.1.4.1.746.12.30.1.2", "Guest VLAN Port", itBitList, acReadWrite},
    {},
};

constexpr MibTableRow GuestVlanGuestVLANDeleteStateSettings[] = {
    {"1.3.6.1.4.1.746.12.30.1.3", "Guest VLAN Delete State", itInteger, acReadWrite, &NoneStartList},
    {},
};

constexpr MibTableRow GuestVlanGuestVLANNameSettings2[] = {
    {"1.3.6.1.4.1.746.12.30.1.1", "Guest VLAN Name", itDisplayString, acReadWrite},
    {},
};

constexpr MibTableRow TrapTrapStateSettings[] = {
    {"1.3.6.1.4.1.746.12.30.10", "Trap State", itInteger, acReadWrite, &EnabledDisabledList},
    {},
};

constexpr MibTableRow MACBasedPAEPortControlTable[] = {
    {"1.3.6.1.4.1.746.12.3.9.2.1.1", "Port", itInteger, acNotAccess},
    {"1.3.6.1.4.1.746.12.3.9.2.1.2", "MAC Address", itMacAddress, acNotAccess},
    {"1.3.6.1.4.1.746.12.3.9.2.1.3", "Initialize or Reauthenticate State", itInteger, acReadWrite,
     &OtherInitializeReauthenticateList},
    {},
};
