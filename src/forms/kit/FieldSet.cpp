#include "FieldSet.h"

#include "OptionItems.h"
#include "TCheckBox.h"
#include "TComboBox.h"
#include "TEdit.h"
#include "TLabel.h"
#include "TStaticText.h"

namespace {

bool IsEmptyValue(const TControl* value) {
    if (const auto* combo = dynamic_cast<const TComboBox*>(value)) {
        return combo->ItemIndex() < 0;
    }
    if (const auto* edit = dynamic_cast<const TEdit*>(value)) {
        return edit->Text().empty();
    }
    return false;
}

void ResetValue(TControl* value, const FieldDefault& to) {
    using Value = FieldDefault::Value;
    if (auto* combo = dynamic_cast<TComboBox*>(value)) {
        switch (to.How) {
        case Value::Empty:
            combo->SetItemIndex(-1);
            break;
        case Value::Option:
            SelectOption(combo, to.Text);
            break;
        case Value::FirstItem:
            combo->SetItemIndex(combo->Items().Count() > 0 ? 0 : -1);
            break;
        case Value::Keep:
            break;
        }
    } else if (auto* edit = dynamic_cast<TEdit*>(value)) {
        if (to.How != Value::Keep) {
            edit->SetText(to.How == Value::Option ? to.Text : "");
        }
    } else if (auto* text = dynamic_cast<TStaticText*>(value)) {
        if (to.How != Value::Keep) {
            text->SetCaption(to.How == Value::Option ? to.Text : "");
        }
    }
}

} // namespace

void FieldSet::Line::SetVisible(bool visible) const {
    for (TControl* control : {static_cast<TControl*>(Label), static_cast<TControl*>(Check), Value}) {
        if (control) {
            control->SetVisible(visible);
        }
    }
}

bool FieldSet::Line::Omitted() const {
    if (Check && !CheckFixed && !(Check->Checked() && Check->Enabled())) {
        return true;
    }
    const bool empty = Omit == OmitWhen::Empty || Omit == OmitWhen::EmptyOrDisabled;
    const bool disabled = Omit == OmitWhen::Disabled || Omit == OmitWhen::EmptyOrDisabled;
    if ((empty && IsEmptyValue(Value)) || (disabled && !Value->Enabled())) {
        return true;
    }
    return OmitIf && OmitIf();
}

void FieldSet::Append(FieldSet other) {
    for (Line& line : other.Lines) {
        Lines.push_back(std::move(line));
    }
}

void FieldSet::Reset() const {
    for (const Line& line : Lines) {
        if (line.EditionOnly && !Edition) {
            continue;
        }
        ResetValue(line.Value, line.Default);
        if (line.Check && line.Default.Check != FieldDefault::Box::Keep) {
            line.Check->SetChecked(line.Default.Check == FieldDefault::Box::Checked);
        }
    }
}

void FieldSet::Update(bool rowChosen) const {
    for (const Line& line : Lines) {
        if (line.Enabled && !(line.EditionOnly && !Edition)) {
            const bool enabled = line.Enabled(rowChosen);
            SetFieldEnabled(line.Value, enabled, line.How);
            if (line.SwitchesCheck && line.Check) {
                SetFieldEnabled(line.Check, enabled, line.How);
            }
        }
    }
}

std::vector<int> FieldSet::Omitted() const {
    std::vector<int> columns;
    for (const Line& line : Lines) {
        if (line.Column >= 0 && !(line.EditionOnly && !Edition) && line.Omitted()) {
            columns.push_back(line.Column);
        }
    }
    return columns;
}

WriteCarry FieldSet::Carry() const {
    return WriteCarry::RowWithout(Omitted());
}

const FieldSet::Line* FieldSet::Of(int column) const {
    for (const Line& line : Lines) {
        if (line.Column == column) {
            return &line;
        }
    }
    return nullptr;
}

const FieldSet::Line* FieldSet::Of(const TControl* value) const {
    for (const Line& line : Lines) {
        if (line.Value == value) {
            return &line;
        }
    }
    return nullptr;
}
