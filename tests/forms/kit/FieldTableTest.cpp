#include "FieldTable.h"

#include "CatalogueColumns.h"

#include "KitDialog.h"
#include "UiTesting.h"

#include <gtest/gtest.h>

#include <memory>
#include <span>
#include <stdexcept>
#include <vector>

namespace field_table_test {

namespace {

struct FieldForm : TBasicForm {
    explicit FieldForm(TComponent* owner) : TBasicForm(owner, 400, 300) {}
    TEdit* Index = nullptr;
    TComboBox* Status = nullptr;
    TLabel* StatusLabel = nullptr;
    TEdit* Address = nullptr;
    TCheckBox* AddressCheck = nullptr;
    TComboBox* Priority = nullptr;
    TCheckBox* PriorityCheck = nullptr;
};
using F = FieldForm;

constexpr Field<F> kFields[] = {
    {.Column = KitDialog::kIndex,
     .Caption = "Index",
     .Constraint = "%i",
     .Edit = &F::Index,
     .Place = {8, 11, 100, 8, 60},
     .Flags = kFieldReadOnly},
    {.Column = KitDialog::kRowStatus,
     .Caption = "Status",
     .Combo = &F::Status,
     .Label = &F::StatusLabel,
     .Place = {8, 35, 100, 32, 80},
     .Flags = kFieldHidden},
    {.Column = KitDialog::kAddress,
     .CheckCaption = "Address",
     .Constraint = "%s",
     .Edit = &F::Address,
     .Check = &F::AddressCheck,
     .Place = {0, 0, 100, 56, 120}},
    {.Column = KitDialog::kPriority,
     .Caption = "Priority",
     .Combo = &F::Priority,
     .Check = &F::PriorityCheck,
     .Place = {22, 83, 100, 80, 60},
     .Flags = kFieldEditionOnly},
};

class FieldTableSim : public FormsSimTest {
protected:
    void SetUp() override {
        FormsSimTest::SetUp();
        Agent().LoadScenario(ServerScenario());
    }
};

} // namespace

TEST(FieldTable, BuildsPlacesAndFlagsEveryFieldIntoItsMembers) {
    std::unique_ptr<F> form(CreateForm<F>(nullptr));
    const FieldSet built = BuildFields<F>(form.get(), form.get(), kFields);
    ASSERT_EQ(built.Lines.size(), 4u);
    for (TControl* control :
         std::initializer_list<TControl*>{form->Index, form->Status, form->StatusLabel, form->Address,
                                          form->AddressCheck, form->Priority, form->PriorityCheck}) {
        ASSERT_NE(control, nullptr);
        EXPECT_EQ(control->Parent(), form.get());
    }
    EXPECT_EQ(built.Lines[2].Value, form->Address);
    EXPECT_EQ(built.Lines[2].Check, form->AddressCheck);
    EXPECT_EQ(built.Lines[2].Label, nullptr); // the check box carries the caption
    EXPECT_EQ((std::vector<int>{form->Address->Left(), form->Address->Top(), form->Address->Width()}),
              (std::vector<int>{100, 56, 120}));
    EXPECT_EQ(form->AddressCheck->Caption(), "Address");
    EXPECT_EQ(form->AddressCheck->Top(), 58);
    EXPECT_EQ(form->AddressCheck->Width(), 100 - 4 - 2); // up to the value
    EXPECT_EQ(form->PriorityCheck->Width(), 16);         // a box without a caption
    EXPECT_EQ(built.Lines[3].Label->Caption(), "Priority");
    EXPECT_EQ((std::vector<int>{built.Lines[3].Label->Left(), built.Lines[3].Label->Top()}),
              (std::vector<int>{22, 83}));

    EXPECT_FALSE(form->Index->Enabled());
    EXPECT_TRUE(form->Index->ReadOnly());
    EXPECT_FALSE(form->Status->Visible());
    EXPECT_FALSE(form->StatusLabel->Visible());
    built.Lines[1].SetVisible(true);
    EXPECT_TRUE(form->Status->Visible());
    EXPECT_TRUE(form->StatusLabel->Visible());
}

TEST_F(FieldTableSim, BindsEachFieldToItsColumnAndRecordsTheRowsOfTheTable) {
    for (const bool edition : {false, true}) {
        SCOPED_TRACE(edition);
        std::unique_ptr<F> form(CreateForm<F>(nullptr));
        BuildFields<F>(form.get(), form.get(), kFields);
        KitDialog list;
        DialogRequest& request =
            list.Table.CreateRequest(list.Form.get(), DnsStaticNameServerTable, MVT_UMV, 1);
        BindFields<F>(form.get(), form.get(), request, kFields, edition);
        ASSERT_GE(form->RowControls.size(), 3u);
        EXPECT_EQ(form->RowControls[KitDialog::kAddress], form->Address);
        EXPECT_EQ(form->RowCheckBoxes[KitDialog::kAddress], form->AddressCheck);
        EXPECT_EQ(form->RowControls[KitDialog::kRowStatus], form->Status);
        EXPECT_EQ(form->RowCheckBoxes[KitDialog::kIndex], nullptr);
        const bool priorityBound = form->RowControls.size() > KitDialog::kPriority &&
                                   form->RowControls[KitDialog::kPriority] == form->Priority;
        EXPECT_EQ(priorityBound, edition);

        // Bound: a read row fills the fields.
        list.Table.Read();
        ASSERT_TRUE(list.WaitRead());
        list.Area.List->SetSelected(list.Area.List->Items()[1]);
        EXPECT_EQ(form->Address->Text(), "10.0.0.2");
        EXPECT_EQ(form->Index->Text(), "2");
        list.Table.Close();
    }
}

namespace {

// A table of each kind the generic dialog picks, for fields that leave their kind to their column.
constexpr CatalogueColumn kKinds[] = {
    {"Key", "", ColumnKind::Edit},
    {"State", "1.1", ColumnKind::ComboBox},
    {"Counter", "1.2", ColumnKind::ReadOnlyEdit},
    {"Owner", "1.3", ColumnKind::ReadOnlyText},
};

struct KindForm : TForm {
    explicit KindForm(TComponent* owner) : TForm(owner) {}
    TEdit* Key = nullptr;
    TComboBox* State = nullptr;
    TEdit* Counter = nullptr;
    TEdit* Owner = nullptr;
    TEdit* Disabled = nullptr;
    TComboBox* OwnerCombo = nullptr;
    TStaticText* Note = nullptr;
};
using K = KindForm;

} // namespace

TEST(FieldTable, AFieldTakesTheGenericDialogsControlForItsColumnUnlessItsKindIsGiven) {
    constexpr Field<K> fields[] = {
        {.Column = 0, .Control = &K::Key},
        {.Column = 1, .Control = &K::State},
        {.Column = 2, .Control = &K::Counter},
        {.Column = 3, .Control = &K::Owner}, // an option's text, read-only, in an edit
        {.Column = 2, .Control = &K::Disabled, .Kind = FieldKind::Edit, .Flags = kFieldDisabled},
        {.Column = 3, .Control = &K::OwnerCombo, .Kind = FieldKind::ComboBox},
        {.Column = -1, .Control = &K::Note}, // no column: the member's own kind
    };
    std::unique_ptr<K> form(CreateForm<K>(nullptr));
    BuildFields<K>(form.get(), form.get(), fields, kKinds);
    ASSERT_TRUE(form->Key && form->State && form->Counter && form->Owner && form->Disabled &&
                form->OwnerCombo && form->Note);
    EXPECT_TRUE(form->Key->Enabled());
    EXPECT_FALSE(form->Key->ReadOnly());
    EXPECT_TRUE(form->State->Enabled());
    for (TEdit* readOnly : {form->Counter, form->Owner}) {
        EXPECT_FALSE(readOnly->Enabled());
        EXPECT_TRUE(readOnly->ReadOnly());
    }
    EXPECT_FALSE(form->Disabled->Enabled()); // the override: disabled, not read-only
    EXPECT_FALSE(form->Disabled->ReadOnly());
    EXPECT_TRUE(form->OwnerCombo->Enabled());
}

TEST(FieldTable, RefusesAMemberThatCannotHoldItsFieldsKind) {
    const Field<K> cases[] = {
        {.Column = 1, .Caption = "State", .Control = &K::Key}, // a combo box column
        {.Column = 0, .Caption = "Key", .Control = &K::State}, // an edit column
        {.Column = 0, .Caption = "Key", .Control = &K::Key, .Kind = FieldKind::ComboBox}, // an override
        {.Column = 0, .Caption = "Key", .Control = &K::Key, .Kind = FieldKind::StaticText},
    };
    for (const Field<K>& field : cases) {
        SCOPED_TRACE(field.Caption);
        std::unique_ptr<K> form(CreateForm<K>(nullptr));
        EXPECT_THROW(BuildFields<K>(form.get(), form.get(), std::span(&field, 1), kKinds), std::logic_error);
    }
}

TEST(FieldTable, TheCatalogueGivesEachColumnTheGenericDialogsKind) {
    // A key a table list writes, a writable column with options, a read-only one without, and a
    // read-only one with options.
    EXPECT_EQ(Columns::VlanStaticTable[ColumnOf(Columns::VlanStaticTable, "VLAN ID")].Kind, ColumnKind::Edit);
    EXPECT_EQ(Columns::IPProfileTable[ColumnOf(Columns::IPProfileTable, "Profile ID")].Kind,
              ColumnKind::Edit);
    EXPECT_EQ(Columns::IPProfileTable[ColumnOf(Columns::IPProfileTable, "Row Status")].Kind,
              ColumnKind::ComboBox);
    EXPECT_EQ(Columns::IpCtrlIndexTable2[ColumnOf(Columns::IpCtrlIndexTable2, "Index")].Kind,
              ColumnKind::ReadOnlyEdit);
    EXPECT_EQ(Columns::IPProfileTable[ColumnOf(Columns::IPProfileTable, "Owner")].Kind,
              ColumnKind::ReadOnlyText);
}

namespace {

// Three fields required when checked, their places in the validation flow unlike their column order.
struct RequiredForm : TBasicForm {
    explicit RequiredForm(TComponent* owner) : TBasicForm(owner, 400, 300) {}
    TEdit* First = nullptr;
    TCheckBox* FirstCheck = nullptr;
    TEdit* Second = nullptr;
    TCheckBox* SecondCheck = nullptr;
    TEdit* Third = nullptr;
    TCheckBox* ThirdCheck = nullptr;
};
using R = RequiredForm;

constexpr Field<R> kRequired[] = {
    {.Column = 0, .Control = &R::Third, .Check = &R::ThirdCheck, .Place = {0, 0, 20, 8, 60}, .Required = 3},
    {.Column = 1, .Control = &R::First, .Check = &R::FirstCheck, .Place = {0, 0, 20, 32, 60}, .Required = 1},
    {.Column = 2,
     .Control = &R::Second,
     .Check = &R::SecondCheck,
     .Place = {0, 0, 20, 56, 60},
     .Required = 2},
};

} // namespace

TEST(FieldTable, RequiredWhenCheckedRefusesInTheFlowsOrderAndFocusesTheField) {
    std::unique_ptr<R> form(CreateForm<R>(nullptr));
    BuildFields<R>(form.get(), form.get(), kRequired);
    form->Show();
    ActivateForm(form.get());
    for (TCheckBox* box : {form->FirstCheck, form->SecondCheck, form->ThirdCheck}) {
        box->SetChecked(true);
    }
    // Each refusal names the first empty field by place, whatever its column.
    for (TEdit* empty : {form->First, form->Second, form->Third}) {
        ScriptedDialogs dialogs;
        dialogs.Expect("Some field empty.");
        EXPECT_FALSE(RequireCheckedFields<R>(form.get(), kRequired, 1, 3, "Some field empty."));
        EXPECT_TRUE(WaitFor([&] { return empty->Focused(); }));
        empty->SetText("1");
    }
    EXPECT_TRUE(RequireCheckedFields<R>(form.get(), kRequired, 1, 3, "never"));

    // A range checks only its places; an unchecked field is never required; the extra check runs on
    // each checked field right after its own emptiness, in the same order.
    form->Second->SetText("");
    form->SecondCheck->SetChecked(false);
    form->First->SetText("");
    EXPECT_TRUE(RequireCheckedFields<R>(form.get(), kRequired, 2, 3, "never"));
    std::vector<TControl*> seen;
    const auto note = [&](TControl* value) {
        seen.push_back(value);
        return value != form->Third;
    };
    form->First->SetText("1");
    EXPECT_FALSE(RequireCheckedFields<R>(form.get(), kRequired, 1, 3, "never", note));
    EXPECT_EQ(seen, (std::vector<TControl*>{form->First, form->Third}));
    form->Hide();
}

} // namespace field_table_test
