#include "IGMPSnoopingGroupFormUnit.h"

#include "CatalogueColumns.h"
#include "DialogTexts.h"
#include "Oid_multicast.h"

TIGMPSnoopingGroupForm* IGMPSnoopingGroupForm = nullptr;

namespace {

using T = TSnoopingViewForm;

constexpr auto& kTable = Columns::IGMPSnoopingGroup;

// The source and group decoded from the row's instance (the VLAN is in the list only), the times.
constexpr Field<T> kFields[] = {
    {.Column = ColumnOf(kTable, "Source  Address"), // two blanks in the catalogue
     .Caption = "Source IP Address",
     .Control = &T::stSourceIP,
     .Kind = FieldKind::StaticText,
     .Place = {8, 11, 110, 9, 110}},
    {.Column = ColumnOf(kTable, "Group Address"),
     .Caption = "Group IP Address",
     .Control = &T::stGroupIP,
     .Kind = FieldKind::StaticText,
     .Place = {250, 11, 350, 9, 110}},
    {.Column = ColumnOf(kTable, "Up Time"),
     .Caption = "Up Time",
     .Constraint = "%i",
     .Control = &T::edtUptime,
     .Kind = FieldKind::Edit,
     .Place = {8, 39, 110, 36, 110},
     .Flags = kFieldReadOnly},
    {.Column = ColumnOf(kTable, "Expiry Time"),
     .Caption = "Expiry Time",
     .Constraint = "%i",
     .Control = &T::edtpExpiryTime,
     .Kind = FieldKind::Edit,
     .Place = {250, 39, 350, 36, 110},
     .Flags = kFieldReadOnly},
};

const SnoopingViewDesign kDesign = {
    .Table = IGMPSnoopingGroup,
    .Columns = kTable,
    .Kind = MVT_FMV,
    .IndexColumns = 3,
    .Guard = DialogGuard::Flag(DialogText::kGetDataNotComplete),
    .Width = 644,
    .Height = 373,
    .ListHeight = 110,
    .RowsHeight = 64,
    .Fields = kFields,
    .PortColumns = {{ColumnOf(kTable, "Include Member Ports"), "Include Member Ports"},
                    {ColumnOf(kTable, "Exclude Member Ports"), "Exclude Member Ports"},
                    {ColumnOf(kTable, "Router Ports"), "Router Ports"}},
};

} // namespace

TIGMPSnoopingGroupForm::TIGMPSnoopingGroupForm(TComponent* owner) : TSnoopingViewForm(owner, kDesign) {}
