#include "TImageList.h"

#include <QImage>
#include <stdexcept>

int TImageList::Add(const TBitmap& image) {
    TBitmap copy;
    copy.SetImage(image.Image().scaled(ImageWidth, ImageHeight));
    Images.push_back(copy);
    return Count() - 1;
}

int TImageList::AddStrip(const TBitmap& strip) {
    int added = 0;
    const QImage& all = strip.Image();
    for (int x = 0; x + ImageWidth <= all.width(); x += ImageWidth) {
        TBitmap piece;
        piece.SetImage(all.copy(x, 0, ImageWidth, std::min(ImageHeight, all.height())));
        Images.push_back(piece);
        ++added;
    }
    return added;
}

void TImageList::Delete(int index) {
    if (index < 0 || index >= Count()) {
        throw std::out_of_range("Image index out of range");
    }
    Images.erase(Images.begin() + index);
}

bool TImageList::GetBitmap(int index, TBitmap* target) const {
    if (!target || index < 0 || index >= Count()) {
        return false;
    }
    *target = Images[index];
    return true;
}
