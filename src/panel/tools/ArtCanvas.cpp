#include "ArtCanvas.h"

#include "PixelFont.h"

#include <algorithm>
#include <cmath>

ArtCanvas::ArtCanvas(int width, int height, Rgb ground)
    : W(width), H(height), Data(static_cast<size_t>(width) * static_cast<size_t>(height) * 3) {
    Fill(0, 0, width, height, ground);
}

Rgb ArtCanvas::At(int x, int y) const {
    const size_t i = (static_cast<size_t>(y) * static_cast<size_t>(W) + static_cast<size_t>(x)) * 3;
    return {Data[i], Data[i + 1], Data[i + 2]};
}

void ArtCanvas::Put(int x, int y, Rgb colour) {
    if (x < 0 || y < 0 || x >= W || y >= H)
        return;
    const size_t i = (static_cast<size_t>(y) * static_cast<size_t>(W) + static_cast<size_t>(x)) * 3;
    Data[i] = colour.R;
    Data[i + 1] = colour.G;
    Data[i + 2] = colour.B;
}

void ArtCanvas::Fill(int left, int top, int width, int height, Rgb colour) {
    for (int y = top; y < top + height; ++y)
        for (int x = left; x < left + width; ++x)
            Put(x, y, colour);
}

void ArtCanvas::Frame(int left, int top, int width, int height, Rgb colour) {
    Fill(left, top, width, 1, colour);
    Fill(left, top + height - 1, width, 1, colour);
    Fill(left, top, 1, height, colour);
    Fill(left + width - 1, top, 1, height, colour);
}

void ArtCanvas::VerticalGradient(int top, int bottom, Rgb from, Rgb to) {
    const int span = std::max(1, bottom - top);
    auto mix = [](uint8_t a, uint8_t b, double t) {
        return static_cast<uint8_t>(std::lround(a + (b - a) * t));
    };
    for (int y = top; y <= bottom; ++y) {
        const double t = static_cast<double>(y - top) / span;
        Fill(0, y, W, 1, {mix(from.R, to.R, t), mix(from.G, to.G, t), mix(from.B, to.B, t)});
    }
}

void ArtCanvas::Triangle(Point a, Point b, Point c, Rgb colour) {
    auto edge = [](Point p, Point q, double x, double y) {
        return (q.X - p.X) * (y - p.Y) - (q.Y - p.Y) * (x - p.X);
    };
    const int x0 = static_cast<int>(std::floor(std::min({a.X, b.X, c.X})));
    const int x1 = static_cast<int>(std::ceil(std::max({a.X, b.X, c.X})));
    const int y0 = static_cast<int>(std::floor(std::min({a.Y, b.Y, c.Y})));
    const int y1 = static_cast<int>(std::ceil(std::max({a.Y, b.Y, c.Y})));
    for (int y = y0; y <= y1; ++y)
        for (int x = x0; x <= x1; ++x) {
            const double px = x + 0.5, py = y + 0.5;
            const double e0 = edge(a, b, px, py), e1 = edge(b, c, px, py), e2 = edge(c, a, px, py);
            if ((e0 >= 0 && e1 >= 0 && e2 >= 0) || (e0 <= 0 && e1 <= 0 && e2 <= 0))
                Put(x, y, colour);
        }
}

void ArtCanvas::Text(std::string_view text, int left, int top, int size, Rgb colour) {
    int x = left;
    for (char c : text) {
        const Glyph g = GlyphOf(c, size);
        for (int gy = 0; gy < g.Height; ++gy)
            for (int gx = 0; gx < g.Width; ++gx)
                if (g.Inked(gx, gy))
                    Put(x + gx, top + gy, colour);
        x += g.Width + 1;
    }
}
