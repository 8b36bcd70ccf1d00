// The button column and the status strip of the generic panels.
#include "TCtrlBtnPanel.h"
#include "TMsgPanel.h"

#include "TForm.h"
#include "UiTesting.h"

#include <QImage>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <memory>
#include <unistd.h>

namespace ctrl_btn_panel_test {

namespace {
// Runs the test in an empty directory of its own, so the button pictures it lays down are the only
// ones found.
struct InScratchDirectory : ::testing::Test {
    void SetUp() override {
        Before = std::filesystem::current_path();
        char pattern[] = "/tmp/zqs-buttons-XXXXXX";
        ASSERT_NE(mkdtemp(pattern), nullptr);
        Directory = pattern;
        std::filesystem::current_path(Directory);
        Form.reset(CreateForm<TForm>(nullptr));
        Form->SetBounds(0, 0, 400, 500);
    }
    void TearDown() override {
        Form.reset();
        std::filesystem::current_path(Before);
        std::filesystem::remove_all(Directory);
    }
    void WritePicture(const char* name) {
        QImage image(16, 16, QImage::Format_RGB32);
        image.fill(Qt::darkGreen);
        ASSERT_TRUE(image.save((Directory / name).c_str(), "BMP"));
    }
    std::filesystem::path Before;
    std::filesystem::path Directory;
    std::unique_ptr<TForm> Form;
};

struct ButtonCase {
    TBitBtn* Button;
    const char* Caption;
};
std::vector<ButtonCase> AllButtons(TCtrlBtnPanel* c) {
    return {{c->RefreshButton, "Refresh"},
            {c->EditButton, "Edit"},
            {c->SetButton, "Set Checked"},
            {c->AddButton, "Add"},
            {c->DeleteButton, "Delete"},
            {c->CheckAllButton, "Check All"},
            {c->ClearChecksButton, "Clear Checks"},
            {c->CloseButton, "Close"},
            {c->StopButton, "Stop"}};
}
} // namespace

using CtrlBtnPanelTest = InScratchDirectory;

TEST_F(CtrlBtnPanelTest, WithoutPicturesEveryButtonShowsItsCaption) {
    auto* column = new TCtrlBtnPanel(Form.get());
    for (const ButtonCase& c : AllButtons(column)) {
        EXPECT_EQ(c.Caption, c.Button->Caption());
        EXPECT_FALSE(c.Button->HasGlyph()) << c.Caption;
    }
    EXPECT_EQ("0", column->CountText->Caption());
    EXPECT_EQ("Samples", column->SamplesLabel->Caption());
}

TEST_F(CtrlBtnPanelTest, APictureFileReplacesOnlyItsButtonsCaption) {
    WritePicture("Close.bmp");
    auto* column = new TCtrlBtnPanel(Form.get());
    for (const ButtonCase& c : AllButtons(column)) {
        bool isClose = c.Button == column->CloseButton;
        EXPECT_EQ(isClose ? "" : c.Caption, c.Button->Caption());
        EXPECT_EQ(isClose, c.Button->HasGlyph()) << c.Caption;
    }
}

TEST_F(CtrlBtnPanelTest, ABrokenPictureLeavesItsCaptionAndTheLaterPicturesLoad) {
    std::ofstream(Directory / "Add.bmp") << "not a bitmap";
    WritePicture("SelectNone.bmp");
    WritePicture("Stop.bmp");
    auto* column = new TCtrlBtnPanel(Form.get());
    EXPECT_EQ("Add", column->AddButton->Caption());
    EXPECT_FALSE(column->AddButton->HasGlyph());
    for (TBitBtn* loaded : {column->ClearChecksButton, column->StopButton}) {
        EXPECT_EQ("", loaded->Caption());
        EXPECT_TRUE(loaded->HasGlyph());
    }
}

TEST_F(CtrlBtnPanelTest, TheColumnStandsRightAndShowsTheCommonButtons) {
    auto* column = new TCtrlBtnPanel(Form.get());
    EXPECT_EQ(Form.get(), column->Parent());
    EXPECT_EQ(alRight, column->Align());
    EXPECT_EQ(116, column->Width());
    for (TBitBtn* hidden : {column->AddButton, column->DeleteButton, column->StopButton}) {
        EXPECT_FALSE(hidden->Visible());
    }
    // The count stands above the word "Samples", Stop above Close.
    const std::vector<TControl*> expected = {
        column->CountText,         column->SamplesLabel, column->RefreshButton, column->EditButton,
        column->SetButton,         column->AddButton,    column->DeleteButton,  column->CheckAllButton,
        column->ClearChecksButton, column->StopButton,   column->CloseButton};
    EXPECT_EQ(expected, column->Order);
    EXPECT_LT(column->CountText->Top(), column->SamplesLabel->Top());
    EXPECT_EQ(column->CloseButton->Top() + column->CloseButton->Height() + 10, column->ArrangedHeight());
}

TEST_F(CtrlBtnPanelTest, ArrangeButtonsClosesTheGapsOfHiddenButtons) {
    auto* column = new TCtrlBtnPanel(Form.get());
    for (TControl* control : column->Order) {
        control->SetVisible(control == column->RefreshButton || control == column->CloseButton);
    }
    column->ArrangeButtons();
    TBitBtn* refresh = column->RefreshButton;
    EXPECT_EQ(10, refresh->Top());
    EXPECT_EQ(refresh->Top() + refresh->Height() + 5, column->CloseButton->Top());
    // A hidden control stands at the running top too, without taking room.
    EXPECT_EQ(column->CloseButton->Top(), column->StopButton->Top());
    for (TControl* control : column->Order) {
        EXPECT_EQ(10, control->Left());
        EXPECT_EQ(96, control->Width());
    }
    EXPECT_EQ(column->CloseButton->Top() + column->CloseButton->Height() + 10, column->ArrangedHeight());
}

TEST_F(CtrlBtnPanelTest, HidingAButtonWithoutArrangingLeavesItsGap) {
    auto* column = new TCtrlBtnPanel(Form.get());
    const int setTop = column->SetButton->Top();
    column->EditButton->Hide();
    EXPECT_EQ(setTop, column->SetButton->Top());
    column->ArrangeButtons();
    EXPECT_EQ(column->EditButton->Top(), column->SetButton->Top());
}

using MsgPanelTest = InScratchDirectory;

TEST_F(MsgPanelTest, AStripOfTwentyPixelsWithItsBarAtTheBottom) {
    auto* strip = new TMsgPanel(Form.get());
    EXPECT_EQ(Form.get(), strip->Parent());
    EXPECT_EQ(20, strip->Height());
    EXPECT_EQ(strip, strip->MsgBar->Parent());
    EXPECT_EQ(alBottom, strip->MsgBar->Align());
    strip->MsgBar->SetSimpleText("Get: Ok!");
    EXPECT_EQ("Get: Ok!", strip->MsgBar->ShownText());
}

} // namespace ctrl_btn_panel_test
