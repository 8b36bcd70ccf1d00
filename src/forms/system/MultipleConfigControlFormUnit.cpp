#include "MultipleConfigControlFormUnit.h"

#include "DeviceFacts.h"
#include "DialogFrame.h"
#include "MultiConfigControlEditFormUnit.h"
#include "Oid_model.h"
#include "TButton.h"

TMultipleConfigControlForm* MultipleConfigControlForm = nullptr;

namespace {

using T = TMultipleConfigControlForm;

constexpr int kKeyCount = 1;  // the image's ID
constexpr int kTimeout = 300; // 3 s: the switch answers slowly about its images

constexpr ButtonSpec<T> kButtons[] = {
    {&T::btnGet, "Refresh", &T::btnGetClick},
    {&T::btnEdit, "Edit", &T::btnEditClick},
    {&T::btnClose, "Close", &T::btnCloseClick},
};

constexpr DialogFrame<T> kFrame = {.Width = 386,
                                   .Height = 228,
                                   .Position = poScreenCenter,
                                   .Caption = "Multiple Config Control",
                                   .Buttons = kButtons,
                                   .ButtonPanel = &T::Panel1,
                                   .ListPanel = &T::Panel2,
                                   .List = &T::ListView1,
                                   .StatusBar = &T::StatusBar1,
                                   .OnListDblClick = &T::ListView1DblClick,
                                   .OnCreate = &T::FormCreate,
                                   .OnClose = &T::FormClose,
                                   .State = &T::UpdateButtons};

// Refresh says nothing while a read runs; Edit is not guarded.
constexpr DialogGuard kGuard = {.Refresh = RefuseWhen::Busy};

} // namespace

TMultipleConfigControlForm::TMultipleConfigControlForm(TComponent* owner) : TForm(owner), Table(kGuard) {
    BuildFrame(this, kFrame, Table);
}

void TMultipleConfigControlForm::FormCreate(TObject*) {
    CreateSubDialog(this, Table, MultiConfigControlEditForm);
    UpdateButtons(false);
    Table.Attempt([this] {
        DialogRequest& request = Table.CreateRequest(this, MultipleConfigControlTable, MVT_UMV, kKeyCount);
        request.Request.Timeout = kTimeout;
        MultiConfigControlEditForm->BindTo(request);
        Table.Read();
    });
}

void TMultipleConfigControlForm::UpdateButtons(bool rowChosen) {
    btnEdit->SetEnabled(rowChosen);
}

void TMultipleConfigControlForm::btnGetClick(TObject*) {
    Table.Refresh();
}

void TMultipleConfigControlForm::btnEditClick(TObject*) {
    // Its own caption: the title and the address without a blank between them.
    MultiConfigControlEditForm->SetCaption("Multiple Configuration Control Edit:" + Facts().DeviceAddress);
    Table.Report([] { MultiConfigControlEditForm->ShowModal(); });
}

void TMultipleConfigControlForm::ListView1DblClick(TObject* sender) {
    if (ListView1->Selected()) {
        btnEditClick(sender);
    }
}

void TMultipleConfigControlForm::btnCloseClick(TObject*) {
    Close();
}

void TMultipleConfigControlForm::FormClose(TObject*, TCloseAction& action) {
    Table.Closing();
    action = caFree;
}
