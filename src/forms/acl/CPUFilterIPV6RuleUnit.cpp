#include "CPUFilterIPV6RuleUnit.h"

#include "CPUFilterEthernetRuleUnit.h"
#include "CatalogueColumns.h"
#include "DialogTexts.h"
#include "InputValidators.h"
#include "Oid_acl.h"
#include "TCheckBox.h"
#include "TComboBox.h"
#include "TEdit.h"
#include "TGroupBox.h"

TCPUFilterIPV6RuleForm* CPUFilterIPV6RuleForm = nullptr;

namespace {

using T = TCPUFilterIPV6RuleForm;

constexpr auto& kTable = Columns::CPUFilterIPV6RuleTable;
constexpr int kProfileId = ColumnOf(kTable, "Profile ID");
constexpr int kAccessId = ColumnOf(kTable, "Access ID");
constexpr int kClass = ColumnOf(kTable, "Class");
constexpr int kFlowLabel = ColumnOf(kTable, "Flow Label");
constexpr int kSourceIp = ColumnOf(kTable, "Source IPv6 Address");
constexpr int kDestinationIp = ColumnOf(kTable, "Destination IPv6 Address");
constexpr int kPermit = ColumnOf(kTable, "Permit");
constexpr int kRowStatus = ColumnOf(kTable, "Row Status");
constexpr int kPort = ColumnOf(kTable, "Port");

// Two columns a group box; an address takes the width of both values (32 hexadecimal digits).
constexpr RuleLayout::Grid kGrid{.CheckWidth = 150, .ValueWidth = 100, .ColumnWidth = 270};
constexpr int kGroupWidth = RuleLayout::ValueLeft(1, kGrid) + kGrid.ValueWidth + 8;

constexpr FieldPlace At(int row, int column) {
    return RuleLayout::ValuePlace(row, column, kGrid);
}
constexpr FieldPlace Wide(int row) {
    return RuleLayout::ValueAt(row, RuleLayout::ValueLeft(0, kGrid), 240);
}

enum RequiredPlace { rqClass = 1, rqFlowLabel, rqPermit, rqRowStatus };

// In column order: the rows are recorded by column. A reset leaves Permit "deny" and Row Status
// "active".
// clang-format off
constexpr Field<T> kFields[] = {
    RuleKey<T>(kProfileId, &T::chkMaskID, "Profile ID (1-5)", &T::ProfileIDEdit, "%i{n1x5l1}", &T::RuleGroup, At(0, 0), kGrid),
    RuleKey<T>(kAccessId, &T::chkAccessID, "Access ID (0-100)", &T::AccessEdit, "%i{n0x100l3}", &T::RuleGroup, At(0, 1), kGrid),
    RuleField<T>(kClass, &T::cbxClass, "Class", &T::ClassEdit, "%i{n0x255l3}", 0, &T::OptionGroup, At(0, 0), rqClass),
    RuleField<T>(kFlowLabel, &T::cbxFlowLabel, "Flow Label", &T::FlowLabelEdit, "%h{l8f}", 0, &T::OptionGroup, At(0, 1), rqFlowLabel),
    RuleField<T>(kSourceIp, &T::cbxSource, "Source IPv6 Address", &T::SourceIPV6Edit, "%h{l32f}", 0, &T::OptionGroup, Wide(1)),
    RuleField<T>(kDestinationIp, &T::cbxDestination, "Destination IPv6 Address", &T::DestIPV6Edit, "%h{l32f}", 0, &T::OptionGroup, Wide(2)),
    RuleField<T>(kPermit, &T::cbxPermit, "Permit", &T::PermitComboBox, nullptr, 0, &T::RuleGroup, At(1, 1), rqPermit),
    DefaultedField(RuleRowStatus<T>(kRowStatus, &T::cbxRow, &T::RuleGroup, At(1, 0), rqRowStatus), FieldDefault::FirstItem(FieldDefault::Box::Unchecked)),
};
// clang-format on

constexpr StackedGroup<T> kStack[] = {{&T::RuleGroup, "Rule", 2}, {&T::OptionGroup, "Option", 3}};
constexpr auto kGroups = StackGroups(kStack, kGroupWidth);
constexpr StartOption<T> kStart[] = {{&T::PermitComboBox, "permit"}, {&T::RowComboBox, "createAndGo"}};

const RuleDesign<T>& Design() {
    static const RuleDesign<T> design = [] {
        RuleEditorOptions options = CpuFilterRuleOptions(CPUFilterIPV6RuleTable, kRowStatus, kPort);
        options.DesignWidth = 697;
        options.DesignHeight = 539;
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

TCPUFilterIPV6RuleForm::TCPUFilterIPV6RuleForm(TComponent* owner) : TAclRuleForm(owner, Design().Options) {
    BuildDesign(this, Design());
}

void TCPUFilterIPV6RuleForm::AddCheckButtonClick(TObject* sender) {
    CheckButtonClick(sender);
}

void TCPUFilterIPV6RuleForm::CleanCheButtonClick(TObject* sender) {
    UncheckButtonClick(sender);
}

void TCPUFilterIPV6RuleForm::Button1Click(TObject* sender) {
    CloseButtonClick(sender);
}

bool TCPUFilterIPV6RuleForm::CheckFields() {
    const char* empty = DialogText::kSomeCheckFieldEmptyNoDot;
    if (!RequireCheckedFields<T>(this, kFields, rqClass, rqClass, empty)) {
        return false;
    }
    const auto address = Focusing(CheckIPv6Text);
    for (auto [box, edit] : {std::pair{cbxSource, SourceIPV6Edit}, std::pair{cbxDestination, DestIPV6Edit}}) {
        if (!RequireTextIfChecked(box, edit, empty) || (box->Checked() && !address(edit))) {
            return false;
        }
    }
    return RequireCheckedFields<T>(this, kFields, rqFlowLabel, rqRowStatus, empty) && CheckRuleTarget();
}
