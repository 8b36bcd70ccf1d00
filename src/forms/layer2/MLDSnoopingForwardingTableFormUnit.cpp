#include "MLDSnoopingForwardingTableFormUnit.h"

#include "CatalogueColumns.h"
#include "Oid_multicast.h"

TMLDSnoopingForwardingTableForm* MLDSnoopingForwardingTableForm = nullptr;

namespace {

using T = TSnoopingViewForm;

constexpr auto& kTable = Columns::MLDSnoopingForwardingTable;

// The row's keys, decoded from its instance (the source label's two blanks are the design's); each
// address edit shows its 32 digits whole.
constexpr Field<T> kFields[] = {
    {.Column = ColumnOf(kTable, "VLAN ID"),
     .Caption = "VLAN ID",
     .Control = &T::stVID,
     .Kind = FieldKind::StaticText,
     .Place = {8, 11, 60, 9, 50}},
    {.Column = ColumnOf(kTable, "Source Address"),
     .Caption = "Source  Address",
     .Constraint = "%s{l32}",
     .Control = &T::edtIPAddress,
     .Kind = FieldKind::Edit,
     .Place = {130, 11, 225, 8, 235},
     .Flags = kFieldReadOnly},
    {.Column = ColumnOf(kTable, "Group Address"),
     .Caption = "Group Address",
     .Constraint = "%s{l32}",
     .Control = &T::edtMAC,
     .Kind = FieldKind::Edit,
     .Place = {130, 39, 225, 36, 235},
     .Flags = kFieldReadOnly},
};

const SnoopingViewDesign kDesign = {
    .Table = MLDSnoopingForwardingTable,
    .Columns = kTable,
    .Kind = MVT_UMV,
    .IndexColumns = 3,
    .Guard = DialogGuard::None(),
    .Width = 621,
    .Height = 411,
    .ListHeight = 110,
    .RowsHeight = 64,
    .Fields = kFields,
    .PortColumns = {{ColumnOf(kTable, "Member Ports"), "Member Ports"}},
};

} // namespace

TMLDSnoopingForwardingTableForm::TMLDSnoopingForwardingTableForm(TComponent* owner)
    : TSnoopingViewForm(owner, kDesign) {}
