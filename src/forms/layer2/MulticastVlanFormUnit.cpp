#include "MulticastVlanFormUnit.h"

#include "CatalogueColumns.h"
#include "DialogFrame.h"
#include "DialogTexts.h"
#include "FieldChecks.h"
#include "FieldTable.h"
#include "InputValidators.h"
#include "StackingPortUitFormUnit.h"
#include "TButton.h"
#include "TCheckBox.h"
#include "TComboBox.h"
#include "TEdit.h"
#include "UserDialogs.h"

#include <algorithm>
#include <string>

namespace {

using T = TMulticastVlanForm;

// The two tables share their layout: the columns are named in the IGMP table and proven to stand at
// the same places in the MLD one.
constexpr auto& kIgmp = Columns::IGMPMulticastVlanTable;
constexpr auto& kMld = Columns::mldMulticastVlanTable;
constexpr int kVlanId = ColumnOf(kIgmp, "VLAN ID");
constexpr int kVlanName = ColumnOf(kIgmp, "VLAN Name");
constexpr int kSourcePorts = ColumnOf(kIgmp, "Source Ports");
constexpr int kMemberPorts = ColumnOf(kIgmp, "Member Ports");
constexpr int kTagMemberPorts = ColumnOf(kIgmp, "Tag Member Ports");
constexpr int kUntagSourcePorts = ColumnOf(kIgmp, "Untag Source Ports");
constexpr int kState = ColumnOf(kIgmp, "State");
constexpr int kType = ColumnOf(kIgmp, "Replace Source Address Type");
constexpr int kAddress = ColumnOf(kIgmp, "Replace Source Address");
constexpr int kRemapPriority = ColumnOf(kIgmp, "Remap Priority");
constexpr int kReplacePriority = ColumnOf(kIgmp, "Replace Priority");
constexpr int kProfileIdList = ColumnOf(kIgmp, "Profile ID List");
constexpr int kRowStatus = ColumnOf(kIgmp, "Row Status");
constexpr int kCustomerVid = ColumnOf(kIgmp, "CVID (0-4094)");
static_assert(ColumnOf(kMld, "VLAN ID") == kVlanId && ColumnOf(kMld, "VLAN Name") == kVlanName &&
              ColumnOf(kMld, "Source Port") == kSourcePorts &&
              ColumnOf(kMld, "Member Port") == kMemberPorts &&
              ColumnOf(kMld, "Tag Member Port") == kTagMemberPorts &&
              ColumnOf(kMld, "Untag Source Port") == kUntagSourcePorts && ColumnOf(kMld, "State") == kState &&
              ColumnOf(kMld, "Replace Source Address Type") == kType &&
              ColumnOf(kMld, "Replace Source Address") == kAddress &&
              ColumnOf(kMld, "Remap Priority") == kRemapPriority &&
              ColumnOf(kMld, "Replace Priority") == kReplacePriority &&
              ColumnOf(kMld, "Profile ID List") == kProfileIdList &&
              ColumnOf(kMld, "Row Status") == kRowStatus && ColumnOf(kMld, "CVID (0-4094)") == kCustomerVid);
constexpr int kIndexColumns = 1;

constexpr const char* kPortConflict =
    "The Source Ports and Untag Source Ports can't be Choose at the same time";
constexpr const char* kUnknownType = "unknown";
constexpr const char* kEnabled = "enabled";
constexpr const char* kDisabled = "disabled";

// Two columns of fields above the port tabs (96 DPI).
constexpr int kRowStep = 26;
constexpr FieldPlace At(int column, int row) {
    const int top = 8 + row * kRowStep;
    return column == 0 ? FieldPlace{8, top + 3, 165, top, 150} : FieldPlace{345, top + 3, 450, top, 150};
}

// The state, type and profile list are a chosen row's; the address follows the type, any but unknown.
constexpr FieldEnabledWhen<T> kRowValue = {.Mode = RowMode::Row, .How = FieldEnabling::KeepValue};

constexpr Field<T> kFields[] = {
    // An existing multicast VLAN keeps its ID: the row's instance.
    {.Column = kVlanId,
     .Caption = "VLAN ID (2-4094)",
     .Constraint = "%i{n2x4094l4}",
     .Control = &T::VlanIDEdit,
     .Label = &T::Label1,
     .Place = At(0, 0),
     .EnabledWhen = {.Mode = RowMode::NoRow, .How = FieldEnabling::KeepText}},
    {.Column = kVlanName,
     .Caption = "VLAN Name",
     .Constraint = "%s{l32}",
     .Control = &T::VlanNameEdit,
     .Label = &T::Label2,
     .Place = At(0, 1),
     .Omit = OmitWhen::Empty},
    {.Column = kState,
     .Caption = "VLAN State",
     .Control = &T::CBoxState,
     .Label = &T::Label3,
     .Place = At(0, 2),
     .Flags = kFieldDisabled,
     .Default = FieldDefault::Option(kEnabled),
     .EnabledWhen = kRowValue},
    {.Column = kType,
     .Caption = "Replace Source Address Type",
     .Control = &T::CBoxType,
     .Label = &T::Label4,
     .Place = At(0, 3),
     .Flags = kFieldDisabled,
     .EnabledWhen = kRowValue},
    {.Column = kAddress,
     .Caption = "Replace Source IP",
     .Constraint = "%s",
     .Control = &T::RepalceIPEdit,
     .Label = &T::Label5,
     .Place = At(0, 4),
     .Omit = OmitWhen::Empty,
     .EnabledWhen =
         {.Combo = &T::CBoxType, .Option = kUnknownType, .Not = true, .How = FieldEnabling::KeepValue}},
    {.Column = kRemapPriority,
     .Caption = "Remap Priority",
     .Constraint = "%i{n-1x7}",
     .Control = &T::RemapPriorityEdit,
     .Label = &T::Label6,
     .Place = At(1, 0),
     .Omit = OmitWhen::Empty},
    // A reset leaves the priority as it is; Add writes "disabled" when none is chosen.
    {.Column = kReplacePriority,
     .Caption = "Replace Priority",
     .Control = &T::CBoxRaplacePriority,
     .Label = &T::Label7,
     .Place = At(1, 1),
     .Default = FieldDefault::Keep()},
    {.Column = kProfileIdList,
     .Caption = "Profile ID List",
     .Constraint = "%s",
     .Control = &T::ProfileIDListEdit,
     .Label = &T::Label8,
     .Place = At(1, 2),
     .Flags = kFieldDisabled,
     .EnabledWhen = kRowValue},
    {.Column = kCustomerVid,
     .Caption = "CVID (0-4094)",
     .Constraint = "%i{n0x4094l4}",
     .Control = &T::CustomerVIDEdit,
     .Label = &T::Label9,
     .Place = At(1, 3),
     .Omit = OmitWhen::Empty},
    {.Column = kRowStatus,
     .Caption = "Row Status",
     .Control = &T::CBoxStatus,
     .Label = &T::Label11,
     .Place = At(1, 4),
     .Flags = kFieldHidden},
};

constexpr ButtonSpec<T> kButtons[] = {
    {&T::btnGet, "Refresh", &T::btnGetClick},   {&T::btnSet, "Set", &T::btnSetClick},
    {&T::btnAdd, "Add", &T::btnAddClick},       {&T::btnDelete, "Delete", &T::btnDeleteClick},
    {&T::btnClose, "Close", &T::btnCloseClick},
};

// The twins' common frame; each gives its size and list height.
constexpr DialogFrame<T> kFrame = {.Buttons = kButtons,
                                   .Samples = "Samples",
                                   .RowsHeight = 8 + 5 * kRowStep,
                                   .ClearOnNoRow = true,
                                   .ButtonPanel = &T::Panel1,
                                   .Count = &T::StaticText1,
                                   .SamplesLabel = &T::Label10,
                                   .List = &T::LV_IGMPMulticastVlanEntry,
                                   .Splitter = &T::Splitter1,
                                   .FieldPanel = &T::Panel2,
                                   .Tabs = &T::PageControl1,
                                   .StatusBar = &T::StatusBar1,
                                   .OnListClick = &T::LV_IGMPMulticastVlanEntryClick,
                                   .OnListChange = &T::LV_IGMPMulticastVlanEntryChanging,
                                   .OnCreate = &T::FormCreate,
                                   .OnCloseQuery = &T::FormCloseQuery,
                                   .OnClose = &T::FormClose,
                                   .State = &T::UpdateButtons};

// The number of ticked boxes a picker writes (the boxes of the port index list).
int TickedBoxes(const TStackingPortUitForm* picker, int written) {
    const auto end =
        picker->PortBoxes.begin() + std::min<int>(written, static_cast<int>(picker->PortBoxes.size()));
    return static_cast<int>(
        std::count_if(picker->PortBoxes.begin(), end, [](const TCheckBox* box) { return box->Checked(); }));
}

// A dotted quad as the switch must read it: each group's decimal value without leading zeros (the
// value core reads an address text as inet_addr does, to which 010 is octal 8). The text has passed
// the dotted-quad check.
std::string DecimalDottedQuad(const std::string& text) {
    std::string decimal;
    size_t start = 0;
    while (start <= text.size()) {
        const size_t dot = std::min(text.find('.', start), text.size());
        const size_t digits = text.find_first_not_of('0', start);
        const size_t first = digits < dot ? digits : dot - 1; // "0" stays "0"
        decimal += text.substr(first, dot - first);
        if (dot < text.size()) {
            decimal += '.';
        }
        start = dot + 1;
    }
    return decimal;
}

} // namespace

