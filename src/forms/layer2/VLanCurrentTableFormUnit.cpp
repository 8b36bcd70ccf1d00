#include "VLanCurrentTableFormUnit.h"

#include "CatalogueColumns.h"
#include "DialogLayout.h"
#include "FieldTable.h"
#include "Oid_bridge.h"
#include "TButton.h"
#include "TLabel.h"
#include "TPageControl.h"
#include "TPanel.h"
#include "TStaticText.h"
#include "TStatusBar.h"

TVLanCurrentTableForm* VLanCurrentTableForm = nullptr;

namespace {

using T = TVLanCurrentTableForm;

// The current table's columns (time mark and VLAN index are its two index columns).
constexpr auto& kTable = Columns::VLanCurrentFDBIDTable;
constexpr int kVlanIndex = ColumnOf(kTable, "VLAN Index");
constexpr int kEgress = ColumnOf(kTable, "Egress Ports");
constexpr int kUntagged = ColumnOf(kTable, "Untagged Ports");
constexpr int kDeletes = ColumnOf(Columns::VLanCurrentVLANNumberDeletesTable, "VLAN Number Deletes");
constexpr int kIndexColumns = 2;

// The two lines above the port tabs (96 DPI), both shown only.
constexpr Field<T> kDeletesFields[] = {
    {.Column = kDeletes,
     .Caption = "VLAN Delete Numbers",
     .Control = &T::VlanNumDeletes,
     .Kind = FieldKind::StaticText,
     .Label = &T::Label1,
     .Place = {8, 11, 150, 8, 80}},
};
constexpr Field<T> kFields[] = {
    {.Column = kVlanIndex,
     .Caption = "VLAN Index",
     .Control = &T::StaticText1,
     .Kind = FieldKind::StaticText,
     .Label = &T::Label2,
     .Place = {8, 39, 150, 36, 80}},
};
const std::vector<PortListColumn> kPortColumns = {
    {kEgress, "Egress Ports"},
    {kUntagged, "Untagged Ports"},
};

constexpr ButtonSpec<T> kButtons[] = {
    {&T::RefreshBtn, "Refresh", &T::RefreshBtnClick},
    {&T::Closebtn, "Close", &T::ClosebtnClick},
};

constexpr int kDesignWidth = 666;
constexpr int kDesignHeight = 462;
constexpr int kListHeight = 150;
constexpr int kFieldRowsHeight = 64;

} // namespace

TVLanCurrentTableForm::TVLanCurrentTableForm(TComponent* owner)
    : TForm(owner), Deletes(DialogGuard::None()), Table(DialogGuard::None()) {
    DesignDialog(this, kDesignWidth, kDesignHeight);
    SetCaption("VLAN Current Table Form");

    ButtonColumn buttons(this, "Samples");
    Panel1 = buttons.Panel;
    ST_Count2 = buttons.Count;
    Label11 = buttons.Samples;
    AddButtons(buttons, this, kButtons);
    StatusBar1 = AddStatusBar(this);

    const ListArea area = AddListArea(this, kListHeight);
    LV_dot1qVlanCurrentEntry = area.List;
    Splitter1 = area.Splitter;
    Panel2 = area.Fields;
    LV_dot1qVlanCurrentEntry->OnChange = Bind(this, &T::LV_dot1qVlanCurrentEntryChange);
    LV_dot1qVlanCurrentEntry->OnSelectItem = Bind(this, &T::LV_dot1qVlanCurrentEntrySelectItem);

    const FieldsAndTabs parts = AddFieldsAndTabs(this, Panel2, kFieldRowsHeight);
    PageControl1 = parts.Tabs;
    BuildFields<T>(this, parts.Rows, kDeletesFields);
    BuildFields<T>(this, parts.Rows, kFields, kTable);

    Table.List = LV_dot1qVlanCurrentEntry;
    Table.CountLabel = ST_Count2;
    Table.StatusPanel = StatusPanelOf(StatusBar1);
    Table.AfterRead = [this] { UpdateButtons(); };
    Deletes.StatusPanel = Table.StatusPanel;

    OnCreate = Bind(this, &T::FormCreate);
    OnClose = Bind(this, &T::FormClose);
}

void TVLanCurrentTableForm::FormCreate(TObject*) {
    Pickers.Embed(this, PickerHost::Tabs(PageControl1), kPortColumns);
    Deletes.Attempt([this] {
        DialogRequest& request = Deletes.CreateRequest(this, VLanCurrentVLANNumberDeletesTable, SVT_SV, 0);
        BindFields<T>(this, nullptr, request, kDeletesFields);
        Deletes.Read();
    });
    Table.Attempt([this] {
        DialogRequest& request =
            Table.CreateRequest(this, VLanCurrentFDBIDTable, MVT_UMV, kIndexColumns, /*autoSelect=*/false);
        BindFields<T>(this, nullptr, request, kFields);
        Pickers.Bind(request);
        // A VLAN whose lists are shorter than the boxes need is reported in the status line and
        // leaves every page unticked, not the previous VLAN's ports under its index.
        Pickers.GuardSelection(Table);
        Table.Read();
    });
    UpdateButtons();
}

void TVLanCurrentTableForm::UpdateButtons() {
    Pickers.DisableAll();
}

void TVLanCurrentTableForm::ClearEditControls() {
    Pickers.UncheckAll();
    StaticText1->SetCaption("");
}

void TVLanCurrentTableForm::RefreshBtnClick(TObject*) {
    // No guard: a read still under way is not started again.
    for (TableDialogController* read : {&Deletes, &Table}) {
        if (read->Request && !read->Request->Busy) {
            read->Read();
        }
    }
    Table.UpdateCount();
    ClearEditControls();
    UpdateButtons();
}

void TVLanCurrentTableForm::LV_dot1qVlanCurrentEntrySelectItem(TObject*, TListItem*, bool) {
    if (!LV_dot1qVlanCurrentEntry->Selected()) {
        ClearEditControls();
    }
    UpdateButtons();
}

void TVLanCurrentTableForm::LV_dot1qVlanCurrentEntryChange(TObject*, TListItem*, TItemChange) {
    Table.UpdateCount();
}

void TVLanCurrentTableForm::ClosebtnClick(TObject*) {
    Close();
}

void TVLanCurrentTableForm::FormClose(TObject*, TCloseAction&) {
    Table.Close();
    Deletes.Close();
    Pickers.Free();
}
