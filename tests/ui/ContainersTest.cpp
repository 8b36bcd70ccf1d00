#include "TApplication.h"
#include "TForm.h"
#include "TLabel.h"
#include "TMainMenu.h"
#include "TPageControl.h"
#include "TPanel.h"
#include "TProgressBar.h"
#include "TScrollBox.h"
#include "TStatusBar.h"
#include "UiTesting.h"

#include <QAction>
#include <QMenuBar>
#include <QScrollArea>
#include <QScrollBar>
#include <QTabWidget>
#include <gtest/gtest.h>

namespace containers_test {

namespace {
struct Fixture : ::testing::Test {
    void SetUp() override {
        Form.reset(CreateForm<TForm>(nullptr));
        Form->SetBorderStyle(bsNone);
        Form->SetBounds(0, 0, 500, 300);
    }
    std::unique_ptr<TForm> Form;
};
} // namespace

using StatusBarTest = Fixture;

TEST_F(StatusBarTest, PanelsShowTheirTextsAndSimpleTextOnlyInSimpleMode) {
    auto* bar = new TStatusBar(Form.get());
    bar->SetParent(Form.get());
    TStatusPanel* first = bar->Panels().Add();
    first->SetWidth(50);
    TStatusPanel* second = bar->Panels().Add();
    first->SetText("Ok!");
    second->SetText("Get: OK");
    bar->SetSimpleText("simple");
    EXPECT_EQ("Ok! | Get: OK", bar->ShownText());
    EXPECT_EQ(Form->ClientHeight() - bar->Height(), bar->Top()); // aligned to the bottom
    bar->SetSimplePanel(true);
    EXPECT_EQ("simple", bar->ShownText());
    bar->SetSimplePanel(false);
    EXPECT_EQ("Get: OK", bar->Panels()[1]->Text());
    EXPECT_EQ(2, bar->Panels().Count());
}

using PageControlTest = Fixture;

TEST_F(PageControlTest, OnlyTheUserChangingTabsFiresOnChange) {
    auto* pages = new TPageControl(Form.get());
    pages->SetParent(Form.get());
    pages->SetAlign(alClient);
    std::vector<TTabSheet*> sheets;
    for (const char* caption : {"Unit 1", "Unit 2", "Unit 3"}) {
        auto* sheet = new TTabSheet(Form.get());
        sheet->SetPageControl(pages);
        sheet->SetCaption(caption);
        sheets.push_back(sheet);
    }
    int changes = 0;
    pages->OnChange = [&](TObject*) { ++changes; };
    Form->Show();
    ASSERT_EQ(3, pages->PageCount());

    pages->SetActivePage(sheets[1]);
    EXPECT_EQ(sheets[1], pages->ActivePage());
    sheets[1]->SetTabVisible(false); // the active sheet's tab goes: another page shows, silently
    auto* tabs = static_cast<QTabWidget*>(pages->Widget());
    EXPECT_FALSE(tabs->isTabVisible(1));
    EXPECT_NE(sheets[1], pages->ActivePage());
    EXPECT_EQ(0, changes);

    TTabSheet* shown = pages->ActivePage();
    int other = shown == sheets[0] ? 2 : 0;
    ClickTab(pages, other);
    EXPECT_EQ(sheets[other], pages->ActivePage());
    EXPECT_EQ(1, changes);

    delete sheets[0]; // a sheet deleted at run time leaves its tab
    EXPECT_EQ(2, pages->PageCount());
    EXPECT_EQ("Unit 3", tabs->tabText(1).toStdString());
}

TEST_F(PageControlTest, OnlyTheActivePageShowsWhateverTheOrderOfBuilding) {
    auto* pages = new TPageControl(Form.get());
    pages->SetParent(Form.get());
    pages->SetAlign(alClient);
    Form->Show();
    std::vector<TTabSheet*> sheets;
    for (const char* caption : {"Settings", "Status", "Rows"}) {
        auto* sheet = new TTabSheet(pages);
        sheet->SetCaption(caption);
        sheet->SetPageControl(pages); // added while the control is on the screen
        auto* content = new TPanel(Form.get());
        content->SetParent(sheet);
        content->SetAlign(alClient);
        sheets.push_back(sheet);
    }
    Application->ProcessMessages();
    EXPECT_EQ(sheets[0], pages->ActivePage());
    EXPECT_TRUE(sheets[0]->Showing());
    EXPECT_FALSE(sheets[1]->Showing());
    EXPECT_FALSE(sheets[2]->Showing());
    ClickTab(pages, 2);
    EXPECT_FALSE(sheets[0]->Showing());
    EXPECT_TRUE(sheets[2]->Showing());
}

using ScrollBoxTest = Fixture;

TEST_F(ScrollBoxTest, ContentGrowsWithItsPanelsAndScrollsBackToTop) {
    auto* box = new TScrollBox(Form.get());
    box->SetParent(Form.get());
    box->SetAlign(alClient);
    box->SetAutoScroll(true);
    Form->Show();
    for (int unit = 0; unit < 6; ++unit) {
        auto* panel = new TPanel(Form.get());
        panel->SetParent(box);
        panel->SetBounds(0, unit * 84, 460, 83);
    }
    box->FitContent();
    auto* area = static_cast<QScrollArea*>(box->Widget());
    EXPECT_GE(area->widget()->height(), 6 * 84 - 1);
    EXPECT_GT(area->verticalScrollBar()->maximum(), 0);
    box->SetVertScrollPosition(100);
    EXPECT_EQ(100, box->VertScrollPosition());
    box->ScrollToTop();
    EXPECT_EQ(0, box->VertScrollPosition());
    box->SetAutoScroll(false);
    EXPECT_EQ(Qt::ScrollBarAlwaysOff, area->verticalScrollBarPolicy());
}

// Content that fits shows no scroll bar, whether the box shrank to its size or grew to it; content
// that does not fit scrolls.
TEST_F(ScrollBoxTest, ScrollBarsOnlyWhereTheContentOverflows) {
    const struct {
        const char* Name;
        QSize From, To;
        bool Bars;
    } cases[] = {{"shrunk to a size that still holds the rows", {640, 480}, {300, 200}, false},
                 {"grown from a size too small", {150, 80}, {300, 200}, false},
                 {"shrunk below the rows", {640, 480}, {200, 100}, true}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Name);
        SetUp();
        Form->SetBounds(0, 0, c.From.width(), c.From.height());
        auto* box = new TScrollBox(Form.get());
        box->SetParent(Form.get());
        box->SetAlign(alClient);
        for (int row = 0; row < 4; ++row) {
            auto* field = new TPanel(Form.get());
            field->SetParent(box);
            field->SetBounds(20, 8 + row * 26, 220, 21);
        }
        Form->Show();
        Form->SetBounds(0, 0, c.To.width(), c.To.height());
        Application->ProcessMessages();
        auto* area = static_cast<QScrollArea*>(box->Widget());
        EXPECT_EQ(c.Bars, area->verticalScrollBar()->isVisible());
        EXPECT_EQ(c.Bars, area->horizontalScrollBar()->isVisible());
        if (!c.Bars) {
            EXPECT_EQ(area->viewport()->size(), area->widget()->size());
        }
    }
}

