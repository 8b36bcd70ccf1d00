#include "DNSCtrlUnit.h"

#include "CatalogueColumns.h"
#include "DNSCtrlAddUnit.h"
#include "DeviceFacts.h"
#include "DialogFrame.h"
#include "EditSubDialog.h"
#include "ModelTables.h"
#include "Oid_l3.h"
#include "TApplication.h"
#include "TButton.h"

TDNSCtrlForm* DNSCtrlForm = nullptr;

namespace {

using T = TDNSCtrlForm;

constexpr int kKeyCount = 2; // domain name, IP address
// The add dialog's title differs from the list's ("DNS Relay Static Settings").
constexpr const char* kAddTitle = "DNS Relay Static Table";

constexpr ButtonSpec<T> kButtons[] = {
    {&T::btnGet, "Refresh", &T::btnGetClick},
    {&T::btnAdd, "Add", &T::btnAddClick},
    {&T::btnDelete, "Delete", &T::btnDeleteClick},
    {&T::btnClose, "Close", &T::btnCloseClick},
};

constexpr DialogFrame<T> kFrame = {.Width = 478,
                                   .Height = 278,
                                   .Caption = "DNS Control Table",
                                   .Buttons = kButtons,
                                   .Samples = "Samples",
                                   .ButtonPanel = &T::Panel1,
                                   .Count = &T::StaticText1,
                                   .SamplesLabel = &T::Label1,
                                   .ListPanel = &T::Panel2,
                                   .List = &T::ListView1,
                                   .StatusBar = &T::StatusBar1,
                                   .OnListSelectItem = &T::ListView1SelectItem,
                                   .OnListChange = &T::ListView1Change,
                                   .OnCreate = &T::FormCreate,
                                   .OnClose = &T::FormClose,
                                   .State = &T::UpdateButtons};

} // namespace

TDNSCtrlForm::TDNSCtrlForm(TComponent* owner)
    : TForm(owner), Table(DialogGuard::None(), WriteStyle::FrameworkReRead) {
    BuildFrame(this, kFrame, Table);
    // The status list of this table: valid creates an entry, invalid removes it.
    Table.StatusItems = {.CreateAndGo = "valid", .Destroy = "invalid"};
    // A read still running goes on; the walk's end sets the state.
    Table.Refreshing = {.Leaves = RefreshLeaves::NoRowKept, .SkipBusy = true};
    // The state invalid alone, no question, and a read of the table whatever the switch answers
    // (the framework reads it again only after a SET it accepted). The row's instance comes from
    // the add dialog's fields, which Add empties while the entry stays chosen: they take the chosen
    // row again first.
    Table.Deleting = {.RefillRow = true,
                      .Write = {.After = ReRead::Always,
                                .Leaves = AfterWrite::StateOfNoRow,
                                .LeavesFailed = AfterWrite::StateOfNoRow}};
}

void TDNSCtrlForm::FormCreate(TObject*) {
    CreateSubDialog(this, Table, DNSCtrlAddForm);
    Table.Attempt([this] {
        const MibTableRow* table =
            ModelTable(DNSCtrlTable, Facts().SysObjectId, SysObjectIdMatch::IgnoreCase);
        if (!table) {
            Table.MarkUnsupported({btnAdd, btnDelete});
            return;
        }
        DialogRequest& request = Table.CreateRequest(this, table, MVT_UMV, kKeyCount);
        DNSCtrlAddForm->BindTo(request);
        Table.StatusColumn = ColumnOf(Columns::DNSCtrlTable, "State");
        Table.StatusCombo = DNSCtrlAddForm->cbxState;
        Table.Read();
    });
    UpdateButtons(false);
}

void TDNSCtrlForm::UpdateButtons(bool rowChosen) {
    btnAdd->SetEnabled(Table.Supported);
    btnDelete->SetEnabled(Table.Supported && rowChosen);
}

void TDNSCtrlForm::ListView1SelectItem(TObject*, TListItem*, bool) {
    Table.SelectionChanged();
}

void TDNSCtrlForm::ListView1Change(TObject*, TListItem*, TItemChange) {
    Table.ListChanged();
}

void TDNSCtrlForm::btnGetClick(TObject*) {
    Table.Refresh();
}

void TDNSCtrlForm::StopReading() {
    if (Table.Request && Table.Request->Busy) {
        Table.Stop();
    }
}

void TDNSCtrlForm::btnAddClick(TObject*) {
    if (!Table.MayAct()) {
        return;
    }
    StopReading();
    Table.Report([] {
        DNSCtrlAddForm->Mode = TDNSCtrlAddForm::kAddMode;
        DNSCtrlAddForm->SetCaption(SubDialogCaption(kAddTitle, " (Add)"));
        DNSCtrlAddForm->ShowModal();
    });
}

void TDNSCtrlForm::btnDeleteClick(TObject*) {
    if (!Table.RowChosen() || !Table.MayAct()) {
        return;
    }
    StopReading();
    // The stopped walk ends at its next reply; the delete waits for it (bounded by one reply).
    // (Events run meanwhile: a Close may end the request.)
    DialogRequest* request = Table.Request.get();
    auto alive = request->Request.LifeToken();
    Application->WaitUntil([request, alive] { return !*alive || !request->Busy; },
                           ReplyWaitBoundMs(request->Request.Timeout, request->Request.Retries));
    if (Table.Request) {
        Table.Delete();
    }
}

void TDNSCtrlForm::btnCloseClick(TObject*) {
    Close();
}

void TDNSCtrlForm::FormClose(TObject*, TCloseAction& action) {
    Table.Closing();
    action = caFree;
}
