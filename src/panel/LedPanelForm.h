// The front-panel form of one switch unit, as the six model forms share it: the picture with an
// LED panel, body and strip over every window, built from the model's geometry; the synchronous
// status read; the LED request with one shape per LED; the port-status code, the combo-port media
// decision, the stack LEDs, the unit digit and polling; the triangular port LEDs; closing.
//
// The four link-state models (24RA, 48DA, 24ZO, 24ZO-DC) build with BuildPanelLeds below from
// their port plan; the two PoE models have a build of their own (PoePanelForm.h).
#pragma once

#include "FrontPanelForm.h"
#include "FrontPanelHost.h"
#include "PanelGeometry.h"
#include "VqSNMPRequest2Edits.h"
#include "VqSNMPRequest2Leds.h"
#include "WindowRegion.h"

#include <memory>
#include <string>
#include <string_view>
#include <vector>

class TImage;
class TLabel;
class TPanel;
class TStaticText;

// How the ports of a model are drawn (the shapes' sizes, which are not always their panels').
struct PortPlan {
    int PlainBodyWidth = 23;  // LED 6 x 6; body and strip this wide, 6 and 3 high
    int CopperBodyWidth = 23; // combo copper side: LED 6 x 6 at 1; body and strip
    int SfpLedSize = 5;       // combo SFP side: LED at 1; body and strip
    int SfpBodyWidth = 27;
    int StackIdOctet = 56; // the first of the two stack-ID octets
    bool SdCardBar = true;
    // Code "0102": every combo port shows both its LEDs green (24RA, 24ZO), or only the LED of
    // the side its media chooses (48DA).
    bool BothComboLedsGreen = true;
};

// The panels of one combo (or uplink) port, named as the model's design names them.
struct ComboPanels {
    int Port = 0;
    TPanel* CopperLed = nullptr;
    TPanel* CopperBody = nullptr;
    TPanel* CopperStrip = nullptr;
    TPanel* SfpLed = nullptr;
    TPanel* SfpBody = nullptr;
    TPanel* SfpStrip = nullptr;

    bool Complete() const { return CopperLed && CopperBody && CopperStrip && SfpLed && SfpBody && SfpStrip; }
};

// The panels of a plain port n: "Port<n>LedPanel", "Port<n>Panel" and "P<n>Panel".
struct PlainPanels {
    TPanel* Led = nullptr;
    TPanel* Body = nullptr;
    TPanel* Strip = nullptr;

    bool Complete() const { return Led && Body && Strip; }
};

enum class ComboMedia { None, Copper, Sfp };

// The media of a combo port from its status octet: the first test that holds decides.
ComboMedia MediaOfOctet(int v);

class TLedPanelForm : public TFrontPanelForm {
public:
    static constexpr const char* kUnsupportedModel = "Unsupported model";
    static constexpr int kPollInterval = 500; // x 10 ms

    TLedPanelForm(TComponent* owner, PanelModel model, PortPlan plan);
    ~TLedPanelForm() override;

    TImage* Image1;       // the panel picture
    TImage* Image2;       // the unit digit
    TLabel* portspeedled; // the status octet string as hex text
    TStaticText* ST_LEDState;
    std::unique_ptr<VqSNMPRequest2Leds> LedRequest;
    std::unique_ptr<VqSNMPRequest2Edits> StatusRequest;
    TPoint RegionPoints[3] = {};

    void BuildPanelLeds() override;
    // Clips every port LED panel to its triangle (odd ports up, even down).
    void SetLedRegions();
    void FormShow(TObject* sender);
    void FormClose(TObject* sender, TCloseAction& action);
    void FormCloseQuery(TObject* sender, bool& canClose);
    void FormDestroy(TObject* sender);

    const PanelDesign& Design() const { return DesignOf(Model); }
    TPanel* FindPanel(std::string_view name) const;

protected:
    // Steps of the build that every model runs.
    // Creates and reads StatusRequest; false when the sysObjectID names none of the models.
    bool ReadStatus();
    void CreateLedRequest();
    void RegisterSystemLeds(bool sdCardBar);
    // The four hex digits of octets 10 and 11, "" when the value is too short.
    std::string PortStatusCode() const;
    static bool IsPolledCode(const std::string& code) {
        return code == "0000" || code == "0001" || code == "0002";
    }
    // The two hex digits of an octet of the status text, "" when the value ends before it.
    std::string OctetText(int octet) const;
    // The octet as a number; -1 when the value ends before it or it is no hex.
    int OctetValue(int octet) const;
    ComboMedia MediaOf(int port) const;
    // The combo (uplink) ports of the design, in port order.
    std::vector<ComboPanels> ComboPorts() const;
    // The other ports, in port order, and the panels of one of them found by name.
    std::vector<int> PlainPorts() const;
    PlainPanels PlainPort(int port) const;
    // The plain ports polled (LED, body, strip) or, for code 0102, with static green LEDs and
    // bodies and strips of the given width; false when a port panel is missing.
    bool BuildPlainPorts(bool polled, int staticBodyWidth);
    // Digit, display text, polling every 5 s, status panel 0 as the status target.
    void FinishBuild();
    void ReportUnsupportedModel();
    // A build that raised: the error goes to status panel 0 (through the LED request's status
    // line when it exists).
    void ReportBuildFailure(const std::exception& e);
    // Stops and frees the LED request, waiting (bounded) while a read of it is under way.
    void StopLedRequest();
    // Puts the panels back as the design has them: visible, in their colour, with their bevels.
    void RestoreDesignPanels();
    // The 24ZO's and the PoE forms' handlers: the LED request is freed when the form is asked to
    // close (OnCloseQuery), and no OnDestroy (the destructor still frees what is left).
    void FreeRequestOnCloseQuery();

    // One shape on the panel for the octet, and the panel shown.
    void Register(TPanel* panel, int octet, const VqSNMPLedColorMapList& map, int start, int gap, int width,
                  int height);
    static void ShowGreen(TPanel* panel);
    static void ShowPanels(std::initializer_list<TPanel*> panels);
    static void HidePanels(std::initializer_list<TPanel*> panels);

    const PanelModel Model;
    const PortPlan Plan;
    FrontPanelHost Host; // as it was when the build began

private:
    void CreateDesignControls();
    void StackLeds(const std::string& code);
    // Ports by the code; false when a port panel is missing, which ends the build.
    bool BuildPorts(const std::string& code);
};
