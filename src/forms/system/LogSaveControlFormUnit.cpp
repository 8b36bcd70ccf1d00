#include "LogSaveControlFormUnit.h"

#include "CatalogueColumns.h"
#include "DialogFrame.h"
#include "FieldChecks.h"
#include "FieldTable.h"
#include "Oid_systemlogunit.h"
#include "OptionItems.h"
#include "TButton.h"
#include "TComboBox.h"
#include "TEdit.h"

TLogSaveControlForm* LogSaveControlForm = nullptr;

namespace {

using T = TLogSaveControlForm;

constexpr const char* kChooseMethod = "You should choose Log Save Method.";
constexpr const char* kTimeIntervalMethod = "time-interval";

constexpr auto& kTable = Columns::LogSaveControlSettings;
constexpr int kMethod = ColumnOf(kTable, "Method");
constexpr int kTimeInterval = ColumnOf(kTable, "Time Interval");

constexpr Field<T> kFields[] = {
    {.Column = kMethod,
     .Caption = "Log Save Method",
     .Combo = &T::cbxLogSaveMethod,
     .Label = &T::Label1,
     .Place = {16, 27, 160, 24, 145}},
    {.Column = kTimeInterval,
     .Caption = "Log SaveTime Interval",
     .Constraint = "%i{n1x65535l5a}",
     .Edit = &T::EdLogSavetimeInterval,
     .Label = &T::Label2,
     .Place = {16, 63, 160, 60, 145},
     .EnabledWhen = {.Combo = &T::cbxLogSaveMethod,
                     .Option = kTimeIntervalMethod,
                     .How = FieldEnabling::EnabledOnly}},
};

constexpr ButtonSpec<T> kButtons[] = {
    {&T::btnRefresh, "Refresh", &T::btnRefreshClick},
    {&T::btnSet, "Set", &T::btnSetClick},
    {&T::Button1, "Close", &T::Button1Click},
};

constexpr DialogFrame<T> kFrame = {.Width = 437,
                                   .Height = 166,
                                   .Scale = DesignScale::None,
                                   .Position = poScreenCenter,
                                   .Caption = "Log Save Control",
                                   .Buttons = kButtons,
                                   .ListHeight = DialogFrame<T>::kNoList,
                                   .StatusBar = &T::StatusBar1,
                                   .OnCreate = &T::FormCreate,
                                   .OnClose = &T::FormClose};

} // namespace

TLogSaveControlForm::TLogSaveControlForm(TComponent* owner)
    : TForm(owner), Table(DialogGuard::Busy(nullptr)) {
    Fields = BuildFields<T>(this, BuildFrame(this, kFrame, Table), kFields, kTable);
    cbxLogSaveMethod->OnChange = Bind(this, &T::cbxLogSaveMethodChange);
    // Refresh reads again; the fields keep their values until the read fills them.
    Table.Refreshing = {.Leaves = RefreshLeaves::Unchanged};
}

void TLogSaveControlForm::FormCreate(TObject*) {
    Table.Attempt([this] {
        DialogRequest& request =
            Table.CreateRequest(this, LogSaveControlSettings, SVT_SV, 0, {.Blocking = true});
        BindFields<T>(this, nullptr, request, kFields);
        Table.Read();
    });
    cbxLogSaveMethodChange(nullptr);
}

void TLogSaveControlForm::cbxLogSaveMethodChange(TObject*) {
    Table.UpdateState();
}

void TLogSaveControlForm::btnRefreshClick(TObject*) {
    Table.Refresh();
    cbxLogSaveMethodChange(nullptr);
}

void TLogSaveControlForm::btnSetClick(TObject*) {
    if (!Table.MayAct()) {
        return; // not even the re-read
    }
    if (cbxLogSaveMethod->ItemIndex() < 0) {
        RefuseInput(cbxLogSaveMethod, kChooseMethod);
    } else {
        // The interval belongs to the time-interval method alone.
        Table.Write(OptionSelected(cbxLogSaveMethod, kTimeIntervalMethod)
                        ? WriteCarry::RowWithout({})
                        : WriteCarry::RowWithout({kTimeInterval}),
                    {.After = ReRead::None});
    }
    btnRefreshClick(nullptr);
}

void TLogSaveControlForm::Button1Click(TObject*) {
    Close();
}

void TLogSaveControlForm::FormClose(TObject*, TCloseAction&) {
    Table.Closing();
}
