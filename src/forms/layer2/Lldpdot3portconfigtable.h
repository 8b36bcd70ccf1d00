// The LLDP IEEE 802.3 port configuration dialog: the 802.3 TLVs each port sends (a member of the
// port configuration dialogs, TLldpPortConfigTableForm). Its chooser hides powerViaMDI, whose bit
// passes through unchanged.
#pragma once

#include "LldpPortConfigTableForm.h"

class TLLDPDot3PortConfigForm : public TLldpPortConfigTableForm {
public:
    explicit TLLDPDot3PortConfigForm(TComponent* owner);
};

// The dialog while its menu command shows it.
extern TLLDPDot3PortConfigForm* LLDPDot3PortConfigForm;
