#include "IPv6ProfileFormUnit.h"

#include "CatalogueColumns.h"
#include "DialogTexts.h"
#include "FieldChecks.h"
#include "FieldTable.h"
#include "InputValidators.h"
#include "Oid_acl.h"
#include "OptionItems.h"
#include "TComboBox.h"
#include "TEdit.h"
#include "TGroupBox.h"
#include "TLabel.h"
#include "TPanel.h"

TIPv6ProfileForm* IPv6ProfileForm = nullptr;

namespace {

using T = TIPv6ProfileForm;
using namespace IPv6ProfileFieldRules;
constexpr FieldPlace At(int half, int row) {
    return kIPv6ProfileHalves.At(half, row);
}
constexpr FieldPlace Across(int row) {
    return kIPv6ProfileHalves.Across(row, kIPv6MaskWidth);
}

constexpr const char* kMaskIdMustBeSet = "IPv6 Mask ID must be set.";
constexpr const char* kMaskNameMustBeSet = "IPv6 Mask Name must be set.";
constexpr const char* kSomeCheckedFieldEmpty = "Some checked field is empty.";

constexpr auto& kTable = Columns::IPv6ProfileTable;
constexpr int kProfileId = ColumnOf(kTable, "Profile ID");
constexpr int kClass = ColumnOf(kTable, "Mask Class");
constexpr int kFlowLabel = ColumnOf(kTable, "Flow Label");
constexpr int kMaskState = ColumnOf(kTable, "IPv6 Address Mask State");
constexpr int kSrcMask = ColumnOf(kTable, "Source IPv6 Mask");
constexpr int kDstMask = ColumnOf(kTable, "Destination IPv6 Mask");
constexpr int kRowStatus = ColumnOf(kTable, "Row Status");
constexpr int kOwner = ColumnOf(kTable, "Owner");
constexpr int kUnusedEntries = ColumnOf(kTable, "Unused Rule Entries");
constexpr int kProfileName = ColumnOf(kTable, "Profile Name");
constexpr int kProtocolType = ColumnOf(kTable, "Use Protocol Type");
constexpr int kTcpOption = ColumnOf(kTable, "TCP Option");
constexpr int kUdpOption = ColumnOf(kTable, "UDP Option");
constexpr int kSrcPortMask = ColumnOf(kTable, "Source Port Mask");
constexpr int kDstPortMask = ColumnOf(kTable, "Destination Port Mask");
constexpr int kIcmpOption = ColumnOf(kTable, "ICMP Option");

// Class and Flow Label after a reset.
constexpr FieldDefault kOff = FieldDefault::Option("disable");

constexpr auto Line = [](auto... field) { return ProfileLine<T>(field...); };

// The fields in column order: label, value control, constraint, group box and place, and their
// rules.
// clang-format off
constexpr Field<T> kFields[] = {
    KeyField(Line(kProfileId, "Profile ID (1-6)", &T::edtMaskID, "%i{n1x6l1}", &T::ProfileGroup, At(0, 0))),
    DefaultedField(Line(kClass, "Class", &T::cbxMaskClass, nullptr, &T::OptionGroup, At(0, 0)), kOff),
    DefaultedField(Line(kFlowLabel, "Flow Label", &T::cbxMaskFlowlabel, nullptr, &T::OptionGroup, At(0, 1)), kOff),
    Line(kMaskState, "Address Mask State", &T::cbxMaskState, nullptr, &T::OptionGroup, At(0, 2)),
    RuledField(Line(kSrcMask, "Source IPv6 Mask", &T::edtSrcMask, "%s{l32f}", &T::OptionGroup, Across(5)), kSourceMaskRule),
    RuledField(Line(kDstMask, "Destination IPv6 Mask", &T::edtDstMask, "%s{l32f}", &T::OptionGroup, Across(6)), kDestinationMaskRule),
    ProfileRowStatus(kRowStatus, &T::cbbRowStatus, &T::RowStatusLabel, &T::OtherGroup, At(1, 1)),
    ProfileFact(Line(kOwner, "Owner", &T::cbbOwner, nullptr, &T::OtherGroup, At(0, 0), FieldKind::ComboBox)),
    ProfileFact(Line(kUnusedEntries, "Unused Rule Entries", &T::edtEntries, "%i", &T::OtherGroup, At(1, 0), FieldKind::Edit)),
    KeyField(Line(kProfileName, "Profile Name", &T::edtProfileName, "%s{l32}", &T::ProfileGroup, At(1, 0))),
    Line(kProtocolType, "Protocol Type", &T::ProtoTypeCombo, nullptr, &T::OptionGroup, At(1, 0)),
    RuledField(Line(kTcpOption, "TCP Option", &T::TCPOptionCombo, nullptr, &T::OptionGroup, At(1, 1)), kTcpRule),
    RuledField(Line(kUdpOption, "UDP Option", &T::UDPOptionCombo, nullptr, &T::OptionGroup, At(1, 2)), kUdpRule),
    RuledField(Line(kSrcPortMask, "Source Port Mask", &T::SourcePortEdit, "%h{l4f}", &T::OptionGroup, At(0, 3)), kSourcePortMaskRule),
    RuledField(Line(kDstPortMask, "Desination Port Mask", &T::DstPortEdit, "%h{l4f}", &T::OptionGroup, At(1, 3)), kDestinationPortMaskRule),
    RuledField(Line(kIcmpOption, "ICMP Option", &T::ICMPOptionCombo, nullptr, &T::OptionGroup, At(1, 4)), kIcmpRule),
};
// clang-format on

constexpr ProfileGroupBox<T> kGroups[] = {{&T::ProfileGroup, "Profile", 0, 1},
                                          {&T::OptionGroup, "Option", 48, 7},
                                          {&T::OtherGroup, "Other", 242, 1}};

IPv6ProfileDesign IngressDesign() {
    ProfileEditorOptions options = IPv6ProfileRules();
    options.Table = IPv6ProfileTable;
    options.IdColumn = kProfileId;
    options.RowStatusColumn = kRowStatus;
    options.NameColumn = kProfileName;
    options.IdMustBeSet = kMaskIdMustBeSet;
    options.NameMustBeSet = kMaskNameMustBeSet;
    options.DesignWidth = 706;
    options.DesignHeight = 521;
    return IPv6ProfileDesign{{options, kFields, kTable, kGroups, kIPv6ProfileHalves.GroupWidth()}};
}

// A rule over an option box: as it says, or, without a selection, the field as it is.
bool Ruled(const TComboBox* option, const TControl* field, bool holds) {
    return option->ItemIndex() < 0 ? field->Enabled() : holds;
}

} // namespace

