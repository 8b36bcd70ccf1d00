// Catalogue tables: SSH (1.3.6.1.4.1.746.12.6).
#pragma once

#include "MibTableRow.h"

extern const MibTableRow SSHGlobalSettings[9];
extern const MibTableRow DiffieHellmanAlgorithmControlSettings[2];
extern const MibTableRow SSHEncryptionAlgorithmSettings[15];
extern const MibTableRow SSHAuthenticationMethodSettings[4];
extern const MibTableRow HMACAlgorithmControlSettings[3];
extern const MibTableRow PublicKeyAlgorithmControlSettings[3];
extern const MibTableRow SSHUserControlTable[6];
extern const MibTableRow SSHPublicKeyManagementSettings[5];
extern const MibTableRow PulicKeyOwnerTable[7];
