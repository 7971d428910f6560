// The print run on the recording printer, from the question to every way it ends.
#include <vector>

#include "printing/print_fixture.h"

namespace parvix::testing {
namespace {

using PrintRunTest = PrintFixture;

TEST_F(PrintRunTest, ProgramPagesHold32RowsUpToTheLastUsedRow) {
  // Rows 0 to last with text: 31, 32 and 33 rows; a comment alone counts.
  for (const auto& [last, pages] : std::vector<std::pair<int, int>>{{30, 1}, {31, 1}, {32, 2}}) {
    host.printed.clear();
    w.New_File();
    Rows(last - 1);
    SetRow(last, "", "");
    w.Table1.SetText(last, kCommentColumn, "end");
    RunPrint();
    ASSERT_EQ(static_cast<int>(host.printed.size()), pages) << last;
    EXPECT_EQ(host.printed.back().totalPages, pages);
    EXPECT_EQ(host.printed.back().At(last % 32, kCommentColumn).text, "end") << last;
  }
}

TEST_F(PrintRunTest, EquivalentsPagesHold120StringsLabelsFirst) {
  Rows(2);
  SetRow(1, "NOP", "00", "a1");  // placed: gets its address from the run
  Strings(119, 1);
  RunPrint();
  ASSERT_EQ(host.printed.size(), 2u);
  const PrinterPage& eqt = host.printed[1];
  ASSERT_EQ(eqt.Rows(), 30);
  // Four pairs to a row, the gap columns empty.
  EXPECT_EQ(eqt.At(0, 1).text, "8000");
  EXPECT_EQ(eqt.At(0, 4).text, "XXXX");
  EXPECT_EQ(eqt.At(1, 0).text, "a5");
  EXPECT_EQ(eqt.At(29, 10).text, "XX");  // entry 120, the variable, closes the page
}

TEST_F(PrintRunTest, AsksThenPrintsWithOriginsLabelsAndNamedOperandsShaded) {
  SetRow(1, "JMP  loop", "C3   XX   XX", "loop", "loop");
  SetRow(2, "NOP", "00");
  SetRow(3, "MVI  A,  v1", "3E   XX", "", "v1");
  w.Symbols.AddLabel("loop");
  w.Symbols.AddVariable("v1");
  host.answers.push_back(kAnswerOk);
  w.Print.PrintFile_Click();
  ASSERT_EQ(host.boxes.size(), 1u);
  EXPECT_EQ(host.boxes[0].text,
            "Check the default settings of the printer and click 'OK' to print. To cancel "
            "print, click 'Cancel'");
  EXPECT_FALSE(host.enabled[WindowId::Main]);
  FireChain();
  ASSERT_EQ(host.printed.size(), 2u);
  const PrinterPage& page = host.printed[0];
  EXPECT_EQ(page.totalPages, 2);
  EXPECT_EQ(page.fileTitle, "Pgm1.zvt");
  ASSERT_EQ(page.Cols(), 5);
  EXPECT_EQ(page.At(0, 0).text, "Origin");
  EXPECT_EQ(page.At(0, 1).text, "8000");
  const bool shaded[4][5] = {{1, 1, 1, 1, 1}, {1, 0, 1, 0, 0}, {0, 0, 0, 0, 0}, {0, 0, 1, 0, 0}};
  for (int r = 0; r <= 3; ++r)
    for (int c = 0; c < 5; ++c) EXPECT_EQ(page.At(r, c).shaded, shaded[r][c]) << r << c;
  EXPECT_EQ(page.At(1, kOpcodeColumn).text, "C3   00   80");  // the run's addresses
  ExpectWindowGivenBack();
}

TEST_F(PrintRunTest, OddAndEvenChoicesPrintSomePagesOfTheSameTotal) {
  Rows(70);          // three program pages
  Strings(100, 21);  // two equivalents pages: 120 strings fill one
  w.Print.PageOption_Click(1);
  RunPrint();
  EXPECT_EQ(PrintedNumbers(), (std::vector<int>{1, 3, 5}));
  for (const PrinterPage& page : host.printed) EXPECT_EQ(page.totalPages, 5);
  host.printed.clear();
  w.Print.PageOption_Click(2);
  RunPrint();
  EXPECT_EQ(PrintedNumbers(), (std::vector<int>{2, 4}));
  // Even pages of a one-page program: nothing to print, a normal end.
  w.New_File();
  host.printed.clear();
  RunPrint();
  EXPECT_TRUE(host.printed.empty());
  ExpectWindowGivenBack();
}

TEST_F(PrintRunTest, CancelNoPrinterAddressErrorOrPrinterFailureGiveTheWindowBack) {
  Rows(3);
  w.Table1.SetText(0, kAddressColumn, "FFFE");  // the third row passes FFFFh
  RunPrint(kAnswerCancel);
  EXPECT_EQ(w.Table1.Text(1, kAddressColumn), "");  // no addresses assigned
  EXPECT_EQ(host.enabled.count(WindowId::Main), 0u);
  // No printer, no print service, or a printer whose queue takes no jobs
  // now: told instead of the print question, and the window is never taken.
  for (const auto& [status, text] : {std::pair{PrinterStatus::Missing, &kNoPrinterText},
                                     std::pair{PrinterStatus::NoService, &kNoPrintServiceText},
                                     std::pair{PrinterStatus::Refusing, &kPrinterRefusesText}}) {
    host.printerStatus = status;
    host.boxes.clear();
    RunPrint();
    ASSERT_EQ(host.boxes.size(), 1u);
    EXPECT_EQ(host.LastBox(), *text);
    EXPECT_EQ(host.enabled.count(WindowId::Main), 0u);
    EXPECT_EQ(host.pointer, Pointer::Default);
    EXPECT_EQ(w.Table1.Text(1, kAddressColumn), "");
  }
  host.printerStatus = PrinterStatus::Ready;
  RunPrint();
  EXPECT_EQ(host.LastBox(), "Compile error. Invalid address in origin FFFEh.");
  EXPECT_EQ(host.jobsBegun, 0);
  ExpectWindowGivenBack();
  w.New_File();
  Rows(40);  // two program pages
  host.failAtPage = 2;
  RunPrint();
  EXPECT_EQ(PrintedNumbers(), (std::vector<int>{1}));
  EXPECT_EQ(host.LastBox(), PrinterFailedText(2));
  EXPECT_EQ(w.TipsLabel.text, "Print aborted.");
  ExpectWindowGivenBack();
  // A printer that refuses the job, or fails to finish it.
  host.failAtPage = 0;
  host.failJobStart = true;
  RunPrint();
  EXPECT_EQ(host.LastBox(), PrinterFailedText(1));
  host.failJobStart = false;
  host.failJobEnd = true;
  RunPrint();
  EXPECT_EQ(host.LastBox(), kPrintJobFailedText);
  ExpectWindowGivenBack();
}

}  // namespace
}  // namespace parvix::testing
