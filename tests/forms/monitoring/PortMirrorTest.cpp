#include "PortMirror.h"

#include "CaptionCheck.h"
#include "DialogLayout.h"
#include "FormsSimTest.h"
#include "MirrorScenario.h"
#include "StackingPortUitFormUnit.h"
#include "TButton.h"
#include "TCheckBox.h"
#include "TComboBox.h"
#include "TEdit.h"
#include "TStatusBar.h"

#include <gtest/gtest.h>

namespace port_mirror_test {

namespace {

using namespace mirror_scenario;

constexpr const char* kCommand = "PortMirrorTable1Click";

SimValue Hex(const std::string& hex) {
    return {"4x", hex};
}

class PortMirrorSim : public FormsSimTest {
protected:
    void SetUp() override {
        FormsSimTest::SetUp();
        Agent().LoadScenario(Scenario());
    }
    // The dialog has no "Close" button: the test closes it as the window's close box does.
    void Run(const std::function<void(TPortMirrorForm*)>& test) {
        RunDialog<TPortMirrorForm>(kCommand,
                                   [&](TPortMirrorForm* d) {
                                       test(d);
                                       d->Close();
                                   },
                                   {}, {.CloseLeftOpen = false});
    }
    static TCheckBox* Ingress(TPortMirrorForm* d, int port) {
        return d->IngressPicker.Pickers.front()->PortBoxes.at(static_cast<size_t>(port - 1));
    }
    static TCheckBox* Egress(TPortMirrorForm* d, int port) {
        return d->EgressPicker.Pickers.front()->PortBoxes.at(static_cast<size_t>(port - 1));
    }
    static std::string Status(TPortMirrorForm* d) { return StatusPanelOf(d->StatusBar1)->Text(); }
};

} // namespace

TEST_F(PortMirrorSim, ReadsAndWritesTheMirrorGroupOfEachModelsOwnCopy) {
    for (int arc = kFirstModelArc; arc <= kLastModelArc; ++arc) {
        SCOPED_TRACE(arc);
        WritableFacts().SysObjectId = SysObjectId(arc);
        const std::string base = MirrorGroupOid(arc);
        Run([&](TPortMirrorForm* d) {
            EXPECT_EQ(d->Caption(), "Port Mirror Table: " + Agent().Address());
            EXPECT_EQ(d->ET_TargetPort->Text(), std::to_string(TargetPortOf(arc)));
            EXPECT_EQ(d->UnitEdit->Text(), "1");
            EXPECT_EQ(d->PortEdit->Text(), std::to_string(TargetPortOf(arc)));
            EXPECT_EQ(d->State_Combox->Text(), "enabled");
            EXPECT_TRUE(Ingress(d, 1)->Checked());
            EXPECT_TRUE(Ingress(d, 2)->Checked());
            EXPECT_FALSE(Ingress(d, 3)->Checked());
            EXPECT_TRUE(Egress(d, 3)->Checked());
            EXPECT_FALSE(d->ET_TargetPort->Visible());
            EXPECT_TRUE(CaptionsReadWhole(d));

            d->PortEdit->SetText("20");
            ChooseOption(d->State_Combox, "disabled");
            Ingress(d, 5)->SetChecked(true);
            ClickControl(d->BT_Set);
            // Blocking: the three replies are in when the click returns.
            EXPECT_EQ(SetPdus(), (std::vector<std::vector<SimVarBind>>{
                                     {{base + ".1.0", SimValue::Int(20)}, {base + ".4.0", SimValue::Int(2)}},
                                     {{base + ".2.0", Hex("C800000000000000")}},
                                     {{base + ".3.0", Hex("2000000000000000")}},
                                 }));
        });
    }
}

TEST_F(PortMirrorSim, AnUnknownModelIsUnsupportedAndSendsNothing) {
    WritableFacts().SysObjectId = "1.3.6.1.4.1.746.10.117.9.1";
    Run([&](TPortMirrorForm* d) {
        EXPECT_EQ(Status(d), "Unsupported model");
        EXPECT_FALSE(d->BT_Set->Enabled());
        EXPECT_EQ(d->Table.Request, nullptr);
        ClickControl(d->BT_Refresh);
        d->UnitEdit->SetText("1");
        d->PortEdit->SetText("5");
        ClickControl(d->BT_Set); // disabled: nothing happens, nor when called
        d->BT_SetClick(nullptr);
        EXPECT_EQ(Status(d), "Unsupported model");
        EXPECT_EQ(d->State_Combox->Items().Count(), 0);
    });
    EXPECT_TRUE(Agent().SetLog().empty());
}

TEST_F(PortMirrorSim, TheTargetIsCheckedInOrderAndARefusalSendsNothing) {
    const struct {
        const char* Unit;
        const char* Port;
        int IngressTick; // a port ticked in a picker first (0: none)
        int EgressTick;
        std::vector<const char*> Messages;
        TEdit* TPortMirrorForm::*Focused;
    } cases[] = {
        {"7", "1", 0, 0, {"The Unit Number should Between 0 And 6."}, &TPortMirrorForm::UnitEdit},
        {"0", "1", 0, 0, {"The Unit Number should Between 0 And 6."}, &TPortMirrorForm::UnitEdit},
        {"", "1", 0, 0, {"The Unit Number should Between 0 And 6."}, &TPortMirrorForm::UnitEdit},
        {"1", "0", 0, 0, {"set valid master port", "Set valid target port"}, &TPortMirrorForm::PortEdit},
        {"1", "65", 0, 0, {"Set valid target port"}, &TPortMirrorForm::PortEdit},
        {"1", "9", 9, 0, {"Target port can not be member port."}, nullptr},
        {"1", "4", 0, 4, {"Target port can not be member port."}, nullptr},
    };
    Run([&](TPortMirrorForm* d) {
        for (const auto& c : cases) {
            SCOPED_TRACE(std::string(c.Unit) + "/" + c.Port);
            if (c.IngressTick) {
                Ingress(d, c.IngressTick)->SetChecked(true);
            }
            if (c.EgressTick) {
                Egress(d, c.EgressTick)->SetChecked(true);
            }
            d->UnitEdit->SetText(c.Unit);
            d->PortEdit->SetText(c.Port);
            FocusControl(d->State_Combox);
            for (const char* message : c.Messages) {
                Dialogs.Expect(message);
            }
            ClickControl(d->BT_Set);
            EXPECT_EQ(Dialogs.Pending(), 0);
            if (c.Focused) {
                EXPECT_TRUE((d->*c.Focused)->Focused());
            }
            if (c.IngressTick) {
                Ingress(d, c.IngressTick)->SetChecked(false);
            }
            if (c.EgressTick) {
                Egress(d, c.EgressTick)->SetChecked(false);
            }
        }
        // A port that is no number is the conversion's error, in the status line.
        d->UnitEdit->SetText("1");
        d->PortEdit->SetText("");
        ClickControl(d->BT_Set);
        EXPECT_NE(Status(d).find("'' is not a valid integer value"), std::string::npos) << Status(d);
    });
    EXPECT_TRUE(Agent().SetLog().empty());
}

TEST_F(PortMirrorSim, TheTargetIsUnitAndPortOverSixtyFourSlotsBothWays) {
    const struct {
        const char* Unit;
        const char* Port;
        int Target;
    } cases[] = {{"2", "64", 128}, {"3", "1", 129}, {"6", "64", 384}};
    const std::string base = MirrorGroupOid(kFirstModelArc);
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Target);
        Run([&](TPortMirrorForm* d) {
            d->UnitEdit->SetText(c.Unit);
            d->PortEdit->SetText(c.Port);
            ClickControl(d->BT_Set);
            ASSERT_EQ(SetPdus().size(), 3u);
            EXPECT_EQ(SetPdus()[0][0], (SimVarBind{base + ".1.0", SimValue::Int(c.Target)}));
        });
        // Read back by a dialog of its own.
        Run([&](TPortMirrorForm* d) {
            EXPECT_EQ(d->UnitEdit->Text(), c.Unit);
            EXPECT_EQ(d->PortEdit->Text(), c.Port);
        });
    }
}

