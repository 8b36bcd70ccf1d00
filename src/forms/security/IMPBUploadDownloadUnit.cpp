#include "IMPBUploadDownloadUnit.h"

#include "DialogFrame.h"
#include "EditSubDialog.h"
#include "IMPBUploadDownloadEditFormUnit.h"
#include "Oid_ipmacbind.h"
#include "TButton.h"

TIMPBUplaodDownloadForm* IMPBUplaodDownloadForm = nullptr;

namespace {

using T = TIMPBUplaodDownloadForm;

constexpr int kKeyCount = 1;  // the protocol
constexpr int kTimeout = 600; // 6 s a try

constexpr ButtonSpec<T> kButtons[] = {
    {&T::btnGet, "Refresh", &T::btnGetClick},
    {&T::btnAdd, "Add", &T::btnAddClick},
    {&T::btnClose, "Close", &T::btnCloseClick},
};

constexpr DialogFrame<T> kFrame = {.Width = 592,
                                   .Height = 324,
                                   .Scale = DesignScale::None,
                                   .Caption = "IMPB Upload Download Table",
                                   .Buttons = kButtons,
                                   .Samples = "Samples",
                                   .ButtonPanel = &T::Panel1,
                                   .Count = &T::StaticText1,
                                   .SamplesLabel = &T::Label1,
                                   .List = &T::ListView1,
                                   .StatusBar = &T::StatusBar1,
                                   .OnCreate = &T::FormCreate,
                                   .OnClose = &T::FormClose};

} // namespace

TIMPBUplaodDownloadForm::TIMPBUplaodDownloadForm(TComponent* owner)
    : TForm(owner), Table(DialogGuard::None()) {
    BuildFrame(this, kFrame, Table);
    Table.Refreshing = {.Leaves = RefreshLeaves::Unchanged};
}

void TIMPBUplaodDownloadForm::FormCreate(TObject*) {
    CreateSubDialog(this, Table, IMPBUploadDownloadEditForm);
    Table.Attempt([this] {
        DialogRequest& request = Table.CreateRequest(this, IMPBUplaodDownloadTable, MVT_UMV, kKeyCount);
        request.Request.Timeout = kTimeout;
        IMPBUploadDownloadEditForm->BindTo(request);
        Table.Read();
    });
}

void TIMPBUplaodDownloadForm::btnGetClick(TObject*) {
    Table.Refresh();
}

void TIMPBUplaodDownloadForm::btnAddClick(TObject*) {
    if (IMPBUploadDownloadEditForm) {
        Table.Report(
            [] { IMPBUploadDownloadEditForm->ShowFor(TIMPBUploadDownloadEditForm::kAddMode, " (Add)"); });
    }
}

void TIMPBUplaodDownloadForm::btnCloseClick(TObject*) {
    Close();
}

void TIMPBUplaodDownloadForm::FormClose(TObject*, TCloseAction&) {
    Table.Closing();
}
