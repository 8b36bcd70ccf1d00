#include "LedPanelForm.h"

#include "DeviceModels.h"
#include "LedColorMaps.h"
#include "Oid_system.h"
#include "PanelPictures.h"
#include "TApplication.h"
#include "TImage.h"
#include "TImageList.h"
#include "TLabel.h"
#include "TPanel.h"
#include "TStaticText.h"
#include "TStatusBar.h"

#include <algorithm>
#include <map>
#include <stdexcept>

namespace {

int HexDigit(char c) {
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    return -1;
}

} // namespace

ComboMedia MediaOfOctet(int v) {
    if ((v & 0x37) == 0x03)
        return ComboMedia::Sfp;
    if ((v & 0x37) == 0x23)
        return ComboMedia::Copper;
    if ((v & 0x62) == 0x62 || (v & 0x61) == 0x61)
        return ComboMedia::Copper;
    if ((v & 0x02) == 0x02)
        return ComboMedia::Sfp;
    return ComboMedia::None;
}

TLedPanelForm::TLedPanelForm(TComponent* owner, PanelModel model, PortPlan plan)
    : TFrontPanelForm(owner), Model(model), Plan(plan) {
    const PanelDesign& design = Design();
    SetBorderStyle(bsNone);
    SetClientWidth(design.ClientWidth);
    SetClientHeight(design.ClientHeight);
    SetColor(clBtnFace);
    CreateDesignControls();
    OnShow = Bind(this, &TLedPanelForm::FormShow);
    OnClose = Bind(this, &TLedPanelForm::FormClose);
    OnDestroy = Bind(this, &TLedPanelForm::FormDestroy);
}

TLedPanelForm::~TLedPanelForm() {
    StopLedRequest();
}

void TLedPanelForm::CreateDesignControls() {
    const PanelDesign& design = Design();
    // The picture first, so that every panel lies over it.
    Image1 = new TImage(this);
    Image1->SetName("Image1");
    Image1->SetParent(this);
    Image1->SetBounds(0, 0, design.ClientWidth, design.ClientHeight);
    Image1->SetAlign(alClient);
    TBitmap picture;
    if (LoadPanelPicture(Model, picture))
        Image1->SetBitmap(picture);

    portspeedled = new TLabel(this);
    portspeedled->SetName("portspeedled");
    portspeedled->SetParent(this);
    portspeedled->SetCaption("portspeedled");
    portspeedled->Hide();
    ST_LEDState = new TStaticText(this);
    ST_LEDState->SetName("ST_LEDState");
    ST_LEDState->SetParent(this);
    ST_LEDState->SetCaption("ST_LEDState");
    ST_LEDState->Hide();

    Image2 = nullptr;
    for (const PanelPart& part : design.Parts) {
        if (part.Kind == PartKind::Digit || part.Kind == PartKind::ModeButton) {
            auto* image = new TImage(this);
            image->SetName(part.Name);
            image->SetParent(this);
            image->SetBounds(part.Left, part.Top, part.Width, part.Height);
            image->SetTransparent(true);
            if (part.Kind == PartKind::Digit)
                Image2 = image;
            continue;
        }
        auto* panel = new TPanel(this);
        panel->SetName(part.Name);
        panel->SetParent(this);
        panel->SetCaption("");
        panel->SetBounds(part.Left, part.Top, part.Width, part.Height);
    }
    RestoreDesignPanels();
}

void TLedPanelForm::RestoreDesignPanels() {
    for (const PanelPart& part : Design().Parts) {
        TPanel* panel = FindPanel(part.Name);
        if (!panel)
            continue;
        // Bodies, strips and the dark LEDs have no outer bevel; the other LED panels have the
        // panel's raised one until a shape is put on them.
        const bool flat = part.Dark || part.Kind == PartKind::Body || part.Kind == PartKind::Strip;
        panel->SetBevelInner(bvNone);
        panel->SetBevelOuter(flat ? bvNone : bvRaised);
        panel->SetColor(part.Dark ? clBlack : clBtnFace);
        panel->Show();
    }
}

TPanel* TLedPanelForm::FindPanel(std::string_view name) const {
    return dynamic_cast<TPanel*>(FindComponent(name));
}

// ---- the build of the link-state models

void TLedPanelForm::BuildPanelLeds() {
    Host = CurrentFrontPanelHost();
    try {
        if (!ReadStatus()) {
            ReportUnsupportedModel();
            return;
        }
        CreateLedRequest();
        RegisterSystemLeds(Plan.SdCardBar);
        const std::string code = PortStatusCode();
        StackLeds(code);
        LedRequest->SetDecodeOptions(kLedDecodeOneOctet, 10);
        if (!BuildPorts(code))
            return;
        FinishBuild();
    } catch (const std::exception& e) {
        ReportBuildFailure(e);
    }
}

