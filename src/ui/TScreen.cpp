#include "TScreen.h"

#include <QGuiApplication>
#include <QScreen>
#include <cmath>

namespace {
TScreen TheScreen;
}
TScreen* const Screen = &TheScreen;

int TScreen::PixelsPerInch() const {
    if (OverridePpi) {
        return *OverridePpi;
    }
    QScreen* s = QGuiApplication::primaryScreen();
    return s ? static_cast<int>(std::lround(s->logicalDotsPerInch())) : 96;
}

int TScreen::Width() const {
    QScreen* s = QGuiApplication::primaryScreen();
    return s ? s->geometry().width() : 1024;
}

int TScreen::Height() const {
    QScreen* s = QGuiApplication::primaryScreen();
    return s ? s->geometry().height() : 768;
}
