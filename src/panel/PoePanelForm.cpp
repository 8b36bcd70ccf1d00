#include "PoePanelForm.h"

#include "LedColorMaps.h"
#include "Oid_poe.h"
#include "Oid_system.h"
#include "TComboBox.h"
#include "TImage.h"
#include "TPanel.h"
#include "TStaticText.h"

#include <algorithm>

namespace {

bool IsPoeState(const std::string& text) {
    return text == "01" || text == "02";
}

} // namespace

TPoePanelForm::TPoePanelForm(TComponent* owner, PanelModel model, PortPlan plan, int poeBodyWidth)
    : TLedPanelForm(owner, model, plan), PoeBodyWidth(poeBodyWidth) {
    PoEButtonImage = dynamic_cast<TImage*>(FindComponent("PoEButtonImage"));
    PoEButtonImage->OnClick = Bind(this, &TPoePanelForm::PoEButtonImageClick);
    cmbxPOE = new TComboBox(this);
    cmbxPOE->SetName("cmbxPOE");
    cmbxPOE->SetParent(this);
    cmbxPOE->Hide();
    FreeRequestOnCloseQuery();
}

TPoePanelForm::~TPoePanelForm() = default;

int TPoePanelForm::ModeIndex() const {
    return cmbxPOE->ItemIndex();
}

void TPoePanelForm::BuildPanelLeds() {
    Host = CurrentFrontPanelHost();
    try {
        PortLedStateRequest = std::make_unique<VqSNMPRequest2Edits>(this);
        PortLedStateRequest->Mode = 0;
        PortLedStateRequest->Request.VarList = VqSNMPVarList(LEDStateSettings, SVT_SV, 0);
        PortLedStateRequest->BindStaticText(0, ST_LEDState);

        LedModeRequest = std::make_unique<VqSNMPRequest2Edits>(this);
        LedModeRequest->Request.VarList = VqSNMPVarList(PanelZQS441048PCTable, MVT_SV, 0);
        LedModeRequest->Request.VarList.Instance = std::to_string(UnitNumber);
        LedModeRequest->Mode = 0;
        LedModeRequest->BindComboBox(0, cmbxPOE);
        LedModeRequest->Get();

        if (!ReadStatus()) {
            ReportUnsupportedModel();
            return;
        }
        CreateLedRequest();
        RegisterSystemLeds(Plan.SdCardBar);
        PortLedStateRequest->Get();
        const std::string code = PortStatusCode();
        PoeStackLeds(code);
        Register(FindPanel("LinkPanel"), 8, ConsoleLedColorMap, 0, 5, 5, 5);
        Register(FindPanel("PoEPanel"), 8, StackIdLedColorMap, 0, 5, 5, 5);
        LedRequest->SetDecodeOptions(kLedDecodeOneOctet, 10);

        // An unreadable or unknown code leaves the ports as the design has them, as on the
        // link-state panels; only "0102" makes them static green.
        const bool polled = IsPolledCode(code);
        // Static green LEDs keep 22-pixel bodies on both models.
        if ((polled || code == "0102") && !BuildPlainPorts(polled, 22))
            return;
        BuildPoeAndUplinkLeds();
        FinishBuild();
    } catch (const std::exception& e) {
        ReportBuildFailure(e);
    }
}

