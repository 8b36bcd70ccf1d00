// The front panel of the 24RA.
#pragma once

#include "LedPanelForm.h"

class TPanelZQS441024TCForm : public TLedPanelForm {
public:
    explicit TPanelZQS441024TCForm(TComponent* owner);
};
