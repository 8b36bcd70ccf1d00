// The fixture of the front-panel tests: the simulated switch, a stand-in for the main window's
// status panel and unit digits as the panels' host, and helpers that read what a panel shows.
#pragma once

#include "FrontPanelHost.h"
#include "LedPanelForm.h"
#include "PanelPictures.h"
#include "SimTest.h"
#include "TImageList.h"
#include "TPanel.h"
#include "TStatusBar.h"
#include "UiTesting.h"
#include "VqSNMPSession.h"

#include <QTemporaryDir>

#include <map>
#include <string>
#include <vector>

// The sysObjectID of model arc m.
inline std::string SysObjectIdOf(int m) {
    return "1.3.6.1.4.1.746.10.117." + std::to_string(m) + ".1";
}

// A JSON object of LED octets: {"10": 0, "11": 1}.
inline std::string LedOctets(const std::map<int, int>& octets) {
    std::string json = "{";
    for (const auto& [index, value] : octets)
        json += (json.size() > 1 ? ", \"" : "\"") + std::to_string(index) + "\": " + std::to_string(value);
    return json + "}";
}

// The LED octets for a port-status code "HHLL" (octets 10 and 11) over others.
inline std::map<int, int> WithCode(const std::string& code, std::map<int, int> octets = {}) {
    octets[10] = std::stoi(code.substr(0, 2), nullptr, 16);
    octets[11] = std::stoi(code.substr(2, 2), nullptr, 16);
    return octets;
}

class PanelTest : public SimTest {
protected:
    void SetUp() override {
        SimTest::SetUp();
        CreateGlobalSession(Dir.path().toStdString());
        SessionParameters.Device = {Agent().Address(), static_cast<uint16_t>(Agent().Port())};
        SessionParameters.Security.Version = 1;
        SessionParameters.Timeout = 100;
        Window = CreateForm<TForm>(nullptr);
        Bar = new TStatusBar(Window);
        Bar->SetParent(Window);
        Status = Bar->Panels().Add();
        Digits = new TImageList(Window);
        LoadUnitDigitImages(*Digits);
        PreviousHost = SetFrontPanelHostSource([this] {
            return FrontPanelHost{Digits, Status, SysObjectId, StackMode};
        });
    }
    void TearDown() override {
        SetFrontPanelHostSource(PreviousHost);
        delete Window;
        SimTest::TearDown();
    }

    // A stand-alone unit 1 of the model with this LED status (a JSON octet object or a quoted hex
    // string), and the agent's sysObjectID as the host's.
    void LoadUnitLed(const std::string& model, int m, const std::string& led, const std::string& extra = "") {
        Agent().LoadScenario(R"({"model": ")" + model + R"(", "units": [{"led": )" + led + "}]" + extra +
                             "}");
        SysObjectId = SysObjectIdOf(m);
    }
    void LoadUnit(const std::string& model, int m, const std::map<int, int>& octets,
                  const std::string& extra = "") {
        LoadUnitLed(model, m, LedOctets(octets), extra);
    }

    template <class T> T* Build(int unit = 1) {
        T* form = CreateForm<T>(Window);
        form->UnitNumber = unit;
        form->BuildPanelLeds();
        return form;
    }

    // The LED records whose shape lies on the panel.
    static std::vector<const LedRecord*> ShapesOn(const TLedPanelForm& form, const std::string& panel) {
        std::vector<const LedRecord*> found;
        const TPanel* host = form.FindPanel(panel);
        if (form.LedRequest && host)
            for (const LedRecord& led : form.LedRequest->Leds)
                if (led.Shape->Parent() == host)
                    found.push_back(&led);
        return found;
    }
    // The one shape on the panel: its octet and map; -1 and null when it has none or several.
    static std::pair<int, const VqSNMPLedColorMapList*> OnlyShape(const TLedPanelForm& form,
                                                                  const std::string& panel) {
        const auto shapes = ShapesOn(form, panel);
        if (shapes.size() != 1)
            return {-1, nullptr};
        return {shapes[0]->OctetIndex, shapes[0]->ColorMap};
    }
    static TColor ShownColor(const LedRecord* led) { return led->Shape->Brush()->Color(); }
    static bool Visible(const TLedPanelForm& form, const std::string& panel) {
        const TPanel* p = form.FindPanel(panel);
        return p && p->Visible();
    }
    static TColor PanelColor(const TLedPanelForm& form, const std::string& panel) {
        return form.FindPanel(panel)->Color();
    }

    QTemporaryDir Dir;
    FakeClock Clock;
    ManualTimers Timers;
    TForm* Window = nullptr;
    TStatusBar* Bar = nullptr;
    TStatusPanel* Status = nullptr;
    TImageList* Digits = nullptr;
    std::string SysObjectId = SysObjectIdOf(2);
    std::string StackMode = "disabled";
    FrontPanelHostSource PreviousHost;
};
