#include "EgressEthernetProfileFormUnit.h"

#include "CatalogueColumns.h"
#include "Oid_egressacl.h"

TEgressEthetnetProfileForm* EgressEthetnetProfileForm = nullptr;

namespace {

using T = TEthernetProfileForm;
constexpr FieldPlace At(int half, int row) {
    return kEthernetProfileHalves.At(half, row);
}

constexpr auto& kTable = Columns::EgressEthetnetProfileTable;
constexpr int kProfileId = ColumnOf(kTable, "Profile ID");
constexpr int kRowStatus = ColumnOf(kTable, "Row Status");
constexpr int kProfileName = ColumnOf(kTable, "Profile Name");
constexpr int kVlan = ColumnOf(kTable, "VLAN");
constexpr int kVlanMask = ColumnOf(kTable, "VLAN Mask");
constexpr int k8021p = ColumnOf(kTable, "802.1p");
constexpr int kEthernetType = ColumnOf(kTable, "Ethernet Type");
constexpr int kMacMaskState = ColumnOf(kTable, "MAC Address Mask State");
constexpr int kSrcMacMask = ColumnOf(kTable, "Source MAC Address Mask");
constexpr int kDstMacMask = ColumnOf(kTable, "Destination MAC Address Mask");
constexpr int kUnusedEntries = ColumnOf(kTable, "Unused Rule Entries");

constexpr auto Line = [](auto... field) { return ProfileLine<T>(field...); };

// The ingress editor's fields in this table's column order, at the same places.
// clang-format off
constexpr Field<T> kFields[] = {
    KeyField(Line(kProfileId, "Profile ID (1-4)", &T::edtProfileID, "%i{n1x4l1}", &T::ProfileGroup, At(0, 0))),
    ProfileRowStatus(kRowStatus, &T::cbbRowStatus, &T::RowStatusLabel, &T::OtherGroup, At(1, 0)),
    KeyField(Line(kProfileName, "Profile Name", &T::edtProfileName, "%s", &T::ProfileGroup, At(1, 0))),
    Line(kVlan, "VLAN", &T::cbbOptionVLAN, nullptr, &T::OptionGroup, At(0, 0)),
    MaskField(RuledField(Line(kVlanMask, "VLAN Mask (0000-0FFF)", &T::edtVLANMask, "%h{l4f}", &T::OptionGroup, At(0, 1)), kEthernetVlanMaskRule)),
    Line(k8021p, "802.1p", &T::cbbOption8021p, nullptr, &T::OptionGroup, At(0, 3)),
    Line(kEthernetType, "Ethernet Type", &T::cbbOptionEthType, nullptr, &T::OptionGroup, At(0, 2)),
    Line(kMacMaskState, "MAC Address Mask State", &T::cbbMacMaskState, nullptr, &T::OptionGroup, At(1, 0)),
    MaskField(RuledField(Line(kSrcMacMask, "Source MAC Address Mask", &T::edtSrcMacMask, "%s{Z}", &T::OptionGroup, At(1, 2), FieldKind::Edit), {.If = EthernetSourceMasked})),
    MaskField(RuledField(Line(kDstMacMask, "Destination MAC Address Mask", &T::edtDstMacMask, "%s{Z}", &T::OptionGroup, At(1, 1), FieldKind::Edit), {.If = EthernetDestinationMasked})),
    ProfileFact(Line(kUnusedEntries, "Unused Rule Entries", &T::edtRuleEntries, "%i", &T::OtherGroup, At(0, 0), FieldKind::Edit)),
};
// clang-format on

constexpr StartOption<T> kStart[] = {
    {&T::cbbOptionVLAN, "enabled"},     {&T::cbbOption8021p, "disabled"},  {&T::cbbMacMaskState, "other"},
    {&T::cbbOptionEthType, "disabled"}, {&T::cbbRowStatus, "createAndGo"},
};

ProfileDesign<T> EgressEthernetProfileDesign() {
    ProfileEditorOptions options = EthernetProfileRules();
    options.Table = EgressEthetnetProfileTable;
    options.LastId = 4;
    options.IdColumn = kProfileId;
    options.RowStatusColumn = kRowStatus;
    options.NameColumn = kProfileName;
    options.DesignWidth = 740;
    options.DesignHeight = 460;
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

TEgressEthetnetProfileForm::TEgressEthetnetProfileForm(TComponent* owner)
    : TEthernetProfileForm(owner, EgressEthernetProfileDesign()) {}
