// The DNS resolver tables (1.3.6.1.4.1.746.12.85) that the "DNS Resolver" menu commands open. They
// live in the shell, not in the catalogue: its index lists the tables of the MIB modules only.
#pragma once

#include "MibTableRow.h"

extern const MibTableRow DnsResolverGlobalSettings[3];    // scalars: State, Timeout
extern const MibTableRow DnsStaticNameServerTable[5];     // 1 index
extern const MibTableRow DnsDynamicNameServerTable[4];    // 1 index
extern const MibTableRow DnsStaticHostTable[6];           // 1 index
extern const MibTableRow DnsDynamicHostTable[8];          // 1 index
extern const MibTableRow DnsStaticIPv6NameServerTable[6]; // 1 index
