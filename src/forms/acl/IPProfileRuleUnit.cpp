#include "IPProfileRuleUnit.h"

#include "CatalogueColumns.h"
#include "DialogTexts.h"
#include "FieldChecks.h"
#include "Oid_acl.h"
#include "OptionItems.h"
#include "StackingPortUitFormUnit.h"
#include "TCheckBox.h"
#include "TComboBox.h"
#include "TEdit.h"
#include "TGroupBox.h"
#include "TLabel.h"
#include "TPanel.h"
#include "UserDialogs.h"

TIPProfileRuleForm* IPProfileRuleForm = nullptr;

namespace {

using T = TIPProfileRuleForm;

// The rule table's columns the editor names.
constexpr auto& kTable = Columns::IPProfileRuleTable;
constexpr int kPort = ColumnOf(kTable, "Port");
constexpr int kRowStatus = ColumnOf(kTable, "Row Status");
constexpr int kVlanBasedId = ColumnOf(kTable, "VLAN-based ID");

using RuleLayout::ValuePlace;

// A field: its check box (with its caption), value control (of its column's kind), constraint (an
// edit's), Tag, group box, row and column there, and its place among the fields required when
// checked (0: none).
constexpr Field<T> Rule(int column, TCheckBox* T::*check, const char* caption, FieldMember<T> value,
                        const char* constraint, int tag, TGroupBox* T::*group, int row, int inColumn,
                        int required = 0) {
    return RuleField<T>(column, check, caption, value, constraint, tag, group, ValuePlace(row, inColumn),
                        required);
}

// The places of the fields required when checked, in the validation flow's order: the VLAN fields
// (checked only while the VLAN rule is), the addresses (each also an IPv4 address), the others.
enum RequiredPlace {
    rqVlanName = 1,
    rqVid,
    rqVlanMask,
    rqSourceIp,
    rqSourceIpMask,
    rqDestIpMask,
    rqDestIp,
    rqDscp,
    rqSourcePort,
    rqDestPort,
    rqFlags,
    rqProtocolId,
    rqUserMask,
    rqPriority,
    rqDscpValue,
    rqType,
    rqCode,
    rqTosValue,
    rqMirrorGroup,
};

// In column order: the rows are recorded by column.
// clang-format off
constexpr Field<T> kFields[] = {
    Rule(0, &T::chkRuleID, "", &T::IPRuleEdit, "%i{n1x6l1}", 0, &T::OtherGroup, 0, 0),
    Rule(1, &T::chkAccessID, "", &T::AccessIDEdit, "%i{n0x256l3}", 0, &T::OtherGroup, 1, 0),
    Rule(2, &T::cbxVlanName, "VLAN Name", &T::RuleVLANNameEdit, "%s{l32}", 0, &T::RuleGroup, 1, 0, rqVlanName),
    Rule(3, &T::cbxVID, "VLAN ID", &T::RuleVIDEdit, "%i{n1x4094l4}", 0, &T::RuleGroup, 2, 0, rqVid),
    Rule(4, &T::cbxSourceIP, "Source IP Address", &T::SourceIPEdit, "%s{I}", 0, &T::RuleGroup, 0, 1, rqSourceIp),
    Rule(5, &T::cbxDestIP, "Destination IP Address", &T::DestIPEdit, "%s{I}", 0, &T::RuleGroup, 0, 2, rqDestIp),
    Rule(6, &T::cbxDscp, "DSCP (0-63)", &T::DSCPEdit, "%i{n0x63l2}", 0, &T::RuleGroup, 2, 1, rqDscp),
    Rule(7, &T::cbxProtocol, "Rule Protocol", &T::ProtocolComboBox, nullptr, 2, &T::OptionGroup, 0, 0),
    Rule(8, &T::cbxType, "Type", &T::TypeEdit, "%i{n0x255}", 2, &T::OptionGroup, 1, 0, rqType),
    Rule(9, &T::cbxCode, "Code", &T::CodeEdit, "%i{n0x255}", 2, &T::OptionGroup, 2, 0, rqCode),
    Rule(10, &T::cbxSourcePort, "Source Port", &T::SourcePortEdit, "%i{n0x65535l5}", 2, &T::OptionGroup, 0, 1, rqSourcePort),
    Rule(11, &T::cbxDestPort, "Destination Port", &T::DestPortEdit, "%i{n0x65535l5}", 2, &T::OptionGroup, 1, 1, rqDestPort),
    Rule(12, &T::cbxFBs, "Flag Bits", &T::FlagEdit, "%i{n0x63l2}", 2, &T::OptionGroup, 0, 2, rqFlags),
    Rule(13, &T::cbxProtocolID, "Protocol ID", &T::ProtocolIDEdit, "%i{n0x255l3}", 2, &T::OptionGroup, 1, 2, rqProtocolId),
    Rule(14, &T::cbxUserMask, "User Mask", &T::UserMaskEdit, "%h{l8f}", 2, &T::OptionGroup, 2, 2, rqUserMask),
    Rule(15, &T::cbxEnablePriority, "Enable Priority", &T::EnablePriorityComboBox, nullptr, 1, &T::PermitGroup, 1, 0),
    Rule(16, &T::cbxPriority, "Priority (0-7)", &T::PriorityEdit, "%i{n0x7l1}", 1, &T::PermitGroup, 2, 0, rqPriority),
    Rule(17, &T::cbxReplacePriority, "Replace Priority", &T::ReplacePriorityComboBox, nullptr, 1, &T::PermitGroup, 3, 0),
    Rule(18, &T::cbxEnableReplaceDSCP, "Replace DSCP", &T::EnableReplaceDSCPComboBox, nullptr, 1, &T::PermitGroup, 0, 1),
    Rule(19, &T::cbxDSCPValue, "DSCP Value (0-63)", &T::DSCPValueEdit, "%i{n0x63l2}", 1, &T::PermitGroup, 1, 1, rqDscpValue),
    Rule(20, &T::cbxPermit, "Permit", &T::PermitComboBox, nullptr, 0, &T::PermitGroup, 0, 0),
    {.Column = 22, .CheckCaption = "Row Status", .Control = &T::RowComboBox, .Check = &T::cbxRow, .Group = &T::OtherGroup, .Place = ValuePlace(0, 1), .Flags = kFieldHidden},
    {.Column = 23, .Control = &T::RuleOwnerComboBox, .Kind = FieldKind::ComboBox, .Group = &T::OtherGroup, .Place = ValuePlace(1, 2), .Tag = 0},
    Rule(24, &T::cbxRepTosState, "Replace ToS State", &T::RepTosStateComboBox, nullptr, 1, &T::PermitGroup, 2, 1),
    Rule(25, &T::cbxRepTosValue, "ToS Value (0-7)", &T::TosValueEdit, "%i{n0x7l1}", 1, &T::PermitGroup, 3, 1, rqTosValue),
    Rule(26, &T::VLANBaseChkBox, "VLAN-based VID", &T::VLANBasedVIDEdit, "%i{n1x4094l4}", 0, &T::OtherGroup, 0, 1),
    Rule(27, &T::cbxVLANMask, "VLAN Mask (0000-0FFF)", &T::VLANMaskEdit, "%h{l4f}", 0, &T::RuleGroup, 3, 0, rqVlanMask),
    Rule(28, &T::cbxSourceIPMask, "Source IP Mask", &T::SourceIPMaskEdit, "%s{I}", 0, &T::RuleGroup, 1, 1, rqSourceIpMask),
    Rule(29, &T::cbxDestIPMask, "Destination IP Mask", &T::DestIPMaskEdit, "%s{I}", 0, &T::RuleGroup, 1, 2, rqDestIpMask),
    Rule(30, &T::cbxSourcePortMask, "Source Port Mask", &T::SourcePortMaskEdit, "%h{l4}", 2, &T::OptionGroup, 2, 1),
    Rule(31, &T::cbxDestPortMask, "Destination Port Mask", &T::DestPortMaskEdit, "%h{l4}", 2, &T::OptionGroup, 3, 1),
    Rule(32, &T::cbxMirrorGroup, "Mirror Group ID (1-4)", &T::MirrorGroupEdit, "%i{l1}", 0, &T::PermitGroup, 0, 2, rqMirrorGroup),
};
// clang-format on

// Combo items by their text in their option lists.
constexpr const char* kProtocolNone = "none";
constexpr const char* kDisabled = "disabled";
constexpr const char* kPermitDeny = "deny";

constexpr const char* kSomeFieldEmpty = DialogText::kSomeCheckFieldEmpty;

RuleEditorOptions IpRuleOptions() {
    RuleEditorOptions options;
    options.Table = IPProfileRuleTable;
    options.Keys = {{DialogText::kMaskIdMustBeSet, 1, 6}, {DialogText::kAccessIdMustBeSet, 0, 256}};
    options.RowStatusColumn = kRowStatus;
    options.PortColumn = kPort;
    options.VlanBasedIdColumn = kVlanBasedId;
    options.DuplicateText = DialogText::kSameIpRuleAndAccessId;
    options.DesignWidth = 872;
    options.DesignHeight = 714;
    // Six more than designed: under the unit tabs the designed height shows three and a half of
    // a 48-port unit's four rows of port boxes.
    options.PortPanelHeight = 100;
    return options;
}

// The protocol rule: the fields each protocol enables, the others of the set being disabled.
enum ProtocolField {
    pfType,
    pfCode,
    pfSourcePort,
    pfDestPort,
    pfFlags,
    pfProtocolId,
    pfUserMask,
    pfPortMasks
};
struct ProtocolRule {
    const char* Protocol; // the item's text
    bool On[8];
};
constexpr ProtocolRule kProtocolFields[] = {
    // Type, Code, Src port, Dst port, Flags, Proto ID, User mask, port masks
    {"none", {false, false, false, false, false, false, false, false}},
    {"icmp", {true, true, false, false, false, false, false, false}},
    {"igmp", {true, false, false, false, false, false, false, false}},
    {"tcp", {false, false, true, true, true, false, false, true}},
    {"udp", {false, false, true, true, false, false, false, true}},
    {"protocolId", {false, false, false, false, false, true, true, false}},
};

} // namespace

