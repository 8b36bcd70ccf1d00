// The fields of a dedicated dialog as data: one declaration per field (its column, caption, value
// control, constraint, check box, place, flags and the design-named members it lands in), and one
// builder that creates and places the controls and one binder that binds them to the table's
// request (and, on a TBasicForm, records them as its rows). A dialog declares its fields in a
// constant array at the top of its unit and keeps no build or bind loop of its own:
//   constexpr Field<T> kFields[] = {
//       {.Column = kVlanId, .Caption = "VLAN ID", .Constraint = "%i{n2x4094l4}", .Edit = &T::ED_VLANID,
//        .Label = &T::Label1, .Place = {8, 11, 70, 8, 70}},
//       ...};
//   constructor: BuildFields<T>(this, panel, kFields);
//   FormCreate:  BindFields<T>(this, nullptr, request, kFields);  (a TBasicForm passes itself for rows)
#pragma once

#include "DialogRequest.h"
#include "TBasicFormUnit.h"
#include "TCheckBox.h"
#include "TComboBox.h"
#include "TEdit.h"
#include "TGroupBox.h"
#include "TLabel.h"
#include "TStaticText.h"

#include <algorithm>
#include <functional>
#include <span>
#include <utility>
#include <vector>

enum FieldFlag : unsigned {
    kFieldDisabled = 1u << 0,    // built disabled (a value the dialog shows but the user does not type)
    kFieldReadOnly = 1u << 1,    // built disabled and read-only
    kFieldHidden = 1u << 2,      // the whole line built hidden (label, check box, value)
    kFieldCheckHidden = 1u << 3, // the check box alone built hidden
    kFieldEditionOnly = 1u << 4, // only in the table of one firmware edition: bound only when asked
};

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

template <class Form> struct Field {
    int Column = -1; // the request's variable; -1: a line whose column the dialog sets at binding
    const char* Caption = nullptr;      // the label left of the value; null: none
    const char* CheckCaption = nullptr; // the check box's own caption; null with Check: a box without one
    const char* Constraint = nullptr;   // an edit's constraint
    TEdit* Form::*Edit = nullptr;       // the value control, one of the three
    TComboBox* Form::*Combo = nullptr;
    TStaticText* Form::*Text = nullptr;
    TCheckBox* Form::*Check = nullptr; // null: the column is never left out of a write
    TLabel* Form::*Label = nullptr;    // null: the label is not a member
    TGroupBox* Form::*Group = nullptr; // the group box the field stands in; null: the builder's parent
    FieldPlace Place;
    unsigned Flags = 0;
    int Tag = 0; // on the check box and the value control (the design's groups of fields)

    constexpr bool Has(unsigned flag) const { return (Flags & flag) != 0; }
    TControl* Value(Form* form) const {
        if (Edit) {
            return form->*Edit;
        }
        if (Combo) {
            return form->*Combo;
        }
        return form->*Text;
    }
    TCheckBox* CheckBox(Form* form) const { return Check ? form->*Check : nullptr; }
};

// The controls one field was built into (null where it has none), in table order.
struct BuiltField {
    int Column;
    TLabel* Label;
    TCheckBox* Check;
    TControl* Value;

    void SetVisible(bool visible) const {
        for (TControl* control : {static_cast<TControl*>(Label), static_cast<TControl*>(Check), Value}) {
            if (control) {
                control->SetVisible(visible);
            }
        }
    }
};

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
// each field was built into.
template <class Form>
std::vector<BuiltField> BuildFields(Form* form, TControl* parent, std::span<const Field<Form>> fields,
                                    CheckPlace check = {}) {
    using field_table_detail::Make;
    std::vector<BuiltField> built;
    for (const Field<Form>& field : fields) {
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
        if (field.Edit) {
            value = form->*field.Edit =
                        Make<TEdit>(form, in, field.Place.Left, field.Place.Top, field.Place.Width, 21);
        } else if (field.Combo) {
            value = form->*field.Combo =
                        Make<TComboBox>(form, in, field.Place.Left, field.Place.Top, field.Place.Width, 21);
        } else {
            auto* text =
                Make<TStaticText>(form, in, field.Place.Left, field.Place.Top, field.Place.Width, 19);
            text->SetAutoSize(false);
            text->SetBorderStyle(sbsSunken);
            value = form->*field.Text = text;
        }
        value->SetTag(field.Tag);
        if (field.Has(kFieldDisabled) || field.Has(kFieldReadOnly)) {
            value->SetEnabled(false);
        }
        if (auto* edit = dynamic_cast<TEdit*>(value); edit && field.Has(kFieldReadOnly)) {
            edit->SetReadOnly(true);
        }
        const BuiltField line{field.Column, label, box, value};
        if (field.Has(kFieldHidden)) {
            line.SetVisible(false);
        }
        if (box && field.Has(kFieldCheckHidden)) {
            box->SetVisible(false);
        }
        built.push_back(line);
    }
    return built;
}

// Binds every field to the request's column, in column order; with `rows` (the TBasicForm whose
// table it is: the dialog itself, or the list dialog of an edit sub-dialog) each is also recorded
// as the row of its column, its check box with it. Fields marked edition-only are bound only when
// `edition` is true. `columnOf` gives a field's column where the table decides it (the row status
// as the last column, say); by default the field's own.
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
        if (field->Edit && rows) {
            rows->BindEditRow(&request, column, field->Constraint, owner->*field->Edit, box);
        } else if (field->Edit) {
            request.BindEdits(column, field->Constraint, owner->*field->Edit);
        } else if (field->Combo && rows) {
            rows->BindComboRow(&request, column, owner->*field->Combo, box);
        } else if (field->Combo) {
            request.BindComboBox(column, owner->*field->Combo);
        } else {
            request.BindStaticText(column, owner->*field->Text);
        }
    }
}
