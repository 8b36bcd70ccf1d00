// The front panel of the 24ZO-DC: the 24ZO's under its own picture.
#pragma once

#include "PanelZQS441024SCFormUnit.h"

class TPanelZQS441024SCDCForm : public TPanelZQS441024SCForm {
public:
    explicit TPanelZQS441024SCDCForm(TComponent* owner);
};
