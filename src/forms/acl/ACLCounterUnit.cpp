#include "ACLCounterUnit.h"

#include "CatalogueColumns.h"
#include "Oid_acl.h"

TACLCounterForm* ACLCounterForm = nullptr;

namespace {

constexpr auto& kTable = Columns::ACLCounter;

constexpr CounterDesign kDesign = {.Table = ACLCounter,
                                   .Columns = kTable,
                                   .ProfileColumn = ColumnOf(kTable, "Profile ID"),
                                   .AccessColumn = ColumnOf(kTable, "Access ID"),
                                   .StateColumn = ColumnOf(kTable, "Counter State"),
                                   .Width = 620,
                                   .Height = 442,
                                   .Caption = "ACL Counter  Form"};

} // namespace

TACLCounterForm::TACLCounterForm(TComponent* owner) : TAclCounterTableForm(owner, kDesign) {}
