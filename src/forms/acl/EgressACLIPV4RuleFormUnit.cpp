#include "EgressACLIPV4RuleFormUnit.h"

#include "CatalogueColumns.h"
#include "DialogTexts.h"
#include "FieldChecks.h"
#include "Oid_egressacl.h"
#include "OptionItems.h"
#include "TApplication.h"
#include "TCheckBox.h"
#include "TComboBox.h"
#include "TEdit.h"
#include "TGroupBox.h"
#include "UserDialogs.h"

#include <filesystem>

TEgressIPv4RuleForm* EgressIPv4RuleForm = nullptr;

namespace {

using T = TEgressIPv4RuleForm;

constexpr auto& kTable = Columns::EgressIPv4RuleTable;
constexpr int kProfileId = ColumnOf(kTable, "Profile ID");
constexpr int kAccessId = ColumnOf(kTable, "Access ID");
constexpr int kRowStatus = ColumnOf(kTable, "Row Status");
constexpr int kVlanId = ColumnOf(kTable, "VLAN ID");
constexpr int kVlanMask = ColumnOf(kTable, "VLAN Mask");
constexpr int kSourceIp = ColumnOf(kTable, "Source IP Address");
constexpr int kSourceIpMask = ColumnOf(kTable, "Mask Source IP Address");
constexpr int kDestinationIp = ColumnOf(kTable, "Destination IP Address");
constexpr int kDestinationIpMask = ColumnOf(kTable, "Mask Destination IP Address");
constexpr int kDscp = ColumnOf(kTable, "DSCP");
constexpr int kProtocol = ColumnOf(kTable, "Protocol");
constexpr int kType = ColumnOf(kTable, "Type");
constexpr int kCode = ColumnOf(kTable, "Code");
constexpr int kSourcePort = ColumnOf(kTable, "Source Port");
constexpr int kSourcePortMask = ColumnOf(kTable, "Mask Source Port");
constexpr int kDestinationPort = ColumnOf(kTable, "Destination Port");
constexpr int kDestinationPortMask = ColumnOf(kTable, "Mask Destination Port");
constexpr int kFlagBits = ColumnOf(kTable, "Flag Bits");
constexpr int kProtocolId = ColumnOf(kTable, "Protocol ID");
constexpr int kUserDefine = ColumnOf(kTable, "User Define");
constexpr int kUserDefineMask = ColumnOf(kTable, "User Define Mask");
constexpr int kVlanBasedId = ColumnOf(kTable, "VLAN-based ID");
constexpr int kPort = ColumnOf(kTable, "Port");
constexpr int kPortGroup = ColumnOf(kTable, "Port Group");
constexpr int kPermit = ColumnOf(kTable, "Permit");
constexpr int kEnablePriority = ColumnOf(kTable, "Enable Replace Priority");
constexpr int kPriority = ColumnOf(kTable, "Replace Priority");
constexpr int kEnableReplaceDscp = ColumnOf(kTable, "Enable Replace DSCP");
constexpr int kReplaceDscp = ColumnOf(kTable, "Replace DSCP");
constexpr int kTimeRange = ColumnOf(kTable, "Time Range Name");

// The places of the fields required when checked, in the validation flow's order.
enum RequiredPlace {
    rqVid = 1,
    rqVlanMask,
    rqSourceIp,
    rqSourceIpMask,
    rqDestIpMask,
    rqDscp,
    rqSourcePort,
    rqDestPort,
    rqFlags,
    rqProtocolId,
    rqUserMask,
    rqUser,
    rqPriority,
    rqDscpValue,
    rqType,
    rqCode,
    rqPortGroup,
    rqPort,
    rqVlanBasedId,
    rqTimeRange,
};

// Three columns a group box: the check box holds "User Mask (0-FFFFFFFF)" whole.
constexpr RuleLayout::Grid kGrid{.CheckWidth = 150, .ValueWidth = 94, .ColumnWidth = 249};

constexpr FieldPlace ValuePlace(int row, int column) {
    return RuleLayout::ValuePlace(row, column, kGrid);
}

constexpr Field<T> Rule(int column, TCheckBox* T::*check, const char* caption, FieldMember<T> value,
                        const char* constraint, int tag, TGroupBox* T::*group, int row, int inColumn,
                        int required = 0, FieldDefault reset = kRuleReset) {
    return RuleField<T>(column, check, caption, value, constraint, tag, group, ValuePlace(row, inColumn),
                        required, reset);
}

constexpr int kAction = TAclRuleForm::kActionTag;
constexpr int kOption = 2; // the protocol's fields, which no rule switches by their Tag

// In column order: the rows are recorded by column.
// clang-format off
constexpr Field<T> kFields[] = {
    RuleKey<T>(kProfileId, &T::chkRuleID, "Profile ID (1-4)", &T::MaskIDEdit, "%i{n1x4l1}", &T::RuleGroup, ValuePlace(0, 0), kGrid),
    RuleKey<T>(kAccessId, &T::chkAccessID, "Access ID (0-128)", &T::AccessIDEdit, "%i{n0x128l3}", &T::RuleGroup, ValuePlace(1, 0), kGrid),
    RuleRowStatus<T>(kRowStatus, &T::cbxRow, &T::OtherGroup, ValuePlace(1, 2)),
    Rule(kVlanId, &T::cbxVID, "VLAN ID", &T::RuleVIDEdit, "%i{n1x4094l4}", 0, &T::OptionGroup, 1, 0, rqVid),
    Rule(kVlanMask, &T::cbxVLANMask, "VLAN Mask (0000-0FFF)", &T::VLANMaskEdit, "%h{l4f}", 0, &T::OptionGroup, 2, 0, rqVlanMask),
    Rule(kSourceIp, &T::cbxSourceIP, "Source IP Address", &T::SourceIPEdit, "%s{I}", 0, &T::OptionGroup, 0, 1, rqSourceIp),
    Rule(kSourceIpMask, &T::cbxSourceIPMask, "Source IP Mask", &T::SourceIPMaskEdit, "%s", 0, &T::OptionGroup, 1, 1, rqSourceIpMask),
    Rule(kDestinationIp, &T::cbxDestIP, "Destination IP Address", &T::DestIPEdit, "%s{I}", 0, &T::OptionGroup, 2, 1),
    Rule(kDestinationIpMask, &T::cbxDestIPMask, "Destination IP Mask", &T::DestIPMaskEdit, "%s", 0, &T::OptionGroup, 3, 1, rqDestIpMask),
    Rule(kDscp, &T::cbxDscp, "DSCP (0-63)", &T::DSCPEdit, "%i{n0x63l2}", 0, &T::OptionGroup, 3, 0, rqDscp),
    Rule(kProtocol, &T::cbxProtocol, "Protocol", &T::ProtocolComboBox, nullptr, kOption, &T::OptionGroup, 0, 2, 0, kRuleNone),
    Rule(kType, &T::cbxType, "Type", &T::TypeEdit, "%i{n0x255}", kOption, &T::OptionGroup, 1, 2, rqType),
    Rule(kCode, &T::cbxCode, "Code", &T::CodeEdit, "%i{n0x255}", kOption, &T::OptionGroup, 2, 2, rqCode),
    Rule(kSourcePort, &T::cbxSourcePort, "Source Port", &T::SourcePortEdit, "%i{n0x65535l5}", kOption, &T::OptionGroup, 4, 0, rqSourcePort),
    Rule(kSourcePortMask, &T::cbxSourcePortMask, "Source Port Mask", &T::SourcePortMaskEdit, "%h", kOption, &T::OptionGroup, 5, 0),
    Rule(kDestinationPort, &T::cbxDestPort, "Destination Port", &T::DestPortEdit, "%i{n0x65535l5}", kOption, &T::OptionGroup, 4, 1, rqDestPort),
    Rule(kDestinationPortMask, &T::cbxDestPortMask, "Destination Port Mask", &T::DestPortMaskEdit, "%h", kOption, &T::OptionGroup, 5, 1),
    Rule(kFlagBits, &T::cbxFBs, "Flag Bits", &T::FlagEdit, "%i{n0x63l2}", kOption, &T::OptionGroup, 4, 2, rqFlags),
    Rule(kProtocolId, &T::cbxProtocolID, "Protocol ID", &T::ProtocolIDEdit, "%i{n0x255l3}", kOption, &T::OptionGroup, 3, 2, rqProtocolId),
    Rule(kUserDefine, &T::cbxUser, "User (0-FFFFFFFF)", &T::UserEdit, "%h{l8f}", 0, &T::OptionGroup, 5, 2, rqUser),
    Rule(kUserDefineMask, &T::cbxUserMask, "User Mask (0-FFFFFFFF)", &T::UserMaskEdit, "%h{l8f}", 0, &T::OptionGroup, 6, 2, rqUserMask),
    Rule(kVlanBasedId, &T::VLANBaseChkBox, "VLAN-based VID", &T::VLANBasedVIDEdit, "%i{n1x4094l4}", 0, &T::OtherGroup, 0, 0, rqVlanBasedId),
    Rule(kPort, &T::PortChkBox, "Port", &T::PortEdit, "%i{n1x384l3}", 0, &T::OtherGroup, 0, 1, rqPort),
    Rule(kPortGroup, &T::cbxPortGroup, "Port Group (1-64)", &T::PortGroupEdit, "%i{n1x64l2}", 0, &T::OtherGroup, 0, 2, rqPortGroup),
    Rule(kPermit, &T::cbxPermit, "Permit", &T::PermitComboBox, nullptr, 0, &T::PermitGroup, 0, 0, 0, kRuleDeny),
    Rule(kEnablePriority, &T::cbxEnablePriority, "Enable Priority", &T::EnablePriorityComboBox, nullptr, kAction, &T::PermitGroup, 1, 0, 0, kRuleOff),
    Rule(kPriority, &T::cbxPriority, "Priority (0-7)", &T::PriorityEdit, "%i{n0x7}", kAction, &T::PermitGroup, 2, 0, rqPriority),
    Rule(kEnableReplaceDscp, &T::cbxEnableReplaceDSCP, "Enable Replace DSCP", &T::EnableReplaceDSCPComboBox, nullptr, kAction, &T::PermitGroup, 1, 1, 0, kRuleOff),
    Rule(kReplaceDscp, &T::cbxEnableDSCPValue, "DSCP Value (0-63)", &T::EnabledDSCPEdit, "%i{n0x63l2}", kAction, &T::PermitGroup, 2, 1, rqDscpValue),
    Rule(kTimeRange, &T::cbxTimeRange, "Time Range", &T::TimeRangeEdit, "%s{l32}", 0, &T::OtherGroup, 1, 0, rqTimeRange),
};
// clang-format on

constexpr int kGroupWidth = RuleLayout::ValueLeft(2, kGrid) + kGrid.ValueWidth + 8;
constexpr StackedGroup<T> kStack[] = {{&T::RuleGroup, "Rule", 2, 14},
                                      {&T::OptionGroup, "Option", 7},
                                      {&T::PermitGroup, "Permit", 3},
                                      {&T::OtherGroup, "Other", 2}};
constexpr auto kGroups = StackGroups(kStack, kGroupWidth);
constexpr RuleBox<T> kBoxes[] = {{&T::RuleVLANcbx, " VLAN", &T::OptionGroup, 0, 0}};
constexpr TCheckBox* T::*kVlanBox[] = {&T::RuleVLANcbx};

// The rule steps of the flows.
constexpr FieldRule<T> kCreateRules[] = {
    &T::VLANBaseChkBoxClick, &T::PortChkBoxClick,        &T::cbxPortGroupClick,   &T::cbxProtocolIDClick,
    &T::RuleVLANcbxClick,    &T::ProtocolComboBoxChange, &T::PermitComboBoxChange};
constexpr FieldRule<T> kResetRules[] = {&T::EnableAfterReset,
                                        &T::EnablePriorityComboBoxChange,
                                        &T::EnableReplaceDSCPComboBoxChange,
                                        &T::PermitComboBoxChange,
                                        &T::cbxSourceIPClick,
                                        &T::cbxDestIPClick};
constexpr FieldRule<T> kListRules[] = {&T::EnableReplaceDSCPComboBoxChange,
                                       &T::EnablePriorityComboBoxChange,
                                       &T::RuleVLANcbxClick,
                                       &T::VLANBaseChkBoxClick,
                                       &T::cbxPortGroupClick,
                                       &T::PortChkBoxClick};
constexpr FieldRule<T> kRowRules[] = {&T::PermitComboBoxChange, &T::EnableReplaceDSCPComboBoxChange,
                                      &T::EnablePriorityComboBoxChange, &T::RuleVLANcbxClick};
constexpr FieldRule<T> kRefreshRules[] = {&T::EnableReplaceDSCPComboBoxChange,
                                          &T::EnablePriorityComboBoxChange, &T::VLANBaseChkBoxClick,
                                          &T::cbxPortGroupClick, &T::PortChkBoxClick};
constexpr std::span<const FieldRule<T>> kTargetRules(kListRules + 3, 3);

const RuleDesign<T>& Design() {
    static const RuleDesign<T> design = [] {
        RuleEditorOptions options;
        options.Table = EgressIPv4RuleTable;
        options.Keys = {{kProfileId, DialogText::kProfileIdMustBeSet, 1, 4},
                        {kAccessId, DialogText::kAccessIdMustBeSet, 0, 128}};
        options.RowStatusColumn = kRowStatus;
        options.PortColumn = kPort;
        options.VlanBasedIdColumn = kVlanBasedId;
        options.PortGroupColumn = kPortGroup;
        options.Targets = RuleTargets::TypedVlanOrPort;
        options.DuplicateText = DialogText::kSameProfileIdAndAccessId;
        options.PermitUnchecked = DialogText::kPermitOptionMustBeChecked;
        options.AddRefusesWhileReading = true;
        options.EditRefuses = EditRefusal::Always;
        options.EditSkipsActiveRowStatus = false;
        options.AfterEdit = AfterWrite::State;
        options.DesignWidth = 915;
        options.DesignHeight = 658;
        options.ListHeight = 110;
        return RuleDesign<T>{.Options = options,
                             .Fields = kFields,
                             .Columns = kTable,
                             .Groups = kGroups,
                             .Grid = kGrid,
                             .Boxes = kBoxes,
                             .TickedWithRows = kVlanBox,
                             .UntickedByReset = kVlanBox,
                             .Rules = {.Create = kCreateRules,
                                       .Reset = kResetRules,
                                       .List = kListRules,
                                       .Row = kRowRules,
                                       .Refresh = kRefreshRules,
                                       .Targets = kTargetRules}};
    }();
    return design;
}

} // namespace

