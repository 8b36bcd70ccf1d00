#include "EthernetProfileRuleUnit.h"

#include "CatalogueColumns.h"
#include "DialogTexts.h"
#include "FieldChecks.h"
#include "Oid_acl.h"
#include "OptionItems.h"
#include "StrictNumbers.h"
#include "TCheckBox.h"
#include "TComboBox.h"
#include "TEdit.h"
#include "TGroupBox.h"
#include "TLabel.h"
#include "TPanel.h"

TEthernetProfileRuleForm* EthernetProfileRuleForm = nullptr;

namespace {

using T = TEthernetProfileRuleForm;

constexpr auto& kTable = Columns::EthernetProfileRuleTable;
constexpr int kProfileId = ColumnOf(kTable, "Profile ID");
constexpr int kAccessId = ColumnOf(kTable, "Access ID");
constexpr int kVlanId = ColumnOf(kTable, "Rule VLAN ID");
constexpr int kVlanName = ColumnOf(kTable, "VLAN");
constexpr int kSourceMac = ColumnOf(kTable, "Source MAC Address");
constexpr int kDestinationMac = ColumnOf(kTable, "Destination MAC Address");
constexpr int k8021p = ColumnOf(kTable, "802.1p");
constexpr int kEthernetType = ColumnOf(kTable, "Ethernet Type");
constexpr int kEnablePriority = ColumnOf(kTable, "Enable Priority");
constexpr int kPriority = ColumnOf(kTable, "Priority");
constexpr int kReplacePriority = ColumnOf(kTable, "Replace Priority");
constexpr int kEnableReplaceDscp = ColumnOf(kTable, "Enable Replace DSCP");
constexpr int kReplaceDscp = ColumnOf(kTable, "Replace DSCP");
constexpr int kPermit = ColumnOf(kTable, "Permit Rule");
constexpr int kPorts = ColumnOf(kTable, "Rule Ports");
constexpr int kRowStatus = ColumnOf(kTable, "Row Status");
constexpr int kOwner = ColumnOf(kTable, "Rule Owner");
constexpr int kEnableReplaceTos = ColumnOf(kTable, "Enable Replace Tos");
constexpr int kReplaceTosValue = ColumnOf(kTable, "Replace Tos Value");
constexpr int kVlanBasedId = ColumnOf(kTable, "VLAN-based ID");
constexpr int kVlanMask = ColumnOf(kTable, "Mask VLAN");
constexpr int kSourceMacMask = ColumnOf(kTable, "Mask Source MAC Address");
constexpr int kDestinationMacMask = ColumnOf(kTable, "Mask Destination MAC Address");
constexpr int kPortMirror = ColumnOf(kTable, "Port Mirror");

// Two columns a group box: the check box holds "Destination MAC Address Mask" (its caption ends
// in two blanks) whole, the value twelve hexadecimal digits.
constexpr RuleLayout::Grid kGrid{.CheckWidth = 182, .ValueWidth = 100, .ColumnWidth = 330};
constexpr int kGroupWidth = RuleLayout::ValueLeft(1, kGrid) + kGrid.ValueWidth + 8;

constexpr FieldPlace At(int row, int column) {
    return RuleLayout::ValuePlace(row, column, kGrid);
}

// The places of the fields required when checked, in the validation flow's order: the VLAN fields
// (only while "VLAN" is ticked), then the others.
enum RequiredPlace {
    rqVid = 1,
    rqVlanName,
    rqVlanMask,
    rqSourceMac,
    rqDestMac,
    rq8021p,
    rqEtherType,
    rqPriority,
    rqTosValue,
    rqMirrorGroup,
};

// A field: check box and caption, value control (of its column's kind), constraint, Tag, group
// box, row and column there, its required place (0: none), and what a reset gives it.
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
    RuleKey<T>(kProfileId, &T::chkMaskID, "Profile ID (1-6)", &T::MaskIDEdit, "%i{n1x6l1}", &T::OtherGroup, At(0, 0), kGrid),
    RuleKey<T>(kAccessId, &T::chkAccessID, "Access ID (0-256)", &T::AccessEdit, "%i{n0x256l3}", &T::OtherGroup, At(1, 0), kGrid),
    Rule(kVlanId, &T::cbxVID, "VLAN ID", &T::RuleVIDEdit, "%i{n1x4094l4}", 0, &T::RuleGroup, 1, 0, rqVid),
    Rule(kVlanName, &T::cbxVlanName, "VLAN Name", &T::RuleVLANNameEdit, "%s{l32}", 0, &T::RuleGroup, 2, 0, rqVlanName),
    Rule(kSourceMac, &T::cbxSource, "Source MAC Address", &T::SourceMACEdit, "%h{l12}", 0, &T::RuleGroup, 0, 1, rqSourceMac),
    Rule(kDestinationMac, &T::cbxDestination, "Destination MAC Address", &T::DestMACEdit, "%h{l12}", 0, &T::RuleGroup, 2, 1, rqDestMac),
    Rule(k8021p, &T::cbxIEEE802dot1P, "802.1p", &T::IEEE8021pEdit, "%i{n0x7l1}", 0, &T::OptionGroup, 0, 0, rq8021p),
    Rule(kEthernetType, &T::cbxEtherType, "Ethernet Type", &T::EthTypeEdit, "%h{l4}", 0, &T::OptionGroup, 0, 1, rqEtherType),
    Rule(kEnablePriority, &T::cbxEnablePriority, "Enable Priority", &T::EnablePriorityComboBox, nullptr, kAction, &T::PermitGroup, 1, 0, 0, kRuleOff),
    Rule(kPriority, &T::cbxPriority, "Priority (0-7)", &T::PriorityEdit, "%i{n0x7l1}", kAction, &T::PermitGroup, 2, 0, rqPriority),
    Rule(kReplacePriority, &T::cbxReplacePriority, "Replace Priority", &T::ReplacePriorityComboBox, nullptr, kAction, &T::PermitGroup, 3, 0, 0, kRuleOff),
    Rule(kEnableReplaceDscp, &T::cbxEnableReplaceDSCP, "Replace DSCP", &T::EnableReplaceDSCPComboBox, nullptr, kAction, &T::PermitGroup, 1, 1, 0, kRuleOff),
    Rule(kReplaceDscp, &T::cbxEnableDSCPValue, "DSCP Value (0-63)", &T::DSCPEdit, "%i{n0x63l2}", kAction, &T::PermitGroup, 2, 1),
    Rule(kPermit, &T::cbxPermit, "Permit", &T::PermitComboBox, nullptr, 0, &T::PermitGroup, 0, 0, 0, kRuleDeny),
    RuleRowStatus<T>(kRowStatus, &T::cbxRow, &T::OtherGroup, At(2, 1)),
    RuleOwner<T>(kOwner, &T::OtherGroup, At(1, 1), FieldDefault::Option("acl", FieldDefault::Box::Unchecked), kGrid),
    Rule(kEnableReplaceTos, &T::cbxRepTosState, "Replace ToS State", &T::RepTosStateComboBox, nullptr, kAction, &T::PermitGroup, 3, 1, 0, kRuleOff),
    // In the place of the RX rate, which is no column of the table.
    Rule(kReplaceTosValue, &T::cbxRepTosValue, "ToS Value (0-7)", &T::TosValueEdit, "%i{n0x7}", kAction, &T::PermitGroup, 4, 0, rqTosValue),
    Rule(kVlanBasedId, &T::VLANBaseChkBox, "VLAN-based VID", &T::VLANBasedVIDEdit, "%i{n1x4094l4}", 0, &T::OtherGroup, 0, 1),
    Rule(kVlanMask, &T::cbxVLANMask, "VLAN Mask (0000-0FFF)", &T::VLANMaskEdit, "%h{l4f}", 0, &T::RuleGroup, 3, 0, rqVlanMask),
    Rule(kSourceMacMask, &T::cbxMaskSource, "Source MAC Address Mask  ", &T::MaskSourceEdit, "%h{l12}", 0, &T::RuleGroup, 1, 1),
    Rule(kDestinationMacMask, &T::cbxMaskDestination, "Destination MAC Address Mask  ", &T::MaskDestinationEdit, "%h{l12}", 0, &T::RuleGroup, 3, 1),
    Rule(kPortMirror, &T::cbxMirrorGroup, "Mirror Group ID (1-4)", &T::MirrorGroupEdit, "%i{l1}", 0, &T::PermitGroup, 0, 1, rqMirrorGroup),
};
// clang-format on
constexpr Field<T> kExtras[] = {RuleRxRate<T>(&T::PermitGroup, At(4, 0), kAction)};

