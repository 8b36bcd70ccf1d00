#include "DHCPRelayVLANControlUnit.h"

#include "CatalogueColumns.h"
#include "DialogFrame.h"
#include "FieldChecks.h"
#include "FieldTable.h"
#include "InputValidators.h"
#include "Oid_model.h"
#include "PortListHelpers.h"
#include "TButton.h"
#include "TCheckBox.h"
#include "TComboBox.h"
#include "TEdit.h"
#include "TGroupBox.h"
#include "UserDialogs.h"

#include <charconv>
#include <stdexcept>

TDHCPRelayVLANControlUnitForm* DHCPRelayVLANControlUnitForm = nullptr;

namespace {

using T = TDHCPRelayVLANControlUnitForm;

constexpr auto& kTable = Columns::DHCPRelayVLANControlUnitTable;
constexpr int kAddress = ColumnOf(kTable, "IP Address");
constexpr int kFirstSlice = ColumnOf(kTable, "1-512");
constexpr int kRowStatus = ColumnOf(kTable, "Row Status");
constexpr int kKeyCount = 1; // the server address
constexpr int kSliceSize = 512;
static_assert(kRowStatus == kFirstSlice + T::kSliceCount);

// This dialog's own texts.
constexpr const char* kInvalidVlanList = "Please input a valid VLAN list.";
constexpr const char* kCreateAndGo = "4";

// The slices' boxes and edits, in slice order.
constexpr TCheckBox* T::*kSliceBoxes[] = {&T::cbxVlanRange1, &T::cbxVlanRange2, &T::cbxVlanRange3,
                                          &T::cbxVlanRange4, &T::cbxVlanRange5, &T::cbxVlanRange6,
                                          &T::cbxVlanRange7, &T::cbxVlanRange8};
constexpr TEdit* T::*kSliceEdits[] = {&T::VLANRangeEdit1, &T::VLANRangeEdit2, &T::VLANRangeEdit3,
                                      &T::VLANRangeEdit4, &T::VLANRangeEdit5, &T::VLANRangeEdit6,
                                      &T::VLANRangeEdit7, &T::VLANRangeEdit8};

constexpr FieldEnabledWhen<T> kWithRow = {
    .Mode = RowMode::Row, .How = FieldEnabling::WithState, .WithCheck = true};

// The server address: typed for a new row only, the chosen row's index otherwise.
constexpr Field<T> kAddressFields[] = {
    {.Column = kAddress,
     .Caption = "IP Address",
     .Constraint = "%s{I}",
     .Control = &T::IPAddressEdit,
     .Kind = FieldKind::Edit, // a key the user types
     .Check = &T::chkIP,
     .Label = &T::Label1,
     .Group = &T::grpRule,
     .Place = {16, 23, 90, 20, 150},
     .Flags = kFieldCheckHidden | kFieldCheckFixed,
     .EnabledWhen = {.Mode = RowMode::NoRow, .How = FieldEnabling::KeepValue}},
};

// The slices in two columns of four (96 DPI), each box captioned with its range before its edit.
constexpr FieldPlace SlicePlace(int slice) {
    const int left = slice < 4 ? 96 : 394;
    const int top = 22 + 26 * (slice % 4);
    return {0, 0, left, top, 190};
}
constexpr Field<T> SliceField(int slice, const char* caption) {
    return {.Column = kFirstSlice + slice,
            .CheckCaption = caption,
            .Constraint = "%s",
            .Control = kSliceEdits[slice],
            .Check = kSliceBoxes[slice],
            .Group = &T::grpOption,
            .Place = SlicePlace(slice),
            .Default = FieldDefault::Empty(FieldDefault::Box::Unchecked),
            .EnabledWhen = kWithRow};
}
constexpr Field<T> kSliceFields[] = {
    SliceField(0, "1-512"),     SliceField(1, "513-1024"),  SliceField(2, "1025-1536"),
    SliceField(3, "1537-2048"), SliceField(4, "2049-2560"), SliceField(5, "2561-3072"),
    SliceField(6, "3073-3584"), SliceField(7, "3585-4094"),
};
constexpr CheckPlace kSliceBoxPlace = {.Left = -84, .TopOffset = 2, .Width = 80, .BeforeValue = true};

constexpr Field<T> kStatusFields[] = {
    {.Column = kRowStatus,
     .CheckCaption = "Row Status",
     .Control = &T::RowComboBox,
     .Check = &T::cbxRow,
     .Place = {0, 0, 394, 24, 150},
     .Flags = kFieldHidden | kFieldCheckFixed,
     .Default = FieldDefault::FirstItem()},
};

constexpr ButtonSpec<T> kButtons[] = {
    {&T::GetButton, "Refresh", &T::GetButtonClick},
    {&T::EditButton, "Edit", &T::EditButtonClick},
    {&T::AddButton, "Add", &T::AddButtonClick},
    {&T::DeleteButton, "Delete", &T::DeleteButtonClick},
    {&T::CheckButton, "Check All", &T::CheckButtonClick},
    {&T::UncheckButton, "Clear Checks", &T::UncheckButtonClick},
    {&T::CloseButton, "Close", &T::CloseButtonClick},
};

constexpr DialogFrame<T> kFrame = {.Width = 711,
                                   .Height = 457,
                                   .Caption = "",
                                   .Buttons = kButtons,
                                   .Samples = "Samples",
                                   .ListHeight = 190,
                                   .ClearOnNoRow = true,
                                   .ButtonPanel = &T::Panel1,
                                   .Count = &T::StaticText1,
                                   .ListPanel = &T::Panel2,
                                   .List = &T::ListView1,
                                   .StatusBar = &T::StatusBar1,
                                   .OnListClick = &T::ListView1Click,
                                   .OnListChange = &T::ListView1Change,
                                   .OnCreate = &T::FormCreate,
                                   .OnClose = &T::FormClose,
                                   .State = &T::UpdateButtons};

TGroupBox* AddGroup(T* form, TControl* parent, int top, int height, const char* caption) {
    auto* group = new TGroupBox(form);
    group->SetParent(parent);
    group->SetBounds(8, top, 590, height);
    group->SetCaption(caption);
    return group;
}

} // namespace

