// What the two families of ACL editors (the profile editors, TAclProfileForm, and the rule editors,
// TAclRuleForm) share in their shape: a member is a design (its options, its field table over one
// catalogue table, its group boxes) plus its own checks, the one hook of either family
// (`CheckFields`). A member's fields follow their rules: the field table's `.EnabledWhen`, and
// where a family runs its members' rules at given moments, the rule steps its design lists.
#pragma once

#include "DialogFrame.h"
#include "FieldTable.h"

#include <span>

class TComboBox;
class TGroupBox;
class TObject;

// A rule step of a member: a design handler of one of its fields (a combo box's change, a check
// box's click), run as a rule.
template <class Form> using FieldRule = void (Form::*)(TObject* sender);

// The moments at which a family runs its member's rule steps, each in the order given.
template <class Form> struct FieldRules {
    std::span<const FieldRule<Form>> Create = {};   // once at creation, after the first reset
    std::span<const FieldRule<Form>> Reset = {};    // after every reset of the fields
    std::span<const FieldRule<Form>> List = {};     // a click in the list that leaves no row, after its reset
    std::span<const FieldRule<Form>> Row = {};      // a row chosen
    std::span<const FieldRule<Form>> Refresh = {};  // after Refresh's reset
    std::span<const FieldRule<Form>> CheckAll = {}; // after a rule editor member's own Check All
    std::span<const FieldRule<Form>> Targets = {};  // a chosen rule's typed targets ticked from its cells
};

// A combo box's selection in a new dialog, before its first read and reset (which keeps it unless
// the field's `.Default` says otherwise).
template <class Form> struct StartOption {
    TComboBox* Form::*Combo;
    const char* Text;
};

// Field lines of either family: the field with one of its rules given.
// A key, typed for a new row and fixed (disabled alone) while a row is chosen.
template <class Form> constexpr Field<Form> KeyField(Field<Form> field) {
    field.EnabledWhen = {.Mode = RowMode::NoRow, .How = FieldEnabling::EnabledOnly};
    return field;
}
// Enabled while its rule holds (disabled the dialog base's way: an edit emptied, a box unticked).
template <class Form> constexpr Field<Form> RuledField(Field<Form> field, FieldEnabledWhen<Form> when) {
    field.EnabledWhen = when;
    return field;
}
// Left out of a write while empty or disabled (a mask).
template <class Form> constexpr Field<Form> MaskField(Field<Form> field) {
    field.Omit = OmitWhen::EmptyOrDisabled;
    return field;
}
// What a reset gives it.
template <class Form> constexpr Field<Form> DefaultedField(Field<Form> field, FieldDefault reset) {
    field.Default = reset;
    return field;
}

// A family's frame at a member's designed size and list height (its options').
template <class T, class Options> DialogFrame<T> MemberFrame(DialogFrame<T> frame, const Options& options) {
    frame.Width = options.DesignWidth;
    frame.Height = options.DesignHeight;
    frame.ListHeight = options.ListHeight;
    return frame;
}
