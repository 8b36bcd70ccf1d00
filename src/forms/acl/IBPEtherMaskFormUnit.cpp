#include "IBPEtherMaskFormUnit.h"

#include "CatalogueColumns.h"
#include "Oid_acl.h"

TIBPACLEtherMaskForm* IBPACLEtherMaskForm = nullptr;

namespace {

using T = TIBPACLEtherMaskForm;
constexpr auto& kTable = Columns::IBPACLEtherMaskTable;

constexpr FieldPlace At(int column, int row) {
    return IbpViewPlace(column, row, 110, 100);
}

constexpr Field<T> kFields[] = {
    IbpViewEdit<T>(ColumnOf(kTable, "Profile ID"), "Profile ID", &T::edtID, "%i{n1x14l2}", At(0, 0)),
    IbpViewCombo<T>(ColumnOf(kTable, "Ethernet Type"), "Use Ethernet Type", &T::cbxEtherType, At(0, 1)),
};

constexpr IbpViewDesign<T> kDesign = {.Table = IBPACLEtherMaskTable,
                                      .Columns = kTable,
                                      .Keys = 1,
                                      .Fields = kFields,
                                      .Width = 535,
                                      .Height = 357,
                                      .Caption = "IP-MAC Binding Ethernet Mask"};

} // namespace

TIBPACLEtherMaskForm::TIBPACLEtherMaskForm(TComponent* owner) : TIBPAclViewForm(owner) {
    BuildView(this, kDesign);
}

void TIBPACLEtherMaskForm::BT_GetClick(TObject* sender) {
    RefreshButtonClick(sender);
}
