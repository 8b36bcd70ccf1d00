// Catalogue tables: web-based access control (1.3.6.1.4.1.746.12.27).
#pragma once

#include "MibTableRow.h"

extern const MibTableRow WacAdministrationStateSettings[20];
extern const MibTableRow WACGlobalSettings[22];
extern const MibTableRow WacAdministrationStateSettings2[20];
extern const MibTableRow WACAuthenticationInformationTable[10];
extern const MibTableRow PortManagementStateTable[6];
extern const MibTableRow UserManagementTable[5];
