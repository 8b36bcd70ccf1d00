#include "NLBFDBForm.h"

#include "DialogFrame.h"
#include "DialogTexts.h"
#include "TButton.h"
#include "UserDialogs.h"

namespace {

using T = TNLBFDBForm;

constexpr ButtonSpec<T> kButtons[] = {
    {&T::RefreshBtn, "Refresh", &T::RefreshBtnClick},
    {&T::AddBtn, "Add", &T::AddBtnClick},
    {&T::SetBtn, "Set", &T::SetBtnClick},
    {&T::DeleteBtn, "Delete", &T::DeleteBtnClick},
    {&T::CloseButton, "Close", &T::CloseButtonClick},
};

constexpr DialogFrame<T> kFrame = {.Width = 660,
                                   .Height = 432,
                                   .Buttons = kButtons,
                                   .Samples = "Samples",
                                   .ListHeight = 120,
                                   .RowsHeight = 40,
                                   .ClearOnNoRow = true,
                                   .ButtonPanel = &T::Panel1,
                                   .Count = &T::ST_Count,
                                   .SamplesLabel = &T::Label1,
                                   .List = &T::Entries,
                                   .Splitter = &T::Splitter1,
                                   .FieldPanel = &T::Panel2,
                                   .Tabs = &T::pgc1,
                                   .StatusBar = &T::StatusBar1,
                                   .OnCreate = &T::FormCreate,
                                   .OnClose = &T::FormClose,
                                   .State = &T::UpdateButtons};

constexpr const char* kSelectTheEntry = "Please select which entry you want to delete.";

// Set and Delete: the dialog's own read after the SET, whatever became of it; no entry chosen then.
constexpr WritePlan kReadAgain = {
    .After = ReRead::Always, .Leaves = AfterWrite::NoRow, .LeavesFailed = AfterWrite::NoRow};

} // namespace

TNLBFDBForm::TNLBFDBForm(TComponent* owner, const NlbTable& table)
    : TMacPortEntryForm(owner, table.Entry, DialogText::kGetDataNotCompleteDot, WriteStyle::FrameworkReRead),
      Nlb(table) {
    BuildEntryFields(BuildFrame(this, kFrame, Table));
    SetCaption(table.FormCaption);
}

void TNLBFDBForm::FormCreate(TObject*) {
    CreateEntry(pgc1);
}

void TNLBFDBForm::UpdateButtons(bool rowChosen) {
    EntryButtons(rowChosen, AddBtn, SetBtn, DeleteBtn);
    rowChosen ? Pickers.EnableAll() : Pickers.DisableAll();
}

void TNLBFDBForm::RefreshBtnClick(TObject*) {
    Table.Refresh();
}

void TNLBFDBForm::AddBtnClick(TObject*) {
    if (RefuseKey(Nlb.KeyRefusal) || !Table.MayAct()) {
        return;
    }
    WriteCarry carry = Fields.Carry();
    for (int column : Nlb.AddWithout) {
        carry.Without(column);
    }
    Table.Write([&] { Table.CreateRow(carry); }, {.Leaves = AfterWrite::NoRow});
}

void TNLBFDBForm::SetBtnClick(TObject*) {
    if (!Table.RowChosen()) {
        return;
    }
    // The chosen entry's ports and its own status, without the framework's re-read.
    Table.Write(
        [this] {
            WriteCarry::Only({Entry.Ports, Entry.Status}).Send(*Table.Request, false);
        },
        kReadAgain);
}

void TNLBFDBForm::DeleteBtnClick(TObject*) {
    // The entry the key edits show (a chosen entry's, as they are fixed while it is chosen).
    if (!KeyTyped()) {
        MessageDlg(kSelectTheEntry, mtWarning, mbOK);
        return;
    }
    if (Table.Request && Table.Request->Busy) {
        ShowMessage(DialogText::kGetDataNotComplete);
        return;
    }
    std::vector<int> columns = Nlb.DeleteWith;
    columns.push_back(Entry.Status);
    Table.Write([&] { Table.DestroyRow(WriteCarry::Only(columns)); }, kReadAgain);
}

void TNLBFDBForm::CloseButtonClick(TObject*) {
    Close();
}

void TNLBFDBForm::FormClose(TObject*, TCloseAction&) {
    Table.Closing();
}
