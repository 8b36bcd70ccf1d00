// The LLDP remote systems table: every neighbour the switch has learnt, its supported and enabled
// capabilities as names, read only (a member of TLldpNamedListForm).
#pragma once

#include "LldpNamedListForm.h"

class TLLDPRemoteForm : public TLldpNamedListForm {
public:
    explicit TLLDPRemoteForm(TComponent* owner);
};

// The dialog while its menu command shows it.
extern TLLDPRemoteForm* LLDPRemoteForm;
