#include "TGraphics.h"

#include "QtBridge.h"

#include <QImage>
#include <stdexcept>

TBitmap::TBitmap() : Data(std::make_unique<QImage>()) {}
TBitmap::~TBitmap() = default;
TBitmap::TBitmap(const TBitmap& other) : Data(std::make_unique<QImage>(*other.Data)) {}
TBitmap& TBitmap::operator=(const TBitmap& other) {
    *Data = *other.Data;
    Changed();
    return *this;
}

void TBitmap::LoadFromFile(const std::string& path) {
    QImage image;
    if (!image.load(ToQ(path))) {
        throw std::runtime_error("Cannot load picture " + path);
    }
    *Data = image;
    Changed();
}

void TBitmap::AssignRgb(int width, int height, const uint8_t* rgb, int stride) {
    *Data = QImage(rgb, width, height, stride, QImage::Format_RGB888).copy();
    Changed();
}

int TBitmap::Width() const {
    return Data->width();
}
int TBitmap::Height() const {
    return Data->height();
}
bool TBitmap::Empty() const {
    return Data->isNull();
}
void TBitmap::Clear() {
    *Data = QImage();
    Changed();
}
const QImage& TBitmap::Image() const {
    return *Data;
}
void TBitmap::SetImage(const QImage& image) {
    *Data = image;
    Changed();
}
