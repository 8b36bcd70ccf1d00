#include "EgressIPv4ProfileFormUnit.h"

#include "CatalogueColumns.h"
#include "DialogTexts.h"
#include "Oid_egressacl.h"

TEgressIPv4ProfileForm* EgressIPv4ProfileForm = nullptr;

namespace {

using T = TIPProfileForm;
using namespace IpProfileFieldRules;
constexpr FieldPlace At(int half, int row) {
    return kIPProfileHalves.At(half, row);
}

constexpr auto& kTable = Columns::EgressIPv4ProfileTable;
constexpr int kProfileId = ColumnOf(kTable, "Profile ID");
constexpr int kRowStatus = ColumnOf(kTable, "Row Status");
constexpr int kProfileName = ColumnOf(kTable, "Profile Name");
constexpr int kVlan = ColumnOf(kTable, "VLAN");
constexpr int kVlanMask = ColumnOf(kTable, "VLAN Mask");
constexpr int kMaskState = ColumnOf(kTable, "Address Mask State");
constexpr int kSrcMask = ColumnOf(kTable, "Source IP Address Mask");
constexpr int kDstMask = ColumnOf(kTable, "Destination IP Address Mask");
constexpr int kDscp = ColumnOf(kTable, "DSCP");
constexpr int kProtocolType = ColumnOf(kTable, "Protocol Type");
constexpr int kIcmpOption = ColumnOf(kTable, "ICMP Option");
constexpr int kIgmpOption = ColumnOf(kTable, "IGMP Option");
constexpr int kTcpOption = ColumnOf(kTable, "TCP Optio"); // the catalogue's captions
constexpr int kUdpOption = ColumnOf(kTable, "UDP Optio");
constexpr int kSrcPortMask = ColumnOf(kTable, "TCP/UDP Source Port Mask");
constexpr int kDstPortMask = ColumnOf(kTable, "TCP/UDP Destination Port Mask");
constexpr int kFlagBit = ColumnOf(kTable, "TCP Flag Bit");
constexpr int kFlagBitMask = ColumnOf(kTable, "TCP Flag Bit Mask");
constexpr int kProtocolIdOption = ColumnOf(kTable, "Protocol ID Option");
constexpr int kProtocolId = ColumnOf(kTable, "Protocol ID");
constexpr int kUserDefineMask = ColumnOf(kTable, "User Define Mask");
constexpr int kUnusedEntries = ColumnOf(kTable, "Unused Rule Entries");

constexpr FieldDefault kDisabled = FieldDefault::Option("disabled");

constexpr auto Line = [](auto... field) { return ProfileLine<T>(field...); };

// The ingress editor's fields in this table's column order, at the same places, with its rules;
// a reset gives VLAN "enabled", and no empty mask is left out of a write.
// clang-format off
constexpr Field<T> kFields[] = {
    KeyField(Line(kProfileId, "Profile ID (1-4)", &T::edtProfileID, "%i{n1x4l1}", &T::ProfileGroup, At(0, 0))),
    ProfileRowStatus(kRowStatus, &T::cbbRowStatus, &T::RowStatusLabel, &T::OtherGroup, At(1, 0)),
    KeyField(Line(kProfileName, "Profile Name", &T::edtProfileName, "%s", &T::ProfileGroup, At(1, 0))),
    DefaultedField(Line(kVlan, "VLAN", &T::cbbVlan, nullptr, &T::OptionGroup, At(0, 0)), FieldDefault::Option("enabled")),
    RuledField(Line(kVlanMask, "VLAN Mask (0000-0FFF)", &T::edtVLANMask, "%h{l4f}", &T::OptionGroup, At(0, 1)), kVlanMaskRule),
    DefaultedField(Line(kMaskState, "IPv4 Address Mask State", &T::cbbIpAddMaskState, nullptr, &T::OptionGroup, At(0, 2)), FieldDefault::Option("other")),
    RuledField(Line(kSrcMask, "Source IPv4 Mask", &T::edtIpAddMaskSrc, "%s{I}", &T::OptionGroup, At(0, 3)), kSourceMaskRule),
    RuledField(Line(kDstMask, "Destination IPv4 Mask", &T::edtIpAddMaskDst, "%s{I}", &T::OptionGroup, At(0, 4)), kDestinationMaskRule),
    DefaultedField(Line(kDscp, "DSCP", &T::cbbUseDSCP, nullptr, &T::OptionGroup, At(0, 5)), kDisabled),
    DefaultedField(Line(kProtocolType, "Protocol Type", &T::cbbUseProType, nullptr, &T::OptionGroup, At(1, 0)), FieldDefault::Option("none")),
    RuledField(Line(kIcmpOption, "ICMP Option", &T::cbbICMP, nullptr, &T::OptionGroup, At(1, 1)), kIcmpRule),
    RuledField(Line(kIgmpOption, "IGMP Option", &T::cbbIGMP, nullptr, &T::OptionGroup, At(1, 2)), kIgmpRule),
    RuledField(Line(kTcpOption, "TCP Option", &T::cbbTCPOption, nullptr, &T::OptionGroup, At(1, 3)), kTcpRule),
    RuledField(Line(kUdpOption, "UDP Option", &T::cbbUDPOption, nullptr, &T::OptionGroup, At(1, 4)), kUdpRule),
    RuledField(Line(kSrcPortMask, "TCP/UDP Srouce Port Mask (0-FFFF)", &T::edtTCPUDPSrcMask, "%h{l4}", &T::OptionGroup, At(1, 5)), kSourcePortMaskRule),
    RuledField(Line(kDstPortMask, "TCP/UDP Destination Port Mask (0-FFFF)", &T::edtTCPUDPDstPortMask, "%h{l4}", &T::OptionGroup, At(1, 6)), kDestinationPortMaskRule),
    RuledField(Line(kFlagBit, "TCP Flag Bit Option", &T::cbbTCPFlagBitOption, nullptr, &T::OptionGroup, At(1, 7)), kTcpRule),
    RuledField(Line(kFlagBitMask, "TCP Flag Bit Mask (0-63)", &T::edtTCPFlagBitMask, "%i{n0x63l2}", &T::OptionGroup, At(1, 8)), kFlagBitMaskRule),
    RuledField(Line(kProtocolIdOption, "Protocol ID Option", &T::cbbProOption, nullptr, &T::OptionGroup, At(0, 6)), kProtocolIdOptionRule),
    RuledField(Line(kProtocolId, "Protocol ID (0-255)", &T::edtProtoID, "%i{n0x255l3}", &T::OptionGroup, At(0, 7)), kProtocolIdRule),
    RuledField(Line(kUserDefineMask, "User Define Mask (0-FFFFFFFF)", &T::edtProIDMask, "%h{l8}", &T::OptionGroup, At(0, 8)), kProtocolIdRule),
    ProfileFact(Line(kUnusedEntries, "Unused Rule Entries", &T::edtEntries, "%i", &T::OtherGroup, At(0, 0), FieldKind::Edit)),
};
// clang-format on

constexpr ProfileGroupBox<T> kGroups[] = {{&T::ProfileGroup, "Profile", 0, 1},
                                          {&T::OptionGroup, "Option", 48, 9},
                                          {&T::OtherGroup, "Other", 290, 1}};

IpProfileDesign EgressDesign() {
    ProfileEditorOptions options;
    options.Table = EgressIPv4ProfileTable;
    options.LastId = 4;
    options.IdColumn = kProfileId;
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
        {options, kFields, kTable, kGroups, kIPProfileHalves.GroupWidth() - 4, kIPProfileStart},
        "protocolId"};
}

} // namespace

TEgressIPv4ProfileForm::TEgressIPv4ProfileForm(TComponent* owner) : TIPProfileForm(owner, EgressDesign()) {}
