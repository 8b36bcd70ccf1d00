#include "MainUnit.h"

#include "DeviceFacts.h"
#include "MainFormFixture.h"
#include "SiblingFolder.h"
#include "StackingPortUitFormUnit.h"
#include "TListView.h"
#include "TMainMenu.h"
#include "UiTesting.h"
#include "VqMessageTable.h"
#include "VqSNMPRequest2Edits.h"
#include "VqSNMPSession.h"

#include <QFile>
#include <gtest/gtest.h>

namespace main_unit_test {

namespace {
constexpr const char* kUnitTable = "1.3.6.1.4.1.746.12.11.1.9.4";
constexpr const char* kStackMode = "1.3.6.1.4.1.746.12.11.1.9.6";
constexpr const char* kTwoUnitStack =
    R"({"stack_mode": "enabled", "firmware": "KB", "units": [{"model": "24RA"}, {"model": "24RA"}]})";
} // namespace

TEST_F(MainFormTest, StartUpFillsTheDeviceFacts) {
    TMainForm* form = Open(kTwoUnitStack);
    EXPECT_EQ(MainForm, form);
    EXPECT_EQ(form->Caption(), Agent().Address());
    EXPECT_EQ(Facts().DeviceAddress, Agent().Address());
    EXPECT_EQ(Facts().SysObjectId, "1.3.6.1.4.1.746.10.117.2.1");
    EXPECT_EQ(Facts().ModelName, "ZQS-4410-24RA");
    EXPECT_EQ(Facts().StackMode, "enabled");
    EXPECT_EQ(Facts().FirmwareMode, "KB");
    EXPECT_EQ(Facts().UnitCount(), 6);
    EXPECT_EQ(Facts().UnitList, ReadStackUnitRows(form->UnitListView));
    EXPECT_EQ(Facts().UnitList[1].ModuleName, "ZQS-4410-24RA");
    EXPECT_EQ(Facts().UnitList[2].ExistState, "no-exist");
    EXPECT_EQ(form->SupportedModels,
              (std::vector<std::string>{"ZQS-4410-24RA", "ZQS-4410-24DA", "ZQS-4410-24ZO", "ZQS-4410-48DA",
                                        "ZQS-4410-48RO", "ZQS-4410-24ZO-DC"}));
    EXPECT_EQ(form->Width(), 800);
    EXPECT_EQ(form->ScaleFactor, 1.0);
    EXPECT_TRUE(Agent().SetLog().empty()) << "reading never writes";
}

TEST_F(MainFormTest, ScaleFactorFollowsTheScreenButNotTheWindow) {
    for (auto [ppi, factor] : {std::pair{96, 1.0}, std::pair{120, 1.25}}) {
        ScreenDpi dpi(ppi);
        TMainForm* form = Open("{}");
        EXPECT_EQ(form->ScaleFactor, factor) << ppi;
        EXPECT_EQ(form->Width(), 800) << ppi;
        delete form;
        Form = nullptr;
    }
}

TEST_F(MainFormTest, UnitReadFailureKeepsWhatWasReadBefore) {
    TMainForm* form = Open(kTwoUnitStack);
    Agent().LoadScenario(R"({"stack_mode": "disabled", "firmware": "KC"})");
    Agent().InjectError(kUnitTable, "genErr");
    const std::vector<StackUnitRow> units = Facts().UnitList;

    EXPECT_FALSE(form->LoadUnitInformation());
    EXPECT_EQ(form->StatusText(), "Get Unit Information Failed");
    EXPECT_EQ(Facts().StackMode, "disabled") << "read before the failure";
    EXPECT_EQ(Facts().FirmwareMode, "KB") << "not read after the failure";
    EXPECT_EQ(Facts().UnitList, units) << "the last unit table read whole";
    EXPECT_NE(ReadStackUnitRows(form->UnitListView), units) << "the window's list holds the failed read";

    Agent().ClearInjections();
    EXPECT_TRUE(form->LoadUnitInformation());
    EXPECT_EQ(Facts().FirmwareMode, "KC");
}

TEST_F(MainFormTest, StackMenusFollowEveryReadOfTheStackMode) {
    TMainForm* form = Open(kTwoUnitStack);
    TMenuItem* unitInformation = form->MenuItem("Unitinformation1");
    TMenuItem* unitTable = form->MenuItem("UnitTable1");
    EXPECT_TRUE(unitInformation->Visible());

    Agent().LoadScenario(R"({"stack_mode": "disabled"})");
    form->ApplyStackModeMenus();
    EXPECT_FALSE(unitInformation->Visible());
    EXPECT_FALSE(unitTable->Visible());
    EXPECT_EQ(Facts().StackMode, "enabled") << "the pass does not change the global";

    Agent().LoadScenario(kTwoUnitStack);
    form->ApplyStackModeMenus();
    EXPECT_TRUE(unitTable->Visible());

    // A stack mode that cannot be read hides both and says why.
    Agent().InjectError(kStackMode, "genErr");
    form->ApplyStackModeMenus();
    EXPECT_FALSE(unitInformation->Visible());
    EXPECT_FALSE(unitTable->Visible());
    EXPECT_EQ(form->StatusText(), MessageOfCode(-105)) << "the genErr text";
}

TEST_F(MainFormTest, SiblingProgramsGetTheTypedValues) {
    TMainForm* form = Open("{}");
    SiblingFolder folder({"Rmon"});
    RecordingLauncher launcher;
    const std::string port = "/t" + std::to_string(Agent().Port());

    EXPECT_EQ(
        form->BuildModuleCommandLine("/TRmon_History"),
        (std::vector<std::string>{"Rmon", "/I" + Agent().Address(), port, "/v3", "/d", "/m3", "/nzqs-noauth",
                                  "/l1", "/a", "/p", "/A", "/P", "/c", "/TRmon_History"}));
    form->SetStatusText("");
    form->LaunchModule("/TRmon_History", 0);
    ASSERT_EQ(launcher.Launches.size(), 1u);
    EXPECT_EQ(launcher.Launches[0][0], folder.Path("Rmon"));
    EXPECT_EQ(form->StatusText(), "");

    form->LaunchModule("/TBridge_Port", 0);
    EXPECT_EQ(form->StatusText(), "Cannot start the program \"Bridge\".");
    form->LaunchModule("/TBridgePort", 0);
    EXPECT_EQ(form->StatusText(), "The key \"/TBridgePort\" names no program to start.");
    EXPECT_EQ(launcher.Launches.size(), 1u);
}

// Help hands the file beside the executable to the viewer, there or not: a missing file is the
// viewer's to report, and the status line says nothing.
TEST_F(MainFormTest, HelpHandsTheFileBesideTheExecutableToTheViewer) {
    TMainForm* form = Open("{}");
    SiblingFolder folder({});
    RecordingHelp help;
    form->SetStatusText("");

    form->Help2Click(nullptr);
    QFile file(QString::fromStdString(folder.Path(kHelpFileName)));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.close();
    form->Help2Click(nullptr);
    EXPECT_EQ(help.Opened,
              (std::vector<std::string>{folder.Path(kHelpFileName), folder.Path(kHelpFileName)}));
    EXPECT_EQ(form->StatusText(), "");
}

// The window's own reads are synchronous, but a read of the unit table can still be under way when
// the window closes (here one started asynchronously while the switch holds its replies). Closing
// stops it and waits for it one reply's whole wait on the clock seam, and not longer; the send
// still out is forgotten, so its reply reaches nothing.
TEST_F(MainFormTest, ClosingDuringTheUnitWalkEndsWithinTheReplyBound) {
    TMainForm* form = Open(kTwoUnitStack);
    VqSNMPRequest2Edits* walk = form->UnitTableRequest;
    ASSERT_NE(walk, nullptr);
    const uint64_t bound = ReplyWaitBoundMs(walk->Request.Timeout, walk->Request.Retries);
    const int pending = SnmpSession->PendingCount();
    Agent().SetDelay(kUnitTable, 3000, SimOp::Next); // past the close's bound even on the real clock
    walk->Mode = 1;
    ASSERT_TRUE(walk->Get());
    ASSERT_TRUE(walk->Busy);
    ASSERT_EQ(SnmpSession->PendingCount(), pending + 1);
    const auto alive = form->AliveToken();
    {
        FakeClock clock(/*stepPerRead=*/250);
        form->Close();
        EXPECT_GE(clock.Ticks, bound) << "gave up before the reply could come";
        EXPECT_LE(clock.Ticks, bound + 500) << "waited past one reply's wait";
    }
    EXPECT_EQ(form->UnitTableRequest, nullptr);
    EXPECT_EQ(SnmpSession->PendingCount(), pending) << "the held reply could still reach the request";
    EXPECT_TRUE(Application->WaitUntil([&] { return !IsAlive(alive); }, 1000)) << "the window is freed";
    Form = nullptr;
    EXPECT_TRUE(Agent().SetLog().empty());
}

} // namespace main_unit_test
