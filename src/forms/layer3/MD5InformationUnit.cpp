#include "MD5InformationUnit.h"

#include "CatalogueColumns.h"
#include "DeviceFacts.h"
#include "DialogFrame.h"
#include "DialogTexts.h"
#include "MD5InformationEditUnit.h"
#include "ModelTables.h"
#include "Oid_l3.h"
#include "TButton.h"

TMD5InformationForm* MD5InformationForm = nullptr;

namespace {

using T = TMD5InformationForm;

constexpr auto& kTable = Columns::MD5Information;
constexpr int kKeyCount = 1; // the key ID
constexpr int kKey = ColumnOf(kTable, "Key");

// The buttons closer together than the kit's column, so that all five fit the designed height,
// which does not grow with the screen's DPI.
constexpr ButtonSpec<T> kButtons[] = {
    {&T::btnGet, "Refresh", &T::btnGetClick, 56},    {&T::btnAdd, "Add", &T::btnAddClick, 84},
    {&T::btnEdit, "Edit", &T::btnEditClick, 112},    {&T::btnDelete, "Delete", &T::btnDeleteClick, 140},
    {&T::btnClose, "Close", &T::btnCloseClick, 168},
};

constexpr DialogFrame<T> kFrame = {.Width = 438,
                                   .Height = 250,
                                   .Scale = DesignScale::None,
                                   .Caption = "",
                                   .Buttons = kButtons,
                                   .Samples = "Samples",
                                   .ButtonPanel = &T::Panel1,
                                   .Count = &T::StaticText1,
                                   .ListPanel = &T::Panel2,
                                   .List = &T::ListView1,
                                   .StatusBar = &T::StatusBar1,
                                   .OnListDblClick = &T::ListView1DblClick,
                                   .OnListSelectItem = &T::ListView1SelectItem,
                                   .OnListChange = &T::ListView1Change,
                                   .OnCreate = &T::FormCreate,
                                   .OnClose = &T::FormClose,
                                   .State = &T::UpdateButtons};

} // namespace

TMD5InformationForm::TMD5InformationForm(TComponent* owner) : TForm(owner), Table(DialogGuard::None()) {
    BuildFrame(this, kFrame, Table);
    Table.Refreshing = {.Leaves = RefreshLeaves::NoRowKept};
    // The key as the edit dialog holds it with the row status destroy, no question.
    Table.Deleting = {
        .Destroy = WriteCarry::Only({kKey, ColumnOf(kTable, "Row Status")}),
        .NoRowText = DialogText::kChooseTheItemFirst,
        .Write = {.Leaves = AfterWrite::StateOfNoRow, .LeavesFailed = AfterWrite::StateOfNoRow}};
    UpdateButtons(false);
}

void TMD5InformationForm::FormCreate(TObject*) {
    CreateSubDialog(this, Table, MD5InformationEditForm);
    Table.Attempt([this] {
        const MibTableRow* table = ModelTable(MD5Information, Facts().SysObjectId, SysObjectIdMatch::Exact);
        if (!table) {
            Table.MarkUnsupported({btnAdd, btnEdit, btnDelete});
            return;
        }
        DialogRequest& request = Table.CreateRequest(this, table, MVT_UMV, kKeyCount);
        MD5InformationEditForm->BindTo(request);
        Table.StatusColumn = ColumnOf(kTable, "Row Status");
        Table.StatusCombo = MD5InformationEditForm->cbxRowStatus;
        Table.Read();
    });
}

void TMD5InformationForm::UpdateButtons(bool rowChosen) {
    btnAdd->SetEnabled(Table.Supported && !rowChosen);
    btnEdit->SetEnabled(Table.Supported && rowChosen);
    btnDelete->SetEnabled(Table.Supported && rowChosen);
}

void TMD5InformationForm::ListView1SelectItem(TObject*, TListItem*, bool) {
    Table.SelectionChanged();
}

void TMD5InformationForm::ListView1DblClick(TObject* sender) {
    btnEditClick(sender);
}

void TMD5InformationForm::ListView1Change(TObject*, TListItem*, TItemChange) {
    Table.ListChanged();
}

void TMD5InformationForm::btnGetClick(TObject*) {
    Table.Refresh();
}

void TMD5InformationForm::btnAddClick(TObject*) {
    Table.Report([] { MD5InformationEditForm->ShowFor(TMD5InformationEditForm::kAddMode, " (Add)"); });
}

void TMD5InformationForm::btnEditClick(TObject*) {
    if (!Table.RowChosen() || !Table.Request) {
        return;
    }
    Table.Report([] { MD5InformationEditForm->ShowFor(TMD5InformationEditForm::kEditMode, " (Edit)"); });
    Table.Unselect();
    Table.StateOfNoRow();
}

void TMD5InformationForm::btnDeleteClick(TObject*) {
    Table.Delete();
}

void TMD5InformationForm::btnCloseClick(TObject*) {
    Close();
}

void TMD5InformationForm::FormClose(TObject*, TCloseAction&) {
    Table.Closing();
}
