#include "MBAControlFormUnit.h"

#include "CatalogueColumns.h"
#include "DialogFrame.h"
#include "FieldTable.h"
#include "Oid_mba.h"
#include "TButton.h"
#include "TComboBox.h"
#include "TEdit.h"

TMBAControlForm* MBAControlForm = nullptr;

namespace {

using T = TMBAControlForm;

constexpr auto& kSettings = Columns::MBAControlStateSettings;
constexpr auto& kNameAndPorts = Columns::MBAControlVLANNameSettings;
constexpr auto& kCurrentName = Columns::MBAControlVLANNameSettings2;
constexpr auto& kDeleteState = Columns::MBAControlDeleteStateSettings;
constexpr int kName = ColumnOf(kNameAndPorts, "VLAN Name");
constexpr int kPorts = ColumnOf(kNameAndPorts, "Member Ports");

constexpr GuestVlanDesign kGuest = {.NameAndPorts = MBAControlVLANNameSettings,
                                    .CurrentName = MBAControlVLANNameSettings2,
                                    .DeleteState = MBAControlDeleteStateSettings,
                                    .NameColumn = kName,
                                    .PortsColumn = kPorts,
                                    .Rule = GuestNameRule::FixedOnceSet};

constexpr int kTimeout = 300; // 3 s a try, as the guest VLAN's requests

// The settings in two columns above the port tabs (96 DPI), the guest VLAN's name under them;
// the delete state and the switch's name hidden.
constexpr Field<T> kSettingsFields[] = {
    {.Column = ColumnOf(kSettings, "State"),
     .Caption = "State",
     .Control = &T::Cbox_State,
     .Label = &T::Label2,
     .Place = {8, 11, 110, 8, 140}},
    {.Column = ColumnOf(kSettings, "Method"),
     .Caption = "Method",
     .Control = &T::Cbox_Method,
     .Label = &T::Label3,
     .Place = {272, 11, 374, 8, 140}},
    {.Column = ColumnOf(kSettings, "Clear All Action"),
     .Caption = "Clear All Action",
     .Control = &T::Cbox_ClearAllAction,
     .Label = &T::Label4,
     .Place = {8, 39, 110, 36, 140}},
    {.Column = ColumnOf(kSettings, "PassWord"),
     .Caption = "Password",
     .Constraint = "%s{l32}",
     .Control = &T::edtPassWord,
     .Label = &T::Password,
     .Place = {272, 39, 374, 36, 140}},
};
constexpr Field<T> kNameFields[] = {
    {.Column = kName,
     .Caption = "Guest VLAN Name",
     .Constraint = "%s",
     .Control = &T::edtName,
     .Label = &T::Label1,
     .Place = {8, 67, 110, 64, 140}},
};
constexpr Field<T> kDeleteStateFields[] = {
    {.Column = ColumnOf(kDeleteState, "Delete State"),
     .Caption = "VLAN Name Delete State",
     .Control = &T::cbxDel,
     .Label = &T::Label5,
     .Place = {272, 67, 374, 64, 140},
     .Flags = kFieldHidden},
};
constexpr Field<T> kCurrentNameFields[] = {
    {.Column = ColumnOf(kCurrentName, "VLAN Name"),
     .Constraint = "%s",
     .Control = &T::Edit1,
     .Place = {0, 0, 374, 64, 90},
     .Flags = kFieldHidden},
};

constexpr ButtonSpec<T> kButtons[] = {
    {&T::BT_Get, "Refresh", &T::BT_GetClick},
    {&T::SetBtn, "Set", &T::SetBtnClick},
    {&T::DelBtn, "Delete", &T::DelBtnClick},
    {&T::BT_Close, "Close", &T::BT_CloseClick},
};

constexpr DialogFrame<T> kFrame = {.Width = 663,
                                   .Height = 299,
                                   .Caption = "MBA Control",
                                   .Buttons = kButtons,
                                   .ListHeight = DialogFrame<T>::kNoList,
                                   .RowsHeight = 94,
                                   .ButtonPanel = &T::Panel1,
                                   .Rows = &T::Panel4,
                                   .Tabs = &T::pgc1,
                                   .StatusBar = &T::StatusBar1,
                                   .OnCreate = &T::FormCreate,
                                   .OnClose = &T::FormClose};

} // namespace

TMBAControlForm::TMBAControlForm(TComponent* owner)
    : TForm(owner), Guest(kGuest), Settings(DialogGuard::Busy(nullptr)) {
    TPanel* rows = BuildFrame(this, kFrame, Table);
    Fields = BuildFields<T>(this, rows, kSettingsFields, kSettings);
    Fields.Append(BuildFields<T>(this, rows, kNameFields, kNameAndPorts));
    Fields.Append(BuildFields<T>(this, rows, kDeleteStateFields, kDeleteState));
    Fields.Append(BuildFields<T>(this, rows, kCurrentNameFields, kCurrentName));
    Guest.Name = edtName;
    Guest.Current = Edit1;
    Guest.DeleteCombo = cbxDel;
    Settings.StatusPanel = Table.StatusPanel;
    Table.Companions.push_back(&Settings);
}

void TMBAControlForm::FormCreate(TObject*) {
    Table.Attempt([this] {
        Guest.Create(this, pgc1);
        DialogRequest& settings =
            Settings.CreateRequest(this, MBAControlStateSettings, SVT_SV, 0, {.Blocking = true});
        settings.Request.Timeout = kTimeout;
        BindFields<T>(this, nullptr, settings, kSettingsFields);
        BindFields<T>(this, nullptr, *Guest.NameAndPorts.Request, kNameFields);
        BindFields<T>(this, nullptr, *Guest.DeleteState.Request, kDeleteStateFields);
        BindFields<T>(this, nullptr, *Guest.CurrentName.Request, kCurrentNameFields);
        // In this order; a read that fails reports and leaves the rest of the first reads.
        for (TableDialogController* table :
             {&Guest.CurrentName, &Settings, &Guest.NameAndPorts, &Guest.DeleteState}) {
            if (!table->Read()) {
                break;
            }
        }
    });
}

void TMBAControlForm::BT_GetClick(TObject*) {
    // Each in turn; a busy one ends the refresh there, a failed one is reported and the next read.
    ReadsInTurn reads;
    for (TableDialogController* table :
         {&Guest.NameAndPorts, &Guest.DeleteState, &Guest.CurrentName, &Settings}) {
        if (!table->MayRefresh()) {
            return;
        }
        reads.Read(*table);
    }
}

void TMBAControlForm::SetBtnClick(TObject*) {
    if (!Settings.MayAct()) {
        return;
    }
    // The settings whatever becomes of the guest VLAN's part.
    Settings.Write(WriteCarry::RowWithout({}), {.After = ReRead::None, .Locks = false});
    if (Guest.Set()) {
        BT_GetClick(nullptr);
    }
}

void TMBAControlForm::DelBtnClick(TObject*) {
    if (Guest.Delete()) {
        BT_GetClick(nullptr);
    }
}

void TMBAControlForm::BT_CloseClick(TObject*) {
    Close();
}

void TMBAControlForm::FormClose(TObject*, TCloseAction&) {
    Table.Closing();
}
