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
using RuleLayout::Labelled;
using RuleLayout::ValuePlace;

// The rule table's columns.
constexpr auto& kTable = Columns::IPProfileRuleTable;
constexpr int kProfileId = ColumnOf(kTable, "Profile ID");
constexpr int kAccessId = ColumnOf(kTable, "Access ID");
constexpr int kVlanName = ColumnOf(kTable, "VLAN Name");
constexpr int kVlanId = ColumnOf(kTable, "Rule VLAN ID");
constexpr int kSourceIp = ColumnOf(kTable, "Source IP Address");
constexpr int kDestinationIp = ColumnOf(kTable, "Destination IP Address");
constexpr int kDscp = ColumnOf(kTable, "DSCP");
constexpr int kProtocol = ColumnOf(kTable, "Protocol");
constexpr int kType = ColumnOf(kTable, "Type");
constexpr int kCode = ColumnOf(kTable, "Code");
constexpr int kSourcePort = ColumnOf(kTable, "Source Port");
constexpr int kDestinationPort = ColumnOf(kTable, "Destination Port");
constexpr int kFlagBits = ColumnOf(kTable, "Flag Bits");
constexpr int kProtocolId = ColumnOf(kTable, "Protocol ID");
constexpr int kUserMask = ColumnOf(kTable, "User Mask");
constexpr int kEnablePriority = ColumnOf(kTable, "Enable Priority");
constexpr int kPriority = ColumnOf(kTable, "Priority");
constexpr int kReplacePriority = ColumnOf(kTable, "Replace Priority");
constexpr int kEnableReplaceDscp = ColumnOf(kTable, "Enable Replace DSCP");
constexpr int kReplaceDscp = ColumnOf(kTable, "Replace DSCP");
constexpr int kPermit = ColumnOf(kTable, "Permit");
constexpr int kPort = ColumnOf(kTable, "Port");
constexpr int kRowStatus = ColumnOf(kTable, "Row Status");
constexpr int kOwner = ColumnOf(kTable, "Owner");
constexpr int kEnableReplaceTos = ColumnOf(kTable, "Enable Replace Tos");
constexpr int kReplaceTosValue = ColumnOf(kTable, "Replace Tos Value");
constexpr int kVlanBasedId = ColumnOf(kTable, "VLAN-based ID");
constexpr int kVlanMask = ColumnOf(kTable, "Mask VLAN");
constexpr int kSourceIpMask = ColumnOf(kTable, "Mask Source IP Address");
constexpr int kDestinationIpMask = ColumnOf(kTable, "Mask Destination IP Address");
constexpr int kSourcePortMask = ColumnOf(kTable, "Mask Source Port");
constexpr int kDestinationPortMask = ColumnOf(kTable, "Mask Destination Port");
constexpr int kPortMirror = ColumnOf(kTable, "Port Mirror");

