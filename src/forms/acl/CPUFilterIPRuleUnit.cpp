#include "CPUFilterIPRuleUnit.h"

#include "CPUFilterEthernetRuleUnit.h"
#include "CatalogueColumns.h"
#include "DialogTexts.h"
#include "Oid_acl.h"
#include "TCheckBox.h"
#include "TComboBox.h"
#include "TEdit.h"
#include "TGroupBox.h"

TCPUFilterIPRuleForm* CPUFilterIPRuleForm = nullptr;

namespace {

using T = TCPUFilterIPRuleForm;

constexpr auto& kTable = Columns::CPUFilterIPRuleTable;
constexpr int kProfileId = ColumnOf(kTable, "Profile ID");
constexpr int kAccessId = ColumnOf(kTable, "Access ID");
constexpr int kVlanName = ColumnOf(kTable, "VLAN");
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
constexpr int kPermit = ColumnOf(kTable, "Permit");
constexpr int kRowStatus = ColumnOf(kTable, "Row Status");
constexpr int kPort = ColumnOf(kTable, "Port");
constexpr int kVlanId = ColumnOf(kTable, "VLAN ID");

constexpr RuleLayout::Grid kGrid{.CheckWidth = 144, .ValueWidth = 100, .ColumnWidth = 262};
constexpr int kGroupWidth = RuleLayout::ValueLeft(1, kGrid) + kGrid.ValueWidth + 8;

constexpr FieldPlace At(int row, int column) {
    return RuleLayout::ValuePlace(row, column, kGrid);
}

// The places of the fields required when checked, in the validation flow's order ("Code" has
// none).
enum RequiredPlace {
    rqVid = 1,
    rqVlanName,
    rqSourceIp,
    rqDestIp,
    rqDscp,
    rqProtocol,
    rqProtocolId,
    rqFlags,
    rqDestPort,
    rqSourcePort,
    rqType,
    rqUserMask,
    rqPermit,
    rqRowStatus,
};

constexpr Field<T> Rule(int column, TCheckBox* T::*check, const char* caption, FieldMember<T> value,
                        const char* constraint, TGroupBox* T::*group, int row, int inColumn,
                        int required = 0) {
    return RuleField<T>(column, check, caption, value, constraint, 0, group, At(row, inColumn), required);
}
// The read-only protocol, shown in a combo box of its options and never written.
constexpr Field<T> ProtocolField() {
    Field<T> field = Rule(kProtocol, &T::cbxProtocol, "Rule Protocol", &T::ProtocolComboBox, nullptr,
                          &T::OptionGroup, 4, 0, rqProtocol);
    field.Kind = FieldKind::ComboBox;
    return field;
}

// In column order: the rows are recorded by column. A reset leaves every combo box at its first
// item (Protocol "none", Permit "deny", Row Status "active").
// clang-format off
constexpr Field<T> kFields[] = {
    RuleKey<T>(kProfileId, &T::chkRuleID, "Profile ID (1-5)", &T::ProfileIDEdit, "%i{n1x5l1}", &T::RuleGroup, At(0, 0), kGrid),
    RuleKey<T>(kAccessId, &T::chkAccessID, "Access ID (0-100)", &T::AccessEdit, "%i{n0x100l3}", &T::RuleGroup, At(0, 1), kGrid),
    Rule(kVlanName, &T::cbxVlanName, "VLAN Name", &T::RuleVLANNameEdit, "%s{l32}", &T::OptionGroup, 2, 0, rqVlanName),
    Rule(kSourceIp, &T::cbxSourceIP, "Source IP Address", &T::SourceIPEdit, "%s{I}", &T::OptionGroup, 0, 1, rqSourceIp),
    Rule(kDestinationIp, &T::cbxDestIP, "Destination IP Address", &T::DestIPEdit, "%s{I}", &T::OptionGroup, 1, 1, rqDestIp),
    Rule(kDscp, &T::cbxDSCP, "DSCP (0-63)", &T::DSCPEdit, "%i{n0x63l2}", &T::OptionGroup, 3, 0, rqDscp),
    ProtocolField(),
    Rule(kType, &T::cbxType, "Type", &T::TypeEdit, "%i{n0x255}", &T::OptionGroup, 2, 1, rqType),
    Rule(kCode, &T::cbxCode, "Code", &T::CodeEdit, "%i{n0x255}", &T::OptionGroup, 3, 1),
    Rule(kSourcePort, &T::cbxSourcePort, "Source Port", &T::SourcePortEdit, "%i{n0x65535l5}", &T::OptionGroup, 4, 1, rqSourcePort),
    Rule(kDestinationPort, &T::cbxDestPort, "Destination Port", &T::DestPortEdit, "%i{n0x65535l5}", &T::OptionGroup, 5, 1, rqDestPort),
    Rule(kFlagBits, &T::cbxFBs, "Flag Bits", &T::FlagEdit, "%i{n0x63l2}", &T::OptionGroup, 6, 1, rqFlags),
    Rule(kProtocolId, &T::cbxProtocolID, "Protocol ID", &T::ProtocolIDEdit, "%i{n0x255l3}", &T::OptionGroup, 5, 0, rqProtocolId),
    Rule(kUserMask, &T::cbxUserMask, "User Mask", &T::UserMaskEdit, "%h{l8f}", &T::OptionGroup, 6, 0, rqUserMask),
    Rule(kPermit, &T::cbxPermit, "Permit", &T::PermitComboBox, nullptr, &T::PermitGroup, 0, 0, rqPermit),
    DefaultedField(RuleRowStatus<T>(kRowStatus, &T::cbxRow, &T::PermitGroup, At(0, 1), rqRowStatus), FieldDefault::FirstItem(FieldDefault::Box::Unchecked)),
    Rule(kVlanId, &T::cbxVID, "VLAN ID", &T::RuleVIDEdit, "%i{n1x4094l4}", &T::OptionGroup, 1, 0, rqVid),
};
// clang-format on

constexpr StackedGroup<T> kStack[] = {
    {&T::RuleGroup, "Rule", 1, 14}, {&T::OptionGroup, "Option", 7}, {&T::PermitGroup, "Permit", 1}};
constexpr auto kGroups = StackGroups(kStack, kGroupWidth);
constexpr RuleBox<T> kBoxes[] = {{&T::RuleVLANcbx, "VLAN", &T::OptionGroup, 0, 0}};

// Check All ticks "VLAN" first, whose rule enables its two fields, then every enabled row box;
// Clear Checks unticks "VLAN", then every row box.
constexpr TCheckBox* T::*kCheckAll[] = {&T::RuleVLANcbx};
constexpr TCheckBox* T::*kRowBoxes[] = {
    &T::cbxVlanName,   &T::cbxSourceIP, &T::cbxDestIP,     &T::cbxDSCP,     &T::cbxProtocol,
    &T::cbxType,       &T::cbxCode,     &T::cbxSourcePort, &T::cbxDestPort, &T::cbxFBs,
    &T::cbxProtocolID, &T::cbxUserMask, &T::cbxPermit,     &T::cbxRow,      &T::cbxVID};
constexpr TCheckBox* T::*kClearChecks[] = {
    &T::RuleVLANcbx, &T::cbxVlanName, &T::cbxSourceIP,   &T::cbxDestIP,   &T::cbxDSCP, &T::cbxProtocol,
    &T::cbxType,     &T::cbxCode,     &T::cbxSourcePort, &T::cbxDestPort, &T::cbxFBs,  &T::cbxProtocolID,
    &T::cbxUserMask, &T::cbxPermit,   &T::cbxRow,        &T::cbxVID};
constexpr TCheckBox* T::*kVlanBox[] = {&T::RuleVLANcbx};

// The rule steps: creation runs the VLAN rule and the protocol's; a reset and a click on no row
// the VLAN rule; a chosen row the protocol's alone.
constexpr FieldRule<T> kCreateRules[] = {&T::RuleVLANcbxClick, &T::ProtocolComboBoxChange};
constexpr FieldRule<T> kVlanRule[] = {&T::RuleVLANcbxClick};
constexpr FieldRule<T> kRowRules[] = {&T::ProtocolComboBoxChange};
constexpr StartOption<T> kStart[] = {
    {&T::PermitComboBox, "permit"}, {&T::RowComboBox, "createAndGo"}, {&T::ProtocolComboBox, "none"}};

const RuleDesign<T>& Design() {
    static const RuleDesign<T> design = [] {
        RuleEditorOptions options = CpuFilterRuleOptions(CPUFilterIPRuleTable, kRowStatus, kPort);
        options.StatusTarget = false;
        options.EditSkipsActiveRowStatus = false;
        options.PortColumns = 14;
        options.DesignWidth = 831;
        options.DesignHeight = 669;
        return RuleDesign<T>{
            .Options = options,
            .Fields = kFields,
            .Columns = kTable,
            .Groups = kGroups,
            .Grid = kGrid,
            .Boxes = kBoxes,
            .UntickedByReset = kVlanBox,
            .CheckAll = kCheckAll,
            .CheckAllIfEnabled = kRowBoxes,
            .ClearChecks = kClearChecks,
            .Rules = {.Create = kCreateRules, .Reset = kVlanRule, .List = kVlanRule, .Row = kRowRules},
            .Start = kStart};
    }();
    return design;
}

} // namespace

