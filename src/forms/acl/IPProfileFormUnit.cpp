#include "IPProfileFormUnit.h"

#include "CatalogueColumns.h"
#include "DialogTexts.h"
#include "FieldChecks.h"
#include "Oid_acl.h"
#include "TComboBox.h"
#include "TEdit.h"
#include "TGroupBox.h"
#include "TLabel.h"

TIPProfileForm* IPProfileForm = nullptr;

namespace {

using T = TIPProfileForm;
using namespace IpProfileFieldRules;

constexpr auto& kTable = Columns::IPProfileTable;
constexpr int kProfileId = ColumnOf(kTable, "Profile ID");
constexpr int kVlan = ColumnOf(kTable, "VLAN");
constexpr int kMaskState = ColumnOf(kTable, "Address Mask State");
constexpr int kSrcMask = ColumnOf(kTable, "Source IP Address Mask");
constexpr int kDstMask = ColumnOf(kTable, "Destination IP Address Mask");
constexpr int kDscp = ColumnOf(kTable, "DSCP");
constexpr int kProtocolType = ColumnOf(kTable, "Protocol Type");
constexpr int kIcmpOption = ColumnOf(kTable, "ICMP Option");
constexpr int kIgmpOption = ColumnOf(kTable, "IGMP Option");
constexpr int kTcpOption = ColumnOf(kTable, "TCP Option");
constexpr int kUdpOption = ColumnOf(kTable, "UDP Option");
constexpr int kSrcPortMask = ColumnOf(kTable, "TCP/UDP Source Port Mask");
constexpr int kDstPortMask = ColumnOf(kTable, "TCP/UDP Destination Port Mask");
constexpr int kFlagBit = ColumnOf(kTable, "TCP Flag Bit");
constexpr int kFlagBitMask = ColumnOf(kTable, "TCP Flag Bit Mask");
constexpr int kProtocolIdOption = ColumnOf(kTable, "Protocol ID Option");
constexpr int kProtocolId = ColumnOf(kTable, "Protocol ID");
constexpr int kUserDefineMask = ColumnOf(kTable, "User Define Mask");
constexpr int kRowStatus = ColumnOf(kTable, "Row Status");
constexpr int kOwner = ColumnOf(kTable, "Owner");
constexpr int kSrcMacMask = ColumnOf(kTable, "Source MAC Address Mask");
constexpr int kUnusedEntries = ColumnOf(kTable, "Unused Rule Entries");
constexpr int kProfileName = ColumnOf(kTable, "Profile Name");
constexpr int kVlanMask = ColumnOf(kTable, "VLAN Mask");

constexpr FieldPlace At(int half, int row) {
    return kIPProfileHalves.At(half, row);
}

// What a reset selects.
constexpr FieldDefault kDisabled = FieldDefault::Option("disabled");
constexpr FieldDefault kOther = FieldDefault::Option("other");
constexpr FieldDefault kNone = FieldDefault::Option("none");

// The family's field line over this dialog's members.
constexpr auto Line = [](auto... field) { return ProfileLine<T>(field...); };

// The fields in column order: label, value control, constraint, group box and place, and their
// rules.
// clang-format off
constexpr Field<T> kFields[] = {
    KeyField(Line(kProfileId, "Profile ID (1-6)", &T::edtProfileID, "%i{n1x6l1}", &T::ProfileGroup, At(0, 0))),
    DefaultedField(Line(kVlan, "VLAN", &T::cbbVlan, nullptr, &T::OptionGroup, At(0, 0)), kDisabled),
    DefaultedField(Line(kMaskState, "IPv4 Address Mask State", &T::cbbIpAddMaskState, nullptr, &T::OptionGroup, At(0, 2)), kOther),
    RuledField(Line(kSrcMask, "Source IPv4 Address Mask", &T::edtIpAddMaskSrc, "%s{I}", &T::OptionGroup, At(0, 3)), kSourceMaskRule),
    RuledField(Line(kDstMask, "Destination IPv4 Address Mask ", &T::edtIpAddMaskDst, "%s{I}", &T::OptionGroup, At(0, 4)), kDestinationMaskRule),
    DefaultedField(Line(kDscp, "DSCP", &T::cbbUseDSCP, nullptr, &T::OptionGroup, At(0, 5)), kDisabled),
    DefaultedField(Line(kProtocolType, "Protocol Type", &T::cbbUseProType, nullptr, &T::OptionGroup, At(1, 0)), kNone),
    RuledField(Line(kIcmpOption, "ICMP Option", &T::cbbICMP, nullptr, &T::OptionGroup, At(1, 1)), kIcmpRule),
    RuledField(Line(kIgmpOption, "IGMP Option", &T::cbbIGMP, nullptr, &T::OptionGroup, At(1, 2)), kIgmpRule),
    RuledField(Line(kTcpOption, "TCP Option", &T::cbbTCPOption, nullptr, &T::OptionGroup, At(1, 3)), kTcpRule),
    RuledField(Line(kUdpOption, "UDP Option", &T::cbbUDPOption, nullptr, &T::OptionGroup, At(1, 4)), kUdpRule),
    RuledField(Line(kSrcPortMask, "TCP/UDP Srouce Port Mask (0-FFFF)", &T::edtTCPUDPSrcMask, "%h{l4}", &T::OptionGroup, At(1, 5)), kSourcePortMaskRule),
    RuledField(Line(kDstPortMask, "TCP/UDP Destination Port Mask (0-FFFF)", &T::edtTCPUDPDstPortMask, "%h{l4}", &T::OptionGroup, At(1, 6)), kDestinationPortMaskRule),
    RuledField(Line(kFlagBit, "TCP Flag Bit Option", &T::cbbTCPFlagBitOption, nullptr, &T::OptionGroup, At(1, 7)), kTcpRule),
    RuledField(Line(kFlagBitMask, "TCP Flag Bit Mask (0-63)", &T::edtTCPFlagBitMask, "%i{n0x63l2}", &T::OptionGroup, At(1, 8)), kFlagBitMaskRule),
    RuledField(Line(kProtocolIdOption, "Protocol ID Option", &T::cbbProOption, nullptr, &T::OptionGroup, At(0, 6)), kProtocolIdOptionRule),
    RuledField(Line(kProtocolId, "Protocol ID (0-255)", &T::edtProtoID, "%i{n0x255l3}", &T::OptionGroup, At(0, 7), FieldKind::Edit), kProtocolIdRule),
    MaskField(RuledField(Line(kUserDefineMask, "User Define Mask (0-FFFFFFFF)", &T::edtProIDMask, "%h{l8}", &T::OptionGroup, At(0, 8)), kProtocolIdRule)),
    ProfileRowStatus(kRowStatus, &T::cbbRowStatus, &T::RowStatusLabel, &T::OtherGroup, At(1, 0)),
    DefaultedField(ProfileFact(Line(kOwner, "Owner", &T::cbbOwner, nullptr, &T::OtherGroup, At(0, 0), FieldKind::ComboBox)), FieldDefault::Option("acl")),
    ProfileFact(Line(kSrcMacMask, "Source MAC Address Mask", &T::edtSrcMacAddrMask, "%s", &T::OtherGroup, At(0, 1), FieldKind::Edit)),
    ProfileFact(Line(kUnusedEntries, "Unused Rule Entries", &T::edtEntries, "%i", &T::OtherGroup, At(1, 1), FieldKind::Edit)),
    KeyField(Line(kProfileName, "Profile Name", &T::edtProfileName, "%s", &T::ProfileGroup, At(1, 0))),
    MaskField(RuledField(Line(kVlanMask, "VLAN Mask (0000-0FFF)", &T::edtVLANMask, "%h{l4f}", &T::OptionGroup, At(0, 1)), kVlanMaskRule)),
};
// clang-format on

constexpr ProfileGroupBox<T> kGroups[] = {{&T::ProfileGroup, "Profile", 0, 1},
                                          {&T::OptionGroup, "Option", 48, 9},
                                          {&T::OtherGroup, "Other", 290, 2}};

IpProfileDesign IngressDesign() {
    ProfileEditorOptions options;
    options.Table = IPProfileTable;
    options.IdColumn = kProfileId;
    options.RowStatusColumn = kRowStatus;
    options.NameColumn = kProfileName;
    options.IdMustBeSet = DialogText::kProfileIdMustBeSet;
    options.NameMustBeSet = DialogText::kProfileNameMustBeSet;
    options.DuplicateIdText = DialogText::kSameIpMaskId;
    options.DuplicateNameText = DialogText::kSameProfileName;
    options.DesignWidth = 741;
    options.DesignHeight = 674;
    return IpProfileDesign{
        {options, kFields, kTable, kGroups, kIPProfileHalves.GroupWidth(), kIPProfileStart}};
}

} // namespace

