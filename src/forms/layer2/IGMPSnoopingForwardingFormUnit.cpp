#include "IGMPSnoopingForwardingFormUnit.h"

#include "CatalogueColumns.h"
#include "Oid_multicast.h"

TIGMPSnoopingForwardingForm* IGMPSnoopingForwardingForm = nullptr;

namespace {

using T = TSnoopingViewForm;

constexpr auto& kTable = Columns::IGMPSnoopingForwardingTable;

// The row's keys, decoded from its instance (the group label's two blanks are the design's).
constexpr Field<T> kFields[] = {
    {.Column = ColumnOf(kTable, "VLAN ID"),
     .Caption = "VLAN ID",
     .Control = &T::stVID,
     .Kind = FieldKind::StaticText,
     .Place = {8, 11, 60, 9, 50}},
    {.Column = ColumnOf(kTable, "Source Address"),
     .Caption = "Source Address",
     .Constraint = "%s{l32}",
     .Control = &T::edtIPAddress,
     .Kind = FieldKind::Edit,
     .Place = {130, 11, 220, 8, 120},
     .Flags = kFieldReadOnly},
    {.Column = ColumnOf(kTable, "Group Address"),
     .Caption = "Group  Address",
     .Constraint = "%s{l32}",
     .Control = &T::edtMAC,
     .Kind = FieldKind::Edit,
     .Place = {355, 11, 440, 8, 90},
     .Flags = kFieldReadOnly},
};

const SnoopingViewDesign kDesign = {
    .Table = IGMPSnoopingForwardingTable,
    .Columns = kTable,
    .Kind = MVT_UMV,
    .IndexColumns = 3,
    .Guard = DialogGuard::None(),
    .Width = 639,
    .Height = 438,
    .ListHeight = 130,
    .RowsHeight = 36,
    .Fields = kFields,
    .PortColumns = {{ColumnOf(kTable, "Member Ports"), "Member Ports"}},
};

} // namespace

TIGMPSnoopingForwardingForm::TIGMPSnoopingForwardingForm(TComponent* owner)
    : TSnoopingViewForm(owner, kDesign) {}
