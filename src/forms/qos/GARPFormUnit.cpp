#include "GARPFormUnit.h"

#include "CatalogueColumns.h"
#include "DialogFrame.h"
#include "DialogLayout.h"
#include "FieldTable.h"
#include "Oid_bridge.h"
#include "TApplication.h"
#include "TButton.h"
#include "TEdit.h"

TGARPForm* GARPForm = nullptr;

namespace {

using T = TGARPForm;

// The GARP timers of the bridge ports, indexed by port.
constexpr auto& kTable = Columns::GARPTable;
constexpr int kPort = ColumnOf(kTable, "Port Number");
constexpr int kJoin = ColumnOf(kTable, "Join Time");
constexpr int kLeave = ColumnOf(kTable, "Leave Time");
constexpr int kLeaveAll = ColumnOf(kTable, "Leave All Time");
constexpr int kIndexColumns = 1;

constexpr const char* kTimer = "%i{n10x10000l5}";
constexpr const char* kCentiseconds = "Centiseconds";

// The three timer rows under the list (96 DPI); the captions keep the design's blanks.
constexpr Field<T> kFields[] = {
    {.Column = kJoin,
     .Caption = "GARP Join Time           (10-10000)",
     .Constraint = kTimer,
     .Edit = &T::GarpJoinTime,
     .Label = &T::Label1,
     .Place = {16, 12, 220, 8, 90}},
    {.Column = kLeave,
     .Caption = "GARP Leave Time       (10-10000)",
     .Constraint = kTimer,
     .Edit = &T::GarpLeaveTime,
     .Label = &T::Label2,
     .Place = {16, 40, 220, 36, 90}},
    {.Column = kLeaveAll,
     .Caption = "GARP Leave All Time   (10-10000)",
     .Constraint = kTimer,
     .Edit = &T::GarpLeaveAllTime,
     .Label = &T::Label3,
     .Place = {16, 68, 220, 64, 90}},
};
constexpr int kUnitLeft = 318;

constexpr ButtonSpec<T> kButtons[] = {
    {&T::RefreshBtn, "Refresh", &T::RefreshBtnClick},
    {&T::SetBtn, "Set", &T::SetBtnClick},
    {&T::btn1, "Close", &T::btn1Click},
};

constexpr DialogFrame<T> kFrame = {.Width = 624,
                                   .Height = 292,
                                   .Caption = "GARP Form",
                                   .Buttons = kButtons,
                                   .Samples = "Samples",
                                   .ListHeight = 120,
                                   .ButtonPanel = &T::Panel1,
                                   .Count = &T::ST_Count,
                                   .SamplesLabel = &T::Label7,
                                   .List = &T::LV_dot1dPortGarpEntry,
                                   .Splitter = &T::Splitter1,
                                   .FieldPanel = &T::Panel2,
                                   .StatusBar = &T::StatusBar1,
                                   .OnListClick = &T::LV_dot1dPortGarpEntryClick,
                                   .OnListChange = &T::LV_dot1dPortGarpEntryChange,
                                   .OnCreate = &T::FormCreate,
                                   .OnClose = &T::FormClose};

// Refresh and Set do nothing, without a word, while a read or write runs; closing always works.
constexpr DialogGuard kGuard = {.Text = nullptr,
                                .Act = RefuseWhen::Incomplete,
                                .Refresh = RefuseWhen::Incomplete,
                                .Close = RefuseWhen::Never};

} // namespace

TGARPForm::TGARPForm(TComponent* owner) : TForm(owner), Table(kGuard, WriteStyle::FrameworkReRead) {
    TPanel* rows = BuildFrame(this, kFrame, Table);
    Fields = BuildFields<T>(this, rows, kFields);
    Label4 = AddLabel(this, rows, kUnitLeft, 12, kCentiseconds);
    Label5 = AddLabel(this, rows, kUnitLeft, 40, kCentiseconds);
    Label6 = AddLabel(this, rows, kUnitLeft, 68, kCentiseconds);
}

void TGARPForm::FormCreate(TObject*) {
    Table.Attempt([this] {
        DialogRequest& request = Table.CreateRequest(this, GARPTable, MVT_FMV, kIndexColumns);
        BindFields<T>(this, nullptr, request, kFields);
        request.OnSetDone = [this](VqSNMPRequest2Controls*, const VqSNMPError& error) { SetDone(error); };
        Table.Read();
    });
}

void TGARPForm::SetDone(const VqSNMPError& error) {
    Table.DataComplete = true;
    if (error.Code != 0) {
        Table.ShowFailure(error.Message);
    }
}

void TGARPForm::WaitWhileBusy() {
    DialogRequest* request = Table.Request.get();
    if (request) {
        Application->WaitUntil([request] { return !request->Busy; },
                               ReplyWaitBoundMs(request->Request.Timeout, request->Request.Retries));
    }
}

void TGARPForm::RefreshBtnClick(TObject*) {
    if (!Table.MayRefresh()) {
        return;
    }
    WaitWhileBusy();
    SetFieldsEnabled({GarpJoinTime, GarpLeaveTime, GarpLeaveAllTime}, true);
    Table.Refresh();
}

void TGARPForm::LV_dot1dPortGarpEntryClick(TObject*) {
    // A read still running ends at its next reply; the rows read so far stay.
    Table.Stop();
    WaitWhileBusy();
    Table.DataComplete = true;
    SetFieldsEnabled({GarpJoinTime, GarpLeaveTime, GarpLeaveAllTime}, true, FieldEnabling::KeepValue);
}

void TGARPForm::SetBtnClick(TObject*) {
    if (!Table.MayAct() || !Table.RowChosen()) {
        return;
    }
    const std::string port = Table.Request->CellText(LV_dot1dPortGarpEntry->Selected(), kPort);
    // The three timers of the chosen port; the reply unlocks the dialog, and the framework reads
    // the table again once the switch took them.
    Table.Write(WriteCarry::Only({kJoin, kLeave, kLeaveAll}));
    if (TListItem* row = Table.FindRow({{kPort, port}})) {
        LV_dot1dPortGarpEntry->SetSelected(row);
    } else {
        Table.Clear();
    }
    Table.UpdateCount();
}

void TGARPForm::btn1Click(TObject*) {
    Close();
}

void TGARPForm::LV_dot1dPortGarpEntryChange(TObject*, TListItem*, TItemChange) {
    Table.ListChanged();
}

void TGARPForm::FormClose(TObject*, TCloseAction&) {
    Table.Closing();
}
