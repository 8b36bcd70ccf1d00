#include "VLanCurrentTableFormUnit.h"

#include "CatalogueColumns.h"
#include "DialogFrame.h"
#include "FieldTable.h"
#include "Oid_bridge.h"
#include "TButton.h"

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
     .Place = {8, 11, 150, 8, 80},
     .Default = FieldDefault::Keep()},
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

constexpr DialogFrame<T> kFrame = {.Width = 666,
                                   .Height = 462,
                                   .Caption = "VLAN Current Table Form",
                                   .Buttons = kButtons,
                                   .Samples = "Samples",
                                   .ListHeight = 150,
                                   .RowsHeight = 64,
                                   .ClearOnNoRow = true,
                                   .ButtonPanel = &T::Panel1,
                                   .Count = &T::ST_Count2,
                                   .SamplesLabel = &T::Label11,
                                   .List = &T::LV_dot1qVlanCurrentEntry,
                                   .Splitter = &T::Splitter1,
                                   .FieldPanel = &T::Panel2,
                                   .Tabs = &T::PageControl1,
                                   .StatusBar = &T::StatusBar1,
                                   .OnListSelectItem = &T::LV_dot1qVlanCurrentEntrySelectItem,
                                   .OnListChange = &T::LV_dot1qVlanCurrentEntryChange,
                                   .OnCreate = &T::FormCreate,
                                   .OnClose = &T::FormClose,
                                   .State = &T::UpdateButtons};

} // namespace

TVLanCurrentTableForm::TVLanCurrentTableForm(TComponent* owner)
    : TForm(owner), Deletes(DialogGuard::None()), Table(DialogGuard::None()) {
    TPanel* rows = BuildFrame(this, kFrame, Table);
    Fields = BuildFields<T>(this, rows, kDeletesFields);
    Fields.Append(BuildFields<T>(this, rows, kFields, kTable));
    Deletes.StatusPanel = Table.StatusPanel;
    // No guard: a read still under way is not started again.
    Table.Companions = {&Deletes};
    Table.Refreshing = {.Leaves = RefreshLeaves::NoRow, .SkipBusy = true};
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
            Table.CreateRequest(this, VLanCurrentFDBIDTable, MVT_UMV, kIndexColumns, {.AutoSelect = false});
        BindFields<T>(this, nullptr, request, kFields);
        Pickers.Bind(request);
        // A VLAN whose lists are shorter than the boxes need is reported in the status line and
        // leaves every page unticked, not the previous VLAN's ports under its index.
        Pickers.GuardSelection(Table);
        Table.Read();
    });
    UpdateButtons(false);
}

void TVLanCurrentTableForm::UpdateButtons(bool) {
    Pickers.DisableAll();
}

void TVLanCurrentTableForm::ClearEditControls() {
    Table.Clear();
}

void TVLanCurrentTableForm::RefreshBtnClick(TObject*) {
    Table.Refresh();
}

void TVLanCurrentTableForm::LV_dot1qVlanCurrentEntrySelectItem(TObject*, TListItem*, bool) {
    Table.SelectionChanged();
}

void TVLanCurrentTableForm::LV_dot1qVlanCurrentEntryChange(TObject*, TListItem*, TItemChange) {
    Table.ListChanged();
}

void TVLanCurrentTableForm::ClosebtnClick(TObject*) {
    Close();
}

void TVLanCurrentTableForm::FormClose(TObject*, TCloseAction&) {
    Table.Closing();
}
