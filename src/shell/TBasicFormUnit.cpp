#include "TBasicFormUnit.h"

#include "InputValidators.h"
#include "MainUnit.h"
#include "TCheckBox.h"
#include "TComboBox.h"
#include "TEdit.h"
#include "TPanel.h"
#include "TRadioButton.h"
#include "TScreen.h"
#include "UserDialogs.h"
#include "VqSNMPRequest2Edits.h"

#include <algorithm>
#include <exception>
#include <new>
#include <stdexcept>

namespace {

std::string ControlText(TControl* control) {
    if (auto* combo = dynamic_cast<TComboBox*>(control)) {
        return combo->Text();
    }
    return control->Caption(); // an edit's Text
}

// The focus to a refused field, when it can take it (a dialog not yet shown cannot).
void FocusIfEnabled(TControl* control) {
    if (control->Enabled() && control->CanFocus()) {
        control->SetFocus();
    }
}

bool IsCheckedAndEnabled(TControl* box) {
    if (auto* check = dynamic_cast<TCheckBox*>(box)) {
        return check->Checked() && check->Enabled();
    }
    if (auto* radio = dynamic_cast<TRadioButton*>(box)) {
        return radio->Checked() && radio->Enabled();
    }
    return true; // another kind of control never marks its row
}

} // namespace

void ScaleDesignSize(TForm* form, int width, int height, DesignScale scale) {
    if (Screen->PixelsPerInch() != 96) {
        const int times = scale == DesignScale::Twice ? 2 : scale == DesignScale::Once ? 1 : 0;
        for (int i = 0; i < times; ++i) {
            // Integer arithmetic truncates as each product's conversion to whole pixels does.
            width = width * 5 / 4;
            height = height * 5 / 4;
        }
    }
    form->SetWidth(width);
    form->SetHeight(height);
}

TBasicForm::TBasicForm(TComponent* owner, int designWidth, int designHeight, DesignScale scale)
    : TForm(owner) {
    ScaleDesignSize(this, designWidth, designHeight, scale);
    SetPosition(poMainFormCenter);
}

void TBasicForm::EmbedPortSelection(TPanel* panel, int columns) {
    EmbedPortSelection(panel, columns, CurrentStackUnits(), [](const std::string& text) {
        if (!MainForm) {
            throw std::runtime_error(text); // no status panel to show it: the creation handler gets it
        }
        MainForm->SetStatusText(text);
    });
}

void TBasicForm::EmbedPortSelection(TPanel* panel, int columns, const StackUnits& stack,
                                    const std::function<void(const std::string&)>& reportFailure) {
    try {
        PortPicker = CreateForm<TStackingPortUitForm>(this);
    } catch (const std::bad_alloc&) {
        ShowMessage("Memory alloc problem!");
        Close();
        return;
    }
    try {
        PortPicker->SetParent(panel);
        PortPicker->SetAlign(alClient);
        PortPicker->Show();
        PortPicker->FillStackPages(stack, columns, UnitPresence::ByModuleName);
    } catch (const std::exception& e) {
        if (!stack.Stacking) {
            throw;
        }
        reportFailure(e.what());
    }
}

bool TBasicForm::CheckPortChosen() {
    if (PortPicker) {
        const size_t counted = std::min(PortPicker->PortBoxes.size(), static_cast<size_t>(kPortBoxCount));
        if (std::any_of(PortPicker->PortBoxes.begin(),
                        PortPicker->PortBoxes.begin() + static_cast<std::ptrdiff_t>(counted),
                        [](const TCheckBox* box) { return box->Checked(); })) {
            return true;
        }
    }
    ShowMessage("You must choose at least 1 port!");
    return false;
}

