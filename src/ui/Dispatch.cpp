#include "Dispatch.h"

#include "TApplication.h"
#include "TControl.h"

#include <QCoreApplication>
#include <QMetaObject>
#include <cstdio>
#include <exception>

namespace {
void ShowEscaped(const char* message) noexcept {
    try {
        Application->ShowException(message);
    } catch (...) {
        // The exception box itself failed: the last place left to tell is stderr.
        std::fprintf(stderr, "Unhandled exception: %s\n", message);
    }
}
} // namespace

bool Dispatch(const std::function<void()>& fn) noexcept {
    try {
        fn();
        return true;
    } catch (const std::exception& e) {
        ShowEscaped(e.what());
    } catch (...) {
        ShowEscaped("Unknown exception");
    }
    return false;
}

void DispatchEvent(const std::function<void(TObject*)>& event, TObject* sender) noexcept {
    if (event) {
        Dispatch([&] { event(sender); });
    }
}

void PostCall(std::function<void()> fn) {
    QMetaObject::invokeMethod(
        QCoreApplication::instance(), [fn = std::move(fn)] { Dispatch(fn); }, Qt::QueuedConnection);
}

void PostCall(const TObject* target, std::function<void()> fn) {
    PostCall([token = target->AliveToken(), fn = std::move(fn)] {
        if (IsAlive(token)) {
            fn();
        }
    });
}

bool PostMessage(TControl* target, unsigned msg, intptr_t wParam, intptr_t lParam) {
    if (!target) {
        return false;
    }
    PostCall(target, [target, msg, wParam, lParam] {
        TMessage message{msg, wParam, lParam, 0};
        target->WndProc(message);
    });
    return true;
}