TIPProfileRuleForm::TIPProfileRuleForm(TComponent* owner) : TAclRuleForm(owner, IpRuleOptions()) {
    BuildFields();
}

void TIPProfileRuleForm::BuildFields() {
    // The four groups one above the other across the field area, each of three columns: four
    // rows of fields, the last group three.
    constexpr int kGroupLeft = 2;
    constexpr int kGroupWidth = 745;
    constexpr int kGroupHeight = 110;
    constexpr int kOtherHeight = 88;
    constexpr int kGroupPitch = kGroupHeight + 3;
    RuleGroup = AddGroup("Rule", kGroupLeft, 0, kGroupWidth, kGroupHeight);
    OptionGroup = AddGroup("Option", kGroupLeft, kGroupPitch, kGroupWidth, kGroupHeight);
    PermitGroup = AddGroup("Permit", kGroupLeft, 2 * kGroupPitch, kGroupWidth, kGroupHeight);
    OtherGroup = AddGroup("Other", kGroupLeft, 3 * kGroupPitch, kGroupWidth, kOtherHeight);
    ::BuildFields<T>(this, FieldPanel, kFields, kTable, RuleLayout::kCheck);
    SetUpOtherFields(
        {{chkRuleID, IPRuleEdit, "Profile ID (1-6)"}, {chkAccessID, AccessIDEdit, "Access ID (0-256)"}});
    DscpValueBox = cbxDSCPValue;
    DscpValueEdit = DSCPValueEdit;

    RuleVLANcbx = AddCheck({RuleGroup, 0, 0}, " VLAN", 0);
    cbxRxRate = AddCheck({PermitGroup, 1, 2}, "RX Rate (0-15625)", 1);
    RxRateEdit = AddEdit({PermitGroup, 1, 2}, 1);
    SrcMacAddressEdit = AddEdit({OtherGroup, 1, 1}, 0);
    SrcMacLabel = AddLabelBefore(SrcMacAddressEdit, "Source MAC Address");

    ProtocolComboBox->OnChange = Bind(this, &T::ProtocolComboBoxChange);
    RuleVLANcbx->OnClick = Bind(this, &T::RuleVLANcbxClick);
    cbxSourceIP->OnClick = Bind(this, &T::cbxSourceIPClick);
    cbxDestIP->OnClick = Bind(this, &T::cbxDestIPClick);
}

