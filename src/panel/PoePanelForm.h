// The front panel of the two PoE models (48RO, 24DA). Besides the link-state panel it reads the
// unit's LED mode ("normal" or "poe") and the switch's Port LED State; in mode "poe" the ports are
// painted with the PoE colour maps and a port whose state octet is 00 is not drawn. A click on the
// mode button writes the other mode to the switch and builds the panel again on the same form; a
// rebuild first puts every panel back as the design has it, so that it equals a fresh build.
#pragma once

#include "LedPanelForm.h"

class TComboBox;

class TPoePanelForm : public TLedPanelForm {
public:
    TPoePanelForm(TComponent* owner, PanelModel model, PortPlan plan, int poeBodyWidth);
    ~TPoePanelForm() override;

    TImage* PoEButtonImage;
    TComboBox* cmbxPOE; // the LED mode read from the switch: "normal" 0, "poe" 1, none -1
    std::unique_ptr<VqSNMPRequest2Edits> LedModeRequest;
    std::unique_ptr<VqSNMPRequest2Edits> PortLedStateRequest;

    void BuildPanelLeds() override;
    void BuildPoeAndUplinkLeds();
    void PoEButtonImageClick(TObject* sender);

private:
    int ModeIndex() const;
    void PoeStackLeds(const std::string& code);
    // Frees the requests and the shapes of the last build and restores the design's panels.
    void ReleaseBuild();

    const int PoeBodyWidth;
};
