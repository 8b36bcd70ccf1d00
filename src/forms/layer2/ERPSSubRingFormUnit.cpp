#include "ERPSSubRingFormUnit.h"

#include "CatalogueColumns.h"
#include "ERPSubRingEditFormUnit.h"
#include "Oid_model.h"

TERPSSubRingForm* ERPSSubRingForm = nullptr;

namespace {

constexpr RowStatusListDesign kDesign = {
    .Table = ERPSSubRingTable,
    .Kind = MVT_UMV,
    .KeyCount = 2, // the ring's and the sub-ring's R-APS VLANs
    .RowStatus = ColumnOf(Columns::ERPSSubRingTable, "Row Status"),
    .Width = 573,
    .Height = 375,
    .Caption = "ERPSSubRingForm",
    .EditTitle = "ERPS Sub-Ring Table",
};

} // namespace

TERPSSubRingForm::TERPSSubRingForm(TComponent* owner) : TRowStatusListForm(owner, kDesign) {}

TEditSubDialog* TERPSSubRingForm::MakeEditDialog() {
    return CreateSubDialog(this, Table, ERPSubRingEditForm);
}

TComboBox* TERPSSubRingForm::RowStatusCombo() const {
    return ERPSubRingEditForm->cbxRowStatus;
}
