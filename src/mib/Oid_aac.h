// Catalogue tables: access authentication control (1.3.6.1.4.1.746.12.5) and one 1.3.6.1.4.1.746.12.3 table.
#pragma once

#include "MibTableRow.h"

extern const MibTableRow AACGlobalSettings[3];
extern const MibTableRow AACGlobalInformation[8];
extern const MibTableRow AACControlInformationSettings[11];
extern const MibTableRow LoginMethodListMethod1Type[11];
extern const MibTableRow AACApplicationAuthenticationSettings[9];
extern const MibTableRow ServerGroup[19];
extern const MibTableRow LoginMethodListMethod1Type2[11];
extern const MibTableRow ServerInformation[9];
extern const MibTableRow AAASrvCtrlTable[5];
extern const MibTableRow AacAccountPortNumberTable[9];
extern const MibTableRow RADIUSServerTable[9];
extern const MibTableRow AacTACACSStateSettings[7];
extern const MibTableRow ACCTMethodList[11];
