// The front panels polling a six-unit stack: the main window runs offscreen against the simulated
// switch for a while (default 60 s), half of it with the agent answering and half with it silent,
// and the program reports its CPU time (as a share of one core), its peak resident memory and the
// longest stall of its event loop in each half.
//
//   QT_QPA_PLATFORM=offscreen ./panel_poll_bench [SECONDS]
//
// Build it in a release build without sanitizers (-DCMAKE_BUILD_TYPE=Release -DZQS_BENCH=ON). Each
// half is measured twice: first the CPU time with nothing else running, then the stalls, with a
// 10 ms probe timer whose own wake-ups would otherwise count as the program's work. A stall is
// reported with the CPU time the GUI thread spent in it, which tells the program's own work from
// the waits a busy machine's scheduler imposes.
#include "SixUnitStack.h"
#include "TApplication.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QTimer>

#include <sys/resource.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <exception>
#include <tuple>

namespace {

double CpuSeconds() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return static_cast<double>(usage.ru_utime.tv_sec + usage.ru_stime.tv_sec) +
           static_cast<double>(usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e6;
}

double PeakResidentMb() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return static_cast<double>(usage.ru_maxrss) / 1024.0;
}

void RunFor(int ms) {
    QEventLoop loop;
    QTimer::singleShot(ms, &loop, &QEventLoop::quit);
    loop.exec();
}

// The share of one core the program used while its event loop ran for `ms`.
double CpuShare(int ms) {
    const double cpu = CpuSeconds();
    QElapsedTimer wall;
    wall.start();
    RunFor(ms);
    return (CpuSeconds() - cpu) / (static_cast<double>(wall.elapsed()) / 1000.0);
}

double ThreadCpuMs() {
    timespec t{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
    return static_cast<double>(t.tv_sec) * 1e3 + static_cast<double>(t.tv_nsec) / 1e6;
}

struct Stall {
    double WallMs = 0;    // the longest time a 10 ms timer waited beyond its interval
    double CpuMs = 0;     // the GUI thread's CPU time within that wait: the program's own work in it
    double BusiestMs = 0; // the most CPU time the GUI thread spent between two probe ticks
};

// On a busy machine a wait can be the scheduler's; the CPU time spent within it tells the
// program's own share.
Stall LongestStall(int ms) {
    constexpr int kProbeMs = 10;
    QElapsedTimer since;
    since.start();
    double cpuAtTick = ThreadCpuMs();
    Stall worst;
    QTimer probe;
    probe.setTimerType(Qt::PreciseTimer);
    QObject::connect(&probe, &QTimer::timeout, [&] {
        const double wall = static_cast<double>(since.restart() - kProbeMs);
        const double cpu = ThreadCpuMs() - cpuAtTick;
        cpuAtTick += cpu;
        if (wall > worst.WallMs) {
            worst.WallMs = wall;
            worst.CpuMs = cpu;
        }
        worst.BusiestMs = std::max(worst.BusiestMs, cpu);
    });
    probe.start(kProbeMs);
    RunFor(ms);
    return worst;
}

} // namespace

int main(int argc, char** argv) {
    QApplication qtApp(argc, argv);
    Application->Initialize(argc, argv);
    const int seconds = argc > 1 ? std::max(4, std::atoi(argv[1])) : 60;
    const int quarter = seconds * 1000 / 4;
    try {
        const std::unique_ptr<SimAgent> agent = OpenSixUnitMainWindow();
        // What the window costs before it has panels, doing nothing: the floor of the figures
        // below.
        const double bareCpu = CpuShare(std::min(quarter, 5000));
        QElapsedTimer build;
        build.start();
        MainForm->Show(); // the first activation builds the six panels
        std::printf("panels built: %zu in %lld ms\n", MainForm->UnitPanels.size(),
                    static_cast<long long>(build.elapsed()));

        const double answeringCpu = CpuShare(quarter);
        const Stall answering = LongestStall(quarter);
        agent->DropReplies("");
        const double silentCpu = CpuShare(quarter);
        const Stall silent = LongestStall(quarter);

        for (const auto& [what, cpu, stall] : {std::tuple{"agent answering", answeringCpu, answering},
                                               std::tuple{"agent silent   ", silentCpu, silent}})
            std::printf("%s: CPU %.3f%% of one core; longest stall %.0f ms (%.1f ms of it the program's "
                        "work); longest work between two probe ticks %.1f ms\n",
                        what, cpu * 100, stall.WallMs, stall.CpuMs, stall.BusiestMs);
        std::printf("main window without panels: CPU %.3f%% of one core\n", bareCpu * 100);
        std::printf("peak resident memory: %.1f MB\n", PeakResidentMb());
        std::printf("status panel 0: %s\n", MainForm->StatusText().c_str());
        delete MainForm;
    } catch (const std::exception& e) {
        std::fprintf(stderr, "panel_poll_bench: %s\n", e.what());
        return 1;
    }
    Application->DestroyForms();
    return 0;
}