void SetFieldEnabled(TControl* control, bool enabled, FieldEnabling how) {
    const bool box = dynamic_cast<TEdit*>(control) || dynamic_cast<TComboBox*>(control);
    const bool check = dynamic_cast<TCheckBox*>(control) || dynamic_cast<TRadioButton*>(control);
    if (how == FieldEnabling::EnabledOnly) {
        control->SetEnabled(enabled);
        return;
    }
    if (!box && !check) {
        return;
    }
    if (enabled) {
        control->SetEnabled(true);
        if (box) {
            control->SetColor(clWindow);
        }
        return;
    }
    if (how == FieldEnabling::KeepValue || how == FieldEnabling::KeepText) {
        control->SetEnabled(false);
        if (box) {
            control->SetColor(how == FieldEnabling::KeepValue ? clBtnFace : clMenu);
        }
        return;
    }
    if (auto* edit = dynamic_cast<TEdit*>(control)) {
        edit->SetEnabled(false);
        edit->SetColor(clMenu);
        edit->SetText("");
    } else if (auto* combo = dynamic_cast<TComboBox*>(control)) {
        combo->SetEnabled(false);
        combo->SetColor(clMenu);
    } else if (auto* checkBox = dynamic_cast<TCheckBox*>(control)) {
        checkBox->SetChecked(false);
        checkBox->SetEnabled(false);
    } else if (auto* radio = dynamic_cast<TRadioButton*>(control)) {
        radio->SetChecked(false);
        radio->SetEnabled(false);
    }
}

void SetFieldsEnabled(std::initializer_list<TControl*> controls, bool enabled, FieldEnabling how) {
    for (TControl* control : controls) {
        SetFieldEnabled(control, enabled, how);
    }
}

void TBasicForm::DisableControl(TControl* control) {
    SetFieldEnabled(control, false);
}

void TBasicForm::EnableControl(TControl* control) {
    SetFieldEnabled(control, true);
}

void TBasicForm::MakeReadOnly(TControl* control) {
    if (auto* edit = dynamic_cast<TEdit*>(control)) {
        edit->SetReadOnly(true);
    } else if (dynamic_cast<TComboBox*>(control)) {
        control->SetEnabled(false);
    } else {
        return;
    }
    control->SetTabStop(false);
    control->SetColor(clBtnFace);
}

void TBasicForm::DisableControls(std::initializer_list<TControl*> controls) {
    for (TControl* control : controls) {
        DisableControl(control);
    }
}

void TBasicForm::EnableControls(std::initializer_list<TControl*> controls) {
    for (TControl* control : controls) {
        EnableControl(control);
    }
}

void TBasicForm::MakeReadOnlyControls(std::initializer_list<TControl*> controls) {
    for (TControl* control : controls) {
        MakeReadOnly(control);
    }
}

void TBasicForm::SetRowsByTag(int tag, bool enabled) {
    for (size_t k = 0; k < RowCheckBoxes.size(); ++k) {
        if (!RowCheckBoxes[k]) {
            continue;
        }
        for (TControl* control : {RowCheckBoxes[k], RowControls[k]}) {
            if (control && control->Tag() == tag) {
                SetFieldEnabled(control, enabled);
            }
        }
    }
}

void TBasicForm::DisableControlsByTag(int tag) {
    SetRowsByTag(tag, false);
}

void TBasicForm::EnableControlsByTag(int tag) {
    SetRowsByTag(tag, true);
}

bool TBasicForm::RequireTextIfChecked(TControl* checkBox, TControl* control, const std::string& message) {
    auto* check = dynamic_cast<TCheckBox*>(checkBox);
    if (check && !check->Checked()) {
        return true;
    }
    return RequireText(control, message);
}

bool TBasicForm::RequireText(TControl* control, const std::string& message) {
    if (!control || !ControlText(control).empty()) {
        return true;
    }
    ShowMessage(message);
    FocusIfEnabled(control);
    return false;
}

void TBasicForm::ResetControls(const std::vector<TControl*>& controls) {
    for (TControl* control : controls) {
        if (auto* combo = dynamic_cast<TComboBox*>(control)) {
            combo->SetItemIndex(0);
        } else if (auto* edit = dynamic_cast<TEdit*>(control)) {
            edit->SetText("");
        }
    }
}

void TBasicForm::UncheckAll(const std::vector<TControl*>& controls) {
    for (TControl* control : controls) {
        if (auto* check = dynamic_cast<TCheckBox*>(control)) {
            check->SetChecked(false);
        }
    }
}