TIPProfileForm::TIPProfileForm(TComponent* owner) : TIPProfileForm(owner, IngressDesign()) {}

TIPProfileForm::TIPProfileForm(TComponent* owner, const IpProfileDesign& design)
    : TAclProfileForm(owner, design.Options), ProtocolIdItem(design.ProtocolIdItem) {
    BuildDesign(this, static_cast<const ProfileDesign<T>&>(design));
    cbbVlan->OnChange = Bind(this, &T::cbbVlanChange);
    cbbIpAddMaskState->OnChange = Bind(this, &T::cbbIpAddMaskStateChange);
    cbbUseProType->OnChange = Bind(this, &T::cbbUseProTypeChange);
    cbbTCPOption->OnChange = Bind(this, &T::cbbTCPOptionChange);
    cbbUDPOption->OnChange = Bind(this, &T::cbbUDPOptionChange);
    cbbProOption->OnChange = Bind(this, &T::cbbProOptionChange);
    cbbTCPFlagBitOption->OnChange = Bind(this, &T::cbbTCPFlagBitOptionChange);
}

bool TIPProfileForm::ProtocolIdChosen(const T& form, bool) {
    return OptionSelected(form.cbbUseProType, form.ProtocolIdItem);
}

bool TIPProfileForm::TcpChosen(const T& form, bool) {
    return OptionSelected(form.cbbUseProType, "tcp");
}

