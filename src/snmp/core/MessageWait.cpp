#include "MessageWait.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QEventLoop>
#include <QTimer>

#include <algorithm>
#include <utility>

namespace {

MessageWaitFunction& Installed() {
    static MessageWaitFunction wait;
    return wait;
}

} // namespace

bool WaitOnEventQueue(const std::function<bool()>& done, uint64_t boundMs) {
    if (!QCoreApplication::instance())
        return done();
    // Each sleep on the queue is bounded by a wake-up timer, so that the bound holds even when
    // no event comes. A timer still running was started for at most the time then left, so it
    // fires by the deadline: it is not restarted after every event (a walk waits once per row).
    constexpr qint64 kSliceMs = 100;
    QDeadlineTimer deadline(static_cast<qint64>(std::min<uint64_t>(boundMs, INT64_MAX / 2)));
    QTimer wake;
    wake.setSingleShot(true);
    while (!done()) {
        const qint64 left = deadline.remainingTime();
        if (left <= 0)
            return done();
        if (!wake.isActive())
            wake.start(static_cast<int>(std::min(left, kSliceMs)));
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
    }
    return true;
}

MessageWaitFunction SetMessageWait(MessageWaitFunction wait) {
    return std::exchange(Installed(), std::move(wait));
}

bool WaitForMessages(const std::function<bool()>& done, uint64_t boundMs) {
    return Installed() ? Installed()(done, boundMs) : WaitOnEventQueue(done, boundMs);
}