TMulticastVlanForm::TMulticastVlanForm(TComponent* owner, const MulticastVlanDesign& design)
    : TForm(owner), Table(DialogGuard::Flag(DialogText::kGetDataNotComplete)), Design(design) {
    DialogFrame<T> frame = kFrame;
    frame.Width = design.Width;
    frame.Height = design.Height;
    frame.ListHeight = design.ListHeight;
    TPanel* rows = BuildFrame(this, frame, Table);
    Fields = BuildFields<T>(this, rows, kFields, design.Columns);
    Table.StatusColumn = kRowStatus;
    Table.AfterClear = [this] { SelectOption(CBoxType, Design.Type); };
    Table.Deleting.Write.LeavesFailed = AfterWrite::NoRow;
}

void TMulticastVlanForm::FormCreate(TObject*) {
    Table.Attempt([this] {
        Pickers.Embed(this, PickerHost::Tabs(PageControl1), Design.PortColumns);
        DialogRequest& request = Table.CreateRequest(this, Design.Table, MVT_UMV, kIndexColumns);
        BindFields<T>(this, nullptr, request, kFields);
        Table.StatusCombo = CBoxStatus;
        Pickers.Bind(request);
        Table.Read();
    });
    CBoxType->OnChange = Bind(this, &T::CBoxTypeChange);
    ResetFields();
}

