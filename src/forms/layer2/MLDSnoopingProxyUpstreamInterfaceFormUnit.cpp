#include "MLDSnoopingProxyUpstreamInterfaceFormUnit.h"

#include "CatalogueColumns.h"
#include "InputValidators.h"
#include "Oid_mcastproxy.h"

TMLDSnoopingProxyUpstreamInterfaceForm* MLDSnoopingProxyUpstreamInterfaceForm = nullptr;

namespace {

using T = TProxyUpstreamInterfaceForm;

constexpr auto& kTable = Columns::MLDSnoopingProxyUpstreamInterfaceTable;

// The values are a chosen interface's; its index, which names the row, is never typed.
constexpr FieldEnabledWhen<T> kRowValue = {.Mode = RowMode::Row, .How = FieldEnabling::KeepValue};

constexpr Field<T> kFields[] = {
    {.Column = ColumnOf(kTable, "Index"),
     .Caption = "Index",
     .Constraint = "%i",
     .Control = &T::IndexEdit,
     .Kind = FieldKind::Edit,
     .Label = &T::Label1,
     .Place = {8, 11, 60, 8, 60},
     .Flags = kFieldDisabled,
     .EnabledWhen = {.If = NeverEnabled<T>, .How = FieldEnabling::KeepText}},
    {.Column = ColumnOf(kTable, "VLAN ID"),
     .Caption = "VLAN ID",
     .Constraint = "%i{n1x4094l4}",
     .Control = &T::VIDEdit,
     .Label = &T::Label2,
     .Place = {150, 11, 200, 8, 60},
     .Flags = kFieldDisabled,
     .EnabledWhen = kRowValue},
    {.Column = ColumnOf(kTable, "Unsolicited Report Interval"),
     .Caption = "Unsolicited Report Interval",
     .Constraint = "%i{n0x25l2}",
     .Control = &T::IntervalTime,
     .Label = &T::Label3,
     .Place = {8, 39, 150, 36, 50},
     .Flags = kFieldDisabled,
     .EnabledWhen = kRowValue},
    {.Column = ColumnOf(kTable, "Source IP"),
     .Caption = "Source IP ",
     .Constraint = "%s",
     .Control = &T::edtIPAddress,
     .Label = &T::Label4,
     .Place = {220, 39, 290, 36, 235},
     .Flags = kFieldDisabled,
     .EnabledWhen = kRowValue},
};

constexpr ProxyUpstreamDesign kDesign = {
    .Table = MLDSnoopingProxyUpstreamInterfaceTable,
    .Columns = kTable,
    .Width = 682,
    .Height = 448,
    .Caption = "MLD Snooping Proxy Upstream InterfaceTable",
    .Fields = kFields,
    .CheckSource = CheckIPv6HexText,
    .ReadsAfterSet = false,
};

} // namespace

TMLDSnoopingProxyUpstreamInterfaceForm::TMLDSnoopingProxyUpstreamInterfaceForm(TComponent* owner)
    : TProxyUpstreamInterfaceForm(owner, kDesign) {}