bool TLedPanelForm::ReadStatus() {
    StatusRequest = std::make_unique<VqSNMPRequest2Edits>(this);
    StatusRequest->Mode = 0;
    // The table follows the agent's sysObjectID, not this form's model: in a stack every unit's
    // status is read under the master's model number.
    const int m = ModelOfSysObjectId(Host.SysObjectId);
    if (m == 0)
        return false;
    StatusRequest->Request.VarList = VqSNMPVarList(PanelZQS441024TCTable.ForModel(m), MVT_SV, 0);
    StatusRequest->Request.VarList.Instance = std::to_string(UnitNumber);
    StatusRequest->BindLabel(0, portspeedled);
    StatusRequest->Get();
    return true;
}

void TLedPanelForm::CreateLedRequest() {
    LedRequest = std::make_unique<VqSNMPRequest2Leds>(this);
    LedRequest->Mode = 0;
    LedRequest->Request.VarList = StatusRequest->Request.VarList;
    LedRequest->Request.VarList.Instance = StatusRequest->Request.VarList.Instance;
}

void TLedPanelForm::Register(TPanel* panel, int octet, const VqSNMPLedColorMapList& map, int start, int gap,
                             int width, int height) {
    if (!panel)
        throw std::logic_error("a panel of the design is missing");
    LedRequest->AddLedRow(0, std::to_string(octet), &map, panel, start, gap, stRectangle, width, height);
}

void TLedPanelForm::RegisterSystemLeds(bool sdCardBar) {
    struct SystemLed {
        const char* Panel;
        int Octet;
        const VqSNMPLedColorMapList& Map;
    };
    const SystemLed leds[] = {
        {"PowerLedPanel", 1, PowerLedColorMap},
        {"RPSPanel", 2, RpsLedColorMap},
        {"ConsoleLedPanel", 3, ConsoleLedColorMap},
        {"MasterPanel", 4, PowerLedColorMap},
        {"FanPanel", 5, FanLedColorMap},
        {"SDCardPanel", 6, SdCardLedColorMap},
    };
    for (const SystemLed& led : leds)
        Register(FindPanel(led.Panel), led.Octet, led.Map, 0, 5, 4, 4);
    if (sdCardBar)
        Register(FindPanel("SDCardPanelLink"), 6, SdCardLinkColorMap, 0, 5, 45, 5);
}

std::string TLedPanelForm::PortStatusCode() const {
    const std::string caption = portspeedled->Caption();
    return caption.size() >= 24 ? caption.substr(20, 4) : std::string();
}

std::string TLedPanelForm::OctetText(int octet) const {
    const std::string caption = portspeedled->Caption();
    const size_t at = static_cast<size_t>(octet) * 2;
    return at + 2 <= caption.size() ? caption.substr(at, 2) : std::string();
}

int TLedPanelForm::OctetValue(int octet) const {
    const std::string text = OctetText(octet);
    if (text.size() != 2 || HexDigit(text[0]) < 0 || HexDigit(text[1]) < 0)
        return -1;
    return HexDigit(text[0]) * 16 + HexDigit(text[1]);
}

ComboMedia TLedPanelForm::MediaOf(int port) const {
    // A value that ends before the port's octet: no media, and the build goes on (one short
    // reply must not leave the panel without digit and polling until the next Refresh).
    const int v = OctetValue(31 + port);
    return v < 0 ? ComboMedia::None : MediaOfOctet(v);
}

std::vector<ComboPanels> TLedPanelForm::ComboPorts() const {
    std::map<int, ComboPanels> combos;
    const PanelDesign& design = Design();
    for (const PanelPart& part : design.Parts)
        if (part.Kind == PartKind::SfpLed)
            combos[part.Port].Port = part.Port;
    for (const PanelPart& part : design.Parts) {
        auto it = combos.find(part.Port);
        if (it == combos.end() || part.Port == 0)
            continue;
        ComboPanels& c = it->second;
        TPanel* panel = FindPanel(part.Name);
        switch (part.Kind) {
        case PartKind::PortLed:
            c.CopperLed = panel;
            break;
        case PartKind::SfpLed:
            c.SfpLed = panel;
            break;
        case PartKind::Body:
            (part.Sfp ? c.SfpBody : c.CopperBody) = panel;
            break;
        case PartKind::Strip:
            (part.Sfp ? c.SfpStrip : c.CopperStrip) = panel;
            break;
        default:
            break;
        }
    }
    std::vector<ComboPanels> ports;
    for (auto& [port, c] : combos)
        ports.push_back(c);
    return ports;
}