// Four groups one above the other: the match fields, their options, the action and the rest (and
// the note under the Access ID).
constexpr StackedGroup<T> kStack[] = {{&T::RuleGroup, "Rule", 4},
                                      {&T::OptionGroup, "Option", 1},
                                      {&T::PermitGroup, "Permit", 5},
                                      {&T::OtherGroup, "Other", 2, 14}};
constexpr auto kGroups = StackGroups(kStack, kGroupWidth);
constexpr RuleBox<T> kBoxes[] = {{&T::RuleVLANcbx, "VLAN", &T::RuleGroup, 0, 0}};
// "VLAN" follows the row boxes: its rule enables the VLAN fields, whose boxes a second Check All
// then reaches. A reset unticks it too.
constexpr TCheckBox* T::*kVlanBox[] = {&T::RuleVLANcbx};

// The rule steps of the flows. A reset runs no action rule: the flows run those they need after it.
constexpr FieldRule<T> kCreateRules[] = {&T::EnablePriorityComboBoxChange,
                                         &T::EnableReplaceDSCPComboBoxChange, &T::RepTosStateComboBoxChange,
                                         &T::RuleVLANcbxClick, &T::PermitComboBoxChange};
constexpr FieldRule<T> kRowRules[] = {&T::EnableReplaceDSCPComboBoxChange, &T::EnablePriorityComboBoxChange,
                                      &T::RepTosStateComboBoxChange, &T::RuleVLANcbxClick,
                                      &T::PermitComboBoxChange};
