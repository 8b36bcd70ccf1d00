// The front panel of the 48RO, a PoE model.
#pragma once

#include "PoePanelForm.h"

class TPanelZQS441048PCForm : public TPoePanelForm {
public:
    explicit TPanelZQS441048PCForm(TComponent* owner);
};
