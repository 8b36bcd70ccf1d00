#include "LldpDot1ConfigTableForm.h"

#include "DialogFrame.h"
#include "DialogTexts.h"
#include "TButton.h"
#include "TComboBox.h"
#include "TLabel.h"

namespace {

using T = TLldpDot1ConfigTableForm;

// Refresh refuses while a read or write runs ("Get data not complete."), Set also while the request
// is busy ("Get data not complete"); Stop unlocks at once, and closing is always allowed.
constexpr DialogGuard kGuard =
    DialogGuard::Awaiting(DialogText::kGetDataNotComplete, DialogText::kGetDataNotCompleteDot);

constexpr int kKeyColumns = 2;

constexpr ButtonSpec<T> kButtons[] = {
    {&T::RefreshButton, "Refresh", &T::RefreshButtonClick},
    {&T::SetButton, "Set", &T::SetButtonClick},
    {&T::StopButton, "Stop", &T::StopButtonClick},
    {&T::CloseButton, "Close", &T::CloseButtonClick},
};

constexpr DialogFrame<T> kFrame = {.Buttons = kButtons,
                                   .Samples = "Samples",
                                   .ListHeight = 330,
                                   .ButtonPanel = &T::Panel1,
                                   .Count = &T::StaticText1,
                                   .SamplesLabel = &T::Label4,
                                   .List = &T::ListView1,
                                   .Splitter = &T::Splitter1,
                                   .FieldPanel = &T::Panel2,
                                   .StatusBar = &T::StatusBar1,
                                   .OnListChange = &T::ListView1Change,
                                   .OnCreate = &T::FormCreate,
                                   .OnClose = &T::FormClose,
                                   .State = &T::UpdateButtons};

DialogFrame<T> FrameOf(const Dot1ConfigDesign& design) {
    DialogFrame<T> frame = kFrame;
    frame.Width = design.Width;
    frame.Height = design.Height;
    frame.Caption = design.Caption;
    return frame;
}

// Two lines (96 DPI): the port and the second index, shown only; the switch.
std::array<Field<T>, 3> Dot1Fields(const Dot1ConfigDesign& design) {
    return {{{.Column = design.PortColumn,
              .Caption = "Port Number",
              .Text = &T::PortNumberText,
              .Label = &T::Label1,
              .Place = {8, 12, 100, 10, 60},
              .Default = FieldDefault::Option(" ")},
             {.Column = design.IndexColumn,
              .Caption = design.IndexCaption,
              .Text = &T::IndexText,
              .Label = &T::Label2,
              .Place = {200, 12, 270, 10, 60},
              .Default = FieldDefault::Option(" ")},
             {.Column = design.TxColumn,
              .Caption = design.TxCaption,
              .Combo = &T::TXComboBox,
              .Label = &T::Label3,
              .Place = {8, 42, 100, 38, 80}}}};
}

} // namespace

TLldpDot1ConfigTableForm::TLldpDot1ConfigTableForm(TComponent* owner, const Dot1ConfigDesign& design)
    : TForm(owner), Design(design), Table(kGuard), FieldTable(Dot1Fields(design)) {
    TPanel* rows = BuildFrame(this, FrameOf(Design), Table);
    Fields = BuildFields<T>(this, rows, FieldTable, Design.Columns);
    Label1->SetEnabled(false);
    Label2->SetEnabled(false);
    Table.Refreshing = {.Leaves = RefreshLeaves::NoRow};
}

void TLldpDot1ConfigTableForm::FormCreate(TObject*) {
    Table.Attempt([this] {
        DialogRequest& request = Table.CreateRequest(this, Design.Table, MVT_UMV, kKeyColumns);
        BindFields<T>(this, nullptr, request, FieldTable);
        Table.Read();
    });
    Table.Clear();
    UpdateButtons(false);
}

void TLldpDot1ConfigTableForm::UpdateButtons(bool rowChosen) {
    SetButton->SetEnabled(rowChosen);
}

void TLldpDot1ConfigTableForm::RefreshButtonClick(TObject*) {
    Table.Refresh();
}

void TLldpDot1ConfigTableForm::SetButtonClick(TObject*) {
    if (!Table.RowChosen() || !Table.MayAct()) {
        return;
    }
    // The chosen row's switch alone; the fields empty at once, while the switch answers.
    Table.WriteAndAwait(WriteCarry::Only({Design.TxColumn}));
}

void TLldpDot1ConfigTableForm::StopButtonClick(TObject*) {
    Table.Stop();
}

void TLldpDot1ConfigTableForm::CloseButtonClick(TObject*) {
    Close();
}

void TLldpDot1ConfigTableForm::ListView1Change(TObject*, TListItem*, TItemChange) {
    Table.ListChanged();
}

void TLldpDot1ConfigTableForm::FormClose(TObject*, TCloseAction&) {
    Table.Closing();
}
