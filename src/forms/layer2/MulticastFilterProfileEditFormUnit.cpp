#include "MulticastFilterProfileEditFormUnit.h"

#include "CatalogueColumns.h"

TMulticastFilterProfileEditForm* MulticastFilterProfileEditForm = nullptr;

namespace {

using T = TRowStatusEditForm;

// The IPv4 table; the IPv6 one has the same columns at the same places.
constexpr auto& kTable = Columns::MulticastFilterProfileDescriptionTable;
constexpr auto& kIPv6Table = Columns::MulticastFilterProfileDescriptionTable2;
constexpr int kIndex = ColumnOf(kTable, "Index");
constexpr int kDescription = ColumnOf(kTable, "Description");
constexpr int kRowStatus = ColumnOf(kTable, "Row Status");
static_assert(ColumnOf(kIPv6Table, "Index") == kIndex &&
              ColumnOf(kIPv6Table, "Description") == kDescription &&
              ColumnOf(kIPv6Table, "Row Status") == kRowStatus);

// The design's line i (96 DPI): the check box, the label, then the value.
constexpr FieldPlace Line(int i) {
    const int top = 20 + 34 * i;
    return {42, top + 3, 120, top, 140};
}

constexpr Field<T> kFields[] = {
    {.Column = kIndex,
     .Caption = "Index",
     .Constraint = "%i{n1x24l2}",
     .Control = &T::EditIndex,
     .Kind = FieldKind::Edit, // a key the user types
     .Check = &T::CheckBox2,
     .Place = Line(0),
     .Flags = kFieldCheckFixed,
     .EnabledWhen = {.If = AddModeOnly, .How = FieldEnabling::KeepValue}},
    {.Column = kDescription,
     .Caption = "Description",
     .Constraint = "%s{l32}",
     .Control = &T::DescriptionEdit,
     .Check = &T::CheckBox3,
     .Place = Line(1),
     .Flags = kFieldCheckFixed,
     .EnabledWhen = {.If = AlwaysEnabled<T>, .How = FieldEnabling::KeepValue}},
    {.Column = kRowStatus,
     .Control = &T::cbxRowStatus,
     .Place = Line(2),
     .Flags = kFieldHidden | kFieldDisabled,
     .Default = FieldDefault::Option("createAndGo"),
     .EnabledWhen = {.If = NeverEnabled<T>, .How = FieldEnabling::EnabledOnly}},
};

constexpr RowKeyRange kKeys[] = {{&T::EditIndex, 1, 24}};

constexpr RowStatusEditDesign kDesign = {
    .Width = 371,
    .Height = 173,
    .Caption = "MulticastFilterProfileEditForm",
    .Columns = kTable,
    .Fields = kFields,
    .Keys = kKeys,
};

} // namespace

TMulticastFilterProfileEditForm::TMulticastFilterProfileEditForm(TComponent* owner)
    : TRowStatusEditForm(owner, kDesign) {}
