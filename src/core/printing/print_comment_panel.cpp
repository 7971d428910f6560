#include "printing/print_comment_panel.h"

#include "editor/programming_panel.h"

namespace parvix {

PrintCommentPanel::PrintCommentPanel(ProgrammingPanel& w) : w_(w) {
  PrintCommentBox.visible = false;
  Label6.text = "Comments";
  ClearComments.text = "Clear";
  PrintCommentDoneButton.text = "Accept";
  PrintCommentCancelButton.text = "Ignore";
}

void PrintCommentPanel::PrintCommentStatus(bool Status) {
  PrintCommentBox.visible = Status;
  if (!Status) return;
  w_.DefaultButton = "PrintCommentDoneButton";
  w_.Focus.Set("PrintCommentText");
}

void PrintCommentPanel::PrintComments_Click() {
  if (!IsIdle(w_.EntryState) || w_.Print.Running()) return;
  w_.ControlTransfer(PrintCommentState);
}

void PrintCommentPanel::PrintCommentDoneButton_Click() {
  if (w_.EntryState != PrintCommentState) return;
  PrintComment = PrintCommentText.text;
  w_.ControlTransfer(w_.IdleState());
}

void PrintCommentPanel::PrintCommentCancelButton_Click() {
  if (w_.EntryState != PrintCommentState) return;
  w_.ControlTransfer(w_.IdleState());
}

void PrintCommentPanel::ClearComments_Click() { PrintCommentText.text.clear(); }

}  // namespace parvix
