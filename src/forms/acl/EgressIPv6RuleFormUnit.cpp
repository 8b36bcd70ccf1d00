#include "EgressIPv6RuleFormUnit.h"

#include "CatalogueColumns.h"
#include "DialogTexts.h"
#include "FieldChecks.h"
#include "InputValidators.h"
#include "Oid_egressacl.h"
#include "OptionItems.h"
#include "TCheckBox.h"
#include "TComboBox.h"
#include "TEdit.h"
#include "TGroupBox.h"

TEgressIPv6RuleForm* EgressIPv6RuleForm = nullptr;

namespace {

using T = TEgressIPv6RuleForm;

constexpr auto& kTable = Columns::EgressIPv6RuleTable;
constexpr int kProfileId = ColumnOf(kTable, "Profile ID");
constexpr int kAccessId = ColumnOf(kTable, "Access ID");
constexpr int kRowStatus = ColumnOf(kTable, "Row Status");
constexpr int kClass = ColumnOf(kTable, "Class");
constexpr int kSourceIp = ColumnOf(kTable, "Source IPv6 Address");
constexpr int kSourceIpMask = ColumnOf(kTable, "Mask Source IPv6 Address");
constexpr int kDestinationIp = ColumnOf(kTable, "Destination IPv6 Address");
constexpr int kDestinationIpMask = ColumnOf(kTable, "Mask Destination IPv6 Address");
constexpr int kProtocol = ColumnOf(kTable, "Protocol");
constexpr int kType = ColumnOf(kTable, "Type");
constexpr int kCode = ColumnOf(kTable, "Code");
constexpr int kSourcePort = ColumnOf(kTable, "Source Port");
constexpr int kSourcePortMask = ColumnOf(kTable, "Mask Source Port");
constexpr int kDestinationPort = ColumnOf(kTable, "Destination Port");
constexpr int kDestinationPortMask = ColumnOf(kTable, "Mask Destination Port");
constexpr int kVlanBasedId = ColumnOf(kTable, "VLAN-based ID");
constexpr int kPort = ColumnOf(kTable, "Port");
constexpr int kPortGroup = ColumnOf(kTable, "Port Group");
constexpr int kPermit = ColumnOf(kTable, "Permit");
constexpr int kEnablePriority = ColumnOf(kTable, "Enable Replace Priority");
constexpr int kPriority = ColumnOf(kTable, "Replace Priority");
constexpr int kEnableReplaceDscp = ColumnOf(kTable, "Enable Replace DSCP");
constexpr int kReplaceDscp = ColumnOf(kTable, "Replace DSCP");
constexpr int kTimeRange = ColumnOf(kTable, "Time Range Name");

// Two columns a group box, the check box holding "Destination IPv6 Address Mask" whole; an address
// takes the width of both values (32 hexadecimal digits).
constexpr RuleLayout::Grid kGrid{.CheckWidth = 176, .ValueWidth = 110, .ColumnWidth = 304};
constexpr int kGroupWidth = RuleLayout::ValueLeft(1, kGrid) + kGrid.ValueWidth + 8;

constexpr FieldPlace At(int row, int column) {
    return RuleLayout::ValuePlace(row, column, kGrid);
}
constexpr FieldPlace Wide(int row) {
    return RuleLayout::ValueAt(row, RuleLayout::ValueLeft(0, kGrid), 240);
}

// The places of the fields required when checked, in the validation flow's order: M1's first run,
// M1's second and M2's, then M1's last.
enum RequiredPlace {
    rqSourcePortMask = 1,
    rqDestPortMask,
    rqClass,
    rqType,
    rqCode,
    rqEnablePriority,
    rqPriority,
    rqPermit,
    rqEnableReplaceDscp,
    rqDscpValue,
    rqVlanBasedId,
    rqPortGroup,
    rqPort,
    rqTimeRange,
    rqProtocol,
    rqSourcePort,
    rqDestPort,
};

constexpr Field<T> Rule(int column, TCheckBox* T::*check, const char* caption, FieldMember<T> value,
                        const char* constraint, int tag, TGroupBox* T::*group, FieldPlace place,
                        int required = 0, FieldDefault reset = kRuleReset) {
    return RuleField<T>(column, check, caption, value, constraint, tag, group, place, required, reset);
}

constexpr int kAction = TAclRuleForm::kActionTag;
constexpr int kOption = 2; // the protocol's and ports' fields, which no rule switches by their Tag

// In column order: the rows are recorded by column.
// clang-format off
constexpr Field<T> kFields[] = {
    RuleKey<T>(kProfileId, &T::chkRuleID, "Profile ID (1-4)", &T::edtRuleID, "%i{n1x4l1}", &T::RuleGroup, At(0, 0), kGrid),
    RuleKey<T>(kAccessId, &T::chkAccessID, "Access ID (0-128)", &T::edtRuleAccessID, "%i{n0x128l3}", &T::RuleGroup, At(0, 1), kGrid),
    RuleRowStatus<T>(kRowStatus, &T::cbxRow, &T::OtherGroup, At(1, 1)),
    Rule(kClass, &T::cbxRuleClass, "Class (0-255)", &T::edtRuleClass, "%i{n0x255l3}", 0, &T::OptionGroup, At(0, 0), rqClass),
    Rule(kSourceIp, &T::cbxRuleSrcIpv6addr, "Source IPv6 Address", &T::edtRuleSrcIpv6addr, "%h{l32f}", 0, &T::OptionGroup, Wide(1)),
    Rule(kSourceIpMask, &T::cbxRuleSrcIpv6addrMask, "Source IPv6 Address Mask", &T::edtRuleSrcIpv6addrMask, "%h{l32f}", 0, &T::OptionGroup, Wide(2)),
    Rule(kDestinationIp, &T::cbxRuleDstIpv6addr, "Destination IPv6 Address", &T::edtRuleDstIpv6addr, "%s{l32f}", 0, &T::OptionGroup, Wide(3)),
    Rule(kDestinationIpMask, &T::cbxRuleDstIpv6addrMask, "Destination IPv6 Address Mask", &T::edtRuleDstIpv6addrMask, "%s{l32f}", 0, &T::OptionGroup, Wide(4)),
    Rule(kProtocol, &T::RuleProtoChx, "Rule Protocol", &T::RuleProtoCombox, nullptr, kOption, &T::OptionGroup, At(0, 1), rqProtocol, kRuleNone),
    Rule(kType, &T::TypeChx, "ICMP Type", &T::edtType, "%i{n0x255l3}", 0, &T::OptionGroup, At(5, 0), rqType),
    Rule(kCode, &T::CodeChx, "ICMP Code", &T::edtCode, "%i{n0x255l3}", 0, &T::OptionGroup, At(5, 1), rqCode),
    Rule(kSourcePort, &T::SrcPortChx, "Source Port", &T::SrcPortEdit, "%i{n0x65535l5}", kOption, &T::OptionGroup, At(6, 0), rqSourcePort),
    Rule(kSourcePortMask, &T::SrcPortMaskChx, "Source Port Mask", &T::SrcPortMaskEdit, "%h{l4f}", kOption, &T::OptionGroup, At(6, 1), rqSourcePortMask),
    Rule(kDestinationPort, &T::DesPortChx, "Destination Port", &T::DesPortEdit, "%i{n0x65535l5}", kOption, &T::OptionGroup, At(7, 0), rqDestPort),
    Rule(kDestinationPortMask, &T::DesPorMasktChx, "Destination Port Mask", &T::DesPortMaskEdit, "%h{l4f}", kOption, &T::OptionGroup, At(7, 1), rqDestPortMask),
    Rule(kVlanBasedId, &T::VLANBaseChkBox, "VLAN-based VID", &T::VLANBasedVIDEdit, "%i{n1x4094l4}", 0, &T::OtherGroup, At(0, 0), rqVlanBasedId),
    Rule(kPort, &T::PortChkBox, "Port", &T::PortEdit, "%i{n1x384l3}", 0, &T::OtherGroup, At(0, 1), rqPort),
    Rule(kPortGroup, &T::cbxPortGroup, "Port Group (1-64)", &T::PortGroupEdit, "%i{n1x64l2}", 0, &T::OtherGroup, At(1, 0), rqPortGroup),
    Rule(kPermit, &T::cbxPermit, "Permit", &T::PermitComboBox, nullptr, 0, &T::PermitGroup, At(0, 0), rqPermit, kRuleDeny),
    Rule(kEnablePriority, &T::cbxEnablePriority, "Enable Replace Priority", &T::EnablePriorityComboBox, nullptr, kAction, &T::PermitGroup, At(1, 0), rqEnablePriority, kRuleOff),
    Rule(kPriority, &T::cbxPriority, "Priority (0-7)", &T::PriorityEdit, "%i{n0x7l1}", kAction, &T::PermitGroup, At(2, 0), rqPriority),
    Rule(kEnableReplaceDscp, &T::cbxEnableReplaceDSCP, "Enable Replace DSCP", &T::EnableReplaceDSCPComboBox, nullptr, kAction, &T::PermitGroup, At(1, 1), rqEnableReplaceDscp, kRuleOff),
    Rule(kReplaceDscp, &T::cbxEnableDSCPValue, "DSCP Value (0-63)", &T::EnabledDSCPEdit, "%i{n0x63l2}", kAction, &T::PermitGroup, At(2, 1), rqDscpValue),
    Rule(kTimeRange, &T::cbxTimeRange, "Time Range", &T::TimeRangeEdit, "%s{l32}", 0, &T::OtherGroup, At(2, 0), rqTimeRange),
};
// clang-format on

constexpr StackedGroup<T> kStack[] = {{&T::RuleGroup, "Rule", 1, 14},
                                      {&T::OptionGroup, "Option", 8},
                                      {&T::PermitGroup, "Permit", 3},
                                      {&T::OtherGroup, "Other", 3}};
constexpr auto kGroups = StackGroups(kStack, kGroupWidth);

// The rule steps of the flows: a reset runs the action rules, a chosen row the protocol's too.
constexpr FieldRule<T> kCreateRules[] = {&T::VLANBaseChkBoxClick, &T::RuleProtoComboxChange,
                                         &T::PermitComboBoxChange, &T::EnablePriorityComboBoxChange,
                                         &T::EnableReplaceDSCPComboBoxChange};
constexpr FieldRule<T> kResetRules[] = {&T::EnablePriorityComboBoxChange, &T::EnableReplaceDSCPComboBoxChange,
                                        &T::PermitComboBoxChange};
constexpr FieldRule<T> kRowRules[] = {&T::EnablePriorityComboBoxChange, &T::EnableReplaceDSCPComboBoxChange,
                                      &T::RuleProtoComboxChange, &T::PermitComboBoxChange};

const RuleDesign<T>& Design() {
    static const RuleDesign<T> design = [] {
        RuleEditorOptions options;
        options.Table = EgressIPv6RuleTable;
        options.Keys = {{kProfileId, "Profles ID must be set.", 1, 4},
                        {kAccessId, DialogText::kAccessIdMustBeSet, 0, 128}};
        options.RowStatusColumn = kRowStatus;
        options.PortColumn = kPort;
        options.VlanBasedIdColumn = kVlanBasedId;
        options.PortGroupColumn = kPortGroup;
        options.Targets = RuleTargets::TypedVlanOrPort;
        options.DuplicateText = DialogText::kSameProfileIdAndAccessId;
        options.EditRefuses = EditRefusal::AfterDispatch;
        options.EditRuns = EditDispatch::ByRowStatus;
        options.EditSkipsActiveRowStatus = false;
        options.AfterAdd = AfterWrite::NoRowKept;
        options.AfterEdit = AfterWrite::State;
        options.DesignWidth = 786;
        options.DesignHeight = 651;
        options.ListHeight = 167;
        return RuleDesign<T>{.Options = options,
                             .Fields = kFields,
                             .Columns = kTable,
                             .Groups = kGroups,
                             .Grid = kGrid,
                             .Rules = {.Create = kCreateRules, .Reset = kResetRules, .Row = kRowRules}};
    }();
    return design;
}

} // namespace

