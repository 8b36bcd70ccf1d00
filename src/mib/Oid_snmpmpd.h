// Catalogue tables: SNMP-MPD-MIB statistics.
#pragma once

#include "MibTableRow.h"

extern const MibTableRow MessageProcessingAndDispatchingSettings[4];
