#include "IPProfileFormUnit.h"

#include "CatalogueColumns.h"
#include "DialogTexts.h"
#include "FieldChecks.h"
#include "FieldTable.h"
#include "Oid_acl.h"
#include "OptionItems.h"
#include "TComboBox.h"
#include "TEdit.h"
#include "TGroupBox.h"
#include "TLabel.h"
#include "TPanel.h"

TIPProfileForm* IPProfileForm = nullptr;

namespace {

using T = TIPProfileForm;

constexpr auto& kTable = Columns::IPProfileTable;
constexpr int kUserDefineMask = ColumnOf(kTable, "User Define Mask");
constexpr int kRowStatus = ColumnOf(kTable, "Row Status");
constexpr int kProfileName = ColumnOf(kTable, "Profile Name");
constexpr int kVlanMask = ColumnOf(kTable, "VLAN Mask");

constexpr FieldPlace At(int half, int row) {
    return kIPProfileHalves.At(half, row);
}

// The family's field line over this dialog's members.
constexpr auto Line = [](auto... field) { return ProfileLine<T>(field...); };

// The fields in column order: label, value control, constraint, group box and place.
// clang-format off
constexpr Field<T> kFields[] = {
    Line(0, "Profile ID (1-6)", &T::edtProfileID, "%i{n1x6l1}", &T::ProfileGroup, At(0, 0)),
    Line(1, "VLAN", &T::cbbVlan, nullptr, &T::OptionGroup, At(0, 0)),
    Line(2, "IPv4 Address Mask State", &T::cbbIpAddMaskState, nullptr, &T::OptionGroup, At(0, 2)),
    Line(3, "Source IPv4 Address Mask", &T::edtIpAddMaskSrc, "%s{I}", &T::OptionGroup, At(0, 3)),
    Line(4, "Destination IPv4 Address Mask ", &T::edtIpAddMaskDst, "%s{I}", &T::OptionGroup, At(0, 4)),
    Line(5, "DSCP", &T::cbbUseDSCP, nullptr, &T::OptionGroup, At(0, 5)),
    Line(6, "Protocol Type", &T::cbbUseProType, nullptr, &T::OptionGroup, At(1, 0)),
    Line(7, "ICMP Option", &T::cbbICMP, nullptr, &T::OptionGroup, At(1, 1)),
    Line(8, "IGMP Option", &T::cbbIGMP, nullptr, &T::OptionGroup, At(1, 2)),
    Line(9, "TCP Option", &T::cbbTCPOption, nullptr, &T::OptionGroup, At(1, 3)),
    Line(10, "UDP Option", &T::cbbUDPOption, nullptr, &T::OptionGroup, At(1, 4)),
    Line(11, "TCP/UDP Srouce Port Mask (0-FFFF)", &T::edtTCPUDPSrcMask, "%h{l4}", &T::OptionGroup, At(1, 5)),
    Line(12, "TCP/UDP Destination Port Mask (0-FFFF)", &T::edtTCPUDPDstPortMask, "%h{l4}", &T::OptionGroup, At(1, 6)),
    Line(13, "TCP Flag Bit Option", &T::cbbTCPFlagBitOption, nullptr, &T::OptionGroup, At(1, 7)),
    Line(14, "TCP Flag Bit Mask (0-63)", &T::edtTCPFlagBitMask, "%i{n0x63l2}", &T::OptionGroup, At(1, 8)),
    Line(15, "Protocol ID Option", &T::cbbProOption, nullptr, &T::OptionGroup, At(0, 6)),
    Line(16, "Protocol ID (0-255)", &T::edtProtoID, "%i{n0x255l3}", &T::OptionGroup, At(0, 7), FieldKind::Edit),
    Line(17, "User Define Mask (0-FFFFFFFF)", &T::edtProIDMask, "%h{l8}", &T::OptionGroup, At(0, 8)),
    {.Column = 18, .Caption = "Row Status", .Control = &T::cbbRowStatus, .Label = &T::RowStatusLabel, .Group = &T::OtherGroup, .Place = At(1, 0), .Flags = kFieldHidden},
    Line(19, "Owner", &T::cbbOwner, nullptr, &T::OtherGroup, At(0, 0), FieldKind::ComboBox),
    Line(20, "Source MAC Address Mask", &T::edtSrcMacAddrMask, "%s", &T::OtherGroup, At(0, 1), FieldKind::Edit),
    Line(21, "Unused Rule Entries", &T::edtEntries, "%i", &T::OtherGroup, At(1, 1), FieldKind::Edit),
    Line(22, "Profile Name", &T::edtProfileName, "%s", &T::ProfileGroup, At(1, 0)),
    Line(23, "VLAN Mask (0000-0FFF)", &T::edtVLANMask, "%h{l4f}", &T::OptionGroup, At(0, 1)),
};
// clang-format on

// Items by their text in their option lists.
constexpr const char* kEnabled = "enabled";
constexpr const char* kDisabled = "disabled";
constexpr const char* kOwnerAcl = "acl";

constexpr ProfileGroupBox<T> kGroups[] = {{&T::ProfileGroup, "Profile", 0, 1},
                                          {&T::OptionGroup, "Option", 48, 9},
                                          {&T::OtherGroup, "Other", 290, 2}};

IpProfileDesign IngressDesign() {
    ProfileEditorOptions options;
    options.Table = IPProfileTable;
    options.RowStatusColumn = kRowStatus;
    options.NameColumn = kProfileName;
    options.IdMustBeSet = DialogText::kProfileIdMustBeSet;
    options.NameMustBeSet = DialogText::kProfileNameMustBeSet;
    options.DuplicateIdText = DialogText::kSameIpMaskId;
    options.DuplicateNameText = DialogText::kSameProfileName;
    options.EmptyMaskColumns = {kVlanMask, kUserDefineMask};
    options.DesignWidth = 741;
    options.DesignHeight = 674;
    return IpProfileDesign{{options, kFields, kTable, kGroups, kIPProfileHalves.GroupWidth()}};
}

} // namespace

