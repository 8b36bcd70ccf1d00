#include "VqSNMPSession.h"

#include "BootCounter.h"
#include "VqException.h"

#include <QCoreApplication>
#include <QSocketNotifier>
#include <QTimer>
#include <QtGlobal>

VqSessionParameters SessionParameters;
SnmpAdapter* SnmpSession = nullptr;

namespace {

unsigned CurrentEngineBoots = 0;

void ReportToQt(std::exception_ptr failure) {
    try {
        std::rethrow_exception(failure);
    } catch (const std::exception& e) {
        qCritical("Reply handler failed: %s", e.what());
    } catch (...) {
        qCritical("Reply handler failed with an unknown exception");
    }
}

} // namespace

_SnmpEventProcessor::_SnmpEventProcessor() : ExceptionHandler(&ReportToQt) {}

_SnmpEventProcessor::~_SnmpEventProcessor() {
    for (auto& [socket, notifier] : Notifiers)
        delete notifier;
}

void _SnmpEventProcessor::Start() {
    if (!Timer) {
        Timer = std::make_unique<QTimer>();
        Timer->setSingleShot(true);
        // A coarse timer may fire early, and the library would then find nothing due yet.
        Timer->setTimerType(Qt::PreciseTimer);
        QObject::connect(Timer.get(), &QTimer::timeout, [this] { TimerTick(); });
        // Qt objects must not outlive the application object that their thread's event
        // dispatcher belongs to; the record itself lives until static destruction.
        if (QCoreApplication* app = QCoreApplication::instance())
            QObject::connect(app, &QObject::destroyed, [this] {
                Timer.reset();
                for (auto& [socket, notifier] : Notifiers)
                    delete notifier;
                Notifiers.clear();
            });
    }
    Started = true;
    WatchSockets();
    Reschedule();
}

void _SnmpEventProcessor::Stop() {
    Started = false;
    if (Timer)
        Timer->stop();
}

bool _SnmpEventProcessor::IsActive() const {
    return Started && Timer;
}

bool _SnmpEventProcessor::IsTimerRunning() const {
    return Timer && Timer->isActive();
}

void _SnmpEventProcessor::TimerTick() {
    ++Ticks;
    if (Timer)
        Timer->stop();
    Pump();
    Reschedule();
}

void _SnmpEventProcessor::Pump() {
    if (Pumping || !SnmpSession)
        return;
    Pumping = true;
    // Nothing pumps while a handler runs, not even from its nested event loop: a tick meanwhile
    // stops the timer until this pump reschedules it, and a notifier that fires meanwhile is
    // silenced (see WatchSockets). Neither is switched off before every pump: a walk would pay
    // for it at every row (switching a notifier even wakes the event loop).
    try {
        SnmpSession->ProcessPendingEvents();
    } catch (...) {
        if (ExceptionHandler)
            ExceptionHandler(std::current_exception());
    }
    Pumping = false;
    if (SocketsDirty) {
        WatchSockets();
    } else if (Silenced) {
        for (auto& [socket, notifier] : Notifiers)
            notifier->setEnabled(true);
    }
    Silenced = false;
    Reschedule();
}

void _SnmpEventProcessor::Reschedule() {
    if (!Timer || Pumping)
        return;
    // While requests wait and the timer is set, only what happened since the last look can bring
    // the next event forward (an early wake-up finds nothing due and looks again): a walk's step
    // then costs no look into the library's requests.
    if (Started && SnmpSession && Timer->isActive() && SnmpSession->PendingCount() > 0) {
        const int soonest = SnmpSession->SoonestNewEventMs();
        if (soonest < 0 || Timer->remainingTime() <= soonest)
            return;
    }
    const int ms = Started && SnmpSession ? SnmpSession->MillisecondsToNextEvent() : -1;
    if (ms < 0)
        Timer->stop();
    else if (!Timer->isActive() || Timer->remainingTime() > ms)
        Timer->start(ms); // an earlier wake-up is kept: it finds nothing due and reschedules
}

void _SnmpEventProcessor::WatchSockets() {
    if (!SnmpSession || !QCoreApplication::instance())
        return;
    if (!SnmpSession->SocketsChanged)
        SnmpSession->SocketsChanged = [this] {
            SocketsDirty = true;
            if (!Pumping)
                WatchSockets();
        };
    if (!SnmpSession->AsyncSent)
        SnmpSession->AsyncSent = [this] { Reschedule(); };
    SocketsDirty = false;
    std::map<int, QSocketNotifier*> kept;
    for (int socket : SnmpSession->AsyncSockets()) {
        auto found = Notifiers.find(socket);
        if (found != Notifiers.end()) {
            kept.emplace(socket, found->second);
            Notifiers.erase(found);
            continue;
        }
        auto* notifier = new QSocketNotifier(socket, QSocketNotifier::Read);
        QObject::connect(notifier, &QSocketNotifier::activated, notifier, [this, notifier] {
            if (Pumping) {
                // A handler's nested event loop: the socket stays readable until the pump is
                // back, so its notifier rests until then instead of firing in a loop.
                notifier->setEnabled(false);
                Silenced = true;
                return;
            }
            Pump();
        });
        kept.emplace(socket, notifier);
    }
    // A notifier may be the sender of the signal that got us here: deleted later.
    for (auto& [socket, notifier] : Notifiers) {
        notifier->setEnabled(false);
        notifier->deleteLater();
    }
    Notifiers = std::move(kept);
    for (auto& [socket, notifier] : Notifiers)
        notifier->setEnabled(!Pumping);
}

void CreateGlobalSession(const std::string& directory) {
    if (!SnmpSession) {
        int status = 0;
        SnmpSession = new SnmpAdapter(status);
        if (status != 0)
            RaiseVqError(-506);
    }
    const std::string file = JoinPath(directory, kBootCounterFile);
    unsigned boots = 0;
    // No file, or no line for our engine, is a first start.
    if (ReadBootCounter(file, kEngineIdentity, boots) < kBootCounterNoFile)
        RaiseVqError(-507);
    if (boots < kMaxEngineBoots)
        ++boots;
    if (SaveBootCounter(file, kEngineIdentity, boots) != kBootCounterFound)
        RaiseVqError(-508);
    SnmpSession->InitMessageProcessing(kEngineIdentity, boots);
    CurrentEngineBoots = boots;

    SessionParameters.Device = {"127.0.0.1", 161};
    SessionParameters.Scope = {"", ""};
    SessionParameters.Security = {0, "tamber", "quindle", 1, 1, "", "", "", 1, 1};
    SessionParameters.Timeout = 100;
    SessionParameters.EventProcessor.Start();
}

unsigned EngineBoots() {
    return CurrentEngineBoots;
}

void SnmpReplyTrampoline(int reason, SnmpReply& reply, ReplyRecord& record) {
    if (record.Handler)
        record.Handler(record.Request, reason, reply, record.Continuation, record.DecodeReply != 0);
}

int SendWithRecord(SnmpOperation operation, const SnmpTarget& target,
                   const std::vector<SnmpVarBind>& varBinds, std::unique_ptr<ReplyRecord> record,
                   uint64_t* requestId) {
    if (!SnmpSession)
        return kSnmpClassInvalid;
    // Shared only because the callback type must be copyable; the callback is its one owner,
    // and it goes with the request once its one call has returned.
    std::shared_ptr<ReplyRecord> owned(std::move(record));
    return SnmpSession->RequestAsync(
        operation, target, varBinds,
        [owned](int reason, SnmpReply& reply) { SnmpReplyTrampoline(reason, reply, *owned); }, requestId);
}
