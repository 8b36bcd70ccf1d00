#include "JpegDecoder.h"

#include "PanelPictures.h"
#include "TGraphics.h"

#include <gtest/gtest.h>

#include <vector>

namespace jpeg_decoder_test {

TEST(JpegDecoderTest, DecodesAPictureIntoRgbRows) {
    RgbImage image;
    std::string error;
    ASSERT_TRUE(DecodeJpeg(UnitDigitJpeg(0), image, &error)) << error;
    EXPECT_EQ(image.Width, 16);
    EXPECT_EQ(image.Height, 16);
    EXPECT_EQ(image.Pixels.size(), 16u * 16u * 3u);
}

// libjpeg's own error handler ends the process; a bad picture must only fail its decode.
TEST(JpegDecoderTest, RefusesDataThatIsNoJpegOrIsCutShort) {
    const std::span<const uint8_t> good = PanelPictureJpeg(PanelModel::M24RA);
    const std::vector<uint8_t> notJpeg = {'B', 'M', 0, 1, 2, 3, 4, 5, 6, 7};
    const std::vector<uint8_t> headerOnly(good.begin(), good.begin() + 200);
    const std::vector<uint8_t> empty;
    for (const std::vector<uint8_t>* data : {&notJpeg, &headerOnly, &empty}) {
        RgbImage image;
        image.Width = 7;
        std::string error;
        EXPECT_FALSE(DecodeJpeg(*data, image, &error)) << data->size();
        EXPECT_FALSE(error.empty());
        EXPECT_EQ(image.Width, 7) << "a failed decode leaves the image alone";

        TBitmap bitmap;
        EXPECT_FALSE(LoadJpeg(*data, bitmap));
        EXPECT_TRUE(bitmap.Empty());
    }
}

} // namespace jpeg_decoder_test
