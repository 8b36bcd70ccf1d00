#include "QtBridge.h"
#include "TForm.h"
#include "TPanel.h"
#include "TSplitter.h"
#include "UiTesting.h"

#include <QApplication>
#include <QWidget>
#include <gtest/gtest.h>

namespace t_control_test {

TEST(TControl, AlignedChildrenShareTheClientAreaInCreationOrder) {
    std::unique_ptr<TForm> form(CreateForm<TForm>(nullptr));
    form->SetBorderStyle(bsNone);
    form->SetBounds(0, 0, 400, 300);
    struct Case {
        TAlign Align;
        int Size;
        int Left, Top, Width, Height; // expected
    } cases[] = {
        {alTop, 30, 0, 0, 400, 30},   {alTop, 20, 0, 30, 400, 20},     {alBottom, 19, 0, 281, 400, 19},
        {alLeft, 50, 0, 50, 50, 231}, {alRight, 98, 302, 50, 98, 231}, {alClient, 0, 50, 50, 252, 231},
    };
    std::vector<TPanel*> panels;
    for (const Case& c : cases) {
        auto* p = new TPanel(form.get());
        p->SetParent(form.get());
        p->SetBounds(0, 0, c.Size, c.Size);
        p->SetAlign(c.Align);
        panels.push_back(p);
    }
    auto check = [&](int grow) {
        for (size_t i = 0; i < panels.size(); ++i) {
            const Case& c = cases[i];
            bool stretches = c.Align == alTop || c.Align == alBottom || c.Align == alClient;
            SCOPED_TRACE(i);
            EXPECT_EQ(c.Left + (c.Align == alRight ? grow : 0), panels[i]->Left());
            EXPECT_EQ(c.Top + (c.Align == alBottom ? grow : 0), panels[i]->Top());
            EXPECT_EQ(c.Width + (stretches ? grow : 0), panels[i]->Width());
            EXPECT_EQ(c.Height + (c.Align == alLeft || c.Align == alRight || c.Align == alClient ? grow : 0),
                      panels[i]->Height());
        }
    };
    check(0);
    form->SetBounds(0, 0, 450, 350); // the layout follows the form
    check(50);
    panels[1]->Hide(); // a hidden aligned control gives its room back
    EXPECT_EQ(30, panels[3]->Top());
}

TEST(TControl, SplitterResizesTheControlBeforeIt) {
    std::unique_ptr<TForm> form(CreateForm<TForm>(nullptr));
    form->SetBorderStyle(bsNone);
    form->SetBounds(0, 0, 400, 300);
    auto* left = new TPanel(form.get());
    left->SetParent(form.get());
    left->SetWidth(100);
    left->SetAlign(alLeft);
    auto* splitter = new TSplitter(form.get());
    splitter->SetParent(form.get());
    splitter->SetLeft(100);
    splitter->SetAlign(alLeft);
    auto* client = new TPanel(form.get());
    client->SetParent(form.get());
    client->SetAlign(alClient);
    EXPECT_EQ(100, splitter->Left());
    splitter->DragBy(40);
    EXPECT_EQ(140, left->Width());
    EXPECT_EQ(143, client->Left());
    splitter->DragBy(-500);
    EXPECT_EQ(splitter->MinSize(), left->Width());
}

TEST(TControl, ColoursFontsAndSystemColoursReachTheWidget) {
    std::unique_ptr<TForm> form(CreateForm<TForm>(nullptr));
    auto* panel = new TPanel(form.get());
    panel->SetParent(form.get());
    panel->SetColor(RGBColor(0x12, 0x34, 0x56));
    EXPECT_EQ(QColor(0x12, 0x34, 0x56), panel->Widget()->palette().color(QPalette::Window));
    panel->SetColor(clWhite);
    EXPECT_EQ(QColor(Qt::white), panel->Widget()->palette().color(QPalette::Window));
    EXPECT_EQ(QApplication::palette().color(QPalette::Base), ToQColor(clWindow));
    EXPECT_EQ(QColor(0, 0, 0xFF), ToQColor(clBlue)); // 0x00BBGGRR

    panel->Font()->SetBold(true);
    panel->Font()->SetSize(12);
    panel->Font()->SetColor(clRed);
    EXPECT_TRUE(panel->Widget()->font().bold());
    EXPECT_EQ(16, panel->Widget()->font().pixelSize()); // 12 points: 16 pixels at 96 pixels per inch
    EXPECT_EQ(QColor(Qt::red), panel->Widget()->palette().color(QPalette::WindowText));
}

TEST(TControl, AControlWithoutParentNeverBecomesAWindow) {
    std::unique_ptr<TPanel> panel(new TPanel(nullptr));
    panel->Show();
    EXPECT_FALSE(panel->Widget()->isVisible());
    std::unique_ptr<TForm> form(CreateForm<TForm>(nullptr));
    form->Show();
    panel->SetParent(form.get());
    EXPECT_TRUE(panel->Showing());
    EXPECT_THROW(form->SetParent(panel.get()), std::invalid_argument); // a control cannot hold its parent
    panel->SetParent(nullptr);
    EXPECT_FALSE(panel->Showing());
}

} // namespace t_control_test
