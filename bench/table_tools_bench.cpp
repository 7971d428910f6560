// The program table's mouse and the tools it drives, on large programs with
// a table view attached: a click that moves the cursor, one that re-opens a
// line, a drag, placing a label, Done in the equivalents window with every
// value changed, and Trash Unused Strings.
#include <benchmark/benchmark.h>

#include <QTableView>

#include "bench_support.h"
#include "qt_bench_main.h"
#include "support/grid_click.h"
#include "ui/editor/grid_model.h"

namespace parvix::bench {
namespace {

// A program of `rows` rows with `names` labels (jumps on every tenth row,
// placed along the program) and `names` variables (an MVI on every tenth
// row, five rows after each jump), shown in a table view.
struct ToolSession : StartedSession {
  ui::GridModel model{w.Table1};
  QTableView view;
  int names;
  ToolSession(int rows, int names_) : names(names_) {
    FillProgram(w, rows, names);
    for (int i = 0; i < names; ++i) w.Symbols.AddVariable("v" + std::to_string(i + 1));
    for (int r = 5; r <= rows; r += 10) {
      const std::string name = "v" + std::to_string((r / 10) % names + 1);
      w.Table1.SetText(r, kMnemonicColumn, "MVI  A,   " + name);
      w.Table1.SetText(r, kOpcodeColumn, "3E   XX");
      w.StringTable.SetText(r, 0, name);
    }
    w.UpdateLabels();
    view.setModel(&model);
    view.resize(1000, 500);
    w.NextLine(rows / 2);
  }
  // One click as the grid reports it.
  void Click(int row, int col) { parvix::testing::ClickAsTheGrid(w, row, col); }
};

// Rows, and labels as many as variables.
void Sizes(benchmark::internal::Benchmark* b) {
  b->Args({1000, 70})->Args({10000, 700})->Args({70000, 5000})->Unit(benchmark::kMicrosecond);
}

void BM_ClickMovesCursor(benchmark::State& state) {
  ToolSession s(static_cast<int>(state.range(0)), static_cast<int>(state.range(1)));
  const int rows[2] = {s.w.CursorRow - 7, s.w.CursorRow + 7};
  int i = 0;
  for (auto _ : state) s.Click(rows[++i % 2], kMnemonicColumn);
}
BENCHMARK(BM_ClickMovesCursor)->Apply(Sizes);

// In Insert mode the click opens a row first.
void BM_ClickInsertMode(benchmark::State& state) {
  ToolSession s(static_cast<int>(state.range(0)), static_cast<int>(state.range(1)));
  s.w.SetWriteMode(true);
  const int row = s.w.CursorRow + 7;
  for (auto _ : state) {
    s.Click(row, kMnemonicColumn);
    state.PauseTiming();
    s.w.Table1.RemoveRows(row, 1);
    s.w.StringTable.RemoveRows(row, 1);
    --s.w.UsedRowCount;
    state.ResumeTiming();
  }
}
BENCHMARK(BM_ClickInsertMode)->Apply(Sizes);

// A click on a jump's Opcode cell: the line is re-opened and the label panel
// offers every label; Esc (not timed) puts it back.
void BM_ClickReopensLine(benchmark::State& state) {
  ToolSession s(static_cast<int>(state.range(0)), static_cast<int>(state.range(1)));
  const int row = (s.w.CursorRow / 10) * 10;
  for (auto _ : state) {
    s.Click(row, kOpcodeColumn);
    state.PauseTiming();
    s.w.TableCancelButton_Click();
    state.ResumeTiming();
  }
}
BENCHMARK(BM_ClickReopensLine)->Apply(Sizes);

void BM_DragSelects(benchmark::State& state) {
  ToolSession s(static_cast<int>(state.range(0)), static_cast<int>(state.range(1)));
  const int from = s.w.CursorRow + 20;
  const int to = s.w.CursorRow - 20;
  for (auto _ : state) {
    s.w.Table1_MouseDown(from, kMnemonicColumn);
    s.w.Table1_MouseMove(2000);
    s.w.Table1_MouseUp(to);
  }
}
BENCHMARK(BM_DragSelects)->Apply(Sizes);

// Place with a new name on a picked row: the label is listed, the lists are
// brought up to date and the panel is set up for the next label.
void BM_PlaceNewLabel(benchmark::State& state) {
  ToolSession s(static_cast<int>(state.range(0)), static_cast<int>(state.range(1)));
  ProgrammingPanel& w = s.w;
  const int row = w.CursorRow + 1;
  w.Place.PlaceLabelTool_Click();
  for (auto _ : state) {
    state.PauseTiming();
    w.Table1.SetText(row, kLabelColumn, {});
    if (int i = w.Symbols.LabelIndex("fresh"); i >= 0) w.Symbols.RemoveLabel(i);
    s.Click(row, kLabelColumn);
    w.Place.PlaceText.text = "fresh";
    w.Place.PlaceText_Change();
    state.ResumeTiming();
    w.Place.PlaceAcceptButton_Click();
  }
}
BENCHMARK(BM_PlaceNewLabel)->Apply(Sizes);

// Done with a new value for every label and every variable.
void BM_EquivalentsDone(benchmark::State& state) {
  ToolSession s(static_cast<int>(state.range(0)), static_cast<int>(state.range(1)));
  RenumberDialog& e = s.w.Equivalents;
  int round = 0;
  for (auto _ : state) {
    state.PauseTiming();
    e.EqtOption_Click();
    const std::string label = Hex4(0x1000 + round), variable = Hex2(round);
    ++round;
    for (int r = 1; r < e.LabelTable.Rows(); ++r) e.LabelTable.SetText(r, 2, label);
    for (int r = 1; r < e.VariableTable.Rows(); ++r) e.VariableTable.SetText(r, 2, variable);
    state.ResumeTiming();
    e.DoneButton_Click();
  }
}
BENCHMARK(BM_EquivalentsDone)->Apply(Sizes);

// Trash Unused Strings removing half of the strings: as many unused labels
// and variables again are added before each run.
void BM_TrashUnusedStrings(benchmark::State& state) {
  ToolSession s(static_cast<int>(state.range(0)), static_cast<int>(state.range(1)));
  SymbolLists& names = s.w.Symbols;
  for (auto _ : state) {
    state.PauseTiming();
    for (int i = 0; i < s.names; ++i) {
      names.AddLabel("u" + std::to_string(i));
      names.AddVariable("w" + std::to_string(i));
    }
    state.ResumeTiming();
    s.w.DeleteUnusedLabels_Click();
  }
}
BENCHMARK(BM_TrashUnusedStrings)->Apply(Sizes);

}  // namespace
}  // namespace parvix::bench

PARVIX_BENCHMARK_MAIN_WITH_QT()
