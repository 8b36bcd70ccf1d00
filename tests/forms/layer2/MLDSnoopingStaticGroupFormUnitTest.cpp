#include "MLDSnoopingStaticGroupFormUnit.h"

#include "CaptionCheck.h"
#include "CatalogueColumns.h"
#include "FormsSimTest.h"
#include "MulticastScenario.h"
#include "OptionItems.h"
#include "PickerTicks.h"
#include "StackingPortUitFormUnit.h"
#include "TCheckBox.h"
#include "TComboBox.h"
#include "TEdit.h"
#include "TStaticText.h"

#include <gtest/gtest.h>

namespace mld_snooping_static_group_form_unit_test {

namespace {

constexpr const char* kCommand = "StaticGroupTable2Click";
const std::string kEntry = kMldStaticGroupEntry;
constexpr const char* kAllNodes = "FF020000000000000000000000000001";
constexpr const char* kLength = "Please enter a valid IPv6 address whose length is 32 without ':'.";
constexpr const char* kNotValid = "IPv6 Address in not valid.";

SimValue Hex(const std::string& hex) {
    return {"4x", hex};
}

class MldStaticGroupSim : public FormsSimTest {
protected:
    void SetUp() override {
        FormsSimTest::SetUp();
        Agent().LoadScenario(MulticastScenario());
    }
    static TCheckBox* Port(TMLDSnoopingStaticGroupForm* d, int port) {
        return d->Pickers.Pickers.at(0)->PortBoxes.at(static_cast<size_t>(port - 1));
    }
};

} // namespace

TEST_F(MldStaticGroupSim, AddCreatesTheGroupAtTheVlanAndSixteenOctetsAndItIsListed) {
    RunDialog<TMLDSnoopingStaticGroupForm>(
        kCommand, MLDSnoopingStaticGroupForm, [&](TMLDSnoopingStaticGroupForm* d) {
            EXPECT_EQ(d->Caption(), "MLD Snooping Static Group Table: " + Agent().Address());
            EXPECT_EQ(d->StaticText1->Caption(), "2");
            EXPECT_TRUE(CaptionsReadWhole(d));
            TypeText(d->VlanIDEdit, "1");
            TypeText(d->RepalceIPEdit, kAllNodes);
            Port(d, 1)->SetChecked(true);
            ClickControl(d->btnAdd);
            ASSERT_TRUE(WaitForSets(1));
            ASSERT_TRUE(WaitIdle(d->Table));
            const std::string instance = "1." + HexArcs(kAllNodes);
            EXPECT_EQ(instance, "1.255.2.0.0.0.0.0.0.0.0.0.0.0.0.0.1");
            EXPECT_EQ(SetPdus(), (std::vector<std::vector<SimVarBind>>{
                                     {{kEntry + ".2." + instance, Hex("8000000000000000")},
                                      {kEntry + ".100." + instance, SimValue::Int(4)}}}));
            EXPECT_EQ(d->StaticText1->Caption(), "3");
            EXPECT_GE(RowWhere(d->Table, {{ColumnOf(Columns::MLDSnoopingStaticGroup, "Group IPv6 Address"),
                                           kAllNodes}}),
                      0);
        });
}

TEST_F(MldStaticGroupSim, AChosenRowFixesBothKeysSetWritesItsPortsAsActiveAndDeleteDestroysIt) {
    const std::string instance = "1." + HexArcs(kFF05Six);
    RunDialog<TMLDSnoopingStaticGroupForm>(
        kCommand, MLDSnoopingStaticGroupForm, [&](TMLDSnoopingStaticGroupForm* d) {
            ClickListRow(d->LV_MLDStaticGroupEntry, 1);
            EXPECT_EQ(d->VlanIDEdit->Text(), "1");
            EXPECT_EQ(d->RepalceIPEdit->Text(), kFF05Six);
            EXPECT_FALSE(d->VlanIDEdit->Enabled());
            EXPECT_FALSE(d->RepalceIPEdit->Enabled());
            EXPECT_TRUE(CaptionsReadWhole(d));
            Port(d, 2)->SetChecked(true);
            ClickControl(d->btnSet);
            ASSERT_TRUE(WaitForSets(1));
            ASSERT_TRUE(WaitReads(1));
            EXPECT_EQ(SetPdus(), (std::vector<std::vector<SimVarBind>>{
                                     {{kEntry + ".2." + instance, Hex("5000000000000000")},
                                      {kEntry + ".100." + instance, SimValue::Int(1)}}}));
            EXPECT_TRUE(d->VlanIDEdit->Enabled());
            EXPECT_EQ(d->VlanIDEdit->Text(), "");

            Agent().ClearSetLog();
            ClickListRow(d->LV_MLDStaticGroupEntry, 1);
            ClickControl(d->btnDelete); // no question
            ASSERT_TRUE(WaitForSets(1));
            ASSERT_TRUE(WaitReads(2));
            EXPECT_EQ(SetPdus(), (std::vector<std::vector<SimVarBind>>{
                                     {{kEntry + ".100." + instance, SimValue::Int(6)}}}));
            EXPECT_EQ(d->StaticText1->Caption(), "1");
        });
    EXPECT_FALSE(Agent().Value(kEntry + ".2." + instance).has_value());
}

TEST_F(MldStaticGroupSim, AddRefusesAMissingVlanABadAddressOrAStatusOffCreateAndGo) {
    const struct {
        const char* Vlan;
        std::string Group;
        std::vector<const char*> Messages;
    } cases[] = {
        {"", kAllNodes, {"Multicast VLAN ID need to input."}},
        {"1", "", {"Group IPv6 Address need to input."}},
        {"1", std::string(kAllNodes).substr(1), {kLength, kNotValid}}, // 31 digits
        // 33 digits, left with the focus in the edit: its constraint speaks first
        {"1",
         std::string(kAllNodes) + "0",
         {" Please enter a string whose length is less than 32!", kLength, kNotValid}},
        {"1", "FF02:000000000000000000000000001", {kLength, kNotValid}}, // a ':'
    };
    RunDialog<TMLDSnoopingStaticGroupForm>(kCommand, MLDSnoopingStaticGroupForm,
                                           [&](TMLDSnoopingStaticGroupForm* d) {
                                               for (const auto& c : cases) {
                                                   SCOPED_TRACE(std::string(c.Vlan) + "/" + c.Group);
                                                   d->VlanIDEdit->SetText(c.Vlan);
                                                   d->RepalceIPEdit->SetText(c.Group);
                                                   for (const char* message : c.Messages) {
                                                       Dialogs.Expect(message);
                                                   }
                                                   ClickControl(d->btnAdd);
                                                   EXPECT_EQ(Dialogs.Pending(), 0);
                                               }
                                               // Mixed case passes the check; the hidden status must stand at
                                               // createAndGo.
                                               d->RepalceIPEdit->SetText("fF020000000000000000000000000002");
                                               SelectOption(d->CBoxStatus, "active");
                                               Dialogs.Expect("Row Status must be createAndGo.");
                                               ClickControl(d->btnAdd);
                                               EXPECT_EQ(Dialogs.Pending(), 0);
                                               d->VlanIDEdit->SetText("");
                                           });
    EXPECT_TRUE(Agent().SetLog().empty());
}

TEST_F(MldStaticGroupSim, RefreshDuringAWalkDoesNothingAndCloseIsRefused) {
    Agent().SetDelay(kEntry, 100, SimOp::Next);
    RunDialog<TMLDSnoopingStaticGroupForm>(kCommand, MLDSnoopingStaticGroupForm,
                                           [&](TMLDSnoopingStaticGroupForm* d) {
                                               ClickControl(d->btnGet); // silent
                                               Dialogs.Expect("Get data not complete");
                                               ClickControl(d->btnClose);
                                               Application->ProcessMessages();
                                               EXPECT_EQ(d->ModalResult(), mrNone);
                                               ASSERT_TRUE(WaitIdle(d->Table));
                                               EXPECT_EQ(Reads, 1);
                                               EXPECT_EQ(d->StaticText1->Caption(), "2");
                                           },
                                           {}, {.WaitFirstRead = false});
}

} // namespace mld_snooping_static_group_form_unit_test
