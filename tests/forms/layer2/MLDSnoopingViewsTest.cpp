// The three views of what MLD snooping learned: the group and forwarding tables and the groups
// learned from data traffic.
#include "CaptionCheck.h"
#include "FormsSimTest.h"
#include "MLDSnoopingDataDrivenLearingGroupFormUnit.h"
#include "MLDSnoopingForwardingTableFormUnit.h"
#include "MLDSnoopingGroupFormUnit.h"
#include "MulticastScenario.h"
#include "PickerTicks.h"
#include "StackingPortUitFormUnit.h"
#include "TCheckBox.h"
#include "TComboBox.h"
#include "TEdit.h"
#include "TPageControl.h"
#include "TStaticText.h"

#include <QFontMetrics>
#include <QWidget>
#include <gtest/gtest.h>

namespace mld_snooping_views_test {

namespace {

class MldViewSim : public FormsSimTest {
protected:
    void SetUp() override {
        FormsSimTest::SetUp();
        Agent().LoadScenario(MulticastScenario());
    }
    static std::vector<std::string> Vlans(TListView* list) {
        std::vector<std::string> vlans;
        for (int i = 0; i < list->Items().Count(); ++i) {
            vlans.push_back(list->Items()[i]->Caption());
        }
        return vlans;
    }
    static bool AnyBoxEnabled(const PortPickerSet& pickers) {
        for (const TStackingPortUitForm* picker : pickers.Pickers) {
            for (const TCheckBox* box : picker->PortBoxes) {
                if (box->Enabled()) {
                    return true;
                }
            }
        }
        return false;
    }
    // The edit's whole text fits inside it.
    static bool ShowsWhole(TEdit* edit) {
        const QWidget* widget = edit->Widget();
        const int room = widget->contentsRect().width() - 6; // the frame's and the text's margins
        return QFontMetrics(widget->font()).horizontalAdvance(QString::fromStdString(edit->Text())) <= room;
    }
    static void ExpectPagesReadWhole(TForm* d, TPageControl* pages) {
        for (int page = 0; page < pages->PageCount(); ++page) {
            ClickTab(pages, page);
            EXPECT_TRUE(CaptionsReadWhole(d)) << "page " << page;
        }
    }
};

} // namespace

TEST_F(MldViewSim, TheGroupViewShowsARowReadOnlyAndARefreshDuringItsWalkDoesNothing) {
    RunDialog<TMLDSnoopingGroupForm>("GroupTable2Click", MLDSnoopingGroupForm, [&](TMLDSnoopingGroupForm* d) {
        EXPECT_EQ(d->Caption(), "MLD Snooping Group Table: " + Agent().Address());
        EXPECT_EQ(Vlans(d->ListView1), (std::vector<std::string>{"10", "20"}));
        ExpectPagesReadWhole(d, d->PageControl1);
        ClickListRow(d->ListView1, 0);
        EXPECT_EQ(d->stSourceIP->Caption(), kFE80Five);
        EXPECT_EQ(d->stGroupIP->Caption(), kFF0EOne);
        EXPECT_EQ(d->edtpExpiryTime->Text(), "250");
        EXPECT_EQ(TickedPorts(d->Pickers.Pickers[1]), (std::vector<int>{3}));
        EXPECT_FALSE(AnyBoxEnabled(d->Pickers));
        ExpectPagesReadWhole(d, d->PageControl1);

        Agent().SetDelay(kMldGroupEntry, 100, SimOp::Next);
        ClickControl(d->btnGet);
        ClickControl(d->btnGet);
        ASSERT_TRUE(WaitIdle(d->Table));
        Application->ProcessMessages();
        EXPECT_EQ(Reads, 1);
        EXPECT_EQ(Vlans(d->ListView1), (std::vector<std::string>{"10", "20"}));
    });
    EXPECT_TRUE(Agent().SetLog().empty());
}

TEST_F(MldViewSim, TheForwardingViewShowsWholeAddressesAndARefreshDuringItsWalkRestartsIt) {
    RunDialog<TMLDSnoopingForwardingTableForm>(
        "ForwardingTable3Click", MLDSnoopingForwardingTableForm, [&](TMLDSnoopingForwardingTableForm* d) {
            EXPECT_EQ(d->Caption(), "MLD Snooping Forwarding Table: " + Agent().Address());
            ClickListRow(d->ListView1, 0);
            EXPECT_EQ(d->stVID->Caption(), "10");
            EXPECT_EQ(d->edtIPAddress->Text(), kFE80Five);
            EXPECT_EQ(d->edtMAC->Text(), kFF0EOne);
            EXPECT_TRUE(ShowsWhole(d->edtIPAddress));
            EXPECT_TRUE(ShowsWhole(d->edtMAC));
            EXPECT_EQ(TickedPorts(d->Pickers.Pickers[0]), (std::vector<int>{1, 2}));
            EXPECT_FALSE(AnyBoxEnabled(d->Pickers));
            EXPECT_TRUE(CaptionsReadWhole(d));

            Agent().SetDelay(kMldForwardingEntry, 100, SimOp::Next);
            ClickControl(d->btnGet);
            ClickControl(d->btnGet);
            ASSERT_TRUE(WaitFor([&] { return Reads >= 1 && !d->Table.Request->Busy; }, 10000));
            EXPECT_EQ(Vlans(d->ListView1), (std::vector<std::string>{"10", "20"}));
        });
    EXPECT_TRUE(Agent().SetLog().empty());
}

TEST_F(MldViewSim, TheLearningGroupSetClearsTheChosenGroupAloneWithoutAReadAndStopLeavesRefreshWorking) {
    const std::string entry = kMldLearningGroupEntry;
    RunDialog<TMLDSnoopingDataDrivenLearingGroupForm>(
        "DataDrivenLearningGroupTable2Click", MLDSnoopingDataDrivenLearingGroupForm,
        [&](TMLDSnoopingDataDrivenLearingGroupForm* d) {
            EXPECT_EQ(d->Caption(), "MLD Snooping Data Driven Learning Group Table: " + Agent().Address());
            EXPECT_FALSE(d->btnSet->Enabled());
            EXPECT_TRUE(CaptionsReadWhole(d));
            ClickListRow(d->ListView1, 1);
            EXPECT_EQ(d->edtIPAddress->Text(), kFF0ETwo);
            EXPECT_TRUE(ShowsWhole(d->edtIPAddress));
            EXPECT_FALSE(AnyBoxEnabled(d->Pickers));
            EXPECT_TRUE(d->btnSet->Enabled());
            EXPECT_TRUE(CaptionsReadWhole(d));
            ChooseOption(d->CBoxClear, "clear");
            ClickControl(d->btnSet);
            ASSERT_TRUE(WaitForSets(1));
            ASSERT_TRUE(WaitIdle(d->Table));
            EXPECT_EQ(SetPdus(), (std::vector<std::vector<SimVarBind>>{
                                     {{entry + ".100.20." + HexArcs(kFF0ETwo), SimValue::Int(2)}}}));
            EXPECT_EQ(Reads, 0);
            EXPECT_FALSE(d->btnSet->Enabled());

            // A Refresh during a walk restarts it; after Stop a Refresh reads again.
            Agent().SetDelay(entry, 100, SimOp::Next);
            ClickControl(d->btnGet);
            ClickControl(d->btnGet);
            ASSERT_TRUE(WaitFor([&] { return Reads >= 1 && !d->Table.Request->Busy; }, 10000));
            EXPECT_EQ(Vlans(d->ListView1), (std::vector<std::string>{"10", "20"}));
            Agent().SetDelay(entry, 0, SimOp::Next);
            ClickControl(d->StopButton);
            ClickControl(d->btnGet);
            ASSERT_TRUE(WaitReads(2));
            EXPECT_EQ(Vlans(d->ListView1), (std::vector<std::string>{"10", "20"}));
        });
}

} // namespace mld_snooping_views_test