TEgressIPv4RuleForm::TEgressIPv4RuleForm(TComponent* owner) : TAclRuleForm(owner, Design().Options) {
    BuildDesign(this, Design());
    DscpValueBox = cbxEnableDSCPValue;
    DscpValueEdit = EnabledDSCPEdit;
    ProtocolComboBox->OnChange = Bind(this, &T::ProtocolComboBoxChange);
    cbxProtocolID->OnClick = Bind(this, &T::cbxProtocolIDClick);
    RuleVLANcbx->OnClick = Bind(this, &T::RuleVLANcbxClick);
    cbxSourceIP->OnClick = Bind(this, &T::cbxSourceIPClick);
    cbxDestIP->OnClick = Bind(this, &T::cbxDestIPClick);
}

void TEgressIPv4RuleForm::RequestMade(DialogRequest& request) {
    request.OnSetDone = [this](VqSNMPRequest2Controls* r, const VqSNMPError& error) { SetDone(r, error); };
}

void TEgressIPv4RuleForm::SetDone(VqSNMPRequest2Controls*, const VqSNMPError& error) {
    DataComplete = true;
    if (error.Code == 0) {
        Table.Request->ShowStatus(error.Message);
        return;
    }
    MessageBox(this, error.Message, std::filesystem::path(Application->ExeName()).filename().string(), MB_OK);
}