TIPProfileForm::TIPProfileForm(TComponent* owner) : TIPProfileForm(owner, IngressDesign()) {}

TIPProfileForm::TIPProfileForm(TComponent* owner, const IpProfileDesign& design)
    : TAclProfileForm(owner, design.Options), Fields(design.Fields), VlanDefault(design.VlanDefault),
      ProtocolIdItem(design.ProtocolIdItem) {
    BuildDesign(this, static_cast<const ProfileDesign<T>&>(design));
    SetReadOnlyFacts({edtEntries, cbbOwner, edtSrcMacAddrMask});
    IdEdit = edtProfileID;
    NameEdit = edtProfileName;

    cbbVlan->OnChange = Bind(this, &T::cbbVlanChange);
    cbbIpAddMaskState->OnChange = Bind(this, &T::cbbIpAddMaskStateChange);
    cbbUseProType->OnChange = Bind(this, &T::cbbUseProTypeChange);
    cbbTCPOption->OnChange = Bind(this, &T::cbbTCPOptionChange);
    cbbUDPOption->OnChange = Bind(this, &T::cbbUDPOptionChange);
    cbbProOption->OnChange = Bind(this, &T::cbbProOptionChange);
    cbbTCPFlagBitOption->OnChange = Bind(this, &T::cbbTCPFlagBitOptionChange);
}

void TIPProfileForm::BindFields(DialogRequest& request) {
    ::BindFields<T>(this, this, request, Fields);
}

void TIPProfileForm::InitialSelections() {
    SelectOption(cbbVlan, VlanDefault);
    for (TComboBox* combo : {cbbUseDSCP, cbbIGMP, cbbTCPFlagBitOption, cbbProOption}) {
        SelectOption(combo, kDisabled);
    }
    for (TComboBox* combo : {cbbIpAddMaskState, cbbTCPOption, cbbUDPOption}) {
        SelectOption(combo, "other");
    }
    for (TComboBox* combo : {cbbUseProType, cbbICMP}) {
        SelectOption(combo, "none");
    }
    SelectOption(cbbRowStatus, Table.StatusItems.CreateAndGo);
    if (cbbOwner) {
        SelectOption(cbbOwner, kOwnerAcl);
    }
    SetFieldEnabled(edtVLANMask, true, FieldEnabling::EnabledOnly);
}

