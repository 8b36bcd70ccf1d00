#include "VLanPortInfomationFormUnit.h"

#include "CatalogueColumns.h"
#include "DialogLayout.h"
#include "DialogTexts.h"
#include "FieldTable.h"
#include "Oid_bridge.h"
#include "TButton.h"
#include "TComboBox.h"
#include "TEdit.h"
#include "TLabel.h"
#include "TPanel.h"
#include "TStaticText.h"
#include "TStatusBar.h"

TVLanPortInfomationForm* VLanPortInfomationForm = nullptr;

namespace {

using T = TVLanPortInfomationForm;

// The port VLAN table, indexed by the bridge port number.
constexpr auto& kTable = Columns::VLanPortInfomationTable;
constexpr int kPortNumber = ColumnOf(kTable, "Port Number");
constexpr int kPvid = ColumnOf(kTable, "Port VLAN ID");
constexpr int kFrameTypes = ColumnOf(kTable, "Acceptable Frame Types");
constexpr int kIngress = ColumnOf(kTable, "Ingress Filtering");
constexpr int kGvrp = ColumnOf(kTable, "GVRP State");
constexpr int kIndexColumns = 1;

// The four writable columns below the list (96 DPI), in two columns of two.
constexpr Field<T> kFields[] = {
    {.Column = kPvid,
     .Caption = "Port VLAN ID",
     .Constraint = "%i{}",
     .Control = &T::PortVLanID,
     .Label = &T::Label1,
     .Place = {8, 11, 100, 8, 100}},
    {.Column = kFrameTypes,
     .Caption = "Acceptable Frame Types",
     .Control = &T::AcceptableFrameTypes,
     .Label = &T::Label2,
     .Place = {216, 11, 344, 8, 140}},
    {.Column = kIngress,
     .Caption = "Ingress Filtering",
     .Control = &T::IngressFiltering,
     .Label = &T::Label3,
     .Place = {8, 39, 100, 36, 100}},
    {.Column = kGvrp,
     .Caption = "GVRP Status",
     .Control = &T::GvrpStatus,
     .Label = &T::Label4,
     .Place = {216, 39, 344, 36, 140}},
};

constexpr ButtonSpec<T> kButtons[] = {
    {&T::RefreshBtn, "Refresh", &T::RefreshBtnClick},
    {&T::SetBtn, "Set", &T::SetBtnClick},
    {&T::Closebtn, "Close", &T::ClosebtnClick},
};

constexpr int kDesignWidth = 593;
constexpr int kDesignHeight = 365;
constexpr int kListHeight = 225;

} // namespace

TVLanPortInfomationForm::TVLanPortInfomationForm(TComponent* owner)
    : TForm(owner), Table(DialogGuard::Busy(DialogText::kRefreshNotComplete), WriteStyle::FrameworkReRead) {
    DesignDialog(this, kDesignWidth, kDesignHeight);
    SetCaption("VLAN Port Information Form");

    ButtonColumn buttons(this, "Samples");
    Panel1 = buttons.Panel;
    ST_Count = buttons.Count;
    Label5 = buttons.Samples;
    AddButtons(buttons, this, kButtons);
    StatusBar1 = AddSimpleStatusBar(this);

    const ListArea area = AddListArea(this, kListHeight);
    LV_dot1qPortVlanEntry = area.List;
    Splitter1 = area.Splitter;
    Panel2 = area.Fields;
    LV_dot1qPortVlanEntry->OnChange = Bind(this, &T::LV_dot1qPortVlanEntryChange);
    BuildFields<T>(this, Panel2, kFields, kTable);

    Table.List = LV_dot1qPortVlanEntry;
    Table.CountLabel = ST_Count;
    Table.StatusBar = StatusBar1;
    Table.AfterRead = [this] { UpdateButtons(false); };

    OnCreate = Bind(this, &T::FormCreate);
    OnClose = Bind(this, &T::FormClose);
}

void TVLanPortInfomationForm::FormCreate(TObject*) {
    Table.Attempt([this] {
        DialogRequest& request = Table.CreateRequest(this, VLanPortInfomationTable, MVT_FMV, kIndexColumns);
        BindFields<T>(this, nullptr, request, kFields);
        Table.Read();
        PortVLanID->SetText("");
    });
    UpdateButtons(false);
}

void TVLanPortInfomationForm::UpdateButtons(bool rowChosen) {
    SetFieldsEnabled({PortVLanID, AcceptableFrameTypes, IngressFiltering, GvrpStatus}, rowChosen,
                     FieldEnabling::EnabledOnly);
}

void TVLanPortInfomationForm::RefreshBtnClick(TObject*) {
    if (Table.MayRefresh()) {
        Table.Read();
    }
}

void TVLanPortInfomationForm::SetBtnClick(TObject*) {
    if (!Table.MayAct()) {
        return;
    }
    // Without a chosen port the SET would address no row: nothing to write.
    TListItem* row = LV_dot1qPortVlanEntry->Selected();
    if (!row) {
        return;
    }
    const std::string port = Table.Request->CellText(row, kPortNumber);
    // The four writable columns of the port in one SET; the framework reads the table again once
    // the switch has taken it.
    if (Table.Write(WriteCarry::RowWithout({}))) {
        SelectPort(port);
    }
}

void TVLanPortInfomationForm::SelectPort(const std::string& port) {
    TListItems& items = LV_dot1qPortVlanEntry->Items();
    for (int i = 0; i < items.Count(); ++i) {
        if (Table.Request->CellText(items[i], kPortNumber) == port) {
            LV_dot1qPortVlanEntry->SetSelected(items[i]);
            return;
        }
    }
    PortVLanID->SetText("");
}

void TVLanPortInfomationForm::LV_dot1qPortVlanEntryChange(TObject*, TListItem*, TItemChange) {
    Table.UpdateCount();
}

void TVLanPortInfomationForm::ClosebtnClick(TObject*) {
    Close();
}

void TVLanPortInfomationForm::FormClose(TObject*, TCloseAction&) {
    Table.Close();
}
