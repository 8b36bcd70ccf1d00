#include "CPUFilterEthernetRuleUnit.h"

#include "CatalogueColumns.h"
#include "DialogLayout.h"
#include "DialogTexts.h"
#include "FieldChecks.h"
#include "Oid_acl.h"
#include "StrictNumbers.h"
#include "TCheckBox.h"
#include "TComboBox.h"
#include "TEdit.h"
#include "TGroupBox.h"

TCPUFilterEthernetRuleForm* CPUFilterEthernetRuleForm = nullptr;

namespace {

using T = TCPUFilterEthernetRuleForm;

constexpr auto& kTable = Columns::CPUFilterEthernetRuleTable;
constexpr int kProfileId = ColumnOf(kTable, "Profile ID");
constexpr int kAccessId = ColumnOf(kTable, "Access ID");
constexpr int kEtherType = ColumnOf(kTable, "Ethernet Type");
constexpr int kVlanName = ColumnOf(kTable, "VLAN");
constexpr int kSourceMac = ColumnOf(kTable, "Rule Source MAC Address");
constexpr int kDestinationMac = ColumnOf(kTable, "Rule Destination MAC Address");
constexpr int k8021p = ColumnOf(kTable, "802.1p");
constexpr int kPermit = ColumnOf(kTable, "Permit");
constexpr int kRowStatus = ColumnOf(kTable, "Row Status");
constexpr int kPort = ColumnOf(kTable, "Port");
constexpr int kVlanId = ColumnOf(kTable, "VLAN ID");

// Two columns a group box, the check box holding "Destination MAC Address" whole.
constexpr RuleLayout::Grid kGrid{.CheckWidth = 150, .ValueWidth = 100, .ColumnWidth = 270};
constexpr int kGroupWidth = RuleLayout::ValueLeft(1, kGrid) + kGrid.ValueWidth + 8;

constexpr FieldPlace At(int row, int column) {
    return RuleLayout::ValuePlace(row, column, kGrid);
}

// The places of the fields required when checked, in the validation flow's order.
enum RequiredPlace {
    rqVid = 1,
    rqVlanName,
    rqSourceMac,
    rqDestMac,
    rq8021p,
    rqEtherType,
    rqPermit,
    rqRowStatus,
};

constexpr Field<T> Rule(int column, TCheckBox* T::*check, const char* caption, FieldMember<T> value,
                        const char* constraint, TGroupBox* T::*group, int row, int inColumn, int required) {
    return RuleField<T>(column, check, caption, value, constraint, 0, group, At(row, inColumn), required);
}

// In column order: the rows are recorded by column. A reset leaves every combo box at its first
// item (Permit "deny", Row Status "active").
// clang-format off
constexpr Field<T> kFields[] = {
    RuleKey<T>(kProfileId, &T::chkMaskID, "Profile ID (1-5)", &T::ProfileIDEdit, "%i{n1x5}", &T::RuleGroup, At(0, 0), kGrid),
    RuleKey<T>(kAccessId, &T::chkAccessID, "Access ID (0-100)", &T::AccessEdit, "%i{n0x100l3}", &T::RuleGroup, At(0, 1), kGrid),
    Rule(kEtherType, &T::cbxEtherType, "Ethernet Type", &T::EthTypeEdit, "%h{l4}", &T::OptionGroup, 3, 1, rqEtherType),
    Rule(kVlanName, &T::cbxVlanName, "VLAN Name", &T::RuleVLANNameEdit, "%s{l32}", &T::OptionGroup, 2, 0, rqVlanName),
    Rule(kSourceMac, &T::cbxSource, "Source MAC Address", &T::SourceMACEdit, "%h{l12}", &T::OptionGroup, 0, 1, rqSourceMac),
    Rule(kDestinationMac, &T::cbxDestination, "Destination MAC Address", &T::DestMACEdit, "%h{l12}", &T::OptionGroup, 1, 1, rqDestMac),
    Rule(k8021p, &T::cbxIEEE802dot1P, "802.1p", &T::IEEE8021pEdit, "%i{n0x7l1}", &T::OptionGroup, 2, 1, rq8021p),
    Rule(kPermit, &T::cbxPermit, "Permit", &T::PermitComboBox, nullptr, &T::PermitGroup, 0, 0, rqPermit),
    DefaultedField(RuleRowStatus<T>(kRowStatus, &T::cbxRow, &T::PermitGroup, At(0, 1), rqRowStatus), FieldDefault::FirstItem(FieldDefault::Box::Unchecked)),
    Rule(kVlanId, &T::cbxVID, "VLAN ID", &T::RuleVIDEdit, "%i{n1x4094l4}", &T::OptionGroup, 1, 0, rqVid),
};
// clang-format on

constexpr StackedGroup<T> kStack[] = {
    {&T::RuleGroup, "Rule", 1, 14}, {&T::OptionGroup, "Option", 4}, {&T::PermitGroup, "Permit", 1}};
constexpr auto kGroups = StackGroups(kStack, kGroupWidth);
constexpr RuleBox<T> kBoxes[] = {{&T::RuleVLANcbx, "VLAN", &T::OptionGroup, 0, 0}};
// "VLAN" follows the row boxes in Check All and Clear Checks; a reset unticks it.
constexpr TCheckBox* T::*kVlanBox[] = {&T::RuleVLANcbx};
constexpr FieldRule<T> kVlanRule[] = {&T::RuleVLANcbxClick};
constexpr StartOption<T> kStart[] = {{&T::PermitComboBox, "permit"}, {&T::RowComboBox, "createAndGo"}};

const RuleDesign<T>& Design() {
    static const RuleDesign<T> design = [] {
        RuleEditorOptions options = CpuFilterRuleOptions(CPUFilterEthernetRuleTable, kRowStatus, kPort);
        options.DesignWidth = 721;
        options.DesignHeight = 577;
        return RuleDesign<T>{
            .Options = options,
            .Fields = kFields,
            .Columns = kTable,
            .Groups = kGroups,
            .Grid = kGrid,
            .Boxes = kBoxes,
            .TickedWithRows = kVlanBox,
            .UntickedByReset = kVlanBox,
            .Rules = {.Create = kVlanRule, .Reset = kVlanRule, .List = kVlanRule, .Row = kVlanRule},
            .Start = kStart};
    }();
    return design;
}

} // namespace

