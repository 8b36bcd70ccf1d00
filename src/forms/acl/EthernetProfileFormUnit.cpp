#include "EthernetProfileFormUnit.h"

#include "CatalogueColumns.h"
#include "DialogTexts.h"
#include "FieldChecks.h"
#include "FieldTable.h"
#include "Oid_acl.h"
#include "OptionItems.h"
#include "TComboBox.h"
#include "TEdit.h"
#include "TGroupBox.h"
#include "TLabel.h"
#include "TPanel.h"

#include <span>

TEthernetProfileForm* EthernetProfileForm = nullptr;

namespace {

using T = TEthernetProfileForm;

// The editor's own texts: the ID and name ones without the full stop of the IPv4 editor's.
constexpr const char* kIdMustBeSet = "Profile ID must be set";
constexpr const char* kNameMustBeSet = "Profile Name must be set";
constexpr const char* kValidMacAddress = "Please enter a valid MAC address";
constexpr const char* kSameProfileId =
    "There is already a record with the same Profile ID. Please modified it.";
constexpr const char* kSameName = "There is already a record with the same Name. Please modified it.";

constexpr auto& kTable = Columns::EthernetProfileTable;
constexpr int kSrcMacMask = ColumnOf(kTable, "Source MAC Address Mask");
constexpr int kDstMacMask = ColumnOf(kTable, "Destination MAC Address Mask");
constexpr int kRowStatus = ColumnOf(kTable, "Row Status");
constexpr int kProfileName = ColumnOf(kTable, "Profile Name");
constexpr int kVlanMask = ColumnOf(kTable, "VLAN Mask");

// A field: its label, then its control, in either half of a group box.
constexpr int kLabelWidth[] = {150, 190};
constexpr int kControlWidth = 118;
constexpr int kHalfLeft[] = {8, 8 + kLabelWidth[0] + kControlWidth + 8};
constexpr int kGroupWidth = kHalfLeft[1] + kLabelWidth[1] + kControlWidth + 8;

// A field's place: its half (0 left, 1 right) and row.
constexpr FieldPlace At(int half, int row) {
    return ProfilePlace(kHalfLeft[half], kLabelWidth[half], kControlWidth, row);
}

// The family's field line over this dialog's members.
constexpr auto Line = [](auto... field) { return ProfileLine<T>(field...); };

// The fields in column order: label, value control, constraint, group box and place. The two MAC
// masks are bound with their check (below).
// clang-format off
constexpr Field<T> kFields[] = {
    Line(0, "Profile ID (1-6)", &T::edtProfileID, "%i{n1x6l1}", &T::ProfileGroup, At(0, 0)),
    Line(1, "VLAN", &T::cbbOptionVLAN, nullptr, &T::OptionGroup, At(0, 0)),
    Line(2, "MAC Address Mask State", &T::cbbMacMaskState, nullptr, &T::OptionGroup, At(1, 0)),
    Line(3, "Source MAC Address Mask", &T::edtSrcMacMask, "%s{Z}", &T::OptionGroup, At(1, 2), FieldKind::Edit),
    Line(4, "Destination MAC Address Mask", &T::edtDstMacMask, "%s{Z}", &T::OptionGroup, At(1, 1), FieldKind::Edit),
    Line(5, "802.1p", &T::cbbOption8021p, nullptr, &T::OptionGroup, At(0, 3)),
    Line(6, "Ethernet Type", &T::cbbOptionEthType, nullptr, &T::OptionGroup, At(0, 2)),
    {.Column = 7, .Caption = "Row Status", .Control = &T::cbbRowStatus, .Label = &T::RowStatusLabel, .Group = &T::OtherGroup, .Place = At(1, 1), .Flags = kFieldHidden},
    Line(8, "Owner", &T::cbbOwner, nullptr, &T::OtherGroup, At(1, 0), FieldKind::ComboBox),
    Line(9, "Unused Rule Entries", &T::edtRuleEntries, "%i", &T::OtherGroup, At(0, 0), FieldKind::Edit),
    Line(10, "Profile Name", &T::edtProfileName, "%s", &T::ProfileGroup, At(1, 0)),
    Line(11, "VLAN Mask (0000-0FFF)", &T::edtVLANMask, "%h{l4f}", &T::OptionGroup, At(0, 1)),
};
// clang-format on
static_assert(kFields[kSrcMacMask].Column == kSrcMacMask && kFields[kDstMacMask].Column == kDstMacMask);

constexpr const char* kEnabled = "enabled";
constexpr const char* kDisabled = "disabled";
constexpr const char* kOwnerAcl = "acl";

ProfileEditorOptions EthernetProfileOptions() {
    ProfileEditorOptions options;
    options.Table = EthernetProfileTable;
    options.RowStatusColumn = kRowStatus;
    options.NameColumn = kProfileName;
    options.IdMustBeSet = kIdMustBeSet;
    options.NameMustBeSet = kNameMustBeSet;
    options.DuplicateIdText = kSameProfileId;
    options.DuplicateNameText = kSameName;
    options.EmptyMaskColumns = {kSrcMacMask, kDstMacMask, kVlanMask};
    options.DuplicatesFirst = true;
    options.SkipNoneOrOther = false;
    options.DesignWidth = 735;
    options.DesignHeight = 461;
    options.ListHeight = 150;
    return options;
}

} // namespace

