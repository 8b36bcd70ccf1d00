// The front panels polling a six-unit stack: the main window runs offscreen against the simulated
// switch for a while (default 60 s), half of it with the agent answering and half with it silent,
// and the program reports its CPU time (as a share of one core), its peak resident memory and the
// longest stall of its event loop in each half.
//
//   QT_QPA_PLATFORM=offscreen ./panel_poll_bench [SECONDS]
//
// Build it in a release build without sanitizers (-DCMAKE_BUILD_TYPE=Release -DZQS_BENCH=ON). Each
// half is measured twice: first the CPU time with nothing else running, then the stalls, with a
// 10 ms probe timer whose own wake-ups would otherwise count as the program's work.
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
#include <exception>

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

// The longest time, in ms, that a 10 ms timer waited beyond its interval while the loop ran.
double LongestStallMs(int ms) {
    constexpr int kProbeMs = 10;
    QElapsedTimer since;
    since.start();
    qint64 worst = 0;
    QTimer probe;
    probe.setTimerType(Qt::PreciseTimer);
    QObject::connect(&probe, &QTimer::timeout, [&] { worst = std::max(worst, since.restart() - kProbeMs); });
    probe.start(kProbeMs);
    RunFor(ms);
    return static_cast<double>(worst);
}

} // namespace

int main(int argc, char** argv) {
    QApplication qtApp(argc, argv);
    Application->Initialize(argc, argv);
    const int seconds = argc > 1 ? std::max(4, std::atoi(argv[1])) : 60;
    const int quarter = seconds * 1000 / 4;
    try {
        const std::unique_ptr<SimAgent> agent = OpenSixUnitMainWindow();
        QElapsedTimer build;
        build.start();
        MainForm->Show(); // the first activation builds the six panels
        std::printf("panels built: %zu in %lld ms\n", MainForm->UnitPanels.size(),
                    static_cast<long long>(build.elapsed()));

        const double answeringCpu = CpuShare(quarter);
        const double answeringStall = LongestStallMs(quarter);
        agent->DropReplies("");
        const double silentCpu = CpuShare(quarter);
        const double silentStall = LongestStallMs(quarter);

        std::printf("agent answering: CPU %.2f%% of one core, longest stall %.0f ms\n", answeringCpu * 100,
                    answeringStall);
        std::printf("agent silent:    CPU %.2f%% of one core, longest stall %.0f ms\n", silentCpu * 100,
                    silentStall);
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
