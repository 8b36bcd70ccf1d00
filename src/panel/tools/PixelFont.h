// Our own bitmap glyphs for the faceplate texts, so that the pictures never depend on the fonts a
// machine has installed: size 1 is 3 x 5 pixels, size 2 is 5 x 7; digits, capitals, "-" and blank.
#pragma once

#include <string_view>

struct Glyph {
    int Width;
    int Height;
    // Height rows of Width characters each, row after row, 'X' for an inked pixel; null for a
    // character the font lacks.
    const char* Bits;

    bool Inked(int x, int y) const { return Bits && Bits[y * Width + x] == 'X'; }
};

// The glyph of c in that size; a glyph with null bits for a character the font lacks.
Glyph GlyphOf(char c, int size);
// Pixels a text takes in that size: glyph widths plus one between glyphs.
int TextWidth(std::string_view text, int size);