TEthernetProfileForm::TEthernetProfileForm(TComponent* owner)
    : TAclProfileForm(owner, EthernetProfileOptions()) {
    BuildFields();
}

void TEthernetProfileForm::BuildFields() {
    const struct {
        TGroupBox* T::*Group;
        const char* Caption;
        int Top;
        int Rows;
    } groups[] = {{&T::ProfileGroup, "Profile", 0, 1},
                  {&T::OptionGroup, "Options", 48, 4},
                  {&T::OtherGroup, "Other", 168, 1}};
    for (const auto& g : groups) {
        this->*g.Group = AddGroup(g.Caption, g.Top, g.Rows, kGroupWidth);
    }
    ::BuildFields<T>(this, FieldPanel, kFields, kTable);
    DisableControls({cbbOwner, edtRuleEntries}); // as yet empty: nothing is lost
    IdEdit = edtProfileID;
    NameEdit = edtProfileName;
    ReadOnlyControls = {edtRuleEntries, cbbOwner};

    cbbOptionVLAN->OnChange = Bind(this, &T::cbbOptionVLANChange);
    cbbMacMaskState->OnChange = Bind(this, &T::cbbMacMaskStateChange);
}

void TEthernetProfileForm::BindFields(DialogRequest& request) {
    const std::span<const Field<T>> fields(kFields);
    ::BindFields<T>(this, this, request, fields.first(kSrcMacMask));
    // Twelve hexadecimal digits without separators, as the list shows them.
    BindCheckedEdit(request, kSrcMacMask, "%s{Z}", edtSrcMacMask, CheckPlainMacAddress);
    BindCheckedEdit(request, kDstMacMask, "%s{Z}", edtDstMacMask, CheckPlainMacAddress);
    ::BindFields<T>(this, this, request, fields.subspan(kDstMacMask + 1));
}

void TEthernetProfileForm::InitialSelections() {
    SelectOption(cbbOptionVLAN, kEnabled);
    SelectOption(cbbOption8021p, kDisabled);
    SelectOption(cbbMacMaskState, "other");
    SelectOption(cbbOptionEthType, kDisabled);
    SelectOption(cbbRowStatus, Table.StatusItems.CreateAndGo);
    SelectOption(cbbOwner, kOwnerAcl);
}

void TEthernetProfileForm::ClearFields() {
    // The combo boxes keep their selections: the next profile is often like the last.
    for (TEdit* edit :
         {edtProfileID, edtDstMacMask, edtSrcMacMask, edtRuleEntries, edtVLANMask, edtProfileName}) {
        edit->SetText("");
    }
}

void TEthernetProfileForm::ResetRules() {
    cbbMacMaskStateChange(nullptr);
    cbbOptionVLANChange(nullptr);
}

void TEthernetProfileForm::RowRules() {
    cbbMacMaskStateChange(nullptr);
    cbbOptionVLANChange(nullptr);
}

void TEthernetProfileForm::cbbOptionVLANChange(TObject*) {
    SetFieldEnabled(edtVLANMask, OptionSelected(cbbOptionVLAN, kEnabled));
}

void TEthernetProfileForm::cbbMacMaskStateChange(TObject*) {
    SetFieldEnabled(edtSrcMacMask, NamesSource(cbbMacMaskState));
    SetFieldEnabled(edtDstMacMask, NamesDestination(cbbMacMaskState));
}

bool TEthernetProfileForm::ValidateProfile() {
    if (OptionSelected(cbbOptionVLAN, kEnabled) && edtVLANMask->Text().empty()) {
        return RefuseInput(edtVLANMask, DialogText::kPleaseEnterVlanMask);
    }
    // Destination before source, as the state's items name them.
    if (NamesDestination(cbbMacMaskState) && edtDstMacMask->Text().empty()) {
        return RefuseInput(edtDstMacMask, kValidMacAddress);
    }
    if (NamesSource(cbbMacMaskState) && edtSrcMacMask->Text().empty()) {
        return RefuseInput(edtSrcMacMask, kValidMacAddress);
    }
    return true;
}
