#include "MultiConfigControlEditFormUnit.h"

#include "CatalogueColumns.h"
#include "DialogFrame.h"
#include "FieldTable.h"
#include "OptionItems.h"
#include "ProgressWait.h"
#include "TButton.h"
#include "TComboBox.h"
#include "TPanel.h"

TMultiConfigControlEditForm* MultiConfigControlEditForm = nullptr;

namespace {

using T = TMultiConfigControlEditForm;

constexpr auto& kTable = Columns::MultipleConfigControlTable;
constexpr int kControlId = ColumnOf(kTable, "Control ID");
constexpr int kAction = ColumnOf(kTable, "Action");

// Making an image active takes the switch some seconds: the progress form runs to this.
constexpr const char* kActive = "active";
constexpr int kActivateSeconds = 15;

constexpr Field<T> kFields[] = {
    {.Column = kControlId,
     .Caption = "Config Control ID",
     .Combo = &T::cbxCtrlID,
     .Label = &T::Label1,
     .Place = {16, 19, 140, 16, 140},
     .Flags = kFieldDisabled,
     .EnabledWhen = {.If = NeverEnabled<T>, .How = FieldEnabling::EnabledOnly}},
    {.Column = kAction,
     .Caption = "Config Action",
     .Combo = &T::cbxCfgAction,
     .Label = &T::Label2,
     .Place = {16, 55, 140, 52, 140}},
};

constexpr ButtonSpec<T> kButtons[] = {
    {&T::btnSet, "Set", &T::btnSetClick},
    {&T::btnClose, "Close", &T::btnCloseClick},
};

constexpr DialogFrame<T> kFrame = {.Width = 386,
                                   .Height = 120,
                                   .Caption = "Multiple Config Control Edit",
                                   .Buttons = kButtons,
                                   .ListHeight = DialogFrame<T>::kNoList,
                                   .Status = FrameStatus::None,
                                   .ButtonPanel = &T::Panel2};

} // namespace

TMultiConfigControlEditForm::TMultiConfigControlEditForm(TComponent* owner)
    : TEditSubDialog(owner, kFrame.Width, kFrame.Height) {
    Panel1 = BuildFrame(this, kFrame);
    // The design gives the client area: the scaled size is made the client's.
    const int width = Width();
    const int height = Height();
    SetClientWidth(width);
    SetClientHeight(height);
    Fields = BuildFields<T>(this, Panel1, kFields, kTable);
}

void TMultiConfigControlEditForm::BindTo(DialogRequest& request) {
    BindListFields<T>(this, request, kFields);
}

void TMultiConfigControlEditForm::ModeDefaults() {
    Fields.Update(false); // the chosen image's ID, fixed
}

void TMultiConfigControlEditForm::btnSetClick(TObject*) {
    // The action of the chosen image alone, no read after it; an image made active is waited for.
    WriteThroughList(
        [this](DialogRequest&) {
            List->Send(WriteCarry::Only({kAction}));
            if (OptionSelected(cbxCfgAction, kActive)) {
                ShowProgressWait(this, "Set Configuration", "Active Configuration is processing...",
                                 kActivateSeconds);
            }
        },
        {.After = ReRead::None, .Locks = false}, SubDialogFailure::Close);
}

void TMultiConfigControlEditForm::btnCloseClick(TObject*) {
    Close();
}
