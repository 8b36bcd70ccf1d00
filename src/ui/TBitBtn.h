// A button with a picture (Glyph) beside or in place of its caption. A glyph bitmap may hold
// NumGlyphs pictures side by side (normal, disabled, ...); the first one is shown, and the colour
// of its bottom-left pixel is transparent.
#pragma once

#include "TButton.h"
#include "TGraphics.h"

class TBitBtn : public TButton {
public:
    explicit TBitBtn(TComponent* owner);

    // Loading into the glyph shows it.
    TBitmap* Glyph() { return &GlyphBitmap; }
    int NumGlyphs() const { return GlyphCount; }
    void SetNumGlyphs(int count);
    bool HasGlyph() const { return !GlyphBitmap.Empty(); }

private:
    void GlyphChanged();
    TBitmap GlyphBitmap;
    int GlyphCount = 1;
};
