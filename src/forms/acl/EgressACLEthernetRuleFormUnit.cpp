#include "EgressACLEthernetRuleFormUnit.h"

#include "CatalogueColumns.h"
#include "DialogTexts.h"
#include "FieldChecks.h"
#include "Oid_egressacl.h"
#include "StrictNumbers.h"
#include "TCheckBox.h"
#include "TComboBox.h"
#include "TEdit.h"
#include "TGroupBox.h"

TEgrssEthernetProfileRuleForm* EgrssEthernetProfileRuleForm = nullptr;

namespace {

using T = TEgrssEthernetProfileRuleForm;

constexpr auto& kTable = Columns::EgrssEthernetProfileRuleTable;
constexpr int kProfileId = ColumnOf(kTable, "Profile ID");
constexpr int kAccessId = ColumnOf(kTable, "Access ID");
constexpr int kRowStatus = ColumnOf(kTable, "Row Status");
constexpr int kVlanId = ColumnOf(kTable, "VLAN ID");
constexpr int kVlanMask = ColumnOf(kTable, "VLAN Mask");
constexpr int kSourceMac = ColumnOf(kTable, "Source MAC Address");
constexpr int kSourceMacMask = ColumnOf(kTable, "Mask Source MAC Address");
constexpr int kDestinationMac = ColumnOf(kTable, "Destination MAC Address");
constexpr int kDestinationMacMask = ColumnOf(kTable, "Mask Destination MAC Address");
constexpr int k8021p = ColumnOf(kTable, "802.1p");
constexpr int kEtherType = ColumnOf(kTable, "Ether Type");
constexpr int kVlanBasedId = ColumnOf(kTable, "VLAN-based ID");
constexpr int kPort = ColumnOf(kTable, "Port");
constexpr int kPortGroup = ColumnOf(kTable, "Port Group");
constexpr int kPermit = ColumnOf(kTable, "Permit");
constexpr int kEnablePriority = ColumnOf(kTable, "Enable Replace Priority");
constexpr int kPriority = ColumnOf(kTable, "Replace Priority");
constexpr int kEnableReplaceDscp = ColumnOf(kTable, "Enable Replace DSCP");
constexpr int kReplaceDscp = ColumnOf(kTable, "Replace DSCP");
constexpr int kTimeRange = ColumnOf(kTable, "Time Range Name");

// Two columns a group box: the check box holds "Destination MAC Address Mask" (its caption ends in
// two blanks) whole, the value twelve hexadecimal digits.
constexpr RuleLayout::Grid kGrid{.CheckWidth = 182, .ValueWidth = 100, .ColumnWidth = 330};
constexpr int kGroupWidth = RuleLayout::ValueLeft(1, kGrid) + kGrid.ValueWidth + 8;

constexpr FieldPlace At(int row, int column) {
    return RuleLayout::ValuePlace(row, column, kGrid);
}

// The places of the fields required when checked, in the validation flow's order: the VLAN fields
// (only while "VLAN" is ticked), then the others.
enum RequiredPlace {
    rqVid = 1,
    rqVlanMask,
    rqSourceMac,
    rqDestMac,
    rq8021p,
    rqEtherType,
    rqPriority,
    rqTimeRange,
    rqDscpValue,
    rqPort,
    rqPortGroup,
    rqVlanBasedId,
};

constexpr Field<T> Rule(int column, TCheckBox* T::*check, const char* caption, FieldMember<T> value,
                        const char* constraint, int tag, TGroupBox* T::*group, int row, int inColumn,
                        int required = 0, FieldDefault reset = kRuleReset) {
    return RuleField<T>(column, check, caption, value, constraint, tag, group, At(row, inColumn), required,
                        reset);
}

constexpr int kAction = TAclRuleForm::kActionTag;

// In column order: the rows are recorded by column.
// clang-format off
constexpr Field<T> kFields[] = {
    RuleKey<T>(kProfileId, &T::chkMaskID, "Profile ID (1-4)", &T::MaskIDEdit, "%i{n1x4l1}", &T::RuleGroup, At(0, 0), kGrid),
    RuleKey<T>(kAccessId, &T::chkAccessID, "Access ID (0-128)", &T::AccessEdit, "%i{n0x128l3}", &T::RuleGroup, At(1, 0), kGrid),
    RuleRowStatus<T>(kRowStatus, &T::cbxRow, &T::RuleGroup, At(0, 1)),
    Rule(kVlanId, &T::cbxVID, "VLAN ID", &T::RuleVIDEdit, "%i{n1x4094l4}", 0, &T::OptionGroup, 1, 0, rqVid),
    Rule(kVlanMask, &T::cbxVLANMask, "VLAN Mask (0000-0FFF)", &T::VLANMaskEdit, "%h{l4f}", 0, &T::OptionGroup, 2, 0, rqVlanMask),
    Rule(kSourceMac, &T::cbxSource, "Source MAC Address", &T::SourceMACEdit, "%h{l12}", 0, &T::OptionGroup, 0, 1, rqSourceMac),
    Rule(kSourceMacMask, &T::cbxMaskSource, "Source MAC Address Mask  ", &T::MaskSourceEdit, "%h{l12}", 0, &T::OptionGroup, 1, 1),
    Rule(kDestinationMac, &T::cbxDestination, "Destination MAC Address", &T::DestMACEdit, "%h{l12}", 0, &T::OptionGroup, 2, 1, rqDestMac),
    Rule(kDestinationMacMask, &T::cbxMaskDestination, "Destination MAC Address Mask  ", &T::MaskDestinationEdit, "%h{l12}", 0, &T::OptionGroup, 3, 1),
    Rule(k8021p, &T::cbxIEEE802dot1P, "802.1p", &T::IEEE8021pEdit, "%i{n0x7l1}", 0, &T::OptionGroup, 3, 0, rq8021p),
    Rule(kEtherType, &T::cbxEtherType, "Ethernet Type", &T::EthTypeEdit, "%h{l4}", 0, &T::OptionGroup, 4, 0, rqEtherType),
    Rule(kVlanBasedId, &T::VLANBaseChkBox, "VLAN-based VID", &T::VLANBasedVIDEdit, "%i{n1x4094l4}", 0, &T::OtherGroup, 0, 0, rqVlanBasedId),
    Rule(kPort, &T::PortChkBox, "Port", &T::PortEdit, "%i{n1x384l3}", 0, &T::OtherGroup, 0, 1, rqPort),
    Rule(kPortGroup, &T::cbxPortGroup, "Port Group (1-64)", &T::PortGroupEdit, "%i{n1x64l2}", 0, &T::OtherGroup, 1, 0, rqPortGroup),
    Rule(kPermit, &T::cbxPermit, "Permit", &T::PermitComboBox, nullptr, 0, &T::PermitGroup, 0, 0, 0, kRuleDeny),
    Rule(kEnablePriority, &T::cbxEnablePriority, "Enable Priority", &T::EnablePriorityComboBox, nullptr, kAction, &T::PermitGroup, 1, 0, 0, kRuleOff),
    Rule(kPriority, &T::cbxPriority, "Priority (0-7)", &T::PriorityEdit, "%i{n0x7l1}", kAction, &T::PermitGroup, 2, 0, rqPriority),
    Rule(kEnableReplaceDscp, &T::cbxEnableReplaceDSCP, "Enable Replace DSCP", &T::EnableReplaceDSCPComboBox, nullptr, kAction, &T::PermitGroup, 1, 1, 0, kRuleOff),
    Rule(kReplaceDscp, &T::cbxEnableDSCPValue, "DSCP Value (0-63)", &T::DSCPEdit, "%i{n0x63l2}", kAction, &T::PermitGroup, 2, 1, rqDscpValue),
    Rule(kTimeRange, &T::cbxTimeRange, "Time Range", &T::TimeRangeEdit, "%s{l32}", 0, &T::OtherGroup, 1, 1, rqTimeRange),
};
// clang-format on

constexpr StackedGroup<T> kStack[] = {{&T::RuleGroup, "Rule", 2, 14},
                                      {&T::OptionGroup, "Option", 5},
                                      {&T::PermitGroup, "Permit", 3},
                                      {&T::OtherGroup, "Other", 2}};
constexpr auto kGroups = StackGroups(kStack, kGroupWidth);
constexpr RuleBox<T> kBoxes[] = {{&T::RuleVLANcbx, "VLAN", &T::OptionGroup, 0, 0}};
// "VLAN" follows the row boxes in Check All and Clear Checks; a reset unticks it.
constexpr TCheckBox* T::*kVlanBox[] = {&T::RuleVLANcbx};

// The rule steps of the flows; the target rules in the order the flows run them.
constexpr FieldRule<T> kCreateRules[] = {&T::EnablePriorityComboBoxChange,
                                         &T::EnableReplaceDSCPComboBoxChange,
                                         &T::RuleVLANcbxClick,
                                         &T::PermitComboBoxChange,
                                         &T::VLANBaseChkBoxClick,
                                         &T::cbxPortGroupClick,
                                         &T::PortChkBoxClick};
constexpr FieldRule<T> kListRules[] = {&T::EnableReplaceDSCPComboBoxChange,
                                       &T::EnablePriorityComboBoxChange,
                                       &T::RuleVLANcbxClick,
                                       &T::VLANBaseChkBoxClick,
                                       &T::cbxPortGroupClick,
                                       &T::PortChkBoxClick};
constexpr std::span<const FieldRule<T>> kRowRules(kListRules, 3);
constexpr FieldRule<T> kRefreshRules[] = {&T::EnableReplaceDSCPComboBoxChange,
                                          &T::EnablePriorityComboBoxChange, &T::VLANBaseChkBoxClick,
                                          &T::cbxPortGroupClick, &T::PortChkBoxClick};
constexpr std::span<const FieldRule<T>> kTargetRules(kListRules + 3, 3);

const RuleDesign<T>& Design() {
    static const RuleDesign<T> design = [] {
        RuleEditorOptions options;
        options.Table = EgrssEthernetProfileRuleTable;
        options.Keys = {{kProfileId, DialogText::kProfileIdMustBeSet, 1, 4},
                        {kAccessId, DialogText::kAccessIdMustBeSet, 0, 128}};
        options.RowStatusColumn = kRowStatus;
        options.PortColumn = kPort;
        options.VlanBasedIdColumn = kVlanBasedId;
        options.PortGroupColumn = kPortGroup;
        options.Targets = RuleTargets::TypedOneOfThree;
        options.DuplicateText = DialogText::kSameProfileIdAndAccessId;
        options.PermitUnchecked = DialogText::kPermitOptionMustBeChecked;
        options.AddRefusesWhileReading = true;
        options.EditRefuses = EditRefusal::Always;
        options.EditSkipsActiveRowStatus = false;
        options.AfterEdit = AfterWrite::State;
        options.DesignWidth = 869;
        options.DesignHeight = 603;
        options.ListHeight = 144;
        options.ButtonColumnWidth = 120;
        return RuleDesign<T>{.Options = options,
                             .Fields = kFields,
                             .Columns = kTable,
                             .Groups = kGroups,
                             .Grid = kGrid,
                             .Boxes = kBoxes,
                             .TickedWithRows = kVlanBox,
                             .UntickedByReset = kVlanBox,
                             .Rules = {.Create = kCreateRules,
                                       .List = kListRules,
                                       .Row = kRowRules,
                                       .Refresh = kRefreshRules,
                                       .Targets = kTargetRules}};
    }();
    return design;
}

// A ticked field's number within [min, max]; a text that is no number is out of range.
bool InRange(const TEdit* edit, int min, int max) {
    const int value = StrictStrToInt(edit->Text()).value_or(min - 1);
    return value >= min && value <= max;
}

} // namespace

