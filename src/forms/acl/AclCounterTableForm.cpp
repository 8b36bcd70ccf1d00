#include "AclCounterTableForm.h"

#include "DialogFrame.h"
#include "DialogTexts.h"
#include "TButton.h"
#include "TComboBox.h"
#include "TEdit.h"
#include "TLabel.h"

namespace {

using T = TAclCounterTableForm;

// Refresh refuses while a read or write runs ("Get data not complete."), Set also while the request
// is busy ("Get data not complete"); Stop ends either at once, and closing is always allowed.
constexpr DialogGuard kGuard =
    DialogGuard::Awaiting(DialogText::kGetDataNotComplete, DialogText::kGetDataNotCompleteDot);

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
                                   .SamplesLabel = &T::Label3,
                                   .List = &T::ListView1,
                                   .Splitter = &T::Splitter1,
                                   .FieldPanel = &T::Panel2,
                                   .StatusBar = &T::StatusBar1,
                                   .OnListClick = &T::ListView1Click,
                                   .OnListChange = &T::ListView1Change,
                                   .OnCreate = &T::FormCreate,
                                   .OnClose = &T::FormClose,
                                   .State = &T::UpdateButtons};

DialogFrame<T> FrameOf(const CounterDesign& design) {
    DialogFrame<T> frame = kFrame;
    frame.Width = design.Width;
    frame.Height = design.Height;
    frame.Caption = design.Caption;
    return frame;
}

// The keys are shown, never typed: disabled on every selection (which enables the bound controls).
constexpr FieldEnabledWhen<T> kShownOnly = {.If = NeverEnabled<T>, .How = FieldEnabling::EnabledOnly};

// One line: the two keys and the counter state.
std::array<Field<T>, 3> CounterFields(const CounterDesign& design) {
    return {{{.Column = design.ProfileColumn,
              .Caption = "Profile ID",
              .Constraint = "%i{n1x255l3}",
              .Control = &T::ProfileIDEdit,
              .Label = &T::Label1,
              .Place = {8, 14, 64, 10, 60},
              .Flags = kFieldDisabled,
              .EnabledWhen = kShownOnly},
             {.Column = design.AccessColumn,
              .Caption = "Access ID",
              .Constraint = "%i{n0x65535l5}",
              .Control = &T::AccessIDEdit,
              .Label = &T::Label2,
              .Place = {140, 14, 194, 10, 60},
              .Flags = kFieldDisabled,
              .EnabledWhen = kShownOnly},
             {.Column = design.StateColumn,
              .Caption = "Counter State",
              .Control = &T::StateCBX,
              .Label = &T::Label5,
              .Place = {270, 14, 342, 10, 90}}}};
}

} // namespace

TAclCounterTableForm::TAclCounterTableForm(TComponent* owner, const CounterDesign& design)
    : TForm(owner), Design(design), Table(kGuard), FieldTable(CounterFields(design)) {
    TPanel* rows = BuildFrame(this, FrameOf(Design), Table);
    Fields = BuildFields<T>(this, rows, FieldTable, Design.Columns);
    Table.Refreshing = {.Leaves = RefreshLeaves::NoRow};
    Label1->SetEnabled(false);
    Label2->SetEnabled(false);
}

void TAclCounterTableForm::FormCreate(TObject*) {
    Table.Attempt([this] {
        DialogRequest& request = Table.CreateRequest(this, Design.Table, MVT_UMV, 2);
        BindFields<T>(this, nullptr, request, FieldTable);
        Table.Read();
    });
    ClearFields();
}

void TAclCounterTableForm::ClearFields() {
    Table.Clear();
    Table.StateOfNoRow();
    Table.UpdateCount();
}

void TAclCounterTableForm::UpdateButtons(bool rowChosen) {
    SetButton->SetEnabled(rowChosen);
}

void TAclCounterTableForm::RefreshButtonClick(TObject*) {
    Table.Refresh();
}

void TAclCounterTableForm::SetButtonClick(TObject*) {
    if (!ListView1->Selected() || !Table.Request || !Table.MayAct()) {
        return;
    }
    // The selected rule's state alone; the input line empties at once, while the switch answers.
    Table.WriteAndAwait(WriteCarry::Only({Design.StateColumn}));
}

void TAclCounterTableForm::StopButtonClick(TObject*) {
    Table.Stop();
}

void TAclCounterTableForm::CloseButtonClick(TObject*) {
    Close();
}

void TAclCounterTableForm::ListView1Click(TObject*) {
    Table.SelectionChanged();
}

void TAclCounterTableForm::ListView1Change(TObject*, TListItem*, TItemChange) {
    Table.ListChanged();
}

void TAclCounterTableForm::FormClose(TObject*, TCloseAction&) {
    Table.Closing();
}
