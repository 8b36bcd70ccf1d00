#include "IPMACBindingFormUnit.h"

#include "CatalogueColumns.h"
#include "FieldChecks.h"
#include "InputValidators.h"
#include "Oid_ipmacbind.h"
#include "StackingPortUitFormUnit.h"
#include "TButton.h"
#include "TCheckBox.h"
#include "TComboBox.h"
#include "TEdit.h"

#include <algorithm>

TIPMACBindingForm* IPMACBindingForm = nullptr;

namespace {

using T = TIPMACBindingForm;

constexpr auto& kTable = Columns::IPMACBindingTable;
constexpr int kAddress = ColumnOf(kTable, "IP Index");
constexpr int kMac = ColumnOf(kTable, "MAC Address");
constexpr int kPorts = ColumnOf(kTable, "Ports");
constexpr int kRowStatus = ColumnOf(kTable, "Row Status");

// The address names a new binding: typed with no row chosen, fixed while one is.
constexpr FieldEnabledWhen<T> kOnNoRow = {.Mode = RowMode::NoRow, .How = FieldEnabling::EnabledOnly};

// The address and the MAC address above the port tab (96 DPI); the row status hidden.
constexpr Field<T> kFields[] = {
    {.Column = kAddress,
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
     .Place = {224, 11, 300, 8, 120}},
    {.Column = kRowStatus,
     .Control = &T::ComboStatus,
     .Place = {440, 8, 440, 8, 100},
     .Flags = kFieldHidden,
     .Default = FieldDefault::Keep()},
};

constexpr DialogFrame<T> kFrame = {.Width = 668,
                                   .Height = 396,
                                   .Caption = "IP-MAC Binding Table",
                                   .Buttons = kIpMacBindingButtons,
                                   .Samples = "Samples",
                                   .ListHeight = 130,
                                   .RowsHeight = 38,
                                   .ClearOnNoRow = true,
                                   .ButtonPanel = &T::Panel1,
                                   .Count = &T::txt1,
                                   .SamplesLabel = &T::lbl1,
                                   .List = &T::ListView1,
                                   .Splitter = &T::Splitter1,
                                   .Tabs = &T::PageControl1,
                                   .StatusBar = &T::StatusBar1,
                                   .OnListClick = &T::ListView1Click,
                                   .OnListChange = &T::ListView1Change,
                                   .OnCreate = &T::FormCreate,
                                   .OnClose = &T::FormClose,
                                   .State = &T::UpdateButtons};

const IpMacBindingDesign kDesign = {.Table = IPMACBindingTable,
                                    .Frame = kFrame,
                                    .Fields = kFields,
                                    .Columns = kTable,
                                    .Address = kAddress,
                                    .Mac = kMac,
                                    .Ports = kPorts,
                                    .RowStatus = kRowStatus,
                                    .PortsTab = "Binding Ports",
                                    .CheckAddress = &T::CheckIPAddress,
                                    .DeleteCarriesTheRow = false,
                                    .Failures = FailureReport::Plain};

constexpr int kKeyCount = 1;

// Every action leaves no row chosen, the edits emptied and the boxes unticked, whether it went
// through or not.
constexpr WritePlan kWrite = {.Leaves = AfterWrite::NoRow, .LeavesFailed = AfterWrite::NoRow};

} // namespace

bool TIPMACBindingForm::CheckIPAddress(TControl* edit) {
    return CheckDottedQuadText(edit);
}

bool TIPMACBindingForm::CheckMacAddress(TControl* edit) {
    return CheckMacHexText(edit);
}

TIPMACBindingForm::TIPMACBindingForm(TComponent* owner) : TIPMACBindingForm(owner, kDesign) {}

TIPMACBindingForm::TIPMACBindingForm(TComponent* owner, const IpMacBindingDesign& design)
    : TForm(owner), Table(DialogGuard::Busy(nullptr)), Design(design) {
    Fields = BuildFields<T>(this, BuildFrame(this, design.Frame, Table), design.Fields, design.Columns);
    Table.Failures = design.Failures;
    Table.StatusColumn = design.RowStatus;
    Table.StatusCombo = ComboStatus;
    Table.Deleting = {.Write = kWrite};
    if (design.DeleteCarriesTheRow) {
        Table.Deleting.Destroy = WriteCarry::Only({design.Mac, design.Ports, design.RowStatus});
    }
}

void TIPMACBindingForm::FormCreate(TObject*) {
    Table.Attempt([this] {
        Pickers.Embed(this, PickerHost::Tabs(PageControl1), {{Design.Ports, Design.PortsTab}});
        DialogRequest& request =
            Table.CreateRequest(this, Design.Table, MVT_UMV, kKeyCount, {.Blocking = true});
        BindFields<T>(this, nullptr, request, Design.Fields);
        Pickers.Bind(request);
        Pickers.GuardSelection(Table);
        Table.Read();
    });
    Table.UpdateState();
}

void TIPMACBindingForm::UpdateButtons(bool rowChosen) {
    btnAdd->SetEnabled(!rowChosen);
    btnEdit->SetEnabled(rowChosen);
    btnDelete->SetEnabled(rowChosen);
}

void TIPMACBindingForm::ListView1Click(TObject*) {
    Table.SelectionChanged();
}

void TIPMACBindingForm::ListView1Change(TObject*, TListItem*, TItemChange) {
    Table.ListChanged();
}

void TIPMACBindingForm::btnGetClick(TObject*) {
    Table.Refresh();
}

bool TIPMACBindingForm::CheckInput() {
    if (!Design.CheckAddress(edtIpAddr)) {
        FocusField(edtIpAddr);
        return false;
    }
    if (!CheckMacAddress(edtMacAddr)) {
        FocusField(edtMacAddr);
        return false;
    }
    return true;
}

WriteCarry TIPMACBindingForm::PortsOmittedWhenNoneTicked() const {
    const std::vector<TCheckBox*>& boxes = Pickers.Pickers.at(0)->PortBoxes;
    const bool ticked =
        std::any_of(boxes.begin(), boxes.end(), [](const TCheckBox* box) { return box->Checked(); });
    return ticked ? WriteCarry::RowWithout({}) : WriteCarry::RowWithout({Design.Ports});
}

void TIPMACBindingForm::btnAddClick(TObject*) {
    if (!Table.MayAct() || !CheckInput()) {
        return;
    }
    const WriteCarry row = PortsOmittedWhenNoneTicked();
    Table.Write([&] { Table.CreateRow(row); }, kWrite);
}

void TIPMACBindingForm::btnEditClick(TObject*) {
    if (!Table.MayAct() || !Table.RowChosen() || !CheckInput()) {
        return;
    }
    // The row status as the row holds it: the write changes the MAC address and the ports alone.
    Table.Write(PortsOmittedWhenNoneTicked(), kWrite);
}

void TIPMACBindingForm::btnDeleteClick(TObject*) {
    Table.Delete();
}

void TIPMACBindingForm::btnCloseClick(TObject*) {
    Close();
}

void TIPMACBindingForm::FormClose(TObject*, TCloseAction&) {
    Table.Closing();
}
