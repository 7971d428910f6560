// The simulator: the executor headless on a long loop (instructions per
// second), opening the watch window with a full 64 KiB hand-over, and one
// Execute click with the refresh of the Qt table models and the repaint.
#include <QApplication>
#include <benchmark/benchmark.h>

#include "qt_bench_main.h"
#include <string>
#include <utility>
#include <vector>

#include "bench_support.h"
#include "simulator/watch_window.h"
#include "ui/simulator/watch_window.h"

namespace parvix::bench {
namespace {

// A shift-and-add multiply of FF by FF in a loop that never ends: a mix of
// 16-bit adds, ALU, conditional and unconditional jumps and a store.
const std::vector<std::uint8_t> kMultiplyLoop = {
    0x21, 0x00, 0x00,  // 8000 LXI H,0000
    0x11, 0xFF, 0x00,  // 8003 LXI D,00FF
    0x3E, 0xFF,        // 8006 MVI A,FF
    0x06, 0x08,        // 8008 MVI B,08
    0x29,              // 800A DAD H
    0x87,              // 800B ADD A
    0xD2, 0x10, 0x80,  // 800C JNC 8010
    0x19,              // 800F DAD D
    0x05,              // 8010 DCR B
    0xC2, 0x0A, 0x80,  // 8011 JNZ 800A
    0x22, 0x00, 0x90,  // 8014 SHLD 9000
    0xC3, 0x00, 0x80,  // 8017 JMP 8000
};

void LoadLoop(Machine& m) {
  for (size_t i = 0; i < kMultiplyLoop.size(); ++i)
    m.write(static_cast<std::uint16_t>(0x8000 + i), kMultiplyLoop[i]);
  m.pc = 0x8000;
}

void BM_ExecutorHeadless(benchmark::State& state) {
  Machine m;
  LoadLoop(m);
  constexpr int kSteps = 1'000'000;
  for (auto _ : state) {
    for (int i = 0; i < kSteps; ++i) Step(m);
    benchmark::DoNotOptimize(m.reg);
  }
  state.counters["instructions/s"] =
      benchmark::Counter(static_cast<double>(state.iterations()) * kSteps,
                         benchmark::Counter::kIsRate);
}
BENCHMARK(BM_ExecutorHeadless)->Unit(benchmark::kMillisecond);

// The code texts of a program that fills all 64 KiB: three-byte rows.
std::vector<std::pair<int, std::string>> FullMemoryProgram() {
  std::vector<std::pair<int, std::string>> rows;
  for (int address = 0; address + 3 <= 0x10000; address += 3)
    rows.emplace_back(address, "21   34   12");
  rows.emplace_back(0xFFFF, "XX");
  return rows;
}

// The hand-over into a freshly set-up watch window.
void HandOverFresh(WatchWindowDialog& watch, const std::vector<std::pair<int, std::string>>& program) {
  watch.Form_Unload();
  watch.load();
  for (const auto& [address, code] : program) watch.writeCodeText(address, code);
}

void BM_OpenWatchWindowModel(benchmark::State& state) {
  NullHost host;
  const auto program = FullMemoryProgram();
  auto watch = std::make_unique<WatchWindowDialog>(host);
  for (auto _ : state) {
    HandOverFresh(*watch, program);
    benchmark::DoNotOptimize(watch->machine.memory.data());
  }
}
BENCHMARK(BM_OpenWatchWindowModel)->Unit(benchmark::kMillisecond);

// The same, with the Qt window built, shown and painted over the model.
void BM_OpenWatchWindowOnScreen(benchmark::State& state) {
  NullHost host;
  const auto program = FullMemoryProgram();
  auto watch = std::make_unique<WatchWindowDialog>(host);
  for (auto _ : state) {
    HandOverFresh(*watch, program);
    ui::WatchWindow window(*watch);
    window.show();
    QApplication::processEvents();
    window.repaint();
  }
}
BENCHMARK(BM_OpenWatchWindowOnScreen)->Unit(benchmark::kMillisecond);

// One click on Execute through the window: the instruction, the display of
// the next one, the table models' change signals, and (with arg 1) the repaint.
void BM_ExecuteClick(benchmark::State& state) {
  NullHost host;
  WatchWindowDialog watch(host);
  watch.load();
  LoadLoop(watch.machine);
  ui::WatchWindow window(watch);
  window.resize(1000, 640);
  window.show();
  QApplication::processEvents();
  window.Run([&] {
    for (int key : {8, 0, 0, 0}) watch.NUM_Click(key);
    watch.AcceptButton_Click();
  });
  const bool paint = state.range(0) != 0;
  for (auto _ : state) {
    window.Run([&] { watch.ExecuteButton_Click(); });
    if (paint) window.repaint();
  }
}
BENCHMARK(BM_ExecuteClick)->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace parvix::bench

PARVIX_BENCHMARK_MAIN_WITH_QT()
