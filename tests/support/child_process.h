// The programs a test starts beside it (socat, cupsd) end with the test: a
// test stopped by a sanitizer report or a crash would otherwise leave them
// running, and one that shares the test's output keeps the test runner
// waiting for that output to close until the test's time is up.
#pragma once

#include <sys/prctl.h>

#include <QProcess>
#include <csignal>

namespace parvix::testing {

// Call before process.start(): the child is sent SIGTERM when the test ends.
inline void EndWithTheTest(QProcess& process) {
  process.setChildProcessModifier([] { ::prctl(PR_SET_PDEATHSIG, SIGTERM); });
}

}  // namespace parvix::testing
