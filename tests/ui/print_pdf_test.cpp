// Printing through the real windows, headless, into a PDF file
// (PARVIX_PRINT_PDF): the print comment typed in its panel, File > Print with
// its question, the whole timer chain, and the pages read back with pdftotext.
// Also the print information window's counts.
//
// Set PARVIX_KEEP_PRINT_TEST_PDF to a path to keep a copy of the printed PDF.
#include <QAction>
#include <QApplication>
#include <QDialogButtonBox>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPrinterInfo>
#include <QPushButton>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

#include "support/pdf_text.h"
#include "support/shell_fixture.h"

namespace parvix::ui {

class PrintPdfTest : public QObject, public ShellFixture {
  Q_OBJECT

 private:
  QTemporaryDir dir;
  QString pdf;

  // Adds the sum-of-a-table program: two origins, placed labels, an
  // unplaced one and a variable.
  void WriteProgram() {
    ProgrammingPanel& w = m();
    struct Row {
      const char* label;
      const char* mnemonic;
      const char* code;
      const char* comment;
      const char* operand;
    };
    const Row rows[] = {
        {"start", "LXI  H,  table", "21   XX   XX", "Point HL at the table.", "table"},
        {"", "MVI  C,  count", "0E   XX", "Number of bytes to add.", "count"},
        // A comment too long for the page: it is cut, and the other columns
        // stay whole.
        {"", "XRA  A", "AF",
         "Clear the accumulator: XOR it with itself, which also clears the carry flag.", ""},
        {"loop", "ADD  M", "86", "Add the byte at HL.", ""},
        {"", "INX  H", "23", "Next byte.", ""},
        {"", "DCR  C", "0D", "One byte fewer to go.", ""},
        {"", "JNZ  loop", "C2   XX   XX", "Until all are added.", "loop"},
        {"", "STA  result", "32   XX   XX", "Keep the sum.", "result"},
        {"", "HLT", "76", "Halt.", ""},
    };
    int r = 1;
    for (const Row& row : rows) {
      w.Table1.SetText(r, kLabelColumn, row.label);
      w.Table1.SetText(r, kMnemonicColumn, row.mnemonic);
      w.Table1.SetText(r, kOpcodeColumn, row.code);
      w.Table1.SetText(r, kCommentColumn, row.comment);
      w.StringTable.SetText(r, 0, row.operand);
      ++r;
    }
    w.Table1.SetText(r, kLabelColumn, "Origin");
    w.Table1.SetText(r, kAddressColumn, "8100");
    ++r;
    w.Table1.SetText(r, kLabelColumn, "table");
    w.Table1.SetText(r, kMnemonicColumn, "DFB  05");
    w.Table1.SetText(r, kOpcodeColumn, "05");
    w.Table1.SetText(r, kCommentColumn, "Data Byte.");
    for (const char* name : {"start", "table", "loop", "result"}) w.Symbols.AddLabel(name);
    w.Symbols.AddVariable("count", "05");
    w.UsedRowCount = r + 1;
    w.FileTitle = "sum.zvt";
  }

  QString PageText(int page) { return PdfPageText(pdf, page); }

 private slots:
  void init() {
    QVERIFY(dir.isValid());
    pdf = dir.filePath("listing.pdf");
    qputenv("PARVIX_PRINT_PDF", pdf.toLocal8Bit());
    QVERIFY(StartShell());
  }
  void cleanup() {
    StopShell();
    qunsetenv("PARVIX_PRINT_PDF");
  }

