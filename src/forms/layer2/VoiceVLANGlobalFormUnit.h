// The voice VLAN's global settings: its ID, global state, priority, aging time and log state, and
// the ports in it (see VlanGlobalSettingsForm.h).
#pragma once

#include "VlanGlobalSettingsForm.h"

class TVoiceVLANGlobalForm : public TVlanGlobalSettingsForm {
public:
    explicit TVoiceVLANGlobalForm(TComponent* owner);
};

// The dialog while its menu command shows it.
extern TVoiceVLANGlobalForm* VoiceVLANGlobalForm;
