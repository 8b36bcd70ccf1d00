// Seam: the clock that waits and time stamps read. TickCount is a monotonic millisecond count
// (GetTickCount); Now is the wall clock. Tests install their own clock to make waits and times
// deterministic.
#pragma once

#include <chrono>
#include <cstdint>

class ClockService {
public:
    virtual ~ClockService() = default;
    virtual uint64_t TickCount() = 0;
    virtual std::chrono::system_clock::time_point Now() = 0;
};

void SetClockService(ClockService* service); // null restores the system clocks; caller keeps ownership
ClockService* CurrentClockService();

uint64_t GetTickCount();
std::chrono::system_clock::time_point ClockNow();
