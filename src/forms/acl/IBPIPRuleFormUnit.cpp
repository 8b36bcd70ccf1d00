#include "IBPIPRuleFormUnit.h"

#include "CatalogueColumns.h"
#include "Oid_acl.h"

TIBPIPRuleForm* IBPIPRuleForm = nullptr;

namespace {

using T = TIBPIPRuleForm;
constexpr auto& kTable = Columns::IBPIPRuleTable;

constexpr FieldPlace At(int column, int row) {
    return IbpViewPlace(column, row, 70, 100);
}

constexpr Field<T> kFields[] = {
    IbpViewEdit<T>(ColumnOf(kTable, "Profile ID"), "Mask ID", &T::edtMaskID, "%i{n1x14}", At(0, 0)),
    IbpViewEdit<T>(ColumnOf(kTable, "Access ID"), "Access ID", &T::edtAccessID, "%i{n1x128}", At(0, 1)),
    IbpViewEdit<T>(ColumnOf(kTable, "Source MAC Address"), "MAC Address", &T::edtSrcMac, "%s", At(1, 0)),
    IbpViewEdit<T>(ColumnOf(kTable, "Source IP Address"), "IP Address", &T::edtSrcIP, "%s", At(1, 1)),
    IbpViewCombo<T>(ColumnOf(kTable, "Permit"), "Permit", &T::cbxPermit, At(2, 0)),
};

constexpr IbpViewDesign<T> kDesign = {.Table = IBPIPRuleTable,
                                      .Columns = kTable,
                                      .Keys = 2,
                                      .Fields = kFields,
                                      .PortColumn = ColumnOf(kTable, "Port"),
                                      .Width = 692,
                                      .Height = 489,
                                      .Caption = "IP-MAC Binding IP Rule"};

} // namespace

TIBPIPRuleForm::TIBPIPRuleForm(TComponent* owner) : TIBPAclViewForm(owner) {
    BuildView(this, kDesign);
}

void TIBPIPRuleForm::btnRefreshClick(TObject* sender) {
    RefreshButtonClick(sender);
}