void TMulticastVlanForm::ResetFields() {
    Table.Clear();
    Table.UpdateState();
}

void TMulticastVlanForm::UncheckAllPages() {
    Pickers.UncheckAll();
}

void TMulticastVlanForm::UpdateButtons(bool rowChosen) {
    btnSet->SetEnabled(rowChosen);
    btnDelete->SetEnabled(rowChosen);
    btnAdd->SetEnabled(!rowChosen);
}

void TMulticastVlanForm::btnGetClick(TObject*) {
    Table.Refresh();
}

void TMulticastVlanForm::LV_IGMPMulticastVlanEntryClick(TObject*) {
    Table.SelectionChanged();
}

void TMulticastVlanForm::LV_IGMPMulticastVlanEntryChanging(TObject*, TListItem*, TItemChange) {
    Table.ListChanged();
}

void TMulticastVlanForm::CBoxTypeChange(TObject*) {
    Table.UpdateState();
}

bool TMulticastVlanForm::CheckDottedQuad() {
    if (CheckDottedQuadText(RepalceIPEdit, LastGroupDigits::UpToThree)) {
        return true;
    }
    return RefuseInput(RepalceIPEdit, DialogText::kIpAddressNotValid);
}

void TMulticastVlanForm::btnSetClick(TObject*) {
    if (!Table.RowChosen()) {
        ResetFields();
        return;
    }
    if (!Table.MayAct()) {
        return;
    }
    // The family's type, whatever the row showed.
    SelectOption(CBoxType, Design.Type);
    const bool hasAddress = !RepalceIPEdit->Text().empty();
    if (hasAddress && Design.ChecksAddress) {
        if (!CheckDottedQuad()) {
            return;
        }
        RepalceIPEdit->SetText(DecimalDottedQuad(RepalceIPEdit->Text()));
    }
    WriteCarry carry = Fields.Carry();
    if (!Design.SetWritesEmptyProfile && ProfileIDListEdit->Text().empty()) {
        carry.Without(kProfileIdList);
    }
    Table.Write([&] { Table.ChangeRow(carry); },
                {.Leaves = AfterWrite::NoRow, .LeavesFailed = AfterWrite::NoRow});
}

