#include "TSNMPEditorPanel.h"

#include "SkipFlagScope.h"
#include "TEdit.h"
#include "TForm.h"
#include "UserDialogs.h"
#include "VqSNMPRequest2Edits.h"

#include <exception>
#include <stdexcept>

TSNMPEditorPanel::TSNMPEditorPanel(TControl* owner, VqSNMPRequest2Edits* request)
    : TSNMPPanel(owner, nullptr, request) {
    Rows = new TEditsPanel(ClientPanel, request);
    Buttons->SetButton->OnClick = Bind(this, &TSNMPEditorPanel::SetClick);
    Buttons->SetButton->SetEnabled(false);
    Buttons->CheckAllButton->OnClick = Bind(this, &TSNMPEditorPanel::CheckAllClick);
    Buttons->ClearChecksButton->OnClick = Bind(this, &TSNMPEditorPanel::ClearChecksClick);
    Rows->ArrangeCtrlBtn(Buttons);
    SetEditor(Rows);
}

void TSNMPEditorPanel::SetEditWidth(int width) {
    Rows->SetEditWidth(width, 2);
    SetEditor(Rows);
    if (HostForm) {
        FitForm(HostForm);
    }
}

void TSNMPEditorPanel::SetVarFormat(int row, const std::string& constraint) {
    RebindRow(row, constraint, nullptr);
}

void TSNMPEditorPanel::SetVarChecker(int row, const std::string& constraint, TCheckFunction check) {
    RebindRow(row, constraint, &check);
}

void TSNMPEditorPanel::RebindRow(int row, const std::string& constraint, const TCheckFunction* check) {
    const UISnmpVar& r = Rows->Rows.at(row);
    Request->UnbindColumn(row);
    if (r.ControlType == rcComboBox) {
        throw std::runtime_error("Can not set Var format to a ComboBox!");
    }
    if (r.ControlType != rcReadOnlyEdit && r.ControlType != rcEdit) {
        throw std::runtime_error("Unknow UI Control type!");
    }
    auto* edit = static_cast<TEdit*>(r.Control);
    if (check) {
        Request->BindCheckedEdit(row, constraint, edit, *check);
    } else {
        Request->BindEdits(row, constraint, edit);
    }
}

void TSNMPEditorPanel::SetClick(TObject* sender) {
    const uint8_t savedMode = Request->Mode;
    Request->Mode = 0;
    VqSNMPVarList& list = Request->Request.VarList;
    // Only the flags set here are taken back: a variable a caller left out stays left out.
    SkipFlagScope leftOut(Request->Request);
    bool empty = false;
    for (int i = list.KeyCount; i < list.GetCount(); ++i) {
        const UISnmpVar& row = Rows->Rows[i];
        const SnmpVariable& variable = list.GetVariable(i);
        // A hidden check box before "active" is taken for a row status that reads back as set.
        const bool skip =
            !row.CheckBox->Checked() || (row.Control->Tag() != kTagKeepActive &&
                                         variable.ValueText == "active" && !row.CheckBox->Visible());
        if (skip && !(variable.Access & acInvalid)) {
            leftOut.Skip(i);
        }
        if (!(variable.Access & acInvalid) && Rows->RowIsEmpty(i) && i != kEmptyExemptPosition) {
            empty = true;
        }
    }
    if (empty) {
        MessageDlg("Some items are empty!", mtWarning, mbOK);
    } else {
        // A click into the table list or Stop only ends a read; the write the user asks for
        // goes out all the same.
        Request->Request.Active = true;
        try {
            Request->Set(false, true);
        } catch (const std::exception& e) {
            Request->ShowStatus(e.what());
        }
    }
    leftOut.Restore();
    Request->Mode = savedMode;
    auto* button = dynamic_cast<TControl*>(sender);
    if (!empty && button && button->Tag() == kTagSubDialogSet) {
        if (TForm* dialog = button->ParentForm()) {
            dialog->Close();
        }
    }
}

void TSNMPEditorPanel::CheckRows(bool checked) {
    for (int i = 0; i < Rows->RowCount(); ++i) {
        if (Rows->Rows[i].CheckBox->Enabled()) {
            Rows->Rows[i].CheckBox->SetChecked(checked);
        }
    }
    if (TBitBtn* set = Rows->HostSetButton()) {
        set->SetEnabled(Rows->CountCheckedRows() >= 1);
    }
}

void TSNMPEditorPanel::CheckAllClick(TObject*) {
    CheckRows(true);
}

void TSNMPEditorPanel::ClearChecksClick(TObject*) {
    CheckRows(false);
}
