// Columns stay in this order even where their arcs do not ascend: dialogs address them by position.
#include "Oid_ssl.h"

#include "CatalogueOptionLists.h"

constexpr MibTableRow SSLManagementSettings[] = {
    {"1.3.6.1.4.1.746.12.7.1.1", "Status Administration", itInteger, acReadWrite, &DisabledEnabledList},
    {"1.3.6.1.4.1.746.12.7.1.2", "Cipher Suites", itBitString, acReadWrite},
    {"1.3.6.1.4.1.746.12.7.1.3", "Cache Timeout", itGauge, acReadWrite},
    {},
};

constexpr MibTableRow SSLCertificateSettings[] = {
    {"1.3.6.1.4.1.746.12.7.1.4", "Certificate Chain Default", itInteger, acReadWrite,
     &OtherInactiveStartList},
    {"1.3.6.1.4.1.746.12.7.1.6", "Certificate Chain Certlist", itDisplayString, acReadWrite},
    {},
};

constexpr MibTableRow SSLCertificateFileSettings[] = {
    {"1.3.6.1.4.1.746.12.7.2.1", "IP Address", itIpAddress, acReadWrite},
    {"1.3.6.1.4.1.746.12.7.2.2", "Path", itDisplayString, acReadWrite},
    {"1.3.6.1.4.1.746.12.7.2.3", "Key File Path", itDisplayString, acReadWrite},
    {"1.3.6.1.4.1.746.12.7.2.4", "File Control", itInteger, acReadWrite, &OtherInactiveStartList2},
    {"1.3.6.1.4.1.746.12.7.2.5", "File Show State", itInteger, acReadOnly, &NoneRsaDsaList},
    {},
};

constexpr MibTableRow CertificateFileTable[] = {
    {"1.3.6.1.4.1.746.12.7.3.1.1", "ID", itInteger, acNotAccess},
    {"1.3.6.1.4.1.746.12.7.3.1.2", "Version", itInteger, acReadOnly},
    {"1.3.6.1.4.1.746.12.7.3.1.3", "Serial Number", itDisplayString, acReadOnly},
    {"1.3.6.1.4.1.746.12.7.3.1.4", "Issuer Name", itDisplayString, acReadOnly},
    {"1.3.6.1.4.1.746.12.7.3.1.5", "Subject Name", itDisplayString, acReadOnly},
    {"1.3.6.1.4.1.746.12.7.3.1.6", "Not Before", itDisplayString, acReadOnly},
    {"1.3.6.1.4.1.746.12.7.3.1.7", "Not After", itDisplayString, acReadOnly},
    {"1.3.6.1.4.1.746.12.7.3.1.8", "Public Key Algorithm", itDisplayString, acReadOnly},
    {"1.3.6.1.4.1.746.12.7.3.1.9", "Signed Using", itDisplayString, acReadOnly},
    {"1.3.6.1.4.1.746.12.7.3.1.10", "RSA Key Size", itDisplayString, acReadOnly},
    {},
};
