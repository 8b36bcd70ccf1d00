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
constexpr int kProfileId = ColumnOf(kTable, "Profile ID");
constexpr int kAccessId = ColumnOf(kTable, "Access ID");
constexpr int kClass = ColumnOf(kTable, "Class");
constexpr int kFlowLabel = ColumnOf(kTable, "Flow label");
constexpr int kSourceAddress = ColumnOf(kTable, "Source IPv6 Address");
constexpr int kDestinationAddress = ColumnOf(kTable, "Destination IPv6 Address");
constexpr int kEnablePriority = ColumnOf(kTable, "Enable Priority");
constexpr int kPriority = ColumnOf(kTable, "Rule Priority");
constexpr int kReplacePriority = ColumnOf(kTable, "Rule Replace Priority");
constexpr int kPermit = ColumnOf(kTable, "Permit");
constexpr int kPort = ColumnOf(kTable, "Port");
constexpr int kRowStatus = ColumnOf(kTable, "Row Status");
constexpr int kOwner = ColumnOf(kTable, "Owner");
constexpr int kEnableReplaceDscp = ColumnOf(kTable, "Enable Replace DSCP");
constexpr int kReplaceDscp = ColumnOf(kTable, "Replace DSCP");
constexpr int kEnableReplaceTos = ColumnOf(kTable, "Enable Replace Tos");
constexpr int kReplaceTosValue = ColumnOf(kTable, "Replace Tos Value");
constexpr int kVlanBasedId = ColumnOf(kTable, "VLAN-based ID");
constexpr int kProtocol = ColumnOf(kTable, "Rule Protocol");
constexpr int kSourcePort = ColumnOf(kTable, "Source Port");
constexpr int kDestinationPort = ColumnOf(kTable, "Destination Port");
constexpr int kSourceMask = ColumnOf(kTable, "Mask Source IPv6 Address");
constexpr int kDestinationMask = ColumnOf(kTable, "Mask Destination IPv6 Address");
constexpr int kSourcePortMask = ColumnOf(kTable, "Mask Source Port");
constexpr int kDestinationPortMask = ColumnOf(kTable, "Mask Destination Port");
constexpr int kIcmpType = ColumnOf(kTable, "ICMP Type");
constexpr int kIcmpCode = ColumnOf(kTable, "ICMP Code");
constexpr int kPortMirror = ColumnOf(kTable, "Port Mirror");

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
constexpr FieldPlace Short(int row) {
    return RuleLayout::ValueAt(row, kRuleColumn1, kShortValueWidth);
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
constexpr int kProtocolTag = 2; // the protocol rows' Tag, which no rule uses

// In column order: the rows are recorded by column.
// clang-format off
constexpr Field<T> kFields[] = {
    RuleKey<T>(kProfileId, &T::chkRuleID, "Profile ID (1-6)", &T::edtRuleID, "%i{n1x6l1}", &T::OtherGroup, At(0, 0), kGrid),
    RuleKey<T>(kAccessId, &T::chkAccessID, "Access ID (0-256)", &T::edtRuleAccessID, "%i{n0x256l3}", &T::OtherGroup, At(1, 0), kGrid),
    RuleField<T>(kClass, &T::cbxRuleClass, "Class (0-255)", &T::edtRuleClass, "%i{n0x255l3}", 0, &T::RuleGroup, Short(0), rqClass),
    RuleField<T>(kFlowLabel, &T::cbxRuleFlowlabel, "Flow Label", &T::edtRuleFlowlabel, "%h{l8f}", 0, &T::RuleGroup, Short(1), rqFlowLabel),
    RuleField<T>(kSourceAddress, &T::cbxRuleSrcIpv6addr, "Source IPv6 Address", &T::edtRuleSrcIpv6addr, "%s{l32f}", 0, &T::RuleGroup, Address(0), rqSrcAddress),
    RuleField<T>(kDestinationAddress, &T::cbxRuleDstIpv6addr, "Destination IPv6 Address", &T::edtRuleDstIpv6addr, "%s{l32f}", 0, &T::RuleGroup, Address(2), rqDstAddress),
    RuleField<T>(kEnablePriority, &T::cbxEnablePriority, "Enable Priority", &T::EnablePriorityComboBox, nullptr, kAction, &T::PermitGroup, At(1, 0), rqEnablePriority, kRuleOff),
    RuleField<T>(kPriority, &T::cbxPriority, "Priority (0-7)", &T::PriorityEdit, "%i{n0x7l1}", kAction, &T::PermitGroup, At(2, 0), rqPriority),
    RuleField<T>(kReplacePriority, &T::cbxReplacePriority, "Replace Priority", &T::ReplacePriorityComboBox, nullptr, kAction, &T::PermitGroup, At(3, 0), rqReplacePriority, kRuleOff),
    RuleField<T>(kPermit, &T::cbxPermit, "Permit", &T::PermitComboBox, nullptr, 0, &T::PermitGroup, At(0, 0), rqPermit, kRuleDeny),
    RuleRowStatus<T>(kRowStatus, &T::cbxRow, &T::OtherGroup, At(2, 1), rqRowStatus),
    RuleOwner<T>(kOwner, &T::OtherGroup, At(1, 1), kRuleReset, kGrid),
    RuleField<T>(kEnableReplaceDscp, &T::cbxEnableReplaceDSCP, "Replace DSCP", &T::EnableReplaceDSCPComboBox, nullptr, kAction, &T::PermitGroup, At(1, 1), rqReplaceDscp, kRuleOff),
    RuleField<T>(kReplaceDscp, &T::cbxEnableDSCPValue, "DSCP Value (0-63)", &T::DSCPEdit, "%i{n0x63l2}", kAction, &T::PermitGroup, At(2, 1), rqDscpValue),
    RuleField<T>(kEnableReplaceTos, &T::cbxRepTosState, "Replace ToS State", &T::RepTosStateComboBox, nullptr, kAction, &T::PermitGroup, At(3, 1), rqReplaceTos, kRuleOff),
    RuleField<T>(kReplaceTosValue, &T::cbxRepTosValue, "ToS Value (0-7)", &T::TosValueEdit, "%i{n0x7l1}", kAction, &T::PermitGroup, At(4, 1), rqTosValue),
    RuleField<T>(kVlanBasedId, &T::VLANBaseChkBox, "VLAN-based VID", &T::VLANBasedVIDEdit, "%i{n1x4094l4}", 0, &T::OtherGroup, At(0, 1), 0),
    RuleField<T>(kProtocol, &T::RuleProtoChx, "Rule Protocol", &T::RuleProtoCombox, nullptr, kProtocolTag, &T::OptionGroup, At(0, 0), rqProtocol, kRuleNone),
    RuleField<T>(kSourcePort, &T::SrcPortChx, "Source Port", &T::SrcPortEdit, "%i{n0x65535l5}", kProtocolTag, &T::OptionGroup, At(1, 0), rqSrcPort),
    RuleField<T>(kDestinationPort, &T::DesPortChx, "Destination Port", &T::DesPortEdit, "%i{n0x65535l5}", kProtocolTag, &T::OptionGroup, At(1, 1), rqDstPort),
    RuleField<T>(kSourceMask, &T::cbxRuleSrcIpv6addrMask, "Source IPv6 Address Mask", &T::edtRuleSrcIpv6addrMask, "%s{l32f}", 0, &T::RuleGroup, Address(1), rqSrcMask),
    RuleField<T>(kDestinationMask, &T::cbxRuleDstIpv6addrMask, "Destination IPv6 Address Mask", &T::edtRuleDstIpv6addrMask, "%s{l32f}", 0, &T::RuleGroup, Address(3), rqDstMask),
    RuleField<T>(kSourcePortMask, &T::SrcPortMaskChx, "Source Port Mask", &T::SrcPortMaskEdit, "%h{l4f}", kProtocolTag, &T::OptionGroup, At(2, 0), rqSrcPortMask),
    RuleField<T>(kDestinationPortMask, &T::DesPorMasktChx, "Destination Port Mask", &T::DesPortMaskEdit, "%h{l4f}", kProtocolTag, &T::OptionGroup, At(2, 1), rqDstPortMask),
    RuleField<T>(kIcmpType, &T::TypeChx, "ICMP Type", &T::edtType, "%i{n0x255l3}", 0, &T::OptionGroup, At(3, 0), rqIcmpType),
    RuleField<T>(kIcmpCode, &T::CodeChx, "ICMP Code", &T::edtCode, "%i{n0x255l3}", 0, &T::OptionGroup, At(3, 1), rqIcmpCode),
    RuleField<T>(kPortMirror, &T::cbxMirrorGroup, "Mirror Group ID (1-4)", &T::MirrorGroupEdit, "%i{l1}", 0, &T::PermitGroup, At(0, 1), rqMirrorGroup),
};
// clang-format on
constexpr Field<T> kExtras[] = {RuleRxRate<T>(&T::PermitGroup, At(4, 0), kAction)};

// Four groups one above the other: the addresses, the protocol fields, the action, the rest (and
// the note under the Access ID).
constexpr StackedGroup<T> kStack[] = {{&T::RuleGroup, "Rule", 4},
                                      {&T::OptionGroup, "Option", 4},
                                      {&T::PermitGroup, "Permit", 5},
                                      {&T::OtherGroup, "Other", 2, 14}};
constexpr auto kGroups = StackGroups(kStack, kGroupWidth);

// The rule steps of the flows: a reset leaves the action fields as "deny" has them, which is all
// a click on no row needs; creation ends with the reset's steps.
constexpr FieldRule<T> kResetRules[] = {&T::RepTosStateComboBoxChange, &T::PermitComboBoxChange};
constexpr FieldRule<T> kCreateRules[] = {
    &T::VLANBaseChkBoxClick,          &T::RepTosStateComboBoxChange,       &T::PermitComboBoxChange,
    &T::EnablePriorityComboBoxChange, &T::EnableReplaceDSCPComboBoxChange, &T::RepTosStateComboBoxChange,
    &T::PermitComboBoxChange};
constexpr FieldRule<T> kRowRules[] = {&T::EnablePriorityComboBoxChange, &T::RepTosStateComboBoxChange,
                                      &T::EnableReplaceDSCPComboBoxChange, &T::PermitComboBoxChange};

const RuleDesign<T>& Design() {
    static const RuleDesign<T> design = [] {
        RuleEditorOptions options;
        options.Table = Ipv6RuleTable;
        options.Keys = {{kProfileId, DialogText::kProfileIdMustBeSet, 1, 6},
                        {kAccessId, DialogText::kAccessIdMustBeSet, 0, 256}};
        options.RowStatusColumn = kRowStatus;
        options.PortColumn = kPort;
        options.VlanBasedIdColumn = kVlanBasedId;
        options.DuplicateText = DialogText::kSameProfileIdAndAccessId;
        options.EditRefuses = EditRefusal::AfterDispatch;
        options.EditRuns = EditDispatch::ByRowStatus;
        options.AfterAdd = AfterWrite::NoRowKept;
        options.AfterEdit = AfterWrite::State;
        options.UnselectedClickActivates = false;
        options.EditSkipsActiveRowStatus = false;
        options.DesignWidth = 789;
        options.DesignHeight = 751;
        options.ListHeight = 169;
        // Seven more than designed: under the unit tabs the designed height cuts a 48-port unit's
        // fourth row of port boxes.
        options.PortPanelHeight = 100;
        options.PortColumns = 12;
        return RuleDesign<T>{
            .Options = options,
            .Fields = kFields,
            .Extras = kExtras,
            .Columns = kTable,
            .Groups = kGroups,
            .Grid = kGrid,
            .Rules = {
                .Create = kCreateRules, .Reset = kResetRules, .List = {}, .Row = kRowRules, .Refresh = {}}};
    }();
    return design;
}

} // namespace

TIpv6RuleForm::TIpv6RuleForm(TComponent* owner) : TAclRuleForm(owner, Design().Options) {
    BuildDesign(this, Design());
    // The class's and the flow label's check boxes are narrower than the grid's.
    for (TCheckBox* box : {cbxRuleClass, cbxRuleFlowlabel}) {
        box->SetBounds(kRuleColumn1 - kShortCheckWidth - 4, box->Top(), kShortCheckWidth, box->Height());
    }
    DscpValueBox = cbxEnableDSCPValue;
    DscpValueEdit = DSCPEdit;
}

bool TIpv6RuleForm::CheckFlowLabelText(const std::string& text) {
    const bool hex = text.size() == 8 &&
                     std::all_of(text.begin(), text.end(), [](unsigned char c) { return std::isxdigit(c); });
    if (!hex) {
        ShowMessage(kInvalidFlowLabel);
    }
    return hex;
}

bool TIpv6RuleForm::CheckFields() {
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
