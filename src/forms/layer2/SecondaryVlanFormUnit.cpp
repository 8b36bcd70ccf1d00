#include "SecondaryVlanFormUnit.h"

#include "CatalogueColumns.h"
#include "DialogLayout.h"
#include "FieldChecks.h"
#include "FieldTable.h"
#include "Oid_privatevlan.h"
#include "TComboBox.h"
#include "TEdit.h"
#include "TPanel.h"

TSecondaryVlanForm* SecondaryVlanForm = nullptr;

namespace {

using T = TSecondaryVlanForm;

// Keyed by the Private VLAN ID (the instance's first arc) and the secondary VLAN ID.
constexpr auto& kTable = Columns::SecondaryVlanTable;
constexpr int kRowStatus = ColumnOf(kTable, "Row Status");

const PrivateVlanTable kSecondary = {.Table = SecondaryVlanTable,
                                     .KeyCount = 2,
                                     .Status = kRowStatus,
                                     .Ports = {{ColumnOf(kTable, "VLAN Ports"), "Ports"}},
                                     .Width = 659,
                                     .Height = 459,
                                     .FormCaption = "Secondary VLAN",
                                     .RowsHeight = 98,
                                     .PickersFollowRow = false};

// Both IDs are fixed, showing the row's, while a row is chosen.
constexpr FieldEnabledWhen<T> kKeyRule = {.Mode = RowMode::NoRow, .How = FieldEnabling::KeepText};

constexpr Field<T> kFields[] = {
    {.Column = ColumnOf(kTable, "Private VLAN ID"),
     .Caption = "Private VLAN ID (2-4094)",
     .Constraint = "%i{n2x4094l4}",
     .Control = &T::edtPrivateVID,
     .Label = &T::Label1,
     .Place = {8, 11, 160, 8, 70},
     .EnabledWhen = kKeyRule},
    {.Column = ColumnOf(kTable, "Secondary VLAN ID"),
     .Caption = "Secondary VLAN ID (1-4094)",
     .Constraint = "%i{n1x4094l4}",
     .Control = &T::edtSecondVID,
     .Label = &T::Label2,
     .Place = {8, 39, 160, 36, 70},
     .EnabledWhen = kKeyRule},
    {.Column = ColumnOf(kTable, "VLAN Type"),
     .Caption = "VLAN Type",
     .Control = &T::cbbVLANType,
     .Label = &T::Label3,
     .Place = {260, 11, 330, 8, 110}},
    {.Column = kRowStatus,
     .Caption = "Row Status",
     .Control = &T::cbbRowStates,
     .Label = &T::Label5,
     .Place = {260, 39, 330, 36, 110},
     .Flags = kFieldHidden},
};

constexpr const char* kPleaseInputPrivateVid = "Please input Private VLAN ID first.";
constexpr const char* kPleaseInputSecondVid = "Please input Second VLAN ID.";
constexpr const char* kPleaseSelectVlanType = "Please selecct VLAN Type.";

} // namespace

TSecondaryVlanForm::TSecondaryVlanForm(TComponent* owner) : TPrivateVlanTableForm(owner, kSecondary) {
    Fields = BuildFields<T>(this, Rows, kFields, kTable);
    Label4 = AddLabel(this, Rows, 8, 70, "Note: Make sure that secondary VLAN is Static 1Q VLAN.");
}

void TSecondaryVlanForm::BindRowFields(DialogRequest& request) {
    BindFields<T>(this, nullptr, request, kFields);
    Table.StatusCombo = cbbRowStates;
}

bool TSecondaryVlanForm::CheckAddInput() {
    if (edtPrivateVID->Text().empty()) {
        return RefuseInput(edtPrivateVID, kPleaseInputPrivateVid);
    }
    if (edtSecondVID->Text().empty()) {
        return RefuseInput(edtSecondVID, kPleaseInputSecondVid);
    }
    if (cbbVLANType->Text().empty()) {
        return RefuseInput(cbbVLANType, kPleaseSelectVlanType);
    }
    return true;
}

WriteCarry TSecondaryVlanForm::AddCarry() const {
    return Fields.Carry(); // the type, the ports and the status
}
