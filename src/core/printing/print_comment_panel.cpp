#include "printing/print_comment_panel.h"

#include "editor/programming_panel.h"

namespace parvix {

PrintCommentPanel::PrintCommentPanel(ProgrammingPanel& w) : w_(w) { PrintCommentBox.visible = false; }

void PrintCommentPanel::PrintCommentStatus(bool Status) { PrintCommentBox.visible = Status; }

}  // namespace parvix