void TPoePanelForm::BuildPoeAndUplinkLeds() {
    try {
        StatusRequest->Get();
        LedModeRequest->Get();
        PortLedStateRequest->Get();
        const std::string code = PortStatusCode();
        const int mode = ModeIndex();
        const std::vector<ComboPanels> uplinks = ComboPorts();
        if (std::any_of(uplinks.begin(), uplinks.end(), [](const ComboPanels& c) { return !c.Complete(); }))
            return;
        const int cw = Plan.CopperBodyWidth, sw = Plan.SfpBodyWidth, sl = Plan.SfpLedSize, pw = PoeBodyWidth;
        auto linkBodies = [&](const ComboPanels& c, ComboMedia media) {
            const int octet = 31 + c.Port;
            if (media == ComboMedia::Sfp) {
                HidePanels({c.CopperBody, c.CopperStrip});
                Register(c.SfpBody, octet, PortBodyColorMap, 0, 9, sw, 6);
                Register(c.SfpStrip, octet, PortStripColorMap, 0, 9, sw, 3);
            } else if (media == ComboMedia::Copper) {
                HidePanels({c.SfpBody, c.SfpStrip});
                Register(c.CopperBody, octet, PortBodyColorMap, 0, 9, cw, 6);
                Register(c.CopperStrip, octet, PortStripColorMap, 0, 9, cw, 3);
            } else {
                HidePanels({c.CopperBody, c.CopperStrip, c.SfpBody, c.SfpStrip});
            }
        };
        auto poeBodies = [&](TPanel* body, TPanel* strip, int octet) {
            Register(body, octet, PoePortBodyColorMap, 0, 9, pw, 6);
            Register(strip, octet, PoePortStripColorMap, 0, 9, pw, 3);
        };

        if (IsPolledCode(code) && mode == 0) {
            for (const ComboPanels& c : uplinks) {
                const int octet = 31 + c.Port;
                const ComboMedia media = MediaOf(c.Port);
                if (media == ComboMedia::Sfp) {
                    ShowPanels({c.SfpLed});
                    HidePanels({c.CopperLed});
                    Register(c.SfpLed, octet, PortLedColorMap, 1, 10, sl, sl);
                } else if (media == ComboMedia::Copper) {
                    ShowPanels({c.CopperLed});
                    HidePanels({c.SfpLed});
                    Register(c.CopperLed, octet, PortLedColorMap, 1, 10, 6, 6);
                } else {
                    HidePanels({c.CopperLed, c.SfpLed});
                }
                linkBodies(c, media);
            }
            // A stack-ID octet with bit 0x02 hides both stack LEDs; an octet the value does not
            // reach has no bit set.
            const int id1 = OctetValue(Plan.StackIdOctet), id2 = OctetValue(Plan.StackIdOctet + 1);
            if ((id1 >= 0 && (id1 & 0x02)) || (id2 >= 0 && (id2 & 0x02)))
                HidePanels({FindPanel("Stack1Panel"), FindPanel("Stack2Panel")});
        } else if (IsPolledCode(code)) {
            for (int n : PlainPorts()) {
                const PlainPanels p = PlainPort(n);
                if (!p.Complete())
                    return;
                if (IsPoeState(OctetText(31 + n))) {
                    Register(p.Led, 31 + n, PoePortLedColorMap, 0, 9, 6, 6);
                    poeBodies(p.Body, p.Strip, 31 + n);
                } else {
                    HidePanels({p.Led, p.Body, p.Strip});
                }
            }
            for (const ComboPanels& c : uplinks) {
                const std::string text = OctetText(31 + c.Port);
                if (text == "00") {
                    HidePanels({c.CopperLed, c.CopperBody, c.CopperStrip, c.SfpLed, c.SfpBody, c.SfpStrip});
                } else {
                    Register(c.CopperLed, 31 + c.Port, PoePortLedColorMap, 0, 9, 6, 6);
                    poeBodies(c.CopperBody, c.CopperStrip, 31 + c.Port);
                }
            }
        } else if (code == "0102" && mode == 0) {
            for (const ComboPanels& c : uplinks) {
                ShowGreen(c.CopperLed);
                ShowGreen(c.SfpLed);
                linkBodies(c, MediaOf(c.Port));
            }
        } else if (code == "0102") {
            for (int n : PlainPorts()) {
                const PlainPanels p = PlainPort(n);
                if (!p.Complete())
                    return;
                ShowGreen(p.Led);
                if (IsPoeState(OctetText(31 + n)))
                    poeBodies(p.Body, p.Strip, 31 + n);
                else
                    HidePanels({p.Body, p.Strip});
            }
            for (const ComboPanels& c : uplinks) {
                ShowGreen(c.CopperLed);
                ShowGreen(c.SfpLed);
                if (OctetText(31 + c.Port) == "00")
                    HidePanels({c.CopperBody, c.CopperStrip, c.SfpBody, c.SfpStrip});
                else
                    poeBodies(c.CopperBody, c.CopperStrip, 31 + c.Port);
            }
        }
        PoeStackLeds(code);
    } catch (const std::exception& e) {
        // The build goes on to the digit and polling, but the failure is said.
        ReportBuildFailure(e);
    }
}

void TPoePanelForm::PoeStackLeds(const std::string& code) {
    TPanel* stack1 = FindPanel("Stack1Panel");
    TPanel* stack2 = FindPanel("Stack2Panel");
    const int mode = ModeIndex();
    if (code == "0102") {
        ShowGreen(stack1);
        ShowGreen(stack2);
        return;
    }
    int first = 0;
    if (Host.StackMode == "enabled") {
        first = 7;
    } else if (Host.StackMode == "disabled") {
        if (ST_LEDState->Caption() != "enabled") {
            HidePanels({stack1, stack2});
            return;
        }
        first = Plan.StackIdOctet;
    } else {
        return;
    }
    if (mode == 1) {
        HidePanels({stack1, stack2});
    } else if (mode == 0) {
        ShowPanels({stack1, stack2});
        const bool octet7 = first == 7;
        Register(stack1, first, octet7 ? Stack1LedColorMap : StackIdLedColorMap, 0, 5, 4, 4);
        Register(stack2, octet7 ? 7 : first + 1, octet7 ? Stack2LedColorMap : StackIdLedColorMap, 0, 5, 4, 4);
    }
}

void TPoePanelForm::PoEButtonImageClick(TObject*) {
    try {
        // A build that ended before its requests existed has no mode to flip: build again.
        if (!LedModeRequest) {
            ReleaseBuild();
            BuildPanelLeds();
            return;
        }
        LedModeRequest->Get();
        cmbxPOE->SetItemIndex(ModeIndex() == 0 ? 1 : 0);
        // A refused SET is reported by the request's message box; the panel is built again in
        // either case and shows the mode the switch reports.
        LedModeRequest->Set(false, true);
        ReleaseBuild();
        BuildPanelLeds();
    } catch (const std::exception& e) {
        ReportBuildFailure(e);
    }
}

void TPoePanelForm::ReleaseBuild() {
    std::vector<std::pair<TShape*, std::weak_ptr<const bool>>> shapes;
    if (LedRequest)
        for (const LedRecord& led : LedRequest->Leds)
            shapes.emplace_back(led.Shape, led.ShapeAlive);
    StopLedRequest();
    for (auto& [shape, alive] : shapes)
        if (IsAlive(alive))
            delete shape;
    StatusRequest.reset();
    LedModeRequest.reset();
    PortLedStateRequest.reset();
    RestoreDesignPanels();
}
