// Colours as the dialogs and colour maps name them: 0x00BBGGRR, shared by the widget layer and the
// LED colour maps of the catalogue (which must not depend on the widget layer).
#pragma once

#include <cstdint>

using TColor = int32_t;

constexpr TColor RGBColor(int r, int g, int b) {
    return (b << 16) | (g << 8) | r;
}
constexpr int ColorRed(TColor c) {
    return c & 0xFF;
}
constexpr int ColorGreen(TColor c) {
    return (c >> 8) & 0xFF;
}
constexpr int ColorBlue(TColor c) {
    return (c >> 16) & 0xFF;
}

constexpr TColor clBlack = 0x000000;
constexpr TColor clMaroon = 0x000080;
constexpr TColor clGreen = 0x008000;
constexpr TColor clOlive = 0x008080;
constexpr TColor clNavy = 0x800000;
constexpr TColor clPurple = 0x800080;
constexpr TColor clTeal = 0x808000;
constexpr TColor clGray = 0x808080;
constexpr TColor clSilver = 0xC0C0C0;
constexpr TColor clRed = 0x0000FF;
constexpr TColor clLime = 0x00FF00;
constexpr TColor clYellow = 0x00FFFF;
constexpr TColor clBlue = 0xFF0000;
constexpr TColor clFuchsia = 0xFF00FF;
constexpr TColor clAqua = 0xFFFF00;
constexpr TColor clWhite = 0xFFFFFF;

// System colours resolve through the widget layer's palette; the values only need to be
// distinct from every RGB colour (high byte set).
constexpr TColor clWindow = static_cast<TColor>(0xFF000005);
constexpr TColor clMenu = static_cast<TColor>(0xFF000004);
constexpr TColor clBtnFace = static_cast<TColor>(0xFF00000F);
constexpr TColor clWindowText = static_cast<TColor>(0xFF000008);
constexpr TColor clNone = 0x1FFFFFFF;
