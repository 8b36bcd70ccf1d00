#include "PixelFont.h"

#include <utility>

namespace {

struct Entry {
    char C;
    const char* Bits;
};

// 3 x 5, rows top to bottom.
constexpr Entry kSmall[] = {
    {'0', "XXX"
          "X.X"
          "X.X"
          "X.X"
          "XXX"},
    {'1', ".X."
          "XX."
          ".X."
          ".X."
          "XXX"},
    {'2', "XXX"
          "..X"
          "XXX"
          "X.."
          "XXX"},
    {'3', "XXX"
          "..X"
          ".XX"
          "..X"
          "XXX"},
    {'4', "X.X"
          "X.X"
          "XXX"
          "..X"
          "..X"},
    {'5', "XXX"
          "X.."
          "XXX"
          "..X"
          "XXX"},
    {'6', "XXX"
          "X.."
          "XXX"
          "X.X"
          "XXX"},
    {'7', "XXX"
          "..X"
          ".X."
          ".X."
          ".X."},
    {'8', "XXX"
          "X.X"
          "XXX"
          "X.X"
          "XXX"},
    {'9', "XXX"
          "X.X"
          "XXX"
          "..X"
          "XXX"},
    {'A', ".X."
          "X.X"
          "XXX"
          "X.X"
          "X.X"},
    {'B', "XX."
          "X.X"
          "XX."
          "X.X"
          "XX."},
    {'C', ".XX"
          "X.."
          "X.."
          "X.."
          ".XX"},
    {'D', "XX."
          "X.X"
          "X.X"
          "X.X"
          "XX."},
    {'E', "XXX"
          "X.."
          "XX."
          "X.."
          "XXX"},
    {'F', "XXX"
          "X.."
          "XX."
          "X.."
          "X.."},
    {'G', ".XX"
          "X.."
          "X.X"
          "X.X"
          ".XX"},
    {'H', "X.X"
          "X.X"
          "XXX"
          "X.X"
          "X.X"},
    {'I', "XXX"
          ".X."
          ".X."
          ".X."
          "XXX"},
    {'J', "..X"
          "..X"
          "..X"
          "X.X"
          ".X."},
    {'K', "X.X"
          "X.X"
          "XX."
          "X.X"
          "X.X"},
    {'L', "X.."
          "X.."
          "X.."
          "X.."
          "XXX"},
    {'M', "X.X"
          "XXX"
          "XXX"
          "X.X"
          "X.X"},
    {'N', "XX."
          "X.X"
          "X.X"
          "X.X"
          "X.X"},
    {'O', ".X."
          "X.X"
          "X.X"
          "X.X"
          ".X."},
    {'P', "XX."
          "X.X"
          "XX."
          "X.."
          "X.."},
    {'Q', ".X."
          "X.X"
          "X.X"
          "XX."
          ".XX"},
    {'R', "XX."
          "X.X"
          "XX."
          "X.X"
          "X.X"},
    {'S', ".XX"
          "X.."
          ".X."
          "..X"
          "XX."},
    {'T', "XXX"
          ".X."
          ".X."
          ".X."
          ".X."},
    {'U', "X.X"
          "X.X"
          "X.X"
          "X.X"
          "XXX"},
    {'V', "X.X"
          "X.X"
          "X.X"
          "X.X"
          ".X."},
    {'W', "X.X"
          "X.X"
          "XXX"
          "XXX"
          "X.X"},
    {'X', "X.X"
          "X.X"
          ".X."
          "X.X"
          "X.X"},
    {'Y', "X.X"
          "X.X"
          ".X."
          ".X."
          ".X."},
    {'Z', "XXX"
          "..X"
          ".X."
          "X.."
          "XXX"},
    {'-', "..."
          "..."
          "XXX"
          "..."
          "..."},
    {' ', "..."
          "..."
          "..."
          "..."
          "..."},
};

// 5 x 7, rows top to bottom.
constexpr Entry kLarge[] = {
    {'0', ".XXX."
          "X...X"
          "X..XX"
          "X.X.X"
          "XX..X"
          "X...X"
          ".XXX."},
    {'1', "..X.."
          ".XX.."
          "..X.."
          "..X.."
          "..X.."
          "..X.."
          ".XXX."},
    {'2', ".XXX."
          "X...X"
          "....X"
          "...X."
          "..X.."
          ".X..."
          "XXXXX"},
    {'3', "XXXXX"
          "...X."
          "..X.."
          "...X."
          "....X"
          "X...X"
          ".XXX."},
    {'4', "...X."
          "..XX."
          ".X.X."
          "X..X."
          "XXXXX"
          "...X."
          "...X."},
    {'5', "XXXXX"
          "X...."
          "XXXX."
          "....X"
          "....X"
          "X...X"
          ".XXX."},
    {'6', "..XX."
          ".X..."
          "X...."
          "XXXX."
          "X...X"
          "X...X"
          ".XXX."},
    {'7', "XXXXX"
          "....X"
          "...X."
          "..X.."
          ".X..."
          ".X..."
          ".X..."},
    {'8', ".XXX."
          "X...X"
          "X...X"
          ".XXX."
          "X...X"
          "X...X"
          ".XXX."},
    {'9', ".XXX."
          "X...X"
          "X...X"
          ".XXXX"
          "....X"
          "...X."
          ".XX.."},
    {'A', ".XXX."
          "X...X"
          "X...X"
          "XXXXX"
          "X...X"
          "X...X"
          "X...X"},
    {'B', "XXXX."
          "X...X"
          "X...X"
          "XXXX."
          "X...X"
          "X...X"
          "XXXX."},
    {'C', ".XXX."
          "X...X"
          "X...."
          "X...."
          "X...."
          "X...X"
          ".XXX."},
    {'D', "XXX.."
          "X..X."
          "X...X"
          "X...X"
          "X...X"
          "X..X."
          "XXX.."},
    {'E', "XXXXX"
          "X...."
          "X...."
          "XXXX."
          "X...."
          "X...."
          "XXXXX"},
    {'F', "XXXXX"
          "X...."
          "X...."
          "XXXX."
          "X...."
          "X...."
          "X...."},
    {'G', ".XXX."
          "X...X"
          "X...."
          "X.XXX"
          "X...X"
          "X...X"
          ".XXXX"},
    {'H', "X...X"
          "X...X"
          "X...X"
          "XXXXX"
          "X...X"
          "X...X"
          "X...X"},
    {'I', ".XXX."
          "..X.."
          "..X.."
          "..X.."
          "..X.."
          "..X.."
          ".XXX."},
    {'J', "..XXX"
          "...X."
          "...X."
          "...X."
          "...X."
          "X..X."
          ".XX.."},
    {'K', "X...X"
          "X..X."
          "X.X.."
          "XX..."
          "X.X.."
          "X..X."
          "X...X"},
    {'L', "X...."
          "X...."
          "X...."
          "X...."
          "X...."
          "X...."
          "XXXXX"},
    {'M', "X...X"
          "XX.XX"
          "X.X.X"
          "X.X.X"
          "X...X"
          "X...X"
          "X...X"},
    {'N', "X...X"
          "X...X"
          "XX..X"
          "X.X.X"
          "X..XX"
          "X...X"
          "X...X"},
    {'O', ".XXX."
          "X...X"
          "X...X"
          "X...X"
          "X...X"
          "X...X"
          ".XXX."},
    {'P', "XXXX."
          "X...X"
          "X...X"
          "XXXX."
          "X...."
          "X...."
          "X...."},
    {'Q', ".XXX."
          "X...X"
          "X...X"
          "X...X"
          "X.X.X"
          "X..X."
          ".XX.X"},
    {'R', "XXXX."
          "X...X"
          "X...X"
          "XXXX."
          "X.X.."
          "X..X."
          "X...X"},
    {'S', ".XXXX"
          "X...."
          "X...."
          ".XXX."
          "....X"
          "....X"
          "XXXX."},
    {'T', "XXXXX"
          "..X.."
          "..X.."
          "..X.."
          "..X.."
          "..X.."
          "..X.."},
    {'U', "X...X"
          "X...X"
          "X...X"
          "X...X"
          "X...X"
          "X...X"
          ".XXX."},
    {'V', "X...X"
          "X...X"
          "X...X"
          "X...X"
          "X...X"
          ".X.X."
          "..X.."},
    {'W', "X...X"
          "X...X"
          "X...X"
          "X.X.X"
          "X.X.X"
          "X.X.X"
          ".X.X."},
    {'X', "X...X"
          "X...X"
          ".X.X."
          "..X.."
          ".X.X."
          "X...X"
          "X...X"},
    {'Y', "X...X"
          "X...X"
          ".X.X."
          "..X.."
          "..X.."
          "..X.."
          "..X.."},
    {'Z', "XXXXX"
          "....X"
          "...X."
          "..X.."
          ".X..."
          "X...."
          "XXXXX"},
    {'-', "....."
          "....."
          "....."
          ".XXX."
          "....."
          "....."
          "....."},
    {' ', "....."
          "....."
          "....."
          "....."
          "....."
          "....."
          "....."},
};

template <size_t N> const char* Find(const Entry (&table)[N], char c) {
    for (const Entry& e : table)
        if (e.C == c)
            return e.Bits;
    return nullptr;
}

} // namespace

Glyph GlyphOf(char c, int size) {
    if (size >= 2)
        return {5, 7, Find(kLarge, c)};
    return {3, 5, Find(kSmall, c)};
}

int TextWidth(std::string_view text, int size) {
    int width = 0;
    for (char c : text)
        width += GlyphOf(c, size).Width + 1;
    return width > 0 ? width - 1 : 0;
}
