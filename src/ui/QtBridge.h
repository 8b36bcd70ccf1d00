// Conversions between the toolkit's values and Qt's, for the widget layer's own sources only:
// nothing outside src/ui includes this header.
#pragma once

#include "TColor.h"

#include <QColor>
#include <QString>
#include <string>
#include <string_view>

class QWidget;
class TControl;

inline QString ToQ(std::string_view s) {
    return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size()));
}
inline std::string FromQ(const QString& s) {
    return s.toStdString();
}

// RGB colours as they are; system colours (clWindow, clBtnFace, ...) from the application palette.
QColor ToQColor(TColor color);

// The toolkit control that shows this widget or one of its ancestors, or null.
TControl* ControlOfWidget(const QWidget* widget);

class QKeyEvent;
// The virtual key code (VK_*, 'A'..'Z', '0'..'9') of a key event; 0 for keys without one.
unsigned short VirtualKey(const QKeyEvent* event);
// ssShift, ssAlt and ssCtrl of a key or mouse event's modifiers.
unsigned ShiftStateOf(int qtModifiers);
// The character a key press types for OnKeyPress (Backspace 8, Enter 13, Escape 27); 0 when none.
char KeyPressChar(const QKeyEvent* event);
