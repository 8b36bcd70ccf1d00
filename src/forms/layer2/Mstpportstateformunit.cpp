#include "Mstpportstateformunit.h"

#include "DialogFrame.h"
#include "DialogTexts.h"
#include "EditSubDialog.h"
#include "Mstpportstateeditformunit.h"
#include "Oid_model.h"
#include "TButton.h"
#include "TLabel.h"

TMSTPPortStateForm* MSTPPortStateForm = nullptr;

namespace {

using T = TMSTPPortStateForm;

constexpr int kKeyCount = 1; // the port
constexpr int kTimeout = 300;

constexpr ButtonSpec<T> kButtons[] = {
    {&T::btnRefresh, "Refresh", &T::btnRefreshClick},
    {&T::btnEdit, "Edit", &T::btnEditClick},
    {&T::btnStop, "Stop", &T::btnStopClick},
    {&T::btnClose, "Close", &T::btnCloseClick},
};

constexpr DialogFrame<T> kFrame = {.Width = 544,
                                   .Height = 375,
                                   .Caption = "MSTP Port State",
                                   .Buttons = kButtons,
                                   .Samples = "Samples",
                                   .ButtonPanel = &T::Panel1,
                                   .Count = &T::StaticText1,
                                   .SamplesLabel = &T::Label1,
                                   .List = &T::lvMSTPPortState,
                                   .StatusBar = &T::StatusBar1,
                                   .OnListDblClick = &T::lvMSTPPortStateDblClick,
                                   .OnListSelectItem = &T::lvMSTPPortStateSelectItem,
                                   .OnListChange = &T::lvMSTPPortStateChanging,
                                   .OnCreate = &T::FormCreate,
                                   .OnCloseQuery = &T::FormCloseQuery,
                                   .OnClose = &T::FormClose,
                                   .State = &T::UpdateButtons};

} // namespace

TMSTPPortStateForm::TMSTPPortStateForm(TComponent* owner)
    : TForm(owner), Table(DialogGuard::Flag(DialogText::kGetDataNotComplete)), Version(DialogGuard::None()) {
    BuildFrame(this, kFrame, Table);
    lblSTPVersion = new TLabel(this);
    lblSTPVersion->SetParent(Panel1);
    lblSTPVersion->SetCaption("STP Version");
    lblSTPVersion->SetVisible(false);
    Version.StatusPanel = Table.StatusPanel;
    // Refresh reads the version first (when it is not busy); it is closed with the table.
    Table.Companions = {&Version};
    Table.Refreshing = {.Leaves = RefreshLeaves::NoRowKept};
}

void TMSTPPortStateForm::FormCreate(TObject*) {
    CreateSubDialog(this, Table, MSTPPortStateEditForm);
    Table.Attempt([this] {
        Version.CreateRequest(this, MSTPPortStateSettings, SVT_SV, 0, {.Blocking = true})
            .BindLabel(0, lblSTPVersion);
        DialogRequest& request = Table.CreateRequest(this, MSTPPortStateTable, MVT_UMV, kKeyCount);
        request.Request.Timeout = kTimeout;
        MSTPPortStateEditForm->BindTo(request);
        Version.Read();
        Table.Read();
    });
    UpdateButtons(false);
}

void TMSTPPortStateForm::UpdateButtons(bool rowChosen) {
    btnEdit->SetEnabled(rowChosen);
}

void TMSTPPortStateForm::lvMSTPPortStateChanging(TObject*, TListItem*, TItemChange) {
    Table.ListChanged();
}

void TMSTPPortStateForm::lvMSTPPortStateSelectItem(TObject*, TListItem*, bool) {
    Table.SelectionChanged();
}

void TMSTPPortStateForm::btnRefreshClick(TObject*) {
    Table.Refresh();
}

void TMSTPPortStateForm::btnStopClick(TObject*) {
    Table.Stop();
}

void TMSTPPortStateForm::btnEditClick(TObject*) {
    if (!Table.RowChosen() || !Table.MayAct()) {
        return;
    }
    Table.Report([this] {
        MSTPPortStateEditForm->SetCaption(SubDialogCaption("Port State Information", " (Edit)"));
        MSTPPortStateEditForm->ShowModal();
    });
    btnEdit->SetEnabled(false);
    if (Version.Request && !Version.Request->Busy) {
        Version.Read();
    }
}

void TMSTPPortStateForm::lvMSTPPortStateDblClick(TObject* sender) {
    btnEditClick(sender);
}

void TMSTPPortStateForm::btnCloseClick(TObject*) {
    Close();
}

void TMSTPPortStateForm::FormCloseQuery(TObject*, bool& canClose) {
    canClose = Table.MayClose();
}

void TMSTPPortStateForm::FormClose(TObject*, TCloseAction&) {
    Table.Closing();
}
