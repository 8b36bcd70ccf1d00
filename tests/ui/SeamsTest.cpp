#include "Beeper.h"
#include "Clock.h"
#include "Launcher.h"
#include "TApplication.h"
#include "TScreen.h"
#include "UiTesting.h"
#include "UserDialogs.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace seams_test {

TEST(UserDialogs, EachKindOfBoxCarriesItsTitleTypeAndButtons) {
    Application->SetTitle("ZQS-4410-Series");
    ScriptedDialogs dialogs;
    dialogs.Expect("No parameter input")
        .Expect("Refresh panel may take a long time. Are you sure?", mrCancel)
        .Expect("Set failed", mrOk)
        .Expect("Retry?", mrNo);
    ShowMessage("No parameter input");
    EXPECT_EQ(mrCancel, MessageDlg("Refresh panel may take a long time. Are you sure?", mtConfirmation,
                                   mbOK | mbCancel));
    EXPECT_EQ(IDOK, MessageBox(nullptr, "Set failed", "ZQS-4410-Series", MB_OK | MB_ICONERROR));
    EXPECT_EQ(IDNO, Application->MessageBox("Retry?", "", MB_YESNO | MB_ICONQUESTION));

    struct Expected {
        DialogKind Kind;
        const char* Title;
        TMsgDlgType Type;
        TMsgDlgButtons Buttons;
    } expected[] = {{DialogKind::Message, "ZQS-4410-Series", mtCustom, mbOK},
                    {DialogKind::Dialog, "Confirmation", mtConfirmation, mbOK | mbCancel},
                    {DialogKind::Box, "ZQS-4410-Series", mtError, mbOK},
                    {DialogKind::Box, "ZQS-4410-Series", mtConfirmation, mbYes | mbNo}};
    ASSERT_EQ(4u, dialogs.Shown().size());
    for (size_t i = 0; i < 4; ++i) {
        const UserDialog& d = dialogs.Shown()[i];
        SCOPED_TRACE(d.Text);
        EXPECT_EQ(static_cast<int>(expected[i].Kind), static_cast<int>(d.Kind));
        EXPECT_EQ(expected[i].Title, d.Title);
        EXPECT_EQ(expected[i].Type, d.Type);
        EXPECT_EQ(expected[i].Buttons, d.Buttons);
    }
}

TEST(Beeper, BeepsAreCounted) {
    CountingBeeper beeper;
    Beep(1000, 200);
    MessageBeep(0);
    ASSERT_EQ(1u, beeper.Beeps.size());
    EXPECT_EQ(1000, beeper.Beeps[0].Frequency);
    EXPECT_EQ(200, beeper.Beeps[0].DurationMs);
    EXPECT_EQ(1, beeper.DefaultBeeps);
}

TEST(TScreen, PixelsPerInchIsInjectableAndOffscreenReports96) {
    EXPECT_EQ(96, Screen->PixelsPerInch());
    {
        ScreenDpi dpi(120);
        EXPECT_EQ(120, Screen->PixelsPerInch());
    }
    EXPECT_EQ(96, Screen->PixelsPerInch());
}

TEST(Clock, FakeClockDrivesTicksAndWallTime) {
    FakeClock clock;
    clock.Advance(1500);
    EXPECT_EQ(1500u, GetTickCount());
    auto noon = std::chrono::system_clock::time_point(std::chrono::hours(12));
    clock.SetWallClock(noon);
    clock.Advance(1000);
    EXPECT_EQ(noon + std::chrono::seconds(1), ClockNow());
}

namespace {
// A fake executable folder holding a sibling program and the help file.
struct ExeFolder {
    ExeFolder() {
        Application->SetExeName(Dir.filePath("zqs4410").toStdString());
        QFile program(Dir.filePath("MIB"));
        program.open(QIODevice::WriteOnly);
        program.write("#!/bin/sh\n");
        program.close();
        program.setPermissions(QFile::ReadOwner | QFile::ExeOwner);
        QFile help(Dir.filePath("zqs4410.html"));
        help.open(QIODevice::WriteOnly);
        help.write("<html></html>");
    }
    ~ExeFolder() { Application->SetExeName(""); }
    QTemporaryDir Dir;
};
} // namespace

TEST(Launcher, ProgramBesideTheExecutableWinsAndEveryOptionStaysOneArgument) {
    ExeFolder folder;
    RecordingLauncher launcher;
    EXPECT_GT(WinExec({"MIB", "/I10.90.90.90", "/Rpublic community", "/TMIB_IFTable"}, SW_SHOW), 31u);
    EXPECT_GT(WinExec({"sh", "-c", "true"}, SW_SHOW), 31u); // found on PATH
    EXPECT_EQ(ERROR_FILE_NOT_FOUND, WinExec({"NoSuchSibling"}, SW_SHOW));
    EXPECT_EQ(ERROR_FILE_NOT_FOUND, WinExec({""}, SW_SHOW));
    ASSERT_EQ(2u, launcher.Launches.size()); // nothing found, nothing started
    EXPECT_EQ((std::vector<std::string>{folder.Dir.filePath("MIB").toStdString(), "/I10.90.90.90",
                                        "/Rpublic community", "/TMIB_IFTable"}),
              launcher.Launches[0]);
    EXPECT_NE(std::string::npos, launcher.Launches[1][0].find("/sh"));
}

} // namespace seams_test
