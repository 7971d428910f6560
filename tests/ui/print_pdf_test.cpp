// Printing through the real windows, headless, into a PDF file
// (PARVIX_PRINT_PDF): the print comment, File > Print with its question, the
// timer chain, and the pages read back with pdftotext; printer trouble; and
// the print information window's counts.
#include <QAction>
#include <QDialogButtonBox>
#include <QLabel>
#include <QPrinterInfo>
#include <QStandardPaths>
#include <QTemporaryDir>

#include "support/pdf_text.h"
#include "support/shell_fixture.h"

namespace parvix::ui {

class PrintPdfTest : public QObject, public ShellFixture {
  Q_OBJECT

 private:
  QTemporaryDir dir;
  QString pdf;

  // The sum of a table: two origins, placed labels, an unplaced one and a
  // variable. Rows: label, mnemonic, opcode, comment, operand.
  void WriteProgram() {
    ProgrammingPanel& w = m();
    const char* const rows[][5] = {
        {"start", "LXI  H,  table", "21   XX   XX", "Point HL at the table.", "table"},
        {"", "MVI  C,  count", "0E   XX", "Number of bytes to add.", "count"},
        // Too long for the page: cut, and the other columns stay whole.
        {"", "XRA  A", "AF",
         "Clear the accumulator: XOR it with itself, which also clears the carry flag.", ""},
        {"loop", "ADD  M", "86", "Add the byte at HL.", ""},
        {"", "INX  H", "23", "Next byte.", ""},
        {"", "DCR  C", "0D", "One byte fewer to go.", ""},
        {"", "JNZ  loop", "C2   XX   XX", "Until all are added.", "loop"},
        {"", "STA  result", "32   XX   XX", "Keep the sum.", "result"},
        {"", "HLT", "76", "Halt.", ""},
        {"Origin", "", "", "", ""},
        {"table", "DFB  05", "05", "Data Byte.", ""},
    };
    const int columns[] = {kLabelColumn, kMnemonicColumn, kOpcodeColumn, kCommentColumn};
    int r = 1;
    for (const auto& row : rows) {
      for (int c = 0; c < 4; ++c) w.Table1.SetText(r, columns[c], row[c]);
      w.StringTable.SetText(r++, 0, row[4]);
    }
    w.Table1.SetText(10, kAddressColumn, "8100");
    for (const char* name : {"start", "table", "loop", "result"}) w.Symbols.AddLabel(name);
    w.Symbols.AddVariable("count", "05");
    w.UsedRowCount = r;
    w.FileTitle = "sum.zvt";
  }

  // Every text is on the page.
  void pageHas(int page, std::initializer_list<const char*> texts) {
    const QString text = PdfPageText(pdf, page);
    for (const char* t : texts) {
      QVERIFY2(text.contains(t), qPrintable(QString("page %1 lacks \"%2\" in: %3").arg(page).arg(t, text)));
    }
  }

 private slots:
  void init() {
    QVERIFY(dir.isValid());
    pdf = dir.filePath("listing.pdf");
    qputenv("PARVIX_PRINT_PDF", pdf.toLocal8Bit());
    QVERIFY(StartShell());
    WriteProgram();
  }
  void cleanup() {
    StopShell();
    qunsetenv("PARVIX_PRINT_PDF");
  }

  void printsProgramAndEquivalentsPagesToPdf() {
    QVERIFY2(!QStandardPaths::findExecutable("pdftotext").isEmpty(),
             "pdftotext is missing: install poppler-utils (tools/setup.sh test)");
    window().action("PrintComments")->trigger();
    QTest::keyClicks(find<QLineEdit>("PrintCommentText"), "Lab 4: sum of a table");
    find<QPushButton>("PrintCommentDoneButton")->click();
    QVERIFY(!find("PrintCommentBox")->isVisible());

    QString question;
    AnswerNextBox(QMessageBox::Ok, &question);
    window().action("PrintFile")->trigger();
    QVERIFY(question.startsWith("Check the default settings of the printer"));
    QVERIFY(m().Print.Running());
    QVERIFY(!window().isEnabled());
    QVERIFY(QTest::qWaitFor([this] { return !m().Print.Running(); }, 15000));
    QVERIFY(window().isEnabled());
    QVERIFY(QApplication::overrideCursor() == nullptr);
    QVERIFY(QFile::exists(pdf));
    QVERIFY(!QFile::exists(pdf + ".part"));

    pageHas(1, {"QUENMAR COMPUTERS PVT LTD", "Page: 1 of 2", "sum.zvt", "Lab 4: sum of a table",
                "Label Addr Mnemonics Opcode Comments", "Origin 8000", "Origin 8100",
                "start 8000 LXI H, table 21 00 81 Point HL at the table.",
                "8005 XRA A AF Clear the accumulator", "loop 8006 ADD M 86 Add the byte at HL.",
                "JNZ loop C2 06 80 Until all are added.", "800F HLT 76 Halt.",
                "table 8100 DFB 05 05 Data Byte."});
    QVERIFY(!PdfPageText(pdf, 1).contains("EQUIVALENTS"));
    pageHas(2, {"QUENMAR COMPUTERS PVT LTD", "EQUIVALENTS", "Page: 2 of 2", "sum.zvt",
                "Lab 4: sum of a table", "String Equivalent String Equivalent",
                "start 8000 table 8100 loop 8006 result XXXX", "count 05"});
    QVERIFY(!PdfPageText(pdf, 2).contains("JNZ"));
    QCOMPARE(PdfPageText(pdf, 3), QString("<pdftotext failed>"));  // two pages, no more
  }

  // A file that cannot be written is a printer failure; no printer at all
  // (a headless machine has none) is told before anything starts.
  void printerTroubleIsToldAndTheWindowComesBack() {
    qputenv("PARVIX_PRINT_PDF", dir.filePath("no/such/folder/x.pdf").toLocal8Bit());
    QString failure;
    OnNextModal<QMessageBox>([&failure](QMessageBox* box) {
      box->button(QMessageBox::Ok)->click();
      AnswerNextBox(QMessageBox::Ok, &failure);
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
    AnswerNextBox(QMessageBox::Ok, &notice);
    window().action("PrintFile")->trigger();
    QCOMPARE(notice, Q(kNoPrinterText));
    QVERIFY(!m().Print.Running());
    QVERIFY(window().isEnabled());
  }

  void printInformationShowsTheCounts() {
    window().action("ViewPrintInfo")->trigger();
    PrintInfoWindow& info = shell->printInfoWindow;
    QVERIFY(QTest::qWaitFor([&info] { return info.isVisible(); }, 3000));
    QVERIFY(info.isModal());
    QCOMPARE(info.findChild<QLabel*>("ProgramLineLabel")->text(), QString("11"));
    QCOMPARE(info.findChild<QLabel*>("StringsLabel")->text(), QString("5"));
    QCOMPARE(info.findChild<QLabel*>("TotalPagesLabel")->text(), QString("2"));
    info.findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok)->click();
    QVERIFY(!info.isVisible());
    QCOMPARE(m().EntryState, static_cast<int>(ProgramState));
  }
};

}  // namespace parvix::ui

QTEST_MAIN(parvix::ui::PrintPdfTest)
#include "print_pdf_test.moc"
