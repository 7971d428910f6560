// Printing through the real windows, headless, into a PDF file (PARVIX_PRINT_PDF) read back with
// pdftotext; printer trouble; the print information window's counts; and the page layout on
// A4 and Letter paper.
#include <QAction>
#include <QDialogButtonBox>
#include <QFontMetricsF>
#include <QLabel>
#include <QPrinter>
#include <QPrinterInfo>
#include <QTemporaryDir>

#include "support/pdf_text.h"
#include "support/shell_fixture.h"
#include "ui/printing/page_layout.h"
#include "ui/printing/printer_job.h"

namespace parvix::ui {

class PrintPdfTest : public QObject, public ShellFixture {
  Q_OBJECT

 private:
  QTemporaryDir dir;
  QString pdf;

  // The sum of a table: two origins, placed labels, an unplaced one and a variable.
  void WriteProgram() {
    ProgrammingPanel& w = m();  // rows: label, mnemonic, opcode, comment, operand
    const char* const rows[][5] = {
        {"start", "LXI  H,  table", "21   XX   XX", "Point HL at the table.", "table"},
        {"", "MVI  C,  count", "0E   XX", "Number of bytes to add.", "count"},
        // Too long for the page: cut, and the other columns stay whole.
        {"", "XRA  A", "AF",
         "Clear the accumulator: XOR it with itself, which also clears the carry flag.", ""},
        {"loop", "ADD  M", "86", "Add the byte at HL.", ""},
        {"", "JNZ  loop", "C2   XX   XX", "Until all are added.", "loop"},
        {"", "STA  result", "32   XX   XX", "Keep the sum.", "result"},
        {"Origin", "", "", "", ""},
        {"table", "DFB  05", "05", "Data Byte.", ""},
    };
    const int columns[] = {kLabelColumn, kMnemonicColumn, kOpcodeColumn, kCommentColumn};
    int r = 1;
    for (const auto& row : rows) {
      for (int c = 0; c < 4; ++c) w.Table1.SetText(r, columns[c], row[c]);
      w.StringTable.SetText(r++, 0, row[4]);
    }
    w.Table1.SetText(7, kAddressColumn, "8100");
    for (const char* name : {"start", "table", "loop", "result"}) w.Symbols.AddLabel(name);
    w.Symbols.AddVariable("count", "05"), w.UsedRowCount = r, w.FileTitle = "sum.zvt";
  }
  // Every text is on the page, and `absent` is not.
  void pageHas(int page, std::initializer_list<const char*> texts, const char* absent) {
    const QString text = PdfPageText(pdf, page);
    for (const char* t : texts)
      QVERIFY2(text.contains(t),
               qPrintable(QString("page %1 lacks \"%2\" in: %3").arg(page).arg(t, text)));
    QVERIFY2(!text.contains(absent),
             qPrintable(QString("page %1 has \"%2\"").arg(page).arg(absent)));
  }
  // File > Print, its question answered; true once it ended and gave the window back (no busy
  // cursor).
  bool printEndsAndGivesTheWindowBack(QString* question) {
    AnswerNextBox(QMessageBox::Ok, question);
    window().action("PrintFile")->trigger();
    return QTest::qWaitFor([this] { return !m().Print.Running(); }, 15000) &&
           window().isEnabled() && !QApplication::overrideCursor();
  }

 private slots:
  void init() {
    QVERIFY(dir.isValid());
    pdf = dir.filePath("listing.pdf");
    qputenv("PARVIX_PRINT_PDF", pdf.toLocal8Bit());
    QVERIFY(StartShell());
    WriteProgram();
  }
  void cleanup() { StopShell(), qunsetenv("PARVIX_PRINT_PDF"); }

  void printsProgramAndEquivalentsPagesToPdf() {
    window().action("ViewPrintInfo")->trigger();  // its lines, strings and pages, as then printed
    PrintInfoWindow& info = shell->printInfoWindow;
    QTRY_VERIFY(info.isVisible());
    auto count = [&info](const char* name) { return info.findChild<QLabel*>(name)->text(); };
    QCOMPARE(
        count("ProgramLineLabel") + " " + count("StringsLabel") + " " + count("TotalPagesLabel"),
        QString("8 5 2"));
    info.findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok)->click();
    window().action("PrintComments")->trigger();
    QTest::keyClicks(find<QLineEdit>("PrintCommentText"), "Lab 4: sum of a table");
    find<QPushButton>("PrintCommentDoneButton")->click();
    QString question;
    QVERIFY(printEndsAndGivesTheWindowBack(&question));
    QVERIFY(question.startsWith("Check the default settings of the printer"));
    QVERIFY(QFile::exists(pdf) && !QFile::exists(pdf + ".part"));
    pageHas(1,
            {"QUENMAR COMPUTERS PVT LTD", "Page: 1 of 2", "sum.zvt", "Lab 4: sum of a table",
             "Label Addr Mnemonics Opcode Comments", "Origin 8000", "Origin 8100",
             "start 8000 LXI H, table 21 00 81 Point HL at the table.",
             "8005 XRA A AF Clear the accumulator", "loop 8006 ADD M 86 Add the byte at HL.",
             "JNZ loop C2 06 80 Until all are added.", "table 8100 DFB 05 05 Data Byte."},
            "EQUIVALENTS");
    pageHas(2,
            {"QUENMAR COMPUTERS PVT LTD", "EQUIVALENTS", "Page: 2 of 2", "sum.zvt",
             "Lab 4: sum of a table", "String Equivalent String Equivalent",
             "start 8000 table 8100 loop 8006 result XXXX", "count 05"},
            "JNZ");
    QCOMPARE(PdfPageText(pdf, 3), QString("<pdftotext failed>"));  // two pages, no more
  }

