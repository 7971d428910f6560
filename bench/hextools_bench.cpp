// Hex files of large programs: the whole Assemble command without its save
// dialog (checks, address assignment, staging, records), the staging and
// records alone, and reading hex files, at 1,000, 10,000 and 70,000 rows,
// plus reading the file of a full 64 KiB image.
#include <benchmark/benchmark.h>
#include <unistd.h>

#include <filesystem>

#include "base/text_file.h"
#include "bench_support.h"
#include "hextools/assembler.h"
#include "hextools/hex_records.h"

namespace parvix::bench {
namespace {

namespace fs = std::filesystem;

// A program of `rows` rows from origin 0000 that fits in 64 KiB: in every ten
// rows six one-byte lines (the first with a label), three comment lines and
// a jump to one of the labels, 63,000 bytes at 70,000 rows.
struct AssembledProgram : StartedSession {
  explicit AssembledProgram(int rows) {
    w.Table1.SetRows(rows + 10);
    w.StringTable.SetRows(rows + 10);
    w.Table1.SetText(0, kAddressColumn, "0000");
    for (int r = 1; r <= rows; ++r) {
      const int slot = r % 10;
      const std::string label = "a" + std::to_string(r / 10 + 1);
      if (slot == 1) {
        w.Symbols.AddLabel(label);
        w.Table1.SetText(r, kLabelColumn, label);
      }
      if (slot >= 1 && slot <= 6) {
        w.Table1.SetText(r, kMnemonicColumn, "NOP");
        w.Table1.SetText(r, kOpcodeColumn, "00");
      } else if (slot == 0) {
        const std::string target = "a" + std::to_string((r / 10) / 2 + 1);
        w.Table1.SetText(r, kMnemonicColumn, "JMP  " + target);
        w.Table1.SetText(r, kOpcodeColumn, "C3   XX   XX");
        w.StringTable.SetText(r, 0, target);
      } else {
        w.Table1.SetText(r, kCommentColumn, "A comment line.");
      }
    }
    w.UsedRowCount = rows + 1;
    w.Hex.AssembleFile_Click();
  }
};

void BM_AssembleFile(benchmark::State& state) {
  AssembledProgram p(static_cast<int>(state.range(0)));
  for (auto _ : state) {
    p.w.Hex.AssembleFile_Click();
    if (p.w.Hex.HexList.size() < 2) state.SkipWithError("assembling failed");
  }
  state.counters["records"] = static_cast<double>(p.w.Hex.HexList.size());
}
BENCHMARK(BM_AssembleFile)->Arg(1000)->Arg(10000)->Arg(70000)->Unit(benchmark::kMillisecond);

void BM_StageAndAssembleRecords(benchmark::State& state) {
  AssembledProgram p(static_cast<int>(state.range(0)));
  for (auto _ : state) {
    AssemblyResult result = AssembleRecords(StageProgram(p.w.Table1));
    benchmark::DoNotOptimize(result.records.data());
  }
}
BENCHMARK(BM_StageAndAssembleRecords)->Arg(1000)->Arg(10000)->Arg(70000)->Unit(benchmark::kMillisecond);

// Reads the file at `path` as the reading commands do.
void ReadHexFile(benchmark::State& state, const std::string& path) {
  size_t records = 0;
  for (auto _ : state) {
    const std::optional<std::string> bytes = ReadFileBytes(path);
    const HexReadResult read = ReadHexFileText(bytes.value_or(std::string()));
    if (read.status != HexReadResult::Status::Ok) state.SkipWithError("reading failed");
    records = read.records.size();
  }
  state.counters["records"] = static_cast<double>(records);
  std::error_code ec;
  fs::remove(path, ec);
}

std::string TempHexPath(const std::string& name) {
  return (fs::temp_directory_path() /
          ("parvix-bench-" + std::to_string(getpid()) + "-" + name + ".hex"))
      .string();
}

void BM_ReadAssembledFile(benchmark::State& state) {
  AssembledProgram p(static_cast<int>(state.range(0)));
  const std::string path = TempHexPath(std::to_string(state.range(0)));
  WriteFileReplacing(path, HexFileText(p.w.Hex.HexList));
  ReadHexFile(state, path);
}
BENCHMARK(BM_ReadAssembledFile)->Arg(1000)->Arg(10000)->Arg(70000)->Unit(benchmark::kMillisecond);

void BM_ReadFullImageFile(benchmark::State& state) {
  std::vector<std::string> records;
  std::vector<std::uint8_t> data(kMaxRecordBytes);
  for (int address = 0; address < 0x10000; address += kMaxRecordBytes) {
    for (int k = 0; k < kMaxRecordBytes; ++k) data[k] = static_cast<std::uint8_t>(address * 7 + k);
    records.push_back(DataRecordText(address, data));
  }
  records.push_back(kEndRecord);
  const std::string path = TempHexPath("image");
  WriteFileReplacing(path, HexFileText(records));
  ReadHexFile(state, path);
}
BENCHMARK(BM_ReadFullImageFile)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace parvix::bench

BENCHMARK_MAIN();
