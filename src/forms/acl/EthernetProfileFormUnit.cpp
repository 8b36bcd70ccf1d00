#include "EthernetProfileFormUnit.h"

#include "CatalogueColumns.h"
#include "DialogTexts.h"
#include "FieldChecks.h"
#include "Oid_acl.h"
#include "TComboBox.h"
#include "TEdit.h"
#include "TGroupBox.h"
#include "TLabel.h"

TEthernetProfileForm* EthernetProfileForm = nullptr;

namespace {

using T = TEthernetProfileForm;

// The editor's own text, without the "!" of the check made when a mask edit is left.
constexpr const char* kValidMacAddress = "Please enter a valid MAC address";

constexpr auto& kTable = Columns::EthernetProfileTable;
constexpr int kProfileId = ColumnOf(kTable, "Profile ID "); // the catalogue's caption ends in a blank
constexpr int kVlan = ColumnOf(kTable, "VLAN");
constexpr int kMacMaskState = ColumnOf(kTable, "MAC Address Mask State");
constexpr int kSrcMacMask = ColumnOf(kTable, "Source MAC Address Mask");
constexpr int kDstMacMask = ColumnOf(kTable, "Destination MAC Address Mask");
constexpr int k8021p = ColumnOf(kTable, "802.1p");
constexpr int kEthernetType = ColumnOf(kTable, "Ethernet Type");
constexpr int kRowStatus = ColumnOf(kTable, "Row Status");
constexpr int kOwner = ColumnOf(kTable, "Owner");
constexpr int kUnusedEntries = ColumnOf(kTable, "Unused Rule Entries");
constexpr int kProfileName = ColumnOf(kTable, "Profile Name");
constexpr int kVlanMask = ColumnOf(kTable, "VLAN Mask");

constexpr FieldPlace At(int half, int row) {
    return kEthernetProfileHalves.At(half, row);
}

constexpr const char* kEnabled = "enabled";
constexpr const char* kDisabled = "disabled";

// The family's field line over this dialog's members.
constexpr auto Line = [](auto... field) { return ProfileLine<T>(field...); };

// The fields in column order: label, value control, constraint, group box and place, and their
// rules. A reset empties the edits; the combo boxes keep their selections (the next profile is
// often like the last).
// clang-format off
constexpr Field<T> kFields[] = {
    KeyField(Line(kProfileId, "Profile ID (1-6)", &T::edtProfileID, "%i{n1x6l1}", &T::ProfileGroup, At(0, 0))),
    Line(kVlan, "VLAN", &T::cbbOptionVLAN, nullptr, &T::OptionGroup, At(0, 0)),
    Line(kMacMaskState, "MAC Address Mask State", &T::cbbMacMaskState, nullptr, &T::OptionGroup, At(1, 0)),
    MaskField(RuledField(Line(kSrcMacMask, "Source MAC Address Mask", &T::edtSrcMacMask, "%s{Z}", &T::OptionGroup, At(1, 2), FieldKind::Edit), {.If = EthernetSourceMasked})),
    MaskField(RuledField(Line(kDstMacMask, "Destination MAC Address Mask", &T::edtDstMacMask, "%s{Z}", &T::OptionGroup, At(1, 1), FieldKind::Edit), {.If = EthernetDestinationMasked})),
    Line(k8021p, "802.1p", &T::cbbOption8021p, nullptr, &T::OptionGroup, At(0, 3)),
    Line(kEthernetType, "Ethernet Type", &T::cbbOptionEthType, nullptr, &T::OptionGroup, At(0, 2)),
    ProfileRowStatus(kRowStatus, &T::cbbRowStatus, &T::RowStatusLabel, &T::OtherGroup, At(1, 1)),
    ProfileFact(Line(kOwner, "Owner", &T::cbbOwner, nullptr, &T::OtherGroup, At(1, 0), FieldKind::ComboBox)),
    ProfileFact(Line(kUnusedEntries, "Unused Rule Entries", &T::edtRuleEntries, "%i", &T::OtherGroup, At(0, 0), FieldKind::Edit)),
    KeyField(Line(kProfileName, "Profile Name", &T::edtProfileName, "%s", &T::ProfileGroup, At(1, 0))),
    MaskField(RuledField(Line(kVlanMask, "VLAN Mask (0000-0FFF)", &T::edtVLANMask, "%h{l4f}", &T::OptionGroup, At(0, 1)), kEthernetVlanMaskRule)),
};
// clang-format on

constexpr StartOption<T> kStart[] = {
    {&T::cbbOptionVLAN, kEnabled},     {&T::cbbOption8021p, kDisabled},   {&T::cbbMacMaskState, "other"},
    {&T::cbbOptionEthType, kDisabled}, {&T::cbbRowStatus, "createAndGo"}, {&T::cbbOwner, "acl"},
};

ProfileDesign<T> EthernetProfileDesign() {
    ProfileEditorOptions options = EthernetProfileRules();
    options.Table = EthernetProfileTable;
    options.IdColumn = kProfileId;
    options.RowStatusColumn = kRowStatus;
    options.NameColumn = kProfileName;
    options.DesignWidth = 735;
    options.DesignHeight = 461;
    options.ListHeight = 150;
    return {options,
            kFields,
            kTable,
            kEthernetProfileGroups,
            kEthernetProfileHalves.GroupWidth(),
            kStart,
            kEthernetMacMaskChecks};
}

} // namespace

const CheckedEdit<T> kEthernetMacMaskChecks[2] = {{&T::edtSrcMacMask, CheckPlainMacAddressText},
                                                  {&T::edtDstMacMask, CheckPlainMacAddressText}};

bool EthernetSourceMasked(const T& form, bool) {
    return NamesSource(form.cbbMacMaskState);
}

bool EthernetDestinationMasked(const T& form, bool) {
    return NamesDestination(form.cbbMacMaskState);
}

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
    : TAclProfileForm(owner, design.Options) {
    BuildDesign(this, design);
    cbbOptionVLAN->OnChange = Bind(this, &T::cbbOptionVLANChange);
    cbbMacMaskState->OnChange = Bind(this, &T::cbbMacMaskStateChange);
}

void TEthernetProfileForm::cbbOptionVLANChange(TObject*) {
    UpdateFields();
}

void TEthernetProfileForm::cbbMacMaskStateChange(TObject*) {
    UpdateFields();
}

bool TEthernetProfileForm::CheckFields() {
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
