// Printing through a real print queue, the default printer of a private cupsd
// (support/private_cups.h) that keeps each job it prints as a PDF file: the
// queue's paper or the user's own, a queue that does not take jobs, and a
// printer removed while the pages are drawn; and the program stopped by a
// signal while its job is spooled.
#include <QLabel>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTimer>
#include <memory>
#include <tuple>

#include "support/pdf_text.h"
#include "support/private_cups.h"
#include "support/shell_fixture.h"
#include "ui/base/stop_signals.h"

namespace parvix::ui {

using testing::PrivateCups;

class PrintQueueTest : public QObject, public ShellFixture {
  Q_OBJECT

 private:
  std::unique_ptr<PrivateCups> cups;
  const char* const kQueue = "bench";
  // Set in the environment of this program run again as a child process,
  // which prints on the parent's print system until it is stopped.
  static constexpr const char* kChild = "PARVIX_TEST_PRINTING_CHILD";
  static bool isChild() { return qEnvironmentVariableIsSet(kChild); }

  // The page size pdfinfo reads from a printed job.
  static QString PageSize(const QString& pdf) {
    QProcess p;
    p.start("pdfinfo", {pdf});
    p.waitForFinished(10000);
    for (const QString& line : QString::fromUtf8(p.readAllStandardOutput()).split('\n')) {
      if (line.startsWith("Page size:")) return line.mid(10).simplified();
    }
    return "<no page size>";
  }
  // File > Print, its first box (the question, or a refusal instead of it)
  // answered with OK and its text put in `box`. True once the run is over
  // and the window is given back.
  bool print(QString* box) {
    AnswerNextBox(QMessageBox::Ok, box);
    window().action("PrintFile")->trigger();
    return QTest::qWaitFor([this] { return !m().Print.Running(); }, 15000) &&
           window().isEnabled() && !QApplication::overrideCursor();
  }
  // The queue takes jobs again, on the given paper.
  void readyQueue(const QString& paper) {
    for (const char* command : {"cupsaccept", "cupsenable"})
      QCOMPARE(cups->Admin(command, {kQueue}), QString());
    QCOMPARE(cups->Admin("lpadmin", {"-p", kQueue, "-o", "PageSize=" + paper}), QString());
  }

 private slots:
  void initTestCase() {
    if (isChild()) return;
    cups = std::make_unique<PrivateCups>();
    QVERIFY2(cups->ok(), qPrintable(cups->error()));
    QCOMPARE(cups->AddDefaultQueue(kQueue, "Letter"), QString());
  }
  void cleanupTestCase() { cups.reset(); }
  void init() {
    QVERIFY(StartShell());
    // 32 rows: the page's grid is full; its last row has a comment.
    for (int r = 1; r < 32; ++r) m().Table1.SetText(r, kMnemonicColumn, "NOP");
    m().Table1.SetText(31, kCommentColumn, "Last row of the page.");
    m().UsedRowCount = 32;
  }
  void cleanup() {
    StopShell();
    if (cups) cups->SetUserOptions(kQueue, QString());
  }

  void printsOnThePaperTheQueueIsSetTo() {
    for (const auto& [paper, size] :
         {std::pair<QString, QString>{"Letter", "612 x 792 pts (letter)"},
          {"A4", "595 x 842 pts (A4)"}}) {
      readyQueue(paper);
      const int before = cups->JobFiles().size();
      QString box;
      QVERIFY(print(&box));
      QVERIFY2(box.startsWith("Check the default settings"), qPrintable(box));
      QVERIFY2(QTest::qWaitFor([&] { return cups->JobFiles().size() == before + 1; }, 10000),
               qPrintable(cups->Log()));
      const QString job = cups->jobs() + "/" + cups->JobFiles().last();
      QCOMPARE(PageSize(job), size);
      const QString text = PdfPageText(job, 1);
      QVERIFY2(text.contains("Page: 1 of 1") && text.contains("NOP Last row of the page."),
               qPrintable(text));
    }
  }

  // The user's own options for the queue (lpoptions) set another paper than
  // the queue's: the job goes out on the paper its pages were laid out for,
  // not scaled or cut to the queue's, and with the user's other options.
  void printsOnTheUsersPaperAndOptionsWhenTheyDifferFromTheQueues() {
    for (const auto& [queuePaper, userPaper, size] :
         {std::tuple<QString, QString, QString>{"A4", "Letter", "612 x 792 pts (letter)"},
          {"Letter", "A4", "595 x 842 pts (A4)"}}) {
      readyQueue(queuePaper);
      cups->SetUserOptions(kQueue, "media=" + userPaper + " sides=two-sided-long-edge");
      const int before = cups->JobFiles().size();
      QVERIFY(print(nullptr));
      QVERIFY2(QTest::qWaitFor([&] { return cups->JobFiles().size() == before + 1; }, 10000),
               qPrintable(cups->Log()));
      const QString job = cups->jobs() + "/" + cups->JobFiles().last();
      QCOMPARE(PageSize(job), size);
      QFile file(job.chopped(4) + ".options");
      QVERIFY(file.open(QIODevice::ReadOnly));
      const QStringList options =
          QString::fromUtf8(file.readAll()).split(QRegularExpression("\\s+"));
      QVERIFY2(options.contains("PageSize=" + userPaper) &&
                   options.contains("sides=two-sided-long-edge"),
               qPrintable(options.join(' ')));
    }
  }

