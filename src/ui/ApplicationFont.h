// The application font and the fonts derived from it.
//
// Every form is laid out in pixels for an 11-pixel sans serif of "MS Sans Serif 8"'s metrics at 96
// pixels per inch. The application font is a family of those metrics at that size, scaled by the
// forms' own rule (1.25 on a screen that is not at 96 pixels per inch), not by Qt's logical DPI, so
// text grows with the dialogs and never on its own. Fonts of other sizes (a bold 12-pixel title, a
// 7-point note) derive from it: same family, their pixels at 96 scaled the same way.
#pragma once

#include <initializer_list>
#include <string>

// The design font's character height at 96 pixels per inch.
constexpr int kDesignFontPixels = 11;

// Families of the design's metrics, in order of preference (see the developer notes for how they
// were measured).
constexpr std::initializer_list<const char*> kDesignFontFamilies = {"Liberation Sans", "Arimo"};

// Sets the application font: the first of families the font database holds, at the design's size
// scaled for the screen (Screen.PixelsPerInch as it is now). With none of them the platform's own
// family is kept, still at the design's size. Returns the family in use.
std::string InstallApplicationFont(std::initializer_list<const char*> families = kDesignFontFamilies);

// The family InstallApplicationFont chose ("" before it ran).
const std::string& ApplicationFontFamily();

// A character height given in pixels at 96 pixels per inch, scaled as the application font is.
int ScaledFontPixels(int pixelsAt96);

// A point size as pixels at 96 pixels per inch, rounded as the forms' fonts are (8 points: 11).
constexpr int PointsToPixelsAt96(int points) {
    return (points * 96 + 36) / 72;
}