void TLedPanelForm::StackLeds(const std::string& code) {
    TPanel* stack1 = FindPanel("Stack1Panel");
    TPanel* stack2 = FindPanel("Stack2Panel");
    if (code == "0102") {
        ShowGreen(stack1);
        ShowGreen(stack2);
    } else if (Host.StackMode == "enabled") {
        Register(stack1, 7, Stack1LedColorMap, 0, 5, 4, 4);
        Register(stack2, 7, Stack2LedColorMap, 0, 5, 4, 4);
    } else {
        Register(stack1, Plan.StackIdOctet, StackIdLedColorMap, 0, 5, 4, 4);
        Register(stack2, Plan.StackIdOctet + 1, StackIdLedColorMap, 0, 5, 4, 4);
    }
}

std::vector<int> TLedPanelForm::PlainPorts() const {
    const std::vector<ComboPanels> combos = ComboPorts();
    std::vector<int> ports;
    for (const PanelPart& part : Design().Parts)
        if (part.Kind == PartKind::PortLed &&
            std::none_of(combos.begin(), combos.end(),
                         [&](const ComboPanels& c) { return c.Port == part.Port; }))
            ports.push_back(part.Port);
    std::sort(ports.begin(), ports.end());
    return ports;
}

PlainPanels TLedPanelForm::PlainPort(int port) const {
    const std::string n = std::to_string(port);
    return {FindPanel("Port" + n + "LedPanel"), FindPanel("Port" + n + "Panel"),
            FindPanel("P" + n + "Panel")};
}

bool TLedPanelForm::BuildPlainPorts(bool polled, int staticBodyWidth) {
    for (int n : PlainPorts()) {
        const PlainPanels p = PlainPort(n);
        if (!p.Complete())
            return false;
        if (polled) {
            ShowPanels({p.Led, p.Body, p.Strip});
            Register(p.Led, 31 + n, PortLedColorMap, 0, 9, 6, 6);
        } else {
            ShowGreen(p.Led);
            ShowPanels({p.Body, p.Strip});
        }
        const int width = polled ? Plan.PlainBodyWidth : staticBodyWidth;
        Register(p.Body, 31 + n, PortBodyColorMap, 0, 9, width, 6);
        Register(p.Strip, 31 + n, PortStripColorMap, 0, 9, width, 3);
    }
    return true;
}

bool TLedPanelForm::BuildPorts(const std::string& code) {
    const bool polled = IsPolledCode(code);
    if (!polled && code != "0102")
        return true; // an unknown code leaves the port panels as the design has them
    if (!BuildPlainPorts(polled, Plan.PlainBodyWidth))
        return false;

    const std::vector<ComboPanels> combos = ComboPorts();
    const int cw = Plan.CopperBodyWidth, sw = Plan.SfpBodyWidth, sl = Plan.SfpLedSize;
    for (const ComboPanels& c : combos) {
        if (!c.Complete())
            return false;
        const int octet = 31 + c.Port;
        const ComboMedia media = MediaOf(c.Port);
        auto registerCopperBody = [&] {
            ShowPanels({c.CopperBody, c.CopperStrip});
            Register(c.CopperBody, octet, PortBodyColorMap, 0, 9, cw, 6);
            Register(c.CopperStrip, octet, PortStripColorMap, 0, 9, cw, 3);
        };
        auto registerSfpBody = [&] {
            ShowPanels({c.SfpBody, c.SfpStrip});
            Register(c.SfpBody, octet, PortBodyColorMap, 0, 9, sw, 6);
            Register(c.SfpStrip, octet, PortStripColorMap, 0, 9, sw, 3);
        };
        if (polled) {
            if (media == ComboMedia::Sfp) {
                ShowPanels({c.SfpLed});
                HidePanels({c.CopperLed, c.CopperBody, c.CopperStrip});
                Register(c.SfpLed, octet, PortLedColorMap, 1, 10, sl, sl);
                registerSfpBody();
            } else if (media == ComboMedia::Copper) {
                ShowPanels({c.CopperLed});
                HidePanels({c.SfpLed, c.SfpBody, c.SfpStrip});
                Register(c.CopperLed, octet, PortLedColorMap, 1, 10, 6, 6);
                registerCopperBody();
            } else {
                HidePanels({c.CopperLed, c.CopperBody, c.CopperStrip, c.SfpLed, c.SfpBody, c.SfpStrip});
            }
            continue;
        }
        // Code "0102": static green LEDs, bodies and strips by the media.
        if (Plan.BothComboLedsGreen) {
            ShowGreen(c.CopperLed);
            ShowGreen(c.SfpLed);
            if (media == ComboMedia::Sfp) {
                HidePanels({c.CopperBody, c.CopperStrip});
                registerSfpBody();
            } else if (media == ComboMedia::Copper) {
                HidePanels({c.SfpBody, c.SfpStrip});
                registerCopperBody();
            } else {
                HidePanels({c.CopperBody, c.CopperStrip, c.SfpBody, c.SfpStrip});
            }
        } else if (media == ComboMedia::Sfp) {
            ShowGreen(c.SfpLed);
            HidePanels({c.CopperLed, c.CopperBody, c.CopperStrip});
            registerSfpBody();
        } else if (media == ComboMedia::Copper) {
            ShowGreen(c.CopperLed);
            HidePanels({c.SfpLed, c.SfpBody, c.SfpStrip});
            registerCopperBody();
        } else {
            HidePanels({c.CopperLed, c.CopperBody, c.CopperStrip, c.SfpLed, c.SfpBody, c.SfpStrip});
        }
    }
    return true;
}

