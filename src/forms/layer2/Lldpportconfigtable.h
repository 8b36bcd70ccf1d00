// The LLDP port configuration dialog: each port's LLDP admin state, notification switch and the
// basic TLVs it sends (a member of the port configuration dialogs, TLldpPortConfigTableForm).
#pragma once

#include "LldpPortConfigTableForm.h"

class TLLDPPortConfigForm : public TLldpPortConfigTableForm {
public:
    explicit TLLDPPortConfigForm(TComponent* owner);
};

// The dialog while its menu command shows it.
extern TLLDPPortConfigForm* LLDPPortConfigForm;
