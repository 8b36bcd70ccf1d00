#include "TSNMPListViewPanel.h"

#include "DeviceFacts.h"
#include "SkipFlagScope.h"
#include "TApplication.h"
#include "TComboBox.h"
#include "TForm.h"
#include "TPageControl.h"
#include "UserDialogs.h"
#include "VqSNMPRequest2Edits.h"

#include <algorithm>
#include <cstdint>
#include <exception>
#include <memory>
#include <stdexcept>
#include <vector>

namespace {
constexpr uint64_t kEditWaitMs = 1000;
} // namespace

TSNMPListViewPanel::TSNMPListViewPanel(TControl* owner, VqSNMPRequest2Edits* request)
    : TSNMPEditorPanel(owner, request) {
    ListPanel = new TListViewPanel(ClientPanel, request);
    TListView* list = ListPanel->ListView;
    list->OnDblClick = Bind(this, &TSNMPListViewPanel::ListDblClick);
    list->OnClick = Bind(this, &TSNMPListViewPanel::ListClick);
    list->OnChange = Bind(this, &TSNMPListViewPanel::ListChange);
    list->OnMouseMove = Bind(this, &TSNMPListViewPanel::ListMouseMove);
    Buttons->RefreshButton->OnClick = Bind(this, &TSNMPListViewPanel::RefreshListClick);
    Buttons->EditButton->OnClick = Bind(this, &TSNMPListViewPanel::EditClick);
    Buttons->AddButton->OnClick = Bind(this, &TSNMPListViewPanel::AddClick);
    Buttons->StopButton->OnClick = Bind(static_cast<TSNMPPanel*>(this), &TSNMPPanel::StopClick);
    Buttons->DeleteButton->OnClick = Bind(this, &TSNMPListViewPanel::DeleteClick);
    ListPanel->ArrangeCtrlBtn(Buttons);
    if (Rows->AllRowsFixed()) {
        Buttons->EditButton->Hide();
        Buttons->ArrangeButtons();
    }
    SetEditor(ListPanel);
}

namespace {
// Checks that the row-status row offers the value; the message names the operation.
void RequireOption(const TEditsPanel* rows, int row, const std::string& value, const std::string& refusal) {
    const bool inRange = row >= 0 && row < rows->RowCount();
    auto* box = inRange ? dynamic_cast<TComboBox*>(rows->Rows[row].Control) : nullptr;
    if (!box || box->Items().IndexOf(value) < 0) {
        throw std::runtime_error(refusal + value);
    }
}
} // namespace

void TSNMPListViewPanel::SetAddStatus(int row, const std::string& value) {
    RequireOption(Rows, row, value, "TSNMPListViewPanel::SetAddStatus - Wrong AddStatusValue:");
    ListPanel->AddRow = row;
    ListPanel->AddValue = value;
    Buttons->AddButton->Show();
    Buttons->ArrangeButtons();
}

void TSNMPListViewPanel::SetDeleteStatus(int row, const std::string& value) {
    RequireOption(Rows, row, value, "TSNMPListViewPanel::SetDeleteStatus - Wrong DeleteStatusValue:");
    ListPanel->DeleteRow = row;
    ListPanel->DeleteValue = value;
    Buttons->DeleteButton->Show();
    Buttons->ArrangeButtons();
}

void TSNMPListViewPanel::ShowStopButton() {
    Buttons->StopButton->Show();
    Buttons->ArrangeButtons();
}

void TSNMPListViewPanel::UpdateCount() {
    Buttons->CountText->SetCaption(std::to_string(ListPanel->ListView->Items().Count()));
}

void TSNMPListViewPanel::RefreshListClick(TObject* sender) {
    if (Request->Mode == 1 && Request->Busy) {
        return;
    }
    Buttons->EditButton->SetEnabled(false);
    Buttons->DeleteButton->SetEnabled(false);
    RefreshClick(sender);
    UpdateCount();
}

