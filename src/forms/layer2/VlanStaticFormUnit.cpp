#include "VlanStaticFormUnit.h"

#include "CatalogueColumns.h"
#include "DialogFrame.h"
#include "DialogTexts.h"
#include "FieldChecks.h"
#include "FieldTable.h"
#include "Oid_bridge.h"
#include "TButton.h"
#include "TEdit.h"

TVlanStaticForm* VlanStaticForm = nullptr;

namespace {

using T = TVlanStaticForm;

// The static VLAN table's columns.
constexpr auto& kTable = Columns::VlanStaticTable;
constexpr int kVlanId = ColumnOf(kTable, "VLAN ID");
constexpr int kVlanName = ColumnOf(kTable, "VLAN Name");
constexpr int kEgress = ColumnOf(kTable, "Egress Ports");
constexpr int kForbidden = ColumnOf(kTable, "Forbidden Egress Ports");
constexpr int kUntagged = ColumnOf(kTable, "Untagged Ports");
constexpr int kRowStatus = ColumnOf(kTable, "Row Status");
constexpr int kNextFree = ColumnOf(Columns::VlanStaticSettings, "Next Free Local VLAN Index");

// The field rows above the port tabs (96 DPI); the row status is bound to its hidden combo box.
constexpr Field<T> kFields[] = {
    {.Column = kVlanId,
     .Caption = "VLAN ID",
     .Constraint = "%i{n2x4094l4}",
     .Control = &T::ED_VLANID,
     .Label = &T::Label1,
     .Place = {8, 11, 70, 8, 70},
     // An existing VLAN keeps its ID.
     .EnabledWhen = {.Mode = RowMode::NoRow, .How = FieldEnabling::KeepValue}},
    {.Column = kVlanName,
     .Caption = "VLAN Name",
     .Constraint = "%s",
     .Control = &T::ED_VLANName,
     .Label = &T::Label2,
     .Place = {160, 11, 244, 8, 150},
     .Omit = OmitWhen::Empty},
    {.Column = kRowStatus,
     .Caption = "Status",
     .Control = &T::Status,
     .Label = &T::Label4,
     .Place = {410, 11, 450, 8, 80},
     .Flags = kFieldHidden},
};
// The next free index, of the scalar group read beside the table.
constexpr Field<T> kNextFreeFields[] = {
    {.Column = kNextFree,
     .Caption = "Next Free Local VLAN Index",
     .Control = &T::NextFreeLocalVlanIndex,
     .Kind = FieldKind::StaticText,
     .Label = &T::Label3,
     .Place = {8, 39, 180, 37, 60},
     .Default = FieldDefault::Keep()},
};
const std::vector<PortListColumn> kPortColumns = {
    {kEgress, "Egress Ports"},
    {kForbidden, "Forbidden Egress Ports"},
    {kUntagged, "Untagged Ports"},
};
constexpr const char* kPleaseInputVlanId = "Please input VLAN ID.";
constexpr int kFirstVlanId = 2;
constexpr int kLastVlanId = 4094;

constexpr ButtonSpec<T> kButtons[] = {
    {&T::RefreshBtn, "Refresh", &T::RefreshBtnClick},
    {&T::SetBtn, "Set", &T::SetBtnClick},
    {&T::AddBtn, "Add", &T::AddBtnClick},
    {&T::DeleteBtn, "Delete", &T::DeleteBtnClick},
    {&T::btnStop, "Stop", &T::btnStopClick},
    {&T::btnClose, "Close", &T::btnCloseClick},
};

constexpr DialogFrame<T> kFrame = {.Width = 650,
                                   .Height = 455,
                                   .Caption = "VLAN Static Form",
                                   .Buttons = kButtons,
                                   .Samples = "Samples",
                                   .ListHeight = 140,
                                   .RowsHeight = 62,
                                   .ClearOnNoRow = true,
                                   .ButtonPanel = &T::Panel1,
                                   .Count = &T::ST_Count2,
                                   .SamplesLabel = &T::Label11,
                                   .List = &T::LV_dot1qVlanStaticEntry,
                                   .Splitter = &T::Splitter1,
                                   .FieldPanel = &T::Panel2,
                                   .Tabs = &T::PageControl1,
                                   .StatusBar = &T::StatusBar1,
                                   .OnListClick = &T::LV_dot1qVlanStaticEntryClick,
                                   .OnListSelectItem = &T::LV_dot1qVlanStaticEntrySelectItem,
                                   .OnListChange = &T::LV_dot1qVlanStaticEntryChange,
                                   .OnCreate = &T::FormCreate,
                                   .OnCloseQuery = &T::FormCloseQuery,
                                   .OnClose = &T::FormClose,
                                   .State = &T::UpdateButtons};

} // namespace

