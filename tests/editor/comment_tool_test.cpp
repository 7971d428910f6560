// The comment tool: picking a row, typing, Next, Default Comment, Done and Ignore.
#include <gtest/gtest.h>

#include <functional>

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
  // The user types into the box: its whole text after the keystroke.
  void Type(const std::string& text) { w.Comments.CommentsTxt_Change(text); }
  CommentPanel& p = w.Comments;
};

TEST_F(CommentToolTest, NothingIsTouchedUntilARowIsPicked) {
  for (int stale : {2, 999}) {  // left by an earlier tool, or beyond the table
    w.TargetRow = stale;
    p.CommentsTool_Click();
    Type("typed");
    p.CommentNextButton_Click();
    p.DefaultCommentButton_Click();
    EXPECT_EQ(Comment(2), "No Operation.");
    EXPECT_EQ(Comment(3), "Exchange content of DE & HL-register pairs.");
    p.CommentDoneButton_Click();
  }
  EXPECT_FALSE(w.ProgramChanged);
}

TEST_F(CommentToolTest, TypingNextDefaultAndIgnore) {
  p.CommentsTool_Click();
  w.Table1_Click(2, kCommentColumn);
  w.Table1_Click(3, kMnemonicColumn);  // any column picks; a second pick moves the mark
  EXPECT_EQ(w.Table1.BackColor(2, kCommentColumn), kGridBackColor);
  // The loaded "&" stays through a keystroke at the end; a typed one goes.
  Type("Exchange content of DE & HL-register pairs.!&");
  EXPECT_EQ(p.CommentsTxt.text, "Exchange content of DE & HL-register pairs.!");
  Type("Swap \"a\" & b\r\n\tnow");  // pasted: quotes, "&" and line breaks go
  EXPECT_EQ(Comment(3), "Swap a  bnow");
  p.CommentNextButton_Click();
  Type("mine");
  p.DefaultCommentButton_Click();
  EXPECT_EQ(Comment(4), "Jump to address pointed by 'loop'.");
  Type("go back");
  p.CommentNextButton_Click();
  EXPECT_EQ(p.CommentsTxt.text, "second block");
  EXPECT_FALSE(p.DefaultCommentButton.enabled);  // an origin row has no code
  Type("changed");
  p.CommentCancelButton_Click();  // Ignore restores only the last row
  EXPECT_EQ(Comment(4), "go back");
  EXPECT_EQ(Comment(5), "second block");
  EXPECT_EQ(w.Table1.BackColor(5, kCommentColumn), kOriginGrey);
  EXPECT_EQ(w.EntryState, ProgramState);
  EXPECT_TRUE(w.ProgramChanged);
}

// However the tool is left, a comment it changed makes the program changed,
// so that New (like Open, Disassemble and Download) asks before dropping it;
// a row only looked at, or a comment Ignore put back, changes nothing.
TEST_F(CommentToolTest, EveryChangedCommentMarksTheProgramChanged) {
  struct Case {
    const char* what;
    std::function<void()> edit;
    std::function<void()> leave;
    bool changed;
  } cases[] = {
      {"typed, then Esc", [&] { Type("mine"); }, [&] { w.TableCancelButton_Click(); }, true},
      {"default comment, then Esc", [&] { p.DefaultCommentButton_Click(); },
       [&] { w.TableCancelButton_Click(); }, true},
      {"typed and passed with Next, then Ignore",
       [&] { Type("mine"), p.CommentNextButton_Click(); },
       [&] { p.CommentCancelButton_Click(); }, true},
      {"only looked at, then Esc", [] {}, [&] { w.TableCancelButton_Click(); }, false},
      {"typed, then Done", [&] { Type("mine"); }, [&] { p.CommentDoneButton_Click(); }, true},
      {"typed, then Ignore", [&] { Type("mine"); }, [&] { p.CommentCancelButton_Click(); }, false},
      {"only stepped through with Next, then Done", [&] { p.CommentNextButton_Click(); },
       [&] { p.CommentDoneButton_Click(); }, false},
      {"default comment already there, then Esc",
       [&] { w.Table1.SetText(2, kCommentColumn, "No Operation."), p.DefaultCommentButton_Click(); },
       [&] { w.TableCancelButton_Click(); }, false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    w.Table1.SetText(2, kCommentColumn, "Idle loop.");
    w.ProgramChanged = false;
    p.CommentsTool_Click();
    w.Table1_Click(2, kCommentColumn);
    c.edit();
    c.leave();
    ASSERT_TRUE(IsIdle(w.EntryState));
    EXPECT_EQ(w.ProgramChanged, c.changed);
  }
}

// Esc takes the light-green mark off the row being edited, also when the grid
// cursor has moved to another row since (a drag over the table).
TEST_F(CommentToolTest, EscUnmarksThePickedRowWhereverTheGridCursorIs) {
  for (int picked : {3, 5}) {  // an instruction row, an origin row
    p.CommentsTool_Click();
    w.Table1_Click(picked, kCommentColumn);
    ASSERT_EQ(w.Table1.BackColor(picked, kCommentColumn), kCommentRowGreen);
    w.Table1_MouseDown(8, kMnemonicColumn);
    w.Table1_MouseUp(9);
    w.TableCancelButton_Click();
    EXPECT_EQ(w.Table1.BackColor(picked, kCommentColumn),
              picked == 5 ? kOriginGrey : kGridBackColor);
    EXPECT_EQ(w.Table1.BackColor(8, kCommentColumn), kGridBackColor);
  }
}

}  // namespace
}  // namespace parvix::testing
