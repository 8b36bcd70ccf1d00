#include "MulticastFilterProfileFormUnit.h"

#include "CatalogueColumns.h"
#include "MulticastFilterProfileEditFormUnit.h"
#include "Oid_multicast.h"

TMulticastFilterProfileForm* MulticastFilterProfileForm = nullptr;

namespace {

constexpr RowStatusListDesign kDesign = {
    .Table = MulticastFilterProfileDescriptionTable,
    .Kind = MVT_UMV,
    .IPv6Table = MulticastFilterProfileDescriptionTable2,
    .IPv6Kind = MVT_FMV,
    .KeyCount = 1, // the index
    .RowStatus = ColumnOf(Columns::MulticastFilterProfileDescriptionTable, "Row Status"),
    .Width = 451,
    .Height = 272,
    .Caption = "MulticastFilterProfileForm",
    // The same in both IP versions.
    .EditTitle = "Multicast Filter Profile Table",
};

} // namespace

TMulticastFilterProfileForm::TMulticastFilterProfileForm(TComponent* owner)
    : TRowStatusListForm(owner, kDesign) {}

TEditSubDialog* TMulticastFilterProfileForm::MakeEditDialog() {
    return CreateSubDialog(this, Table, MulticastFilterProfileEditForm);
}

TComboBox* TMulticastFilterProfileForm::RowStatusCombo() const {
    return MulticastFilterProfileEditForm->cbxRowStatus;
}
