// Filling a shown report list view: 10 columns, rows of a caption and nine sub-items, as a table
// walk fills it. Run offscreen: QT_QPA_PLATFORM=offscreen ./ui_bench
//
// Each fill runs in the same process after the previous one was freed. Whether the fill gets
// that memory back or must be given fresh pages by the kernel is the C library's allocator's
// decision (it returns a large freed heap to the kernel); faults_per_row shows which it was.
#include "TApplication.h"
#include "TForm.h"
#include "TListView.h"

#include <QApplication>
#include <benchmark/benchmark.h>
#include <cstdlib>
#include <memory>
#include <string>
#include <sys/resource.h>

namespace {

long MinorFaults() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_minflt;
}

void AddRows(benchmark::State& state) {
    const int rows = static_cast<int>(state.range(0));
    long faults = 0;
    for (auto _ : state) {
        state.PauseTiming();
        std::unique_ptr<TForm> form(CreateForm<TForm>(nullptr));
        form->SetBounds(0, 0, 800, 600);
        auto* list = new TListView(form.get());
        list->SetParent(form.get());
        list->SetAlign(alClient);
        list->SetGridLines(true);
        for (int c = 0; c < 10; ++c) {
            TListColumn* column = list->Columns().Add();
            column->SetCaption("Column " + std::to_string(c));
            column->SetWidth(-2);
        }
        form->Show();
        Application->ProcessMessages();
        state.ResumeTiming();
        const long faultsBefore = MinorFaults();

        for (int r = 0; r < rows; ++r) {
            TListItem* item = list->Items().Add();
            item->SetCaption(std::to_string(r + 1));
            for (int c = 1; c < 10; ++c) {
                item->SubItems().Add(std::to_string(r * c));
            }
        }
        Application->ProcessMessages(); // the list paints what it got
        benchmark::DoNotOptimize(list->Items().Count());
        faults += MinorFaults() - faultsBefore;

        state.PauseTiming();
        form.reset();
        state.ResumeTiming();
    }
    state.SetComplexityN(rows);
    state.counters["rows"] = rows;
    // Pages the fill had to be given afresh (the kernel zeroes each): none while it reuses the
    // memory the previous fill freed.
    state.counters["faults_per_row"] =
        benchmark::Counter(static_cast<double>(faults) / rows, benchmark::Counter::kAvgIterations);
    state.counters["us_per_row"] =
        benchmark::Counter(static_cast<double>(rows) * 1e-6,
                           benchmark::Counter::kIsIterationInvariantRate | benchmark::Counter::kInvert);
}

} // namespace

BENCHMARK(AddRows)
    ->Arg(10000)
    ->Arg(20000)
    ->Arg(40000)
    ->Arg(100000)
    ->Unit(benchmark::kMillisecond)
    ->Complexity(benchmark::oN);

int main(int argc, char** argv) {
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    QApplication qtApp(argc, argv);
    Application->Initialize(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    Application->DestroyForms();
    return 0;
}
