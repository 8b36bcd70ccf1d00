#include "IBPIPMaskFormUnit.h"

#include "CatalogueColumns.h"
#include "Oid_acl.h"

TIBPIPMaskForm* IBPIPMaskForm = nullptr;

namespace {

using T = TIBPIPMaskForm;
constexpr auto& kTable = Columns::IBPIPMaskTable;

constexpr FieldPlace At(int column, int row) {
    return IbpViewPlace(column, row, 140, 110);
}

constexpr Field<T> kFields[] = {
    IbpViewEdit<T>(ColumnOf(kTable, "Profile ID"), "Profile ID", &T::edtID, "%i{n1x14l2}", At(0, 0)),
    IbpViewEdit<T>(ColumnOf(kTable, "Source MAC Address Mask"), "Source MAC Address Mask", &T::edtSrcMacMask,
                   "%s", At(1, 0)),
    IbpViewEdit<T>(ColumnOf(kTable, "Source IP Address Mask"), "Source IP Address Mask", &T::edtSrcIPMask,
                   "%s", At(1, 1)),
};

constexpr IbpViewDesign<T> kDesign = {.Table = IBPIPMaskTable,
                                      .Columns = kTable,
                                      .Keys = 1,
                                      .Fields = kFields,
                                      .Width = 657,
                                      .Height = 347,
                                      .Caption = "IP-MAC Binding IP Mask"};

} // namespace

TIBPIPMaskForm::TIBPIPMaskForm(TComponent* owner) : TIBPAclViewForm(owner) {
    BuildView(this, kDesign);
}

void TIBPIPMaskForm::BT_GetClick(TObject* sender) {
    RefreshButtonClick(sender);
}
