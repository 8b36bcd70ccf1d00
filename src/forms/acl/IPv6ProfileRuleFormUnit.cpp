#include "IPv6ProfileRuleFormUnit.h"

#include "CatalogueColumns.h"
#include "DialogTexts.h"
#include "InputValidators.h"
#include "Oid_acl.h"
#include "OptionItems.h"
#include "TCheckBox.h"
#include "TComboBox.h"
#include "TEdit.h"
#include "TGroupBox.h"
#include "TPanel.h"
#include "UserDialogs.h"

#include <algorithm>
#include <cctype>

TIpv6RuleForm* Ipv6RuleForm = nullptr;

namespace {

using T = TIpv6RuleForm;

constexpr const char* kInvalidFlowLabel = "Invalid data.";

constexpr auto& kTable = Columns::Ipv6RuleTable;
constexpr int kPort = ColumnOf(kTable, "Port");
constexpr int kRowStatus = ColumnOf(kTable, "Row Status");
constexpr int kVlanBasedId = ColumnOf(kTable, "VLAN-based ID");

// Two columns a group box; the check box holds "Destination IPv6 Address Mask" whole. In the
// "Rule" group the first column's values hold 32 hexadecimal digits ("F" the widest) and the
// second column (class and flow label, whose check boxes are narrower) stands right of them.
constexpr RuleLayout::Grid kGrid{.CheckWidth = 176, .ValueWidth = 100, .ColumnWidth = 330};
constexpr int kAddressWidth = 232;
constexpr int kShortCheckWidth = 92;
constexpr int kRuleColumn1 = RuleLayout::ValueLeft(0, kGrid) + kAddressWidth + 8 + kShortCheckWidth + 4;
constexpr int kGroupWidth = RuleLayout::ValueLeft(1, kGrid) + kGrid.ValueWidth + 8;
constexpr int kShortValueWidth = kGroupWidth - 8 - kRuleColumn1;

constexpr FieldPlace At(int row, int column) {
    return RuleLayout::ValuePlace(row, column, kGrid);
}
constexpr FieldPlace Address(int row) {
    return RuleLayout::ValueAt(row, RuleLayout::ValueLeft(0, kGrid), kAddressWidth);
}

// The places of the fields required when checked, in the validation flow's order; the flow
// checks them in runs, each with its own text.
enum RequiredPlace {
    rqSrcMask = 1,
    rqDstMask,
    rqSrcPortMask,
    rqDstPortMask,
    rqClass,
    rqIcmpType,
    rqIcmpCode,
    rqFlowLabel,
    rqSrcAddress,
    rqDstAddress,
    rqEnablePriority,
    rqPriority,
    rqReplacePriority,
    rqPermit,
    rqRowStatus,
    rqReplaceDscp,
    rqDscpValue,
    rqReplaceTos,
    rqTosValue,
    rqProtocol,
    rqSrcPort,
    rqDstPort,
    rqMirrorGroup,
};

constexpr int kAction = TAclRuleForm::kActionTag;
constexpr int kProtocol = 2; // the protocol rows' Tag, which no rule uses

// In column order: the rows are recorded by column.
// clang-format off
constexpr Field<T> kFields[] = {
    RuleField<T>(0, &T::chkRuleID, "", &T::edtRuleID, "%i{n1x6l1}", 0, &T::OtherGroup, At(0, 0), 0),
    RuleField<T>(1, &T::chkAccessID, "", &T::edtRuleAccessID, "%i{n0x256l3}", 0, &T::OtherGroup, At(1, 0), 0),
    RuleField<T>(2, &T::cbxRuleClass, "Class (0-255)", &T::edtRuleClass, "%i{n0x255l3}", 0, &T::RuleGroup, RuleLayout::ValueAt(0, kRuleColumn1, kShortValueWidth), rqClass),
    RuleField<T>(3, &T::cbxRuleFlowlabel, "Flow Label", &T::edtRuleFlowlabel, "%h{l8f}", 0, &T::RuleGroup, RuleLayout::ValueAt(1, kRuleColumn1, kShortValueWidth), rqFlowLabel),
    RuleField<T>(4, &T::cbxRuleSrcIpv6addr, "Source IPv6 Address", &T::edtRuleSrcIpv6addr, "%s{l32f}", 0, &T::RuleGroup, Address(0), rqSrcAddress),
    RuleField<T>(5, &T::cbxRuleDstIpv6addr, "Destination IPv6 Address", &T::edtRuleDstIpv6addr, "%s{l32f}", 0, &T::RuleGroup, Address(2), rqDstAddress),
    RuleField<T>(6, &T::cbxEnablePriority, "Enable Priority", &T::EnablePriorityComboBox, nullptr, kAction, &T::PermitGroup, At(1, 0), rqEnablePriority),
    RuleField<T>(7, &T::cbxPriority, "Priority (0-7)", &T::PriorityEdit, "%i{n0x7l1}", kAction, &T::PermitGroup, At(2, 0), rqPriority),
    RuleField<T>(8, &T::cbxReplacePriority, "Replace Priority", &T::ReplacePriorityComboBox, nullptr, kAction, &T::PermitGroup, At(3, 0), rqReplacePriority),
    RuleField<T>(9, &T::cbxPermit, "Permit", &T::PermitComboBox, nullptr, 0, &T::PermitGroup, At(0, 0), rqPermit),
    {.Column = kRowStatus, .CheckCaption = "Row Status", .Control = &T::RowComboBox, .Check = &T::cbxRow, .Group = &T::OtherGroup, .Place = At(2, 1), .Flags = kFieldHidden, .Required = rqRowStatus},
    {.Column = 12, .Control = &T::RuleOwnerComboBox, .Kind = FieldKind::ComboBox, .Group = &T::OtherGroup, .Place = At(1, 1)},
    RuleField<T>(13, &T::cbxEnableReplaceDSCP, "Replace DSCP", &T::EnableReplaceDSCPComboBox, nullptr, kAction, &T::PermitGroup, At(1, 1), rqReplaceDscp),
    RuleField<T>(14, &T::cbxEnableDSCPValue, "DSCP Value (0-63)", &T::DSCPEdit, "%i{n0x63l2}", kAction, &T::PermitGroup, At(2, 1), rqDscpValue),
    RuleField<T>(15, &T::cbxRepTosState, "Replace ToS State", &T::RepTosStateComboBox, nullptr, kAction, &T::PermitGroup, At(3, 1), rqReplaceTos),
    RuleField<T>(16, &T::cbxRepTosValue, "ToS Value (0-7)", &T::TosValueEdit, "%i{n0x7l1}", kAction, &T::PermitGroup, At(4, 1), rqTosValue),
    RuleField<T>(kVlanBasedId, &T::VLANBaseChkBox, "VLAN-based VID", &T::VLANBasedVIDEdit, "%i{n1x4094l4}", 0, &T::OtherGroup, At(0, 1), 0),
    RuleField<T>(18, &T::RuleProtoChx, "Rule Protocol", &T::RuleProtoCombox, nullptr, kProtocol, &T::OptionGroup, At(0, 0), rqProtocol),
    RuleField<T>(19, &T::SrcPortChx, "Source Port", &T::SrcPortEdit, "%i{n0x65535l5}", kProtocol, &T::OptionGroup, At(1, 0), rqSrcPort),
    RuleField<T>(20, &T::DesPortChx, "Destination Port", &T::DesPortEdit, "%i{n0x65535l5}", kProtocol, &T::OptionGroup, At(1, 1), rqDstPort),
    RuleField<T>(21, &T::cbxRuleSrcIpv6addrMask, "Source IPv6 Address Mask", &T::edtRuleSrcIpv6addrMask, "%s{l32f}", 0, &T::RuleGroup, Address(1), rqSrcMask),
    RuleField<T>(22, &T::cbxRuleDstIpv6addrMask, "Destination IPv6 Address Mask", &T::edtRuleDstIpv6addrMask, "%s{l32f}", 0, &T::RuleGroup, Address(3), rqDstMask),
    RuleField<T>(23, &T::SrcPortMaskChx, "Source Port Mask", &T::SrcPortMaskEdit, "%h{l4f}", kProtocol, &T::OptionGroup, At(2, 0), rqSrcPortMask),
    RuleField<T>(24, &T::DesPorMasktChx, "Destination Port Mask", &T::DesPortMaskEdit, "%h{l4f}", kProtocol, &T::OptionGroup, At(2, 1), rqDstPortMask),
    RuleField<T>(25, &T::TypeChx, "ICMP Type", &T::edtType, "%i{n0x255l3}", 0, &T::OptionGroup, At(3, 0), rqIcmpType),
    RuleField<T>(26, &T::CodeChx, "ICMP Code", &T::edtCode, "%i{n0x255l3}", 0, &T::OptionGroup, At(3, 1), rqIcmpCode),
    RuleField<T>(27, &T::cbxMirrorGroup, "Mirror Group ID (1-4)", &T::MirrorGroupEdit, "%i{l1}", 0, &T::PermitGroup, At(0, 1), rqMirrorGroup),
};
// clang-format on

constexpr const char* kDisabled = "disabled";

RuleEditorOptions Ipv6RuleOptions() {
    RuleEditorOptions options;
    options.Table = Ipv6RuleTable;
    options.Keys = {{DialogText::kProfileIdMustBeSet, 1, 6}, {DialogText::kAccessIdMustBeSet, 0, 256}};
    options.RowStatusColumn = kRowStatus;
    options.PortColumn = kPort;
    options.VlanBasedIdColumn = kVlanBasedId;
    options.DuplicateText = DialogText::kSameProfileIdAndAccessId;
    options.EditRefuses = EditRefusal::AfterDispatch;
    options.EditRuns = EditDispatch::ByRowStatus;
    options.AfterAdd = RuleAfterWrite::FieldsKept;
    options.AfterEdit = RuleAfterWrite::FieldsKept;
    options.UnselectedClickActivates = false;
    options.EditSkipsActiveRowStatus = false;
    options.DesignWidth = 789;
    options.DesignHeight = 751;
    options.ListHeight = 169;
    // Seven more than designed: under the unit tabs the designed height cuts a 48-port unit's
    // fourth row of port boxes.
    options.PortPanelHeight = 100;
    options.PortColumns = 12;
    return options;
}

} // namespace

