#include "ApplicationFont.h"

#include "TForm.h"
#include "TLabel.h"
#include "UiTesting.h"

#include <QApplication>
#include <QFontDatabase>
#include <QFontInfo>
#include <QWidget>
#include <gtest/gtest.h>
#include <memory>

namespace application_font_test {

namespace {

// Puts the start-up font back whatever a test installed.
struct FontTest : ::testing::Test {
    void TearDown() override { InstallApplicationFont(); }
};

int PixelsOf(TControl* control) {
    return control->Widget()->font().pixelSize();
}

} // namespace

// The program starts in the design's font: a family of its metrics (installed with the build's
// packages) at 11 pixels, whatever Qt's own default is.
TEST_F(FontTest, TheApplicationStartsInTheDesignFont) {
    EXPECT_EQ("Liberation Sans", ApplicationFontFamily());
    EXPECT_EQ("Liberation Sans", QFontInfo(QApplication::font()).family().toStdString());
    EXPECT_EQ(kDesignFontPixels, QApplication::font().pixelSize());
    std::unique_ptr<TForm> form(CreateForm<TForm>(nullptr));
    auto* label = new TLabel(form.get());
    label->SetParent(form.get());
    EXPECT_EQ(11, QFontInfo(label->Widget()->font()).pixelSize());
}

TEST_F(FontTest, AMissingFamilyFallsBackToTheNextAndThenToThePlatformsAtTheDesignSize) {
    EXPECT_EQ("Liberation Sans", InstallApplicationFont({"No Such Family", "Liberation Sans"}));
    const std::string platform =
        QFontInfo(QFontDatabase::systemFont(QFontDatabase::GeneralFont)).family().toStdString();
    EXPECT_EQ(platform, InstallApplicationFont({"No Such Family"}));
    EXPECT_EQ(platform, ApplicationFontFamily());
    EXPECT_EQ(kDesignFontPixels, QApplication::font().pixelSize());
}

// Points and heights as the forms give them, drawn at their pixels at 96 pixels per inch: the 7- and
// 6-point notes, the bold title of 12 pixels; family and scale always the application font's.
TEST_F(FontTest, DerivedFontsKeepTheFamilyAndTakeTheDesignsPixels) {
    std::unique_ptr<TForm> form(CreateForm<TForm>(nullptr));
    auto* label = new TLabel(form.get());
    label->SetParent(form.get());
    const struct {
        int Points;
        int Pixels;
    } sizes[] = {{6, 8}, {7, 9}, {8, 11}, {9, 12}, {12, 16}};
    for (const auto& s : sizes) {
        label->Font()->SetSize(s.Points);
        EXPECT_EQ(s.Pixels, PixelsOf(label)) << s.Points << " points";
        EXPECT_EQ(-s.Pixels, label->Font()->Height());
    }
    label->Font()->SetHeight(-12);
    label->Font()->SetBold(true);
    EXPECT_EQ(12, PixelsOf(label));
    EXPECT_EQ(9, label->Font()->Size());
    EXPECT_TRUE(label->Widget()->font().bold());
    EXPECT_EQ("Liberation Sans", QFontInfo(label->Widget()->font()).family().toStdString());
    label->Font()->SetCharset(TFont::kShiftJisCharset); // Japanese glyphs first, the family still behind them
    EXPECT_EQ("Liberation Sans", label->Widget()->font().families().last().toStdString());
    EXPECT_EQ(12, PixelsOf(label));
}

// Off 96 pixels per inch the forms grow by 1.25, and the font with them, by the same rule.
TEST_F(FontTest, AScreenNotAt96PixelsPerInchScalesEveryFontByTheFormsRule) {
    {
        ScreenDpi dpi(120);
        InstallApplicationFont();
    }
    EXPECT_EQ(14, QApplication::font().pixelSize()); // 11 x 1.25
    EXPECT_EQ(14, ScaledFontPixels(11));
    std::unique_ptr<TForm> form(CreateForm<TForm>(nullptr));
    auto* label = new TLabel(form.get());
    label->SetParent(form.get());
    label->Font()->SetSize(7);
    EXPECT_EQ(11, PixelsOf(label)); // 9 x 1.25
    label->Font()->SetHeight(-12);
    EXPECT_EQ(15, PixelsOf(label));
}

} // namespace application_font_test
