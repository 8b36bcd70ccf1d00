#include "RSPANFFormUnit.h"

#include "CatalogueColumns.h"
#include "DialogFrame.h"
#include "DialogTexts.h"
#include "FieldChecks.h"
#include "FieldTable.h"
#include "Oid_model.h"
#include "PortLists.h"
#include "StackingPortUitFormUnit.h"
#include "StrictNumbers.h"
#include "TButton.h"
#include "TEdit.h"

#include <stdexcept>

TRSPANForm* RSPANForm = nullptr;

namespace {

using T = TRSPANForm;

// The RSPAN table, indexed by VLAN.
constexpr auto& kTable = Columns::RSPANTable;
constexpr int kVlanId = ColumnOf(kTable, "VLAN ID");
constexpr int kIngress = ColumnOf(kTable, "Source Ingress");
constexpr int kEgress = ColumnOf(kTable, "Source Egress");
constexpr int kRedirect = ColumnOf(kTable, "Redirect");
constexpr int kRowStatus = ColumnOf(kTable, "Row Status");
constexpr int kMirrorGroup = ColumnOf(kTable, "Mirror Group ID");
constexpr int kIndexColumns = 1;

constexpr const char* kVlanIdNeeded = "VLAN ID need to input.";
constexpr const char* kGroupOutOfRange = "Please input a number between 1-4.";
constexpr const char* kNoGroup = "0"; // a VLAN without a mirror group
constexpr int kFirstGroup = 1;
constexpr int kLastGroup = 4;

// The mirror group is editable for a chosen VLAN, unless another VLAN has a group and this one has
// none.
bool MirrorGroupEditable(const T& form, bool rowChosen) {
    return rowChosen && (!form.MirrorGroupListed() || form.ChosenHasMirrorGroup());
}

// The field row above the port tabs (96 DPI).
constexpr Field<T> kFields[] = {
    {.Column = kVlanId,
     .Caption = "VLAN ID",
     .Constraint = "%i{n1x4094l4}",
     .Control = &T::ED_VLANID,
     .Label = &T::Label1,
     .Place = {8, 12, 60, 8, 50},
     // An existing VLAN keeps its ID.
     .EnabledWhen = {.Mode = RowMode::NoRow, .How = FieldEnabling::KeepText}},
    {.Column = kMirrorGroup,
     .Caption = "Mirror Group ID",
     .Constraint = "%i",
     .Control = &T::MirrorIDEdit,
     .Label = &T::Label2,
     .Place = {130, 12, 220, 8, 50},
     .EnabledWhen = {.If = MirrorGroupEditable, .How = FieldEnabling::KeepText}},
    {.Column = kRowStatus,
     .Caption = "Status",
     .Control = &T::CBoxStatus,
     .Label = &T::Label4,
     .Place = {300, 12, 340, 8, 90},
     .Flags = kFieldHidden,
     .Default = FieldDefault::Option("createAndGo")},
};
const std::vector<PortListColumn> kPortColumns = {
    {kIngress, "Ingress Ports"},
    {kEgress, "Egress Ports"},
    {kRedirect, "Redirect Port"},
};

constexpr ButtonSpec<T> kButtons[] = {
    {&T::RefreshBtn, "Refresh", &T::RefreshBtnClick},
    {&T::btnSet, "Set", &T::btnSetClick},
    {&T::btnAdd, "Add", &T::btnAddClick},
    {&T::btnDelete, "Delete", &T::btnDeleteClick},
    {&T::btnClose, "Close", &T::btnCloseClick},
};

constexpr DialogFrame<T> kFrame = {.Width = 646,
                                   .Height = 483,
                                   .Caption = "RSPAN Form",
                                   .Buttons = kButtons,
                                   .Samples = "Samples",
                                   .ListHeight = 150,
                                   .RowsHeight = 38,
                                   .ClearOnNoRow = true,
                                   .ButtonPanel = &T::Panel1,
                                   .Count = &T::StaticText1,
                                   .SamplesLabel = &T::Label5,
                                   .List = &T::ListView1,
                                   .Splitter = &T::Splitter1,
                                   .FieldPanel = &T::Panel2,
                                   .Tabs = &T::PageControl1,
                                   .StatusBar = &T::StatusBar1,
                                   .OnListClick = &T::ListView1Click,
                                   .OnListChange = &T::ListView1Change,
                                   .OnCreate = &T::FormCreate,
                                   .OnCloseQuery = &T::FormCloseQuery,
                                   .OnClose = &T::FormClose,
                                   .State = &T::UpdateButtons};

// Set, Add and Delete leave no VLAN chosen, whatever happened.
constexpr WritePlan kLeavesNoRow = {.Leaves = AfterWrite::NoRow, .LeavesFailed = AfterWrite::NoRow};

// A listed port list without any port. The cell's bitmap is read whatever its length: an
// 8-octet list of a stand-alone switch is as empty as a 48-octet one.
bool ListsNoPort(const std::string& cell) {
    return PortBitmapToList(BracketedHex(cell)) == "0";
}

void SetPickerEnabled(TStackingPortUitForm* picker, bool enabled) {
    if (enabled) {
        picker->EnableAllPorts();
    } else {
        picker->DisableAllPorts();
    }
}

} // namespace

