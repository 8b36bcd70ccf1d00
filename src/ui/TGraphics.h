// Pictures: TBitmap holds an image loaded from a file or made from pixels (a decoded JPEG).
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <string>

class QImage;

class TBitmap {
public:
    TBitmap();
    ~TBitmap();
    TBitmap(const TBitmap& other);
    TBitmap& operator=(const TBitmap& other);

    // Loads a BMP, PNG or JPEG file; throws when the file is missing or not a picture.
    void LoadFromFile(const std::string& path);
    // Takes 24-bit RGB pixels, rows of stride bytes.
    void AssignRgb(int width, int height, const uint8_t* rgb, int stride);
    int Width() const;
    int Height() const;
    bool Empty() const;
    void Clear();

    const QImage& Image() const;
    void SetImage(const QImage& image);

    // Told after every change of the picture (the control that shows it repaints).
    std::function<void()> OnChange;

private:
    void Changed() {
        if (OnChange) {
            OnChange();
        }
    }
    std::unique_ptr<QImage> Data;
};
