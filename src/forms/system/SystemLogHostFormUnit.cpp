#include "SystemLogHostFormUnit.h"

#include "CatalogueColumns.h"
#include "DialogFrame.h"
#include "DialogTexts.h"
#include "LogHostEditFormUnit.h"
#include "Oid_systemlogunit.h"
#include "TButton.h"
#include "TComboBox.h"

TSystemLogHostForm* SystemLogHostForm = nullptr;

namespace {

using T = TSystemLogHostForm;

constexpr int kKeyCount = 1; // the server's index

constexpr ButtonSpec<T> kButtons[] = {
    {&T::GetButton, "Refresh", &T::GetButtonClick}, {&T::EditButton, "Edit", &T::EditButtonClick},
    {&T::AddButton, "Add", &T::AddButtonClick},     {&T::DeleteButton, "Delete", &T::DeleteButtonClick},
    {&T::Button1, "Close", &T::Button1Click},
};

constexpr DialogFrame<T> kFrame = {.Width = 525,
                                   .Height = 374,
                                   .Position = poScreenCenter,
                                   .Caption = "System Log Host",
                                   .Buttons = kButtons,
                                   .Samples = "Samples",
                                   .ButtonPanel = &T::Panel1,
                                   .Count = &T::StaticText1,
                                   .SamplesLabel = &T::Label1,
                                   .ListPanel = &T::Panel2,
                                   .List = &T::ListView1,
                                   .StatusBar = &T::StatusBar1,
                                   .OnListDblClick = &T::ListView1DblClick,
                                   .OnListSelectItem = &T::ListView1SelectItem,
                                   .OnListChange = &T::ListView1Change,
                                   .OnCreate = &T::FormCreate,
                                   .OnClose = &T::FormClose,
                                   .State = &T::UpdateButtons};

// Refresh, Delete and the edit dialog's Set wait for the request; Refresh says nothing.
constexpr DialogGuard kGuard = {
    .Text = DialogText::kGetDataNotComplete, .Act = RefuseWhen::Busy, .Refresh = RefuseWhen::Busy};

} // namespace

TSystemLogHostForm::TSystemLogHostForm(TComponent* owner) : TForm(owner), Table(kGuard) {
    BuildFrame(this, kFrame, Table);
    // Delete: the row status destroy alone, no question, from the chosen server's own values (the
    // edit dialog may have reset them while the server stayed chosen).
    Table.Deleting = {.RefillRow = true,
                      .NoRowText = DialogText::kChooseTheItemFirst,
                      .Write = {.Leaves = AfterWrite::NoRowKept, .LeavesFailed = AfterWrite::NoRowKept}};
}

void TSystemLogHostForm::FormCreate(TObject*) {
    CreateSubDialog(this, Table, LogHostEditForm);
    Table.Attempt([this] {
        DialogRequest& request = Table.CreateRequest(this, SystemLogHostTable, MVT_UMV, kKeyCount);
        LogHostEditForm->BindTo(request);
        Table.StatusColumn = ColumnOf(Columns::SystemLogHostTable, "Row Status");
        Table.StatusCombo = LogHostEditForm->RowComboBox;
        Table.Read();
    });
    UpdateButtons(false);
}

void TSystemLogHostForm::UpdateButtons(bool rowChosen) {
    EditButton->SetEnabled(rowChosen);
    DeleteButton->SetEnabled(rowChosen);
}

void TSystemLogHostForm::ListView1SelectItem(TObject*, TListItem*, bool) {
    Table.SelectionChanged();
}

void TSystemLogHostForm::ListView1Change(TObject*, TListItem*, TItemChange) {
    Table.ListChanged();
}

void TSystemLogHostForm::ListView1DblClick(TObject*) {
    EditSelectedHost();
}

void TSystemLogHostForm::GetButtonClick(TObject*) {
    Table.Refresh();
}

void TSystemLogHostForm::AddButtonClick(TObject*) {
    Table.Report([this] { LogHostEditForm->ShowFor(TLogHostEditForm::kAddMode, " (Add)"); });
    // The add reset the fields the chosen server had filled.
    Table.Unselect();
    UpdateButtons(false);
}

void TSystemLogHostForm::EditButtonClick(TObject*) {
    EditSelectedHost();
}

void TSystemLogHostForm::EditSelectedHost() {
    if (ListView1->Selected()) {
        Table.Report([this] { LogHostEditForm->ShowFor(TLogHostEditForm::kEditMode, " (Edit)"); });
    }
}

void TSystemLogHostForm::DeleteButtonClick(TObject*) {
    Table.Delete();
}

void TSystemLogHostForm::Button1Click(TObject*) {
    Close();
}

void TSystemLogHostForm::FormClose(TObject*, TCloseAction& action) {
    Table.Closing();
    action = caFree;
}