// A field: its check box (with its caption), value control (of its column's kind), constraint (an
// edit's), Tag, group box, row and column there, its place among the fields required when checked
// (0: none), and what a reset gives it.
constexpr Field<T> Rule(int column, TCheckBox* T::*check, const char* caption, FieldMember<T> value,
                        const char* constraint, int tag, TGroupBox* T::*group, int row, int inColumn,
                        int required = 0, FieldDefault reset = kRuleReset) {
    return RuleField<T>(column, check, caption, value, constraint, tag, group, ValuePlace(row, inColumn),
                        required, reset);
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

constexpr int kAction = TAclRuleForm::kActionTag;
constexpr int kOption = 2; // the protocol's fields, which no rule switches by their Tag

// In column order: the rows are recorded by column.
// clang-format off
constexpr Field<T> kFields[] = {
    RuleKey<T>(kProfileId, &T::chkRuleID, "Profile ID (1-6)", &T::IPRuleEdit, "%i{n1x6l1}", &T::OtherGroup, ValuePlace(0, 0)),
    RuleKey<T>(kAccessId, &T::chkAccessID, "Access ID (0-256)", &T::AccessIDEdit, "%i{n0x256l3}", &T::OtherGroup, ValuePlace(1, 0)),
    Rule(kVlanName, &T::cbxVlanName, "VLAN Name", &T::RuleVLANNameEdit, "%s{l32}", 0, &T::RuleGroup, 1, 0, rqVlanName),
    Rule(kVlanId, &T::cbxVID, "VLAN ID", &T::RuleVIDEdit, "%i{n1x4094l4}", 0, &T::RuleGroup, 2, 0, rqVid),
    Rule(kSourceIp, &T::cbxSourceIP, "Source IP Address", &T::SourceIPEdit, "%s{I}", 0, &T::RuleGroup, 0, 1, rqSourceIp),
    Rule(kDestinationIp, &T::cbxDestIP, "Destination IP Address", &T::DestIPEdit, "%s{I}", 0, &T::RuleGroup, 0, 2, rqDestIp),
    Rule(kDscp, &T::cbxDscp, "DSCP (0-63)", &T::DSCPEdit, "%i{n0x63l2}", 0, &T::RuleGroup, 2, 1, rqDscp),
    Rule(kProtocol, &T::cbxProtocol, "Rule Protocol", &T::ProtocolComboBox, nullptr, kOption, &T::OptionGroup, 0, 0, 0, kRuleNone),
    Rule(kType, &T::cbxType, "Type", &T::TypeEdit, "%i{n0x255}", kOption, &T::OptionGroup, 1, 0, rqType),
    Rule(kCode, &T::cbxCode, "Code", &T::CodeEdit, "%i{n0x255}", kOption, &T::OptionGroup, 2, 0, rqCode),
    Rule(kSourcePort, &T::cbxSourcePort, "Source Port", &T::SourcePortEdit, "%i{n0x65535l5}", kOption, &T::OptionGroup, 0, 1, rqSourcePort),
    Rule(kDestinationPort, &T::cbxDestPort, "Destination Port", &T::DestPortEdit, "%i{n0x65535l5}", kOption, &T::OptionGroup, 1, 1, rqDestPort),
    Rule(kFlagBits, &T::cbxFBs, "Flag Bits", &T::FlagEdit, "%i{n0x63l2}", kOption, &T::OptionGroup, 0, 2, rqFlags),
    Rule(kProtocolId, &T::cbxProtocolID, "Protocol ID", &T::ProtocolIDEdit, "%i{n0x255l3}", kOption, &T::OptionGroup, 1, 2, rqProtocolId),
    Rule(kUserMask, &T::cbxUserMask, "User Mask", &T::UserMaskEdit, "%h{l8f}", kOption, &T::OptionGroup, 2, 2, rqUserMask),
    Rule(kEnablePriority, &T::cbxEnablePriority, "Enable Priority", &T::EnablePriorityComboBox, nullptr, kAction, &T::PermitGroup, 1, 0, 0, kRuleOff),
    Rule(kPriority, &T::cbxPriority, "Priority (0-7)", &T::PriorityEdit, "%i{n0x7l1}", kAction, &T::PermitGroup, 2, 0, rqPriority),
    Rule(kReplacePriority, &T::cbxReplacePriority, "Replace Priority", &T::ReplacePriorityComboBox, nullptr, kAction, &T::PermitGroup, 3, 0, 0, kRuleOff),
    Rule(kEnableReplaceDscp, &T::cbxEnableReplaceDSCP, "Replace DSCP", &T::EnableReplaceDSCPComboBox, nullptr, kAction, &T::PermitGroup, 0, 1, 0, kRuleOff),
    Rule(kReplaceDscp, &T::cbxDSCPValue, "DSCP Value (0-63)", &T::DSCPValueEdit, "%i{n0x63l2}", kAction, &T::PermitGroup, 1, 1, rqDscpValue),
    Rule(kPermit, &T::cbxPermit, "Permit", &T::PermitComboBox, nullptr, 0, &T::PermitGroup, 0, 0, 0, kRuleDeny),
    RuleRowStatus<T>(kRowStatus, &T::cbxRow, &T::OtherGroup, ValuePlace(0, 1)),
    // In the place of the Source MAC Address, which is no column of the table.
    RuleOwner<T>(kOwner, &T::OtherGroup, ValuePlace(1, 1)),
    Rule(kEnableReplaceTos, &T::cbxRepTosState, "Replace ToS State", &T::RepTosStateComboBox, nullptr, kAction, &T::PermitGroup, 2, 1, 0, kRuleOff),
    Rule(kReplaceTosValue, &T::cbxRepTosValue, "ToS Value (0-7)", &T::TosValueEdit, "%i{n0x7l1}", kAction, &T::PermitGroup, 3, 1, rqTosValue),
    Rule(kVlanBasedId, &T::VLANBaseChkBox, "VLAN-based VID", &T::VLANBasedVIDEdit, "%i{n1x4094l4}", 0, &T::OtherGroup, 0, 1),
    Rule(kVlanMask, &T::cbxVLANMask, "VLAN Mask (0000-0FFF)", &T::VLANMaskEdit, "%h{l4f}", 0, &T::RuleGroup, 3, 0, rqVlanMask),
    Rule(kSourceIpMask, &T::cbxSourceIPMask, "Source IP Mask", &T::SourceIPMaskEdit, "%s{I}", 0, &T::RuleGroup, 1, 1, rqSourceIpMask),
    Rule(kDestinationIpMask, &T::cbxDestIPMask, "Destination IP Mask", &T::DestIPMaskEdit, "%s{I}", 0, &T::RuleGroup, 1, 2, rqDestIpMask),
    Rule(kSourcePortMask, &T::cbxSourcePortMask, "Source Port Mask", &T::SourcePortMaskEdit, "%h{l4}", kOption, &T::OptionGroup, 2, 1),
    Rule(kDestinationPortMask, &T::cbxDestPortMask, "Destination Port Mask", &T::DestPortMaskEdit, "%h{l4}", kOption, &T::OptionGroup, 3, 1),
    Rule(kPortMirror, &T::cbxMirrorGroup, "Mirror Group ID (1-4)", &T::MirrorGroupEdit, "%i{l1}", 0, &T::PermitGroup, 0, 2, rqMirrorGroup),
};
// The fields that are no column of the table, hidden.
constexpr Field<T> kExtras[] = {
    RuleRxRate<T>(&T::PermitGroup, ValuePlace(1, 2), kAction),
    {.Caption = "Source MAC Address", .Edit = &T::SrcMacAddressEdit, .Label = &T::SrcMacLabel, .Group = &T::OtherGroup, .Place = Labelled(ValuePlace(1, 1)), .Flags = kFieldHidden},
};
// clang-format on

// The four groups one above the other across the field area, each of three columns: four rows of
// fields, the last group three.
constexpr RuleGroupBox<T> kGroups[] = {{&T::RuleGroup, "Rule", 2, 0, 745, 110},
                                       {&T::OptionGroup, "Option", 2, 113, 745, 110},
                                       {&T::PermitGroup, "Permit", 2, 226, 745, 110},
                                       {&T::OtherGroup, "Other", 2, 339, 745, 88}};
constexpr RuleBox<T> kBoxes[] = {{&T::RuleVLANcbx, " VLAN", &T::RuleGroup, 0, 0}};
// Check All ticks "VLAN" and its name and ID after the row boxes; Clear Checks unticks them.
constexpr TCheckBox* T::*kTickedWithRows[] = {&T::RuleVLANcbx, &T::cbxVlanName, &T::cbxVID};

// The rule steps of the flows.
constexpr FieldRule<T> kCreateRules[] = {&T::VLANBaseChkBoxClick, &T::RuleVLANcbxClick,
                                         &T::ProtocolComboBoxChange, &T::PermitComboBoxChange};
constexpr FieldRule<T> kResetRules[] = {&T::EnableTypeAndCode,
                                        &T::RepTosStateComboBoxChange,
                                        &T::EnablePriorityComboBoxChange,
                                        &T::EnableReplaceDSCPComboBoxChange,
                                        &T::PermitComboBoxChange,
                                        &T::cbxSourceIPClick,
                                        &T::cbxDestIPClick};
constexpr FieldRule<T> kListRules[] = {&T::EnablePriorityComboBoxChange,
                                       &T::ProtocolComboBoxChange,
                                       &T::RuleVLANcbxClick,
                                       &T::cbxSourceIPClick,
                                       &T::cbxDestIPClick,
                                       &T::PermitComboBoxChange};
constexpr FieldRule<T> kRowRules[] = {&T::EnablePriorityComboBoxChange,
                                      &T::RepTosStateComboBoxChange,
                                      &T::EnableReplaceDSCPComboBoxChange,
                                      &T::ProtocolComboBoxChange,
                                      &T::PermitComboBoxChange,
                                      &T::cbxSourceIPClick,
                                      &T::cbxDestIPClick};

constexpr const char* kSomeFieldEmpty = DialogText::kSomeCheckFieldEmpty;

const RuleDesign<T>& Design() {
    static const RuleDesign<T> design = [] {
        RuleEditorOptions options;
        options.Table = IPProfileRuleTable;
        options.Keys = {{kProfileId, DialogText::kMaskIdMustBeSet, 1, 6},
                        {kAccessId, DialogText::kAccessIdMustBeSet, 0, 256}};
        options.RowStatusColumn = kRowStatus;
        options.PortColumn = kPort;
        options.VlanBasedIdColumn = kVlanBasedId;
        options.DuplicateText = DialogText::kSameIpRuleAndAccessId;
        options.DesignWidth = 872;
        options.DesignHeight = 714;
        // Six more than designed: under the unit tabs the designed height shows three and a half
        // of a 48-port unit's four rows of port boxes.
        options.PortPanelHeight = 100;
        return RuleDesign<T>{.Options = options,
                             .Fields = kFields,
                             .Extras = kExtras,
                             .Columns = kTable,
                             .Groups = kGroups,
                             .Boxes = kBoxes,
                             .TickedWithRows = kTickedWithRows,
                             .Rules = {.Create = kCreateRules,
                                       .Reset = kResetRules,
                                       .List = kListRules,
                                       .Row = kRowRules,
                                       .Refresh = {}}};
    }();
    return design;
}

} // namespace

