// The comment tool: the comment panel with its text box for the picked
// row's comment and the Next, Default Comment, Done and Ignore buttons.
//
// The tool works on a row only once one has been picked in the program
// table (or reached with Next): until then the box is unusable and no
// button touches a cell, whatever TargetRow an earlier tool left behind.
// What the user types or pastes loses the characters that a comment may
// not hold; a comment loaded from the table is shown as it is.
#pragma once

#include <string>

#include "base/controls.h"

namespace parvix {

class ProgrammingPanel;

// A comment may not hold "&", a double quote, or a control character (a
// line break would split the program file's line).
bool IsCommentCharAllowed(char c);
// `typed` as the box holds it after an edit of `before`: only the part the
// edit put in loses the characters a comment may not hold.
std::string FilterCommentEdit(const std::string& before, const std::string& typed);

class CommentPanel {
 public:
  explicit CommentPanel(ProgrammingPanel& w);

  Control CommentsBox;
  Control CommentsTxt;
  Control CommentNextButton;
  Control DefaultCommentButton;
  Control CommentDoneButton;
  Control CommentCancelButton;

  // True while a row has been picked for this run of the tool.
  bool RowPicked = false;

  // Tools > Enter/Edit Comments (F4).
  void CommentsTool_Click();
  // True: shows the panel loaded with the target row's comment.
  void CommentStatus(bool Status);
  // The box's text after a user edit: filtered, then written to the row.
  void CommentsTxt_Change(const std::string& Text);
  void CommentNextButton_Click();
  void DefaultCommentButton_Click();
  void CommentDoneButton_Click();
  void CommentCancelButton_Click();

  // The table pick: `row` becomes the target row, marked light green.
  void PickRow(int row);
  // Esc: the picked row's Comment cell loses its light-green mark.
  void ClearPick();

  template <class F>
  void VisitControls(F&& f) {
    f("CommentsBox", CommentsBox);
    f("CommentsTxt", CommentsTxt);
    f("CommentNextButton", CommentNextButton);
    f("DefaultCommentButton", DefaultCommentButton);
    f("CommentDoneButton", CommentDoneButton);
    f("CommentCancelButton", CommentCancelButton);
  }

 private:
  bool Editing() const;
  // The target row's Comment cell loses the light-green mark.
  void UnmarkTarget();
  void MarkTarget();
  // Writes the target row's comment; a comment that changes makes the
  // program changed, however the tool is left afterwards (Done, Esc, or
  // Ignore for a row already passed with Next).
  void WriteTargetComment(const std::string& text);

  ProgrammingPanel& w_;
  // Whether the program was changed when the target row was chosen, as
  // SavedComment is the row's comment then: Ignore puts both back, so a
  // comment typed and ignored leaves no save question behind.
  bool savedProgramChanged_ = false;
};

}  // namespace parvix
