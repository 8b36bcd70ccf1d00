#include "mldMulticastVlanFormUnit.h"

#include "CatalogueColumns.h"
#include "Oid_multicast.h"

TmldMulticastVlanForm* mldMulticastVlanForm = nullptr;

namespace {

constexpr auto& kTable = Columns::mldMulticastVlanTable;

const MulticastVlanDesign kDesign = {
    .Table = mldMulticastVlanTable,
    .Columns = kTable,
    .Width = 744,
    .Height = 547,
    .ListHeight = 130,
    .Type = "ipv6",
    .ChecksAddress = false,
    .WarnsPortConflict = false,
    .SetWritesEmptyProfile = false,
    .AddWritesEmptyProfile = true,
    .PortColumns = {{ColumnOf(kTable, "Source Port"), "Source Ports"},
                    {ColumnOf(kTable, "Member Port"), "Member Ports"},
                    {ColumnOf(kTable, "Tag Member Port"), "Tagged Member Ports"},
                    {ColumnOf(kTable, "Untag Source Port"), "Untagged Source Ports"}},
};

} // namespace

TmldMulticastVlanForm::TmldMulticastVlanForm(TComponent* owner) : TMulticastVlanForm(owner, kDesign) {}