void TIPProfileForm::ClearFields() {
    for (TEdit* edit :
         {edtProfileID, edtProfileName, edtVLANMask, edtIpAddMaskSrc, edtIpAddMaskDst, edtTCPUDPSrcMask,
          edtTCPUDPDstPortMask, edtTCPFlagBitMask, edtProIDMask, edtProtoID, edtSrcMacAddrMask, edtEntries}) {
        if (edit) {
            edit->SetText("");
        }
    }
    SelectOption(cbbVlan, VlanDefault);
    if (cbbOwner) {
        SelectOption(cbbOwner, kOwnerAcl);
    }
    SelectOption(cbbIpAddMaskState, "other");
    SelectOption(cbbUseDSCP, kDisabled);
    SelectOption(cbbUseProType, "none");
}

void TIPProfileForm::ResetRules() {
    cbbIpAddMaskStateChange(nullptr);
    cbbUseProTypeChange(nullptr);
    cbbVlanChange(nullptr);
    ApplyOptionRules();
}

void TIPProfileForm::RowRules() {
    cbbIpAddMaskStateChange(nullptr);
    cbbUseProTypeChange(nullptr);
    cbbVlanChange(nullptr);
}

void TIPProfileForm::cbbVlanChange(TObject*) {
    SetFieldEnabled(edtVLANMask, OptionSelected(cbbVlan, kEnabled));
}

void TIPProfileForm::cbbIpAddMaskStateChange(TObject*) {
    SetFieldEnabled(edtIpAddMaskSrc, NamesSource(cbbIpAddMaskState));
    SetFieldEnabled(edtIpAddMaskDst, NamesDestination(cbbIpAddMaskState));
}

void TIPProfileForm::cbbUseProTypeChange(TObject*) {
    SetFieldEnabled(cbbICMP, OptionSelected(cbbUseProType, "icmp"));
    SetFieldEnabled(cbbIGMP, OptionSelected(cbbUseProType, "igmp"));
    SetFieldEnabled(cbbTCPOption, OptionSelected(cbbUseProType, "tcp"));
    SetFieldEnabled(cbbTCPFlagBitOption, OptionSelected(cbbUseProType, "tcp"));
    SetFieldEnabled(cbbUDPOption, OptionSelected(cbbUseProType, "udp"));
    SetFieldEnabled(cbbProOption, OptionSelected(cbbUseProType, ProtocolIdItem));
    ApplyOptionRules();
}

void TIPProfileForm::ApplyOptionRules() {
    cbbTCPFlagBitOptionChange(nullptr);
    cbbProOptionChange(nullptr);
    if (cbbUDPOption->Enabled() && !OptionSelected(cbbUDPOption, "other")) {
        cbbUDPOptionChange(nullptr);
    } else if (cbbTCPOption->Enabled() && !OptionSelected(cbbTCPOption, "other")) {
        cbbTCPOptionChange(nullptr);
    } else {
        DisableControls({edtTCPUDPSrcMask, edtTCPUDPDstPortMask});
    }
}

void TIPProfileForm::PortOptionRule(TComboBox* option) {
    SetFieldEnabled(edtTCPUDPSrcMask, option->Enabled() && NamesSource(option));
    SetFieldEnabled(edtTCPUDPDstPortMask, option->Enabled() && NamesDestination(option));
}

void TIPProfileForm::cbbTCPOptionChange(TObject*) {
    PortOptionRule(cbbTCPOption);
}

void TIPProfileForm::cbbUDPOptionChange(TObject*) {
    PortOptionRule(cbbUDPOption);
}

void TIPProfileForm::cbbProOptionChange(TObject*) {
    const bool on = cbbProOption->Enabled() && OptionSelected(cbbProOption, kEnabled);
    SetFieldEnabled(edtProtoID, on);
    SetFieldEnabled(edtProIDMask, on);
}

void TIPProfileForm::cbbTCPFlagBitOptionChange(TObject*) {
    SetFieldEnabled(edtTCPFlagBitMask,
                    cbbTCPFlagBitOption->Enabled() && OptionSelected(cbbTCPFlagBitOption, kEnabled));
}

bool TIPProfileForm::CheckMask(TEdit* mask) {
    if (mask->Text().empty() || !IsIPv4AddressText(mask)) {
        return RefuseInput(mask, DialogText::kValidMaskAddress);
    }
    return true;
}

bool TIPProfileForm::ValidateProfile() {
    if (OptionSelected(cbbVlan, kEnabled) && edtVLANMask->Text().empty()) {
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
