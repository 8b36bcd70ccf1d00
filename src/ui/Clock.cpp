#include "Clock.h"

#include "Seam.h"

namespace {
class SystemClock : public ClockService {
public:
    uint64_t TickCount() override {
        return static_cast<uint64_t>(std::chrono::duration_cast<std::chrono::milliseconds>(
                                         std::chrono::steady_clock::now().time_since_epoch())
                                         .count());
    }
    std::chrono::system_clock::time_point Now() override { return std::chrono::system_clock::now(); }
};
SystemClock System;
Seam<ClockService> Installed(System);
} // namespace

void SetClockService(ClockService* service) {
    Installed.Set(service);
}
ClockService* CurrentClockService() {
    return Installed.Get();
}
uint64_t GetTickCount() {
    return CurrentClockService()->TickCount();
}
std::chrono::system_clock::time_point ClockNow() {
    return CurrentClockService()->Now();
}
