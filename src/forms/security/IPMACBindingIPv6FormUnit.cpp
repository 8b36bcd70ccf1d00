#include "IPMACBindingIPv6FormUnit.h"

#include "CatalogueColumns.h"
#include "InputValidators.h"
#include "Oid_ipmacbind.h"

TIPMACBindingIPv6Form* IPMACBindingIPv6Form = nullptr;

namespace {

using T = TIPMACBindingForm;

constexpr auto& kTable = Columns::IPMACBindingIPv6Table;
constexpr int kAddress = ColumnOf(kTable, "Address");
constexpr int kMac = ColumnOf(kTable, "MAC Address");
constexpr int kPorts = ColumnOf(kTable, "Portlist");
constexpr int kRowStatus = ColumnOf(kTable, "Row Status");

// The IPv4 dialog's fields over this table; the address is 32 hexadecimal digits.
constexpr Field<T> kFields[] = {
    {.Column = kAddress,
     .Caption = "IP Address",
     .Constraint = "%s{l32f}",
     .Control = &T::edtIpAddr,
     .Label = &T::Label1,
     .Place = {8, 11, 80, 8, 230},
     .EnabledWhen = {.Mode = RowMode::NoRow, .How = FieldEnabling::EnabledOnly}},
    {.Column = kMac,
     .Caption = "MAC Address",
     .Constraint = "%s{l12}",
     .Control = &T::edtMacAddr,
     .Label = &T::Label2,
     .Place = {330, 11, 406, 8, 120}},
    {.Column = kRowStatus,
     .Control = &T::ComboStatus,
     .Place = {540, 8, 540, 8, 40},
     .Flags = kFieldHidden,
     .Default = FieldDefault::Keep()},
};

// The count box without its "Samples" label.
constexpr DialogFrame<T> kFrame = {.Width = 685,
                                   .Height = 450,
                                   .Caption = "IP-MAC Binding IPv6 Table",
                                   .Buttons = kIpMacBindingButtons,
                                   .Samples = ButtonColumn::kCountOnly,
                                   .ListHeight = 170,
                                   .RowsHeight = 38,
                                   .ClearOnNoRow = true,
                                   .ButtonPanel = &T::Panel1,
                                   .Count = &T::txt1,
                                   .List = &T::ListView1,
                                   .Splitter = &T::Splitter1,
                                   .Tabs = &T::PageControl1,
                                   .StatusBar = &T::StatusBar1,
                                   .OnListClick = &T::ListView1Click,
                                   .OnListChange = &T::ListView1Change,
                                   .OnCreate = &T::FormCreate,
                                   .OnClose = &T::FormClose,
                                   .State = &T::UpdateButtons};

// The address is an instance of 16 octets: a text of another length or with ':' would address no
// row (or another), so it is checked before any SET.
const IpMacBindingDesign kDesign = {.Table = IPMACBindingIPv6Table,
                                    .Frame = kFrame,
                                    .Fields = kFields,
                                    .Columns = kTable,
                                    .Address = kAddress,
                                    .Mac = kMac,
                                    .Ports = kPorts,
                                    .RowStatus = kRowStatus,
                                    .PortsTab = "Ports",
                                    .CheckAddress = &CheckIPv6HexText,
                                    .DeleteCarriesTheRow = true,
                                    .Failures = FailureReport::Template};

} // namespace

TIPMACBindingIPv6Form::TIPMACBindingIPv6Form(TComponent* owner) : TIPMACBindingForm(owner, kDesign) {}