// An Add or Edit dialog: a form of its own whose panel borrows this panel's rows and reports into
// this panel's strip. Whatever happens while it is open, the rows come back hidden into this panel
// and the constraint messages back to the dialog under it.
class TSNMPListViewPanel::SubDialog {
public:
    SubDialog(TSNMPListViewPanel* owner, const std::string& suffix) : Owner(owner) {
        Form.reset(CreateForm<TForm>(Application));
        Form->SetPosition(poOwnerFormCenter);
        Form->SetCaption(owner->SubDialogCaption(suffix));
        owner->Request->SetConstraintOwner(Form.get());
        Panel = new TSNMPPanel(Form.get(), owner->MsgPanel, owner->Request);
        Buttons = Panel->Buttons;
        auto* editor = static_cast<TSNMPEditorPanel*>(owner);
        Buttons->SetButton->OnClick = Bind(editor, &TSNMPEditorPanel::SetClick);
        Buttons->SetButton->SetTag(kTagSubDialogSet);
        Buttons->CheckAllButton->OnClick = Bind(editor, &TSNMPEditorPanel::CheckAllClick);
        Buttons->ClearChecksButton->OnClick = Bind(editor, &TSNMPEditorPanel::ClearChecksClick);
    }
    SubDialog(const SubDialog&) = delete;
    SubDialog& operator=(const SubDialog&) = delete;
    ~SubDialog() {
        TEditsPanel* rows = Owner->Rows;
        rows->Hide();
        rows->SetAlign(alNone);
        rows->SetParent(Owner->ClientPanel);
        rows->ScrollBox->ScrollToTop();
        Form.reset();
        Owner->Request->SetConstraintOwner(Owner->HostForm);
    }

    // The rows as laid out for this dialog, moved into it; the form fitted around them.
    void Install() {
        TEditsPanel* rows = Owner->Rows;
        rows->ArrangeCtrlBtn(Buttons);
        rows->LayoutRows(2, true);
        Buttons->RefreshButton->Hide();
        Buttons->ArrangeButtons();
        Panel->SetEditor(rows);
        Panel->FitForm(Form.get());
    }

    TSNMPListViewPanel* Owner;
    std::unique_ptr<TForm> Form;
    TSNMPPanel* Panel;
    TCtrlBtnPanel* Buttons;
};

std::string TSNMPListViewPanel::SubDialogCaption(const std::string& suffix) const {
    if (auto* form = dynamic_cast<TForm*>(Parent())) {
        return form->Caption() + suffix;
    }
    if (auto* sheet = dynamic_cast<TTabSheet*>(Parent())) {
        return sheet->Caption() + ": " + Facts().DeviceAddress + suffix;
    }
    return (HostForm ? HostForm->Caption() : std::string()) + suffix;
}

void TSNMPListViewPanel::AddClick(TObject*) {
    ShowAddDialog();
}

void TSNMPListViewPanel::ShowAddDialog() {
    Rows->ClearRows();
    {
        SubDialog dialog(this, " (Add)");
        for (int i = 0; i < Rows->RowCount(); ++i) {
            UISnmpVar& row = Rows->Rows[i];
            if (Rows->IsIndexRow(i)) {
                Rows->MakeRowEditable(i);
                row.CheckBox->SetChecked(true);
                row.CheckBox->Show();
                row.CheckBox->SetEnabled(false);
                row.Control->SetEnabled(true);
            }
            if (Rows->IsBitListRow(i)) {
                Rows->MakeRowReadOnly(i);
            }
        }
        if (ListPanel->AddRow != -1) {
            UISnmpVar& row = Rows->Rows.at(ListPanel->AddRow);
            row.Control->SetEnabled(false);
            row.Control->Hide();
            row.CheckBox->SetChecked(true);
            row.CheckBox->SetEnabled(false);
            row.CheckBox->Hide();
            row.Label->Hide();
            if (auto* box = dynamic_cast<TComboBox*>(row.Control)) {
                box->SetItemIndex(box->Items().IndexOf(ListPanel->AddValue));
            }
        }
        dialog.Install();
        ListPanel->ListView->SetSelected(nullptr);
        Buttons->EditButton->SetEnabled(false);
        Buttons->DeleteButton->SetEnabled(false);
        dialog.Form->ShowModal();
    }
    RefreshListClick(Buttons->RefreshButton);
}

void TSNMPListViewPanel::EditClick(TObject*) {
    ShowEditDialog();
}

