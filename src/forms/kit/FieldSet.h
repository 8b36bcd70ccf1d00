// The fields of a dialog once built: each field's controls with the rules its declaration gave
// (FieldTable.h), so that the dialog's routine steps are one call each and no dialog writes them
// again: a reset puts every field back to its default, an update switches every field the rules
// enable or disable (by the row mode, an option shown, a box ticked or the dialog's own predicate),
// and a write's carry is the row without the fields the rules leave out (an unticked or disabled
// check box, an empty value, the dialog's own predicate).
#pragma once

#include "ColumnWrites.h"
#include "TBasicFormUnit.h"

#include <functional>
#include <vector>

class TCheckBox;
class TControl;
class TLabel;

// What a reset puts into a field's value control and its check box.
struct FieldDefault {
    enum class Value : unsigned char {
        Empty,     // an edit or static text emptied, a combo box without a selection
        Option,    // a combo box at the item of `Text`, an edit holding `Text`
        FirstItem, // a combo box at its first item (an edit emptied)
        Keep,      // not touched by a reset
    };
    enum class Box : unsigned char { Unchecked, Checked, Keep };
    Value How = Value::Empty;
    const char* Text = nullptr;
    Box Check = Box::Keep;

    static constexpr FieldDefault Empty(Box check = Box::Keep) { return {Value::Empty, nullptr, check}; }
    static constexpr FieldDefault Option(const char* text, Box check = Box::Keep) {
        return {Value::Option, text, check};
    }
    static constexpr FieldDefault FirstItem(Box check = Box::Keep) {
        return {Value::FirstItem, nullptr, check};
    }
    static constexpr FieldDefault Keep() { return {Value::Keep, nullptr, Box::Keep}; }
};

// When a field is left out of a write, besides an unticked or disabled check box.
enum class OmitWhen : unsigned char {
    Never,
    Empty,           // an edit without text, a combo box without a selection
    Disabled,        // the value control disabled
    EmptyOrDisabled, // either
};

// The row modes a field is enabled in: a key fixed while a row is chosen (NoRow), a value the user
// sets only on a chosen row (Row).
enum class RowMode : unsigned char { Any, NoRow, Row };

// Built from a dialog's field table: the lines in table order.
class FieldSet {
public:
    struct Line {
        int Column = -1;
        TLabel* Label = nullptr;
        TCheckBox* Check = nullptr;
        TControl* Value = nullptr;
        FieldDefault Default = {};
        OmitWhen Omit = OmitWhen::Never;
        std::function<bool()> OmitIf = {}; // the dialog's own rule; null: none
        // Whether the rules enable the field in a row mode; null: the rules never switch it.
        std::function<bool(bool rowChosen)> Enabled = {};
        FieldEnabling How = FieldEnabling::WithState;
        bool SwitchesCheck = false; // the rules switch the check box with the value
        bool EditionOnly = false;   // bound only in the table of one firmware edition
        bool CheckFixed = false;    // a check box ticked and disabled for good: the column always written

        void SetVisible(bool visible) const;
        // Whether a write leaves the column out now.
        bool Omitted() const;
    };

    std::vector<Line> Lines;
    // Whether the lines of one firmware edition's table are bound (BindFields' `edition`): the
    // routine steps pass over them otherwise.
    bool Edition = false;

    // Appends the lines of another table built into the same dialog.
    void Append(FieldSet other);
    // Every field back to its default.
    void Reset() const;
    // Every field whose rules switch it, enabled or disabled as they say for the row mode.
    void Update(bool rowChosen) const;
    // The columns a write leaves out now, in table order.
    std::vector<int> Omitted() const;
    // A write of the row without them.
    WriteCarry Carry() const;
    // The line of a column or a value control; null when none.
    const Line* Of(int column) const;
    const Line* Of(const TControl* value) const;
};
