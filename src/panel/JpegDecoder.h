// JPEG decoding with libjpeg into 24-bit RGB, and into the widget layer's bitmap.
#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <vector>

class TBitmap;

struct RgbImage {
    int Width = 0;
    int Height = 0;
    std::vector<uint8_t> Pixels; // rows of Width x 3 bytes, no padding
};

// Decodes the data; false with the library's message in `error` when it is not a JPEG image or is
// damaged. A failed decode never ends the program (libjpeg's own error handler would).
bool DecodeJpeg(std::span<const uint8_t> data, RgbImage& image, std::string* error = nullptr);
// Decodes into the bitmap; false (bitmap unchanged) when DecodeJpeg fails.
bool LoadJpeg(std::span<const uint8_t> data, TBitmap& bitmap);
