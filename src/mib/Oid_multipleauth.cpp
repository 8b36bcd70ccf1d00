// Columns stay in this order even where their arcs do not ascend: dialogs address them by position.
#include "Oid_multipleauth.h"

#include "CatalogueOptionLists.h"

constexpr MibTableRow PortAuthenticationModeTable[] = {
    {"1.3.6.1.4.1.746.12.3.11.1.1.1", "Index", itInteger, acNotAccess},
    {"1.3.6.1.4.1.746.12.3.11.1.1.2", "Authentication Mode", itInteger, acReadWrite, &HostbasedPortbasedList},
    {"1.3.6.1.4.1.746.12.3.11.1.1.3", "Port Method", itInteger, acReadWrite, &NoneAnyDot1xImpbList},
    {"1.3.6.1.4.1.746.12.3.11.1.1.4", "Authentication VLANs", itDisplayString, acReadWrite},
    {},
};

constexpr MibTableRow PortAuthenticationModeTable2[] = {
    {"1.3.6.1.4.1.746.12.3.11.1.1.1", "Index", itInteger, acNotAccess},
    {"1.3.6.1.4.1.746.12.3.11.1.1.2", "Authentication Mode", itInteger, acReadWrite, &HostbasedPortbasedList},
    {"1.3.6.1.4.1.746.12.3.11.1.1.4", "Authentication VLANs", itDisplayString, acReadWrite},
    {},
};

constexpr MibTableRow MultpAuthGuestVlanTable[] = {
    {"1.3.6.1.4.1.746.12.3.11.2.1.1", "VLAN ID", itInteger, acNotAccess},
    {"1.3.6.1.4.1.746.12.3.11.2.1.2", "VLAN Ports", itBitList, acReadWrite},
    {"1.3.6.1.4.1.746.12.3.11.2.1.3", "Row Status", itInteger, acReadWrite, &ActiveCreateAndGoDestroyList},
    {},
};

constexpr MibTableRow CompoundAuthenticationNetworkSettings[] = {
    {"1.3.6.1.4.1.746.12.3.11.3", "Authorization Attributes", itInteger, acReadWrite, &EnabledDisabledList},
    {"1.3.6.1.4.1.746.12.3.11.4", "Authentication Server Failover State", itInteger, acReadWrite,
     &BlockLocalPermitList},
    {"1.3.6.1.4.1.746.12.3.11.5", "Format Case", itInteger, acReadWrite, &UppercaseLowercaseList},
    {"1.3.6.1.4.1.746.12.3.11.6", "Format Delimiter", itInteger, acReadWrite, &NoneHyphenColonList},
    {"1.3.6.1.4.1.746.12.3.11.7", "Format Delimiter Number", itInteger, acReadWrite,
     &DelimiterNumber1DelimiterNumber2DelimiteList},
    {},
};
