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
constexpr int kPorts = ColumnOf(kTable, "Rule Ports");
constexpr int kRowStatus = ColumnOf(kTable, "Row Status");
constexpr int kVlanBasedId = ColumnOf(kTable, "VLAN-based ID");

// Two columns a group box: the check box holds "Destination MAC Address Mask" (its caption ends
// in two blanks) whole, the value twelve hexadecimal digits.
constexpr RuleLayout::Grid kGrid{.CheckWidth = 182, .ValueWidth = 100, .ColumnWidth = 330};
constexpr int kGroupWidth = RuleLayout::ValueLeft(1, kGrid) + kGrid.ValueWidth + 8;

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
// box, row and column there, and its required place (0: none).
constexpr Field<T> Rule(int column, TCheckBox* T::*check, const char* caption, FieldMember<T> value,
                        const char* constraint, int tag, TGroupBox* T::*group, int row, int inColumn,
                        int required = 0) {
    return RuleField<T>(column, check, caption, value, constraint, tag, group,
                        RuleLayout::ValuePlace(row, inColumn, kGrid), required);
}

constexpr int kAction = TAclRuleForm::kActionTag;

// In column order: the rows are recorded by column.
// clang-format off
constexpr Field<T> kFields[] = {
    Rule(0, &T::chkMaskID, "", &T::MaskIDEdit, "%i{n1x6l1}", 0, &T::OtherGroup, 0, 0),
    Rule(1, &T::chkAccessID, "", &T::AccessEdit, "%i{n0x256l3}", 0, &T::OtherGroup, 1, 0),
    Rule(2, &T::cbxVID, "VLAN ID", &T::RuleVIDEdit, "%i{n1x4094l4}", 0, &T::RuleGroup, 1, 0, rqVid),
    Rule(3, &T::cbxVlanName, "VLAN Name", &T::RuleVLANNameEdit, "%s{l32}", 0, &T::RuleGroup, 2, 0, rqVlanName),
    Rule(4, &T::cbxSource, "Source MAC Address", &T::SourceMACEdit, "%h{l12}", 0, &T::RuleGroup, 0, 1, rqSourceMac),
    Rule(5, &T::cbxDestination, "Destination MAC Address", &T::DestMACEdit, "%h{l12}", 0, &T::RuleGroup, 2, 1, rqDestMac),
    Rule(6, &T::cbxIEEE802dot1P, "802.1p", &T::IEEE8021pEdit, "%i{n0x7l1}", 0, &T::OptionGroup, 0, 0, rq8021p),
    Rule(7, &T::cbxEtherType, "Ethernet Type", &T::EthTypeEdit, "%h{l4}", 0, &T::OptionGroup, 0, 1, rqEtherType),
    Rule(8, &T::cbxEnablePriority, "Enable Priority", &T::EnablePriorityComboBox, nullptr, kAction, &T::PermitGroup, 1, 0),
    Rule(9, &T::cbxPriority, "Priority (0-7)", &T::PriorityEdit, "%i{n0x7l1}", kAction, &T::PermitGroup, 2, 0, rqPriority),
    Rule(10, &T::cbxReplacePriority, "Replace Priority", &T::ReplacePriorityComboBox, nullptr, kAction, &T::PermitGroup, 3, 0),
    Rule(11, &T::cbxEnableReplaceDSCP, "Replace DSCP", &T::EnableReplaceDSCPComboBox, nullptr, kAction, &T::PermitGroup, 1, 1),
    Rule(12, &T::cbxEnableDSCPValue, "DSCP Value (0-63)", &T::DSCPEdit, "%i{n0x63l2}", kAction, &T::PermitGroup, 2, 1),
    Rule(13, &T::cbxPermit, "Permit", &T::PermitComboBox, nullptr, 0, &T::PermitGroup, 0, 0),
    {.Column = kRowStatus, .CheckCaption = "Row Status", .Control = &T::RowComboBox, .Check = &T::cbxRow, .Group = &T::OtherGroup, .Place = RuleLayout::ValuePlace(2, 1, kGrid), .Flags = kFieldHidden},
    {.Column = 16, .Control = &T::RuleOwnerComboBox, .Kind = FieldKind::ComboBox, .Group = &T::OtherGroup, .Place = RuleLayout::ValuePlace(1, 1, kGrid)},
    Rule(17, &T::cbxRepTosState, "Replace ToS State", &T::RepTosStateComboBox, nullptr, kAction, &T::PermitGroup, 3, 1),
    Rule(18, &T::cbxRepTosValue, "ToS Value (0-7)", &T::TosValueEdit, "%i{n0x7}", kAction, &T::PermitGroup, 4, 1, rqTosValue),
    Rule(kVlanBasedId, &T::VLANBaseChkBox, "VLAN-based VID", &T::VLANBasedVIDEdit, "%i{n1x4094l4}", 0, &T::OtherGroup, 0, 1),
    Rule(20, &T::cbxVLANMask, "VLAN Mask (0000-0FFF)", &T::VLANMaskEdit, "%h{l4f}", 0, &T::RuleGroup, 3, 0, rqVlanMask),
    Rule(21, &T::cbxMaskSource, "Source MAC Address Mask  ", &T::MaskSourceEdit, "%h{l12}", 0, &T::RuleGroup, 1, 1),
    Rule(22, &T::cbxMaskDestination, "Destination MAC Address Mask  ", &T::MaskDestinationEdit, "%h{l12}", 0, &T::RuleGroup, 3, 1),
    Rule(23, &T::cbxMirrorGroup, "Mirror Group ID (1-4)", &T::MirrorGroupEdit, "%i{l1}", 0, &T::PermitGroup, 0, 1, rqMirrorGroup),
};
// clang-format on

