#include "IPProfileFormUnit.h"

#include "CatalogueColumns.h"
#include "DialogTexts.h"
#include "FieldChecks.h"
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

enum Group { kProfileGroup, kOptionGroup, kOtherGroup };

// One field: its column, label, control (an edit with its constraint, or a combo box) and place.
struct Field {
    int Column;
    const char* Label;
    TEdit* T::*Edit;
    TComboBox* T::*Combo;
    const char* Constraint;
    Group In;
    int Row;
    int Half;
};

const Field kFields[] = {
    {0, "Profile ID (1-6)", &T::edtProfileID, nullptr, "%i{n1x6l1}", kProfileGroup, 0, 0},
    {1, "VLAN", nullptr, &T::cbbVlan, nullptr, kOptionGroup, 0, 0},
    {2, "IPv4 Address Mask State", nullptr, &T::cbbIpAddMaskState, nullptr, kOptionGroup, 2, 0},
    {3, "Source IPv4 Address Mask", &T::edtIpAddMaskSrc, nullptr, "%s{I}", kOptionGroup, 3, 0},
    {4, "Destination IPv4 Address Mask ", &T::edtIpAddMaskDst, nullptr, "%s{I}", kOptionGroup, 4, 0},
    {5, "DSCP", nullptr, &T::cbbUseDSCP, nullptr, kOptionGroup, 5, 0},
    {6, "Protocol Type", nullptr, &T::cbbUseProType, nullptr, kOptionGroup, 0, 1},
    {7, "ICMP Option", nullptr, &T::cbbICMP, nullptr, kOptionGroup, 1, 1},
    {8, "IGMP Option", nullptr, &T::cbbIGMP, nullptr, kOptionGroup, 2, 1},
    {9, "TCP Option", nullptr, &T::cbbTCPOption, nullptr, kOptionGroup, 3, 1},
    {10, "UDP Option", nullptr, &T::cbbUDPOption, nullptr, kOptionGroup, 4, 1},
    {11, "TCP/UDP Srouce Port Mask (0-FFFF)", &T::edtTCPUDPSrcMask, nullptr, "%h{l4}", kOptionGroup, 5, 1},
    {12, "TCP/UDP Destination Port Mask (0-FFFF)", &T::edtTCPUDPDstPortMask, nullptr, "%h{l4}", kOptionGroup,
     6, 1},
    {13, "TCP Flag Bit Option", nullptr, &T::cbbTCPFlagBitOption, nullptr, kOptionGroup, 7, 1},
    {14, "TCP Flag Bit Mask (0-63)", &T::edtTCPFlagBitMask, nullptr, "%i{n0x63l2}", kOptionGroup, 8, 1},
    {15, "Protocol ID Option", nullptr, &T::cbbProOption, nullptr, kOptionGroup, 6, 0},
    {16, "Protocol ID (0-255)", &T::edtProtoID, nullptr, "%i{n0x255l3}", kOptionGroup, 7, 0},
    {17, "User Define Mask (0-FFFFFFFF)", &T::edtProIDMask, nullptr, "%h{l8}", kOptionGroup, 8, 0},
    {18, "Row Status", nullptr, &T::cbbRowStatus, nullptr, kOtherGroup, 0, 1},
    {19, "Owner", nullptr, &T::cbbOwner, nullptr, kOtherGroup, 0, 0},
    {20, "Source MAC Address Mask", &T::edtSrcMacAddrMask, nullptr, "%s", kOtherGroup, 1, 0},
    {21, "Unused Rule Entries", &T::edtEntries, nullptr, "%i", kOtherGroup, 1, 1},
    {22, "Profile Name", &T::edtProfileName, nullptr, "%s", kProfileGroup, 0, 1},
    {23, "VLAN Mask (0000-0FFF)", &T::edtVLANMask, nullptr, "%h{l4f}", kOptionGroup, 1, 0},
};

// Items by their text in their option lists.
constexpr const char* kEnabled = "enabled";
constexpr const char* kDisabled = "disabled";
constexpr const char* kOwnerAcl = "acl";

