#include "DialogLayout.h"

#include "TApplication.h"
#include "TButton.h"
#include "TForm.h"
#include "TGroupBox.h"
#include "TLabel.h"
#include "TListView.h"
#include "TPanel.h"
#include "TSplitter.h"
#include "TStaticText.h"
#include "TStatusBar.h"
#include "UiTesting.h"

#include <gtest/gtest.h>

#include <memory>
#include <vector>

namespace dialog_layout_test {

TEST(DialogLayout, TheDesignedSizeIsScaledOffNinetySixDpi) {
    const struct { int Ppi, Width, Height; } cases[] = {{96, 650, 455}, {120, 812, 568}, {144, 812, 568}};
    for (const auto& c : cases) {
        ScreenDpi dpi(c.Ppi);
        std::unique_ptr<TForm> form(CreateForm<TForm>(nullptr));
        DesignDialog(form.get(), 650, 455);
        EXPECT_EQ(form->Width(), c.Width) << c.Ppi;
        EXPECT_EQ(form->Height(), c.Height) << c.Ppi;
        EXPECT_EQ(form->Position(), poMainFormCenter);
    }
}

TEST(DialogLayout, ButtonColumnStatusBarAndListArea) {
    std::unique_ptr<TForm> form(CreateForm<TForm>(nullptr));
    DesignDialog(form.get(), 650, 455);
    ButtonColumn buttons(form.get(), "Samples");
    int clicks = 0;
    TButton* refresh = buttons.Add("Refresh", [&](TObject*) { ++clicks; });
    TButton* close = buttons.Add("Close", nullptr);
    TStatusBar* bar = AddStatusBar(form.get());
    const ListArea area = AddListArea(form.get(), 150);
    form->Show();
    Application->ProcessMessages();

    EXPECT_EQ(buttons.Count->Caption(), "0");
    EXPECT_EQ(buttons.Count->BorderStyle(), sbsSunken);
    EXPECT_EQ(buttons.Samples->Caption(), "Samples");
    EXPECT_GT(buttons.Samples->Top(), buttons.Count->Top() + buttons.Count->Height() - 1);
    EXPECT_EQ(refresh->Width(), 75);
    EXPECT_EQ(refresh->Height(), 25);
    EXPECT_GT(close->Top(), refresh->Top() + refresh->Height());
    ClickControl(refresh);
    EXPECT_EQ(clicks, 1);

    ASSERT_EQ(bar->Panels().Count(), 1);
    EXPECT_EQ(bar->Panels()[0], StatusPanelOf(bar));
    EXPECT_EQ(bar->Panels()[0]->Width(), 50);
    // The column stands right of the list area and above the status bar; the list, the splitter
    // and the fields are stacked in the area.
    EXPECT_EQ(buttons.Panel->Left(), area.Panel->Left() + area.Panel->Width());
    EXPECT_EQ(buttons.Panel->Left() + buttons.Panel->Width(), form->ClientWidth());
    EXPECT_EQ(area.Panel->Top() + area.Panel->Height(), bar->Top());
    EXPECT_EQ(area.List->Height(), 150);
    EXPECT_EQ(area.Splitter->Top(), area.List->Top() + 150);
    EXPECT_EQ(area.Splitter->Height(), 3);
    EXPECT_GT(area.Fields->Height(), 100);
    EXPECT_EQ(area.Fields->Top(), area.Splitter->Top() + area.Splitter->Height());
    EXPECT_EQ(area.Fields->Top() + area.Fields->Height(), area.Panel->Height());
}

TEST(DialogLayout, AListWithoutFieldsTakesTheWholeArea) {
    std::unique_ptr<TForm> form(CreateForm<TForm>(nullptr));
    ButtonColumn buttons(form.get(), nullptr);
    EXPECT_EQ(buttons.Count, nullptr);
    const ListArea area = AddListArea(form.get(), 0);
    EXPECT_EQ(area.Splitter, nullptr);
    EXPECT_EQ(area.Fields, nullptr);
    EXPECT_EQ(area.List->Align(), alClient);
}

// Buttons at the design's tops and width, a count box without its label, and a hidden button
// whose place the buttons below it take, each the place of the one above.
TEST(DialogLayout, ButtonsAtTheirDesignedTopsCloseUpAroundAHiddenOne) {
    std::unique_ptr<TForm> form(CreateForm<TForm>(nullptr));
    ButtonColumn buttons(form.get(), ButtonColumn::kCountOnly, ButtonColumn::kMargin, 101);
    ASSERT_NE(buttons.Count, nullptr);
    EXPECT_EQ(buttons.Samples, nullptr);
    EXPECT_EQ(buttons.Panel->Width(), 101 + 2 * ButtonColumn::kMargin);
    TButton* refresh = buttons.Add("Refresh", nullptr);
    TButton* add = buttons.Add("Add", nullptr, 108);
    TButton* remove = buttons.Add("Delete", nullptr, 142);
    TButton* close = buttons.Add("Close", nullptr, 175);
    TButton* next = buttons.Add("Next", nullptr);
    EXPECT_GT(refresh->Top(), buttons.Count->Top() + buttons.Count->Height());
    EXPECT_EQ(refresh->Width(), 101);
    EXPECT_EQ(add->Top(), 108);
    EXPECT_EQ(next->Top(), 175 + ButtonColumn::kButtonHeight + 8);

    HideButtonAndCloseUp(add, {remove, close});
    EXPECT_FALSE(add->Visible());
    EXPECT_EQ(remove->Top(), 108);
    EXPECT_EQ(close->Top(), 142);
    EXPECT_EQ(refresh->Top(), ButtonColumn::kMargin + 29);
}

TEST(DialogLayout, AGroupBoxStandsWhereTheDesignPutsItWithItsCaptionOnTheFrame) {
    std::unique_ptr<TForm> form(CreateForm<TForm>(nullptr));
    DesignDialog(form.get(), 400, 300);
    TPanel* fields = AddFieldPanel(form.get());
    TGroupBox* group = AddGroupBox(form.get(), fields, 8, 44, 360, 72, "Weekdays");
    TLabel* inside = AddLabel(form.get(), group, 12, 20, "Monday");
    form->Show();
    Application->ProcessMessages();
    EXPECT_EQ(group->Parent(), fields);
    EXPECT_EQ(group->Owner(), form.get());
    EXPECT_EQ(group->Caption(), "Weekdays");
    EXPECT_EQ((std::vector<int>{group->Left(), group->Top(), group->Width(), group->Height()}),
              (std::vector<int>{8, 44, 360, 72}));
    EXPECT_EQ(inside->Parent(), group);
}

} // namespace dialog_layout_test
