// The comment panel: the text box for the picked row's comment and the
// Next, Default Comment, Done and Ignore buttons.
#pragma once

#include "base/controls.h"

namespace parvix {

class ProgrammingPanel;

class CommentPanel {
 public:
  explicit CommentPanel(ProgrammingPanel& w);

  Control CommentsBox;
  Control CommentsTxt;
  Control CommentNextButton;
  Control DefaultCommentButton;
  Control CommentDoneButton;
  Control CommentCancelButton;

  // Tools > Enter/Edit Comments (F4).
  void CommentsTool_Click();
  // True: shows the panel loaded with the target row's comment.
  void CommentStatus(bool Status);

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
  ProgrammingPanel& w_;
};

}  // namespace parvix