TEgrssEthernetProfileRuleForm::TEgrssEthernetProfileRuleForm(TComponent* owner)
    : TAclRuleForm(owner, Design().Options) {
    BuildDesign(this, Design());
    DscpValueBox = cbxEnableDSCPValue;
    DscpValueEdit = DSCPEdit;
    RuleVLANcbx->OnClick = Bind(this, &T::RuleVLANcbxClick);
}

void TEgrssEthernetProfileRuleForm::AddCheckButtonClick(TObject* sender) {
    CheckButtonClick(sender);
}

void TEgrssEthernetProfileRuleForm::CleanCheButtonClick(TObject* sender) {
    UncheckButtonClick(sender);
}

void TEgrssEthernetProfileRuleForm::RuleVLANcbxClick(TObject*) {
    SetFieldsEnabled({cbxVID, cbxVLANMask, RuleVIDEdit, VLANMaskEdit}, RuleVLANcbx->Checked(),
                     FieldEnabling::EnabledOnly);
}

bool TEgrssEthernetProfileRuleForm::CheckFields() {
    const char* empty = DialogText::kSomeCheckFieldEmpty;
    if (RuleVLANcbx->Checked() && !RequireCheckedFields<T>(this, kFields, rqVid, rqVlanMask, empty)) {
        return false;
    }
    if (!RequireCheckedFields<T>(this, kFields, rqSourceMac, rqVlanBasedId, empty)) {
        return false;
    }
    for (auto [box, edit] :
         {std::pair{cbxSource, SourceMACEdit}, std::pair{cbxDestination, DestMACEdit},
          std::pair{cbxMaskSource, MaskSourceEdit}, std::pair{cbxMaskDestination, MaskDestinationEdit}}) {
        if (box->Checked() && !Focusing(CheckMacAddressText)(edit)) {
            return false;
        }
    }
    const struct {
        TCheckBox* Box;
        TEdit* Edit;
        int Min;
        int Max;
        const char* Text;
    } ranges[] = {
        {cbxPriority, PriorityEdit, 0, 7, DialogText::kPriorityBetween0And7},
        {cbxEnableDSCPValue, DSCPEdit, 0, 63, DialogText::kReplaceDscpBetween0And63NoDot},
        {cbxPortGroup, PortGroupEdit, 1, 64, "Port Group should between 1-64"},
        {VLANBaseChkBox, VLANBasedVIDEdit, 1, 4094, "VLAN-based VID should between 1-4094"},
        {PortChkBox, PortEdit, 1, 384, "Port should between 1-384"},
    };
    for (const auto& r : ranges) {
        if (r.Box->Checked() && !InRange(r.Edit, r.Min, r.Max)) {
            return RefuseInput(r.Edit, r.Text);
        }
    }
    return true;
}
