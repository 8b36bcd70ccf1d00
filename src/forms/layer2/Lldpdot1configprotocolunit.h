// The LLDP-Dot1 configuration protocol table: per port and protocol index, whether its TLV is sent (a member
// of TLldpDot1ConfigTableForm).
#pragma once

#include "LldpDot1ConfigTableForm.h"

class TLLDPConfigProtocolForm : public TLldpDot1ConfigTableForm {
public:
    explicit TLLDPConfigProtocolForm(TComponent* owner);
};

// The dialog while its menu command shows it.
extern TLLDPConfigProtocolForm* LLDPConfigProtocolForm;
