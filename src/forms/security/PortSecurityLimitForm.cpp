#include "PortSecurityLimitForm.h"

#include "DialogTexts.h"
#include "FieldChecks.h"
#include "StrictNumbers.h"
#include "TButton.h"
#include "TCheckBox.h"
#include "TComboBox.h"
#include "TEdit.h"
#include "UserDialogs.h"

namespace {

constexpr const char* kNoLimit = "-1";
constexpr const char* kInputMaxLearn = "Please input a Max Learn Address number.";
constexpr const char* kInputPort = "Please input Port number.";
constexpr const char* kInputVlanId = "Please input a VLAN ID.";

// Acting waits for the flag and the request ("Get data not complete"); Refresh for the flag alone
// ("Get data not complete."); closing is never refused; Stop sets the flag at once.
constexpr DialogGuard kGuard = {.Text = DialogText::kGetDataNotComplete,
                                .Act = RefuseWhen::IncompleteOrBusy,
                                .Refresh = RefuseWhen::Incomplete,
                                .RefreshText = DialogText::kGetDataNotCompleteDot,
                                .Close = RefuseWhen::Never,
                                .StopCompletes = true};

} // namespace

TPortSecurityLimitForm::TPortSecurityLimitForm(TComponent* owner, const PortSecurityLimitDesign& design)
    : TForm(owner), Table(kGuard), Design(design) {
    TPanel* fields = BuildFrame(this, design.Frame, Table);
    Fields = BuildFields<TPortSecurityLimitForm>(this, fields, design.Fields, design.Columns);
    CBoxNolimit = AddCheckBox(this, fields, MaxLearnAddressEdit->Left() + MaxLearnAddressEdit->Width() + 10,
                              MaxLearnAddressEdit->Top() + 2, 80, "No Limit", nullptr);
    NoLimit.Attach(CBoxNolimit, MaxLearnAddressEdit, kNoLimit);
    if (VIDLabel) {
        VIDLabel->SetEnabled(false);
    }
    // The clear routine unticks "No Limit" too (its click empties and opens the edit).
    Table.AfterClear = [this] { CBoxNolimit->SetChecked(false); };
}

void TPortSecurityLimitForm::FormCreate(TObject*) {
    Table.Attempt([this] {
        DialogRequest& request = Table.CreateRequest(this, Design.Table, MVT_UMV, Design.KeyCount);
        BindFields<TPortSecurityLimitForm>(this, nullptr, request, Design.Fields);
        Table.Read();
    });
    Table.UpdateState();
}

void TPortSecurityLimitForm::ClearEditControls() {
    Table.Clear();
}

void TPortSecurityLimitForm::ShowRowLimit() {
    const std::string text = MaxLearnAddressEdit->Text();
    if (const std::optional<int> limit = StrictStrToInt(text)) {
        NoLimit.SetFromText(std::to_string(*limit));
        return;
    }
    // No integer (the box unticked on the same row, say): unticked, the edit as it is.
    CBoxNolimit->SetChecked(false);
    MaxLearnAddressEdit->SetText(text);
}

void TPortSecurityLimitForm::UpdateButtons(bool rowChosen) {
    if (AddButton) {
        AddButton->SetEnabled(!rowChosen);
    }
    SetButton->SetEnabled(rowChosen);
    if (Design.LimitFollowsRow) {
        if (rowChosen) {
            ShowRowLimit();
        } else {
            CBoxNolimit->SetChecked(false);
        }
    }
}

void TPortSecurityLimitForm::ListView1Click(TObject*) {
    Table.SelectionChanged();
}

void TPortSecurityLimitForm::ListView1Change(TObject*, TListItem*, TItemChange) {
    Table.ListChanged();
}

void TPortSecurityLimitForm::RefreshButtonClick(TObject*) {
    Table.Refresh();
}

bool TPortSecurityLimitForm::CheckInput() {
    if (!Design.KeysTyped) {
        // Per VLAN: the limit alone, whatever the box; the focus stays where it is.
        if (MaxLearnAddressEdit->Text().empty()) {
            ShowMessage(kInputMaxLearn);
            return false;
        }
        return true;
    }
    if (MaxLearnAddressEdit->Text().empty() && !CBoxNolimit->Checked()) {
        return RefuseInput(MaxLearnAddressEdit, kInputMaxLearn);
    }
    if (PortEdit->Text().empty()) {
        return RefuseInput(PortEdit, kInputPort);
    }
    if (VIDEdit->Text().empty()) {
        return RefuseInput(VIDEdit, kInputVlanId);
    }
    return true;
}

namespace {

// The SET blocking, the read after it asynchronous again (also after a SET that raised).
WritePlan WritePlanOf(const PortSecurityLimitDesign& design) {
    const AfterWrite leaves = design.KeysTyped ? AfterWrite::NoRow : AfterWrite::Unchanged;
    return {.Blocking = true, .Leaves = leaves, .LeavesFailed = leaves};
}

} // namespace

void TPortSecurityLimitForm::AddButtonClick(TObject*) {
    // Two texts: the flag clear, or the request busy (the guard's own).
    if (!Table.DataComplete) {
        ShowMessage(DialogText::kGetDataNotCompleteDot);
        return;
    }
    if (!Table.MayAct() || !CheckInput()) {
        return;
    }
    // The limit and Add Control "add" at port.VLAN of the two edits.
    Table.Write(
        [this] {
            SelectOption(Addcbx, "add");
            Table.Send(WriteCarry::RowWithout({}));
        },
        WritePlanOf(Design));
}

void TPortSecurityLimitForm::SetButtonClick(TObject*) {
    if (Design.LimitFollowsRow && !Table.RowChosen()) {
        return;
    }
    if (!Table.MayAct() || !Table.RowChosen() || !CheckInput()) {
        return;
    }
    // The limit and the row's other writable column (Add Control as read, or the clear control
    // chosen) at the chosen row.
    Table.Write(WriteCarry::RowWithout({}), WritePlanOf(Design));
}

void TPortSecurityLimitForm::StopButtonClick(TObject*) {
    Table.Stop();
}

void TPortSecurityLimitForm::CloseButtonClick(TObject*) {
    Table.Stop();
    Close();
}

void TPortSecurityLimitForm::FormClose(TObject*, TCloseAction&) {
    Table.Closing();
}