TIPProfileRuleForm::TIPProfileRuleForm(TComponent* owner) : TAclRuleForm(owner, Design().Options) {
    BuildDesign(this, Design());
    DscpValueBox = cbxDSCPValue;
    DscpValueEdit = DSCPValueEdit;
    ProtocolComboBox->OnChange = Bind(this, &T::ProtocolComboBoxChange);
    RuleVLANcbx->OnClick = Bind(this, &T::RuleVLANcbxClick);
    cbxSourceIP->OnClick = Bind(this, &T::cbxSourceIPClick);
    cbxDestIP->OnClick = Bind(this, &T::cbxDestIPClick);
}

void TIPProfileRuleForm::EnableTypeAndCode(TObject*) {
    SetFieldsEnabled({cbxProtocol, cbxType, TypeEdit, CodeEdit, cbxCode}, true, FieldEnabling::EnabledOnly);
}

void TIPProfileRuleForm::ProtocolComboBoxChange(TObject*) {
    Ipv4ProtocolRule(ProtocolComboBox, {.Type = {cbxType, TypeEdit},
                                        .Code = {cbxCode, CodeEdit},
                                        .SourcePort = {cbxSourcePort, SourcePortEdit},
                                        .DestPort = {cbxDestPort, DestPortEdit},
                                        .Flags = {cbxFBs, FlagEdit},
                                        .ProtocolId = {cbxProtocolID, ProtocolIDEdit},
                                        .User = {cbxUserMask, UserMaskEdit},
                                        .PortMasks = {cbxSourcePortMask, SourcePortMaskEdit, cbxDestPortMask,
                                                      DestPortMaskEdit}});
}

void TIPProfileRuleForm::RuleVLANcbxClick(TObject*) {
    SetFieldsEnabled({cbxVID, cbxVlanName, cbxVLANMask, RuleVIDEdit, RuleVLANNameEdit, VLANMaskEdit},
                     RuleVLANcbx->Checked(), FieldEnabling::EnabledOnly);
}

void TIPProfileRuleForm::cbxSourceIPClick(TObject*) {
    Ipv4AddressRule(cbxSourceIP, cbxSourceIPMask, SourceIPEdit, SourceIPMaskEdit);
}

void TIPProfileRuleForm::cbxDestIPClick(TObject*) {
    Ipv4AddressRule(cbxDestIP, cbxDestIPMask, DestIPEdit, DestIPMaskEdit);
}

bool TIPProfileRuleForm::CheckFields() {
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
