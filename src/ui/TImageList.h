// A list of same-sized images taken by index (the unit digits).
#pragma once

#include "TComponent.h"
#include "TGraphics.h"

#include <vector>

class TImageList : public TComponent {
public:
    explicit TImageList(TComponent* owner) : TComponent(owner) {}

    int Width() const { return ImageWidth; }
    void SetWidth(int width) { ImageWidth = width; }
    int Height() const { return ImageHeight; }
    void SetHeight(int height) { ImageHeight = height; }
    int Count() const { return static_cast<int>(Images.size()); }

    // Adds the picture, scaled to the list's size; returns its index.
    int Add(const TBitmap& image);
    // Cuts a strip (images side by side) into images of the list's width; returns how many.
    int AddStrip(const TBitmap& strip);
    void Delete(int index);
    void Clear() { Images.clear(); }
    // Copies image `index` into target; false (target unchanged) for an index out of range.
    bool GetBitmap(int index, TBitmap* target) const;

private:
    int ImageWidth = 16;
    int ImageHeight = 16;
    std::vector<TBitmap> Images;
};