void TLedPanelForm::FinishBuild() {
    TBitmap digit;
    if (Host.UnitDigits && Host.UnitDigits->GetBitmap(UnitNumber - 1, &digit))
        Image2->SetBitmap(digit);
    LedRequest->Request.VarList.DisplayText = " LED Status";
    LedRequest->StartPolling(kPollInterval);
    if (Host.StatusPanel)
        LedRequest->SetStatusPanel(Host.StatusPanel);
}

void TLedPanelForm::ReportUnsupportedModel() {
    TBitmap digit;
    if (Host.UnitDigits && Host.UnitDigits->GetBitmap(UnitNumber - 1, &digit))
        Image2->SetBitmap(digit);
    TStatusPanel* status = Host.StatusPanel;
    if (!status)
        return;
    status->SetText(kUnsupportedModel);
    // The main window's own reads that end its build write their status line after this one:
    // say it again once they are done.
    PostCall(this, [status] { status->SetText(kUnsupportedModel); });
}

void TLedPanelForm::ReportBuildFailure(const std::exception& e) {
    if (!Host.StatusPanel)
        return;
    if (LedRequest) {
        LedRequest->SetStatusPanel(Host.StatusPanel);
        LedRequest->Operation = 0;
        LedRequest->ShowStatus(e.what());
    } else {
        Host.StatusPanel->SetText(e.what());
    }
}

void TLedPanelForm::ShowGreen(TPanel* panel) {
    if (!panel)
        throw std::logic_error("a panel of the design is missing");
    panel->Show();
    panel->SetColor(kLedGreen);
}

void TLedPanelForm::ShowPanels(std::initializer_list<TPanel*> panels) {
    for (TPanel* panel : panels)
        panel->Show();
}

void TLedPanelForm::HidePanels(std::initializer_list<TPanel*> panels) {
    for (TPanel* panel : panels)
        panel->Hide();
}

// ---- regions and closing

void TLedPanelForm::SetLedRegions() {
    for (const LedOutline outline : {LedOutline::Up, LedOutline::Down}) {
        if (outline == LedOutline::Up) {
            RegionPoints[0] = {3, 0};
            RegionPoints[1] = {0, 6};
            RegionPoints[2] = {6, 6};
        } else {
            RegionPoints[0] = {0, 0};
            RegionPoints[1] = {6, 0};
            RegionPoints[2] = {3, 6};
        }
        for (const PanelPart& part : Design().Parts)
            if (part.Outline == outline)
                if (TPanel* panel = FindPanel(part.Name))
                    SetWindowRgn(panel, CreatePolygonRgn(RegionPoints, 3, ALTERNATE), true);
    }
}

void TLedPanelForm::FormShow(TObject*) {
    SetLedRegions();
}

void TLedPanelForm::FreeRequestOnCloseQuery() {
    OnCloseQuery = Bind(this, &TLedPanelForm::FormCloseQuery);
    OnDestroy = nullptr;
}

void TLedPanelForm::FormCloseQuery(TObject*, bool&) {
    StopLedRequest();
}

void TLedPanelForm::FormClose(TObject*, TCloseAction& action) {
    StopLedRequest();
    action = caFree;
}

void TLedPanelForm::FormDestroy(TObject*) {
    StopLedRequest();
}

void TLedPanelForm::StopLedRequest() {
    if (!LedRequest)
        return;
    // Held here, so that nothing run while waiting can free it twice.
    std::unique_ptr<VqSNMPRequest2Leds> request = std::move(LedRequest);
    request->StopPolling();
    request->Request.Active = false;
    const uint64_t bound = ReplyWaitBoundMs(request->Request.Timeout, request->Request.Retries);
    Application->WaitUntil([&] { return !request->Busy; }, bound);
}
