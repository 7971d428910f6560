// Printing on large programs: composing one program page (a full one in the
// middle of the program), one equivalents page, counting rows, pages and strings for the
// run, and drawing a composed page into an image the size of a printed page.
#include <QImage>
#include <QPainter>
#include <benchmark/benchmark.h>

#include "qt_bench_main.h"

#include "bench_support.h"
#include "printing/page_composition.h"
#include "ui/printing/page_renderer.h"

namespace parvix::bench {
namespace {

struct PrintSession : StartedSession {
  explicit PrintSession(int rows) {
    FillProgram(w, rows, rows / 14);
    for (int i = 0; i < rows / 14; ++i) w.Symbols.AddVariable("v" + std::to_string(i + 1));
  }
  PageHeader header{1, 1, "big.zvt", "A long program"};
};

void BM_ComposeProgramPage(benchmark::State& state) {
  const int rows = static_cast<int>(state.range(0));
  PrintSession s(rows);
  const int first = rows / 2 / kProgramPageRows * kProgramPageRows;  // a full page
  for (auto _ : state) {
    int filled = 0;
    benchmark::DoNotOptimize(ComposeProgramPage(s.w.Table1, s.w.StringTable, first, rows,
                                                s.w.ColWidthList, s.header, &filled));
  }
}
BENCHMARK(BM_ComposeProgramPage)->Arg(1000)->Arg(10000)->Arg(70000)->Unit(benchmark::kMicrosecond);

void BM_ComposeEquivalentsPage(benchmark::State& state) {
  PrintSession s(static_cast<int>(state.range(0)));
  const PrintCounts counts = CountPrint(s.w.Table1, s.w.Symbols);
  const int first = static_cast<int>(counts.PrintStrings.size()) / 2;
  for (auto _ : state) {
    int filled = 0;
    benchmark::DoNotOptimize(ComposeEquivalentsPage(counts.PrintStrings, counts.PrintEqtList, first,
                                                    s.w.Print.LabelColWidthList, s.header,
                                                    &filled));
  }
}
BENCHMARK(BM_ComposeEquivalentsPage)->Arg(70000)->Unit(benchmark::kMicrosecond);

// The whole-program step of a run (and of the print information).
void BM_CountPrint(benchmark::State& state) {
  PrintSession s(static_cast<int>(state.range(0)));
  for (auto _ : state) benchmark::DoNotOptimize(CountPrint(s.w.Table1, s.w.Symbols));
}
BENCHMARK(BM_CountPrint)->Arg(1000)->Arg(10000)->Arg(70000)->Unit(benchmark::kMicrosecond);

// One A4 page at 150 dots per inch.
void BM_DrawProgramPage(benchmark::State& state) {
  PrintSession s(1000);
  int filled = 0;
  const PrinterPage page =
      ComposeProgramPage(s.w.Table1, s.w.StringTable, 0, 1000, s.w.ColWidthList, s.header, &filled);
  QImage image(1240, 1754, QImage::Format_RGB32);
  image.setDotsPerMeterX(5906);
  image.setDotsPerMeterY(5906);
  for (auto _ : state) {
    image.fill(Qt::white);
    QPainter painter(&image);
    ui::DrawPage(painter, QRectF(70, 70, 1100, 1614), page);
  }
}
BENCHMARK(BM_DrawProgramPage)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace parvix::bench

PARVIX_BENCHMARK_MAIN_WITH_QT()
