// The fields of a dedicated dialog as data: one declaration per field (its column, caption, value
// control, constraint, check box, place, flags and the design-named members it lands in), and one
// builder that creates and places the controls and one binder that binds them to the table's
// request (and, on a TBasicForm, records them as its rows). A dialog declares its fields in a
// constant array at the top of its unit and keeps no build or bind loop of its own:
//   constexpr Field<T> kFields[] = {
//       {.Column = kVlanId, .Caption = "VLAN ID", .Constraint = "%i{n2x4094l4}", .Control = &T::ED_VLANID,
//        .Label = &T::Label1, .Place = {8, 11, 70, 8, 70}},
//       ...};
//   constructor: BuildFields<T>(this, panel, kFields, Columns::VlanStaticTable);
//   FormCreate:  BindFields<T>(this, nullptr, request, kFields);  (a TBasicForm passes itself for rows)
// A field's control kind is by default the one the generic dialog picks for its column (an edit, a
// combo box where the variable has an option list, a read-only edit where the user cannot set it):
// the field names its member in `Control` and the builder, given the catalogue table, creates the
// control of that kind. `Kind` overrides it (and so does naming the member in `Edit`, `Combo` or
// `Text`); a member that cannot hold the kind is a fault of the table the builder refuses.
//
// A field also declares its routine rules, which the FieldSet the builder returns carries out: what
// a reset gives it (`Default`), when a write leaves it out (`Omit`: besides an unticked or disabled
// check box, when empty, when disabled, or by the dialog's predicate) and when it is enabled
// (`EnabledWhen`: in a row mode, while a combo box shows an option or a box is ticked, or by the
// dialog's predicate, switched the `How` way). A dialog then resets, updates and writes its fields
// with one call each (FieldSet::Reset, Update, Carry) and keeps no list of its own.
#pragma once

#include "ColumnNames.h"
#include "DialogRequest.h"
#include "FieldSet.h"
#include "OptionItems.h"
#include "TBasicFormUnit.h"
#include "TCheckBox.h"
#include "TComboBox.h"
#include "TEdit.h"
#include "TGroupBox.h"
#include "TLabel.h"
#include "TStaticText.h"

#include <algorithm>
#include <concepts>
#include <functional>
#include <span>
#include <stdexcept>
#include <string>
#include <utility>
#include <vector>

enum FieldFlag : unsigned {
    kFieldDisabled = 1u << 0,    // built disabled (a value the dialog shows but the user does not type)
    kFieldReadOnly = 1u << 1,    // built disabled and read-only
    kFieldHidden = 1u << 2,      // the whole line built hidden (label, check box, value)
    kFieldCheckHidden = 1u << 3, // the check box alone built hidden
    kFieldEditionOnly = 1u << 4, // only in the table of one firmware edition: bound only when asked
    kFieldCheckFixed = 1u << 5,  // the check box built ticked and disabled: the column always written
};

// A field whose value may not be empty while its check box is checked carries its place in the
// dialog's validation flow (`Field::Required`, from 1): the flow checks a range of these places in
// their order, which decides the field refused first and given the focus; 0: not required.

// The design's places (96 DPI): the label's left and top, the value's left, top and width.
struct FieldPlace {
    int LabelLeft = 0;
    int LabelTop = 0;
    int Left = 0;
    int Top = 0;
    int Width = 0;
};

// Where a field's check box goes on its line: at `Left` of the parent, as wide as `Width` when it
// has no caption and up to the value otherwise; or, BeforeValue, at `Left` from the value's left
// (a negative offset) and always `Width` wide.
struct CheckPlace {
    int Left = 4;
    int TopOffset = 2;
    int Width = 16;
    bool BeforeValue = false;
};

// The control a field's value is shown in.
enum class FieldKind : unsigned char {
    Default,      // the generic dialog's choice for the field's column
    Edit,         // an edit
    ComboBox,     // a combo box
    ReadOnlyEdit, // an edit built disabled and read-only
    StaticText,   // a sunken static text
};

// The design-named member a field's value control lands in, of any of the three control types.
template <class Form> struct FieldMember {
    TEdit* Form::*Edit = nullptr;
    TComboBox* Form::*Combo = nullptr;
    TStaticText* Form::*Text = nullptr;

    constexpr FieldMember() = default;
    constexpr FieldMember(TEdit* Form::*edit) : Edit(edit) {}
    constexpr FieldMember(TComboBox* Form::*combo) : Combo(combo) {}
    constexpr FieldMember(TStaticText* Form::*text) : Text(text) {}
};