// The address mask state and the TCP and UDP options name the source and the destination in their
// items' texts ("src-ip-addr", "dst-src-addr", ...); "other" names neither.
bool NamesSource(const TComboBox* option) {
    const int item = option->ItemIndex();
    return item >= 0 && option->Items()[item].find("src") != std::string::npos;
}
bool NamesDestination(const TComboBox* option) {
    const int item = option->ItemIndex();
    return item >= 0 && option->Items()[item].find("dst") != std::string::npos;
}

// A field: its label, then its control, in either half of a group box; the second half's labels
// are the longer ("TCP/UDP Destination Port Mask (0-FFFF)").
constexpr int kRowHeight = 24;
constexpr int kLabelWidth[] = {170, 210};
constexpr int kControlWidth = 118;
constexpr int kHalfLeft[] = {8, 8 + kLabelWidth[0] + kControlWidth + 6};
constexpr int kGroupWidth = kHalfLeft[1] + kLabelWidth[1] + kControlWidth + 6;

ProfileEditorOptions IpProfileOptions() {
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
    return options;
}

} // namespace

TIPProfileForm::TIPProfileForm(TComponent* owner) : TAclProfileForm(owner, IpProfileOptions()) {
    BuildFields();
}

void TIPProfileForm::BuildFields() {
    const struct {
        TGroupBox* T::*Group;
        const char* Caption;
        int Top;
        int Rows;
    } groups[] = {{&T::ProfileGroup, "Profile", 0, 1},
                  {&T::OptionGroup, "Option", 48, 9},
                  {&T::OtherGroup, "Other", 290, 2}};
    for (const auto& g : groups) {
        auto* group = new TGroupBox(this);
        group->SetParent(FieldPanel);
        group->SetCaption(g.Caption);
        group->SetBounds(0, g.Top, kGroupWidth, 22 + g.Rows * kRowHeight);
        this->*g.Group = group;
    }
    TGroupBox* byGroup[] = {ProfileGroup, OptionGroup, OtherGroup};
    for (const Field& field : kFields) {
        TGroupBox* group = byGroup[field.In];
        const int left = kHalfLeft[field.Half];
        const int top = 18 + field.Row * kRowHeight;
        auto* label = new TLabel(this);
        label->SetParent(group);
        label->SetCaption(field.Label);
        label->SetLeft(left);
        label->SetTop(top + 2);
        TControl* control = nullptr;
        if (field.Edit) {
            control = this->*field.Edit = new TEdit(this);
        } else {
            control = this->*field.Combo = new TComboBox(this);
        }
        control->SetParent(group);
        control->SetBounds(left + kLabelWidth[field.Half], top, kControlWidth, 21);
        if (field.Column == kRowStatus) {
            RowStatusLabel = label;
        }
    }
    RowStatusLabel->SetVisible(false);
    cbbRowStatus->SetVisible(false);
    for (TControl* control : std::initializer_list<TControl*>{cbbOwner, edtSrcMacAddrMask, edtEntries}) {
        control->SetEnabled(false);
        control->SetColor(clMenu);
    }
    IdEdit = edtProfileID;
    NameEdit = edtProfileName;
    ReadOnlyControls = {edtEntries, cbbOwner, edtSrcMacAddrMask};

    cbbVlan->OnChange = Bind(this, &T::cbbVlanChange);
    cbbIpAddMaskState->OnChange = Bind(this, &T::cbbIpAddMaskStateChange);
    cbbUseProType->OnChange = Bind(this, &T::cbbUseProTypeChange);
    cbbTCPOption->OnChange = Bind(this, &T::cbbTCPOptionChange);
    cbbUDPOption->OnChange = Bind(this, &T::cbbUDPOptionChange);
    cbbProOption->OnChange = Bind(this, &T::cbbProOptionChange);
    cbbTCPFlagBitOption->OnChange = Bind(this, &T::cbbTCPFlagBitOptionChange);
}