void TIPProfileRuleForm::BindFields(DialogRequest& request) {
    ::BindFields<T>(this, this, request, kFields);
}

void TIPProfileRuleForm::HideExtraFields() {
    TAclRuleForm::HideExtraFields();
    SrcMacLabel->SetVisible(false);
    SrcMacAddressEdit->SetVisible(false);
    OwnerLabel->SetLeft(SrcMacLabel->Left());
    RuleOwnerComboBox->SetLeft(SrcMacAddressEdit->Left());
}

void TIPProfileRuleForm::ResetDefaults() {
    SelectOption(ProtocolComboBox, kProtocolNone);
    SelectOption(EnablePriorityComboBox, kDisabled);
    SelectOption(ReplacePriorityComboBox, kDisabled);
    SelectOption(EnableReplaceDSCPComboBox, kDisabled);
    SelectOption(PermitComboBox, kPermitDeny);
    SelectOption(RowComboBox, Table.StatusItems.CreateAndGo);
    SelectOption(RepTosStateComboBox, kDisabled);
    cbxVID->SetChecked(false);
    SetFieldsEnabled({cbxProtocol, cbxType, TypeEdit, CodeEdit, cbxCode}, true, FieldEnabling::EnabledOnly);
    RepTosStateComboBoxChange(nullptr);
    EnablePriorityComboBoxChange(nullptr);
    EnableReplaceDSCPComboBoxChange(nullptr);
    PermitComboBoxChange(nullptr);
    cbxSourceIPClick(nullptr);
    cbxDestIPClick(nullptr);
}

void TIPProfileRuleForm::CreationRules() {
    VLANBaseChkBoxClick(nullptr);
    RuleVLANcbxClick(nullptr);
    ProtocolComboBoxChange(nullptr);
    PermitComboBoxChange(nullptr);
}

