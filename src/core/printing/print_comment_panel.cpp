#include "printing/print_comment_panel.h"

#include "editor/programming_panel.h"

namespace parvix {

PrintCommentPanel::PrintCommentPanel(ProgrammingPanel& w) : w_(w) { PrintCommentBox.visible = false; }

void PrintCommentPanel::PrintCommentStatus(bool Status) { PrintCommentBox.visible = Status; }

void PrintCommentPanel::PrintComments_Click() {
  if (!IsIdle(w_.EntryState)) return;
  w_.ControlTransfer(PrintCommentState);
}

}  // namespace parvix
