// The disassembly dialog over a hex file of a full 64 KiB image: opening the
// dialog (the byte table filled and, on screen, shown and painted), marking
// every row with one drag, and Done to the finished program, headless and
// with the main window and the dialog on screen.
#include <QApplication>
#include <benchmark/benchmark.h>

#include <cstdint>
#include <string>
#include <vector>

#include "bench_support.h"
#include "hextools/hex_records.h"
#include "qt_bench_main.h"
#include "ui/editor/shell.h"

namespace parvix::bench {
namespace {

// 8192 units of 8 bytes fill memory: JMP to the next unit, MVI A, NOP, MOV,
// HLT; so every row is an instruction and every jump a label placed on a row.
std::vector<std::string> FullImageRecords() {
  std::vector<std::uint8_t> image;
  image.reserve(0x10000);
  for (int unit = 0; unit < 0x2000; ++unit) {
    const int target = ((unit + 1) * 8) & 0xFFFF;
    for (int byte : {0xC3, target & 0xFF, target >> 8, 0x3E, unit & 0xFF, 0x00, 0x78, 0x76})
      image.push_back(static_cast<std::uint8_t>(byte));
  }
  std::vector<std::string> records;
  for (size_t at = 0; at < image.size(); at += kMaxRecordBytes) {
    records.push_back(DataRecordText(static_cast<int>(at),
                                     std::span(image).subspan(at, kMaxRecordBytes)));
  }
  records.push_back(kEndRecord);
  return records;
}

void MarkAllMnemonic(DataDialog& d) {
  d.DataType_Click(1);
  d.DataTable_MouseDown(1);
  d.DataTable_MouseUp(d.DataTable.Rows() - 1);
}

// Done and the four steps, each delivered as its timer would be; `render`
// runs after each, as the host renders after every delivered timer.
template <class Session, class Render>
void RunBuild(Session& session, DataDialog& d, Render render) {
  d.DoneButton_Click();
  render();
  for (TimerId id : {TimerId::CheckTimer, TimerId::CopyTimer, TimerId::DisassembleTimer,
                     TimerId::CommentTimer}) {
    session.TimerFired(id);
    render();
  }
}

void BM_OpenDialogModel(benchmark::State& state) {
  StartedSession s;
  s.w.Hex.HexList = FullImageRecords();
  for (auto _ : state) {
    s.w.Disassembly.Form_Load();
    benchmark::DoNotOptimize(s.w.Disassembly.DataTable.Rows());
  }
}
BENCHMARK(BM_OpenDialogModel)->Unit(benchmark::kMillisecond);

void BM_DoneToProgramModel(benchmark::State& state) {
  StartedSession s;
  DataDialog& d = s.w.Disassembly;
  s.w.Hex.HexList = FullImageRecords();
  for (auto _ : state) {
    state.PauseTiming();
    d.Form_Load();
    MarkAllMnemonic(d);
    state.ResumeTiming();
    RunBuild(s.session, d, [] {});
    if (d.loaded) state.SkipWithError("the build did not finish");
  }
  state.counters["rows"] = s.w.UsedRowCount;
  state.counters["labels"] = static_cast<double>(s.w.Symbols.LabelCombo.size());
}
BENCHMARK(BM_DoneToProgramModel)->Unit(benchmark::kMillisecond);

// The real windows: one Shell for the whole run, its host's timers preempted
// by delivering each step directly.
ui::Shell& StartedShell() {
  static ui::Shell* shell = [] {
    auto* made = new ui::Shell;
    made->Start();
    made->session.TimerFired(TimerId::OpenTimer);
    made->RenderAll();
    QApplication::processEvents();
    return made;
  }();
  return *shell;
}

void OpenOnScreen(ui::Shell& shell) {
  shell.session.Main.Disassembly.Form_Load();
  shell.host.ShowWindow(WindowId::Disassembly);
  shell.RenderAll();
  QApplication::processEvents();
  shell.disassemblyDialog.repaint();
}

void BM_OpenDialogOnScreen(benchmark::State& state) {
  ui::Shell& shell = StartedShell();
  shell.session.Main.Hex.HexList = FullImageRecords();
  for (auto _ : state) {
    OpenOnScreen(shell);
    state.PauseTiming();
    shell.disassemblyDialog.Run([&] { shell.session.Main.Disassembly.CancelButton_Click(); });
    QApplication::processEvents();
    state.ResumeTiming();
  }
}
BENCHMARK(BM_OpenDialogOnScreen)->Unit(benchmark::kMillisecond);

// One drag over all 65,536 rows: the marking, the change signal, the repaint.
void BM_MarkEveryRowOnScreen(benchmark::State& state) {
  ui::Shell& shell = StartedShell();
  shell.session.Main.Hex.HexList = FullImageRecords();
  OpenOnScreen(shell);
  DataDialog& d = shell.session.Main.Disassembly;
  int option = 0;
  for (auto _ : state) {
    shell.disassemblyDialog.Run([&] {
      d.DataType_Click(option);
      d.DataTable_MouseDown(1);
      d.DataTable_MouseUp(d.DataTable.Rows() - 1);
    });
    shell.disassemblyDialog.repaint();
    option = 1 - option;
  }
  shell.disassemblyDialog.Run([&] { d.CancelButton_Click(); });
  QApplication::processEvents();
}
BENCHMARK(BM_MarkEveryRowOnScreen)->Unit(benchmark::kMillisecond);

void BM_DoneToProgramOnScreen(benchmark::State& state) {
  ui::Shell& shell = StartedShell();
  shell.session.Main.Hex.HexList = FullImageRecords();
  DataDialog& d = shell.session.Main.Disassembly;
  for (auto _ : state) {
    state.PauseTiming();
    OpenOnScreen(shell);
    MarkAllMnemonic(d);
    shell.RenderAll();
    state.ResumeTiming();
    // Rendered and painted after each step; the steps' own timers are not
    // let run, as each step is delivered here.
    RunBuild(shell.session, d, [&] {
      shell.RenderAll();
      shell.mainWindow.repaint();
      if (shell.disassemblyDialog.isVisible()) shell.disassemblyDialog.repaint();
    });
    state.PauseTiming();
    QApplication::processEvents();
    state.ResumeTiming();
    if (d.loaded) state.SkipWithError("the build did not finish");
  }
  state.counters["rows"] = shell.session.Main.UsedRowCount;
}
BENCHMARK(BM_DoneToProgramOnScreen)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace parvix::bench

PARVIX_BENCHMARK_MAIN_WITH_QT()
