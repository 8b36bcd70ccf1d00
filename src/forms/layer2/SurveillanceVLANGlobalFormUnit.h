// The surveillance VLAN's global settings: its ID, global state, priority, aging time and log state, and
// the ports in it (see VlanGlobalSettingsForm.h).
#pragma once

#include "VlanGlobalSettingsForm.h"

class TSurveillanceVLANGlobalForm : public TVlanGlobalSettingsForm {
public:
    explicit TSurveillanceVLANGlobalForm(TComponent* owner);
};

// The dialog while its menu command shows it.
extern TSurveillanceVLANGlobalForm* SurveillanceVLANGlobalForm;
