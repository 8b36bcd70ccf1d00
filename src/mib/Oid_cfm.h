// Catalogue tables: IEEE 802.1ag CFM, 1.3.6.1.4.1.746.12.86 and per-model CFM tables
// (1.3.6.1.4.1.746.11.117.m.1.2.1).
#pragma once

#include "MibModelSet.h"

ZQS_DECLARE_MODEL_SET(CFMGlobalStateSettings, 2);
ZQS_DECLARE_MODEL_SET(CFMPortTable, 3);
extern const MibTableRow CFMStackTable[9];
extern const MibTableRow CfmVLANPrimaryIDTable[5];
extern const MibTableRow CfmMDTableNextIndexSettings[2];
extern const MibTableRow CFMMDTable[8];
extern const MibTableRow CFMMANetTable[7];
extern const MibTableRow CFMMAComponentTable[9];
extern const MibTableRow CFMMAMEPListTable[5];
extern const MibTableRow CFMMEPTable[38];
extern const MibTableRow CFMLinktraceRepliesTable[16];
extern const MibTableRow CFMMEPDatabaseTable[11];
extern const MibTableRow CFMExtensionFaultTable[12];
extern const MibTableRow CFMExtensionLockControlTable[6];
extern const MibTableRow TrapStateSettings[3];
