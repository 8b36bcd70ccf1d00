// Columns stay in this order even where their arcs do not ascend: dialogs address them by position.
#include "Oid_trusthost.h"

#include "CatalogueOptionLists.h"

constexpr MibTableRow TrustHostDeleteAllStateSettings[] = {
    {"1.3.6.1.4.1.746.12.1.2.10.2", "Delete All Trusted Host", itInteger, acReadWrite, &NoneStartList},
    {},
};

constexpr MibTableRow TrustedHostTable[] = {
    {"1.3.6.1.4.1.746.12.1.2.10.1.1.1", "Index", itInteger, acNotAccess},
    {"1.3.6.1.4.1.746.12.1.2.10.1.1.2", "IP Address", itIpAddress, acReadWrite},
    {"1.3.6.1.4.1.746.12.1.2.10.1.1.3", "Row Status", itInteger, acReadWrite, &ActiveCreateAndGoDestroyList},
    {"1.3.6.1.4.1.746.12.1.2.10.1.1.4", "IP Subnet Mask", itIpAddress, acReadWrite},
    {"1.3.6.1.4.1.746.12.1.2.10.1.1.5", "For SNMP", itInteger, acReadWrite, &EnabledDisabledList},
    {"1.3.6.1.4.1.746.12.1.2.10.1.1.6", "For Telnet", itInteger, acReadWrite, &EnabledDisabledList},
    {"1.3.6.1.4.1.746.12.1.2.10.1.1.7", "For SSH", itInteger, acReadWrite, &EnabledDisabledList},
    {"1.3.6.1.4.1.746.12.1.2.10.1.1.8", "For HTTP", itInteger, acReadWrite, &EnabledDisabledList},
    {"1.3.6.1.4.1.746.12.1.2.10.1.1.9", "For HTTPs", itInteger, acReadWrite, &EnabledDisabledList},
    {"1.3.6.1.4.1.746.12.1.2.10.1.1.10", "For Ping", itInteger, acReadWrite, &EnabledDisabledList},
    {"1.3.6.1.4.1.746.12.1.2.10.1.1.11", "Address Type", itInteger, acReadWrite, &Ipv4Ipv6List},
    {"1.3.6.1.4.1.746.12.1.2.10.1.1.12", "Address", itInetAddress, acReadWrite},
    {"1.3.6.1.4.1.746.12.1.2.10.1.1.13", "IPv6 Prefix Length", itInteger, acReadWrite},
    {},
};

constexpr MibTableRow TrusthostIPAddressTable[] = {
    {"1.3.6.1.4.1.746.12.1.2.10.1.1.1", "Index", itInteger, acNotAccess},
    {"1.3.6.1.4.1.746.12.1.2.10.1.1.2", "IP Address", itIpAddress, acReadWrite},
    {"1.3.6.1.4.1.746.12.1.2.10.1.1.3", "Row Status", itInteger, acReadWrite, &ActiveCreateAndGoDestroyList},
    {"1.3.6.1.4.1.746.12.1.2.10.1.1.4", "IP Subnet Mask", itIpAddress, acReadWrite},
    {"1.3.6.1.4.1.746.12.1.2.10.1.1.5", "For SNMP", itInteger, acReadWrite, &EnabledDisabledList},
    {"1.3.6.1.4.1.746.12.1.2.10.1.1.6", "For Telnet", itInteger, acReadWrite, &EnabledDisabledList},
    {"1.3.6.1.4.1.746.12.1.2.10.1.1.7", "For SSH", itInteger, acReadWrite, &EnabledDisabledList},
    {"1.3.6.1.4.1.746.12.1.2.10.1.1.8", "For HTTP", itInteger, acReadWrite, &EnabledDisabledList},
    {"1.3.6.1.4.1.746.12.1.2.10.1.1.9", "For HTTPs", itInteger, acReadWrite, &EnabledDisabledList},
    {"1.3.6.1.4.1.746.12.1.2.10.1.1.10", "For Ping", itInteger, acReadWrite, &EnabledDisabledList},
    {},
};
