#include "PictureFiles.h"

#include <QDir>
#include <cstdio>

namespace {

int& Failures() {
    static int failures = 0;
    return failures;
}

} // namespace

bool MakePictureFolder(const QString& dir) {
    if (QDir().mkpath(dir)) {
        return true;
    }
    std::fprintf(stderr, "cannot make the folder %s\n", qPrintable(dir));
    ++Failures();
    return false;
}

bool SavePicture(const QPixmap& picture, const QString& path, const char* format) {
    if (!picture.isNull() && picture.save(path, format)) {
        return true;
    }
    std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
    ++Failures();
    return false;
}

int PicturesExitStatus() {
    return Failures() == 0 ? 0 : 1;
}
