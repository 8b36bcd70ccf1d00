// The front panels in the main window: which units get a panel of which class, where they are
// placed, the scrolling layout from five units, and Refresh.
#include "CaptionCheck.h"
#include "FrontPanelForms.h"
#include "LedPanelForm.h"
#include "MainFormFixture.h"
#include "MenuCommands.h"
#include "PanelZQS441024PCFormUnit.h"
#include "PanelZQS441024TCFormUnit.h"
#include "PanelZQS441048PCFormUnit.h"
#include "PanelZQS441048TCFormUnit.h"
#include "TApplication.h"
#include "TScrollBox.h"
#include "TStatusBar.h"
#include "TTimer.h"
#include "UiTesting.h"
#include "WaitingFormUnit.h"

#include <gtest/gtest.h>

#include <stdexcept>
#include <string>
#include <vector>

namespace main_window_panels_test {

namespace {

constexpr const char* kConfirm = "Refresh panel may take a long time. Are you sure?";

class MainWindowPanelsTest : public MainFormTest {
protected:
    void SetUp() override {
        MainFormTest::SetUp();
        RegisterFrontPanelForms();
    }

    // The first activation: the waiting form builds the panels and closes itself (before a modal
    // hook could see it).
    void Activate() {
        Form->FormActivate(Form);
        EXPECT_EQ(WaitingForm, nullptr);
    }

    // Refresh answered OK.
    void Refresh() {
        ScriptedDialogs dialogs;
        dialogs.Expect(kConfirm, mrOk);
        Form->RefreshPanel1Click(Form);
        EXPECT_EQ(WaitingForm, nullptr);
    }

    TLedPanelForm* Panel(size_t i) const { return dynamic_cast<TLedPanelForm*>(Form->UnitPanels.at(i)); }
};

std::string Stack(const std::string& units, const std::string& extra = "") {
    return R"({"model": "24RA", "stack_mode": "enabled", "units": [)" + units + "]" + extra + "}";
}

} // namespace

// Units 1 and 3 of a stack: two panels of their own classes, one below the other, and the window
// fitted to the second.
TEST_F(MainWindowPanelsTest, PresentUnitsGetPanelsOneBelowTheOther) {
    Open(Stack(R"({"unit": 1, "model": "24RA"}, {"unit": 3, "model": "48DA"})"));
    Activate();
    ASSERT_EQ(Form->UnitPanels.size(), 2u);
    EXPECT_EQ(Form->UnitPanelCount, 2);
    auto* first = dynamic_cast<TPanelZQS441024TCForm*>(Form->UnitPanels[0]);
    auto* second = dynamic_cast<TPanelZQS441048TCForm*>(Form->UnitPanels[1]);
    ASSERT_TRUE(first && second);
    EXPECT_EQ(first->UnitNumber, 1);
    EXPECT_EQ(second->UnitNumber, 3);
    EXPECT_EQ(first->Parent(), Form->ScrollBox1);
    EXPECT_EQ(first->Top(), 0);
    EXPECT_EQ(second->Top(), first->Top() + first->ClientHeight() + 1);
    EXPECT_EQ(second->Left(), 0);
    EXPECT_EQ(Form->ClientHeight(), second->Top() + 83 + Form->StatusBar->Height() + 1 + 3);
    EXPECT_EQ(Form->ClientWidth(), 765 + 3);
    EXPECT_EQ(Form->LastPanel, second);
    EXPECT_FALSE(Form->ScrollBox1->AutoScroll());
    EXPECT_TRUE(second->Visible());
    EXPECT_TRUE(second->LedRequest->PollTimer->Running()) << "each panel polls its unit";
}

// Five counted units make the panel area scroll in a window of 500 at top 20; a unit whose module
// name is no supported name (other letter case) gets no panel but counts, and one whose Exist
// State was not read neither gets a panel nor counts.
TEST_F(MainWindowPanelsTest, FiveUnitsMakeThePanelAreaScroll) {
    Open(Stack(R"({"unit": 1}, {"unit": 2, "model": "48RO"}, {"unit": 3, "module_name": "zqs-4410-24RA"},
                  {"unit": 4, "model": "24DA"}, {"unit": 5, "model": "24ZO"}, {"unit": 6})",
               R"(, "omit": ["1.3.6.1.4.1.746.12.11.1.9.4.1.15.6"])"));
    Activate();
    EXPECT_EQ(Form->UnitPanelCount, 5);
    ASSERT_EQ(Form->UnitPanels.size(), 4u);
    EXPECT_NE(dynamic_cast<TPanelZQS441048PCForm*>(Form->UnitPanels[1]), nullptr);
    EXPECT_NE(dynamic_cast<TPanelZQS441024PCForm*>(Form->UnitPanels[2]), nullptr);
    EXPECT_EQ(Panel(2)->UnitNumber, 4);
    EXPECT_TRUE(Form->ScrollBox1->AutoScroll());
    EXPECT_EQ(Form->Top(), 20);
    EXPECT_EQ(Form->Height(), 500);
    // The scroll box is aligned to the client area: it takes what the status bar leaves of it.
    EXPECT_EQ(Form->ScrollBox1->Height(), Form->ClientHeight() - Form->StatusBar->Height());
    EXPECT_EQ(Form->ClientWidth(), 766 + 3 + 20) << "the widest panel, and the scroll bar's 20";
}

