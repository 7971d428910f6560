#include "ui/base/stop_signals.h"

#include <sys/socket.h>
#include <unistd.h>

#include <QCoreApplication>
#include <QSocketNotifier>
#include <cerrno>
#include <csignal>

namespace parvix::ui {

namespace {
// The handler writes the signal's number into one end; the event loop reads
// it from the other. Writing is all a signal handler may safely do here.
int wake[2] = {-1, -1};

void OnStopSignal(int signal) {
  const int saved = errno;
  const auto number = static_cast<unsigned char>(signal);
  // A full socket already holds a request to stop.
  [[maybe_unused]] const ssize_t written = write(wake[1], &number, 1);
  errno = saved;
}
}  // namespace

void QuitOnStopSignals() {
  if (wake[0] >= 0 ||
      socketpair(AF_UNIX, SOCK_STREAM | SOCK_NONBLOCK | SOCK_CLOEXEC, 0, wake) != 0) {
    return;
  }
  auto* notifier =
      new QSocketNotifier(wake[0], QSocketNotifier::Read, QCoreApplication::instance());
  QObject::connect(notifier, &QSocketNotifier::activated, [] {
    unsigned char number = 0;
    if (read(wake[0], &number, 1) == 1) QCoreApplication::exit(128 + number);
  });
  struct sigaction action = {};
  action.sa_handler = OnStopSignal;
  sigemptyset(&action.sa_mask);
  action.sa_flags = SA_RESTART | SA_RESETHAND;
  for (const int signal : {SIGTERM, SIGINT, SIGHUP}) {
    struct sigaction old = {};
    if (sigaction(signal, nullptr, &old) == 0 && old.sa_handler == SIG_IGN) continue;
    sigaction(signal, &action, nullptr);
  }
}

}  // namespace parvix::ui
