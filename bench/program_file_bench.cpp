// Program files of large programs: the whole Save (capture, text, safe write)
// and the whole Open (read, parse, table, origins, cursor), and the format's
// reader and writer alone, at 1,000, 10,000 and 70,000 rows.
#include <benchmark/benchmark.h>
#include <unistd.h>

#include <filesystem>

#include "base/text_file.h"
#include "bench_support.h"
#include "editor/program_file.h"

namespace parvix::bench {
namespace {

namespace fs = std::filesystem;

// A started session holding a program of `rows` rows, with a label every
// fourteen rows and a variable every hundred, saved to a temporary file.
struct SavedProgram : StartedSession {
  std::string path;
  explicit SavedProgram(int rows) {
    FillProgram(w, rows, rows / 14);
    for (int i = 0; i < rows / 100; ++i) w.Symbols.AddVariable("v" + std::to_string(i + 1), "XX");
    path = (fs::temp_directory_path() /
            ("parvix-bench-" + std::to_string(getpid()) + "-" + std::to_string(rows) + ".zvt"))
               .string();
    w.FilePath = path;
    w.FileTitle = "bench.zvt";
    w.FileState = FileSaved;
    w.SaveFile_Click();
  }
  ~SavedProgram() {
    std::error_code ec;
    fs::remove(path, ec);
  }
};

void BM_SaveFile(benchmark::State& state) {
  SavedProgram s(static_cast<int>(state.range(0)));
  for (auto _ : state) {
    s.w.ProgramChanged = true;
    s.w.SaveFile_Click();
    if (s.w.ProgramChanged) state.SkipWithError("save failed");
  }
  state.counters["bytes"] = static_cast<double>(fs::file_size(s.path));
}
BENCHMARK(BM_SaveFile)->Arg(1000)->Arg(10000)->Arg(70000)->Unit(benchmark::kMillisecond);

void BM_OpenFile(benchmark::State& state) {
  SavedProgram s(static_cast<int>(state.range(0)));
  for (auto _ : state) {
    if (!s.w.Open_File()) state.SkipWithError("open failed");
  }
  state.counters["rows"] = s.w.Table1.Rows();
}
BENCHMARK(BM_OpenFile)->Arg(1000)->Arg(10000)->Arg(70000)->Unit(benchmark::kMillisecond);

void BM_WriteProgramFileText(benchmark::State& state) {
  SavedProgram s(static_cast<int>(state.range(0)));
  const ProgramFileContent content = ReadProgramFile(*ReadFileBytes(s.path)).content;
  for (auto _ : state) benchmark::DoNotOptimize(WriteProgramFile(content));
}
BENCHMARK(BM_WriteProgramFileText)->Arg(70000)->Unit(benchmark::kMillisecond);

void BM_ReadProgramFileText(benchmark::State& state) {
  SavedProgram s(static_cast<int>(state.range(0)));
  const std::string bytes = *ReadFileBytes(s.path);
  for (auto _ : state) benchmark::DoNotOptimize(ReadProgramFile(bytes));
}
BENCHMARK(BM_ReadProgramFileText)->Arg(70000)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace parvix::bench

BENCHMARK_MAIN();
