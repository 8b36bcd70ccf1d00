#include "VlanStaticFormUnit.h"

#include "CatalogueColumns.h"
#include "DialogLayout.h"
#include "DialogTexts.h"
#include "FieldChecks.h"
#include "FieldTable.h"
#include "Oid_bridge.h"
#include "TButton.h"
#include "TComboBox.h"
#include "TEdit.h"
#include "TLabel.h"
#include "TPageControl.h"
#include "TPanel.h"
#include "TStaticText.h"
#include "TStatusBar.h"

#include <exception>

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
     .Place = {8, 11, 70, 8, 70}},
    {.Column = kVlanName,
     .Caption = "VLAN Name",
     .Constraint = "%s",
     .Control = &T::ED_VLANName,
     .Label = &T::Label2,
     .Place = {160, 11, 244, 8, 150}},
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
     .Place = {8, 39, 180, 37, 60}},
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

constexpr int kDesignWidth = 650;
constexpr int kDesignHeight = 455;
constexpr int kListHeight = 140;
constexpr int kFieldRowsHeight = 62;

} // namespace

TVlanStaticForm::TVlanStaticForm(TComponent* owner)
    : TForm(owner), Table(DialogGuard::Flag(DialogText::kGetDataNotComplete)), NextFree(DialogGuard::None()) {
    DesignDialog(this, kDesignWidth, kDesignHeight);
    SetCaption("VLAN Static Form");

    ButtonColumn buttons(this, "Samples");
    Panel1 = buttons.Panel;
    ST_Count2 = buttons.Count;
    Label11 = buttons.Samples;
    AddButtons(buttons, this, kButtons);
    StatusBar1 = AddStatusBar(this);

    const ListArea area = AddListArea(this, kListHeight);
    LV_dot1qVlanStaticEntry = area.List;
    Splitter1 = area.Splitter;
    Panel2 = area.Fields;
    LV_dot1qVlanStaticEntry->OnChange = Bind(this, &T::LV_dot1qVlanStaticEntryChange);
    LV_dot1qVlanStaticEntry->OnClick = Bind(this, &T::LV_dot1qVlanStaticEntryClick);
    LV_dot1qVlanStaticEntry->OnSelectItem = Bind(this, &T::LV_dot1qVlanStaticEntrySelectItem);

    const FieldsAndTabs parts = AddFieldsAndTabs(this, Panel2, kFieldRowsHeight);
    PageControl1 = parts.Tabs;
    BuildFields<T>(this, parts.Rows, kFields, kTable);
    BuildFields<T>(this, parts.Rows, kNextFreeFields);

    Table.List = LV_dot1qVlanStaticEntry;
    Table.CountLabel = ST_Count2;
    Table.StatusPanel = StatusPanelOf(StatusBar1);
    Table.StatusColumn = kRowStatus;
    Table.StatusCombo = Status;
    Table.StatusItems = {"Active", "CreateAndGo", "Destroy"}; // this table's status list is capitalised
    Table.AfterRead = [this] { UpdateButtons(LV_dot1qVlanStaticEntry->Selected() != nullptr); };
    NextFree.StatusPanel = Table.StatusPanel;

    OnCreate = Bind(this, &T::FormCreate);
    OnCloseQuery = Bind(this, &T::FormCloseQuery);
    OnClose = Bind(this, &T::FormClose);
}

void TVlanStaticForm::FormCreate(TObject*) {
    Table.Attempt([this] {
        Pickers.Embed(this, PickerHost::Tabs(PageControl1), kPortColumns);
        DialogRequest& request = Table.CreateRequest(this, VlanStaticTable, MVT_UMV, 1);
        BindFields<T>(this, nullptr, request, kFields);
        Pickers.Bind(request);
        Table.Read();
    });
    NextFree.Attempt([this] {
        DialogRequest& request = NextFree.CreateRequest(this, VlanStaticSettings, SVT_SV, 0);
        BindFields<T>(this, nullptr, request, kNextFreeFields);
        request.Mode = 0;
        NextFree.Read();
    });
    UpdateButtons(false);
}

void TVlanStaticForm::ClearEditControls() {
    Pickers.UncheckAll();
    ED_VLANID->SetText("");
    ED_VLANName->SetText("");
    Status->SetText("");
    SetFieldEnabled(ED_VLANID, true);
}

void TVlanStaticForm::UpdateButtons(bool rowChosen) {
    SetBtn->SetEnabled(rowChosen);
    DeleteBtn->SetEnabled(rowChosen);
    AddBtn->SetEnabled(!rowChosen);
}

void TVlanStaticForm::RefreshBtnClick(TObject*) {
    if (!Table.MayRefresh()) {
        return;
    }
    NextFree.Read();
    Table.Read();
    ClearEditControls();
    UpdateButtons(false);
}

void TVlanStaticForm::LV_dot1qVlanStaticEntrySelectItem(TObject*, TListItem*, bool) {
    const bool selected = LV_dot1qVlanStaticEntry->Selected() != nullptr;
    if (!selected) {
        ClearEditControls();
    }
    UpdateButtons(selected);
}

void TVlanStaticForm::LV_dot1qVlanStaticEntryClick(TObject* sender) {
    LV_dot1qVlanStaticEntrySelectItem(sender, nullptr, false);
    if (LV_dot1qVlanStaticEntry->Selected()) {
        // An existing VLAN keeps its ID.
        SetFieldEnabled(ED_VLANID, false, FieldEnabling::KeepValue);
    }
}

void TVlanStaticForm::LV_dot1qVlanStaticEntryChange(TObject*, TListItem*, TItemChange) {
    Table.UpdateCount();
}

void TVlanStaticForm::SetBtnClick(TObject*) {
    if (!LV_dot1qVlanStaticEntry->Selected() || !Table.MayAct()) {
        return;
    }
    // A change: one SET per column, in this order.
    if (Table.Write(WriteCarry::EachAlone({kEgress, kForbidden, kUntagged, kRowStatus, kVlanName}))) {
        ClearEditControls();
    }
    UpdateButtons(false);
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
    WriteCarry row = WriteCarry::RowWithout({kForbidden});
    if (ED_VLANName->Text().empty()) {
        row.Without(kVlanName);
    }
    // The new row with its name (when given), egress and untagged ports, then its forbidden ports
    // alone, even when none is chosen.
    if (Table.Write([&] {
            Table.CreateRow(row);
            Table.Send(WriteCarry::Only({kForbidden}));
        })) {
        ClearEditControls();
    }
}

void TVlanStaticForm::DeleteBtnClick(TObject*) {
    if (!Table.MayAct()) {
        return;
    }
    if (Table.DeleteRow()) {
        ClearEditControls();
    }
    UpdateButtons(false);
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
    Table.Close();
    Pickers.Free();
    NextFree.Close();
}
