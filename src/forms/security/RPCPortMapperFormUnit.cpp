#include "RPCPortMapperFormUnit.h"

#include "CatalogueColumns.h"
#include "DialogFrame.h"
#include "Oid_dhcpserver.h"
#include "TButton.h"
#include "TStatusBar.h"

TRPCPortMapperForm* RPCPortMapperForm = nullptr;

namespace {

using T = TRPCPortMapperForm;

constexpr int kEnabledPorts = ColumnOf(Columns::RPCPortMapperSettings, "Enabled Ports");

constexpr ButtonSpec<T> kButtons[] = {
    {&T::BT_Get, "Refresh", &T::BT_GetClick},
    {&T::SetBtn, "Set", &T::SetBtnClick},
    {&T::BT_Close, "Close", &T::BT_CloseClick},
};

// The page control of the picker fills the client area.
constexpr DialogFrame<T> kFrame = {.Width = 724,
                                   .Height = 196,
                                   .Caption = "RPC PortMapper Filter Settings",
                                   .Buttons = kButtons,
                                   .ListHeight = DialogFrame<T>::kNoList,
                                   .RowsHeight = 0,
                                   .ButtonPanel = &T::Panel1,
                                   .Tabs = &T::pgc1,
                                   .StatusBar = &T::StatusBar1,
                                   .OnCreate = &T::FormCreate,
                                   .OnClose = &T::FormClose};

} // namespace

TRPCPortMapperForm::TRPCPortMapperForm(TComponent* owner) : TForm(owner), Table(DialogGuard::Busy(nullptr)) {
    BuildFrame(this, kFrame, Table);
    // Refresh reads the boxes again and nothing else.
    Table.Refreshing = {.Leaves = RefreshLeaves::Unchanged};
}

void TRPCPortMapperForm::FormCreate(TObject*) {
    Pickers.Embed(this, PickerHost::Tabs(pgc1), {{kEnabledPorts, "Enabled Ports"}});
    Table.Attempt([this] {
        DialogRequest& request =
            Table.CreateRequest(this, RPCPortMapperSettings, SVT_SV, 0, {.Blocking = true});
        // The first read has no status target, so that a good one leaves the status line empty;
        // a failed blocking read raises nothing, so its error is written here.
        request.SetStatusPanel(nullptr);
        Pickers.Bind(request);
        const bool read = Table.Read();
        request.SetStatusPanel(Table.StatusPanel);
        if (!read) {
            Table.ShowText(request.Request.LastError().Message);
        }
    });
}

void TRPCPortMapperForm::BT_GetClick(TObject*) {
    Table.Refresh();
}

void TRPCPortMapperForm::SetBtnClick(TObject*) {
    if (!Table.MayAct()) {
        return;
    }
    // The boxes, whole; then Refresh shows what the switch holds.
    Table.Write(WriteCarry::RowWithout({}), {.After = ReRead::None});
    BT_GetClick(nullptr);
}

void TRPCPortMapperForm::BT_CloseClick(TObject*) {
    Close();
}

void TRPCPortMapperForm::FormClose(TObject*, TCloseAction& action) {
    Table.Closing();
    action = caFree;
}