DHCPRelayVLANControlRequestEdits::DHCPRelayVLANControlRequestEdits(TDHCPRelayVLANControlUnitForm* form)
    : DialogRequest(form), Form(form) {}

void DHCPRelayVLANControlRequestEdits::RowReceived() {
    VqSNMPVarList& list = Request.VarList;
    for (int slice = 0; slice < T::kSliceCount; ++slice) {
        std::string& text = list.GetVariable(kFirstSlice + slice).ValueText;
        text = HexBitmapToPortList(text, static_cast<unsigned>(slice), false);
    }
    DialogRequest::RowReceived();
}

void DHCPRelayVLANControlRequestEdits::PrepareSet() {
    DialogRequest::PrepareSet();
    VqSNMPVarList& list = Request.VarList;
    if (Form->Mode == T::kAddMode) {
        list.GetVariable(kAddress).ValueText = Form->IPAddressEdit->Text();
        list.GetVariable(kRowStatus).ValueText = kCreateAndGo;
        return;
    }
    for (int slice = 0; slice < T::kSliceCount; ++slice) {
        if (!Form->SliceBox(slice)->Checked()) {
            continue;
        }
        std::string& text = list.GetVariable(kFirstSlice + slice).ValueText;
        text = Form->SliceEdit(slice)->Text();
        // The dialog refused lists that do not convert before it wrote; nothing half-converted
        // goes out.
        if (!PortListToHexBitmap(text)) {
            throw std::runtime_error(kInvalidVlanList);
        }
    }
}

TDHCPRelayVLANControlUnitForm::TDHCPRelayVLANControlUnitForm(TComponent* owner)
    : TBasicForm(owner, kFrame.Width, kFrame.Height), Table(DialogGuard::None()) {
    TPanel* fields = BuildFrame(this, kFrame, Table);
    grpRule = AddGroup(this, fields, 4, 52, "DHCP Server IP Address");
    grpOption = AddGroup(this, fields, 60, 130, "VLAN Range List");
    Fields = BuildFields<T>(this, fields, kAddressFields, kTable);
    Fields.Append(BuildFields<T>(this, fields, kSliceFields, kTable, kSliceBoxPlace));
    Fields.Append(BuildFields<T>(this, fields, kStatusFields, kTable, kSliceBoxPlace));
    // Cancel or OK, the fields are cleared and no row is chosen.
    Table.Deleting = {.Style = DeleteStyle::Confirmed,
                      .Write = {.Leaves = AfterWrite::NoRow, .LeavesFailed = AfterWrite::NoRow}};
    Table.Refreshing = {.Leaves = RefreshLeaves::Unchanged};
    UpdateButtons(false);
}

TEdit* TDHCPRelayVLANControlUnitForm::SliceEdit(int slice) const {
    return this->*kSliceEdits[slice];
}

TCheckBox* TDHCPRelayVLANControlUnitForm::SliceBox(int slice) const {
    return this->*kSliceBoxes[slice];
}

