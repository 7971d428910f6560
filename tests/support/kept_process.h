// Programs a test fixture keeps running (socat, cupsd) start under the process
// keeper (support/keeper), which ends each of them, and everything it started,
// when the test program ends, however it ends. Otherwise a crashing test would
// leave them running, holding ctest's output open until its time limit.
#pragma once

#include <QProcess>
#include <QStandardPaths>
#include <QString>
#include <QStringList>

namespace parvix::testing {

// Starts `program` with `arguments` under the keeper in `process`. False when
// the program is not there to run or the keeper did not start.
inline bool StartKept(QProcess& process, const QString& program, const QStringList& arguments) {
  if (QStandardPaths::findExecutable(program).isEmpty()) return false;
  process.start(PARVIX_PROCESS_KEEPER, QStringList{program} + arguments);
  return process.waitForStarted(5000);
}

// Ends a kept program with everything it started, and waits until it has.
inline void StopKept(QProcess& process) {
  if (process.state() == QProcess::NotRunning) return;
  process.terminate();
  if (process.waitForFinished(5000)) return;
  process.kill();  // the program dies with the keeper; what it started may not
  process.waitForFinished(1000);
}

}  // namespace parvix::testing
