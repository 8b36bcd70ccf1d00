#include "RowStatusListFormUnit.h"

#include "DeviceFacts.h"
#include "DialogFrame.h"
#include "DialogTexts.h"
#include "EditSubDialog.h"
#include "TButton.h"

namespace {

using T = TRowStatusListForm;

// The IP version of the opening command that reads a list's first table; any other reads its IPv6
// table.
constexpr int kIPv4Version = 1;

constexpr ButtonSpec<T> kButtons[] = {
    {&T::btnGet, "Refresh", &T::btnGetClick},   {&T::btnAdd, "Add", &T::btnAddClick},
    {&T::btnEdit, "Edit", &T::btnEditClick},    {&T::btnDelete, "Delete", &T::btnDeleteClick},
    {&T::btnClose, "Close", &T::btnCloseClick},
};

// The lists' common frame; each gives its size and caption.
constexpr DialogFrame<T> kFrame = {.Scale = DesignScale::None,
                                   .Buttons = kButtons,
                                   .Samples = "Samples",
                                   .ButtonPanel = &T::Panel1,
                                   .Count = &T::StaticText1,
                                   .List = &T::ListView1,
                                   .StatusBar = &T::StatusBar1,
                                   .OnListDblClick = &T::ListView1DblClick,
                                   .OnListSelectItem = &T::ListView1SelectItem,
                                   .OnListChange = &T::ListView1Change,
                                   .OnCreate = &T::FormCreate,
                                   .OnClose = &T::FormClose,
                                   .State = &T::UpdateButtons};

} // namespace

TRowStatusListForm::TRowStatusListForm(TComponent* owner, const RowStatusListDesign& design)
    : TForm(owner), Table(DialogGuard::None()), Design(design) {
    DialogFrame<T> frame = kFrame;
    frame.Width = design.Width;
    frame.Height = design.Height;
    frame.Caption = design.Caption;
    BuildFrame(this, frame, Table);
    Table.Refreshing = {.Leaves = RefreshLeaves::NoRowKept};
    // Every writable column as the sub-dialog shows the chosen row, with destroy; no question.
    Table.Deleting = {
        .Destroy = WriteCarry::RowWithout({}),
        .RefillRow = true,
        .NoRowText = DialogText::kChooseTheItemFirst,
        .Write = {.Leaves = AfterWrite::StateOfNoRow, .LeavesFailed = AfterWrite::StateOfNoRow}};
    UpdateButtons(false);
}

void TRowStatusListForm::FormCreate(TObject*) {
    EditDialog = MakeEditDialog();
    Table.Attempt([this] {
        const bool ipv4 = !Design.IPv6Table || Facts().MulticastIpVersion == kIPv4Version;
        DialogRequest& request = Table.CreateRequest(this, ipv4 ? Design.Table : Design.IPv6Table,
                                                     ipv4 ? Design.Kind : Design.IPv6Kind, Design.KeyCount);
        EditDialog->BindTo(request);
        Table.StatusColumn = Design.RowStatus;
        Table.StatusCombo = RowStatusCombo();
        Table.Read();
    });
}

void TRowStatusListForm::UpdateButtons(bool rowChosen) {
    btnAdd->SetEnabled(!rowChosen);
    btnEdit->SetEnabled(rowChosen);
    btnDelete->SetEnabled(rowChosen);
}

void TRowStatusListForm::ListView1SelectItem(TObject*, TListItem*, bool) {
    Table.SelectionChanged();
}

void TRowStatusListForm::ListView1DblClick(TObject* sender) {
    btnEditClick(sender);
}

void TRowStatusListForm::ListView1Change(TObject*, TListItem*, TItemChange) {
    Table.ListChanged();
}

void TRowStatusListForm::btnGetClick(TObject*) {
    Table.Refresh();
}

void TRowStatusListForm::ShowEditDialog(int mode, const char* suffix) {
    Table.Report([&] {
        EditDialog->Mode = mode;
        EditDialog->SetCaption(SubDialogCaption(Design.EditTitle, suffix));
        EditDialog->ShowModal();
    });
}

void TRowStatusListForm::btnAddClick(TObject*) {
    ShowEditDialog(kAddRowMode, " (Add)");
}

void TRowStatusListForm::btnEditClick(TObject*) {
    if (!Table.RowChosen() || !Table.Request) {
        return;
    }
    ShowEditDialog(kEditRowMode, " (Edit)");
    Table.Unselect();
    Table.StateOfNoRow();
}

void TRowStatusListForm::btnDeleteClick(TObject*) {
    Table.Delete();
}

void TRowStatusListForm::btnCloseClick(TObject*) {
    Close();
}

void TRowStatusListForm::FormClose(TObject*, TCloseAction&) {
    Table.Closing();
}
