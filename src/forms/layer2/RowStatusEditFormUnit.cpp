#include "RowStatusEditFormUnit.h"

#include "DialogFrame.h"
#include "FieldChecks.h"
#include "RowStatusListFormUnit.h"
#include "TButton.h"
#include "TCheckBox.h"
#include "TPanel.h"

namespace {

using T = TRowStatusEditForm;

constexpr ButtonSpec<T> kButtons[] = {
    {&T::btnEdit, "Set", &T::btnEditClick},
    {&T::btnClose, "Close", &T::btnCloseClick},
};

// The members' common frame; each gives its size and caption.
constexpr DialogFrame<T> kFrame = {.Scale = DesignScale::None,
                                   .Buttons = kButtons,
                                   .ListHeight = DialogFrame<T>::kNoList,
                                   .Status = FrameStatus::None,
                                   .ButtonPanel = &T::Panel2};

} // namespace

bool AddModeOnly(const TRowStatusEditForm& dialog, bool) {
    return dialog.Mode == kAddRowMode;
}

TRowStatusEditForm::TRowStatusEditForm(TComponent* owner, const RowStatusEditDesign& design)
    : TEditSubDialog(owner, design.Width, design.Height, DesignScale::None), Design(design) {
    DialogFrame<T> frame = kFrame;
    frame.Width = design.Width;
    frame.Height = design.Height;
    frame.Caption = design.Caption;
    Panel1 = BuildFrame(this, frame);
    Fields = BuildFields<T>(this, Panel1, design.Fields, design.Columns, CheckPlace{.Left = 20});
}

void TRowStatusEditForm::BindTo(DialogRequest& request) {
    BindListFields<T>(this, request, Design.Fields);
}

void TRowStatusEditForm::ModeDefaults() {
    const bool add = Mode == kAddRowMode;
    if (add) {
        Fields.Reset();
    }
    for (const FieldSet::Line& line : Fields.Lines) {
        if (line.Check) {
            line.Check->SetVisible(add);
        }
    }
    Fields.Update(!add);
}

void TRowStatusEditForm::btnEditClick(TObject*) {
    if (Mode == kAddRowMode) {
        for (const RowKeyRange& key : Design.Keys) {
            if (!CheckNumberField(this->*key.Edit, key.Min, key.Max)) {
                return;
            }
        }
        CreateRowThroughList(Fields.Carry(), {});
        return;
    }
    WriteThroughList([this](DialogRequest&) { List->Send(WriteCarry::RowWithout({})); }, {});
}

void TRowStatusEditForm::btnCloseClick(TObject*) {
    Close();
}
