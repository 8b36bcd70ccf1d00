// Writes pictures of the System menu's dialogs, filled from the simulated switch, to look at how
// they lay out: the syslog server list with its IPv6 server chosen and its edit dialog in the edit
// and the add mode, the time range table with the "Office" range chosen, the log save settings,
// the summer time in the repeating and the annual state, the current time, the dot3 pause and
// control tables (interface 3 chosen), the configuration images (cfgId-2 chosen) with their
// edit dialog, the progress form of an image made active and the EEE state.
//   bash scripts/with-display.sh build/test/tests/forms/system/system_screenshots DIR
// writes DIR/syslog-servers.png, syslog-server-edit.png, syslog-server-add.png, time-ranges.png,
// log-save.png, summer-time-repeating.png, summer-time-annual.png, current-time.png, dot3-pause.png,
// dot3-control.png, config-images.png, config-image-edit.png, config-progress.png and eee-state.png.
// Not a test: nothing here is checked automatically.
#include "CatalogueColumns.h"
#include "CurrentTimeFormUnit.h"
#include "DedicatedScreenshotStage.h"
#include "Dot3Scenario.h"
#include "EeeScenario.h"
#include "Eeestateunit.h"
#include "LogHostEditFormUnit.h"
#include "LogSaveControlFormUnit.h"
#include "MultiConfigControlEditFormUnit.h"
#include "MultipleConfigControlFormUnit.h"
#include "OptionItems.h"
#include "Progress2.h"
#include "ProgressWait.h"
#include "SummerTime.h"
#include "SystemLogHostFormUnit.h"
#include "SystemScenario.h"
#include "TEdit.h"
#include "TimeRangeFormUnit.h"
#include "dot3ControlFormUnit.h"
#include "dot3PauseFormUnit.h"

#include <string>

