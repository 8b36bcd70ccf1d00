#include "EgressIPv6ProfileFormUnit.h"

#include "CatalogueColumns.h"
#include "DialogTexts.h"
#include "Oid_egressacl.h"

TEgressIPv6ProfileForm* EgressIPv6ProfileForm = nullptr;

namespace {

using T = TIPv6ProfileForm;
using namespace IPv6ProfileFieldRules;
constexpr FieldPlace At(int half, int row) {
    return kIPv6ProfileHalves.At(half, row);
}
constexpr FieldPlace Across(int row) {
    return kIPv6ProfileHalves.Across(row, kIPv6MaskWidth);
}

constexpr const char* kProfileIdMustBeSet = "IPv6 Profile ID must be set.";

constexpr auto& kTable = Columns::EgressIPv6ProfileTable;
constexpr int kProfileId = ColumnOf(kTable, "Profile ID");
constexpr int kRowStatus = ColumnOf(kTable, "Row Status");
constexpr int kProfileName = ColumnOf(kTable, "Profile Name");
constexpr int kClass = ColumnOf(kTable, "Class");
constexpr int kMaskState = ColumnOf(kTable, "IPv6 Address Mask State");
constexpr int kSrcMask = ColumnOf(kTable, "Source IPv6 Mask");
constexpr int kDstMask = ColumnOf(kTable, "Destination IPv6 Mask");
constexpr int kProtocolType = ColumnOf(kTable, "Protocol Type");
constexpr int kIcmpOption = ColumnOf(kTable, "ICMP Option");
constexpr int kTcpOption = ColumnOf(kTable, "TCP Option");
constexpr int kUdpOption = ColumnOf(kTable, "UDP Option");
constexpr int kSrcPortMask = ColumnOf(kTable, "TCP/UDP Source Port Mask");
constexpr int kDstPortMask = ColumnOf(kTable, "TCP/UDP Destination Port Mask");
constexpr int kUnusedEntries = ColumnOf(kTable, "Unused Rule Entries");

constexpr auto Line = [](auto... field) { return ProfileLine<T>(field...); };

// The ingress editor's fields in this table's column order, with its rules; Class is "disabled"
// after a reset. The IPv6 masks take 32 hexadecimal digits and the port masks 4: the port masks are
// read as hexadecimal, so nothing else is typed.
// clang-format off
constexpr Field<T> kFields[] = {
    KeyField(Line(kProfileId, "Profile ID (1-4)", &T::edtMaskID, "%i{n1x4l1}", &T::ProfileGroup, At(0, 0))),
    ProfileRowStatus(kRowStatus, &T::cbbRowStatus, &T::RowStatusLabel, &T::OtherGroup, At(1, 0)),
    KeyField(Line(kProfileName, "Profile Name", &T::edtProfileName, "%s{l32}", &T::ProfileGroup, At(1, 0))),
    DefaultedField(Line(kClass, "Class", &T::cbxMaskClass, nullptr, &T::OptionGroup, At(0, 0)), FieldDefault::Option("disabled")),
    Line(kMaskState, "Address Mask State", &T::cbxMaskState, nullptr, &T::OptionGroup, At(0, 1)),
    RuledField(Line(kSrcMask, "Source IPv6 Mask", &T::edtSrcMask, "%h{l32f}", &T::OptionGroup, Across(4)), kSourceMaskRule),
    RuledField(Line(kDstMask, "Destination IPv6 Mask", &T::edtDstMask, "%h{l32f}", &T::OptionGroup, Across(5)), kDestinationMaskRule),
    Line(kProtocolType, "Protocol Type", &T::ProtoTypeCombo, nullptr, &T::OptionGroup, At(1, 0)),
    RuledField(Line(kIcmpOption, "ICMP Option", &T::ICMPOptionCombo, nullptr, &T::OptionGroup, At(0, 2)), kIcmpRule),
    RuledField(Line(kTcpOption, "TCP Option", &T::TCPOptionCombo, nullptr, &T::OptionGroup, At(1, 1)), kTcpRule),
    RuledField(Line(kUdpOption, "UDP Option", &T::UDPOptionCombo, nullptr, &T::OptionGroup, At(1, 2)), kUdpRule),
    RuledField(Line(kSrcPortMask, "Source Port Mask", &T::SourcePortEdit, "%h{l4f}", &T::OptionGroup, At(0, 3)), kSourcePortMaskRule),
    RuledField(Line(kDstPortMask, "Desination Port Mask", &T::DstPortEdit, "%h{l4f}", &T::OptionGroup, At(1, 3)), kDestinationPortMaskRule),
    ProfileFact(Line(kUnusedEntries, "Unused Rule Entries", &T::edtEntries, "%i", &T::OtherGroup, At(0, 0), FieldKind::Edit)),
};
// clang-format on

constexpr ProfileGroupBox<T> kGroups[] = {{&T::ProfileGroup, "Profile", 0, 1},
                                          {&T::OptionGroup, "Option", 48, 6},
                                          {&T::OtherGroup, "Other", 218, 1}};

IPv6ProfileDesign EgressDesign() {
    ProfileEditorOptions options = IPv6ProfileRules();
    options.Table = EgressIPv6ProfileTable;
    options.LastId = 4;
    options.IdColumn = kProfileId;
    options.RowStatusColumn = kRowStatus;
    options.NameColumn = kProfileName;
    options.IdMustBeSet = kProfileIdMustBeSet;
    options.NameMustBeSet = DialogText::kProfileNameMustBeSet;
    options.DesignWidth = 696;
    options.DesignHeight = 495;
    return IPv6ProfileDesign{{options, kFields, kTable, kGroups, kIPv6ProfileHalves.GroupWidth()}, false};
}

} // namespace

TEgressIPv6ProfileForm::TEgressIPv6ProfileForm(TComponent* owner) : TIPv6ProfileForm(owner, EgressDesign()) {}