void TIPProfileRuleForm::ListRules() {
    EnablePriorityComboBoxChange(nullptr);
    ProtocolComboBoxChange(nullptr);
    RuleVLANcbxClick(nullptr);
    cbxSourceIPClick(nullptr);
    cbxDestIPClick(nullptr);
    PermitComboBoxChange(nullptr);
}

void TIPProfileRuleForm::RowRules() {
    EnablePriorityComboBoxChange(nullptr);
    RepTosStateComboBoxChange(nullptr);
    EnableReplaceDSCPComboBoxChange(nullptr);
    ProtocolComboBoxChange(nullptr);
    PermitComboBoxChange(nullptr);
    cbxSourceIPClick(nullptr);
    cbxDestIPClick(nullptr);
}

void TIPProfileRuleForm::ProtocolComboBoxChange(TObject*) {
    const bool* on = nullptr;
    for (const ProtocolRule& rule : kProtocolFields) {
        if (OptionSelected(ProtocolComboBox, rule.Protocol)) {
            on = rule.On;
        }
    }
    if (!on) {
        return;
    }
    SetFieldsEnabled({cbxType, TypeEdit}, on[pfType]);
    SetFieldsEnabled({cbxCode, CodeEdit}, on[pfCode]);
    SetFieldsEnabled({cbxSourcePort, SourcePortEdit}, on[pfSourcePort]);
    SetFieldsEnabled({cbxDestPort, DestPortEdit}, on[pfDestPort]);
    SetFieldsEnabled({cbxFBs, FlagEdit}, on[pfFlags]);
    SetFieldsEnabled({cbxProtocolID, ProtocolIDEdit}, on[pfProtocolId]);
    SetFieldsEnabled({cbxUserMask, UserMaskEdit}, on[pfUserMask]);
    SetFieldsEnabled({cbxSourcePortMask, SourcePortMaskEdit}, on[pfPortMasks]);
    SetFieldsEnabled({cbxDestPortMask, DestPortMaskEdit}, on[pfPortMasks]);
}

void TIPProfileRuleForm::RuleVLANcbxClick(TObject*) {
    SetFieldsEnabled({cbxVID, cbxVlanName, cbxVLANMask, RuleVIDEdit, RuleVLANNameEdit, VLANMaskEdit},
                     RuleVLANcbx->Checked(), FieldEnabling::EnabledOnly);
}

void TIPProfileRuleForm::cbxSourceIPClick(TObject*) {
    if (cbxSourceIP->Checked()) {
        SetFieldsEnabled({cbxSourceIP, cbxSourceIPMask, SourceIPEdit, SourceIPMaskEdit}, true,
                         FieldEnabling::EnabledOnly);
    } else {
        SetFieldsEnabled({cbxSourceIPMask, SourceIPEdit, SourceIPMaskEdit}, false,
                         FieldEnabling::EnabledOnly);
    }
}

void TIPProfileRuleForm::cbxDestIPClick(TObject*) {
    if (cbxDestIP->Checked()) {
        SetFieldsEnabled({cbxDestIP, cbxDestIPMask, DestIPEdit, DestIPMaskEdit}, true,
                         FieldEnabling::EnabledOnly);
    } else {
        SetFieldsEnabled({DestIPEdit, cbxDestIPMask, DestIPMaskEdit}, false, FieldEnabling::EnabledOnly);
    }
}

bool TIPProfileRuleForm::ValidateFields() {
    if (!CheckKeyTexts()) {
        return false;
    }
    if (RuleVLANcbx->Checked() &&
        !RequireCheckedFields<T>(this, kFields, rqVlanName, rqVlanMask, kSomeFieldEmpty)) {
        return false;
    }
    // The addresses that become IP address values: an unparsable text is refused here rather than
    // sent (the destination address too, whose edit is checked only when it is left).
    const auto address = Focusing(IsIPv4AddressText);
    if (!RequireCheckedFields<T>(this, kFields, rqSourceIp, rqDestIp, kSomeFieldEmpty, address) ||
        !RequireCheckedFields<T>(this, kFields, rqDscp, rqMirrorGroup, kSomeFieldEmpty)) {
        return false;
    }
    return CheckOneReplacement(DialogText::kReplaceDscpOrTos) && CheckRuleTarget();
}

void TIPProfileRuleForm::AfterCheckAll() {
    for (TCheckBox* box : {RuleVLANcbx, cbxVlanName, cbxVID}) {
        box->SetChecked(true);
    }
}

void TIPProfileRuleForm::AfterClearChecks() {
    for (TCheckBox* box : {RuleVLANcbx, cbxVlanName, cbxVID}) {
        box->SetChecked(false);
    }
}
