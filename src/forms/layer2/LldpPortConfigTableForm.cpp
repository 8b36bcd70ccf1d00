#include "LldpPortConfigTableForm.h"

#include "DialogFrame.h"
#include "DialogTexts.h"
#include "LldpNamesRequest.h"
#include "TButton.h"
#include "TEdit.h"
#include "TLabel.h"

namespace {

using T = TLldpPortConfigTableForm;

// Refresh refuses while a read or write runs, Set also while the request is busy, both with the
// same text; Stop unlocks at once, and closing is always allowed.
constexpr DialogGuard kGuard =
    DialogGuard::Awaiting(DialogText::kGetDataNotComplete, DialogText::kGetDataNotComplete);

constexpr int kListHeight = 384;
constexpr int kKeyColumns = 1;

DialogFrame<T> FrameOf(const PortConfigDesign& design, const ButtonSpec<T> (&buttons)[4]) {
    return {.Width = design.Width,
            .Height = design.Height,
            .Caption = design.Caption,
            .Buttons = buttons,
            .Samples = "Samples",
            .ListHeight = kListHeight,
            .ButtonPanel = &T::Panel1,
            .Count = &T::StaticText1,
            .SamplesLabel = &T::Label1,
            .List = &T::ListView1,
            .Splitter = &T::Splitter1,
            .FieldPanel = &T::Panel2,
            .StatusBar = &T::StatusBar1,
            .OnListChange = &T::ListView1Change,
            .OnCreate = &T::FormCreate,
            .OnClose = &T::FormClose,
            .State = &T::UpdateButtons};
}

} // namespace

TLldpPortConfigTableForm::TLldpPortConfigTableForm(TComponent* owner, const PortConfigDesign& design)
    : TForm(owner), Design(design), Table(kGuard) {
    const ButtonSpec<T> buttons[4] = {
        {&T::GetButton, "Refresh", &T::GetButtonClick},
        {&T::EditButton, Design.WriteCaption, &T::EditButtonClick},
        {&T::StopButton, "Stop", &T::StopButtonClick},
        {&T::CloseButton, "Close", &T::CloseButtonClick},
    };
    TPanel* rows = BuildFrame(this, FrameOf(Design, buttons), Table);
    Fields = BuildFields<T>(this, rows, Design.Fields, Design.Columns);
    PortEditLabel->SetEnabled(false);
    TLVsEdit->OnClick = Bind(this, &T::TLVsEditClick);
    Table.Refreshing = {.Leaves = RefreshLeaves::NoRow};
}

void TLldpPortConfigTableForm::FormCreate(TObject*) {
    Chooser = CreateForm<TLldpTlvChooserForm>(this, Design.Chooser, TLVsEdit);
    Table.Attempt([this] {
        DialogRequest& request = Table.CreateRequest(
            std::make_unique<LldpNamesRequest>(
                this, std::vector<NamedColumn>{{Design.TlvColumn, Design.Names, TLVsEdit}}),
            Design.Table, MVT_UMV, kKeyColumns);
        BindFields<T>(this, nullptr, request, Design.Fields);
        Table.Read();
    });
    Table.Clear();
    UpdateButtons(false);
}

void TLldpPortConfigTableForm::UpdateButtons(bool rowChosen) {
    EditButton->SetEnabled(rowChosen);
}

void TLldpPortConfigTableForm::GetButtonClick(TObject*) {
    Table.Refresh();
}

void TLldpPortConfigTableForm::EditButtonClick(TObject*) {
    if (!Table.RowChosen() || !Table.MayAct()) {
        return;
    }
    // The chosen port's writable columns, its TLVs as bits; the fields empty at once, while the
    // switch answers.
    Table.WriteAndAwait(Fields.Carry());
}

void TLldpPortConfigTableForm::StopButtonClick(TObject*) {
    Table.Stop();
}

void TLldpPortConfigTableForm::CloseButtonClick(TObject*) {
    Close();
}

void TLldpPortConfigTableForm::ListView1Change(TObject*, TListItem*, TItemChange) {
    Table.ListChanged();
}

void TLldpPortConfigTableForm::TLVsEditClick(TObject*) {
    // As designed, a click into the field enables the write button even with no port chosen,
    // whose write then does nothing.
    Table.Report([this] {
        EditButton->SetEnabled(true);
        Chooser->ShowModal();
    });
}

void TLldpPortConfigTableForm::FormClose(TObject*, TCloseAction&) {
    Table.Closing();
}