// When a write leaves a field out: a rule of OmitWhen, or the dialog's own predicate.
template <class Form> struct FieldOmit {
    OmitWhen When = OmitWhen::Never;
    bool (*If)(const Form&) = nullptr;

    constexpr FieldOmit() = default;
    constexpr FieldOmit(OmitWhen when) : When(when) {}
    template <class F>
    requires std::convertible_to<F, bool (*)(const Form&)>
    constexpr FieldOmit(F predicate) : If(predicate) {}
};

// When a field is enabled: in a row mode, and while a combo box shows an option (or, with `Not`,
// any other), a box is ticked, or the dialog's predicate holds; switched the `How` way. A field
// that gives none of them is never switched by the rules.
template <class Form> struct FieldEnabledWhen {
    RowMode Mode = RowMode::Any;
    TComboBox* Form::*Combo = nullptr;
    const char* Option = nullptr;
    bool Not = false;
    TCheckBox* Form::*Box = nullptr;
    bool (*If)(const Form&, bool rowChosen) = nullptr;
    FieldEnabling How = FieldEnabling::WithState;
    bool WithCheck = false; // the check box is switched with the value

    constexpr bool Given() const { return Mode != RowMode::Any || Combo || Box || If; }
    bool Holds(const Form* form, bool rowChosen) const {
        if ((Mode == RowMode::NoRow && rowChosen) || (Mode == RowMode::Row && !rowChosen)) {
            return false;
        }
        if (Combo && OptionSelected(form->*Combo, Option) == Not) {
            return false;
        }
        if (Box && !(form->*Box)->Checked()) {
            return false;
        }
        return !If || If(*form, rowChosen);
    }
};

// Rules of a field the dialog enables or disables by nothing but its own steps: always on, always off.
template <class Form> constexpr bool AlwaysEnabled(const Form&, bool) {
    return true;
}
template <class Form> constexpr bool NeverEnabled(const Form&, bool) {
    return false;
}

template <class Form> struct Field {
    int Column = -1; // the request's variable; -1: a line whose column the dialog sets at binding
    const char* Caption = nullptr;      // the label left of the value; null: none
    const char* CheckCaption = nullptr; // the check box's own caption; null with Check: a box without one
    const char* Constraint = nullptr;   // an edit's constraint
    TEdit* Form::*Edit = nullptr;       // the value control as an edit, a combo box or a static text
    TComboBox* Form::*Combo = nullptr;  // (each overrides the column's kind), or
    TStaticText* Form::*Text = nullptr;
    FieldMember<Form> Control = {}; // the value control of the column's kind (or of `Kind`)
    FieldKind Kind = FieldKind::Default;
    TCheckBox* Form::*Check = nullptr; // null: the column is never left out of a write
    TLabel* Form::*Label = nullptr;    // null: the label is not a member
    TGroupBox* Form::*Group = nullptr; // the group box the field stands in; null: the builder's parent
    FieldPlace Place = {};
    unsigned Flags = 0;
    int Tag = 0;               // on the check box and the value control (the design's groups of fields)
    int Required = 0;          // required when checked: its place in the validation flow; 0: not required
    FieldDefault Default = {}; // what a reset gives it
    FieldOmit<Form> Omit = {}; // when a write leaves it out
    FieldEnabledWhen<Form> EnabledWhen = {}; // when the rules enable it

    constexpr bool Has(unsigned flag) const { return (Flags & flag) != 0; }
    TEdit* Form::*EditMember() const { return Edit ? Edit : Control.Edit; }
    TComboBox* Form::*ComboMember() const { return Combo ? Combo : Control.Combo; }
    TStaticText* Form::*TextMember() const { return Text ? Text : Control.Text; }
    TControl* Value(Form* form) const {
        if (EditMember()) {
            return form->*EditMember();
        }
        if (ComboMember()) {
            return form->*ComboMember();
        }
        return form->*TextMember();
    }
    // The kind the field is built as: its own, the one its typed member names, or its column's in
    // `table` (the catalogue table the field's columns index); without a column there, its member's.
    FieldKind KindIn(std::span<const CatalogueColumn> table) const {
        if (Kind != FieldKind::Default) {
            return Kind;
        }
        if (Edit) {
            return FieldKind::Edit;
        }
        if (Combo) {
            return FieldKind::ComboBox;
        }
        if (Text) {
            return FieldKind::StaticText;
        }
        if (Column >= 0 && static_cast<std::size_t>(Column) < table.size()) {
            switch (table[Column].Kind) {
            case ColumnKind::Edit:
                return FieldKind::Edit;
            case ColumnKind::ComboBox:
                return FieldKind::ComboBox;
            case ColumnKind::ReadOnlyEdit:
            case ColumnKind::ReadOnlyText: // the generic dialog shows the option's text in an edit
                return FieldKind::ReadOnlyEdit;
            }
        }
        return Control.Combo ? FieldKind::ComboBox : Control.Text ? FieldKind::StaticText : FieldKind::Edit;
    }
    TCheckBox* CheckBox(Form* form) const { return Check ? form->*Check : nullptr; }
};