TCPUFilterIPRuleForm::TCPUFilterIPRuleForm(TComponent* owner) : TAclRuleForm(owner, Design().Options) {
    BuildDesign(this, Design());
    RuleVLANcbx->OnClick = Bind(this, &T::RuleVLANcbxClick);
    ProtocolComboBox->OnChange = Bind(this, &T::ProtocolComboBoxChange);
}

void TCPUFilterIPRuleForm::AddCheckButtonClick(TObject* sender) {
    CheckButtonClick(sender);
}

void TCPUFilterIPRuleForm::CleanCheButtonClick(TObject* sender) {
    UncheckButtonClick(sender);
}

void TCPUFilterIPRuleForm::Button1Click(TObject* sender) {
    CloseButtonClick(sender);
}

void TCPUFilterIPRuleForm::RuleVLANcbxClick(TObject*) {
    SetFieldsEnabled({cbxVID, cbxVlanName, RuleVIDEdit, RuleVLANNameEdit}, RuleVLANcbx->Checked(),
                     FieldEnabling::EnabledOnly);
}

void TCPUFilterIPRuleForm::ProtocolComboBoxChange(TObject*) {
    Ipv4ProtocolRule(ProtocolComboBox, {.Type = {cbxType, TypeEdit},
                                        .Code = {cbxCode, CodeEdit},
                                        .SourcePort = {cbxSourcePort, SourcePortEdit},
                                        .DestPort = {cbxDestPort, DestPortEdit},
                                        .Flags = {cbxFBs, FlagEdit},
                                        .ProtocolId = {cbxProtocolID, ProtocolIDEdit},
                                        .User = {cbxUserMask, UserMaskEdit},
                                        .PortMasks = {}});
}

bool TCPUFilterIPRuleForm::CheckFields() {
    const char* empty = DialogText::kSomeCheckFieldEmptyNoDot;
    if (RuleVLANcbx->Checked() && !RequireCheckedFields<T>(this, kFields, rqVid, rqVlanName, empty)) {
        return false;
    }
    return RequireCheckedFields<T>(this, kFields, rqSourceIp, rqRowStatus, empty) && CheckRuleTarget();
}
