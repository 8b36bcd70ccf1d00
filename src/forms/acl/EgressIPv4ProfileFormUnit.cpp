#include "EgressIPv4ProfileFormUnit.h"

#include "CatalogueColumns.h"
#include "DialogTexts.h"
#include "Oid_egressacl.h"

TEgressIPv4ProfileForm* EgressIPv4ProfileForm = nullptr;

namespace {

using T = TIPProfileForm;
constexpr FieldPlace At(int half, int row) {
    return kIPProfileHalves.At(half, row);
}

constexpr auto& kTable = Columns::EgressIPv4ProfileTable;
constexpr int kRowStatus = ColumnOf(kTable, "Row Status");
constexpr int kProfileName = ColumnOf(kTable, "Profile Name");

constexpr auto Line = [](auto... field) { return ProfileLine<T>(field...); };

// The ingress editor's fields in this table's column order, at the same places.
// clang-format off
constexpr Field<T> kFields[] = {
    Line(0, "Profile ID (1-4)", &T::edtProfileID, "%i{n1x4l1}", &T::ProfileGroup, At(0, 0)),
    {.Column = 1, .Caption = "Row Status", .Control = &T::cbbRowStatus, .Label = &T::RowStatusLabel, .Group = &T::OtherGroup, .Place = At(1, 0), .Flags = kFieldHidden},
    Line(2, "Profile Name", &T::edtProfileName, "%s", &T::ProfileGroup, At(1, 0)),
    Line(3, "VLAN", &T::cbbVlan, nullptr, &T::OptionGroup, At(0, 0)),
    Line(4, "VLAN Mask (0000-0FFF)", &T::edtVLANMask, "%h{l4f}", &T::OptionGroup, At(0, 1)),
    Line(5, "IPv4 Address Mask State", &T::cbbIpAddMaskState, nullptr, &T::OptionGroup, At(0, 2)),
    Line(6, "Source IPv4 Mask", &T::edtIpAddMaskSrc, "%s{I}", &T::OptionGroup, At(0, 3)),
    Line(7, "Destination IPv4 Mask", &T::edtIpAddMaskDst, "%s{I}", &T::OptionGroup, At(0, 4)),
    Line(8, "DSCP", &T::cbbUseDSCP, nullptr, &T::OptionGroup, At(0, 5)),
    Line(9, "Protocol Type", &T::cbbUseProType, nullptr, &T::OptionGroup, At(1, 0)),
    Line(10, "ICMP Option", &T::cbbICMP, nullptr, &T::OptionGroup, At(1, 1)),
    Line(11, "IGMP Option", &T::cbbIGMP, nullptr, &T::OptionGroup, At(1, 2)),
    Line(12, "TCP Option", &T::cbbTCPOption, nullptr, &T::OptionGroup, At(1, 3)),
    Line(13, "UDP Option", &T::cbbUDPOption, nullptr, &T::OptionGroup, At(1, 4)),
    Line(14, "TCP/UDP Srouce Port Mask (0-FFFF)", &T::edtTCPUDPSrcMask, "%h{l4}", &T::OptionGroup, At(1, 5)),
    Line(15, "TCP/UDP Destination Port Mask (0-FFFF)", &T::edtTCPUDPDstPortMask, "%h{l4}", &T::OptionGroup, At(1, 6)),
    Line(16, "TCP Flag Bit Option", &T::cbbTCPFlagBitOption, nullptr, &T::OptionGroup, At(1, 7)),
    Line(17, "TCP Flag Bit Mask (0-63)", &T::edtTCPFlagBitMask, "%i{n0x63l2}", &T::OptionGroup, At(1, 8)),
    Line(18, "Protocol ID Option", &T::cbbProOption, nullptr, &T::OptionGroup, At(0, 6)),
    Line(19, "Protocol ID (0-255)", &T::edtProtoID, "%i{n0x255l3}", &T::OptionGroup, At(0, 7)),
    Line(20, "User Define Mask (0-FFFFFFFF)", &T::edtProIDMask, "%h{l8}", &T::OptionGroup, At(0, 8)),
    Line(21, "Unused Rule Entries", &T::edtEntries, "%i", &T::OtherGroup, At(0, 0), FieldKind::Edit),
};
// clang-format on

constexpr ProfileGroupBox<T> kGroups[] = {{&T::ProfileGroup, "Profile", 0, 1},
                                          {&T::OptionGroup, "Option", 48, 9},
                                          {&T::OtherGroup, "Other", 290, 1}};

IpProfileDesign EgressDesign() {
    ProfileEditorOptions options;
    options.Table = EgressIPv4ProfileTable;
    options.LastId = 4;
    options.RowStatusColumn = kRowStatus;
    options.NameColumn = kProfileName;
    options.IdMustBeSet = DialogText::kProfileIdMustBeSet;
    options.NameMustBeSet = DialogText::kProfileNameMustBeSet;
    options.DuplicateIdText = DialogText::kSameProfileIdModified;
    options.DuplicateNameText = DialogText::kSameProfileNameModified;
    options.DesignWidth = 736;
    options.DesignHeight = 637;
    // The form is 5 narrower than the ingress one: the group boxes end at the right half's controls.
    return IpProfileDesign{
        {options, kFields, kTable, kGroups, kIPProfileHalves.GroupWidth() - 4}, "enabled", "protocolId"};
}

} // namespace

TEgressIPv4ProfileForm::TEgressIPv4ProfileForm(TComponent* owner) : TIPProfileForm(owner, EgressDesign()) {}