// The controls one field was built into (null where it has none), with its rules.
using BuiltField = FieldSet::Line;

namespace field_table_detail {
template <class C> C* Make(TForm* form, TControl* parent, int left, int top, int width, int height) {
    auto* control = new C(form);
    control->SetParent(parent);
    control->SetBounds(left, top, width, height);
    return control;
}
} // namespace field_table_detail

// Creates every field's label, check box and value control on `parent`, places them, applies the
// build flags and writes the members. Labels that are not members are still created. Returns what
// each field was built into, with its rules.
// `table` is the catalogue table the fields' columns index, whose kinds are the fields' defaults.
template <class Form>
FieldSet BuildFields(Form* form, TControl* parent, std::span<const Field<Form>> fields,
                     std::span<const CatalogueColumn> table, CheckPlace check = {}) {
    using field_table_detail::Make;
    FieldSet built;
    for (const Field<Form>& field : fields) {
        const FieldKind kind = field.KindIn(table);
        const bool edit = kind == FieldKind::Edit || kind == FieldKind::ReadOnlyEdit;
        if ((edit && !field.EditMember()) || (kind == FieldKind::ComboBox && !field.ComboMember()) ||
            (kind == FieldKind::StaticText && !field.TextMember())) {
            throw std::logic_error(std::string("field table: the member of \"") +
                                   (field.Caption ? field.Caption : "") + "\" cannot hold its control kind");
        }
        TControl* const in = field.Group ? static_cast<TControl*>(form->*field.Group) : parent;
        TLabel* label = nullptr;
        if (field.Caption) {
            label = Make<TLabel>(form, in, field.Place.LabelLeft, field.Place.LabelTop, 0, 0);
            label->SetCaption(field.Caption);
            if (field.Label) {
                form->*field.Label = label;
            }
        }
        TCheckBox* box = nullptr;
        if (field.Check) {
            const int left = check.BeforeValue ? field.Place.Left + check.Left : check.Left;
            const int width =
                field.CheckCaption && !check.BeforeValue ? field.Place.Left - check.Left - 2 : check.Width;
            box = Make<TCheckBox>(form, in, left, field.Place.Top + check.TopOffset, width, 17);
            box->SetTag(field.Tag);
            if (field.CheckCaption) {
                box->SetCaption(field.CheckCaption);
            }
            form->*field.Check = box;
        }
        TControl* value = nullptr;
        const bool readOnly = field.Has(kFieldReadOnly) || kind == FieldKind::ReadOnlyEdit;
        if (edit) {
            value = form->*field.EditMember() =
                        Make<TEdit>(form, in, field.Place.Left, field.Place.Top, field.Place.Width, 21);
        } else if (kind == FieldKind::ComboBox) {
            value = form->*field.ComboMember() =
                        Make<TComboBox>(form, in, field.Place.Left, field.Place.Top, field.Place.Width, 21);
        } else {
            auto* text =
                Make<TStaticText>(form, in, field.Place.Left, field.Place.Top, field.Place.Width, 19);
            text->SetAutoSize(false);
            text->SetBorderStyle(sbsSunken);
            value = form->*field.TextMember() = text;
        }
        value->SetTag(field.Tag);
        if (field.Has(kFieldDisabled) || readOnly) {
            value->SetEnabled(false);
        }
        if (auto* box = dynamic_cast<TEdit*>(value); box && readOnly) {
            box->SetReadOnly(true);
        }
        FieldSet::Line line{.Column = field.Column, .Label = label, .Check = box, .Value = value};
        if (field.Has(kFieldHidden)) {
            line.SetVisible(false);
        }
        if (box && field.Has(kFieldCheckHidden)) {
            box->SetVisible(false);
        }
        if (box && field.Has(kFieldCheckFixed)) {
            box->SetChecked(true);
            box->SetEnabled(false);
        }
        line.EditionOnly = field.Has(kFieldEditionOnly);
        line.CheckFixed = box && field.Has(kFieldCheckFixed);
        line.Default = field.Default;
        line.Omit = field.Omit.When;
        if (field.Omit.If) {
            line.OmitIf = [form, omit = field.Omit.If] { return omit(*form); };
        }
        if (field.EnabledWhen.Given()) {
            line.Enabled = [form, when = field.EnabledWhen](bool rowChosen) {
                return when.Holds(form, rowChosen);
            };
            line.How = field.EnabledWhen.How;
            line.SwitchesCheck = field.EnabledWhen.WithCheck;
        }
        built.Lines.push_back(std::move(line));
    }
    return built;
}

