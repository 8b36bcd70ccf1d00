#include "MultpAuthGuestVlanFormUnit.h"

#include "CatalogueColumns.h"
#include "DialogFrame.h"
#include "FieldChecks.h"
#include "FieldTable.h"
#include "Oid_multipleauth.h"
#include "TButton.h"
#include "TComboBox.h"
#include "TEdit.h"

TMultpAuthGuestVlanForm* MultpAuthGuestVlanForm = nullptr;

namespace {

using T = TMultpAuthGuestVlanForm;

constexpr auto& kTable = Columns::MultpAuthGuestVlanTable;
constexpr int kVlanId = ColumnOf(kTable, "VLAN ID");
constexpr int kPorts = ColumnOf(kTable, "VLAN Ports");
constexpr int kRowStatus = ColumnOf(kTable, "Row Status");
constexpr int kKeyCount = 1;
constexpr int kTimeout = 300; // 3 s a try

constexpr const char* kInputVlanId = "Please input a VLAN ID.";

const std::vector<PortListColumn> kPortColumns = {{kPorts, "Guest VLAN Ports"}};

// The VLAN ID names a new row: typed with no row chosen, fixed while one is.
constexpr Field<T> kFields[] = {
    {.Column = kVlanId,
     .Caption = "Guest VLAN ID",
     .Constraint = "%i{n1x4094l4}",
     .Control = &T::VIDEdit,
     .Label = &T::Label1,
     .Place = {8, 11, 100, 8, 100},
     .EnabledWhen = {.Mode = RowMode::NoRow, .How = FieldEnabling::EnabledOnly}},
    {.Column = kRowStatus,
     .Control = &T::cbxDel,
     .Place = {220, 8, 220, 8, 100},
     .Flags = kFieldHidden,
     .Default = FieldDefault::Keep()},
};

// Every action leaves no row chosen, the fields cleared and the boxes unticked, whether it went
// through or not.
constexpr WritePlan kWrite = {.Leaves = AfterWrite::NoRow, .LeavesFailed = AfterWrite::NoRow};

constexpr ButtonSpec<T> kButtons[] = {
    {&T::BT_Get, "Refresh", &T::BT_GetClick},   {&T::ADDButton, "Add", &T::ADDButtonClick},
    {&T::SetBtn, "Edit", &T::SetBtnClick},      {&T::DelBtn, "Delete", &T::DelBtnClick},
    {&T::BT_Close, "Close", &T::BT_CloseClick},
};

constexpr DialogFrame<T> kFrame = {.Width = 658,
                                   .Height = 370,
                                   .Caption = "Multiple Authentication Guest VLAN",
                                   .Buttons = kButtons,
                                   .Samples = "Samples",
                                   .ListHeight = 100,
                                   .RowsHeight = 38,
                                   .ClearOnNoRow = true,
                                   .ButtonPanel = &T::Panel1,
                                   .Count = &T::txt1,
                                   .SamplesLabel = &T::lbl1,
                                   .List = &T::ListView1,
                                   .Splitter = &T::Splitter1,
                                   .Tabs = &T::pgc1,
                                   .StatusBar = &T::StatusBar1,
                                   .OnListClick = &T::ListView1Click,
                                   .OnListChange = &T::ListView1Change,
                                   .OnCreate = &T::FormCreate,
                                   .OnClose = &T::FormClose,
                                   .State = &T::UpdateButtons};

} // namespace

TMultpAuthGuestVlanForm::TMultpAuthGuestVlanForm(TComponent* owner)
    : TForm(owner), Table(DialogGuard::Busy(nullptr)) {
    Fields = BuildFields<T>(this, BuildFrame(this, kFrame, Table), kFields, kTable);
    Table.StatusColumn = kRowStatus;
    Table.StatusCombo = cbxDel;
    Table.Deleting = {.Write = kWrite};
}

void TMultpAuthGuestVlanForm::FormCreate(TObject*) {
    Table.Attempt([this] {
        Pickers.Embed(this, PickerHost::Tabs(pgc1), kPortColumns);
        DialogRequest& request =
            Table.CreateRequest(this, MultpAuthGuestVlanTable, MVT_UMV, kKeyCount, {.Blocking = true});
        request.Request.Timeout = kTimeout;
        BindFields<T>(this, nullptr, request, kFields);
        Pickers.Bind(request);
        Pickers.GuardSelection(Table);
        Table.Read();
    });
    Table.UpdateState();
}

void TMultpAuthGuestVlanForm::UpdateButtons(bool rowChosen) {
    ADDButton->SetEnabled(!rowChosen);
    SetBtn->SetEnabled(rowChosen);
    DelBtn->SetEnabled(rowChosen);
}

void TMultpAuthGuestVlanForm::ListView1Click(TObject*) {
    Table.SelectionChanged();
}

void TMultpAuthGuestVlanForm::ListView1Change(TObject*, TListItem*, TItemChange) {
    Table.ListChanged();
}

void TMultpAuthGuestVlanForm::BT_GetClick(TObject*) {
    Table.Refresh();
}

void TMultpAuthGuestVlanForm::ADDButtonClick(TObject*) {
    if (!Table.MayAct()) {
        return;
    }
    if (VIDEdit->Text().empty()) {
        RefuseInput(VIDEdit, kInputVlanId);
        return;
    }
    // The row first, without its ports; then its ports alone. A failed first SET sends no second.
    Table.Write(
        [this] {
            Table.CreateRow(WriteCarry::RowWithout({kPorts}));
            Table.Send(WriteCarry::Only({kPorts}));
        },
        kWrite);
}

void TMultpAuthGuestVlanForm::SetBtnClick(TObject*) {
    if (!Table.MayAct() || !Table.RowChosen()) {
        return;
    }
    Table.Write(WriteCarry::Only({kPorts}), kWrite);
}

void TMultpAuthGuestVlanForm::DelBtnClick(TObject*) {
    Table.Delete();
}

void TMultpAuthGuestVlanForm::BT_CloseClick(TObject*) {
    Close();
}

void TMultpAuthGuestVlanForm::FormClose(TObject*, TCloseAction&) {
    Table.Closing();
}
