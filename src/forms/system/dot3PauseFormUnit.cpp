#include "dot3PauseFormUnit.h"

#include "CatalogueColumns.h"
#include "FieldTable.h"
#include "Oid_dot3unit.h"
#include "OptionItems.h"
#include "TBasicFormUnit.h"
#include "TComboBox.h"
#include "TPanel.h"

Tdot3PauseForm* dot3PauseForm = nullptr;

namespace {

using T = Tdot3PauseForm;

constexpr auto& kTable = Columns::dot3PauseAdministrationModeTable;
constexpr int kIndex = ColumnOf(kTable, "Index");
constexpr int kAdminMode = ColumnOf(kTable, "Administration Mode");

constexpr const char* const kValueRows[] = {"In Pause Frame", "Out Pause Frame"};

constexpr Dot3Design kDesign = {.Caption = "dot3 Pause Form",
                                .Width = 450,
                                .Height = 439,
                                .Table = dot3PauseAdministrationModeTable,
                                .Counters = dot3PauseInPauseFramesTable,
                                .ValueRows = kValueRows,
                                .NameWidth = 130,
                                .RowsHeight = 34,
                                .Writes = true};

// The administration mode, and the index the write addresses (hidden).
constexpr Field<T> kFields[] = {
    {.Column = kIndex,
     .Constraint = "%i",
     .Edit = &T::edtIndex,
     .Place = {0, 0, 300, 7, 40},
     .Flags = kFieldHidden},
    {.Column = kAdminMode,
     .Caption = "Admin Mode",
     .Control = &T::cbxAdminMode,
     .Label = &T::Label3,
     .Place = {8, 11, 80, 7, 140}},
};

} // namespace

Tdot3PauseForm::Tdot3PauseForm(TComponent* owner) : TDot3Form(owner, kDesign) {
    Fields = BuildFields<T>(this, Panel3, kFields, kTable);
}

void Tdot3PauseForm::BindTable(DialogRequest& request) {
    BindFields<T>(this, nullptr, request, kFields);
}

void Tdot3PauseForm::ClearOwn() {
    SelectNoOption(cbxAdminMode);
}

void Tdot3PauseForm::EnableOwn() {
    SetFieldEnabled(cbxAdminMode, true, FieldEnabling::EnabledOnly);
}

int Tdot3PauseForm::WrittenColumn() const {
    return kAdminMode;
}
