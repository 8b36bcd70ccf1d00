#include "PoePanelForm.h"

#include "LedColorMaps.h"
#include "PanelTestSupport.h"
#include "PanelZQS441024PCFormUnit.h"
#include "PanelZQS441048PCFormUnit.h"
#include "TComboBox.h"
#include "TImage.h"
#include "TStaticText.h"
#include "TTimer.h"
#include "VqMessageTable.h"

#include <gtest/gtest.h>

namespace poe_panel_form_test {

namespace {

constexpr const char* kLedMode = "1.3.6.1.4.1.746.12.24.1.11.1.5";
constexpr const char* kPortLedState = "1.3.6.1.4.1.746.12.11.1.13.1.0";

// The unit's LED mode (1 normal, 2 poe) and the switch's Port LED State (1 enabled, 2 disabled).
std::string PoeObjects(int ledMode, int portLedState = 1, int unit = 1) {
    return R"(, "objects": [[")" + std::string(kLedMode) + "." + std::to_string(unit) + R"(", "int", )" +
           std::to_string(ledMode) + R"(, "rw"], [")" + kPortLedState + R"(", "int", )" +
           std::to_string(portLedState) + R"(, "rw"]])";
}

// The panels of an uplink port, as the model's design names them.
struct UplinkPanels {
    const char* CopperLed;
    const char* CopperBody;
    const char* CopperStrip;
    const char* SfpLed;
    const char* SfpBody;
};

struct PoeModel {
    const char* Name;
    int Arc;
    int Uplink; // the first uplink port
    int StackIdOctet;
    UplinkPanels First, Second; // the first two uplink ports
};

const PoeModel k48RO{"48RO",
                     6,
                     45,
                     80,
                     {"Port45LedPanel", "Port45Panel", "P45Panel", "Port45LedPanelF", "Port46Panel"},
                     {"Port46LedPanel", "Port47Panel", "P47Panel", "Port46LedPanelF", "Port48Panel"}};
const PoeModel k24DA{"24DA",
                     3,
                     21,
                     56,
                     {"Port21LedPanel", "Port21Panel", "P21Panel", "Port22LedPanel", "Port22Panel"},
                     {"Port23LedPanel", "Port23Panel", "P23Panel", "Port24LedPanel", "Port24Panel"}};

// The three codes whose ports are polled: each draws the PoE models alike.
constexpr const char* kPolledCodes[] = {"0000", "0001", "0002"};

class PoePanelFormTest : public PanelTest {
protected:
    TPoePanelForm* BuildModel(const PoeModel& model, const std::map<int, int>& octets, int ledMode,
                              int portLedState = 1) {
        LoadUnit(model.Name, model.Arc, octets, PoeObjects(ledMode, portLedState));
        TPoePanelForm* form = model.Arc == 6
                                  ? static_cast<TPoePanelForm*>(CreateForm<TPanelZQS441048PCForm>(Window))
                                  : CreateForm<TPanelZQS441024PCForm>(Window);
        form->UnitNumber = 1;
        form->BuildPanelLeds();
        return form;
    }
    static std::vector<const VqSNMPLedColorMapList*> Maps(const TLedPanelForm& form,
                                                          const std::string& panel) {
        std::vector<const VqSNMPLedColorMapList*> maps;
        for (const LedRecord* led : ShapesOn(form, panel))
            maps.push_back(led->ColorMap);
        return maps;
    }
};

} // namespace

// Mode "normal", under each polled code: the ports show link state, the uplinks their media, and
// the mode LEDs octet 8.
TEST_F(PoePanelFormTest, NormalModePaintsLinkStateAndTheModeLeds) {
    for (const PoeModel* model : {&k48RO, &k24DA})
        for (const char* code : kPolledCodes) {
            SCOPED_TRACE(std::string(model->Name) + " code " + code);
            TPoePanelForm* form =
                BuildModel(*model, WithCode(code, {{8, 2}, {32, 4}, {31 + model->Uplink, 0x43}}), 1);
            EXPECT_EQ(form->cmbxPOE->ItemIndex(), 0);
            ASSERT_EQ(Maps(*form, "Port1LedPanel"), std::vector{&PortLedColorMap});
            EXPECT_EQ(Maps(*form, "Port1Panel"), std::vector{&PortBodyColorMap});
            EXPECT_EQ(ShapesOn(*form, "Port1LedPanel")[0]->Color, clLime);
            EXPECT_EQ(ShapesOn(*form, "LinkPanel")[0]->Color, clLime);
            EXPECT_EQ(ShapesOn(*form, "PoEPanel")[0]->Color, clBlack);
            // 0x43: SFP.
            EXPECT_TRUE(Visible(*form, model->First.SfpLed));
            EXPECT_EQ(Maps(*form, model->First.SfpLed), std::vector{&PortLedColorMap});
            EXPECT_EQ(Maps(*form, model->First.SfpBody), std::vector{&PortBodyColorMap});
            EXPECT_FALSE(Visible(*form, model->First.CopperLed));
            EXPECT_FALSE(Visible(*form, model->First.CopperBody));
            EXPECT_TRUE(form->LedRequest->PollTimer->Running());
            EXPECT_TRUE(form->LedRequest->HasStatusTarget());
            delete form;
        }
}

// Mode "poe", under each polled code: ports at 00 (and at any state but 01 and 02) are not drawn;
// 01 and 02 are painted with the PoE maps over the link-state shapes; an uplink at 00 disappears
// with both its sides, any other paints its copper side with the PoE maps whatever its media.
TEST_F(PoePanelFormTest, PoeModeDrawsOnlyPoweredPorts) {
    for (const PoeModel* model : {&k48RO, &k24DA})
        for (const char* code : kPolledCodes) {
            SCOPED_TRACE(std::string(model->Name) + " code " + code);
            const int uplink = 31 + model->Uplink;
            TPoePanelForm* form = BuildModel(
                *model, WithCode(code, {{32, 0}, {33, 1}, {34, 2}, {35, 3}, {uplink, 0}, {uplink + 1, 0x43}}),
                2);
            EXPECT_EQ(form->cmbxPOE->ItemIndex(), 1);
            for (const char* hidden :
                 {"Port1LedPanel", "Port1Panel", "P1Panel", "Port4LedPanel", "Port4Panel"})
                EXPECT_FALSE(Visible(*form, hidden)) << hidden;
            ASSERT_EQ(Maps(*form, "Port2LedPanel"), (std::vector{&PortLedColorMap, &PoePortLedColorMap}));
            EXPECT_EQ(Maps(*form, "P3Panel"), (std::vector{&PortStripColorMap, &PoePortStripColorMap}));
            EXPECT_EQ(ShapesOn(*form, "Port2LedPanel")[1]->Color, kLedOrange);
            ASSERT_EQ(ShapesOn(*form, "Port3Panel").size(), 2u);
            EXPECT_EQ(ShapesOn(*form, "Port3Panel")[1]->Color, kLedMidGreen);
            for (const char* hidden : {model->First.CopperLed, model->First.SfpLed, model->First.CopperBody,
                                       model->First.CopperStrip, model->First.SfpBody})
                EXPECT_FALSE(Visible(*form, hidden)) << hidden;
            EXPECT_EQ(Maps(*form, model->Second.CopperLed), std::vector{&PoePortLedColorMap});
            EXPECT_EQ(Maps(*form, model->Second.CopperBody), std::vector{&PoePortBodyColorMap});
            EXPECT_TRUE(Maps(*form, model->Second.SfpLed).empty()) << "no media decision in mode poe";
            delete form;
        }
}

// The toggle writes the other mode (2, then 1) and builds the panel again on the same form, which
// then equals a fresh build: one LED request, one build's shapes, every panel as the design has it.
TEST_F(PoePanelFormTest, ModeButtonWritesTheOtherModeAndRebuilds) {
    // Uplink 45 at 0x43 is an SFP port: mode "normal" hides its copper side, which mode "poe"
    // paints; port 1 at 00 is not drawn in mode "poe".
    const std::map<int, int> octets = WithCode("0001", {{32, 0}, {33, 1}, {76, 0x43}});
    TPoePanelForm* form = BuildModel(k48RO, octets, 1);
    const size_t normalShapes = form->LedRequest->Leds.size();
    EXPECT_FALSE(Visible(*form, "Port45LedPanel"));
    Agent().ClearSetLog();
    auto sameAsFresh = [&](int ledMode) {
        TPoePanelForm* fresh = BuildModel(k48RO, octets, ledMode);
        for (const char* panel : {"Port1LedPanel", "Port1Panel", "Port45LedPanel", "Port45Panel",
                                  "Port45LedPanelF", "Port46Panel", "Stack1Panel", "Stack2Panel"}) {
            EXPECT_EQ(Visible(*form, panel), Visible(*fresh, panel)) << panel << " mode " << ledMode;
            EXPECT_EQ(Maps(*form, panel), Maps(*fresh, panel)) << panel << " mode " << ledMode;
            EXPECT_EQ(PanelColor(*form, panel), PanelColor(*fresh, panel)) << panel << " mode " << ledMode;
        }
        EXPECT_EQ(form->LedRequest->Leds.size(), fresh->LedRequest->Leds.size()) << "mode " << ledMode;
        delete fresh;
    };

    form->PoEButtonImage->OnClick(form->PoEButtonImage);
    ASSERT_EQ(Agent().SetLog().size(), 1u);
    EXPECT_EQ(Agent().SetLog()[0].VarBinds[0].Oid, std::string(kLedMode) + ".1");
    EXPECT_EQ(Agent().SetLog()[0].VarBinds[0].Value, SimValue::Int(2));
    EXPECT_EQ(form->cmbxPOE->ItemIndex(), 1);
    EXPECT_FALSE(Visible(*form, "Port1LedPanel")) << "port 1 is at 00";
    EXPECT_TRUE(Visible(*form, "Port45LedPanel")) << "the copper side that mode normal hid";
    sameAsFresh(2);

    form->PoEButtonImage->OnClick(form->PoEButtonImage);
    ASSERT_EQ(Agent().SetLog().size(), 2u);
    EXPECT_EQ(Agent().SetLog()[1].VarBinds[0].Value, SimValue::Int(1));
    EXPECT_EQ(form->cmbxPOE->ItemIndex(), 0);
    EXPECT_TRUE(Visible(*form, "Port1LedPanel"));
    EXPECT_EQ(form->LedRequest->Leds.size(), normalShapes);
    int timers = 0, shapes = 0;
    for (int i = 0; i < form->ComponentCount(); ++i) {
        timers += dynamic_cast<TTimer*>(form->Components(i)) != nullptr;
        shapes += dynamic_cast<TShape*>(form->Components(i)) != nullptr;
    }
    EXPECT_EQ(timers, 2) << "one LED request polls";
    EXPECT_EQ(shapes, static_cast<int>(normalShapes));
    sameAsFresh(1);
}

// A refused SET is reported by the request's message box; the panel is rebuilt with the mode the
// switch still reports.
TEST_F(PoePanelFormTest, RefusedModeWriteLeavesTheModeTheSwitchReports) {
    TPoePanelForm* form = BuildModel(k24DA, WithCode("0001"), 1);
    Agent().InjectError(kLedMode, "genErr", SimOp::Set);
    ScriptedDialogs dialogs;
    dialogs.Expect(MessageOfCode(-105));
    form->PoEButtonImage->OnClick(form->PoEButtonImage);
    EXPECT_EQ(form->cmbxPOE->ItemIndex(), 0);
    EXPECT_TRUE(form->LedRequest->PollTimer->Running());
}

// On a stand-alone switch the stack-ID LEDs show only when the Port LED State is "enabled" and the
// mode "normal"; in a stack, mode "poe" hides the stack LEDs.
TEST_F(PoePanelFormTest, StackLedsFollowPortLedStateAndMode) {
    struct Case {
        const char* StackMode;
        int PortLedState, LedMode;
        bool Shown;
        int FirstOctet;
    };
    const Case cases[] = {
        {"disabled", 1, 1, true, 80}, {"disabled", 2, 1, false, 0}, {"disabled", 1, 2, false, 0},
        {"enabled", 1, 1, true, 7},   {"enabled", 2, 2, false, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.StackMode) + " " + std::to_string(c.PortLedState) + " " +
                     std::to_string(c.LedMode));
        StackMode = c.StackMode;
        TPoePanelForm* form =
            BuildModel(k48RO, WithCode("0001", {{80, 4}, {81, 0}, {7, 3}}), c.LedMode, c.PortLedState);
        EXPECT_EQ(Visible(*form, "Stack1Panel"), c.Shown);
        EXPECT_EQ(Visible(*form, "Stack2Panel"), c.Shown);
        if (c.Shown) {
            ASSERT_FALSE(ShapesOn(*form, "Stack1Panel").empty());
            EXPECT_EQ(ShapesOn(*form, "Stack1Panel").back()->OctetIndex, c.FirstOctet);
            EXPECT_EQ(ShapesOn(*form, "Stack1Panel").back()->Color, clLime);
        }
        delete form;
    }
}