TEgressIPv6RuleForm::TEgressIPv6RuleForm(TComponent* owner) : TAclRuleForm(owner, Design().Options) {
    BuildDesign(this, Design());
    DscpValueBox = cbxEnableDSCPValue;
    DscpValueEdit = EnabledDSCPEdit;
    RuleProtoCombox->OnChange = Bind(this, &T::RuleProtoComboxChange);
}

void TEgressIPv6RuleForm::RuleProtoComboxChange(TObject*) {
    const bool none = OptionSelected(RuleProtoCombox, "none");
    for (auto [box, edit] : {std::pair{SrcPortChx, SrcPortEdit}, std::pair{DesPortChx, DesPortEdit}}) {
        box->SetChecked(false);
        SetFieldEnabled(box, !none, FieldEnabling::EnabledOnly);
        if (none) {
            edit->SetText("");
        }
        SetFieldEnabled(edit, !none, FieldEnabling::KeepValue);
    }
}

bool TEgressIPv6RuleForm::CheckFields() {
    const char* checkedEmpty = DialogText::kSomeCheckedFieldEmptyNoDot;
    const auto address = Focusing(CheckIPv6Text);
    // The masks before the addresses.
    for (auto [box, edit] : {std::pair{cbxRuleSrcIpv6addrMask, edtRuleSrcIpv6addrMask},
                             std::pair{cbxRuleDstIpv6addrMask, edtRuleDstIpv6addrMask}}) {
        if (!RequireTextIfChecked(box, edit, checkedEmpty) || (box->Checked() && !address(edit))) {
            return false;
        }
    }
    if (!RequireCheckedFields<T>(this, kFields, rqSourcePortMask, rqCode, checkedEmpty)) {
        return false;
    }
    for (auto [box, edit] : {std::pair{cbxRuleSrcIpv6addr, edtRuleSrcIpv6addr},
                             std::pair{cbxRuleDstIpv6addr, edtRuleDstIpv6addr}}) {
        if (!RequireTextIfChecked(box, edit, checkedEmpty) || (box->Checked() && !address(edit))) {
            return false;
        }
    }
    return RequireCheckedFields<T>(this, kFields, rqEnablePriority, rqDscpValue, checkedEmpty) &&
           RequireCheckedFields<T>(this, kFields, rqVlanBasedId, rqTimeRange,
                                   DialogText::kSomeCheckFieldEmptyNoDot) &&
           RequireCheckedFields<T>(this, kFields, rqProtocol, rqDestPort, checkedEmpty);
}
