#include "PrivateVLANFormUnit.h"

#include "CatalogueColumns.h"
#include "DialogLayout.h"
#include "FieldChecks.h"
#include "FieldTable.h"
#include "Oid_privatevlan.h"
#include "TEdit.h"
#include "TPanel.h"

TPrivateVLANForm* PrivateVLANForm = nullptr;

namespace {

using T = TPrivateVLANForm;

constexpr auto& kTable = Columns::PrivateVLANTable;
constexpr int kVlanId = ColumnOf(kTable, "VLAN ID");
constexpr int kRowStatus = ColumnOf(kTable, "Row Status");

const PrivateVlanTable kPrivate = {.Table = PrivateVLANTable,
                                   .KeyCount = 1,
                                   .Status = kRowStatus,
                                   .Ports = {{ColumnOf(kTable, "Promiscuous Ports"), "Promiscuous Ports"},
                                             {ColumnOf(kTable, "Trunk Ports"), "Trunk Ports"}},
                                   .Width = 672,
                                   .Height = 445,
                                   .FormCaption = "Private VLAN Table",
                                   .RowsHeight = 70,
                                   .PickersFollowRow = true};

constexpr Field<T> kFields[] = {
    {.Column = kVlanId,
     .Caption = "VLAN ID (2-4094)",
     .Constraint = "%i{n2x4094l4}",
     .Control = &T::edtVID,
     .Label = &T::Label1,
     .Place = {8, 11, 110, 8, 70},
     .EnabledWhen = {.Mode = RowMode::NoRow, .How = FieldEnabling::KeepText}},
    {.Column = ColumnOf(kTable, "VLAN Name"),
     .Caption = "VLAN Name (Max:32 characters)",
     .Constraint = "%s{l32}",
     .Control = &T::edtVLAN,
     .Label = &T::Label2,
     .Place = {200, 11, 370, 8, 160}},
    {.Column = kRowStatus,
     .Caption = "Row Status",
     .Control = &T::cbbRowState,
     .Label = &T::Label4,
     .Place = {200, 39, 370, 36, 100},
     .Flags = kFieldHidden},
};

constexpr const char* kPleaseInputVlanId = "Please input VLAN ID first.";

} // namespace

TPrivateVLANForm::TPrivateVLANForm(TComponent* owner) : TPrivateVlanTableForm(owner, kPrivate) {
    Fields = BuildFields<T>(this, Rows, kFields, kTable);
    Label3 = AddLabel(this, Rows, 8, 42, "Note: At most 24 Private VLANs are supported.");
}

void TPrivateVLANForm::BindRowFields(DialogRequest& request) {
    BindFields<T>(this, nullptr, request, kFields);
    Table.StatusCombo = cbbRowState;
}

bool TPrivateVLANForm::CheckAddInput() {
    if (edtVID->Text().empty()) {
        return RefuseInput(edtVID, kPleaseInputVlanId);
    }
    return true;
}

WriteCarry TPrivateVLANForm::AddCarry() const {
    // Created empty: the name and the ports are written by Edit.
    return WriteCarry::Only({kRowStatus});
}
