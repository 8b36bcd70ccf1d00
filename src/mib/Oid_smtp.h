// Catalogue tables: SMTP (1.3.6.1.4.1.746.12.29).
#pragma once

#include "MibTableRow.h"

extern const MibTableRow SMTPControlSettings[9];
extern const MibTableRow MailReceiverTable[4];
