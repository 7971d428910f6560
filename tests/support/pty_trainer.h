// A trainer at the far end of a socat pseudo-terminal pair: the program opens one end as
// its Comm port (PARVIX_COMMn); the trainer reads and writes the other with time limits.
#pragma once

#include <fcntl.h>
#include <poll.h>
#include <unistd.h>

#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>
#include <QThread>
#include <chrono>
#include <future>
#include <string>
#include <string_view>

#include "support/child_process.h"

namespace parvix::testing {

// Whether the trainer's side, run with std::async, has finished.
template <class T>
bool Ready(const std::future<T>& f) {
  return f.wait_for(std::chrono::seconds(0)) == std::future_status::ready;
}

class PtyTrainer {
 public:
  // Starts socat and opens the trainer's end; check ok() (and error()).
  PtyTrainer() {
    EndWithTheTest(socat_);
    socat_.start("socat", {"pty,raw,echo=0,link=" + programPath(),
                           "pty,raw,echo=0,link=" + trainerPath()});
    if (!socat_.waitForStarted(5000)) {
      error_ = "socat did not start (tools/setup.sh test installs it)";
      return;
    }
    for (int i = 0; i < 250 && !(QFileInfo::exists(programPath()) &&
                                 QFileInfo::exists(trainerPath())); ++i) {
      QThread::msleep(20);
    }
    fd_ = ::open(trainerPath().toLocal8Bit().constData(), O_RDWR | O_NOCTTY | O_NONBLOCK);
    if (fd_ < 0) error_ = "the trainer's end of the pseudo-terminal pair did not open";
  }
  ~PtyTrainer() {
    if (fd_ >= 0) ::close(fd_);
    socat_.kill();
    socat_.waitForFinished(1000);
  }

  bool ok() const { return fd_ >= 0; }
  const std::string& error() const { return error_; }
  // The device path the program opens.
  QString programPath() const { return folder_.filePath("parvix"); }

  // What arrives until `count` bytes are in or `timeoutMs` has passed.
  std::string ReadBytes(size_t count, int timeoutMs) {
    return ReadWhile([count](const std::string& got) { return got.size() < count; }, timeoutMs);
  }
  // What arrives until it ends with `end` or `timeoutMs` has passed.
  std::string ReadUntil(std::string_view end, int timeoutMs) {
    return ReadWhile([end](const std::string& got) { return !got.ends_with(end); }, timeoutMs);
  }
  // Everything that arrives in `ms`.
  std::string ReadFor(int ms) {
    return ReadWhile([](const std::string&) { return true; }, ms);
  }
  // The trainer goes away, as when the cable is pulled: its end closes and the pair ends
  // (socat keeps the pair up after one end closes), so the program's end hangs up.
  void Leave() {
    if (fd_ >= 0) ::close(fd_);
    fd_ = -1;
    socat_.kill();
    socat_.waitForFinished(1000);
  }
  // Sends `text` in pieces of `piece` bytes with `pauseMs` between them.
  bool Send(std::string_view text, size_t piece = 4096, int pauseMs = 0) {
    for (size_t at = 0; at < text.size(); at += piece) {
      if (!WriteAll(text.substr(at, piece))) return false;
      if (pauseMs > 0 && at + piece < text.size()) QThread::msleep(pauseMs);
    }
    return true;
  }

 private:
  QString trainerPath() const { return folder_.filePath("trainer"); }
  template <class More>
  std::string ReadWhile(More more, int timeoutMs) {
    std::string got;
    using namespace std::chrono;
    const auto deadline = steady_clock::now() + milliseconds(timeoutMs);
    while (more(got)) {
      const auto left = duration_cast<milliseconds>(deadline - steady_clock::now()).count();
      if (left <= 0) break;
      pollfd p{fd_, POLLIN, 0};
      if (::poll(&p, 1, static_cast<int>(left)) <= 0) continue;
      char buffer[4096];
      const ssize_t n = ::read(fd_, buffer, sizeof buffer);
      if (n > 0) got.append(buffer, static_cast<size_t>(n));
      else QThread::msleep(5);  // the program's end is closed for now
    }
    return got;
  }
  bool WriteAll(std::string_view bytes) {
    while (!bytes.empty()) {
      const ssize_t n = ::write(fd_, bytes.data(), bytes.size());
      pollfd p{fd_, POLLOUT, 0};
      if (n > 0) bytes.remove_prefix(static_cast<size_t>(n));
      else if (::poll(&p, 1, 5000) <= 0) return false;
    }
    return true;
  }

  QTemporaryDir folder_;
  QProcess socat_;
  int fd_ = -1;
  std::string error_;
};

}  // namespace parvix::testing
