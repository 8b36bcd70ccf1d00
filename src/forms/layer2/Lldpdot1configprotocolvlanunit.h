// The LLDP-Dot1 configuration protocol VLAN table: per port and protocol VLAN, whether its TLV is sent (a
// member of TLldpDot1ConfigTableForm).
#pragma once

#include "LldpDot1ConfigTableForm.h"

class TLLDPConfigProtocolVLANForm : public TLldpDot1ConfigTableForm {
public:
    explicit TLLDPConfigProtocolVLANForm(TComponent* owner);
};

// The dialog while its menu command shows it.
extern TLLDPConfigProtocolVLANForm* LLDPConfigProtocolVLANForm;
