// The print information window's counts, and the printed print comment.
#include "printing/print_fixture.h"

namespace parvix::testing {
namespace {

class PrintInformationTest : public PrintFixture {
 protected:
  std::string PrintedComment() {
    host.printed.clear();
    RunPrint();
    return host.printed.empty() ? "<nothing printed>" : host.printed[0].comment;
  }
};

TEST_F(PrintInformationTest, CountsWithoutAssigningAddresses) {
  Rows(32);
  Strings(70, 51);
  w.Print.ViewPrintInfo_Click();
  ASSERT_FALSE(host.shown.empty());
  EXPECT_EQ(host.shown.back(), WindowId::PrintInformation);
  std::vector<std::string> values;
  w.Print.PrintInfo.VisitControls(
      [&values](std::string_view, const Control& label) { values.push_back(label.text); });
  EXPECT_EQ(values, (std::vector<std::string>{"32", "2", "70", "51", "121", "2", "4"}));
  EXPECT_EQ(w.Table1.Text(1, kAddressColumn), "");
}

TEST_F(PrintInformationTest, AcceptIgnoreAndClearDecideThePrintedComment) {
  PrintCommentPanel& p = w.PrintComment;
  p.PrintComments_Click();
  p.PrintCommentText.text = "Lab 3: block move";
  p.PrintCommentDoneButton_Click();
  EXPECT_EQ(PrintedComment(), "Lab 3: block move");
  // Ignored typing: the old comment prints; New keeps it, empties the box.
  p.PrintComments_Click();
  p.PrintCommentText.text = "draft";
  p.PrintCommentCancelButton_Click();
  EXPECT_EQ(PrintedComment(), "Lab 3: block move");
  w.New_File();
  EXPECT_EQ(p.PrintCommentText.text, "");
  EXPECT_EQ(PrintedComment(), "Lab 3: block move");
  p.PrintComments_Click();
  p.ClearComments_Click();
  p.PrintCommentDoneButton_Click();
  EXPECT_EQ(PrintedComment(), "");
}

}  // namespace
}  // namespace parvix::testing
