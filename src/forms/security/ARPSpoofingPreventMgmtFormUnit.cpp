#include "ARPSpoofingPreventMgmtFormUnit.h"

#include "CatalogueColumns.h"
#include "DialogFrame.h"
#include "FieldChecks.h"
#include "FieldTable.h"
#include "InputValidators.h"
#include "Oid_arpspoofingprevent.h"
#include "StackingPortUitFormUnit.h"
#include "TButton.h"
#include "TComboBox.h"
#include "TEdit.h"

TARPSpoofingPreventMgmtForm* ARPSpoofingPreventMgmtForm = nullptr;

namespace {

using T = TARPSpoofingPreventMgmtForm;

constexpr auto& kTable = Columns::ARPSpoofingPreventMgmtTable;
constexpr int kGatewayIp = ColumnOf(kTable, "Gateway IP");
constexpr int kMac = ColumnOf(kTable, "MAC");
constexpr int kPorts = ColumnOf(kTable, "Ports");
constexpr int kRowStatus = ColumnOf(kTable, "Row Status");
constexpr int kKeyCount = 2;

const std::vector<PortListColumn> kPortColumns = {{kPorts, "Ports"}};

// The address pair names a new entry: typed with no row chosen, fixed while one is.
constexpr FieldEnabledWhen<T> kOnNoRow = {.Mode = RowMode::NoRow, .How = FieldEnabling::EnabledOnly};

constexpr Field<T> kFields[] = {
    {.Column = kGatewayIp,
     .Caption = "IP Address",
     .Constraint = "%s{l16}",
     .Control = &T::edtIpAddr,
     .Label = &T::Label1,
     .Place = {8, 11, 80, 8, 120},
     .EnabledWhen = kOnNoRow},
    {.Column = kMac,
     .Caption = "MAC Address",
     .Constraint = "%s{l12}",
     .Control = &T::edtMacAddr,
     .Label = &T::Label2,
     .Place = {224, 11, 300, 8, 120},
     .EnabledWhen = kOnNoRow},
    {.Column = kRowStatus,
     .Control = &T::ComboStatus,
     .Place = {440, 8, 440, 8, 100},
     .Flags = kFieldHidden,
     .Default = FieldDefault::Keep()},
};

// Set and Add leave no row chosen and the fields cleared, whether the write went through or not.
constexpr WritePlan kWrite = {.Leaves = AfterWrite::NoRow, .LeavesFailed = AfterWrite::NoRow};

// The design's hidden "Stop" button, whose handler does nothing, is not built.
constexpr ButtonSpec<T> kButtons[] = {
    {&T::btnGet, "Refresh", &T::btnGetClick},   {&T::btnEdit, "Set", &T::btnEditClick},
    {&T::btnAdd, "Add", &T::btnAddClick},       {&T::btnDelete, "Delete", &T::btnDeleteClick},
    {&T::btnClose, "Close", &T::btnCloseClick},
};

constexpr DialogFrame<T> kFrame = {.Width = 683,
                                   .Height = 468,
                                   .Caption = "ARPSpoofingPreventMgmtTable",
                                   .Buttons = kButtons,
                                   .Samples = "Samples",
                                   .ListHeight = 159,
                                   .RowsHeight = 38,
                                   .ClearOnNoRow = true,
                                   .ButtonPanel = &T::Panel1,
                                   .Count = &T::StaticText1,
                                   .SamplesLabel = &T::Label3,
                                   .List = &T::ListView1,
                                   .Splitter = &T::Splitter1,
                                   .Tabs = &T::PageControl1,
                                   .StatusBar = &T::StatusBar1,
                                   .OnListClick = &T::ListView1Click,
                                   .OnListChange = &T::ListView1Change,
                                   .OnCreate = &T::FormCreate,
                                   .OnClose = &T::FormClose,
                                   .State = &T::UpdateButtons};

} // namespace

TARPSpoofingPreventMgmtForm::TARPSpoofingPreventMgmtForm(TComponent* owner)
    : TForm(owner), Table(DialogGuard::Busy(nullptr)) {
    Fields = BuildFields<T>(this, BuildFrame(this, kFrame, Table), kFields, kTable);
    Table.Failures = FailureReport::Template;
    Table.StatusColumn = kRowStatus;
    Table.StatusCombo = ComboStatus;
    Table.Deleting = {.Style = DeleteStyle::Confirmed, .Write = kWrite};
}

void TARPSpoofingPreventMgmtForm::FormCreate(TObject*) {
    Table.Attempt([this] {
        Pickers.Embed(this, PickerHost::Tabs(PageControl1), kPortColumns);
        DialogRequest& request =
            Table.CreateRequest(this, ARPSpoofingPreventMgmtTable, MVT_UMV, kKeyCount, {.Blocking = true});
        BindFields<T>(this, nullptr, request, kFields);
        Pickers.Bind(request);
        Pickers.GuardSelection(Table);
        Table.Read();
    });
    Table.UpdateState();
}

void TARPSpoofingPreventMgmtForm::ClearEditControls() {
    Table.Clear();
}

void TARPSpoofingPreventMgmtForm::UpdateButtons(bool rowChosen) {
    btnEdit->SetEnabled(rowChosen);
    btnDelete->SetEnabled(rowChosen);
    btnAdd->SetEnabled(!rowChosen);
}

void TARPSpoofingPreventMgmtForm::ListView1Click(TObject*) {
    Table.SelectionChanged();
}

void TARPSpoofingPreventMgmtForm::ListView1Change(TObject*, TListItem*, TItemChange) {
    Table.ListChanged();
}

void TARPSpoofingPreventMgmtForm::btnGetClick(TObject*) {
    Table.Refresh();
}

bool TARPSpoofingPreventMgmtForm::CheckInput() {
    if (!CheckIPv4Text(edtIpAddr)) {
        FocusField(edtIpAddr);
        return false;
    }
    // A MAC address that is none is refused by the focus alone, as the design does.
    if (!IsMacText(edtMacAddr)) {
        FocusField(edtMacAddr);
        return false;
    }
    return true;
}

void TARPSpoofingPreventMgmtForm::btnEditClick(TObject*) {
    if (!Table.MayAct() || !Table.RowChosen() || !CheckInput()) {
        return;
    }
    // The ports, with the row status as the row holds it.
    Table.Write(WriteCarry::RowWithout({}), kWrite);
}

void TARPSpoofingPreventMgmtForm::btnAddClick(TObject*) {
    if (!Table.MayAct() || !CheckInput()) {
        return;
    }
    // The ports only when a box of a unit that is there is ticked; otherwise the switch's own.
    const bool ports =
        AnyPresentPortChecked(Pickers.Pickers.at(0), CurrentStackUnits(), UnitPresence::ByExistState);
    const WriteCarry row = ports ? WriteCarry::RowWithout({}) : WriteCarry::RowWithout({kPorts});
    Table.Write([&] { Table.CreateRow(row); }, kWrite);
}

void TARPSpoofingPreventMgmtForm::btnDeleteClick(TObject*) {
    Table.Delete();
}

void TARPSpoofingPreventMgmtForm::btnCloseClick(TObject*) {
    Close();
}

void TARPSpoofingPreventMgmtForm::FormClose(TObject*, TCloseAction&) {
    Table.Closing();
}
