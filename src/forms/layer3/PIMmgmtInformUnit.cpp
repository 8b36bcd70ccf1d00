#include "PIMmgmtInformUnit.h"

#include "CatalogueColumns.h"
#include "DialogFrame.h"
#include "FieldTable.h"
#include "Oid_pim.h"
#include "StrToInt.h"
#include "TButton.h"
#include "TEdit.h"
#include "UserDialogs.h"

#include <string>

TPIMmgmtInform* PIMmgmtInform = nullptr;

namespace {

using T = TPIMmgmtInform;

constexpr auto& kTable = Columns::PIMmgmtInformSettings;

// This dialog's own text.
constexpr const char* kProbeNotBelowHalf =
    "Register probe time must less than the half of register suppression time!";

constexpr Field<T> kFields[] = {
    {.Column = ColumnOf(kTable, "Probe Time"),
     .Caption = "Register Probe Time",
     .Constraint = "%i{n1x127l3}",
     .Control = &T::ProtimeEdit,
     .Label = &T::Label1,
     .Place = {16, 27, 170, 24, 120}},
    {.Column = ColumnOf(kTable, "Suppression Time"),
     .Caption = "Register Suppression Time",
     .Constraint = "%i{n3x255l3}",
     .Control = &T::SuptimeEdit,
     .Label = &T::Label2,
     .Place = {16, 59, 170, 56, 120}},
};

constexpr ButtonSpec<T> kButtons[] = {
    {&T::GetButton, "Refresh", &T::GetButtoClick},
    {&T::SetButton, "Set", &T::SetButtonClick},
    {&T::CloseButton, "Close", &T::CloseButtonClick},
};

constexpr DialogFrame<T> kFrame = {.Width = 418,
                                   .Height = 151,
                                   .Caption = "LLDP Port Configuration Form",
                                   .Buttons = kButtons,
                                   .ListHeight = DialogFrame<T>::kNoList,
                                   .ButtonPanel = &T::Panel1,
                                   .StatusBar = &T::StatusBar1,
                                   .OnCreate = &T::FormCreate,
                                   .OnClose = &T::FormClose};

} // namespace

TPIMmgmtInform::TPIMmgmtInform(TComponent* owner) : TForm(owner), Table(DialogGuard::None()) {
    TPanel* fields = BuildFrame(this, kFrame, Table);
    Fields = BuildFields<T>(this, fields, kFields, kTable);
    Table.Refreshing = {.Leaves = RefreshLeaves::Unchanged};
}

void TPIMmgmtInform::FormCreate(TObject*) {
    Table.Attempt([this] {
        DialogRequest& request =
            Table.CreateRequest(this, PIMmgmtInformSettings, SVT_SV, 0, {.Blocking = true});
        BindFields<T>(this, nullptr, request, kFields);
        Table.Read();
    });
}

void TPIMmgmtInform::GetButtoClick(TObject*) {
    Table.Refresh();
}

void TPIMmgmtInform::SetButtonClick(TObject*) {
    // A text that is no number raises the conversion error into the application's error box.
    const int probe = StrToInt(ProtimeEdit->Text());
    const int suppression = StrToInt(SuptimeEdit->Text());
    // The switch's values first (a read that fails ends here, its error in the status line), then
    // the typed ones back.
    if (!Table.Read()) {
        return;
    }
    ProtimeEdit->SetText(std::to_string(probe));
    SuptimeEdit->SetText(std::to_string(suppression));
    if (2 * probe >= suppression) {
        ShowMessage(kProbeNotBelowHalf); // warns only
    }
    Table.Write(Fields.Carry());
}

void TPIMmgmtInform::CloseButtonClick(TObject*) {
    Close();
}

void TPIMmgmtInform::FormClose(TObject*, TCloseAction& action) {
    Table.Closing();
    action = caFree;
}
