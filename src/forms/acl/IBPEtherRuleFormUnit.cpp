#include "IBPEtherRuleFormUnit.h"

#include "CatalogueColumns.h"
#include "Oid_acl.h"

TIBPEtherRuleForm* IBPEtherRuleForm = nullptr;

namespace {

using T = TIBPEtherRuleForm;
constexpr auto& kTable = Columns::IBPEtherRuleTable;

constexpr FieldPlace At(int column, int row) {
    return IbpViewPlace(column, row, 70, 100);
}

constexpr Field<T> kFields[] = {
    IbpViewEdit<T>(ColumnOf(kTable, "Profile ID"), "Mask ID", &T::edtMaskID, "%i{n1x14}", At(0, 0)),
    IbpViewEdit<T>(ColumnOf(kTable, "Access ID"), "Access ID", &T::edtAccessID, "%i{n1x128}", At(0, 1)),
    IbpViewEdit<T>(ColumnOf(kTable, "Rule Type"), "Rule Type", &T::edtRuleType, "%s", At(1, 0)),
    IbpViewCombo<T>(ColumnOf(kTable, "Permit"), "Permit", &T::cbxPermit, At(1, 1)),
};

constexpr IbpViewDesign<T> kDesign = {.Table = IBPEtherRuleTable,
                                      .Columns = kTable,
                                      .Keys = 2,
                                      .Fields = kFields,
                                      .PortColumn = ColumnOf(kTable, "Port"),
                                      .Width = 650,
                                      .Height = 481,
                                      .Caption = "IP-MAC Binding Ethernet Rule"};

} // namespace

TIBPEtherRuleForm::TIBPEtherRuleForm(TComponent* owner) : TIBPAclViewForm(owner) {
    BuildView(this, kDesign);
}

void TIBPEtherRuleForm::btnRefreshClick(TObject* sender) {
    RefreshButtonClick(sender);
}
