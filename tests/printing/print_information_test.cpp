// The print information window's counts, and the printed print comment.
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

TEST_F(PrintInformationTest, CountsWithoutAssigningAddresses) {
  w.Print.ViewPrintInfo_Click();
  EXPECT_EQ(Values(), (std::vector<std::string>{"0", "1", "0", "0", "0", "0", "1"}));
  ASSERT_FALSE(host.shown.empty());
  EXPECT_EQ(host.shown.back(), WindowId::PrintInformation);

  Rows(32);
  Strings(70, 51);
  w.Print.ViewPrintInfo_Click();
  EXPECT_EQ(Values(), (std::vector<std::string>{"32", "2", "70", "51", "121", "2", "4"}));
  EXPECT_EQ(w.Table1.Text(1, kAddressColumn), "");
  // One string fewer fits on one page of equivalents.
  w.Symbols.Clear();
  Strings(120, 0);
  w.Print.ViewPrintInfo_Click();
  EXPECT_EQ(Values()[5], "1");
  EXPECT_EQ(Values()[6], "3");
}

TEST_F(PrintInformationTest, AcceptIgnoreAndClearDecideThePrintedComment) {
  PrintCommentPanel& p = w.PrintComment;
  p.PrintComments_Click();
  p.PrintCommentText.text = "Lab 3: block move";
  p.PrintCommentDoneButton_Click();
  EXPECT_EQ(PrintedComment(), "Lab 3: block move");
  // Ignore after typing: the old comment prints, the typed text waits.
  p.PrintComments_Click();
  p.PrintCommentText.text = "draft";
  p.PrintCommentCancelButton_Click();
  EXPECT_EQ(PrintedComment(), "Lab 3: block move");
  p.PrintComments_Click();
  EXPECT_EQ(p.PrintCommentText.text, "draft");
  // Clear, then Accept: pages without a comment.
  p.ClearComments_Click();
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
