#include "EgressIPv6ProfileFormUnit.h"

#include "CatalogueColumns.h"
#include "DialogTexts.h"
#include "Oid_egressacl.h"

TEgressIPv6ProfileForm* EgressIPv6ProfileForm = nullptr;

namespace {

using T = TIPv6ProfileForm;
constexpr FieldPlace At(int half, int row) {
    return kIPv6ProfileHalves.At(half, row);
}
constexpr FieldPlace Across(int row) {
    return kIPv6ProfileHalves.Across(row, kIPv6MaskWidth);
}

constexpr const char* kProfileIdMustBeSet = "IPv6 Profile ID must be set.";

constexpr auto& kTable = Columns::EgressIPv6ProfileTable;
constexpr int kRowStatus = ColumnOf(kTable, "Row Status");
constexpr int kProfileName = ColumnOf(kTable, "Profile Name");

constexpr auto Line = [](auto... field) { return ProfileLine<T>(field...); };

// The ingress editor's fields in this table's column order. The IPv6 masks take 32 hexadecimal
// digits and the port masks 4: the port masks are read as hexadecimal, so nothing else is typed.
// clang-format off
constexpr Field<T> kFields[] = {
    Line(0, "Profile ID (1-4)", &T::edtMaskID, "%i{n1x4l1}", &T::ProfileGroup, At(0, 0)),
    {.Column = 1, .Caption = "Row Status", .Control = &T::cbbRowStatus, .Label = &T::RowStatusLabel, .Group = &T::OtherGroup, .Place = At(1, 0), .Flags = kFieldHidden},
    Line(2, "Profile Name", &T::edtProfileName, "%s{l32}", &T::ProfileGroup, At(1, 0)),
    Line(3, "Class", &T::cbxMaskClass, nullptr, &T::OptionGroup, At(0, 0)),
    Line(4, "Address Mask State", &T::cbxMaskState, nullptr, &T::OptionGroup, At(0, 1)),
    Line(5, "Source IPv6 Mask", &T::edtSrcMask, "%h{l32f}", &T::OptionGroup, Across(4)),
    Line(6, "Destination IPv6 Mask", &T::edtDstMask, "%h{l32f}", &T::OptionGroup, Across(5)),
    Line(7, "Protocol Type", &T::ProtoTypeCombo, nullptr, &T::OptionGroup, At(1, 0)),
    Line(8, "ICMP Option", &T::ICMPOptionCombo, nullptr, &T::OptionGroup, At(0, 2)),
    Line(9, "TCP Option", &T::TCPOptionCombo, nullptr, &T::OptionGroup, At(1, 1)),
    Line(10, "UDP Option", &T::UDPOptionCombo, nullptr, &T::OptionGroup, At(1, 2)),
    Line(11, "Source Port Mask", &T::SourcePortEdit, "%h{l4f}", &T::OptionGroup, At(0, 3)),
    Line(12, "Desination Port Mask", &T::DstPortEdit, "%h{l4f}", &T::OptionGroup, At(1, 3)),
    Line(13, "Unused Rule Entries", &T::edtEntries, "%i", &T::OtherGroup, At(0, 0), FieldKind::Edit),
};
// clang-format on

constexpr ProfileGroupBox<T> kGroups[] = {{&T::ProfileGroup, "Profile", 0, 1},
                                          {&T::OptionGroup, "Option", 48, 6},
                                          {&T::OtherGroup, "Other", 218, 1}};

IPv6ProfileDesign EgressDesign() {
    ProfileEditorOptions options = IPv6ProfileRules();
    options.Table = EgressIPv6ProfileTable;
    options.LastId = 4;
    options.RowStatusColumn = kRowStatus;
    options.NameColumn = kProfileName;
    options.IdMustBeSet = kProfileIdMustBeSet;
    options.NameMustBeSet = DialogText::kProfileNameMustBeSet;
    options.DesignWidth = 696;
    options.DesignHeight = 495;
    return IPv6ProfileDesign{
        {options, kFields, kTable, kGroups, kIPv6ProfileHalves.GroupWidth()}, "disabled", false};
}

} // namespace

TEgressIPv6ProfileForm::TEgressIPv6ProfileForm(TComponent* owner) : TIPv6ProfileForm(owner, EgressDesign()) {}
