#include "FormsSimTest.h"

#include "GUIConfigForm.h"
#include "TLabel.h"
#include "TStaticText.h"

#include <gtest/gtest.h>

#include <string>

namespace forms_sim_test_test {

namespace {

// A 48DA (not the fixture's 24RA facts) whose STP version is MSTP.
constexpr const char* kMstp48Da =
    R"({"model": "48DA", "objects": [["1.3.6.1.4.1.746.12.15.1.2.0", "int", 2, "rw"]]})";
constexpr const char* k48DaSysObjectId = "1.3.6.1.4.1.746.10.117.5.1";

// The hidden spanning tree port table: a command that reads the STP version before its dialog.
constexpr const char* kStpFirstCommand = "PortTableClick";

} // namespace

using FormsMainWindow = FormsSimTest;

TEST_F(FormsMainWindow, ACommandReadsTheStpVersionThroughTheWindowAndDialogsReachItsModuleOid) {
    Agent().LoadScenario(kMstp48Da);
    const MenuEntry* command = FindMenuCommand(kStpFirstCommand);
    ASSERT_TRUE(command && command->StpVersionFirst);
    TMainForm* window = OpenMainWindow();
    ASSERT_EQ(MainForm, window);
    window->ST_STPVersion->SetCaption("");
    std::string version, moduleOid;
    RunDialog<TConfigForm>(kStpFirstCommand, [&](TConfigForm*) {
        version = MainForm->ST_STPVersion->Caption();
        moduleOid = MainForm->ST_ModuleOID->Caption();
    });
    EXPECT_EQ(version, "mstp");
    EXPECT_EQ(moduleOid, k48DaSysObjectId);
    EXPECT_EQ(Facts().SysObjectId, k48DaSysObjectId); // the facts are what the window read
}

TEST_F(FormsMainWindow, WithoutAWindowTheCommandOpensItsDialogAllTheSame) {
    Agent().LoadScenario(kMstp48Da);
    ASSERT_EQ(MainForm, nullptr);
    bool shown = false;
    RunDialog<TConfigForm>(kStpFirstCommand, [&](TConfigForm*) { shown = true; });
    EXPECT_TRUE(shown);
}

} // namespace forms_sim_test_test
