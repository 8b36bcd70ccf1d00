#include "Eeestateunit.h"

#include "CaptionCheck.h"
#include "DedicatedDialogRegistry.h"
#include "DedicatedDialogs.h"
#include "EeeScenario.h"
#include "FormsSimTest.h"
#include "StackingPortUitFormUnit.h"
#include "TButton.h"
#include "TCheckBox.h"
#include "TPageControl.h"
#include "VqMessageTable.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace eeestateunit_test {

namespace {

using namespace eee_scenario;

constexpr const char* kCommand = "EEEState1Click";

class EeeSim : public FormsSimTest {
protected:
    void Load(bool stacked) {
        WritableFacts().StackMode = stacked ? "enabled" : "disabled";
        Agent().LoadScenario(Scenario(stacked));
    }
    static TCheckBox* Port(TEEEStateFormUnit* d, int port) {
        return d->Pickers.Pickers.front()->PortBoxes.at(static_cast<size_t>(port - 1));
    }
    static std::vector<int> Ticked(TEEEStateFormUnit* d) {
        std::vector<int> ports;
        for (int port = 1; port <= 64; ++port) {
            if (Port(d, port)->Checked()) {
                ports.push_back(port);
            }
        }
        return ports;
    }
};

} // namespace

TEST_F(EeeSim, SetWritesTheWholeBitmapOfTheTickedPortsAndReadsItBack) {
    for (const bool stacked : {false, true}) {
        SCOPED_TRACE(stacked ? "stacked" : "stand-alone");
        Load(stacked);
        const size_t octets = stacked ? 48 : 8;
        RunDialog<TEEEStateFormUnit>(kCommand, EEEStateFormUnit, [&](TEEEStateFormUnit* d) {
            EXPECT_EQ(d->Caption(), "EEE State Settings: " + Agent().Address());
            EXPECT_EQ(d->pgc1->Pages(0)->Caption(), "EEE State");
            EXPECT_EQ(Ticked(d), (std::vector<int>{2, 8}));
            EXPECT_TRUE(CaptionsReadWhole(d));
            Port(d, 2)->SetChecked(false);
            Port(d, 8)->SetChecked(false);
            Port(d, 1)->SetChecked(true);
            Port(d, 3)->SetChecked(true);
            ClickControl(d->SetBtn);
            // Blocking: the SET and the read after it are done when the click returns.
            EXPECT_EQ(SetPdus(), (std::vector<std::vector<SimVarBind>>{
                                     {{kEeeState, SimValue{"4x", Bitmap("A0", octets)}}}}));
            EXPECT_EQ(Reads, 1);
            EXPECT_EQ(Ticked(d), (std::vector<int>{1, 3}));
        });
        EXPECT_EQ(Agent().Value(kEeeState), (SimValue{"4x", Bitmap("A0", octets)}));
    }
}

TEST_F(EeeSim, AfterARefusedSetTheBoxesShowTheSwitchsValue) {
    Load(false);
    RunDialog<TEEEStateFormUnit>(kCommand, EEEStateFormUnit, [&](TEEEStateFormUnit* d) {
        Agent().InjectError(kEeeState, "genErr", SimOp::Set);
        Port(d, 5)->SetChecked(true);
        Dialogs.Expect(DialogKind::Box, kAppTitle, MessageOfCode(-105));
        ClickControl(d->SetBtn);
        EXPECT_EQ(Dialogs.Pending(), 0);
        EXPECT_EQ(Reads, 1);
        EXPECT_EQ(Ticked(d), (std::vector<int>{2, 8}));
        ClickControl(d->BT_Get);
        EXPECT_EQ(Reads, 2);
    });
    EXPECT_EQ(Agent().Value(kEeeState), (SimValue{"4x", Bitmap(kEnabledPorts, 8)}));
}

TEST(EeeDialog, TheProgramRegistersIt) {
    const std::vector<std::string> missing = ProgramDialogs().Missing();
    EXPECT_EQ(std::find(missing.begin(), missing.end(), "TEEEStateFormUnit"), missing.end());
    EXPECT_NE(ProgramDialogs().FindClass("TEEEStateFormUnit"), nullptr);
}

} // namespace eeestateunit_test