TVlanStaticForm::TVlanStaticForm(TComponent* owner)
    : TForm(owner), Table(DialogGuard::Flag(DialogText::kGetDataNotComplete)), NextFree(DialogGuard::None()) {
    TPanel* rows = BuildFrame(this, kFrame, Table);
    Fields = BuildFields<T>(this, rows, kFields, kTable);
    Fields.Append(BuildFields<T>(this, rows, kNextFreeFields));
    Table.StatusColumn = kRowStatus;
    Table.StatusItems = {"Active", "CreateAndGo", "Destroy"}; // this table's status list is capitalised
    // The next free index is read again by every Refresh, never after a write.
    Table.Companions = {&NextFree};
    NextFree.StatusPanel = Table.StatusPanel;
}

void TVlanStaticForm::FormCreate(TObject*) {
    Table.Attempt([this] {
        Pickers.Embed(this, PickerHost::Tabs(PageControl1), kPortColumns);
        DialogRequest& request = Table.CreateRequest(this, VlanStaticTable, MVT_UMV, 1);
        BindFields<T>(this, nullptr, request, kFields);
        Table.StatusCombo = Status;
        Pickers.Bind(request);
        Table.Read();
    });
    NextFree.Attempt([this] {
        DialogRequest& request =
            NextFree.CreateRequest(this, VlanStaticSettings, SVT_SV, 0, {.Blocking = true});
        BindFields<T>(this, nullptr, request, kNextFreeFields);
        NextFree.Read();
    });
    UpdateButtons(false);
}

void TVlanStaticForm::ClearEditControls() {
    Table.Clear();
}

void TVlanStaticForm::UpdateButtons(bool rowChosen) {
    SetBtn->SetEnabled(rowChosen);
    DeleteBtn->SetEnabled(rowChosen);
    AddBtn->SetEnabled(!rowChosen);
}

void TVlanStaticForm::RefreshBtnClick(TObject*) {
    Table.Refresh();
}

void TVlanStaticForm::LV_dot1qVlanStaticEntrySelectItem(TObject*, TListItem*, bool) {
    Table.SelectionChanged();
}

void TVlanStaticForm::LV_dot1qVlanStaticEntryClick(TObject*) {
    Table.SelectionChanged();
}

void TVlanStaticForm::LV_dot1qVlanStaticEntryChange(TObject*, TListItem*, TItemChange) {
    Table.ListChanged();
}

void TVlanStaticForm::SetBtnClick(TObject*) {
    if (!LV_dot1qVlanStaticEntry->Selected() || !Table.MayAct()) {
        return;
    }
    // A change: one SET per column, in this order.
    Table.Write(WriteCarry::EachAlone({kEgress, kForbidden, kUntagged, kRowStatus, kVlanName}),
                {.Leaves = AfterWrite::NoRow, .LeavesFailed = AfterWrite::NoRowKept});
}

void TVlanStaticForm::AddBtnClick(TObject*) {
    if (!Table.MayAct()) {
        return;
    }
    if (ED_VLANID->Text().empty()) {
        RefuseInput(ED_VLANID, kPleaseInputVlanId);
        return;
    }
    // Text put into the edit by code has not passed its constraint: the ID is checked here, before
    // it becomes the row's instance.
    if (!CheckNumberField(ED_VLANID, kFirstVlanId, kLastVlanId)) {
        return;
    }
    // The new row with its name (when given), egress and untagged ports, then its forbidden ports
    // alone, even when none is chosen.
    const WriteCarry row = Fields.Carry().Without(kForbidden);
    Table.Write(
        [&] {
            Table.CreateRow(row);
            Table.Send(WriteCarry::Only({kForbidden}));
        },
        {.Leaves = AfterWrite::NoRow});
}

void TVlanStaticForm::DeleteBtnClick(TObject*) {
    Table.Delete();
}

void TVlanStaticForm::btnStopClick(TObject*) {
    Table.Stop();
}

void TVlanStaticForm::btnCloseClick(TObject*) {
    Close();
}

void TVlanStaticForm::FormCloseQuery(TObject*, bool& canClose) {
    canClose = Table.MayClose();
}

void TVlanStaticForm::FormClose(TObject*, TCloseAction&) {
    Table.Closing();
}