TEST_F(PortMirrorSim, RefreshReadsTheSwitchAgainAndSplitsTheTarget) {
    Run([&](TPortMirrorForm* d) {
        d->UnitEdit->SetText("5");
        d->PortEdit->SetText("");
        Ingress(d, 1)->SetChecked(false);
        ClickControl(d->BT_Refresh);
        EXPECT_EQ(d->UnitEdit->Text(), "1");
        EXPECT_EQ(d->PortEdit->Text(), std::to_string(TargetPortOf(kFirstModelArc)));
        EXPECT_TRUE(Ingress(d, 1)->Checked());
    });
    EXPECT_TRUE(Agent().SetLog().empty());
}

TEST_F(PortMirrorSim, OnlyDigitsAndBackspaceReachTheUnitAndPortEdits) {
    CountingBeeper beeper;
    Run([&](TPortMirrorForm* d) {
        d->UnitEdit->SetText("");
        TypeText(d->UnitEdit, "2a");
        EXPECT_EQ(d->UnitEdit->Text(), "2");
        EXPECT_EQ(beeper.DefaultBeeps, 1);
        d->PortEdit->SetText("");
        TypeText(d->PortEdit, "-1 7");
        EXPECT_EQ(d->PortEdit->Text(), "17");
        EXPECT_EQ(beeper.DefaultBeeps, 3);
    });
}

} // namespace port_mirror_test