TIpv6RuleForm::TIpv6RuleForm(TComponent* owner) : TAclRuleForm(owner, Ipv6RuleOptions()) {
    BuildFields();
}

void TIpv6RuleForm::BuildFields() {
    // Four groups one above the other: the addresses, the protocol fields, the action, the rest.
    RuleGroup = StackGroup("Rule", 4, kGroupWidth);
    OptionGroup = StackGroup("Option", 4, kGroupWidth);
    PermitGroup = StackGroup("Permit", 5, kGroupWidth);
    OtherGroup = StackGroup("Other", 2, kGroupWidth, 14); // and the note under the Access ID
    ::BuildFields<T>(this, FieldPanel, kFields, kTable, RuleLayout::CheckBefore(kGrid));
    for (TCheckBox* box : {cbxRuleClass, cbxRuleFlowlabel}) {
        box->SetBounds(kRuleColumn1 - kShortCheckWidth - 4, box->Top(), kShortCheckWidth, box->Height());
    }
    SetUpOtherFields(
        {{chkRuleID, edtRuleID, "Profile ID (1-6)"}, {chkAccessID, edtRuleAccessID, "Access ID (0-256)"}},
        kGrid);
    DscpValueBox = cbxEnableDSCPValue;
    DscpValueEdit = DSCPEdit;
    cbxRxRate = AddCheck({PermitGroup, 4, 0, kGrid}, "RX Rate (0-15625)", kAction);
    RxRateEdit = AddEdit({PermitGroup, 4, 0, kGrid}, kAction);
}

