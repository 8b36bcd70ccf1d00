// Filling a shown report list view: 10 columns, rows of a caption and nine sub-items, as a table
// walk fills it. Run offscreen: QT_QPA_PLATFORM=offscreen ./ui_bench
#include "TApplication.h"
#include "TForm.h"
#include "TListView.h"

#include <QApplication>
#include <benchmark/benchmark.h>
#include <cstdlib>
#include <memory>
#include <string>

namespace {

void AddRows(benchmark::State& state) {
    const int rows = static_cast<int>(state.range(0));
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

        for (int r = 0; r < rows; ++r) {
            TListItem* item = list->Items().Add();
            item->SetCaption(std::to_string(r + 1));
            for (int c = 1; c < 10; ++c) {
                item->SubItems().Add(std::to_string(r * c));
            }
        }
        Application->ProcessMessages(); // the list paints what it got
        benchmark::DoNotOptimize(list->Items().Count());

        state.PauseTiming();
        form.reset();
        state.ResumeTiming();
    }
    state.SetComplexityN(rows);
    state.counters["rows"] = rows;
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
