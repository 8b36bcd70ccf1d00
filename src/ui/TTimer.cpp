#include "TTimer.h"

#include "Dispatch.h"

#include <QTimer>
#include <algorithm>
#include <cmath>
#include <vector>

namespace {
std::vector<TTimer*> AllTimers;
bool Manual = false;
double Scale = 1.0;
} // namespace

TTimer::TTimer(TComponent* owner) : TComponent(owner), Clock(new QTimer()) {
    AllTimers.push_back(this);
    QObject::connect(Clock, &QTimer::timeout, [this] { Tick(); });
    Update();
}

TTimer::~TTimer() {
    AllTimers.erase(std::remove(AllTimers.begin(), AllTimers.end(), this), AllTimers.end());
    delete Clock;
}

void TTimer::SetInterval(int ms) {
    IntervalMs = ms;
    Update();
}

void TTimer::SetEnabled(bool enabled) {
    IsEnabled = enabled;
    Update();
}

void TTimer::Update() {
    Clock->stop();
    if (Running() && !Manual) {
        Clock->start(std::max(1, static_cast<int>(std::lround(IntervalMs * Scale))));
    }
}

void TTimer::Tick() {
    if (Running()) {
        DispatchEvent(OnTimer, this);
    }
}

void TTimer::SetManualTimers(bool manual) {
    Manual = manual;
    for (TTimer* t : AllTimers) {
        t->Update();
    }
}

int TTimer::FireTimers() {
    std::vector<std::weak_ptr<const bool>> tokens;
    std::vector<TTimer*> running;
    for (TTimer* t : AllTimers) {
        if (t->Running()) {
            running.push_back(t);
            tokens.push_back(t->AliveToken());
        }
    }
    int fired = 0;
    for (size_t i = 0; i < running.size(); ++i) {
        // A tick may delete other timers.
        if (IsAlive(tokens[i]) && running[i]->Running()) {
            running[i]->Tick();
            ++fired;
        }
    }
    return fired;
}

void TTimer::SetTimerScale(double scale) {
    Scale = scale > 0 ? scale : 1.0;
    for (TTimer* t : AllTimers) {
        t->Update();
    }
}