void TIpv6RuleForm::BindFields(DialogRequest& request) {
    ::BindFields<T>(this, this, request, kFields);
}

// After the kit has emptied the values and unticked the boxes (the VLAN-based box's rule clearing
// its edit): the defaults, then the two rules that leave the action fields as "deny" has them.
void TIpv6RuleForm::ResetDefaults() {
    SelectOption(EnableReplaceDSCPComboBox, kDisabled);
    SelectOption(EnablePriorityComboBox, kDisabled);
    SelectOption(ReplacePriorityComboBox, kDisabled);
    SelectOption(RepTosStateComboBox, kDisabled);
    SelectOption(PermitComboBox, "deny");
    SelectOption(RuleProtoCombox, "none");
    SelectOption(RowComboBox, Table.StatusItems.CreateAndGo);
    RepTosStateComboBoxChange(nullptr);
    PermitComboBoxChange(nullptr);
}

// Creation resets the fields once more after its rules.
void TIpv6RuleForm::CreationRules() {
    VLANBaseChkBoxClick(nullptr);
    RepTosStateComboBoxChange(nullptr);
    PermitComboBoxChange(nullptr);
    EnablePriorityComboBoxChange(nullptr);
    EnableReplaceDSCPComboBoxChange(nullptr);
    ResetFields();
}