// Replace DSCP, Enable Priority and Replace ToS State.
constexpr std::span<const FieldRule<T>> kActionStateRules(kRowRules, 3);

const RuleDesign<T>& Design() {
    static const RuleDesign<T> design = [] {
        RuleEditorOptions options;
        options.Table = EthernetProfileRuleTable;
        options.Keys = {{kProfileId, DialogText::kMaskIdMustBeSet, 1, 6},
                        {kAccessId, DialogText::kAccessIdMustBeSet, 0, 256}};
        options.RowStatusColumn = kRowStatus;
        options.PortColumn = kPorts;
        options.VlanBasedIdColumn = kVlanBasedId;
        options.DuplicateText = DialogText::kSameProfileIdAndAccessId;
        options.PermitUnchecked = DialogText::kPermitOptionMustBeChecked;
        options.AddRefusesWhileReading = true;
        options.EditRefuses = EditRefusal::Always;
        options.AfterEdit = AfterWrite::State;
        options.UnselectedClickActivates = false;
        options.DesignWidth = 824;
        options.DesignHeight = 759;
        options.ListHeight = 142;
        options.PortPanelHeight = 113;
        options.PortColumns = 12;
        options.ButtonColumnWidth = 120;
        return RuleDesign<T>{.Options = options,
                             .Fields = kFields,
                             .Extras = kExtras,
                             .Columns = kTable,
                             .Groups = kGroups,
                             .Grid = kGrid,
                             .Boxes = kBoxes,
                             .TickedWithRows = kVlanBox,
                             .UntickedByReset = kVlanBox,
                             .Rules = {.Create = kCreateRules,
                                       .Reset = {},
                                       .List = kRowRules,
                                       .Row = kRowRules,
                                       .Refresh = kActionStateRules}};
    }();
    return design;
}

} // namespace

TEthernetProfileRuleForm::TEthernetProfileRuleForm(TComponent* owner)
    : TAclRuleForm(owner, Design().Options) {
    BuildDesign(this, Design());
    DscpValueBox = cbxEnableDSCPValue;
    DscpValueEdit = DSCPEdit;
    RuleVLANcbx->OnClick = Bind(this, &T::RuleVLANcbxClick);
}

void TEthernetProfileRuleForm::AddCheckButtonClick(TObject* sender) {
    CheckButtonClick(sender);
}

void TEthernetProfileRuleForm::CleanCheButtonClick(TObject* sender) {
    UncheckButtonClick(sender);
}

void TEthernetProfileRuleForm::RuleVLANcbxClick(TObject*) {
    SetFieldsEnabled({cbxVID, cbxVlanName, cbxVLANMask, RuleVIDEdit, RuleVLANNameEdit, VLANMaskEdit},
                     RuleVLANcbx->Checked(), FieldEnabling::EnabledOnly);
}

bool TEthernetProfileRuleForm::CheckFields() {
    const char* empty = DialogText::kSomeCheckFieldEmpty;
    if (RuleVLANcbx->Checked() && !RequireCheckedFields<T>(this, kFields, rqVid, rqVlanMask, empty)) {
        return false;
    }
    if (!RequireCheckedFields<T>(this, kFields, rqSourceMac, rqMirrorGroup, empty)) {
        return false;
    }
    // The masks have no empty-field check of their own: the MAC check refuses an empty text.
    for (auto [box, edit] :
         {std::pair{cbxSource, SourceMACEdit}, std::pair{cbxDestination, DestMACEdit},
          std::pair{cbxMaskSource, MaskSourceEdit}, std::pair{cbxMaskDestination, MaskDestinationEdit}}) {
        if (box->Checked() && !Focusing(CheckMacAddressText)(edit)) {
            return false;
        }
    }
    // A text that is no number counts as out of range.
    const auto inRange = [](TEdit* edit, int max) {
        const int value = StrictStrToInt(edit->Text()).value_or(-1);
        return value >= 0 && value <= max;
    };
    if (cbxPriority->Checked() && !inRange(PriorityEdit, 7)) {
        return RefuseInput(PriorityEdit, DialogText::kPriorityBetween0And7);
    }
    if (cbxEnableDSCPValue->Checked() && !inRange(DSCPEdit, 63)) {
        return RefuseInput(DSCPEdit, DialogText::kReplaceDscpBetween0And63);
    }
    return CheckOneReplacement(DialogText::kCannotSetDscpAndTos) && CheckRuleTarget();
}