void TEgressIPv4RuleForm::ProtocolComboBoxChange(TObject*) {
    Ipv4ProtocolRule(ProtocolComboBox, {.Type = {cbxType, TypeEdit},
                                        .Code = {cbxCode, CodeEdit},
                                        .SourcePort = {cbxSourcePort, SourcePortEdit},
                                        .DestPort = {cbxDestPort, DestPortEdit},
                                        .Flags = {cbxFBs, FlagEdit},
                                        .ProtocolId = {cbxProtocolID, ProtocolIDEdit},
                                        .User = {cbxUser, UserEdit, cbxUserMask, UserMaskEdit},
                                        .PortMasks = {cbxSourcePortMask, SourcePortMaskEdit, cbxDestPortMask,
                                                      DestPortMaskEdit}});
}

void TEgressIPv4RuleForm::cbxProtocolIDClick(TObject*) {
    const bool ticked = cbxProtocolID->Checked();
    SetFieldsEnabled({ProtocolIDEdit, UserEdit}, ticked);
    SetFieldEnabled(cbxUser, ticked, FieldEnabling::EnabledOnly);
}

void TEgressIPv4RuleForm::RuleVLANcbxClick(TObject*) {
    SetFieldsEnabled({cbxVID, cbxVLANMask, RuleVIDEdit, VLANMaskEdit}, RuleVLANcbx->Checked(),
                     FieldEnabling::EnabledOnly);
}