  // A file that cannot be written is a printer failure; no printer at all (or no print service
  // to ask) is told before the start.
  void printerTroubleIsToldAndTheWindowComesBack() {
    qputenv("PARVIX_PRINT_PDF", dir.filePath("no/such/folder/x.pdf").toLocal8Bit());
    QString failure;
    OnNextModal<QMessageBox>(
        [&failure](QMessageBox*) { AnswerNextBox(QMessageBox::Ok, &failure); });
    QVERIFY(printEndsAndGivesTheWindowBack(nullptr));
    QCOMPARE(failure, Q(PrinterFailedText(1)));
    QCOMPARE(find<QLabel>("TipsLabel")->text(), QString("Print aborted."));
    qunsetenv("PARVIX_PRINT_PDF");
    if (!QPrinterInfo::availablePrinterNames().isEmpty()) QSKIP("this machine has a printer");
    QVERIFY(printEndsAndGivesTheWindowBack(&failure));
    // Which of the two depends on whether this machine's print service runs.
    QVERIFY2(failure == Q(kNoPrinterText) || failure == Q(kNoPrintServiceText),
             qPrintable(failure));
  }

  // Both templates, full, fit the printable area of A4 and of Letter: the heading lines and the
  // grid stand one under another inside it, the rows are tall enough for their text, and every
  // text is whole but the comments too long for their column.
  void fullPagesFitA4AndLetterPaper() {
    ProgrammingPanel& w = m();
    for (int r = 9; r < 32; ++r) w.Table1.SetText(r, kMnemonicColumn, "MOV  M,  A");
    std::vector<std::string> names;
    std::vector<std::string> eqts;
    for (int i = 0; i < kEquivalentsPerPage; ++i) {
      names.push_back("name" + std::to_string(i));
      eqts.push_back("8000");
    }
    const PageHeader header{12, 12, "a-long-file-title-0123.zvt", "Lab 4: sum of a table"};
    const PrinterPage pages[] = {
        ComposeProgramPage(w.Table1, w.StringTable, 0, 31, w.ColWidthList, header, nullptr),
        ComposeEquivalentsPage(names, eqts, 0, w.Print.LabelColWidthList, header, nullptr)};
    for (QPageSize::PageSizeId paper : {QPageSize::A4, QPageSize::Letter}) {
      QPrinter printer(QPrinter::HighResolution);
      printer.setOutputFormat(QPrinter::PdfFormat);
      PrinterJob::SetPaper(printer, QPageSize(paper));
      const QRectF area = PrinterJob::PrintableArea(printer);
      for (const PrinterPage& page : pages) {
        const QString where =
            QPageSize::name(paper) + (page.title.empty() ? " program" : " equivalents");
        const PageLayout l = LayOutPage(page, area, printer);
        auto fits = [&](const QFont& font, const QString& text, const QRectF& box) {
          const QFontMetricsF metrics(font, &printer);
          return metrics.height() <= box.height() + 0.01 &&
                 metrics.horizontalAdvance(text) <= box.width();
        };
        QVERIFY2(fits(l.companyFont, Q(page.company), l.company) &&
                     fits(l.pageFont, "Page: 12 of 12", l.pageNumber) &&
                     fits(l.fileTitleFont, Q(page.fileTitle), l.fileTitle) &&
                     (page.title.empty() || fits(l.titleFont, Q(page.title), l.title)),
                 qPrintable(where));
        QVERIFY2(!l.company.intersects(l.pageNumber) && !l.fileTitle.intersects(l.title) &&
                     l.company.top() >= area.top() && l.company.bottom() <= l.fileTitle.top() &&
                     l.fileTitle.bottom() <= l.comment.top() && l.comment.bottom() <= l.ruleY &&
                     l.ruleY < l.gridTop,
                 qPrintable(where));
        QVERIFY2(l.GridBottom() <= area.bottom() && l.columnEdges.front() >= area.left() &&
                     l.columnEdges.back() <= area.right() + 0.01 &&
                     l.pageNumber.right() <= area.right() + 0.01,
                 qPrintable(where));
        const int wholeColumns = page.title.empty() ? kCommentColumn : page.Cols();
        for (int c = 0; c < wholeColumns; ++c) {
          const double room = 1.8 * l.padding;
          QVERIFY2(fits(l.headingFont, Q(page.columns[c].heading),
                        l.HeadingCell(c).adjusted(0, 0, -room, 0)),
                   qPrintable(where));
          for (int r = 0; r < page.Rows(); ++r) {
            QVERIFY2(fits(l.cellFont, Q(page.At(r, c).text), l.Cell(r, c).adjusted(0, 0, -room, 0)),
                     qPrintable(QString("%1 row %2 column %3").arg(where).arg(r).arg(c)));
          }
        }
      }
    }
  }
};

}  // namespace parvix::ui

QTEST_MAIN(parvix::ui::PrintPdfTest)
#include "print_pdf_test.moc"
