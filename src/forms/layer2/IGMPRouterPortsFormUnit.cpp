#include "IGMPRouterPortsFormUnit.h"

#include "CatalogueColumns.h"
#include "Oid_multicast.h"

TIGMPRouterPortsForm* IGMPRouterPortsForm = nullptr;

namespace {

constexpr auto& kTable = Columns::IGMPRouterPortsTable;

const RouterPortsDesign kDesign = {
    .Table = IGMPRouterPortsTable,
    .Kind = MVT_FMV,
    .Width = 655,
    .Height = 395,
    .ListHeight = 110,
    .PortColumns = {{ColumnOf(kTable, "Static Router Ports"), "Static Ports"},
                    {ColumnOf(kTable, "Forbidden Router Ports"), "Forbidden Ports"},
                    {ColumnOf(kTable, "Dynamic Router Ports"), "Dynamic Ports"}},
};

} // namespace

TIGMPRouterPortsForm::TIGMPRouterPortsForm(TComponent* owner) : TSnoopingRouterPortsForm(owner, kDesign) {}
