#include "IGMPSnoopingStaticGroupFormUnit.h"

#include "CaptionCheck.h"
#include "FormsSimTest.h"
#include "MulticastScenario.h"
#include "PickerTicks.h"
#include "StackingPortUitFormUnit.h"
#include "TCheckBox.h"
#include "TEdit.h"
#include "TPageControl.h"
#include "TStaticText.h"

#include <gtest/gtest.h>

namespace igmp_snooping_static_group_form_unit_test {

namespace {

constexpr const char* kCommand = "StaticGroupTable1Click";
const std::string kEntry = kIgmpStaticGroupEntry;

SimValue Hex(const std::string& hex) {
    return {"4x", hex};
}

class StaticGroupSim : public FormsSimTest {
protected:
    void SetUp() override {
        FormsSimTest::SetUp();
        Agent().LoadScenario(MulticastScenario());
    }
    static TCheckBox* Port(TIGMPSnoopingStaticGroupForm* d, int port) {
        return d->Pickers.Pickers.at(0)->PortBoxes.at(static_cast<size_t>(port - 1));
    }
};

} // namespace

TEST_F(StaticGroupSim, OpensListedAndAChosenRowFixesBothKeysWithTheirTexts) {
    RunDialog<TIGMPSnoopingStaticGroupForm>(
        kCommand, IGMPSnoopingStaticGroupForm, [&](TIGMPSnoopingStaticGroupForm* d) {
            EXPECT_EQ(d->Caption(), "IGMP Snooping Static Group Table: " + Agent().Address());
            EXPECT_EQ(d->StaticText1->Caption(), "2");
            ASSERT_EQ(d->PageControl1->PageCount(), 1);
            EXPECT_EQ(d->PageControl1->Pages(0)->Caption(), "Member Ports");
            EXPECT_TRUE(d->btnAdd->Enabled());
            EXPECT_FALSE(d->btnSet->Enabled());
            EXPECT_TRUE(CaptionsReadWhole(d));

            ClickListRow(d->LV_IGMPStaticGroupEntry, 1);
            EXPECT_EQ(d->VlanIDEdit->Text(), "20");
            EXPECT_EQ(d->RepalceIPEdit->Text(), "239.2.2.2");
            EXPECT_FALSE(d->VlanIDEdit->Enabled());
            EXPECT_FALSE(d->RepalceIPEdit->Enabled());
            EXPECT_EQ(TickedPorts(d->Pickers.Pickers[0]), (std::vector<int>{4}));
            EXPECT_TRUE(d->btnSet->Enabled());
            EXPECT_TRUE(d->btnDelete->Enabled());
            EXPECT_FALSE(d->btnAdd->Enabled());
            EXPECT_TRUE(CaptionsReadWhole(d));
        });
    EXPECT_TRUE(Agent().SetLog().empty());
}

TEST_F(StaticGroupSim, AddCreatesTheGroupWithItsMemberPortsAtTheDecimalInstance) {
    const struct {
        const char* Group;
        const char* Instance;
    } cases[] = {{"239.1.1.1", "10.239.1.1.1"}, {"239.1.1.010", "10.239.1.1.10"}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Group);
        Agent().LoadScenario(MulticastScenario());
        RunDialog<TIGMPSnoopingStaticGroupForm>(
            kCommand, IGMPSnoopingStaticGroupForm, [&](TIGMPSnoopingStaticGroupForm* d) {
                TypeText(d->VlanIDEdit, "10");
                TypeText(d->RepalceIPEdit, c.Group);
                Port(d, 1)->SetChecked(true);
                Port(d, 3)->SetChecked(true);
                ClickControl(d->btnAdd);
                ASSERT_TRUE(WaitForSets(1));
                ASSERT_TRUE(WaitIdle(d->Table));
                const std::string instance = c.Instance;
                EXPECT_EQ(SetPdus(), (std::vector<std::vector<SimVarBind>>{
                                         {{kEntry + ".2." + instance, Hex("A000000000000000")},
                                          {kEntry + ".100." + instance, SimValue::Int(4)}}}));
                EXPECT_EQ(d->StaticText1->Caption(), "3");
                EXPECT_TRUE(d->VlanIDEdit->Enabled());
                EXPECT_EQ(d->VlanIDEdit->Text(), "");
            });
        EXPECT_EQ(Agent().Value(kEntry + ".100." + c.Instance), SimValue::Int(1));
    }
}

