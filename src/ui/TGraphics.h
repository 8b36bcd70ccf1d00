// Pictures: TBitmap holds an image loaded from a file or made from pixels (a decoded JPEG).
#pragma once

#include <cstdint>
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

private:
    std::unique_ptr<QImage> Data;
};
