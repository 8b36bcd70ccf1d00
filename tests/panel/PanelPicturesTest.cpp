#include "PanelPictures.h"

#include "JpegDecoder.h"
#include "TGraphics.h"
#include "TImageList.h"

#include <gtest/gtest.h>

#include <QImage>

namespace panel_pictures_test {

namespace {

constexpr PanelModel kModels[] = {PanelModel::M24RA, PanelModel::M24DA, PanelModel::M24ZO,
                                  PanelModel::M48DA, PanelModel::M48RO, PanelModel::M24ZODC};

int Luma(const RgbImage& image, int x, int y) {
    const size_t i = (static_cast<size_t>(y) * static_cast<size_t>(image.Width) + static_cast<size_t>(x)) * 3;
    return (image.Pixels[i] * 299 + image.Pixels[i + 1] * 587 + image.Pixels[i + 2] * 114) / 1000;
}

// A point well inside what the part shows: the middle of a rectangle, the centroid of a triangle.
std::pair<int, int> Inside(const PanelPart& p) {
    switch (p.Outline) {
    case LedOutline::Up:
        return {p.Left + p.Width / 2, p.Top + p.Height * 2 / 3};
    case LedOutline::Down:
        return {p.Left + p.Width / 2, p.Top + p.Height / 3};
    case LedOutline::Square:
        break;
    }
    return {p.Left + p.Width / 2, p.Top + p.Height / 2};
}

} // namespace

// What keeps an LED shape readable: the picture under every LED panel, body, strip and digit
// field is a dark window, socket or cage opening; the mode button is drawn light.
TEST(PanelPicturesTest, EveryLedAndPortSitsOnAWindowOfThePicture) {
    for (PanelModel model : kModels) {
        const PanelDesign& d = DesignOf(model);
        RgbImage image;
        std::string error;
        ASSERT_TRUE(DecodeJpeg(PanelPictureJpeg(model), image, &error)) << d.ModelName << ": " << error;
        EXPECT_EQ(image.Width, d.PictureWidth) << d.ModelName;
        EXPECT_EQ(image.Height, d.PictureHeight) << d.ModelName;
        for (const PanelPart& p : d.Parts) {
            const auto [x, y] = Inside(p);
            if (p.Kind == PartKind::ModeButton)
                EXPECT_GT(Luma(image, x, y), 120) << d.ModelName << " " << p.Name;
            else
                EXPECT_LT(Luma(image, x, y), 40) << d.ModelName << " " << p.Name;
        }
        // The faceplate itself is lighter than the windows: its left and right edges.
        EXPECT_GT(Luma(image, 1, 78), 40) << d.ModelName;
        EXPECT_GT(Luma(image, d.PictureWidth - 2, 4), 40) << d.ModelName;
    }
}

TEST(PanelPicturesTest, EachModelHasAPictureOfItsOwn) {
    for (size_t i = 0; i < std::size(kModels); ++i)
        for (size_t j = i + 1; j < std::size(kModels); ++j) {
            const auto a = PanelPictureJpeg(kModels[i]), b = PanelPictureJpeg(kModels[j]);
            EXPECT_FALSE(std::equal(a.begin(), a.end(), b.begin(), b.end())) << i << " " << j;
        }
    TBitmap picture;
    ASSERT_TRUE(LoadPanelPicture(PanelModel::M48RO, picture));
    EXPECT_EQ(picture.Width(), 766);
    EXPECT_EQ(picture.Height(), 83);
}

// Eleven seven-segment figures on a dark ground, each inside the 14 pixels that the narrowest
// digit field shows, no two alike.
TEST(PanelPicturesTest, UnitDigitsAreElevenDistinctFiguresInsideTheField) {
    TImageList list(nullptr);
    ASSERT_EQ(LoadUnitDigitImages(list), 11);
    ASSERT_EQ(list.Count(), 11);
    std::vector<QImage> images;
    for (int i = 0; i < 11; ++i) {
        TBitmap digit;
        ASSERT_TRUE(list.GetBitmap(i, &digit));
        ASSERT_EQ(digit.Width(), 16);
        ASSERT_EQ(digit.Height(), 16);
        const QImage image = digit.Image().convertToFormat(QImage::Format_RGB888);
        int lit = 0;
        for (int y = 0; y < 16; ++y)
            for (int x = 0; x < 16; ++x) {
                const QColor c = image.pixelColor(x, y);
                if (c.red() > 150 && c.green() < 140) {
                    ++lit;
                    EXPECT_LT(x, 14) << "digit " << i + 1;
                }
            }
        EXPECT_GE(lit, 5) << "digit " << i + 1;
        for (const QImage& other : images)
            EXPECT_NE(other, image) << "digit " << i + 1;
        images.push_back(image);
    }
    EXPECT_TRUE(UnitDigitJpeg(11).empty());
    EXPECT_TRUE(UnitDigitJpeg(-1).empty());
}

} // namespace panel_pictures_test
