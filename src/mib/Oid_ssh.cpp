// Columns stay in this order even where their arcs do not ascend: dialogs address them by position.
#include "Oid_ssh.h"

#include "CatalogueOptionLists.h"

constexpr MibTableRow SSHGlobalSettings[] = {
    {"1.3.6.1.4.1.746.12.6.1.1", "Version", itInteger, acReadOnly},
    {"1.3.6.1.4.1.746.12.6.1.2", "Admin", itInteger, acReadWrite, &DisabledEnabledList},
    {"1.3.6.1.4.1.746.12.6.1.3", "Max Authentication Fail Attempts", itInteger, acReadWrite},
    {"1.3.6.1.4.1.746.12.6.1.4", "Session Key Rekeying", itInteger, acReadWrite, &NeverTenMinThirtyMinList},
    {"1.3.6.1.4.1.746.12.6.1.5", "Max Session", itInteger, acReadWrite},
    {"1.3.6.1.4.1.746.12.6.1.6", "Connection Timeout", itInteger, acReadWrite},
    {"1.3.6.1.4.1.746.12.6.1.7", "Listened Port", itInteger, acReadWrite},
    {"1.3.6.1.4.1.746.12.6.1.8", "Bypass Login Screen State", itInteger, acReadWrite, &EnabledDisabledList},
    {},
};

constexpr MibTableRow DiffieHellmanAlgorithmControlSettings[] = {
    {"1.3.6.1.4.1.746.12.6.3.4", "Key Expand Admin", itInteger, acReadOnly, &DisabledEnabledList},
    {},
};

constexpr MibTableRow SSHEncryptionAlgorithmSettings[] = {
    {"1.3.6.1.4.1.746.12.6.3.1.1", "3DES State", itInteger, acReadWrite, &DisabledEnabledList},
    {"1.3.6.1.4.1.746.12.6.3.1.2", "Blowfish State", itInteger, acReadWrite, &DisabledEnabledList},
    {"1.3.6.1.4.1.746.12.6.3.1.3", "AES128 State", itInteger, acReadWrite, &DisabledEnabledList},
    {"1.3.6.1.4.1.746.12.6.3.1.4", "AES192 State", itInteger, acReadWrite, &DisabledEnabledList},
    {"1.3.6.1.4.1.746.12.6.3.1.5", "AES256 State", itInteger, acReadWrite, &DisabledEnabledList},
    {"1.3.6.1.4.1.746.12.6.3.1.6", "Arcfour State", itInteger, acReadWrite, &DisabledEnabledList},
    {"1.3.6.1.4.1.746.12.6.3.1.7", "Cast128 State", itInteger, acReadWrite, &DisabledEnabledList},
    {"1.3.6.1.4.1.746.12.6.3.1.8", "Twofish128 State", itInteger, acReadWrite, &DisabledEnabledList},
    {"1.3.6.1.4.1.746.12.6.3.1.9", "Twofish192 State", itInteger, acReadWrite, &DisabledEnabledList},
    {"1.3.6.1.4.1.746.12.6.3.1.10", "Twofish256 State", itInteger, acReadWrite, &DisabledEnabledList},
    {"1.3.6.1.4.1.746.12.6.3.3.1", "SHA1 State", itInteger, acReadWrite, &DisabledEnabledList},
    {"1.3.6.1.4.1.746.12.6.3.3.2", "MD5 State", itInteger, acReadWrite, &DisabledEnabledList},
    {"1.3.6.1.4.1.746.12.6.3.5.1", "RSA State", itInteger, acReadWrite, &DisabledEnabledList},
    {"1.3.6.1.4.1.746.12.6.3.5.2", "DSA State", itInteger, acReadWrite, &DisabledEnabledList},
    {},
};

constexpr MibTableRow SSHAuthenticationMethodSettings[] = {
    {"1.3.6.1.4.1.746.12.6.3.2.1", "Password Authentication Admin", itInteger, acReadWrite,
     &DisabledEnabledList},
    {"1.3.6.1.4.1.746.12.6.3.2.2", "Public Key Authentication Admin", itInteger, acReadWrite,
     &DisabledEnabledList},
    {"1.3.6.1.4.1.746.12.6.3.2.3", "Host Key Authentication Admin", itInteger, acReadWrite,
     &DisabledEnabledList},
    {},
};

constexpr MibTableRow HMACAlgorithmControlSettings[] = {
    {"1.3.6.1.4.1.746.12.6.3.3.1", "HMAC-SHA1 Admin", itInteger, acReadWrite, &DisabledEnabledList},
    {"1.3.6.1.4.1.746.12.6.3.3.2", "HMAC-MD5 Admin", itInteger, acReadWrite, &DisabledEnabledList},
    {},
};

constexpr MibTableRow PublicKeyAlgorithmControlSettings[] = {
    {"1.3.6.1.4.1.746.12.6.3.5.1", "RSA state", itInteger, acReadWrite, &DisabledEnabledList},
    {"1.3.6.1.4.1.746.12.6.3.5.2", "DSA state", itInteger, acReadWrite, &DisabledEnabledList},
    {},
};

constexpr MibTableRow SSHUserControlTable[] = {
    {"1.3.6.1.4.1.746.12.6.4.1.1.1", "Name", itDisplayString, acNotAccess},
    {"1.3.6.1.4.1.746.12.6.4.1.1.2", "Authentication Mode", itInteger, acReadWrite,
     &HostbasedPasswordPublickeyList},
    {"1.3.6.1.4.1.746.12.6.4.1.1.3", "Host Name", itDisplayString, acReadWrite},
    {"1.3.6.1.4.1.746.12.6.4.1.1.4", "Host IP Address", itIpAddress, acReadWrite},
    {"1.3.6.1.4.1.746.12.6.4.1.1.5", "Host IPv6 Address", itIpv6Address, acReadWrite},
    {},
};

constexpr MibTableRow SSHPublicKeyManagementSettings[] = {
    {"1.3.6.1.4.1.746.12.6.5.1", "TFTP Server IP Address Type", itInteger, acReadWrite, &UnknownIpv4Ipv6List},
    {"1.3.6.1.4.1.746.12.6.5.2", "TFTP Server IP Address", itInetAddress, acReadWrite},
    {"1.3.6.1.4.1.746.12.6.5.3", "TFTP Server File Name", itDisplayString, acReadWrite},
    {"1.3.6.1.4.1.746.12.6.5.10", "Key Action", itInteger, acReadWrite, &DownloadUploadOtherList},
    {},
};

constexpr MibTableRow PulicKeyOwnerTable[] = {
    {"1.3.6.1.4.1.746.12.6.5.11.1.1", "Entry Index", itGauge, acNotAccess},
    {"1.3.6.1.4.1.746.12.6.5.11.1.2", "Key Index", itGauge, acReadWrite},
    {"1.3.6.1.4.1.746.12.6.5.11.1.3", "Type", itInteger, acReadOnly, &RsaDsaList},
    {"1.3.6.1.4.1.746.12.6.5.11.1.4", "String", itDisplayString, acReadOnly},
    {"1.3.6.1.4.1.746.12.6.5.11.1.5", "User Name", itDisplayString, acReadWrite},
    {"1.3.6.1.4.1.746.12.6.5.11.1.20", "Status", itInteger, acReadWrite, &AddCreateAndGoDeleteList},
    {},
};
