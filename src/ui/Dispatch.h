// The one place where exceptions stop: every event raised by Qt (user action, timer tick, queued
// call, posted message) runs through Dispatch(). What escapes a handler is shown once in the
// application's standard exception box and the program goes on; nothing ever crosses into Qt.
#pragma once

#include "TObject.h"

#include <cstdint>
#include <functional>

// Runs fn; an escaping exception is shown with Application->ShowException. False when one escaped.
bool Dispatch(const std::function<void()>& fn) noexcept;

// Runs a notify event raised by Qt (a click, a user change), when one is assigned.
void DispatchEvent(const std::function<void(TObject*)>& event, TObject* sender) noexcept;

// Queues fn to run after the current event, through Dispatch. With a target, the call is dropped
// when the target has been destroyed before delivery.
void PostCall(std::function<void()> fn);
void PostCall(const TObject* target, std::function<void()> fn);

// Window messages that the program posts to its own windows.
constexpr unsigned WM_CLOSE = 0x0010;
constexpr unsigned WM_NEXTDLGCTL = 0x0028;
constexpr unsigned WM_USER = 0x0400;

struct TMessage {
    unsigned Msg = 0;
    intptr_t WParam = 0;
    intptr_t LParam = 0;
    intptr_t Result = 0;
};

class TControl;

// PostMessage stand-in: delivers the message to target->WndProc after the current event (the message
// is dropped when the target is gone by then). Returns false for a null target.
bool PostMessage(TControl* target, unsigned msg, intptr_t wParam = 0, intptr_t lParam = 0);