void TMulticastVlanForm::CheckSourcePortConflict() {
    const int written = Pickers.ListOctets() * 8;
    const auto ticked = [&](int column) {
        for (size_t i = 0; i < Pickers.Columns.size(); ++i) {
            if (Pickers.Columns[i].Column == column) {
                return TickedBoxes(Pickers.Pickers[i], written);
            }
        }
        return 0;
    };
    if (ticked(kSourcePorts) > 0 && ticked(kUntagSourcePorts) > 0) {
        ShowMessage(kPortConflict);
    }
}

void TMulticastVlanForm::btnAddClick(TObject*) {
    if (!Table.MayAct()) {
        return;
    }
    if (VlanIDEdit->Text().empty()) {
        RefuseInput(VlanIDEdit, DialogText::kMulticastVlanIdNeeded);
        return;
    }
    if (!RepalceIPEdit->Text().empty() && Design.ChecksAddress) {
        if (!CheckDottedQuad()) {
            return;
        }
        RepalceIPEdit->SetText(DecimalDottedQuad(RepalceIPEdit->Text()));
    }
    if (Design.WarnsPortConflict) {
        CheckSourcePortConflict();
    }
    if (CBoxRaplacePriority->ItemIndex() < 0) {
        SelectOption(CBoxRaplacePriority, kDisabled);
    }
    // The new row without its port lists, state and type: Set writes them once it is chosen.
    WriteCarry carry = Fields.Carry();
    for (const int column : {kSourcePorts, kMemberPorts, kTagMemberPorts, kUntagSourcePorts, kState, kType}) {
        carry.Without(column);
    }
    if (!Design.AddWritesEmptyProfile && ProfileIDListEdit->Text().empty()) {
        carry.Without(kProfileIdList);
    }
    Table.Write([&] { Table.CreateRow(carry); },
                {.Leaves = AfterWrite::NoRow, .LeavesFailed = AfterWrite::NoRow});
}

void TMulticastVlanForm::btnDeleteClick(TObject*) {
    Table.Delete();
}

void TMulticastVlanForm::btnCloseClick(TObject*) {
    Close();
}

void TMulticastVlanForm::FormCloseQuery(TObject*, bool& canClose) {
    canClose = Table.MayClose();
}

void TMulticastVlanForm::FormClose(TObject*, TCloseAction&) {
    Table.Closing();
}