  // A queue that refuses jobs, or has stopped: told before anything is asked
  // or printed, and the window stays usable.
  void queueThatDoesNotTakeJobsIsToldBeforeTheRun() {
    for (const char* command : {"cupsreject", "cupsdisable"}) {
      readyQueue("A4");
      QCOMPARE(cups->Admin(command, {kQueue}), QString());
      const int jobs = cups->JobsTaken();
      const QString tips = find<QLabel>("TipsLabel")->text();
      QString box;
      QVERIFY(print(&box));
      QCOMPARE(box, Q(kPrinterRefusesText));
      QCOMPARE(find<QLabel>("TipsLabel")->text(), tips);  // no run began
      QCOMPARE(cups->JobsTaken(), jobs);
    }
  }

  // No printer, and no print service running, are each told as they are,
  // before anything is asked or printed.
  void missingPrinterAndSilentPrintServiceAreToldApart() {
    QCOMPARE(cups->Admin("lpadmin", {"-x", kQueue}), QString());
    QString box;
    bool ended = print(&box);
    QCOMPARE(cups->AddDefaultQueue(kQueue, "A4"), QString());
    QVERIFY(ended);
    QCOMPARE(box, Q(kNoPrinterText));
    cups->SetAnswering(false);
    ended = print(&box);
    cups->SetAnswering(true);
    QVERIFY(ended);
    QCOMPARE(box, Q(kNoPrintServiceText));
  }

  // The program is stopped (SIGTERM: killed, or the session ends) while the
  // pages are spooled: it ends as it ends otherwise, and its spool file in
  // the temporary folder goes with it.
  void stoppedDuringTheRunLeavesNoSpoolFile() {
    if (isChild()) {
      QuitOnStopSignals();
      // Everything runs inside the event loop, as in main(): a signal taken
      // in the question's own loop ends that loop and the program's.
      QTimer::singleShot(0, this, [this] {
        AnswerNextBox(QMessageBox::Ok);
        window().action("PrintFile")->trigger();
      });
      QApplication::exec();  // until the signal ends it
      return;
    }
    readyQueue("A4");
    QTemporaryDir temp;
    QProcess child;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(kChild, "1");
    env.insert("TMPDIR", temp.path());
    env.insert("QTEST_DISABLE_STACK_DUMP", "1");
    child.setProcessEnvironment(env);
    child.setProcessChannelMode(QProcess::MergedChannels);
    child.start(QCoreApplication::applicationFilePath(), {QTest::currentTestFunction()});
    // The print system's client may put files of its own there too (a
    // printer description it fetches): only the job's spool file counts.
    auto spooled = [&temp] {
      return QDir(temp.path()).entryList({"parvix-print-*"}, QDir::Files);
    };
    QVERIFY2(QTest::qWaitFor([&] { return !spooled().isEmpty(); }, 15000),
             child.readAll().constData());
    child.terminate();
    QVERIFY2(child.waitForFinished(10000), child.readAll().constData());
    QVERIFY2(spooled().isEmpty(), qPrintable(spooled().join(' ') + "\n" + child.readAll()));
  }

  // The printer goes away after the first page is drawn: the job is not
  // taken, and the user is told so instead of the run ending as printed.
  void printerRemovedDuringTheRunFailsTheJob() {
    readyQueue("A4");
    QString box;
    OnNextModal<QMessageBox>([&box](QMessageBox* question) {
      AnswerNextBox(QMessageBox::Ok, &box);
      question->button(QMessageBox::Ok)->click();
    });
    window().action("PrintFile")->trigger();
    QVERIFY(QTest::qWaitFor([this] { return m().Print.PageNumber == 2; }, 15000));
    QCOMPARE(cups->Admin("lpadmin", {"-x", kQueue}), QString());
    QVERIFY(QTest::qWaitFor([this] { return !m().Print.Running(); }, 15000));
    QCOMPARE(box, Q(kPrintJobFailedText));
    QCOMPARE(find<QLabel>("TipsLabel")->text(), QString("Print aborted."));
    QVERIFY(window().isEnabled() && !QApplication::overrideCursor());
    QCOMPARE(cups->AddDefaultQueue(kQueue, "A4"), QString());
  }
};

}  // namespace parvix::ui

QTEST_MAIN(parvix::ui::PrintQueueTest)
#include "print_queue_test.moc"
