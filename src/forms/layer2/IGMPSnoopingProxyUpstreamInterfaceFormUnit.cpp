#include "IGMPSnoopingProxyUpstreamInterfaceFormUnit.h"

#include "CatalogueColumns.h"
#include "InputValidators.h"
#include "Oid_mcastproxy.h"

TIGMPSnoopingProxyUpstreamInterfaceForm* IGMPSnoopingProxyUpstreamInterfaceForm = nullptr;

namespace {

using T = TProxyUpstreamInterfaceForm;

constexpr auto& kTable = Columns::IGMPSnoopingProxyUpstreamInterfaceTable;

// The index names the row: fixed, with its text, while an interface is chosen.
constexpr Field<T> kFields[] = {
    {.Column = ColumnOf(kTable, "Index"),
     .Caption = "Index",
     .Constraint = "%i",
     .Control = &T::IndexEdit,
     .Kind = FieldKind::Edit,
     .Label = &T::Label1,
     .Place = {8, 11, 60, 8, 60},
     .EnabledWhen = {.Mode = RowMode::NoRow, .How = FieldEnabling::KeepText}},
    {.Column = ColumnOf(kTable, "VLAN ID"),
     .Caption = "VLAN ID",
     .Constraint = "%i{n1x4094l4}",
     .Control = &T::VIDEdit,
     .Label = &T::Label2,
     .Place = {150, 11, 200, 8, 60}},
    {.Column = ColumnOf(kTable, "Unsolicited Report Interval"),
     .Caption = "Unsolicited Report Interval",
     .Constraint = "%i{n0x25l2}",
     .Control = &T::IntervalTime,
     .Label = &T::Label3,
     .Place = {8, 39, 150, 36, 50}},
    {.Column = ColumnOf(kTable, "Source IP"),
     .Caption = "Source IP ",
     .Constraint = "%s{l16}",
     .Control = &T::edtIPAddress,
     .Label = &T::Label4,
     .Place = {220, 39, 290, 36, 120}},
};

constexpr ProxyUpstreamDesign kDesign = {
    .Table = IGMPSnoopingProxyUpstreamInterfaceTable,
    .Columns = kTable,
    .Width = 650,
    .Height = 439,
    .Caption = "IGMP Snooping Proxy Upstream InterfaceTable",
    .Fields = kFields,
    .CheckSource = CheckIPv4Text,
    .ReadsAfterSet = true,
};

} // namespace

TIGMPSnoopingProxyUpstreamInterfaceForm::TIGMPSnoopingProxyUpstreamInterfaceForm(TComponent* owner)
    : TProxyUpstreamInterfaceForm(owner, kDesign) {}
