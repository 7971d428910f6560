// A trainer at the far end of a pseudo-terminal: the program opens one end as its Comm port
// (PARVIX_COMMn); the trainer reads and writes the other with time limits. Either a socat
// pair, which keeps its ends up as either side opens and closes, or one pseudo-terminal
// whose master the trainer holds, so that nothing but the kernel's own buffers stands
// between the program and the trainer.
#pragma once

#include <fcntl.h>
#include <poll.h>
#include <stdlib.h>
#include <unistd.h>

#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>
#include <QThread>
#include <algorithm>
#include <chrono>
#include <future>
#include <string>
#include <string_view>

#include "support/kept_process.h"

namespace parvix::testing {

// Whether the trainer's side, run with std::async, has finished.
template <class T>
bool Ready(const std::future<T>& f) {
  return f.wait_for(std::chrono::seconds(0)) == std::future_status::ready;
}

class PtyTrainer {
 public:
  enum class Link { SocatPair, OnePty };

  // Sets up the link and opens the trainer's end; check ok() (and error()). The socat
  // pair's socat ends with the test program however it ends.
  explicit PtyTrainer(Link link = Link::SocatPair) {
    if (link == Link::OnePty) {
      fd_ = ::posix_openpt(O_RDWR | O_NOCTTY | O_NONBLOCK);
      if (fd_ < 0 || ::grantpt(fd_) != 0 || ::unlockpt(fd_) != 0 ||
          !QFile::link(QString::fromLocal8Bit(::ptsname(fd_)), programPath())) {
        error_ = "no pseudo-terminal for the trainer";
        if (fd_ >= 0) ::close(fd_);
        fd_ = -1;
      }
      return;
    }
    if (!StartKept(
            socat_, "socat",
            {"pty,raw,echo=0,link=" + programPath(), "pty,raw,echo=0,link=" + trainerPath()})) {
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
    StopKept(socat_);
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
  // What arrives until it ends with `end` or `timeoutMs` has passed, taken no faster than
  // `bytesPerSecond`, as a trainer reading at the line's speed: the rest waits in the pair.
  std::string ReadPacedUntil(std::string_view end, int bytesPerSecond, int timeoutMs) {
    using namespace std::chrono;
    const auto start = steady_clock::now();
    return ReadWhile([end](const std::string& got) { return !got.ends_with(end); }, timeoutMs,
                     [start, bytesPerSecond](size_t got) {
                       const auto ms = duration_cast<milliseconds>(steady_clock::now() - start);
                       const auto due = static_cast<size_t>(ms.count() * bytesPerSecond / 1000);
                       if (due > got) return due - got;
                       QThread::msleep(5);
                       return size_t{0};
                     });
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
    StopKept(socat_);
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
  // Reads while `more` says so, at most `room(bytes so far)` bytes at a time.
  template <class More, class Room = size_t (*)(size_t)>
  std::string ReadWhile(
      More more, int timeoutMs, Room room = [](size_t) { return size_t{4096}; }) {
    std::string got;
    using namespace std::chrono;
    const auto deadline = steady_clock::now() + milliseconds(timeoutMs);
    while (more(got)) {
      const auto left = duration_cast<milliseconds>(deadline - steady_clock::now()).count();
      if (left <= 0) break;
      char buffer[4096];
      const size_t want = std::min(sizeof buffer, room(got.size()));
      if (want == 0) continue;
      pollfd p{fd_, POLLIN, 0};
      if (::poll(&p, 1, static_cast<int>(left)) <= 0) continue;
      const ssize_t n = ::read(fd_, buffer, want);
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
