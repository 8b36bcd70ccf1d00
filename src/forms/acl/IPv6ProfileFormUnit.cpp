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
constexpr int kRowStatus = ColumnOf(kTable, "Row Status");
constexpr int kProfileName = ColumnOf(kTable, "Profile Name");

constexpr auto Line = [](auto... field) { return ProfileLine<T>(field...); };

// The fields in column order: label, value control, constraint, group box and place.
// clang-format off
constexpr Field<T> kFields[] = {
    Line(0, "Profile ID (1-6)", &T::edtMaskID, "%i{n1x6l1}", &T::ProfileGroup, At(0, 0)),
    Line(1, "Class", &T::cbxMaskClass, nullptr, &T::OptionGroup, At(0, 0)),
    Line(2, "Flow Label", &T::cbxMaskFlowlabel, nullptr, &T::OptionGroup, At(0, 1)),
    Line(3, "Address Mask State", &T::cbxMaskState, nullptr, &T::OptionGroup, At(0, 2)),
    Line(4, "Source IPv6 Mask", &T::edtSrcMask, "%s{l32f}", &T::OptionGroup, Across(5)),
    Line(5, "Destination IPv6 Mask", &T::edtDstMask, "%s{l32f}", &T::OptionGroup, Across(6)),
    {.Column = 6, .Caption = "Row Status", .Control = &T::cbbRowStatus, .Label = &T::RowStatusLabel, .Group = &T::OtherGroup, .Place = At(1, 1), .Flags = kFieldHidden},
    Line(7, "Owner", &T::cbbOwner, nullptr, &T::OtherGroup, At(0, 0), FieldKind::ComboBox),
    Line(8, "Unused Rule Entries", &T::edtEntries, "%i", &T::OtherGroup, At(1, 0), FieldKind::Edit),
    Line(9, "Profile Name", &T::edtProfileName, "%s{l32}", &T::ProfileGroup, At(1, 0)),
    Line(10, "Protocol Type", &T::ProtoTypeCombo, nullptr, &T::OptionGroup, At(1, 0)),
    Line(11, "TCP Option", &T::TCPOptionCombo, nullptr, &T::OptionGroup, At(1, 1)),
    Line(12, "UDP Option", &T::UDPOptionCombo, nullptr, &T::OptionGroup, At(1, 2)),
    Line(13, "Source Port Mask", &T::SourcePortEdit, "%h{l4f}", &T::OptionGroup, At(0, 3)),
    Line(14, "Desination Port Mask", &T::DstPortEdit, "%h{l4f}", &T::OptionGroup, At(1, 3)),
    Line(15, "ICMP Option", &T::ICMPOptionCombo, nullptr, &T::OptionGroup, At(1, 4)),
};
// clang-format on

constexpr ProfileGroupBox<T> kGroups[] = {{&T::ProfileGroup, "Profile", 0, 1},
                                          {&T::OptionGroup, "Option", 48, 7},
                                          {&T::OtherGroup, "Other", 242, 1}};

constexpr const char* kOwnerAcl = "acl";

IPv6ProfileDesign IngressDesign() {
    ProfileEditorOptions options = IPv6ProfileRules();
    options.Table = IPv6ProfileTable;
    options.RowStatusColumn = kRowStatus;
    options.NameColumn = kProfileName;
    options.IdMustBeSet = kMaskIdMustBeSet;
    options.NameMustBeSet = kMaskNameMustBeSet;
    options.DesignWidth = 706;
    options.DesignHeight = 521;
    return IPv6ProfileDesign{{options, kFields, kTable, kGroups, kIPv6ProfileHalves.GroupWidth()}};
}

} // namespace

ProfileEditorOptions IPv6ProfileRules() {
    ProfileEditorOptions options;
    options.DuplicateIdText = DialogText::kSameProfileIdModify;
    options.DuplicateNameText = DialogText::kSameProfileNameModify;
    options.RequireCreateAndGo = true;
    options.ReReadAfterFailedWrite = false;
    options.ReReadAfterFailedDelete = true;
    options.ListHeight = 144;
    options.ButtonMargin = 18; // a column 112 wide
    return options;
}

TIPv6ProfileForm::TIPv6ProfileForm(TComponent* owner) : TIPv6ProfileForm(owner, IngressDesign()) {}

