// The string lists on large programs: UpdateLabels, finding a name, a whole
// label operand accept, and drawing a long name list in its combo box.
#include <QApplication>
#include <QComboBox>
#include <benchmark/benchmark.h>

#include "qt_bench_main.h"

#include "bench_support.h"
#include "ui/base/binding.h"

namespace parvix::bench {
namespace {

// A program of `rows` rows with `labels` labels and as many variables.
struct LabelledSession : StartedSession {
  LabelledSession(int rows, int labels) {
    FillProgram(w, rows, labels);
    for (int i = 0; i < labels; ++i) w.Symbols.AddVariable("v" + std::to_string(i + 1));
    w.UpdateLabels();
  }
};

void BM_UpdateLabels(benchmark::State& state) {
  LabelledSession s(static_cast<int>(state.range(0)), static_cast<int>(state.range(1)));
  for (auto _ : state) s.w.UpdateLabels();
}
BENCHMARK(BM_UpdateLabels)
    ->Args({1000, 70})->Args({10000, 700})->Args({70000, 5000})
    ->Unit(benchmark::kMicrosecond);

// The clash check of a new name: one label hit, one variable hit, one miss.
void BM_FindString(benchmark::State& state) {
  LabelledSession s(1000, static_cast<int>(state.range(0)));
  const std::string label = "a" + std::to_string(state.range(0) / 2);
  const std::string variable = "v" + std::to_string(state.range(0) - 1);
  for (auto _ : state) {
    benchmark::DoNotOptimize(s.w.Symbols.FindString(label));
    benchmark::DoNotOptimize(s.w.Symbols.FindString(variable));
    benchmark::DoNotOptimize(s.w.Symbols.NameInUse("nosuchname"));
  }
}
BENCHMARK(BM_FindString)->Arg(70)->Arg(5000)->Arg(50000);

// JMP with a new label, accepted: clash check, the line, the move to the next
// row, UpdateLabels and the return to the idle state.
void BM_NewLabelAccept(benchmark::State& state) {
  LabelledSession s(static_cast<int>(state.range(0)), static_cast<int>(state.range(1)));
  ProgrammingPanel& w = s.w;
  const int row = static_cast<int>(state.range(0)) / 2;
  for (auto _ : state) {
    state.PauseTiming();
    // The same row and list sizes every time: the label of the last run goes.
    w.NextLine(row);
    if (w.Symbols.LabelIndex("fresh") >= 0) w.Symbols.RemoveLabel(w.Symbols.LabelIndex("fresh"));
    w.Table1.SetText(row, kMnemonicColumn, "JMP");
    w.Table1.SetText(row, kOpcodeColumn, "C3");
    w.ControlTransfer(LabelState);
    w.Labels.LabelText.text = "fresh";
    w.Labels.LabelText_Change();
    state.ResumeTiming();
    w.Labels.LabelAcceptButton_Click();
  }
}
BENCHMARK(BM_NewLabelAccept)
    ->Args({1000, 70})->Args({10000, 700})->Args({70000, 5000})
    ->Unit(benchmark::kMicrosecond);

// Drawing the label list onto its combo box when nothing changed: with the
// revision number the entries are not compared at all.
void BM_ComboRender(benchmark::State& state) {
  const bool tracked = state.range(1) != 0;
  ListControl list;
  for (int i = 0; i < state.range(0); ++i) list.items.push_back("a" + std::to_string(i));
  list.itemsRevision = tracked ? 1 : 0;
  list.listIndex = 0;
  QComboBox combo;
  ui::ApplyList(&combo, list);
  for (auto _ : state) ui::ApplyList(&combo, list);
}
BENCHMARK(BM_ComboRender)
    ->Args({5000, 0})->Args({5000, 1})
    ->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace parvix::bench

PARVIX_BENCHMARK_MAIN_WITH_QT()
