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

// The editor's own text, without the "!" of the check made when a mask edit is left.
constexpr const char* kValidMacAddress = "Please enter a valid MAC address";

constexpr auto& kTable = Columns::EthernetProfileTable;
constexpr int kSrcMacMask = ColumnOf(kTable, "Source MAC Address Mask");
constexpr int kDstMacMask = ColumnOf(kTable, "Destination MAC Address Mask");
constexpr int kRowStatus = ColumnOf(kTable, "Row Status");
constexpr int kProfileName = ColumnOf(kTable, "Profile Name");
constexpr int kVlanMask = ColumnOf(kTable, "VLAN Mask");

constexpr FieldPlace At(int half, int row) {
    return kEthernetProfileHalves.At(half, row);
}

constexpr const char* kEnabled = "enabled";
constexpr const char* kDisabled = "disabled";
constexpr const char* kOwnerAcl = "acl";

// The family's field line over this dialog's members.
constexpr auto Line = [](auto... field) { return ProfileLine<T>(field...); };

// The fields in column order: label, value control, constraint, group box and place. The two MAC
// masks are bound with their check (BindFields).
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

ProfileDesign<T> EthernetProfileDesign() {
    ProfileEditorOptions options = EthernetProfileRules();
    options.Table = EthernetProfileTable;
    options.RowStatusColumn = kRowStatus;
    options.NameColumn = kProfileName;
    options.EmptyMaskColumns = {kSrcMacMask, kDstMacMask, kVlanMask};
    options.DesignWidth = 735;
    options.DesignHeight = 461;
    options.ListHeight = 150;
    return {options, kFields, kTable, kEthernetProfileGroups, kEthernetProfileHalves.GroupWidth()};
}

} // namespace

ProfileEditorOptions EthernetProfileRules() {
    ProfileEditorOptions options;
    options.IdMustBeSet = DialogText::kProfileIdMustBeSetNoStop;
    options.NameMustBeSet = DialogText::kProfileNameMustBeSetNoStop;
    options.DuplicateIdText = DialogText::kSameProfileIdModified;
    options.DuplicateNameText = DialogText::kSameNameModified;
    options.Duplicates = DuplicateCheck::BeforeFields;
    options.SkipNoneOrOther = false;
    options.ReReadAfterFailedWrite = false;
    return options;
}

TEthernetProfileForm::TEthernetProfileForm(TComponent* owner)
    : TEthernetProfileForm(owner, EthernetProfileDesign()) {}

TEthernetProfileForm::TEthernetProfileForm(TComponent* owner, const ProfileDesign<T>& design)
    : TAclProfileForm(owner, design.Options), Fields(design.Fields) {
    BuildDesign(this, design);
    SetReadOnlyFacts({edtRuleEntries, cbbOwner});
    IdEdit = edtProfileID;
    NameEdit = edtProfileName;

    cbbOptionVLAN->OnChange = Bind(this, &T::cbbOptionVLANChange);
    cbbMacMaskState->OnChange = Bind(this, &T::cbbMacMaskStateChange);
}

void TEthernetProfileForm::BindFields(DialogRequest& request) {
    // In column order; the MAC masks are twelve hexadecimal digits without separators, as the list
    // shows them, checked when their edit is left.
    for (const Field<T>& field : Fields) {
        TEdit* edit = field.EditMember() ? this->*field.EditMember() : nullptr;
        if (edit && (edit == edtSrcMacMask || edit == edtDstMacMask)) {
            BindCheckedEdit(request, field.Column, field.Constraint, edit, CheckPlainMacAddressText);
        } else {
            ::BindFields<T>(this, this, request, std::span(&field, 1));
        }
    }
}

void TEthernetProfileForm::InitialSelections() {
    SelectOption(cbbOptionVLAN, kEnabled);
    SelectOption(cbbOption8021p, kDisabled);
    SelectOption(cbbMacMaskState, "other");
    SelectOption(cbbOptionEthType, kDisabled);
    SelectOption(cbbRowStatus, Table.StatusItems.CreateAndGo);
    if (cbbOwner) {
        SelectOption(cbbOwner, kOwnerAcl);
    }
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
