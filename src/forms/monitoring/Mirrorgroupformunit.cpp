#include "Mirrorgroupformunit.h"

#include "CatalogueColumns.h"
#include "DeviceFacts.h"
#include "DialogFrame.h"
#include "DialogTexts.h"
#include "FieldChecks.h"
#include "FieldTable.h"
#include "ModelTables.h"
#include "Oid_model.h"
#include "TButton.h"
#include "TEdit.h"

TMirrorGroupForm* MirrorGroupForm = nullptr;

namespace {

using T = TMirrorGroupForm;

// The model's copy of the mirror group table, indexed by the group.
constexpr auto& kTable = Columns::MirrorGroup;
constexpr int kGroupId = ColumnOf(kTable, "Group ID");
constexpr int kRowStatus = ColumnOf(kTable, "Row Status");
constexpr int kState = ColumnOf(kTable, "State");
constexpr int kTarget = ColumnOf(kTable, "Logic Target Port");
constexpr int kIngress = ColumnOf(kTable, "Port Source Ingress");
constexpr int kEgress = ColumnOf(kTable, "Port Source Engress");
constexpr int kIndexColumns = 1;

constexpr const char* kGroupIdNeeded = "Group ID need to input.";
// A target of "0" is no target: the first SET then leaves it out.
constexpr const char* kNoTarget = "0";

constexpr FieldEnabledWhen<T> kOnChosenRow = {.Mode = RowMode::Row, .How = FieldEnabling::KeepText};

// The field row above the port tabs (96 DPI).
constexpr Field<T> kFields[] = {
    {.Column = kGroupId,
     .Caption = "Group ID",
     .Constraint = "%i{n1x4l1}",
     .Control = &T::ED_GroupID,
     .Label = &T::Label1,
     .Place = {8, 12, 60, 8, 40},
     // An existing group keeps its number.
     .EnabledWhen = {.Mode = RowMode::NoRow, .How = FieldEnabling::KeepText}},
    {.Column = kTarget,
     .Caption = "Target Port",
     .Constraint = "%i{n0x768l3}",
     .Control = &T::TargetEdit,
     .Label = &T::Label2,
     .Place = {120, 12, 184, 8, 50},
     .EnabledWhen = kOnChosenRow},
    {.Column = kState,
     .Caption = "Group State",
     .Control = &T::groupStateComboBox,
     .Label = &T::Label3,
     .Place = {256, 12, 322, 8, 90},
     .Default = FieldDefault::Keep(),
     .EnabledWhen = kOnChosenRow},
    {.Column = kRowStatus,
     .Caption = "Status",
     .Control = &T::CBoxStatus,
     .Label = &T::Label4,
     .Place = {430, 12, 470, 8, 90},
     .Flags = kFieldHidden,
     .Default = FieldDefault::Option("createAndGo")},
};
const std::vector<PortListColumn> kPortColumns = {
    {kIngress, "Ingress Ports"},
    {kEgress, "Egress Ports"},
};

constexpr ButtonSpec<T> kButtons[] = {
    {&T::RefreshBtn, "Refresh", &T::RefreshBtnClick},
    {&T::btnSet, "Set", &T::btnSetClick},
    {&T::btnAdd, "Add", &T::btnAddClick},
    {&T::btnDelete, "Delete", &T::btnDeleteClick},
    {&T::btnClose, "Close", &T::btnCloseClick},
};

constexpr DialogFrame<T> kFrame = {.Width = 658,
                                   .Height = 483,
                                   .Caption = "Mirror Group Form",
                                   .Buttons = kButtons,
                                   .Samples = "Samples",
                                   .ListHeight = 150,
                                   .RowsHeight = 38,
                                   .ClearOnNoRow = true,
                                   .ButtonPanel = &T::Panel1,
                                   .Count = &T::StaticText1,
                                   .SamplesLabel = &T::Label5,
                                   .List = &T::ListView1,
                                   .Splitter = &T::Splitter1,
                                   .FieldPanel = &T::Panel2,
                                   .Tabs = &T::PageControl1,
                                   .StatusBar = &T::StatusBar1,
                                   .OnListClick = &T::ListView1Click,
                                   .OnListChange = &T::ListView1Change,
                                   .OnCreate = &T::FormCreate,
                                   .OnCloseQuery = &T::FormCloseQuery,
                                   .OnClose = &T::FormClose,
                                   .State = &T::UpdateButtons};

// Set, Add and Delete leave no group chosen, whatever happened.
constexpr WritePlan kLeavesNoRow = {.Leaves = AfterWrite::NoRow, .LeavesFailed = AfterWrite::NoRow};

} // namespace

