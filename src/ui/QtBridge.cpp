#include "QtBridge.h"

#include "Events.h"

#include <QKeyEvent>

unsigned short VirtualKey(const QKeyEvent* event) {
    int key = event->key();
    if ((key >= Qt::Key_A && key <= Qt::Key_Z) || (key >= Qt::Key_0 && key <= Qt::Key_9)) {
        return static_cast<unsigned short>(key); // the same codes as the ASCII letters and digits
    }
    if (key >= Qt::Key_F1 && key <= Qt::Key_F24) {
        return static_cast<unsigned short>(VK_F1 + (key - Qt::Key_F1));
    }
    switch (key) {
    case Qt::Key_Backspace:
        return VK_BACK;
    case Qt::Key_Tab:
    case Qt::Key_Backtab:
        return VK_TAB;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        return VK_RETURN;
    case Qt::Key_Shift:
        return VK_SHIFT;
    case Qt::Key_Control:
        return VK_CONTROL;
    case Qt::Key_Alt:
        return VK_MENU;
    case Qt::Key_Escape:
        return VK_ESCAPE;
    case Qt::Key_Space:
        return VK_SPACE;
    case Qt::Key_Left:
        return VK_LEFT;
    case Qt::Key_Up:
        return VK_UP;
    case Qt::Key_Right:
        return VK_RIGHT;
    case Qt::Key_Down:
        return VK_DOWN;
    case Qt::Key_Delete:
        return VK_DELETE;
    default:
        return 0;
    }
}

unsigned ShiftStateOf(int qtModifiers) {
    unsigned shift = 0;
    if (qtModifiers & Qt::ShiftModifier) {
        shift |= ssShift;
    }
    if (qtModifiers & Qt::AltModifier) {
        shift |= ssAlt;
    }
    if (qtModifiers & Qt::ControlModifier) {
        shift |= ssCtrl;
    }
    return shift;
}

char KeyPressChar(const QKeyEvent* event) {
    switch (event->key()) {
    case Qt::Key_Backspace:
        return 8;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        return 13;
    case Qt::Key_Escape:
        return 27;
    default:
        break;
    }
    QString text = event->text();
    if (text.size() == 1 && text[0].unicode() >= 32 && text[0].unicode() < 128) {
        return static_cast<char>(text[0].unicode());
    }
    return 0;
}
