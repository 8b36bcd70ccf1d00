// The front panel of the 24ZO: combo ports 1-8 (copper and SFP side by side), plain ports 9-24.
#pragma once

#include "LedPanelForm.h"

class TPanelZQS441024SCForm : public TLedPanelForm {
public:
    explicit TPanelZQS441024SCForm(TComponent* owner);

protected:
    // The 24ZO-DC is this form under another picture.
    TPanelZQS441024SCForm(TComponent* owner, PanelModel model);
};