TMirrorGroupForm::TMirrorGroupForm(TComponent* owner)
    : TForm(owner), Table(DialogGuard::Flag(DialogText::kGetDataNotComplete)) {
    TPanel* rows = BuildFrame(this, kFrame, Table);
    Fields = BuildFields<T>(this, rows, kFields, kTable);
    Table.StatusColumn = kRowStatus;
    Table.Deleting = {.Write = kLeavesNoRow};
}

void TMirrorGroupForm::FormCreate(TObject*) {
    Table.Attempt([this] {
        Pickers.Embed(this, PickerHost::Tabs(PageControl1), kPortColumns);
        const MibTableRow* table = ModelTable(MirrorGroup, Facts().SysObjectId, SysObjectIdMatch::Exact);
        if (!table) {
            Table.MarkUnsupported({btnSet, btnAdd, btnDelete});
            return;
        }
        DialogRequest& request = Table.CreateRequest(this, table, MVT_UMV, kIndexColumns);
        BindFields<T>(this, nullptr, request, kFields);
        Table.StatusCombo = CBoxStatus;
        Pickers.Bind(request);
        Pickers.GuardSelection(Table);
        Table.Read();
    });
    Table.Clear();
    UpdateButtons(false);
}

void TMirrorGroupForm::ClearEditControls() {
    Table.Clear();
}

void TMirrorGroupForm::UpdateButtons(bool rowChosen) {
    btnSet->SetEnabled(Table.Supported && rowChosen);
    btnDelete->SetEnabled(Table.Supported && rowChosen);
    btnAdd->SetEnabled(Table.Supported && !rowChosen);
    if (rowChosen) {
        Pickers.EnableAll();
    } else {
        Pickers.DisableAll();
    }
}

void TMirrorGroupForm::RefreshBtnClick(TObject*) {
    Table.Refresh();
}

void TMirrorGroupForm::btnSetClick(TObject*) {
    if (!Table.RowChosen() || !Table.MayAct()) {
        return;
    }
    WriteCarry first = WriteCarry::Only({kState, kTarget});
    if (TargetEdit->Text() == kNoTarget) {
        first = WriteCarry::Only({kState});
    }
    Table.Write(
        [&] {
            Table.Send(first);
            Table.Send(WriteCarry::Only({kIngress, kEgress}));
        },
        kLeavesNoRow);
}

void TMirrorGroupForm::btnAddClick(TObject*) {
    if (!Table.MayAct()) {
        return;
    }
    if (ED_GroupID->Text().empty()) {
        RefuseInput(ED_GroupID, kGroupIdNeeded);
        return;
    }
    // The group and its row status alone: a new group starts empty.
    Table.Write([this] { Table.CreateRow(WriteCarry::Only({kRowStatus})); }, kLeavesNoRow);
}

void TMirrorGroupForm::btnDeleteClick(TObject*) {
    Table.Delete();
}

void TMirrorGroupForm::btnCloseClick(TObject*) {
    Close();
}

void TMirrorGroupForm::ListView1Click(TObject*) {
    Table.SelectionChanged();
}

void TMirrorGroupForm::ListView1Change(TObject*, TListItem*, TItemChange) {
    Table.ListChanged();
}

void TMirrorGroupForm::FormCloseQuery(TObject*, bool& canClose) {
    canClose = Table.MayClose();
}

void TMirrorGroupForm::FormClose(TObject*, TCloseAction&) {
    Table.Closing();
}
