// The comment tool: picking a row, typing its comment, Next, Default
// Comment, Done and Ignore.
#include <gtest/gtest.h>

#include "support/session_fixture.h"

namespace parvix::testing {
namespace {

class CommentToolTest : public SessionTest {
 protected:
  void SetUp() override {
    SetRow(2, "NOP", "00");
    w.Table1.SetText(2, kCommentColumn, "No Operation.");
    SetRow(3, "XCHG", "EB");
    w.Table1.SetText(3, kCommentColumn, "Exchange content of DE & HL-register pairs.");
    SetRow(4, "JMP  loop", "C3   XX   XX", "", "loop");
    SetOrigin(5, "9000");
    w.Table1.SetText(5, kCommentColumn, "second block");
    w.UsedRowCount = 6;
    w.ControlTransfer(ProgramState);
  }
  const std::string& Comment(int r) { return w.Table1.Text(r, kCommentColumn); }
  Color Back(int r) { return w.Table1.BackColor(r, kCommentColumn); }
  // The user types into the box: its whole text after the keystroke.
  void Type(const std::string& text) { w.Comments.CommentsTxt_Change(text); }
};

TEST_F(CommentToolTest, NothingIsTouchedUntilARowIsPicked) {
  CommentPanel& p = w.Comments;
  for (int stale : {2, 999}) {  // left by an earlier tool, or beyond the table
    SCOPED_TRACE(stale);
    w.TargetRow = stale;
    p.CommentsTool_Click();
    EXPECT_FALSE(p.CommentsTxt.enabled);
    Type("typed");
    p.CommentNextButton_Click();
    p.DefaultCommentButton_Click();
    EXPECT_EQ(w.EntryState, CommentState);
    EXPECT_EQ(Comment(2), "No Operation.");
    EXPECT_EQ(Comment(3), "Exchange content of DE & HL-register pairs.");
    p.CommentDoneButton_Click();
    EXPECT_EQ(w.EntryState, ProgramState);
  }
  EXPECT_EQ(Back(2), kGridBackColor);
  EXPECT_FALSE(w.ProgramChanged);
}

TEST_F(CommentToolTest, TypingWritesThePickedRowWithoutForbiddenCharacters) {
  CommentPanel& p = w.Comments;
  p.CommentsTool_Click();
  w.Table1_Click(3, kMnemonicColumn);  // any column picks the row
  ASSERT_EQ(w.EntryState, CommentRowState);
  // The loaded comment is shown as it is, "&" and all.
  EXPECT_EQ(p.CommentsTxt.text, "Exchange content of DE & HL-register pairs.");
  // A keystroke at the end keeps the loaded "&"; a typed one goes.
  Type("Exchange content of DE & HL-register pairs.!");
  EXPECT_EQ(Comment(3), "Exchange content of DE & HL-register pairs.!");
  Type("Exchange content of DE & HL-register pairs.!&");
  EXPECT_EQ(p.CommentsTxt.text, "Exchange content of DE & HL-register pairs.!");
  // Pasted text loses quotes, "&" and line breaks, wherever it goes in.
  Type("Swap \"a\" & b\r\n\tnow");
  EXPECT_EQ(p.CommentsTxt.text, "Swap a  bnow");
  EXPECT_EQ(Comment(3), "Swap a  bnow");
}

TEST_F(CommentToolTest, NextDefaultAndIgnore) {
  CommentPanel& p = w.Comments;
  p.CommentsTool_Click();
  w.Table1_Click(2, kCommentColumn);
  w.Table1_Click(4, kCommentColumn);  // a second pick moves the mark
  EXPECT_EQ(Back(2), kGridBackColor);
  Type("mine");
  p.DefaultCommentButton_Click();
  EXPECT_EQ(Comment(4), "Jump to address pointed by 'loop'.");
  Type("go back");
  p.CommentNextButton_Click();
  EXPECT_EQ(w.TargetRow, 5);
  EXPECT_EQ(p.CommentsTxt.text, "second block");
  EXPECT_FALSE(p.DefaultCommentButton.enabled);  // an origin row has no code
  EXPECT_TRUE(w.ProgramChanged);
  // Ignore restores only the last row.
  Type("changed");
  p.CommentCancelButton_Click();
  EXPECT_EQ(Comment(4), "go back");
  EXPECT_EQ(Comment(5), "second block");
  EXPECT_EQ(Back(5), kOriginGrey);
  EXPECT_EQ(w.EntryState, ProgramState);

  // On the last row Next goes nowhere.
  p.CommentsTool_Click();
  w.Table1_Click(w.Table1.Rows() - 1, kCommentColumn);
  p.CommentNextButton_Click();
  EXPECT_EQ(w.TargetRow, w.Table1.Rows() - 1);
}

}  // namespace
}  // namespace parvix::testing