RuleEditorOptions CpuFilterRuleOptions(const MibTableRow* table, int rowStatusColumn, int portColumn) {
    RuleEditorOptions options;
    options.Table = table;
    options.Keys = {{0, DialogText::kProfileIdMustBeSet, 1, 5}, {1, DialogText::kAccessIdMustBeSet, 0, 100}};
    options.RowStatusColumn = rowStatusColumn;
    options.PortColumn = portColumn;
    options.DuplicateText = DialogText::kSameProfileIdAndAccessId;
    options.Guarded = false;
    options.EditRefuses = EditRefusal::Never;
    options.StopButton = false;
    options.Samples = ButtonColumn::kCountOnly;
    options.ListHeight = 206;
    options.PortPanelHeight = 90;
    options.PortColumns = 12;
    options.ButtonColumnWidth = 120;
    return options;
}

TCPUFilterEthernetRuleForm::TCPUFilterEthernetRuleForm(TComponent* owner)
    : TAclRuleForm(owner, Design().Options) {
    BuildDesign(this, Design());
    RuleVLANcbx->OnClick = Bind(this, &T::RuleVLANcbxClick);
}

void TCPUFilterEthernetRuleForm::AddCheckButtonClick(TObject* sender) {
    CheckButtonClick(sender);
}

void TCPUFilterEthernetRuleForm::CleanCheButtonClick(TObject* sender) {
    UncheckButtonClick(sender);
}

void TCPUFilterEthernetRuleForm::Button1Click(TObject* sender) {
    CloseButtonClick(sender);
}

void TCPUFilterEthernetRuleForm::RuleVLANcbxClick(TObject*) {
    SetFieldsEnabled({cbxVID, cbxVlanName, RuleVIDEdit, RuleVLANNameEdit}, RuleVLANcbx->Checked(),
                     FieldEnabling::EnabledOnly);
}

bool TCPUFilterEthernetRuleForm::CheckFields() {
    const char* empty = DialogText::kSomeCheckFieldEmptyNoDot;
    if (RuleVLANcbx->Checked() && !RequireCheckedFields<T>(this, kFields, rqVid, rqVlanName, empty)) {
        return false;
    }
    if (!RequireCheckedFields<T>(this, kFields, rqSourceMac, rq8021p, empty)) {
        return false;
    }
    const int priority = StrictStrToInt(IEEE8021pEdit->Text()).value_or(-1);
    if (cbxIEEE802dot1P->Checked() && (priority < 0 || priority > 7)) {
        return RefuseInput(IEEE8021pEdit, DialogText::kEnterNumber0To7);
    }
    return RequireCheckedFields<T>(this, kFields, rqEtherType, rqRowStatus, empty) && CheckRuleTarget();
}

void TCPUFilterEthernetRuleForm::SendEdit(const WriteCarry& carry) {
    WriteCarry row = carry;
    row.Without(kEtherType).Without(kSourceMac).Without(kDestinationMac).Without(kPort);
    Table.Send(row); // a SET left without variables is not sent
    std::vector<int> alone;
    const auto given = [](const TCheckBox* box, const TEdit* edit) {
        return box->Checked() && !edit->Text().empty();
    };
    if (given(cbxEtherType, EthTypeEdit)) {
        alone.push_back(kEtherType);
    }
    alone.push_back(kPort);
    if (given(cbxSource, SourceMACEdit)) {
        alone.push_back(kSourceMac);
    }
    if (given(cbxDestination, DestMACEdit)) {
        alone.push_back(kDestinationMac);
    }
    Table.Send(WriteCarry::EachAlone(alone));
}
