#include "MLDSnoopingStaticGroupFormUnit.h"

#include "CatalogueColumns.h"
#include "InputValidators.h"
#include "Oid_multicast.h"

TMLDSnoopingStaticGroupForm* MLDSnoopingStaticGroupForm = nullptr;

namespace {

using T = TSnoopingStaticGroupForm;

constexpr auto& kTable = Columns::MLDSnoopingStaticGroup;

// A chosen row's keys are its instance: fixed, with their texts, while it is chosen.
constexpr FieldEnabledWhen<T> kKey = {.Mode = RowMode::NoRow, .How = FieldEnabling::KeepText};

constexpr Field<T> kFields[] = {
    {.Column = ColumnOf(kTable, "VLAN ID"),
     .Caption = "VLAN ID",
     .Constraint = "%i{n1x4094l4}",
     .Control = &T::VlanIDEdit,
     .Label = &T::Label1,
     .Place = {8, 11, 60, 8, 70},
     .EnabledWhen = kKey},
    {.Column = ColumnOf(kTable, "Group IPv6 Address"),
     .Caption = "Multicast Group IPv6 Address",
     .Constraint = "%s{l32}",
     .Control = &T::RepalceIPEdit,
     .Label = &T::Label2,
     .Place = {150, 11, 305, 8, 240},
     .EnabledWhen = kKey},
    {.Column = ColumnOf(kTable, "Row Status"),
     .Caption = "Row Status",
     .Control = &T::CBoxStatus,
     .Label = &T::Label4,
     .Place = {560, 11, 560, 8, 100},
     .Flags = kFieldHidden,
     .Default = FieldDefault::Option("createAndGo")},
};

constexpr StaticGroupDesign kDesign = {
    .Table = MLDSnoopingStaticGroup,
    .Columns = kTable,
    .Width = 783,
    .Height = 464,
    .Caption = "MLD Snooping Static Group Table",
    .Fields = kFields,
    .MemberPorts = ColumnOf(kTable, "Member Ports"),
    .GroupNeeded = "Group IPv6 Address need to input.",
    .CheckGroup = CheckIPv6HexText,
    .GroupNotValid = "IPv6 Address in not valid.",
    .AddNeedsCreateAndGo = true,
};

} // namespace

TMLDSnoopingStaticGroupForm::TMLDSnoopingStaticGroupForm(TComponent* owner)
    : TSnoopingStaticGroupForm(owner, kDesign), LV_MLDStaticGroupEntry(StaticGroupList) {}
