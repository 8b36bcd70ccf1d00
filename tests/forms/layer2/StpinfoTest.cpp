#include "Stpinfo.h"

#include "CaptionCheck.h"
#include "DialogLayout.h"
#include "FormsSimTest.h"
#include "Progress2.h"
#include "StpScenario.h"
#include "TButton.h"
#include "TComboBox.h"
#include "TEdit.h"
#include "TLabel.h"
#include "TStaticText.h"
#include "TStatusBar.h"
#include "UiTesting.h"
#include "VqMessageTable.h"

#include <gtest/gtest.h>

namespace stpinfo_test {

namespace {

using D = TSTP_Info;
constexpr const char* kCommand = "Information2Click";
const std::string kGroup = kStpGroup;

SimVarBind Int(const char* arc, int value) {
    return {kGroup + arc + ".0", SimValue::Int(value)};
}
// Request 1's PDU: the bridge parameters as the scenario holds them, Max Hops with them or not.
std::vector<SimVarBind> BridgePdu(int maxAge, int forwardDelay, bool maxHops) {
    std::vector<SimVarBind> pdu = {Int(".3", maxAge), Int(".5", forwardDelay)};
    if (maxHops) {
        pdu.push_back(Int(".6", 20));
    }
    pdu.push_back(Int(".7", 6));
    pdu.push_back(Int(".8", 2));
    pdu.push_back(Int(".11", 1));
    return pdu;
}

class StpInfoSim : public FormsSimTest {
protected:
    void SetUp() override {
        FormsSimTest::SetUp();
        Agent().LoadScenario(StpScenario());
    }
    std::string Status(D* d) const { return StatusPanelOf(d->StatusBar1)->Text(); }
};

} // namespace

TEST_F(StpInfoSim, OpensWithTheSwitchsSettingsAndTheHiddenCopies) {
    RunDialog<D>(kCommand, STP_Info, [&](D* d) {
        EXPECT_EQ(d->Caption(), "STP Information Settings: " + Agent().Address());
        EXPECT_EQ(d->Combo_STPVersion->Text(), "rstp");
        EXPECT_EQ(d->ET_AgingTime->Text(), "2000");
        EXPECT_EQ(d->ET_HelloTime->Text(), "200");
        EXPECT_EQ(d->ET_Priority->Text(), "20");
        EXPECT_TRUE(d->cbbNNiBPDU->Visible());
        EXPECT_EQ(d->cbbNNiBPDU->Text(), "dot1d");
        EXPECT_EQ(d->lbMSTPState->Caption(), "enabled");
        EXPECT_EQ(d->hellotimevalue->Caption(), "200");
        EXPECT_EQ(d->VersionInfo->Caption(), "rstp");
        EXPECT_TRUE(CaptionsReadWhole(d));

        ChooseOption(d->Combo_STPVersion, "mstp");
        EXPECT_FALSE(d->ET_HelloTime->Enabled());
        EXPECT_EQ(d->ET_HelloTime->Text(), "");
        ChooseOption(d->Combo_STPVersion, "stp");
        EXPECT_TRUE(d->ET_HelloTime->Enabled());
        EXPECT_EQ(d->ET_HelloTime->Text(), "200");
    });
    EXPECT_TRUE(Agent().SetLog().empty());
}

TEST_F(StpInfoSim, SetWritesAsTheVersionSaysAndRefusesTimersThatDoNotFit) {
    const struct {
        int SwitchVersion;
        const char* Version;
        const char* MaxAge;
        const char* ForwardDelay;
        const char* Hello; // null: as read (MSTP: empty)
        const char* MaxHops;
        const char* Refusal; // null: written
    } cases[] = {
        {2, "mstp", "2000", "1100", nullptr, "20", nullptr},
        {1, "mstp", "2000", "1100", nullptr, "20", nullptr},
        {1, "rstp", "2000", "1100", "200", "20", nullptr},
        {1, "stp", "600", "1100", "200", "20", nullptr},
        {1, "mstp", "2001", "1100", nullptr, "20", "Data Error."},
        {1, "rstp", "2001", "1100", "200", "20", "Data Error."},
        {1, "stp", "2001", "1100", "200", "20", "Data Error."},
        {1, "rstp", "2000", "1100", "200", "", "Don't Leave Empty Fileds."},
        {1, "rstp", "2000", "1100", "", "20", "Don't Leave Empty Fileds."},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.Version) + " over " + std::to_string(c.SwitchVersion) + ", max age " +
                     c.MaxAge + (c.Refusal ? std::string(" refused: ") + c.Refusal : ""));
        Agent().LoadScenario(
            StpScenario({.Version = c.SwitchVersion, .HelloTime = c.SwitchVersion == 2 ? 0 : 200}));
        RunDialog<D>(kCommand, STP_Info, [&](D* d) {
            ChooseOption(d->Combo_STPVersion, c.Version);
            d->ET_AgingTime->SetText(c.MaxAge);
            d->ET_ForwardDelay->SetText(c.ForwardDelay);
            d->ET_Priority->SetText(c.MaxHops);
            if (c.Hello) {
                d->ET_HelloTime->SetText(c.Hello);
            }
            Agent().ClearSetLog();
            ClickControl(d->BT_Set);
            std::vector<std::vector<SimVarBind>> expected;
            const int versionValue = std::string(c.Version) == "stp"    ? 0
                                     : std::string(c.Version) == "rstp" ? 1
                                                                        : 2;
            if (c.Refusal) {
                EXPECT_NE(Status(d).find(c.Refusal), std::string::npos) << Status(d);
            } else {
                if (versionValue != c.SwitchVersion) {
                    expected.push_back({Int(".2", versionValue)});
                }
                const bool mstp = versionValue == 2;
                if (!mstp) {
                    expected.push_back({Int(".4", 200)});
                }
                expected.push_back(BridgePdu(std::stoi(c.MaxAge), 1100, mstp));
                EXPECT_EQ(d->VersionInfo->Caption(), c.Version);
            }
            EXPECT_EQ(SetPdus(), expected);
        });
    }
}

