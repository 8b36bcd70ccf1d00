#include "PortSecurityVLANTableFormUnit.h"

#include "CatalogueColumns.h"
#include "Oid_portsecurity.h"

TPortSecurityVLANTableForm* PortSecurityVLANTableForm = nullptr;

namespace {

using T = TPortSecurityLimitForm;

constexpr auto& kTable = Columns::PortSecurityVLANTable;

// The VLAN shown (a Refresh blanks it), its clear control, its limit and "No Limit" (96 DPI).
constexpr Field<T> kFields[] = {
    {.Column = ColumnOf(kTable, "VLAN ID"),
     .Caption = "VLAN ID",
     .Control = &T::VIDText,
     .Kind = FieldKind::StaticText,
     .Label = &T::VIDLabel,
     .Place = {8, 11, 150, 8, 80},
     .Default = FieldDefault::Option(" ")},
    {.Column = ColumnOf(kTable, "Clear Control"),
     .Caption = "Clear Control",
     .Control = &T::Clearcbx,
     .Label = &T::ClearLabel,
     .Place = {8, 39, 150, 36, 80},
     .Default = FieldDefault::Keep()},
    {.Column = ColumnOf(kTable, "Max Learn Address"),
     .Caption = "Max Learn Address (0-3072)",
     .Constraint = "%i{n0x3072l4}",
     .Control = &T::MaxLearnAddressEdit,
     .Label = &T::MaxLearnLabel,
     .Place = {8, 67, 150, 64, 80},
     .Default = FieldDefault::Keep()},
};

constexpr ButtonSpec<T> kButtons[] = {
    {&T::RefreshButton, "Refresh", &T::RefreshButtonClick},
    {&T::SetButton, "Set", &T::SetButtonClick},
    {&T::StopButton, "Stop", &T::StopButtonClick},
    {&T::CloseButton, "Close", &T::CloseButtonClick},
};

constexpr DialogFrame<T> kFrame = {.Width = 491,
                                   .Height = 351,
                                   .Scale = DesignScale::None,
                                   .Caption = "Port Security VLAN Table",
                                   .Buttons = kButtons,
                                   .Samples = ButtonColumn::kCountOnly,
                                   .ListHeight = 160,
                                   .ButtonPanel = &T::Panel1,
                                   .Count = &T::StaticText1,
                                   .List = &T::ListView1,
                                   .Splitter = &T::Splitter1,
                                   .FieldPanel = &T::Panel2,
                                   .StatusBar = &T::StatusBar1,
                                   .OnListClick = &T::ListView1Click,
                                   .OnListChange = &T::ListView1Change,
                                   .OnCreate = &T::FormCreate,
                                   .OnClose = &T::FormClose,
                                   .State = &T::UpdateButtons};

const PortSecurityLimitDesign kDesign = {.Table = PortSecurityVLANTable,
                                         .Columns = kTable,
                                         .Frame = kFrame,
                                         .Fields = kFields,
                                         .KeyCount = 1,
                                         .KeysTyped = false,
                                         .LimitFollowsRow = true};

} // namespace

TPortSecurityVLANTableForm::TPortSecurityVLANTableForm(TComponent* owner)
    : TPortSecurityLimitForm(owner, kDesign) {}
