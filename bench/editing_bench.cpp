// Editing, find and replace on a large program (70,000 rows, 5,000 labels)
// with a table view over the program table, so that the view's handling of
// the block inserts, removals and colour changes is measured too.
#include <QApplication>
#include <algorithm>
#include <QTableView>
#include <benchmark/benchmark.h>

#include "qt_bench_main.h"

#include "bench_support.h"
#include "ui/editor/grid_model.h"

namespace parvix::bench {
namespace {

constexpr int kRows = 70000;
constexpr int kNames = 5000;
constexpr int kBlock = 10000;
constexpr int kFirst = 30000;  // the block's first row

struct EditingSession : StartedSession {
  ui::GridModel model{w.Table1};
  QTableView view;
  // `rows` rows with one label for every 14 (5,000 at 70,000 rows).
  explicit EditingSession(int rows = kRows) {
    FillProgram(w, rows, rows * kNames / kRows);
    view.setModel(&model);
    view.resize(1000, 500);
    w.UpdateLabels();
    w.NextLine(std::min(kFirst + kBlock + 5, rows));
    w.ControlTransfer(ProgramState);
  }
  void Select(int first, int count) {
    w.SelectionStartRow = first;
    w.SelectionEndRow = first + count - 1;
  }
  // Puts the clipboard's block back at the row it was taken from.
  void PasteBack() {
    w.NextLine(kFirst);
    w.Clipboard.PasteEdit_Click();
  }
};

void BM_CutBlock(benchmark::State& state) {
  EditingSession s;
  for (auto _ : state) {
    s.Select(kFirst, kBlock);
    s.w.Clipboard.CutEdit_Click();
    state.PauseTiming();
    s.PasteBack();
    state.ResumeTiming();
  }
}
BENCHMARK(BM_CutBlock)->Unit(benchmark::kMillisecond);

void BM_PasteBlock(benchmark::State& state) {
  EditingSession s;
  s.Select(kFirst, kBlock);
  s.w.Clipboard.CopyEdit_Click();
  for (auto _ : state) {
    s.w.NextLine(kFirst);
    s.w.Clipboard.PasteEdit_Click();
    state.PauseTiming();
    s.Select(kFirst, kBlock);
    s.w.Clipboard.DeleteEdit_Click();
    state.ResumeTiming();
  }
}
BENCHMARK(BM_PasteBlock)->Unit(benchmark::kMillisecond);

void BM_DeleteBlock(benchmark::State& state) {
  EditingSession s;
  s.Select(kFirst, kBlock);
  s.w.Clipboard.CopyEdit_Click();
  for (auto _ : state) {
    s.Select(kFirst, kBlock);
    s.w.Clipboard.DeleteEdit_Click();
    state.PauseTiming();
    s.PasteBack();
    state.ResumeTiming();
  }
}
BENCHMARK(BM_DeleteBlock)->Unit(benchmark::kMillisecond);

// One search: every Label cell and operand of the table is looked at.
void BM_FindLabel(benchmark::State& state) {
  EditingSession s(static_cast<int>(state.range(0)));
  const int names = static_cast<int>(s.w.Symbols.LabelCombo.size());
  s.w.Find.FindLabel_Click();
  int k = 0;
  for (auto _ : state) {
    s.w.Find.FindCombo_Click(k);
    s.w.Find.FindButton_Click();
    k = (k + 1) % names;
  }
}
BENCHMARK(BM_FindLabel)->Arg(7000)->Arg(kRows)->Unit(benchmark::kMillisecond);

// One replace of 100 picked operands with an existing label: the rows, the
// label bookkeeping and the fresh marks of the whole table.
void BM_ReplaceLabel(benchmark::State& state) {
  EditingSession s;
  ReplacePanel& p = s.w.Replace;
  p.ReplaceLabel_Click();
  int k = 0;
  for (auto _ : state) {
    state.PauseTiming();
    for (int r = 10; r <= 1000; r += 10) s.w.Table1_Click(r, kMnemonicColumn);
    p.ExistingReplaceOption_Click();
    p.ReplaceCombo_Click(k);
    k = (k + 1) % 2;
    state.ResumeTiming();
    p.ReplaceAcceptButton_Click();
  }
}
BENCHMARK(BM_ReplaceLabel)->Unit(benchmark::kMillisecond);

// Opening the label replace tool: the bookkeeping and the red marks.
void BM_ReplaceLabelOpen(benchmark::State& state) {
  EditingSession s(static_cast<int>(state.range(0)));
  for (auto _ : state) {
    s.w.Replace.ReplaceLabel_Click();
    state.PauseTiming();
    s.w.Replace.ReplaceDoneButton_Click();
    state.ResumeTiming();
  }
}
BENCHMARK(BM_ReplaceLabelOpen)->Arg(7000)->Arg(kRows)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace parvix::bench

PARVIX_BENCHMARK_MAIN_WITH_QT()