void TEgressIPv4RuleForm::cbxSourceIPClick(TObject*) {
    Ipv4AddressRule(cbxSourceIP, cbxSourceIPMask, SourceIPEdit, SourceIPMaskEdit);
}

void TEgressIPv4RuleForm::cbxDestIPClick(TObject*) {
    Ipv4AddressRule(cbxDestIP, cbxDestIPMask, DestIPEdit, DestIPMaskEdit);
}

void TEgressIPv4RuleForm::EnableAfterReset(TObject*) {
    SetFieldsEnabled({cbxProtocol, cbxType, cbxCode, cbxPortGroup, cbxUser, PortChkBox, VLANBaseChkBox,
                      cbxTimeRange, TypeEdit, CodeEdit},
                     true, FieldEnabling::EnabledOnly);
}

bool TEgressIPv4RuleForm::CheckFields() {
    const char* empty = DialogText::kSomeCheckFieldEmpty;
    if (RuleVLANcbx->Checked() && !RequireCheckedFields<T>(this, kFields, rqVid, rqVlanMask, empty)) {
        return false;
    }
    // An address or mask that is no dotted quad only takes the focus.
    const auto address = [](TControl* edit) {
        if (!IsIPv4AddressText(edit)) {
            FocusField(edit);
            return false;
        }
        return true;
    };
    if (!RequireCheckedFields<T>(this, kFields, rqSourceIp, rqSourceIpMask, empty, address)) {
        return false;
    }
    // A ticked, empty destination address would go out as 0.0.0.0.
    if (!RequireTextIfChecked(cbxDestIP, DestIPEdit, empty)) {
        return false;
    }
    return RequireCheckedFields<T>(this, kFields, rqDestIpMask, rqDestIpMask, empty, address) &&
           RequireCheckedFields<T>(this, kFields, rqDscp, rqTimeRange, empty);
}
