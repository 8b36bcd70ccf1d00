#include "GuestVlanFormUnit.h"

#include "CatalogueColumns.h"
#include "DialogFrame.h"
#include "FieldTable.h"
#include "Oid_dot1x.h"
#include "TButton.h"
#include "TComboBox.h"
#include "TEdit.h"
#include "TGroupBox.h"

TGuestVlanForm* GuestVlanForm = nullptr;

namespace {

using T = TGuestVlanForm;

constexpr auto& kNameAndPorts = Columns::GuestVlanGuestVLANNameSettings;
constexpr auto& kCurrentName = Columns::GuestVlanGuestVLANNameSettings2;
constexpr auto& kDeleteState = Columns::GuestVlanGuestVLANDeleteStateSettings;
constexpr int kName = ColumnOf(kNameAndPorts, "Guest VLAN Name");
constexpr int kPorts = ColumnOf(kNameAndPorts, "Guest VLAN Port");

constexpr GuestVlanDesign kGuest = {.NameAndPorts = GuestVlanGuestVLANNameSettings,
                                    .CurrentName = GuestVlanGuestVLANNameSettings2,
                                    .DeleteState = GuestVlanGuestVLANDeleteStateSettings,
                                    .NameColumn = kName,
                                    .PortsColumn = kPorts,
                                    .Rule = GuestNameRule::WrittenWhenChanged};

// The name in its group box (96 DPI); the switch's name and the delete state hidden beside it.
constexpr Field<T> kNameFields[] = {
    {.Column = kName,
     .Caption = "Guest VLAN Name",
     .Constraint = "%s",
     .Control = &T::edtName,
     .Label = &T::lbl1,
     .Group = &T::grp,
     .Place = {16, 21, 120, 18, 180}},
};
constexpr Field<T> kCurrentNameFields[] = {
    {.Column = ColumnOf(kCurrentName, "Guest VLAN Name"),
     .Constraint = "%s",
     .Control = &T::Edit1,
     .Group = &T::grp,
     .Place = {0, 0, 320, 18, 90},
     .Flags = kFieldHidden},
};
constexpr Field<T> kDeleteStateFields[] = {
    {.Column = ColumnOf(kDeleteState, "Guest VLAN Delete State"),
     .Control = &T::cbxDel,
     .Group = &T::grp,
     .Place = {0, 0, 420, 18, 90},
     .Flags = kFieldHidden},
};

constexpr ButtonSpec<T> kButtons[] = {
    {&T::BT_Get, "Refresh", &T::BT_GetClick},
    {&T::SetBtn, "Set", &T::SetBtnClick},
    {&T::DelBtn, "Delete", &T::DelBtnClick},
    {&T::BT_Close, "Close", &T::BT_CloseClick},
};

constexpr DialogFrame<T> kFrame = {.Width = 665,
                                   .Height = 260,
                                   .Caption = "Guest VLAN",
                                   .Buttons = kButtons,
                                   .ListHeight = DialogFrame<T>::kNoList,
                                   .RowsHeight = 58,
                                   .ButtonPanel = &T::Panel1,
                                   .Tabs = &T::pgc1,
                                   .StatusBar = &T::StatusBar1,
                                   .OnCreate = &T::FormCreate,
                                   .OnClose = &T::FormClose};

} // namespace

TGuestVlanForm::TGuestVlanForm(TComponent* owner) : TForm(owner), Guest(kGuest) {
    TPanel* rows = BuildFrame(this, kFrame, Table);
    grp = new TGroupBox(this);
    grp->SetParent(rows);
    grp->SetBounds(8, 2, 540, 52);
    Fields = BuildFields<T>(this, rows, kNameFields, kNameAndPorts);
    Fields.Append(BuildFields<T>(this, rows, kCurrentNameFields, kCurrentName));
    Fields.Append(BuildFields<T>(this, rows, kDeleteStateFields, kDeleteState));
    Guest.Name = edtName;
    Guest.Current = Edit1;
    Guest.DeleteCombo = cbxDel;
}

void TGuestVlanForm::FormCreate(TObject*) {
    Table.Attempt([this] {
        Guest.Create(this, pgc1);
        BindFields<T>(this, nullptr, *Guest.NameAndPorts.Request, kNameFields);
        BindFields<T>(this, nullptr, *Guest.CurrentName.Request, kCurrentNameFields);
        BindFields<T>(this, nullptr, *Guest.DeleteState.Request, kDeleteStateFields);
        // The delete state is read by Refresh only.
        if (Guest.CurrentName.Read()) {
            Guest.NameAndPorts.Read();
        }
    });
}

void TGuestVlanForm::BT_GetClick(TObject*) {
    if (!Guest.NameAndPorts.MayRefresh()) {
        return;
    }
    // A failed read of the pair leaves the rest of it: the copy of the name stays the one that
    // matched the ports last read.
    ReadsInTurn reads;
    if (reads.Read(Guest.NameAndPorts)) {
        reads.Read(Guest.CurrentName);
    }
    if (Guest.DeleteState.MayRefresh()) {
        reads.Read(Guest.DeleteState);
    }
}

void TGuestVlanForm::SetBtnClick(TObject*) {
    if (Guest.Set()) {
        BT_GetClick(nullptr);
    }
}

void TGuestVlanForm::DelBtnClick(TObject*) {
    if (Guest.Delete()) {
        BT_GetClick(nullptr);
    }
}

void TGuestVlanForm::BT_CloseClick(TObject*) {
    Close();
}

void TGuestVlanForm::FormClose(TObject*, TCloseAction&) {
    Table.Closing();
}
