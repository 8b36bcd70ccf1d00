#include "PortSecurityVLANOnPortFormUnit.h"

#include "CatalogueColumns.h"
#include "Oid_portsecurity.h"

TPortSecurityVLANOnPortForm* PortSecurityVLANOnPortForm = nullptr;

namespace {

using T = TPortSecurityLimitForm;

constexpr auto& kTable = Columns::PortSecurityVLANOnPortTable;

// The keys name a new row: typed with no row chosen, fixed while one is.
constexpr FieldEnabledWhen<T> kOnNoRow = {.Mode = RowMode::NoRow, .How = FieldEnabling::EnabledOnly};

// The keys on one line, the limit (and its "No Limit" box) under them (96 DPI); Add Control hidden.
constexpr Field<T> kFields[] = {
    {.Column = ColumnOf(kTable, "Port Index"),
     .Caption = "Port Number",
     .Constraint = "%i",
     .Control = &T::PortEdit,
     .Label = &T::PortLabel,
     .Place = {8, 11, 150, 8, 80},
     .EnabledWhen = kOnNoRow},
    {.Column = ColumnOf(kTable, "VLAN ID"),
     .Caption = "VLAN ID",
     .Constraint = "%i{n1x4094l4}",
     .Control = &T::VIDEdit,
     .Label = &T::VIDEditLabel,
     .Place = {260, 11, 320, 8, 80},
     .EnabledWhen = kOnNoRow},
    {.Column = ColumnOf(kTable, "Max Learn Address"),
     .Caption = "Max Learn Address (0-3072)",
     .Constraint = "%i{n0x3072l4}",
     .Control = &T::MaxLearnAddressEdit,
     .Label = &T::MaxLearnLabel,
     .Place = {8, 39, 150, 36, 80}},
    {.Column = ColumnOf(kTable, "Add Control"),
     .Caption = "Add Control",
     .Control = &T::Addcbx,
     .Label = &T::AddLabel,
     .Place = {260, 67, 320, 64, 80},
     .Flags = kFieldHidden,
     .Default = FieldDefault::Keep()},
};

constexpr ButtonSpec<T> kButtons[] = {
    {&T::RefreshButton, "Refresh", &T::RefreshButtonClick},
    {&T::AddButton, "Add", &T::AddButtonClick},
    {&T::SetButton, "Set", &T::SetButtonClick},
    {&T::StopButton, "Stop", &T::StopButtonClick},
    {&T::CloseButton, "Close", &T::CloseButtonClick},
};

constexpr DialogFrame<T> kFrame = {.Width = 629,
                                   .Height = 309,
                                   .Scale = DesignScale::None,
                                   .Caption = "Port Security VLAN On Port",
                                   .Buttons = kButtons,
                                   .Samples = ButtonColumn::kCountOnly,
                                   .ListHeight = 150,
                                   .ClearOnNoRow = true,
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

const PortSecurityLimitDesign kDesign = {.Table = PortSecurityVLANOnPortTable,
                                         .Columns = kTable,
                                         .Frame = kFrame,
                                         .Fields = kFields,
                                         .KeyCount = 2,
                                         .KeysTyped = true,
                                         .LimitFollowsRow = false};

} // namespace

TPortSecurityVLANOnPortForm::TPortSecurityVLANOnPortForm(TComponent* owner)
    : TPortSecurityLimitForm(owner, kDesign) {}