void TDHCPRelayVLANControlUnitForm::FormCreate(TObject*) {
    Table.Attempt([this] {
        DialogRequest& request = Table.CreateRequest(std::make_unique<DHCPRelayVLANControlRequestEdits>(this),
                                                     DHCPRelayVLANControlUnitTable, MVT_UMV, kKeyCount);
        RowCount = request.Request.VarList.GetCount();
        KeyCount = kKeyCount;
        ExcludedRow = kRowStatus;
        BindFields<T>(this, this, request, kAddressFields);
        BindFields<T>(this, this, request, kSliceFields);
        BindFields<T>(this, this, request, kStatusFields);
        Table.StatusColumn = kRowStatus;
        Table.StatusCombo = RowComboBox;
        Table.Clear();
        Table.UpdateState();
        Table.Read();
    });
}

void TDHCPRelayVLANControlUnitForm::UpdateButtons(bool rowChosen) {
    EditButton->SetEnabled(rowChosen);
    DeleteButton->SetEnabled(rowChosen);
    AddButton->SetEnabled(!rowChosen);
}

void TDHCPRelayVLANControlUnitForm::ListView1Click(TObject*) {
    Table.SelectionChanged();
}

void TDHCPRelayVLANControlUnitForm::ListView1Change(TObject*, TListItem*, TItemChange) {
    Table.ListChanged();
}

void TDHCPRelayVLANControlUnitForm::GetButtonClick(TObject*) {
    Table.Refresh();
}

bool TDHCPRelayVLANControlUnitForm::IsSliceListText(const std::string& text, int slice) {
    PortFlagArray flags{};
    if (!ParsePortList(text, flags)) {
        return false;
    }
    // Parsed: every item is a number or a range of two, split by "," and "-".
    const int first = kSliceSize * slice + 1;
    const int last = first + kSliceSize - 1;
    const char* p = text.data();
    const char* const end = p + text.size();
    while (p < end) {
        int number = 0;
        const auto [next, error] = std::from_chars(p, end, number);
        if (error == std::errc() && number > kSliceSize && (number < first || number > last)) {
            return false;
        }
        p = error == std::errc() ? next : p;
        p += p < end ? 1 : 0; // the "," or "-" after it
    }
    return true;
}

bool TDHCPRelayVLANControlUnitForm::CheckTickedSlices() {
    for (int slice = 0; slice < kSliceCount; ++slice) {
        TCheckBox* box = SliceBox(slice);
        if (box->Checked() && box->Enabled() && !IsSliceListText(SliceEdit(slice)->Text(), slice)) {
            return RefuseInput(SliceEdit(slice), kInvalidVlanList);
        }
    }
    return true;
}

void TDHCPRelayVLANControlUnitForm::EditButtonClick(TObject*) {
    if (!Table.RowChosen() || !CheckTickedSlices()) {
        return;
    }
    Mode = kEditMode;
    // The ticked slices and the row status as the chosen row has it.
    Table.Write([this] { Table.Send(WriteCarry::RowWithout(UncheckedRows(Table.Request.get()))); },
                {.Leaves = AfterWrite::NoRow, .LeavesFailed = AfterWrite::StateOfNoRow});
}

void TDHCPRelayVLANControlUnitForm::AddButtonClick(TObject*) {
    // A click that left the address refused by its own check stops there: one box for one mistake.
    if (!Table.Request || Table.Request->Constraints.AnyRefused()) {
        return;
    }
    // The address is the new row's index: never sent empty or malformed.
    if (!CheckIPv4Text(IPAddressEdit)) {
        FocusField(IPAddressEdit);
        return;
    }
    UncheckAll(RowCheckBoxes);
    chkIP->SetChecked(true);
    cbxRow->SetChecked(true);
    Mode = kAddMode;
    // The row status alone: an add writes no slice.
    Table.Write([this] { Table.CreateRow(WriteCarry::RowWithout(UncheckedRows(Table.Request.get()))); });
}

void TDHCPRelayVLANControlUnitForm::DeleteButtonClick(TObject*) {
    Table.Delete();
}

void TDHCPRelayVLANControlUnitForm::CheckButtonClick(TObject*) {
    CheckEnabled(RowCheckBoxes);
}

void TDHCPRelayVLANControlUnitForm::UncheckButtonClick(TObject*) {
    UncheckAll(RowCheckBoxes);
}

void TDHCPRelayVLANControlUnitForm::CloseButtonClick(TObject*) {
    Close();
}

void TDHCPRelayVLANControlUnitForm::FormClose(TObject*, TCloseAction& action) {
    Table.Closing();
    action = caFree;
}
