#include "IGMPSnoopingDataDrivenLearingGroupFormUnit.h"

#include "CaptionCheck.h"
#include "FormsSimTest.h"
#include "MulticastScenario.h"
#include "PickerTicks.h"
#include "StackingPortUitFormUnit.h"
#include "TCheckBox.h"
#include "TComboBox.h"
#include "TEdit.h"
#include "TStaticText.h"

#include <gtest/gtest.h>

namespace igmp_snooping_data_driven_learing_group_form_unit_test {

namespace {

constexpr const char* kCommand = "DataDrivenlearningGroupTable1Click";
const std::string kEntry = kIgmpLearningGroupEntry;

class LearningGroupSim : public FormsSimTest {
protected:
    void SetUp() override {
        FormsSimTest::SetUp();
        Agent().LoadScenario(MulticastScenario());
    }
    static std::vector<std::string> Groups(TSnoopingLearningGroupForm* d) {
        std::vector<std::string> groups;
        for (int i = 0; i < d->ListView1->Items().Count(); ++i) {
            groups.push_back(d->ListView1->Items()[i]->Caption());
        }
        return groups;
    }
};

} // namespace

TEST_F(LearningGroupSim, AChosenGroupShowsItsValuesWithItsRouterPortsShut) {
    RunDialog<TIGMPSnoopingDataDrivenLearingGroupForm>(
        kCommand, IGMPSnoopingDataDrivenLearingGroupForm, [&](TIGMPSnoopingDataDrivenLearingGroupForm* d) {
            EXPECT_EQ(d->Caption(), "IGMP Snooping Data Driven Learning Group Table: " + Agent().Address());
            EXPECT_EQ(d->StaticText1->Caption(), "2");
            EXPECT_FALSE(d->btnSet->Enabled());
            EXPECT_FALSE(d->Pickers.Pickers[0]->PortBoxes[0]->Enabled());
            EXPECT_TRUE(CaptionsReadWhole(d));

            ClickListRow(d->ListView1, 0);
            EXPECT_EQ(d->stVID->Caption(), "10");
            EXPECT_EQ(d->edtIPAddress->Text(), "239.1.1.1");
            EXPECT_EQ(d->edtUptime->Text(), "120");
            EXPECT_EQ(d->edtExpiryTime->Text(), "200");
            EXPECT_EQ(d->CBoxClear->Text(), "other");
            EXPECT_EQ(TickedPorts(d->Pickers.Pickers[0]), (std::vector<int>{1}));
            EXPECT_FALSE(d->Pickers.Pickers[0]->PortBoxes[1]->Enabled());
            EXPECT_TRUE(d->edtUptime->ReadOnly());
            EXPECT_TRUE(d->btnSet->Enabled());
            EXPECT_TRUE(CaptionsReadWhole(d));
        });
    EXPECT_TRUE(Agent().SetLog().empty());
}

TEST_F(LearningGroupSim, SetSendsClearGroupAloneWithoutAReadAndTheGroupStaysListed) {
    RunDialog<TIGMPSnoopingDataDrivenLearingGroupForm>(
        kCommand, IGMPSnoopingDataDrivenLearingGroupForm, [&](TIGMPSnoopingDataDrivenLearingGroupForm* d) {
            ClickListRow(d->ListView1, 0);
            ChooseOption(d->CBoxClear, "clear");
            ClickControl(d->btnSet);
            ASSERT_TRUE(WaitForSets(1));
            ASSERT_TRUE(WaitIdle(d->Table));
            EXPECT_EQ(SetPdus(), (std::vector<std::vector<SimVarBind>>{
                                     {{kEntry + ".100.10.239.1.1.1", SimValue::Int(2)}}}));
            EXPECT_EQ(Reads, 0);
            EXPECT_EQ(Groups(d), (std::vector<std::string>{"10", "20"}));
            EXPECT_FALSE(d->btnSet->Enabled());
            EXPECT_EQ(d->stVID->Caption(), "");
        });
}

TEST_F(LearningGroupSim, RefreshOrSetDuringASlowWalkListsEachGroupOnce) {
    RunDialog<TIGMPSnoopingDataDrivenLearingGroupForm>(
        kCommand, IGMPSnoopingDataDrivenLearingGroupForm, [&](TIGMPSnoopingDataDrivenLearingGroupForm* d) {
            Agent().SetDelay(kEntry, 150, SimOp::Next);
            ClickControl(d->btnGet);
            ClickControl(d->btnGet);
            ASSERT_TRUE(WaitFor([&] { return Reads >= 1 && !d->Table.Request->Busy; }, 10000));
            EXPECT_EQ(Groups(d), (std::vector<std::string>{"10", "20"}));

            // A Set while the walk runs goes out at once for the chosen group.
            ClickControl(d->btnGet);
            ASSERT_TRUE(WaitFor([&] { return Groups(d).size() >= 1; }, 10000));
            ClickListRow(d->ListView1, 0);
            ChooseOption(d->CBoxClear, "clear");
            ClickControl(d->btnSet);
            ASSERT_TRUE(WaitForSets(1));
            ASSERT_TRUE(WaitFor([&] { return Reads >= 2 && !d->Table.Request->Busy; }, 10000));
            EXPECT_EQ(SetPdus(), (std::vector<std::vector<SimVarBind>>{
                                     {{kEntry + ".100.10.239.1.1.1", SimValue::Int(2)}}}));
            EXPECT_EQ(Groups(d), (std::vector<std::string>{"10", "20"}));
        });
}

TEST_F(LearningGroupSim, AfterStopRefreshAndSetActAgain) {
    RunDialog<TIGMPSnoopingDataDrivenLearingGroupForm>(
        kCommand, IGMPSnoopingDataDrivenLearingGroupForm, [&](TIGMPSnoopingDataDrivenLearingGroupForm* d) {
            ClickControl(d->StopButton);
            ClickListRow(d->ListView1, 1);
            ChooseOption(d->CBoxClear, "clear");
            ClickControl(d->btnSet);
            ASSERT_TRUE(WaitForSets(1));
            EXPECT_EQ(SetPdus().at(0).at(0).Oid, kEntry + ".100.20.239.5.5.5");
            ClickControl(d->StopButton);
            ClickControl(d->btnGet);
            ASSERT_TRUE(WaitReads(1));
            EXPECT_EQ(Groups(d), (std::vector<std::string>{"10", "20"}));
        });
}

} // namespace igmp_snooping_data_driven_learing_group_form_unit_test