  void printsProgramAndEquivalentsPagesToPdf() {
    QVERIFY2(!QStandardPaths::findExecutable("pdftotext").isEmpty(),
             "pdftotext is missing: install poppler-utils (tools/setup.sh test)");
    WriteProgram();

    // The comment, typed into its panel and accepted.
    window().action("PrintComments")->trigger();
    QVERIFY(find("PrintCommentBox")->isVisible());
    QTest::keyClicks(find<QLineEdit>("PrintCommentText"), "Lab 4: sum of a table");
    find<QPushButton>("PrintCommentDoneButton")->click();
    QVERIFY(!find("PrintCommentBox")->isVisible());

    OnNextModal([](QWidget* modal) {
      auto* box = qobject_cast<QMessageBox*>(modal);
      QVERIFY(box != nullptr);
      QVERIFY(box->text().startsWith("Check the default settings of the printer"));
      box->button(QMessageBox::Ok)->click();
    });
    window().action("PrintFile")->trigger();
    QVERIFY(m().Print.Running());
    QVERIFY(!window().isEnabled());
    QVERIFY(QTest::qWaitFor([this] { return !m().Print.Running(); }, 15000));
    QVERIFY(window().isEnabled());
    QVERIFY(QApplication::overrideCursor() == nullptr);
    QVERIFY(QFile::exists(pdf));
    QVERIFY(!QFile::exists(pdf + ".part"));
    if (const QString keep = qEnvironmentVariable("PARVIX_KEEP_PRINT_TEST_PDF"); !keep.isEmpty()) {
      QFile::remove(keep);
      QFile::copy(pdf, keep);
    }

    const QString one = PageText(1);
    for (const char* text :
         {"QUENMAR COMPUTERS PVT LTD", "Page: 1 of 2", "sum.zvt", "Lab 4: sum of a table",
          "Label Addr Mnemonics Opcode Comments", "Origin 8000",
          "start 8000 LXI H, table 21 00 81 Point HL at the table.",
          "8005 XRA A AF Clear the accumulator", "loop 8006 ADD M 86 Add the byte at HL.", "JNZ loop C2 06 80 Until all are added.",
          "800F HLT 76 Halt.", "Origin 8100", "table 8100 DFB 05 05 Data Byte."}) {
      QVERIFY2(one.contains(text), qPrintable(QString("page 1 lacks \"%1\" in: %2").arg(text, one)));
    }
    QVERIFY(!one.contains("EQUIVALENTS"));

    const QString two = PageText(2);
    for (const char* text :
         {"QUENMAR COMPUTERS PVT LTD", "EQUIVALENTS", "Page: 2 of 2", "sum.zvt",
          "Lab 4: sum of a table", "String Equivalent String Equivalent",
          "start 8000 table 8100 loop 8006 result XXXX", "count 05"}) {
      QVERIFY2(two.contains(text), qPrintable(QString("page 2 lacks \"%1\" in: %2").arg(text, two)));
    }
    QVERIFY(!two.contains("JNZ"));
    QCOMPARE(PageText(3), QString("<pdftotext failed>"));  // two pages, no more
  }

  // A file that cannot be written is a printer failure; no printer at all
  // (a headless machine has none) is told before anything starts.
  void printerTroubleIsToldAndTheWindowComesBack() {
    WriteProgram();
    qputenv("PARVIX_PRINT_PDF", dir.filePath("no/such/folder/x.pdf").toLocal8Bit());
    QString failure;
    OnNextModal([&failure](QWidget* modal) {
      auto* box = qobject_cast<QMessageBox*>(modal);
      QVERIFY(box != nullptr);
      box->button(QMessageBox::Ok)->click();
      OnNextModal([&failure](QWidget* next) {
        auto* box = qobject_cast<QMessageBox*>(next);
        QVERIFY(box != nullptr);
        failure = box->text();
        box->button(QMessageBox::Ok)->click();
      });
    });
    window().action("PrintFile")->trigger();
    QVERIFY(QTest::qWaitFor([this] { return !m().Print.Running(); }, 15000));
    QCOMPARE(failure, Q(PrinterFailedText(1)));
    QVERIFY(window().isEnabled());
    QVERIFY(QApplication::overrideCursor() == nullptr);
    QCOMPARE(find<QLabel>("TipsLabel")->text(), QString("Print aborted."));

    qunsetenv("PARVIX_PRINT_PDF");
    if (!QPrinterInfo::availablePrinterNames().isEmpty()) QSKIP("this machine has a printer");
    QString notice;
    OnNextModal([&notice](QWidget* modal) {
      auto* box = qobject_cast<QMessageBox*>(modal);
      QVERIFY(box != nullptr);
      notice = box->text();
      box->button(QMessageBox::Ok)->click();
    });
    window().action("PrintFile")->trigger();
    QCOMPARE(notice, Q(kNoPrinterText));
    QVERIFY(!m().Print.Running());
    QVERIFY(window().isEnabled());
  }

  void printInformationShowsTheCounts() {
    WriteProgram();
    window().action("ViewPrintInfo")->trigger();
    auto* info = shell->printInfoWindow.findChild<QLabel*>("ProgramLineLabel");
    QVERIFY(info != nullptr);
    QVERIFY(QTest::qWaitFor([this] { return shell->printInfoWindow.isVisible(); }, 3000));
    QVERIFY(shell->printInfoWindow.isModal());
    QCOMPARE(info->text(), QString("11"));
    QCOMPARE(shell->printInfoWindow.findChild<QLabel*>("StringsLabel")->text(), QString("5"));
    QCOMPARE(shell->printInfoWindow.findChild<QLabel*>("TotalPagesLabel")->text(), QString("2"));
    QCOMPARE(shell->printInfoWindow.windowTitle(), QString("Print Information"));
    shell->printInfoWindow.findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok)->click();
    QVERIFY(!shell->printInfoWindow.isVisible());
    QCOMPARE(m().EntryState, static_cast<int>(ProgramState));
  }
};

}  // namespace parvix::ui

QTEST_MAIN(parvix::ui::PrintPdfTest)
#include "print_pdf_test.moc"