// Code 0102: static green port LEDs over 22-pixel polled bodies; in mode "poe" the uplinks show
// both LEDs green and, unless at 00, PoE-coloured copper bodies. Another code leaves the ports as
// the design has them (no static green).
TEST_F(PoePanelFormTest, StaticGreenOnlyForCode0102) {
    TPoePanelForm* form = BuildModel(k24DA, WithCode("0102", {{32, 1}, {52, 1}, {53, 0}}), 2);
    EXPECT_EQ(PanelColor(*form, "Port1LedPanel"), clLime);
    ASSERT_FALSE(ShapesOn(*form, "Port1Panel").empty());
    EXPECT_EQ(ShapesOn(*form, "Port1Panel")[0]->Shape->Width(), 22);
    EXPECT_EQ(PanelColor(*form, "Port21LedPanel"), clLime);
    EXPECT_EQ(PanelColor(*form, "Port22LedPanel"), clLime);
    EXPECT_EQ(Maps(*form, "Port21Panel"), std::vector{&PoePortBodyColorMap});
    EXPECT_FALSE(Visible(*form, "Port23Panel")) << "uplink 22 is at 00";
    delete form;

    for (const char* code : {"0100", "short"}) {
        const std::string led = std::string(code) == "short" ? "\"00010000\"" : LedOctets(WithCode(code));
        LoadUnitLed("24DA", 3, led, PoeObjects(1));
        auto* other = Build<TPanelZQS441024PCForm>();
        EXPECT_EQ(PanelColor(*other, "Port1LedPanel"), clBtnFace) << code;
        EXPECT_TRUE(ShapesOn(*other, "Port1LedPanel").empty()) << code;
        EXPECT_TRUE(ShapesOn(*other, "Port1Panel").empty()) << code;
        EXPECT_TRUE(other->LedRequest->PollTimer->Running()) << code;
        delete other;
    }
}

} // namespace poe_panel_form_test