ProfileEditorOptions IPv6ProfileRules() {
    ProfileEditorOptions options;
    options.DuplicateIdText = DialogText::kSameProfileIdModify;
    options.DuplicateNameText = DialogText::kSameProfileNameModify;
    options.RequireCreateAndGo = true;
    options.ReReadAfterFailedWrite = false;
    options.ReReadAfterFailedDelete = true;
    options.ComboReset = FieldDefault::FirstItem(); // the owner too: "any"
    options.ListHeight = 144;
    options.ButtonMargin = 18; // a column 112 wide
    return options;
}

TIPv6ProfileForm::TIPv6ProfileForm(TComponent* owner) : TIPv6ProfileForm(owner, IngressDesign()) {}

TIPv6ProfileForm::TIPv6ProfileForm(TComponent* owner, const IPv6ProfileDesign& design)
    : TAclProfileForm(owner, design.Options), CheckMasks(design.CheckMasks) {
    BuildDesign(this, static_cast<const ProfileDesign<T>&>(design));
    cbxMaskState->OnChange = Bind(this, &T::cbxMaskStateChange);
    ProtoTypeCombo->OnChange = Bind(this, &T::ProtoTypeComboChange);
    TCPOptionCombo->OnChange = Bind(this, &T::TCPOptionComboChange);
    UDPOptionCombo->OnChange = Bind(this, &T::UDPOptionComboChange);
}

bool TIPv6ProfileForm::SourceMasked(const T& form, bool) {
    return Ruled(form.cbxMaskState, form.edtSrcMask, NamesSource(form.cbxMaskState));
}

bool TIPv6ProfileForm::DestinationMasked(const T& form, bool) {
    return Ruled(form.cbxMaskState, form.edtDstMask, NamesDestination(form.cbxMaskState));
}

bool TIPv6ProfileForm::TcpChosen(const T& form, bool) {
    return Ruled(form.ProtoTypeCombo, form.TCPOptionCombo, OptionSelected(form.ProtoTypeCombo, "tcp"));
}

bool TIPv6ProfileForm::UdpChosen(const T& form, bool) {
    return Ruled(form.ProtoTypeCombo, form.UDPOptionCombo, OptionSelected(form.ProtoTypeCombo, "udp"));
}

bool TIPv6ProfileForm::IcmpChosen(const T& form, bool) {
    return Ruled(form.ProtoTypeCombo, form.ICMPOptionCombo, OptionSelected(form.ProtoTypeCombo, "icmp"));
}

// The option of the protocol type chosen: TCP's, UDP's, or none; a disabled option keeps its item.
const TComboBox* TIPv6ProfileForm::PortOption() const {
    if (OptionSelected(ProtoTypeCombo, "tcp")) {
        return TCPOptionCombo;
    }
    return OptionSelected(ProtoTypeCombo, "udp") ? UDPOptionCombo : nullptr;
}

bool TIPv6ProfileForm::SourcePortMasked(const T& form, bool) {
    const TComboBox* option = form.PortOption();
    return Ruled(form.ProtoTypeCombo, form.SourcePortEdit, option && NamesSource(option));
}

bool TIPv6ProfileForm::DestinationPortMasked(const T& form, bool) {
    const TComboBox* option = form.PortOption();
    return Ruled(form.ProtoTypeCombo, form.DstPortEdit, option && NamesDestination(option));
}

void TIPv6ProfileForm::cbxMaskStateChange(TObject*) {
    UpdateFields();
}

void TIPv6ProfileForm::ProtoTypeComboChange(TObject*) {
    UpdateFields();
}

void TIPv6ProfileForm::TCPOptionComboChange(TObject*) {
    UpdateFields();
}

void TIPv6ProfileForm::UDPOptionComboChange(TObject*) {
    UpdateFields();
}

bool TIPv6ProfileForm::CheckMask(TEdit* mask) {
    if (mask->Text().empty()) {
        return RefuseInput(mask, kSomeCheckedFieldEmpty);
    }
    if (!CheckIPv6Text(mask)) {
        FocusField(mask);
        return false;
    }
    return true;
}

bool TIPv6ProfileForm::CheckFields() {
    if (!CheckMasks) {
        return true;
    }
    // The source before the destination.
    if (NamesSource(cbxMaskState) && !CheckMask(edtSrcMask)) {
        return false;
    }
    return !NamesDestination(cbxMaskState) || CheckMask(edtDstMask);
}