TEST(TProgressBar, StepItCyclesFromMinToMax) {
    TProgressBar bar(nullptr);
    bar.SetMin(0);
    bar.SetMax(600);
    bar.SetStep(20);
    struct Case {
        int From, To;
    } cases[] = {{0, 20}, {580, 600}, {600, 20}, {590, 10}};
    for (const Case& c : cases) {
        bar.SetPosition(c.From);
        bar.StepIt();
        EXPECT_EQ(c.To, bar.Position()) << "from " << c.From;
    }
    bar.SetPosition(900);
    EXPECT_EQ(600, bar.Position());
}

using MenuTest = Fixture;

TEST_F(MenuTest, MenuTreeBuiltAtRunTimeIsFoundByNameAndClicks) {
    auto* menu = new TMainMenu(Form.get());
    auto addItem = [&](TMenuItem* parent, const char* name, const char* caption) {
        auto* item = new TMenuItem(Form.get());
        item->SetName(name);
        item->SetCaption(caption);
        parent->Add(item);
        return item;
    };
    TMenuItem* system = addItem(menu->Items(), "System1", "System");
    TMenuItem* vacm = addItem(system, "VACM1", "SNMP v3");
    TMenuItem* line = addItem(system, "N1", "-");
    TMenuItem* refresh = addItem(menu->Items(), "RefreshPanel2", "Refresh");
    int clicks = 0;
    refresh->OnClick = [&](TObject*) { ++clicks; };
    int clientBefore = Form->ClientHeight();
    Form->SetMenu(menu);
    EXPECT_LT(Form->ClientHeight(), clientBefore); // the menu bar is not client area

    auto* found = dynamic_cast<TMenuItem*>(Form->FindComponent("vacm1"));
    ASSERT_EQ(vacm, found);
    found->SetEnabled(false);
    found->SetVisible(false);
    EXPECT_FALSE(vacm->Action()->isEnabled());
    EXPECT_FALSE(vacm->Action()->isVisible());
    // A separator keeps its caption; only its action goes without text, so no style draws a "-".
    EXPECT_TRUE(line->Action()->isSeparator());
    EXPECT_TRUE(line->Action()->text().isEmpty());
    EXPECT_EQ("-", line->Caption());
    EXPECT_EQ(line, system->Find("-"));
    line->SetCaption("Quit"); // a line made a command again shows its caption
    EXPECT_FALSE(line->Action()->isSeparator());
    EXPECT_EQ("Quit", line->Action()->text().toStdString());
    line->SetCaption("-");
    EXPECT_EQ(2, system->Count());
    EXPECT_EQ(system, menu->Items()->Find("System"));

    refresh->Action()->trigger(); // as the user picks it from the menu bar
    refresh->Click();
    EXPECT_EQ(2, clicks);
    EXPECT_EQ(2, menu->MenuBar()->actions().size());

    delete system; // takes its sub-items along
    EXPECT_EQ(nullptr, Form->FindComponent("VACM1"));
    EXPECT_EQ(1, menu->Items()->Count());
}

} // namespace containers_test
