#include "PolicyRouteUnit.h"

#include "CatalogueColumns.h"
#include "DialogFrame.h"
#include "DialogTexts.h"
#include "FieldChecks.h"
#include "FieldTable.h"
#include "Oid_policyroute.h"
#include "OptionItems.h"
#include "SkipFlagScope.h"
#include "TButton.h"
#include "TComboBox.h"
#include "TEdit.h"

TPolicyRouteForm* PolicyRouteForm = nullptr;

namespace {

using T = TPolicyRouteForm;

constexpr auto& kTable = Columns::PolicyRouteTable;
constexpr int kName = ColumnOf(kTable, "Name");
constexpr int kStatus = ColumnOf(kTable, "Status");
constexpr int kKeyCount = 1; // the rule's name

// This dialog's own text.
constexpr const char* kNameMustBeSet = "Name must be set.";

// Refresh refuses before the first read ends, with its own text; Set, Add and Delete also while
// the table is busy; closing never refuses; Stop unlocks at once.
constexpr DialogGuard kGuard = {.Text = DialogText::kGetDataNotComplete,
                                .Act = RefuseWhen::IncompleteOrBusy,
                                .Refresh = RefuseWhen::Incomplete,
                                .RefreshText = DialogText::kGetDataNotCompleteBang,
                                .Close = RefuseWhen::Never,
                                .StopCompletes = true};

// The values of the chosen rule; a new rule is added by its name alone.
constexpr FieldEnabledWhen<T> kWithRule = {.Mode = RowMode::Row, .How = FieldEnabling::WithState};

constexpr FieldPlace Line(int i) {
    const int top = 10 + 28 * i;
    return {16, top + 3, 100, top, 150};
}

constexpr Field<T> kFields[] = {
    {.Column = kName,
     .Caption = "Name",
     .Constraint = "%s",
     .Control = &T::NameEdit,
     .Kind = FieldKind::Edit, // a key the user types
     .Label = &T::Label1,
     .Place = Line(0),
     .EnabledWhen = {.Mode = RowMode::NoRow, .How = FieldEnabling::KeepText}},
    {.Column = ColumnOf(kTable, "Profile ID"),
     .Caption = "Profile ID",
     .Constraint = "%i{n1x16l2}",
     .Control = &T::PIDEdit,
     .Label = &T::Label2,
     .Place = Line(1),
     .Omit = OmitWhen::Empty,
     .EnabledWhen = kWithRule},
    {.Column = ColumnOf(kTable, "Access ID"),
     .Caption = "Access ID",
     .Constraint = "%i{n1x256l3}",
     .Control = &T::AIDEdit,
     .Label = &T::Label3,
     .Place = Line(2),
     .Omit = OmitWhen::Empty,
     .EnabledWhen = kWithRule},
    {.Column = ColumnOf(kTable, "Next Hop"),
     .Caption = "Next Hop",
     .Constraint = "%s{I}",
     .Control = &T::HopEdit,
     .Label = &T::Label4,
     .Place = Line(3),
     .Omit = OmitWhen::Empty,
     .EnabledWhen = kWithRule},
    {.Column = kStatus,
     .Caption = "Row Status",
     .Control = &T::StateComboBox,
     .Label = &T::Label5,
     .Place = Line(4),
     .Default = FieldDefault::Keep()},
};

constexpr ButtonSpec<T> kButtons[] = {
    {&T::RefreshButton, "Refresh", &T::RefreshButtonClick},
    {&T::SetButton, "Set", &T::SetButtonClick},
    {&T::AddButton, "Add", &T::AddButtonClick},
    {&T::DeleteButton, "Delete", &T::DeleteButtonClick},
    {&T::StopButton, "Stop", &T::StopButtonClick},
    {&T::CloseButton, "Close", &T::CloseButtonClick},
};

constexpr DialogFrame<T> kFrame = {.Width = 546,
                                   .Height = 390,
                                   .Caption = "Policy Route",
                                   .Buttons = kButtons,
                                   .Samples = ButtonColumn::kCountOnly,
                                   .ListHeight = 170,
                                   .ClearOnNoRow = true,
                                   .ButtonPanel = &T::Panel1,
                                   .Count = &T::StaticText1,
                                   .ListPanel = &T::Panel2,
                                   .List = &T::ListView1,
                                   .FieldPanel = &T::Panel3,
                                   .StatusBar = &T::StatusBar1,
                                   .OnListClick = &T::ListView1Click,
                                   .OnListChange = &T::ListView1Change,
                                   .OnCreate = &T::FormCreate,
                                   .OnClose = &T::FormClose,
                                   .State = &T::UpdateButtons};

} // namespace

