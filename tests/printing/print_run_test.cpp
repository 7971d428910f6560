// The print run on the recording printer: the question, the timer chain with
// its intervals, page counts, the program and equivalents pages, the page
// choice, and every way a run can end.
#include <algorithm>
#include <vector>

#include "printing/print_fixture.h"

namespace parvix::testing {
namespace {

using PrintRunTest = PrintFixture;

TEST_F(PrintRunTest, NewProgramPrintsOneShadedOriginRowThroughTheTimerChain) {
  host.answers.push_back(kAnswerOk);
  w.Print.PrintFile_Click();
  ASSERT_EQ(host.boxes.size(), 1u);
  EXPECT_EQ(host.boxes[0].text,
            "Check the default settings of the printer and click 'OK' to print. To cancel "
            "print, click 'Cancel'");
  EXPECT_EQ(host.boxes[0].style, kMsgOkCancelInformation);
  EXPECT_EQ(host.pointer, Pointer::Hourglass);
  EXPECT_FALSE(host.enabled[WindowId::Main]);
  EXPECT_EQ(w.TipsLabel.text, "Assigning addresses . . .");
  Fire(TimerId::PrintAddress);
  EXPECT_EQ(w.TipsLabel.text, "Composing print information.");
  const std::vector<Step> steps = FireChain();
  const std::vector<Step> expected = {{TimerId::PrintProgram, 10},   {TimerId::SetupTimer, 2000},
                                      {TimerId::PrintTimer, 20},     {TimerId::SetupTimer, 2000},
                                      {TimerId::LabelSetupTimer, 10}};
  EXPECT_EQ(steps, expected);

  ASSERT_EQ(host.printed.size(), 1u);
  const PrinterPage& page = host.printed[0];
  EXPECT_EQ(page.kind, PrinterPage::Kind::Program);
  EXPECT_EQ(page.pageNumber, 1);
  EXPECT_EQ(page.totalPages, 1);
  EXPECT_EQ(page.fileTitle, "Pgm1.zvt");
  ASSERT_EQ(page.Rows(), 32);
  ASSERT_EQ(page.Cols(), 5);
  EXPECT_EQ(page.At(0, 0).text, "Origin");
  EXPECT_EQ(page.At(0, 1).text, "8000");
  for (int c = 0; c < 5; ++c) EXPECT_TRUE(page.At(0, c).shaded) << c;
  for (int c = 0; c < 5; ++c) EXPECT_FALSE(page.At(1, c).shaded) << c;
  EXPECT_EQ(host.jobsBegun, 1);
  EXPECT_EQ(host.jobsEnded, 1);
  EXPECT_EQ(w.EntryState, ProgramState);
  EXPECT_EQ(w.TipsLabel.text, "Composing print information.");
  ExpectWindowGivenBack();
}

TEST_F(PrintRunTest, ProgramPagesHold32RowsUpToTheLastUsedRow) {
  // Rows 0 to last with text: 31, 32 and 33 rows.
  for (const auto& [last, pages] : std::vector<std::pair<int, int>>{{30, 1}, {31, 1}, {32, 2}}) {
    host.printed.clear();
    w.New_File();
    Rows(last - 1);
    SetRow(last, "", "");
    w.Table1.SetText(last, kCommentColumn, "end");  // a comment alone counts
    RunPrint();
    EXPECT_EQ(w.Print.LastProgramRow, last);
    EXPECT_EQ(w.Print.ProgramPages, pages) << last;
    ASSERT_EQ(static_cast<int>(host.printed.size()), pages) << last;
    const PrinterPage& end = host.printed.back();
    EXPECT_EQ(end.totalPages, pages);
    const int endRow = last % 32;
    EXPECT_EQ(end.At(endRow, kCommentColumn).text, "end") << last;
    if (endRow + 1 < 32) {
      EXPECT_EQ(end.At(endRow + 1, kCommentColumn).text, "");
    }
  }
  // The second page of 33 rows holds only row 32.
  EXPECT_EQ(host.printed[1].At(0, kCommentColumn).text, "end");
  EXPECT_EQ(host.printed[1].At(1, kMnemonicColumn).text, "");
}

TEST_F(PrintRunTest, EquivalentsPagesHold120StringsLabelsFirst) {
  Rows(2);
  SetRow(1, "NOP", "00", "a1");  // placed: gets its address from the run
  Strings(119, 1);
  RunPrint();
  EXPECT_EQ(w.Print.TotalPages, 2);
  ASSERT_EQ(host.printed.size(), 2u);
  const PrinterPage& eqt = host.printed[1];
  EXPECT_EQ(eqt.kind, PrinterPage::Kind::Equivalents);
  EXPECT_EQ(eqt.pageNumber, 2);
  ASSERT_EQ(eqt.Rows(), 30);
  ASSERT_EQ(eqt.Cols(), 11);
  // Four pairs to a row, the gap columns empty.
  EXPECT_EQ(eqt.At(0, 0).text, "a1");
  EXPECT_EQ(eqt.At(0, 1).text, "8000");
  EXPECT_EQ(eqt.At(0, 3).text, "a2");
  EXPECT_EQ(eqt.At(0, 4).text, "XXXX");
  EXPECT_EQ(eqt.At(0, 9).text, "a4");
  EXPECT_EQ(eqt.At(1, 0).text, "a5");
  for (int c : {2, 5, 8}) EXPECT_EQ(eqt.At(0, c).text, "") << c;
  // Entry 120, the variable, closes the page.
  EXPECT_EQ(eqt.At(29, 9).text, "v1");
  EXPECT_EQ(eqt.At(29, 10).text, "XX");

  // A 121st string opens a page of its own with one entry.
  host.printed.clear();
  w.Symbols.AddVariable("v2", "3F");
  RunPrint();
  EXPECT_EQ(w.Print.TotalPages, 3);
  ASSERT_EQ(host.printed.size(), 3u);
  const PrinterPage& last = host.printed[2];
  EXPECT_EQ(last.pageNumber, 3);
  EXPECT_EQ(last.At(0, 0).text, "v2");
  EXPECT_EQ(last.At(0, 1).text, "3F");
  EXPECT_EQ(last.At(0, 3).text, "");
  EXPECT_EQ(last.At(1, 0).text, "");
}

TEST_F(PrintRunTest, CellsOfLabelsOriginsAndNamedOperandsAreShaded) {
  SetRow(1, "JMP  loop", "C3   XX   XX", "loop", "loop");
  SetRow(2, "NOP", "00");
  SetOrigin(3, "9000");
  SetRow(4, "MVI  A,  v1", "3E   XX", "", "v1");
  w.Symbols.AddLabel("loop");
  w.Symbols.AddVariable("v1");
  RunPrint();
  ASSERT_EQ(host.printed.size(), 2u);
  const PrinterPage& page = host.printed[0];
  auto shaded = [&page](int r) {
    std::vector<bool> row;
    for (int c = 0; c < 5; ++c) row.push_back(page.At(r, c).shaded);
    return row;
  };
  EXPECT_EQ(shaded(1), (std::vector<bool>{true, false, true, false, false}));
  EXPECT_EQ(shaded(2), (std::vector<bool>(5, false)));
  EXPECT_EQ(shaded(3), (std::vector<bool>(5, true)));
  EXPECT_EQ(shaded(4), (std::vector<bool>{false, false, true, false, false}));
  // The addresses are the ones the run assigned.
  EXPECT_EQ(page.At(1, kAddressColumn).text, "8000");
  EXPECT_EQ(page.At(1, kOpcodeColumn).text, "C3   00   80");
  EXPECT_EQ(page.At(4, kAddressColumn).text, "9000");
}

TEST_F(PrintRunTest, OddAndEvenChoicesPrintSomePagesOfTheSameTotal) {
  Rows(70);  // three program pages
  Strings(100, 21);  // two equivalents pages
  w.Print.PageOption_Click(1);
  EXPECT_FALSE(w.Menu.PageOption[0].checked);
  EXPECT_TRUE(w.Menu.PageOption[1].checked);
  std::vector<Step> steps = RunPrint();
  EXPECT_EQ(PrintedNumbers(), (std::vector<int>{1, 3, 5}));
  for (const PrinterPage& page : host.printed) EXPECT_EQ(page.totalPages, 5);
  EXPECT_EQ(host.printed[2].kind, PrinterPage::Kind::Equivalents);
  EXPECT_EQ(host.printed[2].At(0, 0).text, "v21");  // entry 121
  // A page left out still waits for its composition.
  EXPECT_EQ(std::count(steps.begin(), steps.end(), Step{TimerId::SetupTimer, 2000}), 4);
  EXPECT_EQ(host.jobsBegun, 1);

  host.printed.clear();
  w.Print.PageOption_Click(2);
  RunPrint();
  EXPECT_EQ(PrintedNumbers(), (std::vector<int>{2, 4}));
  EXPECT_EQ(std::count_if(w.Menu.PageOption.begin(), w.Menu.PageOption.end(),
                          [](const MenuEntry& e) { return e.checked; }),
            1);

  // Even pages of a one-page program: nothing to print, a normal end.
  w.New_File();
  host.printed.clear();
  const int jobs = host.jobsBegun;
  RunPrint();
  EXPECT_TRUE(host.printed.empty());
  EXPECT_EQ(host.jobsBegun, jobs);
  ExpectWindowGivenBack();
}

TEST_F(PrintRunTest, AddressErrorAbortsBeforeAnyPage) {
  w.Table1.SetText(0, kAddressColumn, "FFFE");
  SetRow(1, "NOP", "00");
  SetRow(2, "LXI  H,  t", "21   XX   XX");
  SetRow(3, "NOP", "00");
  const std::vector<Step> steps = RunPrint();
  EXPECT_EQ(steps, (std::vector<Step>{{TimerId::PrintAddress, 10}}));
  EXPECT_EQ(host.LastBox(), "Compile error. Invalid address in origin FFFEh.");
  EXPECT_EQ(w.TipsLabel.text, "Print aborted.");
  EXPECT_TRUE(host.printed.empty());
  EXPECT_EQ(host.jobsBegun, 0);
  ExpectWindowGivenBack();
}

TEST_F(PrintRunTest, CancelOrNoPrinterStartsNothing) {
  Rows(3);
  const std::string tips = w.TipsLabel.text;
  EXPECT_TRUE(RunPrint(kAnswerCancel).empty());
  EXPECT_EQ(w.Table1.Text(1, kAddressColumn), "");  // no addresses assigned
  EXPECT_EQ(w.TipsLabel.text, tips);
  EXPECT_EQ(host.pointer, Pointer::Default);
  EXPECT_EQ(host.enabled.count(WindowId::Main), 0u);

  host.printerInstalled = false;
  host.boxes.clear();
  EXPECT_TRUE(RunPrint().empty());
  ASSERT_EQ(host.boxes.size(), 1u);
  EXPECT_EQ(host.boxes[0].text, kNoPrinterText);
  EXPECT_EQ(w.TipsLabel.text, tips);
  EXPECT_FALSE(w.Print.Running());
  EXPECT_EQ(host.enabled.count(WindowId::Main), 0u);
}

TEST_F(PrintRunTest, PrinterFailureEndsTheRunAndGivesTheWindowBack) {
  Rows(40);  // two program pages
  host.failAtPage = 2;
  RunPrint();
  EXPECT_EQ(PrintedNumbers(), (std::vector<int>{1}));
  EXPECT_EQ(host.LastBox(), PrinterFailedText(2));
  EXPECT_EQ(host.boxes.back().style, kMsgCritical);
  EXPECT_EQ(w.TipsLabel.text, "Print aborted.");
  EXPECT_EQ(host.jobsAborted, 1);
  ExpectWindowGivenBack();

  // A printer that refuses the job, or fails to finish it.
  host.failAtPage = 0;
  host.failJobStart = true;
  RunPrint();
  EXPECT_EQ(host.LastBox(), PrinterFailedText(1));
  ExpectWindowGivenBack();
  host.failJobStart = false;
  host.failJobEnd = true;
  RunPrint();
  EXPECT_EQ(host.LastBox(), kPrintJobFailedText);
  EXPECT_EQ(w.TipsLabel.text, "Print aborted.");
  ExpectWindowGivenBack();
  // The next run prints again.
  host.failJobEnd = false;
  host.printed.clear();
  RunPrint();
  EXPECT_EQ(PrintedNumbers(), (std::vector<int>{1, 2}));
}

TEST_F(PrintRunTest, PrintCommandsWaitForTheIdleStateAndForTheRun) {
  w.ControlTransfer(PrintCommentState);
  w.Print.PrintFile_Click();
  w.Print.PageOption_Click(2);
  EXPECT_TRUE(host.boxes.empty());
  EXPECT_TRUE(w.Menu.PageOption[0].checked);

  w.ControlTransfer(ProgramState);
  host.answers.push_back(kAnswerOk);
  w.Print.PrintFile_Click();
  ASSERT_TRUE(w.Print.Running());
  w.Print.PrintFile_Click();
  w.Print.ViewPrintInfo_Click();
  EXPECT_EQ(host.boxes.size(), 1u);
  EXPECT_TRUE(host.shown.empty() || host.shown.back() != WindowId::PrintInformation);
}

}  // namespace
}  // namespace parvix::testing
