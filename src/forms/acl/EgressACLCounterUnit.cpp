#include "EgressACLCounterUnit.h"

#include "CatalogueColumns.h"
#include "Oid_egressacl.h"

TEgressACLCounterForm* EgressACLCounterForm = nullptr;

namespace {

constexpr auto& kTable = Columns::EgressACLCounter;

constexpr CounterDesign kDesign = {.Table = EgressACLCounter,
                                   .Columns = kTable,
                                   .ProfileColumn = ColumnOf(kTable, "Profile ID"),
                                   .AccessColumn = ColumnOf(kTable, "Access ID"),
                                   .StateColumn = ColumnOf(kTable, "State"),
                                   .Width = 626,
                                   .Height = 445,
                                   .Caption = "Egress ACL Counter"};

} // namespace

TEgressACLCounterForm::TEgressACLCounterForm(TComponent* owner) : TAclCounterTableForm(owner, kDesign) {}
