// The print information window's counts and the print-comment panel, with
// the comment as the printed pages carry it.
#include "printing/print_fixture.h"

namespace parvix::testing {
namespace {

class PrintInformationTest : public PrintFixture {
 protected:
  std::vector<std::string> Values() {
    std::vector<std::string> values;
    w.Print.PrintInfo.VisitControls(
        [&values](std::string_view, const Control& label) { values.push_back(label.text); });
    return values;
  }
  // Prints the program and gives the comment of its first page.
  std::string PrintedComment() {
    host.printed.clear();
    RunPrint();
    return host.printed.empty() ? "<nothing printed>" : host.printed[0].comment;
  }
};

TEST_F(PrintInformationTest, NewProgramHasOnePageAndNoStrings) {
  w.Print.ViewPrintInfo_Click();
  EXPECT_EQ(Values(), (std::vector<std::string>{"0", "1", "0", "0", "0", "0", "1"}));
  ASSERT_FALSE(host.shown.empty());
  EXPECT_EQ(host.shown.back(), WindowId::PrintInformation);
  EXPECT_EQ(w.EntryState, ProgramState);
}

TEST_F(PrintInformationTest, CountsWithoutAssigningAddresses) {
  for (int r = 1; r <= 32; ++r) SetRow(r, "NOP", "00");
  for (int i = 1; i <= 70; ++i) w.Symbols.AddLabel("a" + std::to_string(i));
  for (int i = 1; i <= 51; ++i) w.Symbols.AddVariable("v" + std::to_string(i));
  w.Print.ViewPrintInfo_Click();
  EXPECT_EQ(Values(), (std::vector<std::string>{"32", "2", "70", "51", "121", "2", "4"}));
  EXPECT_EQ(w.Table1.Text(1, kAddressColumn), "");
  EXPECT_EQ(w.Print.PageNumber, 0);

  // One string fewer fits on one page of equivalents.
  w.Symbols.Clear();
  for (int i = 1; i <= 120; ++i) w.Symbols.AddLabel("a" + std::to_string(i));
  w.Print.ViewPrintInfo_Click();
  EXPECT_EQ(Values()[5], "1");
  EXPECT_EQ(Values()[6], "3");
}

TEST_F(PrintInformationTest, AcceptIgnoreAndClearDecideThePrintedComment) {
  PrintCommentPanel& p = w.PrintComment;
  w.PrintComment.PrintComments_Click();
  EXPECT_TRUE(p.PrintCommentBox.visible);
  EXPECT_EQ(w.DefaultButton, "PrintCommentDoneButton");
  EXPECT_EQ(w.Focus.control, "PrintCommentText");
  p.PrintCommentText.text = "Lab 3: block move";
  p.PrintCommentDoneButton_Click();
  EXPECT_FALSE(p.PrintCommentBox.visible);
  EXPECT_EQ(w.EntryState, ProgramState);
  EXPECT_EQ(PrintedComment(), "Lab 3: block move");

  // Ignore after typing: the old comment prints, the typed text waits.
  p.PrintComments_Click();
  p.PrintCommentText.text = "draft";
  p.PrintCommentCancelButton_Click();
  EXPECT_EQ(w.EntryState, ProgramState);
  EXPECT_EQ(PrintedComment(), "Lab 3: block move");
  p.PrintComments_Click();
  EXPECT_EQ(p.PrintCommentText.text, "draft");

  // Clear, then Accept: pages without a comment.
  p.ClearComments_Click();
  EXPECT_EQ(p.PrintComment, "Lab 3: block move");  // unchanged until Accept
  p.PrintCommentDoneButton_Click();
  EXPECT_EQ(PrintedComment(), "");

  // A new program keeps the comment but empties the text box.
  p.PrintComments_Click();
  p.PrintCommentText.text = "kept";
  p.PrintCommentDoneButton_Click();
  w.New_File();
  EXPECT_EQ(p.PrintCommentText.text, "");
  EXPECT_EQ(PrintedComment(), "kept");
}

}  // namespace
}  // namespace parvix::testing
