#include "PktContentRuleFormUnit.h"

#include "CatalogueColumns.h"
#include "DialogTexts.h"
#include "FieldChecks.h"
#include "Oid_acl.h"
#include "OptionItems.h"
#include "TCheckBox.h"
#include "TComboBox.h"
#include "TEdit.h"
#include "TGroupBox.h"
#include "TLabel.h"
#include "UserDialogs.h"

#include <algorithm>
#include <cctype>

TPktContentRuleForm* PktContentRuleForm = nullptr;

namespace {

using T = TPktContentRuleForm;
using RuleLayout::Labelled;

constexpr auto& kTable = Columns::PktContentRuleTable;
constexpr int kProfileId = ColumnOf(kTable, "Profile ID");
constexpr int kAccessId = ColumnOf(kTable, "Access ID");
constexpr int kChunk1Value = ColumnOf(kTable, "Chunk 1 Value");
constexpr int kChunk1 = ColumnOf(kTable, "Chunk 1");
constexpr int kChunk2Value = ColumnOf(kTable, "Chunk 2 Value");
constexpr int kChunk2 = ColumnOf(kTable, "Chunk 2");
constexpr int kChunk3Value = ColumnOf(kTable, "Chunk 3 Value");
constexpr int kChunk3 = ColumnOf(kTable, "Chunk 3");
constexpr int kChunk4Value = ColumnOf(kTable, "Chunk 4 Value");
constexpr int kChunk4 = ColumnOf(kTable, "Chunk 4");
constexpr int kEnablePriority = ColumnOf(kTable, "Enable Priority");
constexpr int kPriority = ColumnOf(kTable, "Priority");
constexpr int kReplacePriority = ColumnOf(kTable, "Replace Priority");
constexpr int kEnableReplaceDscp = ColumnOf(kTable, "Enable Replace DSCP");
constexpr int kReplaceDscp = ColumnOf(kTable, "Replace DSCP Value");
constexpr int kPermit = ColumnOf(kTable, "Permit");
constexpr int kPorts = ColumnOf(kTable, "Rule Port");
constexpr int kRowStatus = ColumnOf(kTable, "Row Status");
constexpr int kOwner = ColumnOf(kTable, "Owner");
constexpr int kEnableReplaceTos = ColumnOf(kTable, "Enable Replace Tos");
constexpr int kReplaceTosValue = ColumnOf(kTable, "Replace Tos Value");
constexpr int kVlanBasedId = ColumnOf(kTable, "VLAN-based ID");
constexpr int kPortMirror = ColumnOf(kTable, "Port Mirror");

constexpr const char* kInvalidOffset = "Invalid Offset";
constexpr const char* kChunkEmpty = DialogText::kSomeCheckedFieldEmptyNoDot;

// Two columns a group box: the check box holds "Mirror Group ID (1-4)" whole, the value 8
// hexadecimal digits or the longest owner ("ext-netbios").
constexpr RuleLayout::Grid kGrid{.CheckWidth = 124, .ValueWidth = 94, .ColumnWidth = 268};
constexpr int kGroupWidth = RuleLayout::ValueLeft(1, kGrid) + kGrid.ValueWidth + 8;

constexpr FieldPlace At(int row, int column) {
    return RuleLayout::ValuePlace(row, column, kGrid);
}

// The places of the fields required when checked, in the validation flow's order.
enum RequiredPlace {
    rqEnablePriority = 1,
    rqPriority,
    rqReplacePriority,
    rqPermit,
    rqRowStatus,
    rqReplaceDscp,
    rqDscpValue,
};

constexpr Field<T> Rule(int column, TCheckBox* T::*check, const char* caption, FieldMember<T> value,
                        const char* constraint, int tag, TGroupBox* T::*group, int row, int inColumn,
                        int required = 0, FieldDefault reset = kRuleReset) {
    return RuleField<T>(column, check, caption, value, constraint, tag, group, At(row, inColumn), required,
                        reset);
}
// A chunk's value as the profile gives it: read-only, labelled, never sent.
constexpr Field<T> ChunkValue(int column, const char* caption, TEdit* T::*edit, int row, int inColumn) {
    return {.Column = column,
            .Caption = caption,
            .Constraint = "%i",
            .Edit = edit,
            .Group = &T::OptionGroup,
            .Place = Labelled(At(row, inColumn), kGrid),
            .Flags = kFieldReadOnly,
            .Default = FieldDefault::Empty()};
}

constexpr int kAction = TAclRuleForm::kActionTag;

// In column order: the rows are recorded by column. A reset keeps the VLAN-based VID and the
// mirror group as they are.
// clang-format off
constexpr Field<T> kFields[] = {
    RuleKey<T>(kProfileId, &T::chkMaskID, "Profile ID (1-6)", &T::edtProfile, "%i{n1x6l1}", &T::OtherGroup, At(0, 0), kGrid),
    RuleKey<T>(kAccessId, &T::chkAccessID, "Access ID (0-256)", &T::edtAccess, "%i{n0x256l3}", &T::OtherGroup, At(1, 0), kGrid),
    ChunkValue(kChunk1Value, "Chunk 1 Value", &T::edtChunk1Value, 0, 0),
    Rule(kChunk1, &T::cbxChunk1Offset, "Chunk 1 Content", &T::edtChunk1Offset, "%h{l8f}", 0, &T::RuleGroup, 0, 0),
    ChunkValue(kChunk2Value, "Chunk 2 Value", &T::edtChunk2Value, 0, 1),
    Rule(kChunk2, &T::cbxChunk2Offset, "Chunk 2 Content", &T::edtChunk2Offset, "%h{l8f}", 0, &T::RuleGroup, 0, 1),
    ChunkValue(kChunk3Value, "Chunk 3 Value", &T::edtChunk3Value, 1, 0),
    Rule(kChunk3, &T::cbxChunk3Offset, "Chunk 3 Content", &T::edtChunk3Offset, "%s{l8f}", 0, &T::RuleGroup, 1, 0),
    ChunkValue(kChunk4Value, "Chunk 4 Value", &T::edtChunk4Value, 1, 1),
    Rule(kChunk4, &T::cbxChunk4Offset, "Chunk 4 Content", &T::edtChunk4Offset, "%h{l8f}", 0, &T::RuleGroup, 1, 1),
    Rule(kEnablePriority, &T::cbxEnablePriority, "Enable Priority", &T::EnablePriorityComboBox, nullptr, kAction, &T::PermitGroup, 1, 0, rqEnablePriority, kRuleOff),
    Rule(kPriority, &T::cbxPriority, "Priority (0-7)", &T::PriorityEdit, "%i{n0x7l1}", kAction, &T::PermitGroup, 2, 0, rqPriority),
    Rule(kReplacePriority, &T::cbxReplacePriority, "Replace Priority", &T::ReplacePriorityComboBox, nullptr, kAction, &T::PermitGroup, 3, 0, rqReplacePriority, kRuleOff),
    Rule(kEnableReplaceDscp, &T::cbxEnableReplaceDSCP, "Replace DSCP", &T::EnableReplaceDSCPComboBox, nullptr, kAction, &T::PermitGroup, 1, 1, rqReplaceDscp, kRuleOff),
    Rule(kReplaceDscp, &T::cbxEnableDSCPValue, "DSCP Value (0-63)", &T::DSCPEdit, "%i{n0x63l2}", kAction, &T::PermitGroup, 2, 1, rqDscpValue),
    Rule(kPermit, &T::cbxPermit, "Permit", &T::PermitComboBox, nullptr, 0, &T::PermitGroup, 0, 0, rqPermit, kRuleDeny),
    RuleRowStatus<T>(kRowStatus, &T::cbxRow, &T::OtherGroup, At(1, 1), rqRowStatus),
    RuleOwner<T>(kOwner, &T::OtherGroup, At(1, 1), FieldDefault::Option("acl", FieldDefault::Box::Unchecked), kGrid),
    Rule(kEnableReplaceTos, &T::cbxRepTosState, "Replace ToS State", &T::RepTosStateComboBox, nullptr, kAction, &T::PermitGroup, 3, 1, 0, kRuleOff),
    // In the place of the RX rate, which is no column of the table.
    Rule(kReplaceTosValue, &T::cbxRepTosValue, "ToS Value (0-7)", &T::TosValueEdit, "%i{n0x7l1}", kAction, &T::PermitGroup, 4, 0),
    Rule(kVlanBasedId, &T::VLANBaseChkBox, "VLAN-based VID", &T::VLANBasedVIDEdit, "%i{n1x4094l4}", 0, &T::OtherGroup, 0, 1, 0, FieldDefault::Keep()),
    Rule(kPortMirror, &T::cbxMirrorGroup, "Mirror Group ID (1-4)", &T::MirrorGroupEdit, "%i{l1}", 0, &T::PermitGroup, 0, 1, 0, FieldDefault::Keep()),
};
// clang-format on
constexpr Field<T> kExtras[] = {RuleRxRate<T>(&T::PermitGroup, At(4, 0), kAction)};

constexpr StackedGroup<T> kStack[] = {{&T::RuleGroup, "Rule", 2},
                                      {&T::OptionGroup, "Option", 2},
                                      {&T::PermitGroup, "Permit", 5},
                                      {&T::OtherGroup, "Other", 2, 14}};
constexpr auto kGroups = StackGroups(kStack, kGroupWidth);

// Check All: the chunks, Enable Priority, Permit and the hidden Row Status whatever their state,
// Priority and Replace Priority where enabled, then the replacements that show "enabled". Neither
// touches the mirror group, the VLAN-based VID or the hidden RX rate.
constexpr TCheckBox* T::*kCheckAll[] = {&T::cbxChunk1Offset, &T::cbxChunk2Offset,   &T::cbxChunk3Offset,
                                        &T::cbxChunk4Offset, &T::cbxEnablePriority, &T::cbxPermit,
                                        &T::cbxRow};
constexpr TCheckBox* T::*kCheckAllIfEnabled[] = {&T::cbxPriority, &T::cbxReplacePriority};
constexpr TCheckBox* T::*kClearChecks[] = {&T::cbxChunk1Offset,
                                           &T::cbxChunk2Offset,
                                           &T::cbxChunk3Offset,
                                           &T::cbxChunk4Offset,
                                           &T::cbxEnablePriority,
                                           &T::cbxPriority,
                                           &T::cbxReplacePriority,
                                           &T::cbxPermit,
                                           &T::cbxRow,
                                           &T::cbxEnableDSCPValue,
                                           &T::cbxEnableReplaceDSCP,
                                           &T::cbxRepTosState,
                                           &T::cbxRepTosValue};

// The rule steps of the flows.
constexpr FieldRule<T> kCreateRules[] = {&T::VLANBaseChkBoxClick, &T::PermitComboBoxChange};
constexpr FieldRule<T> kResetRules[] = {&T::EnablePriorityComboBoxChange, &T::EnableReplaceDSCPComboBoxChange,
                                        &T::RepTosStateComboBoxChange};
constexpr FieldRule<T> kListRules[] = {&T::PermitComboBoxChange};
constexpr FieldRule<T> kRowRules[] = {&T::EnableReplaceDSCPComboBoxChange, &T::EnablePriorityComboBoxChange,
                                      &T::RepTosStateComboBoxChange, &T::PermitComboBoxChange};
constexpr FieldRule<T> kCheckAllRules[] = {&T::CheckEnabledReplacements};

const RuleDesign<T>& Design() {
    static const RuleDesign<T> design = [] {
        RuleEditorOptions options;
        options.Table = PktContentRuleTable;
        options.Keys = {{kProfileId, "IP Rule ID must be set.", 1, 6},
                        {kAccessId, "IP Rule Access ID must be set.", 0, 256}};
        options.RowStatusColumn = kRowStatus;
        options.PortColumn = kPorts;
        options.VlanBasedIdColumn = kVlanBasedId;
        options.DuplicateText = DialogText::kSameIpRuleAndAccessId;
        options.EditRefuses = EditRefusal::Always;
        options.ExclusiveReplacements = false;
        options.DesignWidth = 704;
        options.DesignHeight = 644;
        options.ListHeight = 128;
        options.PortPanelHeight = 90;
        options.PortColumns = 12;
        options.ButtonColumnWidth = 120;
        return RuleDesign<T>{.Options = options,
                             .Fields = kFields,
                             .Extras = kExtras,
                             .Columns = kTable,
                             .Groups = kGroups,
                             .Grid = kGrid,
                             .CheckAll = kCheckAll,
                             .CheckAllIfEnabled = kCheckAllIfEnabled,
                             .ClearChecks = kClearChecks,
                             .Rules = {.Create = kCreateRules,
                                       .Reset = kResetRules,
                                       .List = kListRules,
                                       .Row = kRowRules,
                                       .CheckAll = kCheckAllRules}};
    }();
    return design;
}

} // namespace

