// The front panel of the 24DA, a PoE model.
#pragma once

#include "PoePanelForm.h"

class TPanelZQS441024PCForm : public TPoePanelForm {
public:
    explicit TPanelZQS441024PCForm(TComponent* owner);
};
