// A small RGB raster for the build-time pictures: rectangles, frames, gradients, filled
// triangles and texts in our own glyphs. Widget-free, so the generator runs without Qt.
#pragma once

#include <cstdint>
#include <string_view>
#include <vector>

struct Rgb {
    uint8_t R, G, B;
};

struct Point {
    double X, Y;
};

class ArtCanvas {
public:
    ArtCanvas(int width, int height, Rgb ground);

    int Width() const { return W; }
    int Height() const { return H; }
    // Rows of 3 bytes per pixel, no padding.
    const std::vector<uint8_t>& Pixels() const { return Data; }
    Rgb At(int x, int y) const;

    // Everything clips to the canvas.
    void Put(int x, int y, Rgb colour);
    void Fill(int left, int top, int width, int height, Rgb colour);
    // A one-pixel outline just inside the rectangle.
    void Frame(int left, int top, int width, int height, Rgb colour);
    // Rows from `top` to `bottom` (inclusive) shade from one colour to the other.
    void VerticalGradient(int top, int bottom, Rgb from, Rgb to);
    // Every pixel whose centre lies inside the triangle.
    void Triangle(Point a, Point b, Point c, Rgb colour);
    // The text with its top-left corner at (left, top); size 1 or 2 (PixelFont.h).
    void Text(std::string_view text, int left, int top, int size, Rgb colour);

private:
    int W, H;
    std::vector<uint8_t> Data;
};
