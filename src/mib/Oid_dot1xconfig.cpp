// Columns stay in this order even where their arcs do not ascend: dialogs address them by position.
#include "Oid_dot1xconfig.h"

#include "CatalogueOptionLists.h"

constexpr MibTableRow AuthenticationInformation[] = {
    {"1.3.6.1.2.1.67.1.2.1.1.1", "Unknown Address Packets", itCounter, acReadOnly},
    {"1.3.6.1.2.1.67.1.2.1.1.2", "Authentication Client Identifier", itDisplayString, acReadOnly},
    {},
};

constexpr MibTableRow RADIUSAuthenticationTable[] = {
    {"1.3.6.1.2.1.67.1.2.1.1.3.1.1", "Index", itInteger, acNotAccess},
    {"1.3.6.1.2.1.67.1.2.1.1.3.1.2", "Address", itIpAddress, acReadOnly},
    {"1.3.6.1.2.1.67.1.2.1.1.3.1.3", "Authentication Port Number", itInteger, acReadOnly},
    {"1.3.6.1.2.1.67.1.2.1.1.3.1.4", "Round Trip Time", itTimeTicks, acReadOnly},
    {"1.3.6.1.2.1.67.1.2.1.1.3.1.5", "Access-Requests Packets", itCounter, acReadOnly},
    {"1.3.6.1.2.1.67.1.2.1.1.3.1.6", "Access-Retransmissions Packets", itCounter, acReadOnly},
    {"1.3.6.1.2.1.67.1.2.1.1.3.1.7", "Access-Accepts Packets", itCounter, acReadOnly},
    {"1.3.6.1.2.1.67.1.2.1.1.3.1.8", "Access-Rejects Packets", itCounter, acReadOnly},
    {"1.3.6.1.2.1.67.1.2.1.1.3.1.9", "Access-Challenges Packets", itCounter, acReadOnly},
    {"1.3.6.1.2.1.67.1.2.1.1.3.1.10", "Malformed Access Responses Packets", itCounter, acReadOnly},
    {"1.3.6.1.2.1.67.1.2.1.1.3.1.11", "Bad Authenticators Packets", itCounter, acReadOnly},
    {"1.3.6.1.2.1.67.1.2.1.1.3.1.12", "Pending Requests Packets", itGauge, acReadOnly},
    {"1.3.6.1.2.1.67.1.2.1.1.3.1.13", "Timeout Numbers", itCounter, acReadOnly},
    {"1.3.6.1.2.1.67.1.2.1.1.3.1.14", "Unknown Types Packets", itCounter, acReadOnly},
    {"1.3.6.1.2.1.67.1.2.1.1.3.1.15", "Packets Dropped", itCounter, acReadOnly},
    {},
};

constexpr MibTableRow RADIUSCommandSettings[] = {
    {"1.3.6.1.4.1.746.12.3.7.1", "Port Number", itGauge, acReadWrite},
    {"1.3.6.1.4.1.746.12.3.7.2", "MAC Address", itMacAddress, acReadWrite},
    {},
};

constexpr MibTableRow PAEAuthenticatorSettings[] = {
    {"1.3.6.1.4.1.746.12.3.10.1", "Forward EAPOL PDU", itInteger, acReadWrite, &EnabledDisabledList},
    {"1.3.6.1.4.1.746.12.3.10.2", "Max User", itInteger, acReadWrite},
    {},
};

constexpr MibTableRow ConfigurationTable[] = {
    {" ", "Port Number", itInteger, acNotAccess},
    {"1.3.6.1.4.1.746.12.3.10.3.1.1", "Forward EAPOL PDU", itInteger, acReadWrite, &EnabledDisabledList},
    {"1.3.6.1.4.1.746.12.3.10.3.1.2", "Max User", itInteger, acReadWrite},
    {},
};

constexpr MibTableRow StateTable[] = {
    {"1.3.6.1.4.1.746.12.3.10.4.1.1", "Port Number", itInteger, acNotAccess},
    {"1.3.6.1.4.1.746.12.3.10.4.1.2", "MAC Address", itMacAddress, acNotAccess},
    {"1.3.6.1.4.1.746.12.3.10.4.1.3", "State", itInteger, acReadOnly,
     &AuthenticatingAuthenticatedUnauthorizedList},
    {"1.3.6.1.4.1.746.12.3.10.4.1.4", "Assign VLAN ID", itInteger, acReadOnly},
    {"1.3.6.1.4.1.746.12.3.10.4.1.5", "Assign Priority", itInteger, acReadOnly},
    {"1.3.6.1.4.1.746.12.3.10.4.1.6", "Authenticator PAE State", itInteger, acReadOnly,
     &InitializeDisconnectedConnectingList},
    {"1.3.6.1.4.1.746.12.3.10.4.1.7", "Backend Authentication State", itInteger, acReadOnly,
     &RequestResponseSuccessList},
    {},
};