// The reset runs all the list needs.
void TIpv6RuleForm::ListRules() {}

void TIpv6RuleForm::RowRules() {
    EnablePriorityComboBoxChange(nullptr);
    RepTosStateComboBoxChange(nullptr);
    EnableReplaceDSCPComboBoxChange(nullptr);
    PermitComboBoxChange(nullptr);
}

bool TIpv6RuleForm::CheckFlowLabelText(const std::string& text) {
    const bool hex = text.size() == 8 &&
                     std::all_of(text.begin(), text.end(), [](unsigned char c) { return std::isxdigit(c); });
    if (!hex) {
        ShowMessage(kInvalidFlowLabel);
    }
    return hex;
}

bool TIpv6RuleForm::ValidateFields() {
    if (!CheckKeyTexts()) {
        return false;
    }
    // The addresses and masks go out as 16 octets of their 32 digits; the flow label as 4 of its 8.
    const auto ipv6 = Focusing(CheckIPv6HexText);
    const auto flowLabel = Focusing([](TControl* edit) { return CheckFlowLabelText(edit->Caption()); });
    const char* empty = DialogText::kSomeCheckedFieldEmpty;
    return RequireCheckedFields<T>(this, kFields, rqSrcMask, rqDstMask, empty, ipv6) &&
           RequireCheckedFields<T>(this, kFields, rqSrcPortMask, rqIcmpCode, empty) &&
           RequireCheckedFields<T>(this, kFields, rqFlowLabel, rqFlowLabel, empty, flowLabel) &&
           RequireCheckedFields<T>(this, kFields, rqSrcAddress, rqDstAddress, empty, ipv6) &&
           RequireCheckedFields<T>(this, kFields, rqEnablePriority, rqTosValue, empty) &&
           CheckOneReplacement(DialogText::kReplaceDscpOrTos) && CheckRuleTarget() &&
           RequireCheckedFields<T>(this, kFields, rqProtocol, rqDstPort,
                                   DialogText::kSomeCheckedFieldEmptyNoDot) &&
           RequireCheckedFields<T>(this, kFields, rqMirrorGroup, rqMirrorGroup,
                                   DialogText::kSomeCheckFieldEmptyBang);
}
