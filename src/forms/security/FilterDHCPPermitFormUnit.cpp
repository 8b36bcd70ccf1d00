#include "FilterDHCPPermitFormUnit.h"

#include "CatalogueColumns.h"
#include "FieldChecks.h"
#include "InputValidators.h"
#include "Oid_dhcpserver.h"
#include "TButton.h"
#include "TComboBox.h"
#include "TEdit.h"
#include "UserDialogs.h"

namespace {

using T = TFilterDHCPPermitForm;

constexpr auto& kTable = Columns::FilterDHCPPermitTable;
constexpr int kServerIp = ColumnOf(kTable, "Server IP");
constexpr int kClientMac = ColumnOf(kTable, "Client MAC");
constexpr int kPorts = ColumnOf(kTable, "Ports");
constexpr int kRowStatus = ColumnOf(kTable, "Row Status");

constexpr const char* kNoPortToAdd = "Please select at least one port to add.";
constexpr const char* kNoPortToEdit = "Please select at least one port to edit.";

// The keys name a new row: typed with no row chosen, fixed while one is.
constexpr FieldEnabledWhen<T> kOnNoRow = {.Mode = RowMode::NoRow, .How = FieldEnabling::EnabledOnly};

constexpr Field<T> kFields[] = {
    {.Column = kServerIp,
     .Caption = "IP Address",
     .Constraint = "%s{l16}",
     .Control = &T::edtIpAddr,
     .Label = &T::Label1,
     .Place = {8, 11, 80, 8, 120},
     .EnabledWhen = kOnNoRow},
    {.Column = kClientMac,
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

constexpr DialogFrame<T> kFrame = PermitFrame(676, 430, "DHCP Offer Permit Table");

// The IP-MAC-port binding dialogs' address check: a dotted IPv4 address, the whole text.
bool CheckIPAddress(TControl* edit) {
    return CheckDottedQuadText(edit);
}

const PermitDesign kDesign = {.Table = FilterDHCPPermitTable,
                              .Frame = kFrame,
                              .Fields = kFields,
                              .Columns = kTable,
                              .KeyCount = 2,
                              .Ports = kPorts,
                              .RowStatus = kRowStatus,
                              .CheckAddress = CheckIPAddress,
                              .HasMac = true,
                              .Presence = UnitPresence::ByExistState,
                              .HasEdit = true,
                              .RefreshHoldsAdd = true};

// A write is followed by Refresh; a failed one leaves no row and the keys open and empty.
constexpr WritePlan kWrite = {.After = ReRead::None, .LeavesFailed = AfterWrite::NoRow};

} // namespace

TFilterDHCPPermitForm::TFilterDHCPPermitForm(TComponent* owner) : TFilterDHCPPermitForm(owner, kDesign) {}

TFilterDHCPPermitForm::TFilterDHCPPermitForm(TComponent* owner, const PermitDesign& design)
    : TForm(owner), Table(DialogGuard::Busy(nullptr)), Design(design) {
    Fields = BuildFields<T>(this, BuildFrame(this, design.Frame, Table), design.Fields, design.Columns);
    if (!design.HasEdit) {
        HideButtonAndCloseUp(btnEdit, {btnAdd, btnDelete, btnClose});
    }
    Table.Failures = FailureReport::Template;
    Table.StatusColumn = design.RowStatus;
    Table.StatusCombo = ComboStatus;
    Table.Deleting = {.Write = kWrite};
}

void TFilterDHCPPermitForm::FormCreate(TObject*) {
    Table.Attempt([this] {
        Pickers.Embed(this, PickerHost::Tabs(PageControl1), {{Design.Ports, "Ports"}});
        DialogRequest& request =
            Table.CreateRequest(this, Design.Table, MVT_UMV, Design.KeyCount, {.Blocking = true});
        BindFields<T>(this, nullptr, request, Design.Fields);
        Pickers.Bind(request);
        Pickers.GuardSelection(Table);
        Table.Read();
    });
    Table.UpdateState();
}

void TFilterDHCPPermitForm::UpdateButtons(bool rowChosen) {
    btnAdd->SetEnabled(!rowChosen && !AddHeld);
    btnEdit->SetEnabled(rowChosen);
    btnDelete->SetEnabled(rowChosen);
}

bool TFilterDHCPPermitForm::AnyPortChecked() const {
    return AnyPresentPortChecked(Pickers.Pickers.at(0), CurrentStackUnits(), Design.Presence);
}

void TFilterDHCPPermitForm::ListView1Click(TObject*) {
    AddHeld = false;
    Table.SelectionChanged();
}

void TFilterDHCPPermitForm::ListView1Change(TObject*, TListItem*, TItemChange) {
    Table.ListChanged();
}

void TFilterDHCPPermitForm::btnGetClick(TObject*) {
    if (!Table.MayRefresh()) {
        return;
    }
    AddHeld = Design.RefreshHoldsAdd;
    Table.Refresh();
}

bool TFilterDHCPPermitForm::CheckInput(const char* noPort) {
    if (!Design.CheckAddress(edtIpAddr)) {
        FocusField(edtIpAddr);
        return false;
    }
    if (Design.HasMac && !CheckMacHexText(edtMacAddr)) {
        FocusField(edtMacAddr);
        return false;
    }
    if (!AnyPortChecked()) {
        ShowMessage(noPort);
        return false;
    }
    return true;
}

void TFilterDHCPPermitForm::btnAddClick(TObject*) {
    if (!Table.MayAct() || !CheckInput(kNoPortToAdd)) {
        return;
    }
    // The ports and createAndGo at the typed keys.
    if (Table.Write([this] { Table.CreateRow(WriteCarry::RowWithout({})); }, kWrite)) {
        btnGetClick(nullptr);
    }
}

void TFilterDHCPPermitForm::btnEditClick(TObject*) {
    if (!Table.MayAct() || !Table.RowChosen() || !CheckInput(kNoPortToEdit)) {
        return;
    }
    // The ports with the row status as the row holds it.
    if (Table.Write(WriteCarry::RowWithout({}), kWrite)) {
        btnGetClick(nullptr);
    }
}

void TFilterDHCPPermitForm::btnDeleteClick(TObject*) {
    if (Table.Delete()) {
        btnGetClick(nullptr);
    }
}

void TFilterDHCPPermitForm::btnCloseClick(TObject*) {
    Close();
}

void TFilterDHCPPermitForm::FormClose(TObject*, TCloseAction&) {
    Table.Closing();
}
