#include "SecondaryVlanFormUnit.h"

#include "CaptionCheck.h"
#include "CatalogueColumns.h"
#include "FormsSimTest.h"
#include "PickerTicks.h"
#include "TButton.h"
#include "TComboBox.h"
#include "TEdit.h"
#include "VlanFeatureScenario.h"

#include <gtest/gtest.h>

namespace secondary_vlan_form_unit_test {

namespace {

using D = TSecondaryVlanForm;
constexpr const char* kTitle = "Secondary VLAN Settings";
constexpr const char* kCommand = "mniSecondaryVlanSettings1Click";
constexpr auto& kTable = Columns::SecondaryVlanTable;
constexpr int kPrivateId = ColumnOf(kTable, "Private VLAN ID");
constexpr int kSecondaryId = ColumnOf(kTable, "Secondary VLAN ID");
const std::string kEntry = kSecondaryVlanEntry;

class SecondaryVlanSim : public FormsSimTest {
protected:
    void SetUp() override {
        FormsSimTest::SetUp();
        Agent().LoadScenario(VlanFeatureScenario());
    }
    static TCheckBox* Port(D* d, int port) {
        return d->Pickers.Pickers.at(0)->PortBoxes.at(static_cast<size_t>(port - 1));
    }
};

} // namespace

TEST_F(SecondaryVlanSim, OpensWithTheSecondaryVlansAndAChosenOneFixesBothIds) {
    RunDialog<D>(kCommand, SecondaryVlanForm, [&](D* d) {
        EXPECT_EQ(d->Caption(), std::string(kTitle) + ": " + Agent().Address());
        EXPECT_EQ(RowWhere(d->Table, {{kPrivateId, "20"}, {kSecondaryId, "21"}}), 0);
        EXPECT_FALSE(d->btnDel->Enabled());
        EXPECT_TRUE(Port(d, 1)->Enabled()); // never disabled
        EXPECT_TRUE(CaptionsReadWhole(d));

        ClickListRow(d->lvData, 0);
        EXPECT_EQ(d->edtPrivateVID->Text(), "20");
        EXPECT_EQ(d->edtSecondVID->Text(), "21");
        EXPECT_FALSE(d->edtPrivateVID->Enabled());
        EXPECT_FALSE(d->edtSecondVID->Enabled());
        EXPECT_EQ(d->cbbVLANType->Text(), "community");
        EXPECT_EQ(TickedPorts(d->Pickers.Pickers[0]), (std::vector<int>{3, 4}));
        EXPECT_TRUE(d->btnEdit->Enabled());
        EXPECT_TRUE(CaptionsReadWhole(d));
    });
    EXPECT_TRUE(Agent().SetLog().empty());
}

TEST_F(SecondaryVlanSim, AddWritesTheWholeRowAndEditTheChosenOnesTypeAndPortsAsActive) {
    RunDialog<D>(kCommand, SecondaryVlanForm, [&](D* d) {
        TypeText(d->edtPrivateVID, "10");
        TypeText(d->edtSecondVID, "11");
        ChooseOption(d->cbbVLANType, "isolated");
        ClickControl(Port(d, 5));
        ClickControl(d->btnSet);
        ASSERT_TRUE(WaitForSets(1));
        ASSERT_TRUE(WaitReads(1));
        const int row = RowWhere(d->Table, {{kPrivateId, "10"}, {kSecondaryId, "11"}});
        ASSERT_GE(row, 0);

        ClickListRow(d->lvData, row);
        ChooseOption(d->cbbVLANType, "community");
        ClickControl(d->btnEdit);
        ASSERT_TRUE(WaitForSets(2));
        EXPECT_EQ(SetPdus(), (std::vector<std::vector<SimVarBind>>{
                                 {{kEntry + ".2.10.11", SimValue::Int(1)},
                                  {kEntry + ".3.10.11", {"4x", "0800000000000000"}},
                                  {kEntry + ".4.10.11", SimValue::Int(4)}},
                                 {{kEntry + ".2.10.11", SimValue::Int(2)},
                                  {kEntry + ".3.10.11", {"4x", "0800000000000000"}},
                                  {kEntry + ".4.10.11", SimValue::Int(1)}},
                             }));
    });
}

TEST_F(SecondaryVlanSim, AddRefusesAMissingIdOrTypeInOrder) {
    const struct {
        const char* PrivateId;
        const char* SecondaryId;
        const char* Message;
    } cases[] = {
        {"", "11", "Please input Private VLAN ID first."},
        {"10", "", "Please input Second VLAN ID."},
        {"10", "11", "Please selecct VLAN Type."},
    };
    RunDialog<D>(kCommand, SecondaryVlanForm, [&](D* d) {
        for (const auto& c : cases) {
            SCOPED_TRACE(c.Message);
            d->edtPrivateVID->SetText(c.PrivateId);
            d->edtSecondVID->SetText(c.SecondaryId);
            Dialogs.Expect(c.Message);
            ClickControl(d->btnSet);
            EXPECT_EQ(Dialogs.Pending(), 0);
        }
    });
    EXPECT_TRUE(Agent().SetLog().empty());
}

TEST_F(SecondaryVlanSim, DeleteDestroysTheChosenSecondaryVlanAlone) {
    RunDialog<D>(kCommand, SecondaryVlanForm, [&](D* d) {
        ClickListRow(d->lvData, 0);
        ClickControl(d->btnDel);
        ASSERT_TRUE(WaitForSets(1));
        ASSERT_TRUE(WaitFor([d] { return d->lvData->Items().Count() == 0; }, 10000));
        EXPECT_EQ(SetPdus(),
                  (std::vector<std::vector<SimVarBind>>{{{kEntry + ".4.20.21", SimValue::Int(6)}}}));
    });
}

} // namespace secondary_vlan_form_unit_test
