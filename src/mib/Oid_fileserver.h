// Catalogue tables: firmware and configuration file server (1.3.6.1.4.1.746.12.82) and NLB FDB
// (1.3.6.1.4.1.746.12.77).
#pragma once

#include "MibTableRow.h"

extern const MibTableRow FileserverLoadTypeTable[13];
extern const MibTableRow FileSystemTable[10];
extern const MibTableRow ServerConfigurationTable[5];
extern const MibTableRow NLBMulticastFDBTable[5];
extern const MibTableRow NLBUnicastFDBTable[4];