// The window as wide as the panels of one, two and six units shows every item of the whole menu
// bar, none behind the overflow button, in every edition; every caption reads whole and every LED
// lies inside its panel.
TEST_F(MainWindowPanelsTest, TheWholeMenuBarShowsAtTheWidthsOfOneTwoAndSixUnits) {
    InstallMainMenu();
    const struct {
        const char* Name;
        std::string Units;
        int Panels;
    } stacks[] = {
        {"one unit", R"({"unit": 1, "model": "48RO"})", 1},
        {"two units", R"({"unit": 1, "model": "48RO"}, {"unit": 2, "model": "24DA"})", 2},
        {"six units", R"({"unit": 1, "model": "48RO"}, {"unit": 2, "model": "24DA"},
                         {"unit": 3, "model": "24ZO-DC"}, {"unit": 4, "model": "24RA"},
                         {"unit": 5, "model": "24ZO"}, {"unit": 6, "model": "48DA"})",
         6},
    };
    for (const auto& stack : stacks) {
        for (const char* edition : {"KA", "KB", "KC"}) {
            SCOPED_TRACE(std::string(stack.Name) + ", " + edition);
            Open(Stack(stack.Units, std::string(R"(, "firmware": ")") + edition + "\""));
            Form->Show();
            Activate();
            Application->ProcessMessages();
            EXPECT_EQ(Form->UnitPanels.size(), static_cast<size_t>(stack.Panels));
            EXPECT_TRUE(CaptionsReadWhole(Form));
            delete Form;
            Form = nullptr;
        }
    }
    MainMenuBuilder = nullptr;
}

// Refresh: Cancel changes nothing; OK with a switch that does not answer keeps the old panels and
// says so; OK with an answering switch builds new panels, and the window is widened only once.
TEST_F(MainWindowPanelsTest, RefreshRebuildsOnlyWhenTheUnitsCanBeRead) {
    Open(Stack(
        R"({"unit": 1}, {"unit": 2}, {"unit": 3}, {"unit": 4}, {"unit": 5, "model": "48DA"}, {"unit": 6})"));
    Activate();
    ASSERT_EQ(Form->UnitPanels.size(), 6u);
    const int width = Form->Width();
    std::vector<TFrontPanelForm*> before = Form->UnitPanels;

    {
        ScriptedDialogs dialogs;
        dialogs.Expect(kConfirm, mrCancel);
        Form->RefreshPanel1Click(Form);
    }
    EXPECT_EQ(Form->UnitPanels, before);
    EXPECT_TRUE(Form->FirstBuild);

    Agent().DropReplies("");
    Refresh();
    EXPECT_FALSE(Form->FirstBuild);
    EXPECT_EQ(Form->UnitPanels, before) << "the old panels stay";
    EXPECT_EQ(Form->StatusText(), "Get Unit Information Failed");
    EXPECT_EQ(Form->Width(), width);

    Agent().ClearInjections();
    std::vector<std::weak_ptr<const bool>> old;
    for (TFrontPanelForm* panel : before)
        old.push_back(panel->AliveToken());
    Refresh();
    ASSERT_EQ(Form->UnitPanels.size(), 6u);
    for (const auto& token : old)
        EXPECT_FALSE(IsAlive(token)) << "the old panels are freed";
    EXPECT_EQ(Panel(5)->UnitNumber, 6);
    EXPECT_EQ(Form->Width(), width) << "no second widening";
    EXPECT_EQ(Form->Height(), 500);
}

// A stand-alone switch: one panel, of the class the sysObjectID names, for the master row.
TEST_F(MainWindowPanelsTest, StandaloneSwitchGetsOnePanelForItsMaster) {
    Open(R"({"model": "48RO", "units": [{"unit": 2}]})");
    Activate();
    ASSERT_EQ(Form->UnitPanels.size(), 1u);
    auto* panel = dynamic_cast<TPanelZQS441048PCForm*>(Form->UnitPanels[0]);
    ASSERT_NE(panel, nullptr);
    EXPECT_EQ(panel->UnitNumber, 2);
    EXPECT_EQ(Form->UnitPanelCount, 0);
    EXPECT_FALSE(Form->ScrollBox1->AutoScroll());
    EXPECT_EQ(Form->ClientWidth(), 766 + 3);
}

// What the build raises ends the waiting form all the same, and its message stays in status
// panel 0 instead of vanishing: here the stand-alone unit's panel class cannot be made.
TEST_F(MainWindowPanelsTest, WhatTheBuildRaisesIsShownAndTheWaitingFormCloses) {
    RegisterFrontPanelForm(0, [](TComponent*) -> TFrontPanelForm* {
        throw std::runtime_error("The panel picture cannot be read.");
    });
    Open(R"({"model": "24RA", "units": [{"unit": 1}]})");
    Activate();
    RegisterFrontPanelForms();
    EXPECT_TRUE(Form->UnitPanels.empty());
    EXPECT_EQ(Form->StatusText(), "The panel picture cannot be read.");
}

// A stack of a switch that names no listed model: the panels come by module name, show picture
// and digit, poll nothing, and the status panel says why.
TEST_F(MainWindowPanelsTest, UnsupportedModelShowsPanelsThatPollNothing) {
    Open(Stack(R"({"unit": 1}, {"unit": 2})", R"(, "sys_object_id": "1.3.6.1.4.1.746.10.117.99.1")"));
    Activate();
    ASSERT_EQ(Form->UnitPanels.size(), 2u);
    EXPECT_FALSE(Panel(0)->LedRequest);
    EXPECT_TRUE(WaitFor([&] { return Form->StatusText() == "Unsupported model"; }))
        << "after the window's own reads: " << Form->StatusText();
}

} // namespace main_window_panels_test
