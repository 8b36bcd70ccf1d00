#include "Lldp_management.h"

#include "CaptionCheck.h"
#include "DedicatedDialogRegistry.h"
#include "DedicatedDialogs.h"
#include "DialogLayout.h"
#include "FormsSimTest.h"
#include "LldpScenario.h"
#include "StackingPortUitFormUnit.h"
#include "TButton.h"
#include "TCheckBox.h"
#include "TPageControl.h"
#include "TStaticText.h"
#include "TStatusBar.h"
#include "VqMessageTable.h"

#include <QTimer>
#include <gtest/gtest.h>

#include <algorithm>

namespace lldp_management_test {

namespace {

using namespace lldp_scenario;

constexpr const char* kCommand = "AddressConfig1Click";
constexpr int kReplyDelayMs = 500;

SimValue Hex(const std::string& hex) {
    return {"4x", hex};
}

class LldpManAddrSim : public FormsSimTest {
protected:
    void SetUp() override {
        FormsSimTest::SetUp();
        Agent().LoadScenario(Scenario());
    }
    void Run(const std::function<void(TLLDP_Management_Address*)>& test, DialogRun how = {}) {
        RunDialog<TLLDP_Management_Address>(kCommand, LLDP_Management_Address, test, {}, how);
    }
    static TCheckBox* Port(TLLDP_Management_Address* d, int port) {
        return d->Pickers.Pickers.front()->PortBoxes.at(static_cast<size_t>(port - 1));
    }
    static std::string Status(TLLDP_Management_Address* d) { return StatusPanelOf(d->StatusBar1)->Text(); }
    // The first address chosen and port 8 ticked beside its ports 1 to 4.
    static void ChooseFirstAndTickPort8(TLLDP_Management_Address* d) {
        ClickListRow(d->ListView1, 0);
        Port(d, 8)->SetChecked(true);
    }
    const std::vector<std::vector<SimVarBind>> kFirstWithPort8 = {
        {{kManAddrEntry + ".1." + kFirst, Hex("F100000000000000")}}};
};

} // namespace

TEST_F(LldpManAddrSim, OpensListedAtItsDesignedSizeAndAChosenAddressShowsItsPorts) {
    ScreenDpi dpi(120); // no scaling at any resolution
    Run([&](TLLDP_Management_Address* d) {
        EXPECT_EQ(d->Caption(), "LLDP Address Configuration: " + Agent().Address());
        EXPECT_EQ(d->Width(), 698);
        EXPECT_EQ(d->ListView1->Items().Count(), 2);
        EXPECT_EQ(d->StaticText1->Caption(), "2");
        EXPECT_EQ(d->PageControl1->Pages(0)->Caption(), "Ports");
        EXPECT_FALSE(d->btnEdit->Enabled());
        EXPECT_TRUE(CaptionsReadWhole(d));
        ClickListRow(d->ListView1, 1);
        EXPECT_TRUE(d->btnEdit->Enabled());
        EXPECT_TRUE(Port(d, 5)->Checked());
        EXPECT_FALSE(Port(d, 1)->Checked());
        EXPECT_TRUE(CaptionsReadWhole(d));
    });
    EXPECT_TRUE(Agent().SetLog().empty());
}

TEST_F(LldpManAddrSim, SetIsOnePduAndWaitsRespondingForItsReplyThenReadsAgain) {
    Agent().SetDelay(kManAddrEntry, kReplyDelayMs, SimOp::Set);
    Run([&](TLLDP_Management_Address* d) {
        ChooseFirstAndTickPort8(d);
        bool ranDuringTheWait = false;
        QTimer::singleShot(100, [&] { ranDuringTheWait = !d->Table.DataComplete && d->Table.Request->Busy; });
        ClickControl(d->btnEdit);
        EXPECT_TRUE(ranDuringTheWait);
        EXPECT_EQ(SetPdus(), kFirstWithPort8); // the wait ended on the reply
        ASSERT_TRUE(WaitReads(1));
        EXPECT_EQ(d->ListView1->Selected(), nullptr);
    });
    EXPECT_EQ(Agent().Value(kManAddrEntry + ".1." + kFirst), Hex("F100000000000000"));
}

TEST_F(LldpManAddrSim, StopEndsTheWaitWithoutARereadAndRefreshThenWorks) {
    Agent().SetDelay(kManAddrEntry, kReplyDelayMs, SimOp::Set);
    Run([&](TLLDP_Management_Address* d) {
        ChooseFirstAndTickPort8(d);
        QTimer::singleShot(100, [d] { ClickControl(d->StopButton); });
        ClickControl(d->btnEdit);
        EXPECT_TRUE(d->Table.DataComplete);
        ASSERT_TRUE(WaitFor([d] { return !d->Table.Request->Busy; }, 10000)); // the SET's late reply
        EXPECT_EQ(Reads, 0);
        EXPECT_EQ(Agent().SetLog().size(), 1u);
        ClickControl(d->btnGet); // not refused
        ASSERT_TRUE(WaitReads(1));
        EXPECT_EQ(d->ListView1->Items().Count(), 2);
        EXPECT_EQ(Agent().SetLog().size(), 1u);
    });
}

TEST_F(LldpManAddrSim, RefreshAndSetDuringTheFirstWalkRefuseWithTheirOwnWords) {
    Agent().SetDelay(kManAddrEntry, 300, SimOp::Next);
    Run(
        [&](TLLDP_Management_Address* d) {
            ASSERT_TRUE(WaitFor([d] { return d->ListView1->Items().Count() >= 1; }, 10000));
            ASSERT_FALSE(d->Table.DataComplete);
            Dialogs.Expect("Get data not complete!");
            ClickControl(d->btnGet);
            ClickListRow(d->ListView1, 0);
            Dialogs.Expect("Get data not complete");
            ClickControl(d->btnEdit);
            EXPECT_EQ(Dialogs.Pending(), 0);
            ClickControl(d->StopButton);
            EXPECT_TRUE(d->Table.DataComplete);
            ASSERT_TRUE(WaitFor([d] { return !d->Table.Request->Busy; }, 10000));
        },
        {.WaitFirstRead = false});
    EXPECT_TRUE(Agent().SetLog().empty());
}

TEST_F(LldpManAddrSim, AfterRefreshNoAddressIsChosenAndThePickerIsEmpty) {
    Run([&](TLLDP_Management_Address* d) {
        ClickListRow(d->ListView1, 0);
        ASSERT_TRUE(Port(d, 1)->Checked());
        ClickControl(d->btnGet);
        EXPECT_EQ(d->ListView1->Selected(), nullptr);
        EXPECT_FALSE(d->btnEdit->Enabled());
        EXPECT_FALSE(Port(d, 1)->Checked());
        ASSERT_TRUE(WaitReads(1));
        EXPECT_FALSE(d->btnEdit->Enabled());
    });
}

TEST_F(LldpManAddrSim, ARefusedSetShowsItsTextInTheStatusLineAfterTheRead) {
    Run([&](TLLDP_Management_Address* d) {
        Agent().InjectError(kManAddrEntry, "genErr", SimOp::Set);
        ChooseFirstAndTickPort8(d);
        ClickControl(d->btnEdit);
        ASSERT_TRUE(WaitReads(1));
        EXPECT_NE(Status(d).find(MessageOfCode(-105)), std::string::npos) << Status(d);
        EXPECT_TRUE(d->Table.DataComplete);
        Agent().ClearInjections();
    });
    EXPECT_EQ(Agent().Value(kManAddrEntry + ".1." + kFirst), Hex("F000000000000000"));
}

TEST_F(LldpManAddrSim, CloseDuringTheWaitClosesTheDialogOnceSetHasReturned) {
    Agent().SetDelay(kManAddrEntry, kReplyDelayMs, SimOp::Set);
    Run(
        [&](TLLDP_Management_Address* d) {
            ChooseFirstAndTickPort8(d);
            QTimer::singleShot(100, [d] { ClickControl(d->btnClose); });
            ClickControl(d->btnEdit);
            EXPECT_EQ(Reads, 0);
            // The close put off until Set returned: the request ends with it.
            ASSERT_TRUE(WaitFor([d] { return !d->Table.Request; }, 10000));
            EXPECT_EQ(Reads, 0); // the wait ended on the close: no read followed it
        },
        {.CloseLeftOpen = false});
    EXPECT_EQ(LLDP_Management_Address, nullptr);
}

TEST(LldpManAddrDialog, TheProgramRegistersIt) {
    const std::vector<std::string> missing = ProgramDialogs().Missing();
    EXPECT_EQ(std::find(missing.begin(), missing.end(), "TLLDP_Management_Address"), missing.end());
    EXPECT_NE(ProgramDialogs().FindClass("TLLDP_Management_Address"), nullptr);
}

} // namespace lldp_management_test
