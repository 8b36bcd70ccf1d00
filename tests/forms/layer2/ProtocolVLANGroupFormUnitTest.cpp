#include "ProtocolVLANGroupFormUnit.h"

#include "CaptionCheck.h"
#include "CatalogueColumns.h"
#include "FormsSimTest.h"
#include "TButton.h"
#include "TComboBox.h"
#include "TEdit.h"
#include "TStaticText.h"
#include "VlanFeatureScenario.h"

#include <gtest/gtest.h>

namespace protocol_vlan_group_form_unit_test {

namespace {

using D = TProtocolVLANGroupForm;
constexpr const char* kTitle = "Protocol VLAN Group Table";
constexpr const char* kCommand = "ProtocolVLANGroup1Click";
constexpr auto& kTable = Columns::ProtocolVLANGroup;
constexpr int kFrameType = ColumnOf(kTable, "Template Frame Type");
constexpr int kProtocolValue = ColumnOf(kTable, "Template Protocol Value");
constexpr int kGroupId = ColumnOf(kTable, "Group ID");
const std::string kEntry = kProtocolGroupEntry;

class ProtocolGroupSim : public FormsSimTest {
protected:
    void SetUp() override {
        FormsSimTest::SetUp();
        Agent().LoadScenario(VlanFeatureScenario());
    }
};

} // namespace

TEST_F(ProtocolGroupSim, OpensWithTheGroupsAndAChosenGroupCanOnlyBeDeleted) {
    RunDialog<D>(kCommand, ProtocolVLANGroupForm, [&](D* d) {
        EXPECT_EQ(d->Caption(), std::string(kTitle) + ": " + Agent().Address());
        EXPECT_EQ(d->Width(), 635);
        EXPECT_EQ(d->Height(), 345);
        ASSERT_EQ(RowWhere(d->Table, {{kFrameType, "ethernet"}, {kProtocolValue, "86DD"}, {kGroupId, "2"}}),
                  0);
        EXPECT_EQ(d->Static->Caption(), "1");
        EXPECT_FALSE(d->DeleteButton->Enabled());
        EXPECT_TRUE(d->AddButton->Enabled());
        EXPECT_EQ(d->TypeComboBox->ItemIndex(), -1);
        EXPECT_TRUE(CaptionsReadWhole(d));

        ClickListRow(d->ListView1, 0);
        EXPECT_EQ(d->TypeComboBox->Text(), "ethernet");
        EXPECT_EQ(d->ValueEdit->Text(), "86DD");
        EXPECT_EQ(d->IDEdit->Text(), "2");
        for (TControl* field : std::initializer_list<TControl*>{d->TypeComboBox, d->ValueEdit, d->IDEdit}) {
            EXPECT_FALSE(field->Enabled());
        }
        EXPECT_TRUE(d->DeleteButton->Enabled());
        EXPECT_FALSE(d->AddButton->Enabled());
        EXPECT_TRUE(CaptionsReadWhole(d));

        // Refresh empties the panel, enables "Add" and disables "Delete".
        ClickControl(d->GetButton);
        EXPECT_EQ(d->ValueEdit->Text(), "");
        EXPECT_TRUE(d->ValueEdit->Enabled());
        EXPECT_TRUE(d->AddButton->Enabled());
        EXPECT_FALSE(d->DeleteButton->Enabled());
        EXPECT_EQ(d->Static->Caption(), "1");
    });
    EXPECT_TRUE(Agent().SetLog().empty());
}

TEST_F(ProtocolGroupSim, AddSendsTheGroupAndCreateAndGoForTheTypedKeyAndListsIt) {
    RunDialog<D>(kCommand, ProtocolVLANGroupForm, [&](D* d) {
        ChooseOption(d->TypeComboBox, "ethernet");
        TypeText(d->ValueEdit, "0800");
        TypeText(d->IDEdit, "1");
        ClickControl(d->AddButton);
        EXPECT_EQ(SetPdus(), (std::vector<std::vector<SimVarBind>>{{
                                 {kEntry + ".3.1.2.8.0", SimValue::Int(1)},
                                 {kEntry + ".4.1.2.8.0", SimValue::Int(4)},
                             }}));
        EXPECT_GE(RowWhere(d->Table, {{kFrameType, "ethernet"}, {kProtocolValue, "0800"}, {kGroupId, "1"}}),
                  0);
        EXPECT_EQ(d->Static->Caption(), "2");
        EXPECT_EQ(d->ValueEdit->Text(), "");
    });
}

TEST_F(ProtocolGroupSim, AddRefusesAMissingFieldInOrderAndAValueOtherThanFourHexDigits) {
    const struct {
        const char* Type;
        const char* Value;
        const char* Group;
        const char* Message;
    } cases[] = {
        {"", "", "", "Template Frame Type must be set."},
        {"", "0800", "1", "Template Frame Type must be set."},
        {"rfc1042", "", "", "Template Protocol Value must be set."},
        {"rfc1042", "08", "1", "Template Protocol Value must be 4 hexadecimal digits."},
        {"rfc1042", "8x00", "1", "Template Protocol Value must be 4 hexadecimal digits."},
        {"rfc1042", "0800", "", "Group ID must be set."},
    };
    RunDialog<D>(kCommand, ProtocolVLANGroupForm, [&](D* d) {
        for (const auto& c : cases) {
            SCOPED_TRACE(c.Message);
            if (*c.Type) {
                ChooseOption(d->TypeComboBox, c.Type);
            } else {
                d->TypeComboBox->SetItemIndex(-1);
            }
            d->ValueEdit->SetText(c.Value);
            d->IDEdit->SetText(c.Group);
            Dialogs.Expect(c.Message);
            ClickControl(d->AddButton);
            EXPECT_EQ(Dialogs.Pending(), 0);
        }
        d->ValueEdit->SetText("");
    });
    EXPECT_TRUE(Agent().SetLog().empty());
}

TEST_F(ProtocolGroupSim, DeleteDestroysTheChosenGroupAloneAndNothingWithoutOne) {
    RunDialog<D>(kCommand, ProtocolVLANGroupForm, [&](D* d) {
        d->DeleteButtonClick(nullptr); // no row chosen: the button is disabled, and nothing is sent
        EXPECT_TRUE(Agent().SetLog().empty());
        ClickListRow(d->ListView1, 0);
        ClickControl(d->DeleteButton);
        EXPECT_EQ(SetPdus(),
                  (std::vector<std::vector<SimVarBind>>{{{kEntry + ".4.1.2.134.221", SimValue::Int(6)}}}));
        EXPECT_EQ(d->ListView1->Items().Count(), 0);
        EXPECT_EQ(d->Static->Caption(), "0");
        EXPECT_FALSE(d->DeleteButton->Enabled());
    });
    EXPECT_FALSE(Agent().Value(kEntry + ".3.1.2.134.221").has_value());
}

} // namespace protocol_vlan_group_form_unit_test