bool TIPProfileForm::SourceAddressMasked(const T& form, bool) {
    return NamesSource(form.cbbIpAddMaskState);
}

bool TIPProfileForm::DestinationAddressMasked(const T& form, bool) {
    return NamesDestination(form.cbbIpAddMaskState);
}

// The option of the protocol type chosen: UDP's, TCP's, or none.
const TComboBox* TIPProfileForm::PortOption() const {
    if (OptionSelected(cbbUseProType, "udp")) {
        return cbbUDPOption;
    }
    return OptionSelected(cbbUseProType, "tcp") ? cbbTCPOption : nullptr;
}

bool TIPProfileForm::SourcePortMasked(const T& form, bool) {
    const TComboBox* option = form.PortOption();
    return option && NamesSource(option);
}

bool TIPProfileForm::DestinationPortMasked(const T& form, bool) {
    const TComboBox* option = form.PortOption();
    return option && NamesDestination(option);
}

void TIPProfileForm::cbbVlanChange(TObject*) {
    UpdateFields();
}

void TIPProfileForm::cbbIpAddMaskStateChange(TObject*) {
    UpdateFields();
}

void TIPProfileForm::cbbUseProTypeChange(TObject*) {
    UpdateFields();
}

void TIPProfileForm::cbbTCPOptionChange(TObject*) {
    UpdateFields();
}

void TIPProfileForm::cbbUDPOptionChange(TObject*) {
    UpdateFields();
}

void TIPProfileForm::cbbProOptionChange(TObject*) {
    UpdateFields();
}

void TIPProfileForm::cbbTCPFlagBitOptionChange(TObject*) {
    UpdateFields();
}

bool TIPProfileForm::CheckMask(TEdit* mask) {
    if (mask->Text().empty() || !IsIPv4AddressText(mask)) {
        return RefuseInput(mask, DialogText::kValidMaskAddress);
    }
    return true;
}

bool TIPProfileForm::CheckFields() {
    if (OptionSelected(cbbVlan, "enabled") && edtVLANMask->Text().empty()) {
        return RefuseInput(edtVLANMask, DialogText::kPleaseEnterVlanMask);
    }
    if (NamesSource(cbbIpAddMaskState) && !CheckMask(edtIpAddMaskSrc)) {
        return false;
    }
    if (NamesDestination(cbbIpAddMaskState) && !CheckMask(edtIpAddMaskDst)) {
        return false;
    }
    return true;
}
