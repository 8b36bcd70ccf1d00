#include "PortSecurityGlobalSettingsFormUnit.h"

#include "CatalogueColumns.h"
#include "DialogFrame.h"
#include "FieldChecks.h"
#include "FieldTable.h"
#include "Oid_portsecurity.h"
#include "TButton.h"
#include "TCheckBox.h"
#include "TComboBox.h"
#include "TEdit.h"

TPortSecurityGlobalSettingsForm* PortSecurityGlobalSettingsForm = nullptr;

namespace {

using T = TPortSecurityGlobalSettingsForm;

constexpr auto& kTable = Columns::PortSecurityGlobalSettings;
constexpr const char* kNoLimit = "-1";

constexpr const char* kChooseTrapState = "You should choose Trap State.";
constexpr const char* kChooseLogState = "You should choose Log State.";

// Three lines (96 DPI); the "No Limit" box beside the limit.
constexpr Field<T> kFields[] = {
    {.Column = ColumnOf(kTable, "System Max Learn Address"),
     .Caption = "System Max Learn Address (1-3072)",
     .Constraint = "%i{n1x3072l4}",
     .Control = &T::EdSystemMaxLearnAddress,
     .Label = &T::Label1,
     .Place = {8, 11, 200, 8, 80}},
    {.Column = ColumnOf(kTable, "Trap State"),
     .Caption = "Trap State",
     .Control = &T::cbxTrapState,
     .Label = &T::Label2,
     .Place = {8, 39, 200, 36, 100}},
    {.Column = ColumnOf(kTable, "Log State"),
     .Caption = "Log State",
     .Control = &T::cbxLogState,
     .Label = &T::Label3,
     .Place = {8, 67, 200, 64, 100}},
};

constexpr ButtonSpec<T> kButtons[] = {
    {&T::btnRefresh, "Refresh", &T::btnRefreshClick},
    {&T::btnSet, "Set", &T::btnSetClick},
};

constexpr DialogFrame<T> kFrame = {.Width = 571,
                                   .Height = 173,
                                   .Scale = DesignScale::None,
                                   .Caption = "Port Security Global Settings",
                                   .Buttons = kButtons,
                                   .ListHeight = DialogFrame<T>::kNoList,
                                   .ButtonPanel = &T::Panel1,
                                   .FieldPanel = &T::Panel2,
                                   .StatusBar = &T::StatusBar1,
                                   .OnCreate = &T::FormCreate,
                                   .OnClose = &T::FormClose};

} // namespace

TPortSecurityGlobalSettingsForm::TPortSecurityGlobalSettingsForm(TComponent* owner)
    : TForm(owner), Table(DialogGuard::Busy(nullptr)) {
    TPanel* fields = BuildFrame(this, kFrame, Table);
    Fields = BuildFields<T>(this, fields, kFields, kTable);
    CBoxNolimit = AddCheckBox(this, fields, 290, 10, 80, "No Limit", nullptr);
    NoLimit.Attach(CBoxNolimit, EdSystemMaxLearnAddress, kNoLimit);
    // After every read: -1 ticks "No Limit"; another value shows in the open edit.
    Table.AfterRead = [this] {
        NoLimit.SetFromText(EdSystemMaxLearnAddress->Text());
        Table.UpdateState();
    };
}

void TPortSecurityGlobalSettingsForm::FormCreate(TObject*) {
    Table.Attempt([this] {
        DialogRequest& request =
            Table.CreateRequest(this, PortSecurityGlobalSettings, SVT_SV, 0, {.Blocking = true});
        BindFields<T>(this, nullptr, request, kFields);
        Table.Read();
    });
}

void TPortSecurityGlobalSettingsForm::btnRefreshClick(TObject*) {
    if (Table.MayRefresh()) {
        Table.Read();
    }
}

bool TPortSecurityGlobalSettingsForm::CheckStates() {
    if (cbxTrapState->ItemIndex() < 0) {
        return RefuseInput(cbxTrapState, kChooseTrapState);
    }
    if (cbxLogState->ItemIndex() < 0) {
        return RefuseInput(cbxLogState, kChooseLogState);
    }
    return true;
}

void TPortSecurityGlobalSettingsForm::btnSetClick(TObject*) {
    if (!Table.MayAct()) {
        return;
    }
    // The three in one SET, the limit as the edit holds it (-1 under "No Limit").
    if (CheckStates()) {
        Table.Write(WriteCarry::RowWithout({}), {.After = ReRead::None});
    }
    // Read again either way: after a refusal the controls show the switch's values again.
    btnRefreshClick(nullptr);
}

void TPortSecurityGlobalSettingsForm::FormClose(TObject*, TCloseAction&) {
    Table.Closing();
}
