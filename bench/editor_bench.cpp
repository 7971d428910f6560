// The editor's row primitives on large programs, with a table view attached
// to the program table's model so that the view's update is measured too.
#include <QApplication>
#include <QTableView>
#include <benchmark/benchmark.h>

#include "qt_bench_main.h"

#include "bench_support.h"
#include "ui/editor/grid_model.h"

namespace parvix::bench {
namespace {

struct ViewedSession : StartedSession {
  ui::GridModel model{w.Table1};
  QTableView view;
  explicit ViewedSession(int rows) {
    FillProgram(w, rows, rows / 14);
    view.setModel(&model);
    view.resize(1000, 500);
    w.NextLine(rows / 2);
  }
};

void BM_InsertLine(benchmark::State& state) {
  ViewedSession s(static_cast<int>(state.range(0)));
  for (auto _ : state) {
    s.w.InsertLine(s.w.CursorRow, 1);
    state.PauseTiming();
    s.w.Table1.RemoveRows(s.w.CursorRow - 1, 1);
    s.w.StringTable.RemoveRows(s.w.CursorRow - 1, 1);
    --s.w.CursorRow;
    state.ResumeTiming();
  }
}
BENCHMARK(BM_InsertLine)->Arg(1000)->Arg(10000)->Arg(70000)->Unit(benchmark::kMicrosecond);

void BM_NextLine(benchmark::State& state) {
  const int rows = static_cast<int>(state.range(0));
  ViewedSession s(rows);
  int row = 1;
  for (auto _ : state) {
    row = row % (rows - 1) + 1;
    s.w.NextLine(row);
  }
}
BENCHMARK(BM_NextLine)->Arg(1000)->Arg(10000)->Arg(70000)->Unit(benchmark::kMicrosecond);

// A busy state and back to the idle state: menus, panels, and the idle
// state's walk over the table for its origins.
void BM_ControlTransferRoundTrip(benchmark::State& state) {
  ViewedSession s(static_cast<int>(state.range(0)));
  for (auto _ : state) {
    s.w.ControlTransfer(RegisterState);
    s.w.TableCancelButton_Click();
  }
}
BENCHMARK(BM_ControlTransferRoundTrip)->Arg(1000)->Arg(10000)->Arg(70000)->Unit(benchmark::kMicrosecond);

void BM_AssignAddress(benchmark::State& state) {
  const int rows = static_cast<int>(state.range(0));
  StartedSession s;
  FillProgram(s.w, rows, static_cast<int>(state.range(1)));
  for (auto _ : state) s.w.Assign_Address(true);
  state.SetComplexityN(rows);
}
BENCHMARK(BM_AssignAddress)
    ->Args({1000, 70})->Args({10000, 700})->Args({70000, 5000})
    ->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace parvix::bench

PARVIX_BENCHMARK_MAIN_WITH_QT()
