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
constexpr int kRowStatus = ColumnOf(kTable, "Row Status");
constexpr int kProfileName = ColumnOf(kTable, "Profile Name");
constexpr int kVlanMask = ColumnOf(kTable, "VLAN Mask");
constexpr int kSrcMacMask = ColumnOf(kTable, "Source MAC Address Mask");
constexpr int kDstMacMask = ColumnOf(kTable, "Destination MAC Address Mask");

constexpr auto Line = [](auto... field) { return ProfileLine<T>(field...); };

// The ingress editor's fields in this table's column order, at the same places.
// clang-format off
constexpr Field<T> kFields[] = {
    Line(0, "Profile ID (1-4)", &T::edtProfileID, "%i{n1x4l1}", &T::ProfileGroup, At(0, 0)),
    {.Column = 1, .Caption = "Row Status", .Control = &T::cbbRowStatus, .Label = &T::RowStatusLabel, .Group = &T::OtherGroup, .Place = At(1, 0), .Flags = kFieldHidden},
    Line(2, "Profile Name", &T::edtProfileName, "%s", &T::ProfileGroup, At(1, 0)),
    Line(3, "VLAN", &T::cbbOptionVLAN, nullptr, &T::OptionGroup, At(0, 0)),
    Line(4, "VLAN Mask (0000-0FFF)", &T::edtVLANMask, "%h{l4f}", &T::OptionGroup, At(0, 1)),
    Line(5, "802.1p", &T::cbbOption8021p, nullptr, &T::OptionGroup, At(0, 3)),
    Line(6, "Ethernet Type", &T::cbbOptionEthType, nullptr, &T::OptionGroup, At(0, 2)),
    Line(7, "MAC Address Mask State", &T::cbbMacMaskState, nullptr, &T::OptionGroup, At(1, 0)),
    Line(8, "Source MAC Address Mask", &T::edtSrcMacMask, "%s{Z}", &T::OptionGroup, At(1, 2), FieldKind::Edit),
    Line(9, "Destination MAC Address Mask", &T::edtDstMacMask, "%s{Z}", &T::OptionGroup, At(1, 1), FieldKind::Edit),
    Line(10, "Unused Rule Entries", &T::edtRuleEntries, "%i", &T::OtherGroup, At(0, 0), FieldKind::Edit),
};
// clang-format on

ProfileDesign<T> EgressEthernetProfileDesign() {
    ProfileEditorOptions options = EthernetProfileRules();
    options.Table = EgressEthetnetProfileTable;
    options.LastId = 4;
    options.RowStatusColumn = kRowStatus;
    options.NameColumn = kProfileName;
    options.EmptyMaskColumns = {kSrcMacMask, kDstMacMask, kVlanMask};
    options.DesignWidth = 740;
    options.DesignHeight = 460;
    options.ListHeight = 150;
    return {options, kFields, kTable, kEthernetProfileGroups, kEthernetProfileHalves.GroupWidth()};
}

} // namespace

TEgressEthetnetProfileForm::TEgressEthetnetProfileForm(TComponent* owner)
    : TEthernetProfileForm(owner, EgressEthernetProfileDesign()) {}
