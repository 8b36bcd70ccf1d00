#include "MLDRouterProtsFormUnit.h"

#include "CatalogueColumns.h"
#include "Oid_multicast.h"

TMLDRouterProtsForm* MLDRouterProtsForm = nullptr;

namespace {

constexpr auto& kTable = Columns::MLDRouterProtsTable;

const RouterPortsDesign kDesign = {
    .Table = MLDRouterProtsTable,
    .Kind = MVT_UMV,
    .Width = 629,
    .Height = 462,
    .ListHeight = 150,
    .PortColumns = {{ColumnOf(kTable, "Static Router Ports"), "Static Router Ports"},
                    {ColumnOf(kTable, "Dynamic Router Ports"), "Dynamic Router Ports"},
                    {ColumnOf(kTable, "Forbidden Router Ports"), "Forbidden Router Ports"}},
};

} // namespace

TMLDRouterProtsForm::TMLDRouterProtsForm(TComponent* owner) : TSnoopingRouterPortsForm(owner, kDesign) {}
