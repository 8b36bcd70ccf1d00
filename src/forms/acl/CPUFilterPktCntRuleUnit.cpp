#include "CPUFilterPktCntRuleUnit.h"

#include "CPUFilterEthernetRuleUnit.h"
#include "CatalogueColumns.h"
#include "DialogTexts.h"
#include "Oid_acl.h"
#include "TCheckBox.h"
#include "TComboBox.h"
#include "TEdit.h"
#include "TGroupBox.h"

TCPUFilterPktCntRuleForm* CPUFilterPktCntRuleForm = nullptr;

namespace {

using T = TCPUFilterPktCntRuleForm;

constexpr auto& kTable = Columns::CPUFilterPktCntRuleTable;
constexpr int kProfileId = ColumnOf(kTable, "Profile ID");
constexpr int kAccessId = ColumnOf(kTable, "Access ID");
constexpr int kPermit = ColumnOf(kTable, "Permit");
constexpr int kRowStatus = ColumnOf(kTable, "Row Status");
constexpr int kPort = ColumnOf(kTable, "Port");

// Two columns for the keys; a window's 32 hexadecimal digits take the width of both values.
constexpr RuleLayout::Grid kGrid{.CheckWidth = 150, .ValueWidth = 100, .ColumnWidth = 270};
constexpr int kGroupWidth = RuleLayout::ValueLeft(1, kGrid) + kGrid.ValueWidth + 8;

constexpr FieldPlace At(int row, int column) {
    return RuleLayout::ValuePlace(row, column, kGrid);
}

enum RequiredPlace { rqWindow1 = 1, rqWindow5 = 5, rqPermit, rqRowStatus };

// A payload window: its column (whose list caption differs from its box's for the first), box,
// edit and row.
constexpr Field<T> Window(int column, TCheckBox* T::*box, const char* caption, TEdit* T::*edit, int row) {
    return RuleField<T>(column, box, caption, edit, "%h{l32f}", 0, &T::OptionGroup,
                        RuleLayout::ValueAt(row, RuleLayout::ValueLeft(0, kGrid), 240), rqWindow1 + row);
}

// In column order: the rows are recorded by column. A reset leaves Permit "deny" and Row Status
// "active".
// clang-format off
constexpr Field<T> kFields[] = {
    RuleKey<T>(kProfileId, &T::chkMaskID, "Profile ID (1-5)", &T::ProfileIDEdit, "%i{n1x5l1}", &T::RuleGroup, At(0, 0), kGrid),
    RuleKey<T>(kAccessId, &T::chkAccessID, "Access ID (0-100)", &T::AccessEdit, "%i{n0x100l3}", &T::RuleGroup, At(0, 1), kGrid),
    Window(ColumnOf(kTable, "Payload Offset (1-15)"), &T::cbxPayloadOff1, "Payload Offset (0-15)", &T::PayloadOff1Edit, 0),
    Window(ColumnOf(kTable, "Payload Offset (16-31)"), &T::cbxPayloadOff2, "Payload Offset (16-31)", &T::PayloadOff2Edit, 1),
    Window(ColumnOf(kTable, "Payload Offset (32-47)"), &T::cbxPayloadOff3, "Payload Offset (32-47)", &T::PayloadOff3Edit, 2),
    Window(ColumnOf(kTable, "Payload Offset (48-63)"), &T::cbxPayloadOff4, "Payload Offset (48-63)", &T::PayloadOff4Edit, 3),
    Window(ColumnOf(kTable, "Payload Offset (64-79)"), &T::cbxPayloadOff5, "Payload Offset (64-79)", &T::PayloadOff5Edit, 4),
    RuleField<T>(kPermit, &T::cbxPermit, "Permit", &T::PermitComboBox, nullptr, 0, &T::RuleGroup, At(1, 1), rqPermit),
    DefaultedField(RuleRowStatus<T>(kRowStatus, &T::cbxRow, &T::RuleGroup, At(1, 0), rqRowStatus), FieldDefault::FirstItem(FieldDefault::Box::Unchecked)),
};
// clang-format on

constexpr StackedGroup<T> kStack[] = {{&T::RuleGroup, "Rule", 2}, {&T::OptionGroup, "Option", 5}};
constexpr auto kGroups = StackGroups(kStack, kGroupWidth);
constexpr StartOption<T> kStart[] = {{&T::PermitComboBox, "permit"}, {&T::RowComboBox, "createAndGo"}};

const RuleDesign<T>& Design() {
    static const RuleDesign<T> design = [] {
        RuleEditorOptions options = CpuFilterRuleOptions(CPUFilterPktCntRuleTable, kRowStatus, kPort);
        options.DesignWidth = 721;
        options.DesignHeight = 563;
        options.PortPanelHeight = 99;
        return RuleDesign<T>{.Options = options,
                             .Fields = kFields,
                             .Columns = kTable,
                             .Groups = kGroups,
                             .Grid = kGrid,
                             .Start = kStart};
    }();
    return design;
}

} // namespace

TCPUFilterPktCntRuleForm::TCPUFilterPktCntRuleForm(TComponent* owner)
    : TAclRuleForm(owner, Design().Options) {
    BuildDesign(this, Design());
}

void TCPUFilterPktCntRuleForm::AddCheckButtonClick(TObject* sender) {
    CheckButtonClick(sender);
}

void TCPUFilterPktCntRuleForm::CleanCheButtonClick(TObject* sender) {
    UncheckButtonClick(sender);
}

void TCPUFilterPktCntRuleForm::Button1Click(TObject* sender) {
    CloseButtonClick(sender);
}

bool TCPUFilterPktCntRuleForm::CheckFields() {
    return RequireCheckedFields<T>(this, kFields, rqWindow1, rqRowStatus,
                                   DialogText::kSomeCheckFieldEmptyNoDot) &&
           CheckRuleTarget();
}
