#include "Lldp_management.h"

#include "CatalogueColumns.h"
#include "DialogFrame.h"
#include "DialogTexts.h"
#include "Oid_lldp.h"
#include "TApplication.h"
#include "TButton.h"

TLLDP_Management_Address* LLDP_Management_Address = nullptr;

namespace {

using T = TLLDP_Management_Address;

constexpr auto& kTable = Columns::LLDP_Management_AddressTable;
constexpr int kPortsTxEnable = ColumnOf(kTable, "Configuration Management Address Ports TX Enable");
constexpr int kIndexColumns = 2;

constexpr ButtonSpec<T> kButtons[] = {
    {&T::btnGet, "Refresh", &T::btnGetClick},
    {&T::btnEdit, "Set", &T::btnEditClick},
    {&T::StopButton, "Stop", &T::StopButtonClick},
    {&T::btnClose, "Close", &T::btnCloseClick},
};

constexpr DialogFrame<T> kFrame = {.Width = 698,
                                   .Height = 520,
                                   .Scale = DesignScale::None,
                                   .Caption = "LLDP Management Address Form",
                                   .Buttons = kButtons,
                                   .Samples = "Samples",
                                   .ListHeight = 200,
                                   .RowsHeight = 0,
                                   .ButtonPanel = &T::Panel1,
                                   .Count = &T::StaticText1,
                                   .SamplesLabel = &T::Label1,
                                   .List = &T::ListView1,
                                   .Splitter = &T::Splitter1,
                                   .FieldPanel = &T::Panel2,
                                   .Tabs = &T::PageControl1,
                                   .StatusBar = &T::StatusBar1,
                                   .OnListSelectItem = &T::ListView1SelectItem,
                                   .OnListChange = &T::ListView1Change,
                                   .OnCreate = &T::FormCreate,
                                   .OnClose = &T::FormClose,
                                   .State = &T::UpdateButtons};

// Set and Refresh wait for the read, each with its own words; Stop unlocks; closing always works.
constexpr DialogGuard kGuard = {.Text = DialogText::kGetDataNotComplete,
                                .Act = RefuseWhen::Incomplete,
                                .Refresh = RefuseWhen::Incomplete,
                                .RefreshText = DialogText::kGetDataNotCompleteBang,
                                .Close = RefuseWhen::Never,
                                .StopCompletes = true};

} // namespace

TLLDP_Management_Address::TLLDP_Management_Address(TComponent* owner) : TForm(owner), Table(kGuard) {
    BuildFrame(this, kFrame, Table);
    Table.Failures = FailureReport::Template;
    Table.Refreshing = {.Leaves = RefreshLeaves::NoRow};
    // A refused SET is shown once the read after it has ended, whose own line would hide it.
    Table.AfterRead = [this] {
        Table.UpdateState();
        if (SetFailure) {
            Table.ShowFailure(*SetFailure);
            SetFailure.reset();
        }
    };
}

void TLLDP_Management_Address::FormCreate(TObject*) {
    Table.Attempt([this] {
        Pickers.Embed(this, PickerHost::Tabs(PageControl1), {{kPortsTxEnable, "Ports"}});
        DialogRequest& request =
            Table.CreateRequest(this, LLDP_Management_AddressTable, MVT_UMV, kIndexColumns);
        Pickers.Bind(request);
        Pickers.GuardSelection(Table);
        request.OnSetDone = [this](VqSNMPRequest2Controls*, const VqSNMPError& error) { SetDone(error); };
        Table.Read();
    });
    UpdateButtons(false);
}

void TLLDP_Management_Address::UpdateButtons(bool rowChosen) {
    btnEdit->SetEnabled(rowChosen);
}

void TLLDP_Management_Address::SetDone(const VqSNMPError& error) {
    SetReplied = true;
    Table.DataComplete = true;
    if (error.Code != 0) {
        SetFailure = error.Message;
        Table.ShowFailure(error.Message);
    }
}

void TLLDP_Management_Address::btnGetClick(TObject*) {
    if (!Table.MayRefresh() || Table.Request->Busy) {
        return;
    }
    Table.Refresh();
}

void TLLDP_Management_Address::btnEditClick(TObject*) {
    if (!Table.MayAct() || Table.Request->Busy || !Table.RowChosen()) {
        return;
    }
    // Closing the dialog while the SET waits ends the wait as Stop does; the close, and the end of
    // the request with it, come once this handler has returned.
    FormClosingDeferral deferral;
    SetReplied = false;
    SetFailure.reset();
    bool sent = false;
    const bool written = Table.Write(
        [&] {
            Table.Send(WriteCarry::Only({kPortsTxEnable}));
            sent = true;
            DialogRequest* request = Table.Request.get();
            Application->WaitUntil(
                [&] { return SetReplied || Table.DataComplete || deferral.Deferred(this) || !request->Busy; },
                ReplyWaitBoundMs(request->Request.Timeout, request->Request.Retries));
        },
        {.After = ReRead::None, .Report = FailureReport::Template});
    if (!written || !sent) {
        btnEdit->SetEnabled(false);
        return;
    }
    if (!SetReplied) {
        // Stopped, closing or never answered: no read with the stopped request.
        Table.DataComplete = true;
        SetFailure.reset();
        return;
    }
    Table.Read();
}

void TLLDP_Management_Address::StopButtonClick(TObject*) {
    Table.Stop();
}

void TLLDP_Management_Address::btnCloseClick(TObject*) {
    Close();
}

void TLLDP_Management_Address::ListView1SelectItem(TObject*, TListItem*, bool) {
    Table.SelectionChanged();
}

void TLLDP_Management_Address::ListView1Change(TObject*, TListItem*, TItemChange) {
    Table.ListChanged();
}

void TLLDP_Management_Address::FormClose(TObject*, TCloseAction&) {
    Table.Closing();
}
