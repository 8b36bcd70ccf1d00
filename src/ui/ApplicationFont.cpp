#include "ApplicationFont.h"

#include "QtBridge.h"
#include "TScreen.h"

#include <QApplication>
#include <QFont>
#include <QFontDatabase>
#include <QFontInfo>

namespace {
std::string Family;
// The screen's rule as it was when the application font was set: the derived fonts follow it, so
// a note never scales apart from the text around it.
bool Scaled = false;
} // namespace

int ScaledFontPixels(int pixelsAt96) {
    return Scaled ? (pixelsAt96 * 5 + 2) / 4 : pixelsAt96;
}

std::string InstallApplicationFont(std::initializer_list<const char*> families) {
    Scaled = Screen->PixelsPerInch() != 96;
    // Started from the platform's font, so a fallback never keeps a family chosen earlier.
    QFont font = QFontDatabase::systemFont(QFontDatabase::GeneralFont);
    const QStringList known = QFontDatabase::families();
    for (const char* name : families) {
        if (known.contains(QString::fromUtf8(name))) {
            font.setFamilies({QString::fromUtf8(name)});
            break;
        }
    }
    font.setPixelSize(ScaledFontPixels(kDesignFontPixels));
    QApplication::setFont(font);
    Family = FromQ(QFontInfo(font).family());
    return Family;
}

const std::string& ApplicationFontFamily() {
    return Family;
}
