#include "IGMPMulticastVlanFormUnit.h"

#include "CatalogueColumns.h"
#include "Oid_multicast.h"

TIGMPMulticastVlanForm* IGMPMulticastVlanForm = nullptr;

namespace {

constexpr auto& kTable = Columns::IGMPMulticastVlanTable;

const MulticastVlanDesign kDesign = {
    .Table = IGMPMulticastVlanTable,
    .Columns = kTable,
    .Width = 758,
    .Height = 610,
    .ListHeight = 190,
    .Type = "ipv4",
    .ChecksAddress = true,
    .WarnsPortConflict = true,
    .SetWritesEmptyProfile = true,
    .AddWritesEmptyProfile = false,
    .PortColumns = {{ColumnOf(kTable, "Source Ports"), "Source Ports"},
                    {ColumnOf(kTable, "Member Ports"), "Member Ports"},
                    {ColumnOf(kTable, "Tag Member Ports"), "Tagged Member Ports"},
                    {ColumnOf(kTable, "Untag Source Ports"), "Untagged Source Ports"}},
};

} // namespace

TIGMPMulticastVlanForm::TIGMPMulticastVlanForm(TComponent* owner) : TMulticastVlanForm(owner, kDesign) {}