TRSPANForm::TRSPANForm(TComponent* owner)
    : TForm(owner), Table(DialogGuard::Flag(DialogText::kGetDataNotComplete)) {
    TPanel* rows = BuildFrame(this, kFrame, Table);
    Fields = BuildFields<T>(this, rows, kFields, kTable);
    Table.StatusColumn = kRowStatus;
    Table.Deleting = {.Write = kLeavesNoRow};
}

void TRSPANForm::FormCreate(TObject*) {
    Table.Attempt([this] {
        Pickers.Embed(this, PickerHost::Tabs(PageControl1), kPortColumns);
        DialogRequest& request = Table.CreateRequest(this, RSPANTable, MVT_UMV, kIndexColumns);
        BindFields<T>(this, nullptr, request, kFields);
        Table.StatusCombo = CBoxStatus;
        Pickers.Bind(request);
        Pickers.GuardSelection(Table);
        Table.Read();
    });
    Table.Clear();
    UpdateButtons(false);
}

TStackingPortUitForm* TRSPANForm::PickerOf(int column) const {
    for (size_t k = 0; k < Pickers.Columns.size() && k < Pickers.Pickers.size(); ++k) {
        if (Pickers.Columns[k].Column == column) {
            return Pickers.Pickers[k];
        }
    }
    throw std::logic_error("RSPAN: no picker of column " + std::to_string(column));
}

bool TRSPANForm::MirrorGroupListed() const {
    if (!Table.List || !Table.Request) {
        return false;
    }
    TListItems& rows = Table.List->Items();
    for (int i = 0; i < rows.Count(); ++i) {
        if (Table.Request->CellText(rows[i], kMirrorGroup) != kNoGroup) {
            return true;
        }
    }
    return false;
}

bool TRSPANForm::ChosenHasMirrorGroup() const {
    return Table.RowChosen() && Table.Request->CellText(Table.List->Selected(), kMirrorGroup) != kNoGroup;
}

void TRSPANForm::ClearEditControls() {
    Table.Clear();
}

void TRSPANForm::UpdateButtons(bool rowChosen) {
    btnSet->SetEnabled(rowChosen);
    btnDelete->SetEnabled(rowChosen);
    btnAdd->SetEnabled(!rowChosen);
    if (Pickers.Pickers.size() != kPortColumns.size()) {
        return; // the pickers could not be made
    }
    // The request's selection hook has enabled every bound box: the state decides after it.
    const bool sources = rowChosen && ChosenHasMirrorGroup();
    SetPickerEnabled(PickerOf(kIngress), sources);
    SetPickerEnabled(PickerOf(kEgress), sources);
    SetPickerEnabled(PickerOf(kRedirect), rowChosen);
}

void TRSPANForm::RefreshBtnClick(TObject*) {
    Table.Refresh();
}

void TRSPANForm::btnSetClick(TObject*) {
    if (!Table.RowChosen() || !Table.MayAct()) {
        return;
    }
    std::vector<int> skipped = {kRowStatus};
    const std::string group = MirrorIDEdit->Text();
    if (group == kNoGroup || group.empty()) {
        skipped.push_back(kMirrorGroup);
    } else if (const std::optional<int> number = StrictStrToInt(group);
               !number || *number < kFirstGroup || *number > kLastGroup) {
        RefuseInput(MirrorIDEdit, kGroupOutOfRange);
        return;
    }
    // Redirect ports are in play when one is ticked or any VLAN lists one.
    TListItem* chosen = ListView1->Selected();
    bool redirect = PickerOf(kRedirect)->CountCheckedPorts() > 0;
    for (int i = 0; !redirect && i < ListView1->Items().Count(); ++i) {
        redirect = !ListsNoPort(Table.Request->CellText(ListView1->Items()[i], kRedirect));
    }
    // A VLAN that has no source ports and is given none keeps its source lists unwritten then.
    if (redirect && ListsNoPort(Table.Request->CellText(chosen, kIngress)) &&
        ListsNoPort(Table.Request->CellText(chosen, kEgress)) &&
        PickerOf(kIngress)->CountCheckedPorts() == 0 && PickerOf(kEgress)->CountCheckedPorts() == 0) {
        skipped.push_back(kIngress);
        skipped.push_back(kEgress);
    }
    if (!redirect) {
        skipped.push_back(kRedirect);
    }
    Table.Write(WriteCarry::RowWithout(skipped), kLeavesNoRow);
}

void TRSPANForm::btnAddClick(TObject*) {
    if (!Table.MayAct()) {
        return;
    }
    if (ED_VLANID->Text().empty()) {
        RefuseInput(ED_VLANID, kVlanIdNeeded);
        return;
    }
    // The VLAN and its row status alone.
    Table.Write([this] { Table.CreateRow(WriteCarry::Only({kRowStatus})); }, kLeavesNoRow);
}

void TRSPANForm::btnDeleteClick(TObject*) {
    Table.Delete();
}

void TRSPANForm::btnCloseClick(TObject*) {
    Close();
}

void TRSPANForm::ListView1Click(TObject*) {
    Table.SelectionChanged();
}

void TRSPANForm::ListView1Change(TObject*, TListItem*, TItemChange) {
    Table.ListChanged();
}

void TRSPANForm::FormCloseQuery(TObject*, bool& canClose) {
    canClose = Table.MayClose();
}

void TRSPANForm::FormClose(TObject*, TCloseAction&) {
    Table.Closing();
}