TIPv6ProfileForm::TIPv6ProfileForm(TComponent* owner, const IPv6ProfileDesign& design)
    : TAclProfileForm(owner, design.Options), Fields(design.Fields), Off(design.Off),
      CheckMasks(design.CheckMasks) {
    BuildDesign(this, static_cast<const ProfileDesign<T>&>(design));
    SetReadOnlyFacts({edtEntries, cbbOwner});
    IdEdit = edtMaskID;
    NameEdit = edtProfileName;

    cbxMaskState->OnChange = Bind(this, &T::cbxMaskStateChange);
    ProtoTypeCombo->OnChange = Bind(this, &T::ProtoTypeComboChange);
    TCPOptionCombo->OnChange = Bind(this, &T::TCPOptionComboChange);
    UDPOptionCombo->OnChange = Bind(this, &T::UDPOptionComboChange);
}

void TIPv6ProfileForm::BindFields(DialogRequest& request) {
    ::BindFields<T>(this, this, request, Fields);
}

void TIPv6ProfileForm::InitialSelections() {
    SelectOption(cbxMaskClass, Off);
    if (cbxMaskFlowlabel) {
        SelectOption(cbxMaskFlowlabel, Off);
    }
    SelectOption(cbxMaskState, "other");
    SelectOption(cbbRowStatus, Table.StatusItems.CreateAndGo);
    if (cbbOwner) {
        SelectOption(cbbOwner, kOwnerAcl);
    }
    SelectOption(ProtoTypeCombo, "none");
    SelectOption(TCPOptionCombo, "other");
    SelectOption(UDPOptionCombo, "other");
    SelectOption(ICMPOptionCombo, "none");
}

void TIPv6ProfileForm::ClearFields() {
    // Every combo box to its first item (the owner too: "any"), every edit emptied; then the
    // selections a new profile starts from.
    ResetControls(RowControls);
    SelectOption(cbxMaskClass, Off);
    if (cbxMaskFlowlabel) {
        SelectOption(cbxMaskFlowlabel, Off);
    }
    SelectOption(cbbRowStatus, Table.StatusItems.CreateAndGo);
}

void TIPv6ProfileForm::ResetRules() {
    ApplyProtocolRules();
    cbxMaskStateChange(nullptr);
}

void TIPv6ProfileForm::RowRules() {
    ApplyProtocolRules();
    cbxMaskStateChange(nullptr);
}

void TIPv6ProfileForm::cbxMaskStateChange(TObject*) {
    if (cbxMaskState->ItemIndex() < 0) {
        return;
    }
    SetFieldEnabled(edtSrcMask, NamesSource(cbxMaskState));
    SetFieldEnabled(edtDstMask, NamesDestination(cbxMaskState));
}

void TIPv6ProfileForm::ProtoTypeComboChange(TObject*) {
    ApplyProtocolRules();
}

void TIPv6ProfileForm::TCPOptionComboChange(TObject*) {
    ApplyProtocolRules();
}

void TIPv6ProfileForm::UDPOptionComboChange(TObject*) {
    ApplyProtocolRules();
}

void TIPv6ProfileForm::ApplyProtocolRules() {
    if (ProtoTypeCombo->ItemIndex() < 0) {
        return;
    }
    const bool tcp = OptionSelected(ProtoTypeCombo, "tcp");
    const bool udp = OptionSelected(ProtoTypeCombo, "udp");
    SetFieldEnabled(TCPOptionCombo, tcp);
    SetFieldEnabled(UDPOptionCombo, udp);
    SetFieldEnabled(ICMPOptionCombo, OptionSelected(ProtoTypeCombo, "icmp"));
    // The port masks follow the option of the protocol chosen; a disabled option keeps its item.
    TComboBox* option = tcp ? TCPOptionCombo : udp ? UDPOptionCombo : nullptr;
    SetFieldEnabled(SourcePortEdit, option && NamesSource(option));
    SetFieldEnabled(DstPortEdit, option && NamesDestination(option));
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

bool TIPv6ProfileForm::ValidateProfile() {
    if (!CheckMasks) {
        return true;
    }
    // The source before the destination.
    if (NamesSource(cbxMaskState) && !CheckMask(edtSrcMask)) {
        return false;
    }
    return !NamesDestination(cbxMaskState) || CheckMask(edtDstMask);
}