TPolicyRouteForm::TPolicyRouteForm(TComponent* owner) : TForm(owner), Table(kGuard) {
    TPanel* fields = BuildFrame(this, kFrame, Table);
    Fields = BuildFields<T>(this, fields, kFields, kTable);
    Table.StatusItems = {.Active = "enabled", .CreateAndGo = "createAndGo", .Destroy = "destroy"};
    Table.Refreshing = {.Leaves = RefreshLeaves::NoRow};
    UpdateButtons(false);
}

void TPolicyRouteForm::FormCreate(TObject*) {
    Table.Attempt([this] {
        DialogRequest& request = Table.CreateRequest(this, PolicyRouteTable, MVT_UMV, kKeyCount);
        BindFields<T>(this, nullptr, request, kFields);
        Table.StatusColumn = kStatus;
        Table.StatusCombo = StateComboBox;
        Table.Read();
    });
    Table.UpdateState();
}

void TPolicyRouteForm::UpdateButtons(bool rowChosen) {
    SetButton->SetEnabled(rowChosen);
    DeleteButton->SetEnabled(rowChosen);
    AddButton->SetEnabled(!rowChosen);
}

void TPolicyRouteForm::ListView1Click(TObject*) {
    Table.SelectionChanged();
}

void TPolicyRouteForm::ListView1Change(TObject*, TListItem*, TItemChange) {
    Table.ListChanged();
}

void TPolicyRouteForm::RefreshButtonClick(TObject*) {
    Table.Refresh();
}

void TPolicyRouteForm::StopButtonClick(TObject*) {
    Table.Stop();
}

void TPolicyRouteForm::SetButtonClick(TObject*) {
    if (!Table.RowChosen() || !Table.MayAct()) {
        return;
    }
    // The status is the rule's on/off switch: any other choice is not written.
    WriteCarry carry = Fields.Carry();
    if (!OptionSelected(StateComboBox, "enabled") && !OptionSelected(StateComboBox, "disabled")) {
        carry.Without(kStatus);
    }
    Table.Write(carry, {.Leaves = AfterWrite::NoRow, .LeavesFailed = AfterWrite::NoRow});
}

void TPolicyRouteForm::AddButtonClick(TObject*) {
    if (!Table.MayAct()) {
        return;
    }
    if (NameEdit->Text().empty()) {
        RefuseInput(NameEdit, kNameMustBeSet);
        return;
    }
    // The name with createAndGo; the values left empty (all of them, with no rule chosen) are not
    // written.
    Table.Write([this] { Table.CreateRow(Fields.Carry()); },
                {.Leaves = AfterWrite::NoRow, .LeavesFailed = AfterWrite::NoRow});
}

void TPolicyRouteForm::DeleteButtonClick(TObject*) {
    if (!Table.RowChosen()) {
        UpdateButtons(false);
        return;
    }
    if (!Table.MayAct()) {
        return;
    }
    // The status destroy alone for the chosen rule; the columns flagged for it, its name among
    // them, get their table access back, so the next walk reads what it read before.
    Table.Write(
        [this] {
            SkipFlagScope flagged(Table.Request->Request);
            for (int column = kName; column < kStatus; ++column) {
                flagged.Skip(column);
            }
            Table.DestroyRow();
        },
        {.Leaves = AfterWrite::NoRow, .LeavesFailed = AfterWrite::NoRow});
}

void TPolicyRouteForm::CloseButtonClick(TObject*) {
    Close();
}

void TPolicyRouteForm::FormClose(TObject*, TCloseAction& action) {
    Table.Closing();
    action = caFree;
}