TEST_F(StpInfoSim, AfterAFailedVersionReadTheFirstSetWritesTheVersion) {
    Agent().InjectError(kGroup + ".2", "genErr", SimOp::Get);
    RunDialog<D>(kCommand, STP_Info, [&](D* d) {
        EXPECT_EQ(d->VersionInfo->Caption(), "VersionInfo");
        Agent().ClearInjections();
        ChooseOption(d->Combo_STPVersion, "rstp"); // the version the switch has
        ClickControl(d->BT_Set);
        const auto pdus = SetPdus();
        ASSERT_EQ(pdus.size(), 3u);
        EXPECT_EQ(pdus[0], (std::vector<SimVarBind>{Int(".2", 1)}));
    });
}

TEST_F(StpInfoSim, TheVersionChangeWaitShowsOnlyWhileTheSwitchStillReportsAnotherVersion) {
    const struct {
        bool Refused; // the switch refuses the version's SET
        bool Enabled; // STP runs
        bool Wait;    // the progress form shows
    } cases[] = {{false, true, false}, {true, true, true}, {true, false, false}};
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.Refused ? "refused" : "stored") +
                     (c.Enabled ? ", enabled" : ", disabled"));
        Agent().LoadScenario(StpScenario({.Enabled = c.Enabled}));
        OpenMainWindow();
        ManualTimers timers;
        if (c.Refused) {
            Agent().InjectError(kGroup + ".2", "genErr", SimOp::Set);
        }
        bool waited = false;
        std::vector<std::function<void(TForm*)>> subForms;
        if (c.Wait) {
            subForms.push_back([&](TForm* form) {
                waited = form == ProgressForm2 && form->Caption() == "Set STP Progress" &&
                         ProgressForm2->LB_Prompt->Caption() == "Change STP Version is processing...";
                for (int tick = 0; form->ModalResult() == mrNone && tick < 100; ++tick) {
                    timers.Fire();
                }
            });
        }
        RunDialog<D>(
            kCommand, STP_Info,
            [&](D* d) {
                EXPECT_EQ(MainForm->ST_STPVersion->Caption(), "rstp"); // read by the command first
                ChooseOption(d->Combo_STPVersion, "mstp");
                if (c.Refused) {
                    Dialogs.Expect(DialogKind::Box, kAppTitle, MessageOfCode(-105));
                }
                ClickControl(d->BT_Set);
                EXPECT_EQ(Dialogs.Pending(), 0);
            },
            subForms);
        EXPECT_EQ(waited, c.Wait);
        EXPECT_EQ(ProgressForm2, nullptr);
        Agent().ClearInjections();
    }
}

TEST_F(StpInfoSim, OnAModelOfNoneTheStateIsNeverReadAndNoWaitShows) {
    Agent().LoadScenario(R"({"sys_object_id": "1.3.6.1.4.1.746.10.117.9.1", "objects": [)" + StpObjects() +
                         "]}");
    OpenMainWindow();
    ASSERT_EQ(Facts().SysObjectId, "1.3.6.1.4.1.746.10.117.9.1");
    Agent().InjectError(kGroup + ".2", "genErr", SimOp::Set);
    RunDialog<D>(kCommand, STP_Info, [&](D* d) {
        EXPECT_EQ(d->lbMSTPState->Caption(), "lbMSTPState");
        EXPECT_EQ(d->State.Request, nullptr);
        EXPECT_TRUE(d->BT_Set->Enabled());
        EXPECT_EQ(Status(d).find("Unsupported model"), std::string::npos);
        ChooseOption(d->Combo_STPVersion, "mstp");
        Dialogs.Expect(DialogKind::Box, kAppTitle, MessageOfCode(-105));
        ClickControl(d->BT_Set); // refused version: no progress form all the same
        EXPECT_EQ(SetPdus().size(), 2u);
    });
}

} // namespace stpinfo_test