void TSNMPListViewPanel::ShowEditDialog() {
    if (Request->Mode == 1) {
        Request->Request.Active = false;
        Application->WaitUntil([this] { return !Request->Busy; }, kEditWaitMs);
        Request->Request.Active = true;
    }
    {
        SubDialog dialog(this, " (Edit)");
        dialog.Buttons->SetButton->SetEnabled(false);
        Rows->SetRowsEditable(false);
        for (int i = 0; i < Rows->RowCount(); ++i) {
            if (Rows->IsBitListRow(i)) {
                Rows->MakeRowReadOnly(i);
            }
        }
        if (ListPanel->AddRow != -1) {
            UISnmpVar& row = Rows->Rows.at(ListPanel->AddRow);
            const bool shown = row.Control->Tag() == kTagKeepActive;
            for (TControl* control : std::initializer_list<TControl*>{row.CheckBox, row.Control, row.Label}) {
                control->SetVisible(shown);
            }
        }
        dialog.Install();

        // The row-status values that create and delete rows are not offered while a row is
        // edited; the combo boxes get their items back, in order, when the dialog closes.
        struct Offered {
            int Row;
            TComboBox* Box;
            std::vector<std::string> Items;
            bool Hidden = false;
        };
        struct Restore {
            TEditsPanel* Rows;
            std::vector<Offered> List;
            ~Restore() {
                for (Offered& o : List) {
                    if (o.Hidden) {
                        Rows->ShowRow(o.Row);
                    }
                    o.Box->Items().Assign(o.Items);
                }
            }
        } restore{Rows, {}};
        auto withdraw = [&](int row, const std::string& value) {
            auto* box = row == -1 ? nullptr : dynamic_cast<TComboBox*>(Rows->Rows.at(row).Control);
            if (!box) {
                return;
            }
            auto known = std::find_if(restore.List.begin(), restore.List.end(),
                                      [row](const Offered& o) { return o.Row == row; });
            if (known == restore.List.end()) {
                restore.List.push_back({row, box, box->Items().List()});
            }
            const int index = box->Items().IndexOf(value);
            if (index >= 0) {
                box->Items().Delete(index);
            }
        };
        withdraw(ListPanel->AddRow, ListPanel->AddValue);
        withdraw(ListPanel->DeleteRow, ListPanel->DeleteValue);
        for (Offered& o : restore.List) {
            if (o.Box->Items().Count() == 0) {
                Rows->HideRow(o.Row);
                o.Hidden = true;
            }
        }
        dialog.Form->ShowModal();
    }
    RefreshListClick(Buttons->RefreshButton);
}

void TSNMPListViewPanel::DeleteClick(TObject*) {
    if (MessageDlg("Are you sure to delete it?", mtConfirmation, mbOK | mbCancel) != mrOk) {
        return;
    }
    const uint8_t savedMode = Request->Mode;
    Request->Mode = 0;
    Request->Request.Active = true;
    VqSNMPVarList& list = Request->Request.VarList;
    const int deleteRow = ListPanel->DeleteRow;
    SkipFlagScope leftOut(Request->Request);
    for (int i = list.KeyCount; i < list.GetCount(); ++i) {
        if (i != deleteRow && !(list.GetVariable(i).Access & acInvalid)) {
            leftOut.Skip(i);
        }
    }
    // The selected row's keys name the instance; the SET carries the delete value alone.
    try {
        const std::vector<std::string> values{ListPanel->DeleteValue};
        Request->Set(false, true, std::to_string(deleteRow), &values);
    } catch (const std::exception& e) {
        Request->ShowStatus(e.what());
    }
    leftOut.Restore();
    // Still synchronous: the list shown when Delete returns is the one read after the SET.
    RefreshListClick(Buttons->RefreshButton);
    Request->Mode = savedMode;
}

void TSNMPListViewPanel::ListClick(TObject*) {
    Request->Request.Active = false;
    const bool selected = ListPanel->ListView->Selected() != nullptr;
    Buttons->EditButton->SetEnabled(selected);
    Buttons->DeleteButton->SetEnabled(selected);
    if (!selected) {
        Rows->ClearRows();
    }
}

void TSNMPListViewPanel::ListDblClick(TObject*) {
    if (ListPanel->ListView->Selected() && Buttons->EditButton->OnClick) {
        Buttons->EditButton->OnClick(Buttons->EditButton);
    }
}

void TSNMPListViewPanel::ListChange(TObject*, TListItem*, TItemChange) {
    UpdateCount();
}

void TSNMPListViewPanel::ListMouseMove(TObject*, TShiftState, int x, int y) {
    TListView* list = ListPanel->ListView;
    TListItem* item = list->GetItemAt(x, y);
    if (!item) {
        list->SetShowHint(false);
        return;
    }
    size_t longest = 0;
    for (int c = 0; c < list->Columns().Count(); ++c) {
        longest = std::max(longest, list->Columns()[c]->Caption().size());
    }
    // The values line up behind captions padded with one TAB per missing character.
    std::string hint;
    for (int c = 0; c < list->Columns().Count(); ++c) {
        const std::string& caption = list->Columns()[c]->Caption();
        hint += caption + std::string(longest - caption.size(), '\t') + "  ";
        if (c == 0) {
            hint += item->Caption();
        } else if (c - 1 < item->SubItems().Count()) {
            hint += item->SubItems()[c - 1];
        }
        hint += "\n";
    }
    list->SetHint(hint);
    list->SetShowHint(true);
}
