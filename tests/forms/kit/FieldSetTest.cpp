#include "FieldSet.h"

#include "FieldTable.h"
#include "KitDialog.h"
#include "TableDialogController.h"

#include <gtest/gtest.h>

#include <memory>

namespace field_set_test {

namespace {

// A form whose fields declare every kind of rule: defaults, omissions and enabling.
struct RuleForm : TBasicForm {
    explicit RuleForm(TComponent* owner) : TBasicForm(owner, 400, 300) {}
    TEdit* Key = nullptr;
    TEdit* Name = nullptr;
    TCheckBox* NameCheck = nullptr;
    TComboBox* Kind = nullptr;
    TEdit* Port = nullptr;
    TEdit* Note = nullptr;
    TComboBox* State = nullptr;
    bool NoteWritten = true;
};
using R = RuleForm;

bool NoteNotWritten(const R& form) {
    return !form.NoteWritten;
}
bool KindIsRadius(const R& form, bool) {
    return OptionSelected(form.Kind, "radius");
}

constexpr Field<R> kRuleFields[] = {
    {.Column = 0,
     .Edit = &R::Key,
     .Place = {0, 0, 0, 0, 60},
     .EnabledWhen = {.Mode = RowMode::NoRow, .How = FieldEnabling::KeepValue}},
    {.Column = 1,
     .CheckCaption = "Name",
     .Edit = &R::Name,
     .Check = &R::NameCheck,
     .Place = {0, 0, 80, 24, 60}},
    {.Column = 2,
     .Combo = &R::Kind,
     .Place = {0, 0, 0, 48, 60},
     .Default = FieldDefault::Option("tacacs"),
     .Omit = OmitWhen::Empty},
    {.Column = 3,
     .Edit = &R::Port,
     .Place = {0, 0, 0, 72, 60},
     .Omit = OmitWhen::EmptyOrDisabled,
     .EnabledWhen = {.If = KindIsRadius}},
    {.Column = 4,
     .Edit = &R::Note,
     .Place = {0, 0, 0, 96, 60},
     .Default = FieldDefault::Keep(),
     .Omit = NoteNotWritten},
    {.Column = 5,
     .Combo = &R::State,
     .Place = {0, 0, 0, 120, 60},
     .Default = FieldDefault::FirstItem(),
     .EnabledWhen = {.Combo = &R::Kind, .Option = "tacacs", .Not = true, .How = FieldEnabling::EnabledOnly}},
};

struct Built {
    Built() : Form(CreateForm<R>(nullptr)) {
        Fields = BuildFields<R>(Form.get(), Form.get(), kRuleFields);
        for (TComboBox* combo : {Form->Kind, Form->State}) {
            combo->Items().Assign({"tacacs", "radius", "none"});
        }
    }
    std::unique_ptr<R> Form;
    FieldSet Fields;
};

} // namespace

TEST(FieldSet, AResetGivesEveryFieldItsDefaultAndLeavesKeptOnesAlone) {
    Built b;
    b.Form->Key->SetText("7");
    b.Form->Name->SetText("n");
    b.Form->NameCheck->SetChecked(true);
    SelectOption(b.Form->Kind, "none");
    SelectOption(b.Form->State, "radius");
    b.Form->Note->SetText("kept");
    b.Fields.Reset();
    EXPECT_EQ(b.Form->Key->Text(), "");
    EXPECT_EQ(b.Form->Name->Text(), "");
    EXPECT_TRUE(b.Form->NameCheck->Checked()); // a check box is kept unless its default says
    EXPECT_TRUE(OptionSelected(b.Form->Kind, "tacacs"));
    EXPECT_EQ(b.Form->State->ItemIndex(), 0);
    EXPECT_EQ(b.Form->Note->Text(), "kept");
}

TEST(FieldSet, AWriteLeavesOutUntickedEmptyDisabledAndPredicatedFields) {
    const struct {
        const char* Name;
        bool NameTicked;
        const char* Kind; // null: none chosen
        const char* Port;
        bool NoteWritten;
        std::vector<int> Omitted;
    } cases[] = {
        {"all given", true, "radius", "1812", true, {}},
        {"name unticked", false, "radius", "1812", true, {1}},
        {"no kind, so the port is off", true, nullptr, "1812", true, {2, 3}},
        {"port empty", true, "radius", "", true, {3}},
        {"the dialog's own rule", true, "radius", "1812", false, {4}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Name);
        Built b;
        b.Form->NameCheck->SetChecked(c.NameTicked);
        if (c.Kind) {
            SelectOption(b.Form->Kind, c.Kind);
        } else {
            SelectNoOption(b.Form->Kind);
        }
        b.Form->Port->SetText(c.Port);
        b.Form->NoteWritten = c.NoteWritten;
        b.Fields.Update(false);
        if (c.Kind) { // the update emptied a disabled port: give it its text again where it is on
            b.Form->Port->SetText(c.Port);
        }
        EXPECT_EQ(b.Fields.Omitted(), c.Omitted);
        EXPECT_EQ(b.Fields.Carry().Columns(), c.Omitted);
    }
}

TEST(FieldSet, AnUpdateSwitchesEachRuledFieldByRowModeOptionAndPredicateTheWayItsVariantSays) {
    Built b;
    b.Form->Key->SetText("3");
    SelectOption(b.Form->Kind, "tacacs");
    b.Form->Port->SetText("49");
    b.Fields.Update(true);
    // A key fixed on a chosen row keeps its value; a field off by its rule is emptied (WithState).
    EXPECT_FALSE(b.Form->Key->Enabled());
    EXPECT_EQ(b.Form->Key->Text(), "3");
    EXPECT_EQ(b.Form->Key->Color(), clBtnFace);
    EXPECT_FALSE(b.Form->Port->Enabled());
    EXPECT_EQ(b.Form->Port->Text(), "");
    EXPECT_FALSE(b.Form->State->Enabled()); // "tacacs" shown, Not
    EXPECT_TRUE(b.Form->Name->Enabled());   // no rule: never switched

    SelectOption(b.Form->Kind, "radius");
    b.Fields.Update(false);
    EXPECT_TRUE(b.Form->Key->Enabled());
    EXPECT_EQ(b.Form->Key->Color(), clWindow);
    EXPECT_TRUE(b.Form->Port->Enabled());
    EXPECT_TRUE(b.Form->State->Enabled());
}

TEST(FieldSet, LinesOfAnotherEditionAreLeftOutUntilTheirTableIsBound) {
    struct EditionForm : TForm {
        explicit EditionForm(TComponent* owner) : TForm(owner) {}
        TEdit* Common = nullptr;
        TEdit* Kc = nullptr;
        TCheckBox* KcCheck = nullptr;
    };
    using E = EditionForm;
    static constexpr Field<E> fields[] = {
        {.Column = 1, .Edit = &E::Common, .Omit = OmitWhen::Empty},
        {.Column = 2, .Edit = &E::Kc, .Check = &E::KcCheck, .Flags = kFieldEditionOnly},
    };
    std::unique_ptr<E> form(CreateForm<E>(nullptr));
    FieldSet set = BuildFields<E>(form.get(), form.get(), fields);
    form->Common->SetText("x");
    EXPECT_TRUE(set.Omitted().empty()); // the unticked line of the other edition is no column here
    set.Edition = true;
    EXPECT_EQ(set.Omitted(), std::vector<int>{2});
}

TEST(FieldSet, AFixedCheckBoxIsBuiltTickedAndDisabledAndItsColumnAlwaysWritten) {
    struct FixedForm : TForm {
        explicit FixedForm(TComponent* owner) : TForm(owner) {}
        TEdit* Name = nullptr;
        TCheckBox* NameCheck = nullptr;
    };
    using X = FixedForm;
    static constexpr Field<X> fields[] = {
        {.Column = 3, .Edit = &X::Name, .Check = &X::NameCheck, .Flags = kFieldCheckFixed},
    };
    std::unique_ptr<X> form(CreateForm<X>(nullptr));
    const FieldSet set = BuildFields<X>(form.get(), form.get(), fields);
    EXPECT_TRUE(form->NameCheck->Checked());
    EXPECT_FALSE(form->NameCheck->Enabled());
    EXPECT_TRUE(set.Omitted().empty());
}

} // namespace field_set_test