namespace {

void ShootSyslogServers(const QString& dir) {
    SystemLogHostForm = CreateForm<TSystemLogHostForm>(Application);
    SystemLogHostForm->SetCaption("System Log Server Table: " + Facts().DeviceAddress);
    int shown = 0;
    SetModalHook([&](TForm* form) {
        if (form == LogHostEditForm) {
            GrabForm(form, dir + (shown++ == 0 ? "/syslog-server-edit.png" : "/syslog-server-add.png"));
            form->Close();
            return;
        }
        WaitRead(SystemLogHostForm->Table);
        const int index = ColumnOf(Columns::SystemLogHostTable, "Index");
        SystemLogHostForm->ListView1->SetSelected(
            SystemLogHostForm->Table.FindRow({{index, "swSysLogServerIndex-2"}}));
        GrabForm(form, dir + "/syslog-servers.png");
        SystemLogHostForm->EditSelectedHost();
        SystemLogHostForm->AddButtonClick(nullptr);
        form->Close();
    });
    SystemLogHostForm->ShowModal();
    delete SystemLogHostForm;
    SystemLogHostForm = nullptr;
}

void ShootTimeRanges(const QString& dir) {
    ShootDialog<TTimeRangeForm>(TimeRangeForm, "Time Range Management: ", dir + "/time-ranges.png",
                                [](TTimeRangeForm* d) {
                                    const int name = ColumnOf(Columns::TimeRangeTable, "Name");
                                    d->ListView1->SetSelected(d->Table.FindRow({{name, "Office"}}));
                                });
}

// The summer time as read (repeating), then switched to annual with dates typed in.
void ShootSummerTime(const QString& dir) {
    auto* dialog = CreateForm<TSummerTimeForm>(Application);
    dialog->SetCaption("Summer Time: " + Facts().DeviceAddress);
    SetModalHook([&](TForm* form) {
        GrabForm(form, dir + "/summer-time-repeating.png");
        SelectOption(dialog->StateBox(), "annual");
        dialog->StateChange(nullptr);
        for (int row : {TSummerTimeForm::kAnnualStart, TSummerTimeForm::kAnnualEnd}) {
            dialog->PartEdit(row, TSummerTimeForm::kAnnualDay)
                ->SetText(row == TSummerTimeForm::kAnnualStart ? "29" : "25");
            SelectOption(dialog->PartBox(row, TSummerTimeForm::kAnnualMonth),
                         row == TSummerTimeForm::kAnnualStart ? "Mar" : "Oct");
            dialog->PartEdit(row, TSummerTimeForm::kAnnualHour)->SetText("2");
            dialog->PartEdit(row, TSummerTimeForm::kAnnualMinute)->SetText("0");
        }
        GrabForm(form, dir + "/summer-time-annual.png");
        form->Close();
    });
    dialog->ShowModal();
    delete dialog;
}

// The dot3 pause and control tables, interface 3 chosen and its counters read.
void ShootDot3(DedicatedScreenshotStage& stage) {
    stage.Agent->LoadScenario(dot3_scenario::Scenario());
    const auto chooseThird = [](TDot3Form* d) {
        d->ListView1->SetSelected(d->ListView1->Items()[2]);
        d->ListView1Click(nullptr);
    };
    ShootDialog<Tdot3PauseForm>(dot3PauseForm, "Dot3 Pause Table: ", stage.Dir + "/dot3-pause.png",
                                chooseThird);
    ShootDialog<Tdot3ControlForm>(dot3ControlForm, "Dot3 Control Table: ", stage.Dir + "/dot3-control.png",
                                  chooseThird);
}

// The image list with cfgId-2 chosen, its edit dialog, and over that the progress form that an
// image made active shows.
void ShootConfigImages(const QString& dir) {
    MultipleConfigControlForm = CreateForm<TMultipleConfigControlForm>(Application);
    MultipleConfigControlForm->SetCaption("Multiple Configuration Settings: " + Facts().DeviceAddress);
    SetModalHook([&](TForm* form) {
        if (form == ProgressForm2) {
            GrabForm(form, dir + "/config-progress.png");
            form->Close();
        } else if (form == MultiConfigControlEditForm) {
            GrabForm(form, dir + "/config-image-edit.png");
            ShowProgressWait(form, "Set Configuration", "Active Configuration is processing...", 15);
            form->Close();
        } else {
            WaitRead(MultipleConfigControlForm->Table);
            const int id = ColumnOf(Columns::MultipleConfigControlTable, "Control ID");
            MultipleConfigControlForm->ListView1->SetSelected(
                MultipleConfigControlForm->Table.FindRow({{id, "cfgId-2"}}));
            GrabForm(form, dir + "/config-images.png");
            MultipleConfigControlForm->btnEditClick(nullptr);
            form->Close();
        }
    });
    MultipleConfigControlForm->ShowModal();
    delete MultipleConfigControlForm;
    MultipleConfigControlForm = nullptr;
}

} // namespace

int main(int argc, char** argv) {
    const std::string scenario = system_scenario::Scenario();
    DedicatedScreenshotStage stage(argc, argv, scenario.c_str());
    ShootSyslogServers(stage.Dir);
    ShootTimeRanges(stage.Dir);
    ShootDialog<TLogSaveControlForm>(LogSaveControlForm,
                                     "System Log Save Settings: ", stage.Dir + "/log-save.png",
                                     [](TLogSaveControlForm*) {});
    ShootSummerTime(stage.Dir);
    ShootConfigImages(stage.Dir);
    ShootDialog<TCurrentTimeForm>(CurrentTimeForm, "Current Time: ", stage.Dir + "/current-time.png",
                                  [](TCurrentTimeForm*) {});
    ShootDot3(stage);
    stage.Agent->LoadScenario(eee_scenario::Scenario());
    ShootDialog<TEEEStateFormUnit>(EEEStateFormUnit, "EEE State Settings: ", stage.Dir + "/eee-state.png",
                                   [](TEEEStateFormUnit*) {});
    return PicturesExitStatus();
}
