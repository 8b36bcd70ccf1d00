// Catalogue tables: SSL (1.3.6.1.4.1.746.12.7).
#pragma once

#include "MibTableRow.h"

extern const MibTableRow SSLManagementSettings[4];
extern const MibTableRow SSLCertificateSettings[3];
extern const MibTableRow SSLCertificateFileSettings[6];
extern const MibTableRow CertificateFileTable[11];