constexpr const char* kDisabled = "disabled";

RuleEditorOptions EthernetRuleOptions() {
    RuleEditorOptions options;
    options.Table = EthernetProfileRuleTable;
    options.Keys = {{DialogText::kMaskIdMustBeSet, 1, 6}, {DialogText::kAccessIdMustBeSet, 0, 256}};
    options.RowStatusColumn = kRowStatus;
    options.PortColumn = kPorts;
    options.VlanBasedIdColumn = kVlanBasedId;
    options.DuplicateText = DialogText::kSameProfileIdAndAccessId;
    options.PermitUnchecked = DialogText::kPermitOptionMustBeChecked;
    options.AddRefusesWhileReading = true;
    options.EditRefuses = EditRefusal::Always;
    options.AfterEdit = RuleAfterWrite::FieldsKept;
    options.UnselectedClickActivates = false;
    options.DesignWidth = 824;
    options.DesignHeight = 759;
    options.ListHeight = 142;
    options.PortPanelHeight = 113;
    options.PortColumns = 12;
    return options;
}

} // namespace

TEthernetProfileRuleForm::TEthernetProfileRuleForm(TComponent* owner)
    : TAclRuleForm(owner, EthernetRuleOptions()) {
    ButtonPanel->SetWidth(120);
    BuildFields();
}

void TEthernetProfileRuleForm::BuildFields() {
    // Four groups one above the other: the match fields, their options, the action and the rest.
    RuleGroup = StackGroup("Rule", 4, kGroupWidth);
    OptionGroup = StackGroup("Option", 1, kGroupWidth);
    PermitGroup = StackGroup("Permit", 5, kGroupWidth);
    OtherGroup = StackGroup("Other", 2, kGroupWidth, 14); // and the note under the Access ID
    ::BuildFields<T>(this, FieldPanel, kFields, kTable, RuleLayout::CheckBefore(kGrid));
    SetUpOtherFields(
        {{chkMaskID, MaskIDEdit, "Profile ID (1-6)"}, {chkAccessID, AccessEdit, "Access ID (0-256)"}}, kGrid);
    DscpValueBox = cbxEnableDSCPValue;
    DscpValueEdit = DSCPEdit;

    RuleVLANcbx = AddCheck({RuleGroup, 0, 0, kGrid}, "VLAN", 0);
    cbxRxRate = AddCheck({PermitGroup, 4, 0, kGrid}, "RX Rate (0-15625)", kAction);
    RxRateEdit = AddEdit({PermitGroup, 4, 0, kGrid}, kAction);

    RuleVLANcbx->OnClick = Bind(this, &T::RuleVLANcbxClick);
}

void TEthernetProfileRuleForm::BindFields(DialogRequest& request) {
    ::BindFields<T>(this, this, request, kFields);
}

// The RX rate is not a column of the table: hidden, the ToS value takes its place.
void TEthernetProfileRuleForm::HideExtraFields() {
    TAclRuleForm::HideExtraFields();
    cbxRepTosValue->SetLeft(cbxRxRate->Left());
    TosValueEdit->SetLeft(RxRateEdit->Left());
}

// The reset runs no action rule: the flows run those they need after it.
void TEthernetProfileRuleForm::ResetDefaults() {
    RuleVLANcbx->SetChecked(false);
    SelectOption(EnablePriorityComboBox, kDisabled);
    SelectOption(ReplacePriorityComboBox, kDisabled);
    SelectOption(EnableReplaceDSCPComboBox, kDisabled);
    SelectOption(PermitComboBox, "deny");
    SelectOption(RepTosStateComboBox, kDisabled);
    SelectOption(RowComboBox, Table.StatusItems.CreateAndGo);
    SelectOption(RuleOwnerComboBox, "acl");
}

void TEthernetProfileRuleForm::ActionStateRules() {
    EnableReplaceDSCPComboBoxChange(nullptr);
    EnablePriorityComboBoxChange(nullptr);
    RepTosStateComboBoxChange(nullptr);
}

void TEthernetProfileRuleForm::CreationRules() {
    EnablePriorityComboBoxChange(nullptr);
    EnableReplaceDSCPComboBoxChange(nullptr);
    RepTosStateComboBoxChange(nullptr);
    RuleVLANcbxClick(nullptr);
    PermitComboBoxChange(nullptr);
}

void TEthernetProfileRuleForm::RefreshRules() {
    ActionStateRules();
}

void TEthernetProfileRuleForm::ListRules() {
    RowRules();
}

void TEthernetProfileRuleForm::RowRules() {
    ActionStateRules();
    RuleVLANcbxClick(nullptr);
    PermitComboBoxChange(nullptr);
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

bool TEthernetProfileRuleForm::ValidateFields() {
    if (!CheckKeyTexts()) {
        return false;
    }
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

// "VLAN" follows the row boxes: its rule enables the VLAN fields, whose boxes a second Check All
// then reaches.
void TEthernetProfileRuleForm::AfterCheckAll() {
    RuleVLANcbx->SetChecked(true);
}

void TEthernetProfileRuleForm::AfterClearChecks() {
    RuleVLANcbx->SetChecked(false);
}
