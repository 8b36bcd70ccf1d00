#include "RPCPortMapperFormUnit.h"

#include "CaptionCheck.h"
#include "DedicatedDialogRegistry.h"
#include "DedicatedDialogs.h"
#include "DialogLayout.h"
#include "FormsSimTest.h"
#include "PickerTicks.h"
#include "SecurityScalarsScenario.h"
#include "TButton.h"
#include "TPageControl.h"
#include "TStatusBar.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace rpc_port_mapper_form_unit_test {

namespace {

using namespace security_scalars;
using D = TRPCPortMapperForm;

constexpr const char* kCommand = "RPCPortMapperFilterSettings1Click";
constexpr const char* kTitle = "RPC PortMapper Filter Settings";

class PortMapperSim : public FormsSimTest {
protected:
    void Load(bool stacking) {
        WritableFacts().StackMode = stacking ? "enabled" : "disabled";
        Agent().LoadScenario(Scenario(stacking));
    }
    static std::string Status(D* d) { return StatusPanelOf(d->StatusBar1)->Text(); }
};

} // namespace

TEST_F(PortMapperSim, ItsMenuCommandTicksTheFiltersPortsLeavesTheStatusLineEmptyAndReadsWhole) {
    const std::vector<std::string> missing = ProgramDialogs().Missing();
    EXPECT_EQ(std::find(missing.begin(), missing.end(), "TRPCPortMapperForm"), missing.end());
    Load(false);
    RunDialog<D>(kCommand, RPCPortMapperForm, [&](D* d) {
        EXPECT_EQ(d->Caption(), std::string(kTitle) + ": " + Agent().Address());
        EXPECT_EQ(d->pgc1->Pages(0)->Caption(), "Enabled Ports");
        EXPECT_EQ(TickedPorts(d->Pickers.Pickers[0]), (std::vector<int>{2, 8}));
        EXPECT_EQ(Status(d), ""); // a good first read says nothing
        EXPECT_TRUE(CaptionsReadWhole(d));
        ClickControl(d->BT_Get);
        EXPECT_NE(Status(d).find("Ok!"), std::string::npos) << Status(d); // later reads do
    });
    EXPECT_TRUE(Agent().SetLog().empty());
}

// The list is rebuilt from the boxes alone: 48 octets on a stacking switch, 8 otherwise.
TEST_F(PortMapperSim, SetWritesTheBoxesWholeAtTheStackModesLengthAndReadsAgain) {
    struct Case {
        bool Stacking;
        std::string Sent;
        std::vector<int> Ticked;
    };
    const Case cases[] = {
        {true, "80" + std::string(14, '0') + "80" + std::string(78, '0'), {1, 65}},
        {false, "80" + std::string(14, '0'), {1}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Stacking);
        Load(c.Stacking);
        RunDialog<D>(kCommand, RPCPortMapperForm, [&](D* d) {
            TStackingPortUitForm* picker = d->Pickers.Pickers[0];
            picker->UncheckAllPorts();
            picker->PortBoxes[0]->SetChecked(true); // 1:1
            if (c.Stacking) {
                picker->PortBoxes[64]->SetChecked(true); // 2:1
            }
            ClickControl(d->SetBtn);
            EXPECT_EQ(Reads, 1); // the read after the write
            EXPECT_EQ(TickedPorts(picker), c.Ticked);
        });
        EXPECT_EQ(SetPdus(), (std::vector<std::vector<SimVarBind>>{{{kEnabledPorts, {"4x", c.Sent}}}}));
    }
}

TEST_F(PortMapperSim, AFailedFirstReadShowsItsMessage) {
    Load(false);
    Agent().InjectError(kPortMapper, "genErr", SimOp::Get);
    RunDialog<D>(kCommand, RPCPortMapperForm, [&](D* d) {
        EXPECT_FALSE(Status(d).empty());
        EXPECT_EQ(Status(d), d->Table.Request->Request.LastError().Message);
        EXPECT_EQ(TickedPorts(d->Pickers.Pickers[0]), std::vector<int>{});
    });
}

} // namespace rpc_port_mapper_form_unit_test