void TBasicForm::CheckEnabled(const std::vector<TControl*>& controls) {
    for (TControl* control : controls) {
        if (auto* check = dynamic_cast<TCheckBox*>(control); check && check->Enabled()) {
            check->SetChecked(true);
        }
    }
}

void TBasicForm::RecordRow(int column, TControl* checkBox, TControl* control) {
    if (column < 0) {
        throw std::invalid_argument("TBasicForm: a row needs a column of 0 or more");
    }
    // By column, not by order of binding, so that entry k is variable k's row even when a dialog
    // binds out of order or binds a column twice.
    const size_t k = static_cast<size_t>(column);
    if (RowCheckBoxes.size() <= k) {
        RowCheckBoxes.resize(k + 1, nullptr);
        RowControls.resize(k + 1, nullptr);
    }
    RowCheckBoxes[k] = checkBox;
    RowControls[k] = control;
}

void TBasicForm::BindComboRow(VqSNMPRequest2Edits* request, int column, TComboBox* combo,
                              TControl* checkBox) {
    request->BindComboBox(column, combo);
    RecordRow(column, checkBox, combo);
}

void TBasicForm::BindEditRow(VqSNMPRequest2Edits* request, int column, const std::string& constraint,
                             TEdit* edit, TControl* checkBox) {
    request->BindEdits(column, constraint, edit);
    RecordRow(column, checkBox, edit);
}

void TBasicForm::BindCheckedEditRow(VqSNMPRequest2Edits* request, int column, const std::string& constraint,
                                    TEdit* edit, std::function<bool(TControl*)> check) {
    request->BindCheckedEdit(column, constraint, edit, std::move(check));
    RecordRow(column, nullptr, edit);
}

std::vector<int> TBasicForm::UncheckedRows(const VqSNMPRequest2Edits* request) const {
    const VqSNMPVarList& list = request->Request.VarList;
    const int rows = std::min({RowCount, list.GetCount(), static_cast<int>(RowCheckBoxes.size())});
    std::vector<int> unchecked;
    for (int k = std::max(list.KeyCount, 0); k < rows; ++k) {
        TControl* box = RowCheckBoxes[static_cast<size_t>(k)];
        if (box && k != ExcludedRow && !IsCheckedAndEnabled(box)) {
            unchecked.push_back(k);
        }
    }
    return unchecked;
}

void TBasicForm::SkipUncheckedRows(VqSNMPRequest2Edits* request) {
    for (int k : UncheckedRows(request)) {
        request->Request.VarList.GetVariable(k).Access |= acInvalid;
    }
}

void TBasicForm::ClearSkipFlags(VqSNMPRequest2Edits* request) {
    VqSNMPVarList& list = request->Request.VarList;
    const int rows = std::min(RowCount, list.GetCount());
    for (int k = 0; k < rows; ++k) {
        list.GetVariable(k).Access &= ~acInvalid;
    }
}

TBasicForm::SkippedRows::SkippedRows(TBasicForm* form, VqSNMPRequest2Edits* request)
    : Form(form), Request(request), RequestLife(request->Request.LifeToken()) {
    Form->SkipUncheckedRows(Request);
}

TBasicForm::SkippedRows::~SkippedRows() {
    if (!RequestLife.expired()) {
        Form->ClearSkipFlags(Request);
    }
}

bool CheckMacAddressText(TControl* control) {
    const std::string text = control->Caption();
    if (text.empty()) {
        ShowMessage("Please enter a valid MAC Address");
        return false;
    }
    if (!IsMacString(text)) {
        ShowMessage("Please enter a valid MAC address!");
        return false;
    }
    return true;
}

bool CheckPlainMacAddressText(TControl* control) {
    const std::string text = control->Caption();
    if (!IsMacHexString(text)) {
        ShowMessage("Please enter a valid MAC address!");
        return false;
    }
    return true;
}

bool IsIPv4AddressText(TControl* control) {
    const std::string text = control->Caption();
    return !text.empty() && IsIPv4String(text);
}
