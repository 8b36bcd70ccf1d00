// The LLDP-Dot1 configuration VLAN name table: per port and VLAN, whether its TLV is sent (a member of
// TLldpDot1ConfigTableForm).
#pragma once

#include "LldpDot1ConfigTableForm.h"

class TLLDPConfigVLANNameForm : public TLldpDot1ConfigTableForm {
public:
    explicit TLLDPConfigVLANNameForm(TComponent* owner);
};

// The dialog while its menu command shows it.
extern TLLDPConfigVLANNameForm* LLDPConfigVLANNameForm;