TEST_F(StaticGroupSim, SetWritesTheChosenRowsMemberPortsAsActiveAndDeleteItsDestroyAlone) {
    RunDialog<TIGMPSnoopingStaticGroupForm>(
        kCommand, IGMPSnoopingStaticGroupForm, [&](TIGMPSnoopingStaticGroupForm* d) {
            ClickListRow(d->LV_IGMPStaticGroupEntry, 0);
            Port(d, 5)->SetChecked(true);
            ClickControl(d->btnSet);
            // The flag stays set while the re-read runs.
            EXPECT_TRUE(d->Table.DataComplete);
            ASSERT_TRUE(WaitForSets(1));
            ASSERT_TRUE(WaitReads(1));
            EXPECT_EQ(SetPdus(), (std::vector<std::vector<SimVarBind>>{
                                     {{kEntry + ".2.1.239.0.0.5", Hex("C800000000000000")},
                                      {kEntry + ".100.1.239.0.0.5", SimValue::Int(1)}}}));
            EXPECT_FALSE(d->btnSet->Enabled());
            EXPECT_TRUE(d->RepalceIPEdit->Enabled());

            Agent().ClearSetLog();
            ClickListRow(d->LV_IGMPStaticGroupEntry, 1);
            ClickControl(d->btnDelete);
            ASSERT_TRUE(WaitForSets(1));
            ASSERT_TRUE(WaitIdle(d->Table));
            EXPECT_EQ(SetPdus(), (std::vector<std::vector<SimVarBind>>{
                                     {{kEntry + ".100.20.239.2.2.2", SimValue::Int(6)}}}));
            EXPECT_EQ(d->StaticText1->Caption(), "1");
        });
    EXPECT_FALSE(Agent().Value(kEntry + ".2.20.239.2.2.2").has_value());
}

TEST_F(StaticGroupSim, AddRefusesAMissingKeyOrAGroupThatIsNoDottedQuad) {
    const struct {
        const char* Vlan;
        const char* Group;
        std::vector<const char*> Messages;
        bool GroupFocused;
    } cases[] = {
        {"", "239.1.1.1", {"Multicast VLAN ID need to input."}, false},
        {"10", "", {"Multicast Group IP Address need to input."}, true},
        {"10", "239.1.1.0001", {"Please input a valid IP", "IP Address in not valid."}, true},
        {"10", "239.1.1", {"Please input a valid IP", "IP Address in not valid."}, true},
    };
    RunDialog<TIGMPSnoopingStaticGroupForm>(kCommand, IGMPSnoopingStaticGroupForm,
                                            [&](TIGMPSnoopingStaticGroupForm* d) {
                                                for (const auto& c : cases) {
                                                    SCOPED_TRACE(std::string(c.Vlan) + "/" + c.Group);
                                                    d->VlanIDEdit->SetText(c.Vlan);
                                                    d->RepalceIPEdit->SetText(c.Group);
                                                    for (const char* message : c.Messages) {
                                                        Dialogs.Expect(message);
                                                    }
                                                    ClickControl(d->btnAdd);
                                                    EXPECT_EQ(Dialogs.Pending(), 0);
                                                    EXPECT_EQ(d->RepalceIPEdit->Focused(), c.GroupFocused);
                                                    EXPECT_EQ(d->VlanIDEdit->Focused(), !c.GroupFocused);
                                                }
                                                d->VlanIDEdit->SetText("");
                                            });
    EXPECT_TRUE(Agent().SetLog().empty());
}

} // namespace igmp_snooping_static_group_form_unit_test
