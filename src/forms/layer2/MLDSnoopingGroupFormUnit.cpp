#include "MLDSnoopingGroupFormUnit.h"

#include "CatalogueColumns.h"
#include "DialogTexts.h"
#include "Oid_multicast.h"

TMLDSnoopingGroupForm* MLDSnoopingGroupForm = nullptr;

namespace {

using T = TSnoopingViewForm;

constexpr auto& kTable = Columns::MLDSnoopingGroup;

// The source and group decoded from the row's instance (the VLAN, an implied index, is in the list
// only; the group label's two blanks are the design's), the times.
constexpr Field<T> kFields[] = {
    {.Column = ColumnOf(kTable, "Source Address"),
     .Caption = "Source Address",
     .Control = &T::stSourceIP,
     .Kind = FieldKind::StaticText,
     .Place = {8, 11, 95, 9, 235}},
    {.Column = ColumnOf(kTable, "Group Address"),
     .Caption = "Group  Address",
     .Control = &T::stGroupIP,
     .Kind = FieldKind::StaticText,
     .Place = {8, 39, 95, 37, 235}},
    {.Column = ColumnOf(kTable, "Up Time"),
     .Caption = "Up Time",
     .Constraint = "%i",
     .Control = &T::edtUptime,
     .Kind = FieldKind::Edit,
     .Place = {360, 11, 440, 8, 90},
     .Flags = kFieldReadOnly},
    {.Column = ColumnOf(kTable, "Expiry Time"),
     .Caption = "Expiry Time",
     .Constraint = "%i",
     .Control = &T::edtpExpiryTime,
     .Kind = FieldKind::Edit,
     .Place = {360, 39, 440, 36, 90},
     .Flags = kFieldReadOnly},
};

const SnoopingViewDesign kDesign = {
    .Table = MLDSnoopingGroup,
    .Columns = kTable,
    .Kind = MVT_FMV,
    .IndexColumns = 3,
    .Guard = DialogGuard::Flag(DialogText::kGetDataNotComplete),
    .Width = 752,
    .Height = 446,
    .ListHeight = 130,
    .RowsHeight = 64,
    .Fields = kFields,
    .PortColumns = {{ColumnOf(kTable, "Include Member Ports"), "Include Member Ports"},
                    {ColumnOf(kTable, "Exclude Member Ports"), "Exclude Member Ports"},
                    {ColumnOf(kTable, "Router Ports"), "Router Ports"}},
};

} // namespace

TMLDSnoopingGroupForm::TMLDSnoopingGroupForm(TComponent* owner) : TSnoopingViewForm(owner, kDesign) {}
