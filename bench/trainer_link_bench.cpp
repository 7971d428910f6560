// The trainer link over a real pseudo-terminal pair (socat), with the
// program's own QSerialPort code: the processor time the program uses while
// an upload waits 5 seconds for a silent trainer (the wait is event driven,
// so it should be close to none), and the time to download a 64 KiB memory
// image (4,096 records of 16 bytes) until the trainer has every byte.
#include <benchmark/benchmark.h>
#include <time.h>

#include <QEventLoop>
#include <QTimer>
#include <future>

#include "editor/startup.h"
#include "hextools/hex_records.h"
#include "qt_bench_main.h"
#include "support/pty_trainer.h"
#include "ui/host/qt_host.h"

namespace parvix::bench {
namespace {

using parvix::testing::PtyTrainer;

// The Qt host with its real timers and serial port, answering every
// question with OK and never showing a window.
class QuietHost : public ui::QtHost {
 public:
  int MsgBox(const std::string&, int) override { return kAnswerOk; }
  std::optional<FileChoice> ShowSaveDialog(const FileDialogRequest&) override { return {}; }
};

// A running session whose Comm1 is the program's end of a pty pair.
struct LinkedSession {
  PtyTrainer trainer;
  QuietHost host;
  Session session{host};
  ProgrammingPanel& w = session.Main;
  LinkedSession() {
    qputenv("PARVIX_COMM1", trainer.programPath().toLocal8Bit());
    host.onTimer = [this](TimerId id) { session.TimerFired(id); };
    session.Start();
    RunFor(100);
  }
  ~LinkedSession() {
    host.onTimer = nullptr;
    host.serialPort().onArrival = nullptr;
    host.serialPort().onAllSent = nullptr;
  }
  static void RunFor(int ms) {
    QEventLoop loop;
    QTimer::singleShot(ms, Qt::PreciseTimer, &loop, &QEventLoop::quit);
    loop.exec();
  }
  template <class Done>
  static void RunUntil(Done done, int timeoutMs) {
    for (int waited = 0; !done() && waited < timeoutMs; waited += 5) RunFor(5);
  }
};

bool Ready(const std::future<std::string>& f) {
  return f.wait_for(std::chrono::seconds(0)) == std::future_status::ready;
}

double ProcessCpuSeconds() {
  timespec t{};
  clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &t);
  return static_cast<double>(t.tv_sec) + static_cast<double>(t.tv_nsec) / 1e9;
}

void BM_SilentUploadWait(benchmark::State& state) {
  LinkedSession s;
  if (!s.trainer.ok()) {
    state.SkipWithError(s.trainer.error().c_str());
    return;
  }
  for (auto _ : state) {
    auto request = std::async(std::launch::async, [&s] { return s.trainer.ReadUntil("\r", 5000); });
    s.w.Link.UploadFile_Click();
    LinkedSession::RunUntil([&] { return Ready(request); }, 5000);
    if (request.get() != kUploadRequest || !s.w.Link.UploadWaiting()) {
      state.SkipWithError("the upload request did not arrive");
      return;
    }
    const double before = ProcessCpuSeconds();
    LinkedSession::RunFor(5000);
    const double used = ProcessCpuSeconds() - before;
    state.counters["cpu_ms"] = used * 1000.0;
    state.counters["cpu_percent_of_a_core"] = used / 5.0 * 100.0;
    s.w.TableCancelButton_Click();
  }
}
BENCHMARK(BM_SilentUploadWait)->Iterations(1)->Unit(benchmark::kSecond)->UseRealTime();

void BM_Download64KiB(benchmark::State& state) {
  LinkedSession s;
  if (!s.trainer.ok()) {
    state.SkipWithError(s.trainer.error().c_str());
    return;
  }
  std::vector<std::string> records;
  std::string expected;
  std::vector<std::uint8_t> bytes(16);
  for (int address = 0; address < 0x10000; address += 16) {
    for (int i = 0; i < 16; ++i) bytes[i] = static_cast<std::uint8_t>(address / 16 + i * 31);
    records.push_back(DataRecordText(address, bytes));
    expected += records.back();
  }
  records.push_back(kEndRecord);
  expected += kEndRecord;
  s.w.Hex.HexList = records;
  for (auto _ : state) {
    auto received = std::async(std::launch::async, [&s, n = expected.size()] {
      return s.trainer.ReadBytes(n, 60000);
    });
    s.w.Link.DownloadTimer_Timer();
    // Until the trainer has every byte and the program knows that it has.
    LinkedSession::RunUntil([&] { return Ready(received) && !s.w.Link.DownloadSending(); },
                            60000);
    if (received.get() != expected) {
      state.SkipWithError("the trainer did not receive the image byte for byte");
      return;
    }
    // The port lets its device go a little later.
    LinkedSession::RunUntil([&] { return !s.w.PortOpenFlag; }, 5000);
  }
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * expected.size()));
  state.counters["record_bytes"] = static_cast<double>(expected.size());
}
BENCHMARK(BM_Download64KiB)->Iterations(5)->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace
}  // namespace parvix::bench

PARVIX_BENCHMARK_MAIN_WITH_QT()