void TIPProfileForm::BindFields(DialogRequest& request) {
    for (const Field& field : kFields) {
        if (field.Edit) {
            BindEdit(request, field.Column, field.Constraint, this->*field.Edit);
        } else {
            BindCombo(request, field.Column, this->*field.Combo);
        }
    }
}

void TIPProfileForm::InitialSelections() {
    for (TComboBox* combo : {cbbVlan, cbbUseDSCP, cbbIGMP, cbbTCPFlagBitOption, cbbProOption}) {
        SelectOption(combo, kDisabled);
    }
    for (TComboBox* combo : {cbbIpAddMaskState, cbbTCPOption, cbbUDPOption}) {
        SelectOption(combo, "other");
    }
    for (TComboBox* combo : {cbbUseProType, cbbICMP}) {
        SelectOption(combo, "none");
    }
    SelectOption(cbbRowStatus, Table.StatusItems.CreateAndGo);
    SelectOption(cbbOwner, kOwnerAcl);
    edtVLANMask->SetEnabled(true);
}

void TIPProfileForm::ClearFields() {
    for (TEdit* edit :
         {edtProfileID, edtProfileName, edtVLANMask, edtIpAddMaskSrc, edtIpAddMaskDst, edtTCPUDPSrcMask,
          edtTCPUDPDstPortMask, edtTCPFlagBitMask, edtProIDMask, edtProtoID, edtSrcMacAddrMask, edtEntries}) {
        edit->SetText("");
    }
    SelectOption(cbbVlan, kDisabled);
    SelectOption(cbbOwner, kOwnerAcl);
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

void TIPProfileForm::SetEnabledState(TControl* control, bool enabled) {
    if (enabled) {
        EnableControl(control);
    } else {
        DisableControl(control);
    }
}

void TIPProfileForm::cbbVlanChange(TObject*) {
    SetEnabledState(edtVLANMask, OptionSelected(cbbVlan, kEnabled));
}

void TIPProfileForm::cbbIpAddMaskStateChange(TObject*) {
    SetEnabledState(edtIpAddMaskSrc, NamesSource(cbbIpAddMaskState));
    SetEnabledState(edtIpAddMaskDst, NamesDestination(cbbIpAddMaskState));
}

void TIPProfileForm::cbbUseProTypeChange(TObject*) {
    SetEnabledState(cbbICMP, OptionSelected(cbbUseProType, "icmp"));
    SetEnabledState(cbbIGMP, OptionSelected(cbbUseProType, "igmp"));
    SetEnabledState(cbbTCPOption, OptionSelected(cbbUseProType, "tcp"));
    SetEnabledState(cbbTCPFlagBitOption, OptionSelected(cbbUseProType, "tcp"));
    SetEnabledState(cbbUDPOption, OptionSelected(cbbUseProType, "udp"));
    SetEnabledState(cbbProOption, OptionSelected(cbbUseProType, "protocolID"));
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
    SetEnabledState(edtTCPUDPSrcMask, option->Enabled() && NamesSource(option));
    SetEnabledState(edtTCPUDPDstPortMask, option->Enabled() && NamesDestination(option));
}

void TIPProfileForm::cbbTCPOptionChange(TObject*) {
    PortOptionRule(cbbTCPOption);
}

void TIPProfileForm::cbbUDPOptionChange(TObject*) {
    PortOptionRule(cbbUDPOption);
}

void TIPProfileForm::cbbProOptionChange(TObject*) {
    const bool on = cbbProOption->Enabled() && OptionSelected(cbbProOption, kEnabled);
    SetEnabledState(edtProtoID, on);
    SetEnabledState(edtProIDMask, on);
}

void TIPProfileForm::cbbTCPFlagBitOptionChange(TObject*) {
    SetEnabledState(edtTCPFlagBitMask,
                    cbbTCPFlagBitOption->Enabled() && OptionSelected(cbbTCPFlagBitOption, kEnabled));
}

bool TIPProfileForm::CheckMask(TEdit* mask) {
    if (mask->Text().empty() || !CheckIPv4AddressText(mask)) {
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
