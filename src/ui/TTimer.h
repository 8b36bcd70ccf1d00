// A timer: OnTimer every Interval ms while Enabled. An Interval of 0 stops it; a negative one
// starts nothing.
//
// Seam: tests make timers deterministic. In manual mode no timer runs by itself and
// FireTimers() delivers one tick to every running timer; the scale multiplies every interval of
// real timers (0.01 makes a 5 s poll tick every 50 ms).
#pragma once

#include "Events.h"
#include "TComponent.h"

class QTimer;

class TTimer : public TComponent {
public:
    explicit TTimer(TComponent* owner);
    ~TTimer() override;

    int Interval() const { return IntervalMs; }
    void SetInterval(int ms);
    bool Enabled() const { return IsEnabled; }
    void SetEnabled(bool enabled);
    // True when the timer ticks (enabled with a positive interval).
    bool Running() const { return IsEnabled && IntervalMs > 0; }

    TNotifyEvent OnTimer;

    // Manual mode: no timer ticks by itself; FireTimers ticks each running timer once, in
    // creation order, and returns how many ticked.
    static void SetManualTimers(bool manual);
    static int FireTimers();
    static void SetTimerScale(double scale);
    // Ticks this timer once, as its clock would.
    void Tick();

private:
    void Update();
    QTimer* Clock;
    int IntervalMs = 1000;
    bool IsEnabled = true;
};
