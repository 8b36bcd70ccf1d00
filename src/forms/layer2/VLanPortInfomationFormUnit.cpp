#include "VLanPortInfomationFormUnit.h"

#include "CatalogueColumns.h"
#include "DialogFrame.h"
#include "DialogTexts.h"
#include "FieldTable.h"
#include "Oid_bridge.h"
#include "TButton.h"
#include "TComboBox.h"
#include "TEdit.h"

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

// The four fields take input only while a port is chosen (a read leaves none chosen).
constexpr FieldEnabledWhen<T> kOnAChosenPort = {.Mode = RowMode::Row, .How = FieldEnabling::EnabledOnly};

// The four writable columns below the list (96 DPI), in two columns of two.
constexpr Field<T> kFields[] = {
    {.Column = kPvid,
     .Caption = "Port VLAN ID",
     .Constraint = "%i{}",
     .Control = &T::PortVLanID,
     .Label = &T::Label1,
     .Place = {8, 11, 100, 8, 100},
     .EnabledWhen = kOnAChosenPort},
    {.Column = kFrameTypes,
     .Caption = "Acceptable Frame Types",
     .Control = &T::AcceptableFrameTypes,
     .Label = &T::Label2,
     .Place = {216, 11, 344, 8, 140},
     .EnabledWhen = kOnAChosenPort},
    {.Column = kIngress,
     .Caption = "Ingress Filtering",
     .Control = &T::IngressFiltering,
     .Label = &T::Label3,
     .Place = {8, 39, 100, 36, 100},
     .EnabledWhen = kOnAChosenPort},
    {.Column = kGvrp,
     .Caption = "GVRP Status",
     .Control = &T::GvrpStatus,
     .Label = &T::Label4,
     .Place = {216, 39, 344, 36, 140},
     .EnabledWhen = kOnAChosenPort},
};

constexpr ButtonSpec<T> kButtons[] = {
    {&T::RefreshBtn, "Refresh", &T::RefreshBtnClick},
    {&T::SetBtn, "Set", &T::SetBtnClick},
    {&T::Closebtn, "Close", &T::ClosebtnClick},
};

constexpr DialogFrame<T> kFrame = {.Width = 593,
                                   .Height = 365,
                                   .Caption = "VLAN Port Information Form",
                                   .Buttons = kButtons,
                                   .Samples = "Samples",
                                   .ListHeight = 225,
                                   .Status = FrameStatus::SimpleBar,
                                   .ButtonPanel = &T::Panel1,
                                   .Count = &T::ST_Count,
                                   .SamplesLabel = &T::Label5,
                                   .List = &T::LV_dot1qPortVlanEntry,
                                   .Splitter = &T::Splitter1,
                                   .FieldPanel = &T::Panel2,
                                   .StatusBar = &T::StatusBar1,
                                   .OnListChange = &T::LV_dot1qPortVlanEntryChange,
                                   .OnCreate = &T::FormCreate,
                                   .OnClose = &T::FormClose};

} // namespace

TVLanPortInfomationForm::TVLanPortInfomationForm(TComponent* owner)
    : TForm(owner), Table(DialogGuard::Busy(DialogText::kRefreshNotComplete), WriteStyle::FrameworkReRead) {
    Fields = BuildFields<T>(this, BuildFrame(this, kFrame, Table), kFields, kTable);
    Table.Refreshing = {.Leaves = RefreshLeaves::Unchanged};
}

void TVLanPortInfomationForm::FormCreate(TObject*) {
    Table.Attempt([this] {
        DialogRequest& request = Table.CreateRequest(this, VLanPortInfomationTable, MVT_FMV, kIndexColumns);
        BindFields<T>(this, nullptr, request, kFields);
        Table.Read();
        PortVLanID->SetText("");
    });
    Table.UpdateState();
}

void TVLanPortInfomationForm::RefreshBtnClick(TObject*) {
    Table.Refresh();
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
    // the switch has taken it, and the port is chosen again.
    if (Table.Write(WriteCarry::RowWithout({}))) {
        if (TListItem* again = Table.FindRow({{kPortNumber, port}})) {
            LV_dot1qPortVlanEntry->SetSelected(again);
        } else {
            PortVLanID->SetText("");
        }
    }
}

void TVLanPortInfomationForm::LV_dot1qPortVlanEntryChange(TObject*, TListItem*, TItemChange) {
    Table.ListChanged();
}

void TVLanPortInfomationForm::ClosebtnClick(TObject*) {
    Close();
}

void TVLanPortInfomationForm::FormClose(TObject*, TCloseAction&) {
    Table.Closing();
}
