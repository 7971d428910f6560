// The trainer's socat and the private print system's cupsd end with the test
// program that started them, however it ends: a test that crashes leaves
// neither running, nor a printer backend that cupsd was running, and ctest
// does not wait for them until its time limit. A second run of this program
// sets both up, starts a print job that stays in its backend, names every
// process below it, and is killed.
#include <signal.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QFile>
#include <QProcess>
#include <QProcessEnvironment>
#include <QTemporaryDir>
#include <QTest>
#include <cstdio>
#include <vector>

#include "support/private_cups.h"
#include "support/proc_table.h"
#include "support/pty_trainer.h"

namespace parvix::testing {
namespace {

const char kHoldFixtures[] = "--hold-fixtures";

// The second run: sets up a trainer and a print system with a job in its
// backend, writes "pid start name" for each process below it and then an empty
// line, and waits until its input ends or it is killed.
int HoldFixtures() {
  PtyTrainer trainer;
  PrivateCups cups;
  if (!trainer.ok() || !cups.ok()) {
    std::fprintf(stderr, "%s%s\n", trainer.error().c_str(), qPrintable(cups.error()));
    return 1;
  }
  // The first job's file is a pipe nobody reads, so its backend stays blocked.
  const QString document = cups.jobs() + "/document.pdf";
  QFile file(document);
  if (!file.open(QIODevice::WriteOnly) || file.write("%PDF-1.4\n%%EOF\n") < 0) return 1;
  file.close();
  QString failed = cups.AddDefaultQueue("held", "A4");
  if (failed.isEmpty() && ::mkfifo(qPrintable(cups.jobs() + "/job-1.pdf"), 0600) != 0)
    failed = "no pipe for the job";
  if (failed.isEmpty()) failed = cups.Admin("lp", {document});
  const auto backendRuns = [] {
    for (const ProcEntry& entry : Descendants(::getpid())) {
      if (entry.name == "capture" && entry.Running()) return true;
    }
    return false;
  };
  if (failed.isEmpty() && !QTest::qWaitFor(backendRuns, 10000))
    failed = "the job's backend did not start: " + cups.Log();
  if (!failed.isEmpty()) {
    std::fprintf(stderr, "%s\n", qPrintable(failed));
    return 1;
  }
  for (const ProcEntry& entry : Descendants(::getpid())) {
    if (entry.Running()) std::printf("%d %llu %s\n", entry.pid, entry.started, entry.name.c_str());
  }
  std::printf("\n");
  std::fflush(stdout);
  char discarded[256];
  while (::read(STDIN_FILENO, discarded, sizeof discarded) > 0) {
  }
  return 0;
}

}  // namespace

class FixtureProcessesTest : public QObject {
  Q_OBJECT

 private slots:
  void nothingStaysRunningWhenTheTestProgramIsKilled() {
    // The folders of the helper's fixtures, which its kill leaves behind.
    QTemporaryDir folders;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert("TMPDIR", folders.path());
    QProcess holder;
    holder.setProcessEnvironment(environment);
    holder.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    holder.start(QCoreApplication::applicationFilePath(), {kHoldFixtures});
    QByteArray listed;
    const QDeadlineTimer deadline(30000);
    while (!listed.endsWith("\n\n") && holder.waitForReadyRead(deadline.remainingTime()))
      listed += holder.readAllStandardOutput();
    holder.kill();
    holder.waitForFinished(5000);

    std::vector<ProcEntry> started;
    QStringList names;
    for (const QByteArray& line : listed.trimmed().split('\n')) {
      const QList<QByteArray> fields = line.split(' ');
      if (fields.size() != 3) continue;
      started.push_back(
          {fields[0].toInt(), 0, 'R', fields[1].toULongLong(), fields[2].toStdString()});
      names << fields[2];
    }
    const auto survivors = [&] {
      QStringList running;
      for (const ProcEntry& entry : started) {
        if (StillRunning(entry)) running << QString::number(entry.pid) + " " + entry.name.c_str();
      }
      return running;
    };
    const bool allEnded = QTest::qWaitFor([&] { return survivors().isEmpty(); }, 10000);
    const QString left = survivors().join(", ");
    for (const ProcEntry& entry : started) {
      if (StillRunning(entry)) ::kill(entry.pid, SIGKILL);
    }
    for (const char* name : {"socat", "cupsd", "capture"})
      QVERIFY2(names.contains(name), qPrintable("not started: " + QString(name)));
    QVERIFY2(allEnded, qPrintable("still running: " + left));
  }
};

}  // namespace parvix::testing

int main(int argc, char** argv) {
  QCoreApplication app(argc, argv);
  if (app.arguments().contains(parvix::testing::kHoldFixtures))
    return parvix::testing::HoldFixtures();
  parvix::testing::FixtureProcessesTest test;
  return QTest::qExec(&test, argc, argv);
}

#include "fixture_processes_test.moc"
