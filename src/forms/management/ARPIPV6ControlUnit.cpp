#include "ARPIPV6ControlUnit.h"

#include "ARPIPv6ControlEditUnit.h"
#include "CatalogueColumns.h"
#include "DialogFrame.h"
#include "DialogTexts.h"
#include "Oid_l3.h"
#include "TButton.h"

TARPIPV6ControlForm* ARPIPV6ControlForm = nullptr;

namespace {

using T = TARPIPV6ControlForm;

constexpr int kKeyCount = 3; // IPv6 address, MAC address, interface name

// Delete and Refresh refuse while the table is busy, Refresh silently; Add and Close never refuse.
constexpr DialogGuard kGuard = {.Text = DialogText::kGetDataNotComplete,
                                .Act = RefuseWhen::Busy,
                                .Refresh = RefuseWhen::Busy,
                                .RefreshText = nullptr};

constexpr ButtonSpec<T> kButtons[] = {
    {&T::btnGet, "Refresh", &T::btnGetClick},
    {&T::btnAdd, "Add", &T::btnAddClick},
    {&T::btnDelete, "Delete", &T::btnDeleteClick},
    {&T::btnClose, "Close", &T::btnCloseClick},
};

constexpr DialogFrame<T> kFrame = {.Width = 524,
                                   .Height = 338,
                                   .Caption = "IPV6 ARP Control",
                                   .Buttons = kButtons,
                                   .Samples = "Samples",
                                   .ButtonPanel = &T::Panel1,
                                   .Count = &T::StaticText1,
                                   .SamplesLabel = &T::Label3,
                                   .ListPanel = &T::Panel2,
                                   .List = &T::ListView1,
                                   .StatusBar = &T::StatusBar1,
                                   .OnListClick = &T::ListView1Click,
                                   .OnListChange = &T::ListView1Change,
                                   .OnCreate = &T::FormCreate,
                                   .OnClose = &T::FormClose,
                                   .State = &T::UpdateButtons};

} // namespace

TARPIPV6ControlForm::TARPIPV6ControlForm(TComponent* owner) : TForm(owner), Table(kGuard) {
    BuildFrame(this, kFrame, Table);
    Table.Refreshing = {.Leaves = RefreshLeaves::NoRowKept};
    // The row status destroy alone, no question. The row's instance comes from the add dialog's
    // fields, which Add empties while the neighbour stays chosen: they take the chosen row again
    // first.
    Table.Deleting = {
        .RefillRow = true,
        .NoRowText = DialogText::kChooseTheItemFirst,
        .Write = {.Leaves = AfterWrite::StateOfNoRow, .LeavesFailed = AfterWrite::StateOfNoRow}};
}

void TARPIPV6ControlForm::FormCreate(TObject*) {
    CreateSubDialog(this, Table, ARPIPv6ControlEditForm);
    Table.Attempt([this] {
        DialogRequest& request = Table.CreateRequest(this, ARPIPV6ControlTable, MVT_UMV, kKeyCount);
        ARPIPv6ControlEditForm->BindTo(request);
        Table.StatusColumn = ColumnOf(Columns::ARPIPV6ControlTable, "Route Status");
        Table.StatusCombo = ARPIPv6ControlEditForm->cbxRowStatus;
        Table.Read();
    });
    UpdateButtons(false);
}

void TARPIPV6ControlForm::UpdateButtons(bool rowChosen) {
    btnDelete->SetEnabled(rowChosen);
}

void TARPIPV6ControlForm::ListView1Click(TObject*) {
    Table.SelectionChanged();
}

void TARPIPV6ControlForm::ListView1Change(TObject*, TListItem*, TItemChange) {
    Table.ListChanged();
}

void TARPIPV6ControlForm::btnGetClick(TObject*) {
    Table.Refresh();
}

void TARPIPV6ControlForm::btnAddClick(TObject*) {
    Table.Report([] { ARPIPv6ControlEditForm->ShowFor(TARPIPv6ControlEditForm::kAddMode, " (Add)"); });
}

void TARPIPV6ControlForm::btnDeleteClick(TObject*) {
    Table.Delete();
}

void TARPIPV6ControlForm::btnCloseClick(TObject*) {
    Close();
}

void TARPIPV6ControlForm::FormClose(TObject*, TCloseAction&) {
    Table.Closing();
}
