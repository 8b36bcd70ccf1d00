#include "IGMPSnoopingStaticGroupFormUnit.h"

#include "CatalogueColumns.h"
#include "DialogTexts.h"
#include "InputValidators.h"
#include "Oid_multicast.h"

TIGMPSnoopingStaticGroupForm* IGMPSnoopingStaticGroupForm = nullptr;

namespace {

using T = TSnoopingStaticGroupForm;

constexpr auto& kTable = Columns::IGMPSnoopingStaticGroup;

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
    {.Column = ColumnOf(kTable, "IP Address"),
     .Caption = "IP Address",
     .Constraint = "%s{l16}",
     .Control = &T::RepalceIPEdit,
     .Label = &T::Label2,
     .Place = {160, 11, 220, 8, 120},
     .EnabledWhen = kKey},
    {.Column = ColumnOf(kTable, "Row Status"),
     .Caption = "Row Status",
     .Control = &T::CBoxStatus,
     .Label = &T::Label4,
     .Place = {360, 11, 430, 8, 100},
     .Flags = kFieldHidden,
     .Default = FieldDefault::Option("createAndGo")},
};

bool CheckDottedQuad(TControl* edit) {
    return CheckDottedQuadText(edit, LastGroupDigits::UpToThree);
}

constexpr StaticGroupDesign kDesign = {
    .Table = IGMPSnoopingStaticGroup,
    .Columns = kTable,
    .Width = 667,
    .Height = 432,
    .Caption = "IGMP Snooping Static Group Table",
    .Fields = kFields,
    .MemberPorts = ColumnOf(kTable, "Member Ports"),
    .GroupNeeded = "Multicast Group IP Address need to input.",
    .CheckGroup = CheckDottedQuad,
    .GroupNotValid = DialogText::kIpAddressNotValid,
};

} // namespace

TIGMPSnoopingStaticGroupForm::TIGMPSnoopingStaticGroupForm(TComponent* owner)
    : TSnoopingStaticGroupForm(owner, kDesign), LV_IGMPStaticGroupEntry(StaticGroupList) {}
