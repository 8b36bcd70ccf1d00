#include "ERPSubRingEditFormUnit.h"

#include "CatalogueColumns.h"

TERPSubRingEditForm* ERPSubRingEditForm = nullptr;

namespace {

using T = TRowStatusEditForm;

constexpr auto& kTable = Columns::ERPSSubRingTable;

// The design's line i (96 DPI): the check box, the label, then the value.
constexpr FieldPlace Line(int i) {
    const int top = 20 + 34 * i;
    return {42, top + 3, 180, top, 120};
}

constexpr FieldEnabledWhen<T> kKey = {.If = AddModeOnly, .How = FieldEnabling::KeepValue};

constexpr Field<T> kFields[] = {
    {.Column = ColumnOf(kTable, "R-APS VLAN ID"),
     .Caption = "RAPS VLAN ID",
     .Constraint = "%i",
     .Control = &T::EditVID,
     .Kind = FieldKind::Edit, // a key the user types
     .Check = &T::CheckBox2,
     .Place = Line(0),
     .Flags = kFieldCheckFixed,
     .EnabledWhen = kKey},
    {.Column = ColumnOf(kTable, "Sub-Ring R-APS VLAN ID"),
     .Caption = "Sub-Ring RAPS VLAN ID",
     .Constraint = "%i",
     .Control = &T::SubRingEdit,
     .Kind = FieldKind::Edit,
     .Check = &T::CheckBox3,
     .Place = Line(1),
     .Flags = kFieldCheckFixed,
     .EnabledWhen = kKey},
    // Add writes the state only while its box is ticked; Edit always writes it.
    {.Column = ColumnOf(kTable, "TC Propagation State"),
     .Caption = "TC Propagation State",
     .Control = &T::cbxTC,
     .Check = &T::CheckBox4,
     .Place = Line(2),
     .Default = FieldDefault::Empty(FieldDefault::Box::Unchecked)},
    {.Column = ColumnOf(kTable, "Row Status"),
     .Control = &T::cbxRowStatus,
     .Place = Line(3),
     .Flags = kFieldHidden | kFieldDisabled,
     .Default = FieldDefault::Option("createAndGo"),
     .EnabledWhen = {.If = NeverEnabled<T>, .How = FieldEnabling::EnabledOnly}},
};

constexpr RowKeyRange kKeys[] = {{&T::EditVID, 1, 4094}, {&T::SubRingEdit, 1, 4094}};

constexpr RowStatusEditDesign kDesign = {
    .Width = 444,
    .Height = 219,
    .Caption = "ERPSubRingEditForm",
    .Columns = kTable,
    .Fields = kFields,
    .Keys = kKeys,
};

} // namespace

TERPSubRingEditForm::TERPSubRingEditForm(TComponent* owner) : TRowStatusEditForm(owner, kDesign) {}