// Fields whose kinds are all given (by `Kind` or a typed member).
template <class Form>
FieldSet BuildFields(Form* form, TControl* parent, std::span<const Field<Form>> fields,
                     CheckPlace check = {}) {
    return BuildFields<Form>(form, parent, fields, {}, check);
}

// Binds every field to the request's column, in column order; with `rows` (the TBasicForm whose
// table it is: the dialog itself, or the list dialog of an edit sub-dialog) each is also recorded
// as the row of its column, its check box with it. Fields marked edition-only are bound only when
// `edition` is true. `columnOf` gives a field's column where the table decides it (the row status
// as the last column, say); by default the field's own.
// The constraint of an edit whose field gives none: any text.
inline constexpr const char* kAnyText = "%s";

template <class Form>
void BindFields(Form* owner, TBasicForm* rows, DialogRequest& request, std::span<const Field<Form>> fields,
                bool edition = false, const std::function<int(const Field<Form>&)>& columnOf = {}) {
    std::vector<std::pair<int, const Field<Form>*>> ordered;
    for (const Field<Form>& field : fields) {
        if (!field.Has(kFieldEditionOnly) || edition) {
            ordered.emplace_back(columnOf ? columnOf(field) : field.Column, &field);
        }
    }
    std::stable_sort(ordered.begin(), ordered.end(),
                     [](const auto& a, const auto& b) { return a.first < b.first; });
    for (const auto& [column, field] : ordered) {
        TCheckBox* box = field->CheckBox(owner);
        TEdit* edit = field->EditMember() ? owner->*field->EditMember() : nullptr;
        TComboBox* combo = field->ComboMember() ? owner->*field->ComboMember() : nullptr;
        if (edit && rows) {
            rows->BindEditRow(&request, column, field->Constraint ? field->Constraint : kAnyText, edit, box);
        } else if (edit) {
            request.BindEdits(column, field->Constraint ? field->Constraint : kAnyText, edit);
        } else if (combo && rows) {
            rows->BindComboRow(&request, column, combo, box);
        } else if (combo) {
            request.BindComboBox(column, combo);
        } else {
            request.BindStaticText(column, owner->*field->TextMember());
        }
    }
}

// Checks the fields required when checked whose places lie in [first, last], in the order of
// their places: the first whose check box is checked and whose value is empty is refused with
// `message` (the value gets the focus), as is the first `also` refuses (it shows its own message).
// True when none is refused.
template <class Form>
bool RequireCheckedFields(Form* form, std::span<const Field<Form>> fields, int first, int last,
                          const std::string& message, const std::function<bool(TControl*)>& also = {}) {
    std::vector<const Field<Form>*> ordered;
    for (const Field<Form>& field : fields) {
        if (field.Required >= first && field.Required <= last && field.Check) {
            ordered.push_back(&field);
        }
    }
    std::stable_sort(ordered.begin(), ordered.end(),
                     [](const Field<Form>* a, const Field<Form>* b) { return a->Required < b->Required; });
    for (const Field<Form>* field : ordered) {
        TCheckBox* box = field->CheckBox(form);
        TControl* value = field->Value(form);
        if (!form->RequireTextIfChecked(box, value, message)) {
            return false;
        }
        if (also && box->Checked() && !also(value)) {
            return false;
        }
    }
    return true;
}