bool CheckChunkContentText(const std::string& text) {
    if (text.size() != 8 || !std::all_of(text.begin(), text.end(), [](char c) {
            return std::isxdigit(static_cast<unsigned char>(c));
        })) {
        ShowMessage(kInvalidOffset);
        return false;
    }
    return true;
}

TPktContentRuleForm::TPktContentRuleForm(TComponent* owner) : TAclRuleForm(owner, Design().Options) {
    BuildDesign(this, Design());
    DscpValueBox = cbxEnableDSCPValue;
    DscpValueEdit = DSCPEdit;
}

void TPktContentRuleForm::CheckEnabledReplacements(TObject*) {
    if (EnableReplaceDSCPComboBox->Text() == "enabled") {
        SetFieldsEnabled({cbxEnableDSCPValue, cbxEnableReplaceDSCP}, true, FieldEnabling::EnabledOnly);
        cbxEnableDSCPValue->SetChecked(true);
        cbxEnableReplaceDSCP->SetChecked(true);
    }
    if (RepTosStateComboBox->Text() == "enabled") {
        SetFieldsEnabled({cbxRepTosState, cbxRepTosValue}, true, FieldEnabling::EnabledOnly);
        cbxRepTosState->SetChecked(true);
        cbxRepTosValue->SetChecked(true);
    }
}

bool TPktContentRuleForm::CheckFields() {
    for (auto [box, content] :
         {std::pair{cbxChunk1Offset, edtChunk1Offset}, std::pair{cbxChunk2Offset, edtChunk2Offset},
          std::pair{cbxChunk3Offset, edtChunk3Offset}, std::pair{cbxChunk4Offset, edtChunk4Offset}}) {
        if (!box->Checked()) {
            continue;
        }
        if (content->Text().empty()) {
            return RefuseInput(content, kChunkEmpty);
        }
        if (!CheckChunkContentText(content->Text())) {
            FocusField(content);
            return false;
        }
    }
    // The hidden RX rate plays no part: nothing ticks it and it is never sent.
    const char* empty = DialogText::kSomeCheckedFieldEmpty;
    return RequireCheckedFields<T>(this, kFields, rqEnablePriority, rqDscpValue, empty) &&
           CheckOneReplacement(DialogText::kReplaceDscpOrTos) &&
           RequireTextIfChecked(cbxMirrorGroup, MirrorGroupEdit, DialogText::kSomeCheckFieldEmptyBang) &&
           CheckRuleTarget();
}
