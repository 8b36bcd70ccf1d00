// The LLDP IEEE 802.3 local link aggregation table: each local port's aggregation state as names
// and its aggregated port's ID, read only (a member of TLldpNamedListForm).
#pragma once

#include "LldpNamedListForm.h"

class TLLDPDot3LinkAggForm : public TLldpNamedListForm {
public:
    explicit TLLDPDot3LinkAggForm(TComponent* owner);
};

// The dialog while its menu command shows it.
extern TLLDPDot3LinkAggForm* LLDPDot3LinkAggForm;
