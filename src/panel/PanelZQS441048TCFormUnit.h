// The front panel of the 48DA.
#pragma once

#include "LedPanelForm.h"

class TPanelZQS441048TCForm : public TLedPanelForm {
public:
    explicit TPanelZQS441048TCForm(TComponent* owner);
};
