// The screen: its size and its pixels per inch. PixelsPerInch is a seam: tests set it (the
// offscreen platform reports 96) to take the scaled branches of the dialogs.
#pragma once

#include <optional>

class TScreen {
public:
    int PixelsPerInch() const;
    // A fixed value in place of the screen's; nullopt returns to the screen's own.
    void SetPixelsPerInch(std::optional<int> ppi) { OverridePpi = ppi; }
    int Width() const;
    int Height() const;

private:
    std::optional<int> OverridePpi;
};

extern TScreen* const Screen;
