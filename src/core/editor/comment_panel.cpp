#include "editor/comment_panel.h"

#include "editor/programming_panel.h"

namespace parvix {

CommentPanel::CommentPanel(ProgrammingPanel& w) : w_(w) {
  CommentsBox.visible = false;
  CommentNextButton.text = "&Next";
  DefaultCommentButton.text = "&Default Comment";
  CommentDoneButton.text = "Done";
  CommentCancelButton.text = "Ignore";
}

void CommentPanel::CommentStatus(bool Status) {
  if (!Status) {
    CommentsBox.visible = false;
    return;
  }
  CommentsBox.visible = true;
  CommentsTxt.text = w_.Table1.Text(w_.TargetRow, 4);
  DefaultCommentButton.enabled = !w_.Table1.Text(w_.TargetRow, 3).empty();
  CommentNextButton.enabled = w_.TargetRow < w_.Table1.Rows() - 1;
  w_.DefaultButton = "CommentDoneButton";
  w_.Focus.Set("CommentsTxt");
}

void CommentPanel::CommentsTool_Click() {
  if (!IsIdle(w_.EntryState)) return;
  w_.ControlTransfer(CommentState);
}

}  // namespace parvix
