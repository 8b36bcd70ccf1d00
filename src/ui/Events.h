// Event types of the toolkit and the helper that binds a form's handler to an event.
//
// Events are plain callables stored on the control (`Button1->OnClick = Bind(this, &TMyForm::F)`).
// A handler can be replaced at run time; whoever replaces one may keep the old callable and call it
// (handler chaining). An event raised by a user action, a timer tick or a queued call runs through
// Dispatch(), which catches what escapes; an event raised by code (setting Checked, Text, ...) calls
// the handler directly, so its exception reaches the code that raised it.
#pragma once

#include <functional>
#include <utility>

class TObject;

using TNotifyEvent = std::function<void(TObject* sender)>;

// Bind(form, &TForm::Handler): a callable for an event whose handler is a member function.
template <class C, class R, class... A> auto Bind(C* object, R (C::*method)(A...)) {
    return [object, method](A... args) -> R { return (object->*method)(std::forward<A>(args)...); };
}

// Keys and shift states of OnKeyDown / OnKeyPress.
enum TShiftStateFlag : unsigned {
    ssShift = 1,
    ssAlt = 2,
    ssCtrl = 4,
    ssLeft = 8,
    ssRight = 16,
    ssDouble = 32
};
using TShiftState = unsigned;
using TKeyEvent = std::function<void(TObject* sender, unsigned short& key, TShiftState shift)>;
using TKeyPressEvent = std::function<void(TObject* sender, char& key)>;
using TMouseMoveEvent = std::function<void(TObject* sender, TShiftState shift, int x, int y)>;

// Virtual key codes that handlers compare against.
constexpr unsigned short VK_BACK = 0x08, VK_TAB = 0x09, VK_RETURN = 0x0D, VK_SHIFT = 0x10, VK_CONTROL = 0x11,
                         VK_MENU = 0x12, VK_ESCAPE = 0x1B, VK_SPACE = 0x20, VK_LEFT = 0x25, VK_UP = 0x26,
                         VK_RIGHT = 0x27, VK_DOWN = 0x28, VK_DELETE = 0x2E, VK_F1 = 0x70;

// Modal results; the values are also the button results of the message boxes (IDOK ... IDNO).
using TModalResult = int;
constexpr TModalResult mrNone = 0, mrOk = 1, mrCancel = 2, mrAbort = 3, mrRetry = 4, mrIgnore = 5, mrYes = 6,
                       mrNo = 7;
