#include "editor/comment_panel.h"

#include "editor/programming_panel.h"

namespace parvix {

bool IsCommentCharAllowed(char c) {
  const auto code = static_cast<unsigned char>(c);
  return c != '&' && c != '"' && code >= 0x20 && code != 0x7F;
}

std::string FilterCommentEdit(const std::string& before, const std::string& typed) {
  // The edit replaced the middle of `before`: what both share at the start
  // and at the end stays as it was.
  size_t prefix = 0;
  while (prefix < before.size() && prefix < typed.size() && before[prefix] == typed[prefix]) {
    ++prefix;
  }
  size_t suffix = 0;
  while (suffix < before.size() - prefix && suffix < typed.size() - prefix &&
         before[before.size() - 1 - suffix] == typed[typed.size() - 1 - suffix]) {
    ++suffix;
  }
  std::string text = typed.substr(0, prefix);
  for (size_t i = prefix; i < typed.size() - suffix; ++i) {
    if (IsCommentCharAllowed(typed[i])) text += typed[i];
  }
  text += typed.substr(typed.size() - suffix);
  return text;
}

CommentPanel::CommentPanel(ProgrammingPanel& w) : w_(w) {
  CommentsBox.visible = false;
  CommentNextButton.text = "&Next";
  DefaultCommentButton.text = "&Default Comment";
  CommentDoneButton.text = "Done";
  CommentCancelButton.text = "Ignore";
}

bool CommentPanel::Editing() const {
  return w_.EntryState == CommentRowState && RowPicked && w_.TargetRow >= 0 &&
         w_.TargetRow < w_.Table1.Rows();
}

void CommentPanel::UnmarkTarget() {
  w_.Table1.SetBackColor(w_.TargetRow, kCommentColumn,
                         w_.IsOriginRow(w_.TargetRow) ? kOriginGrey : kGridBackColor);
}

void CommentPanel::ClearPick() {
  if (Editing()) UnmarkTarget();
}

void CommentPanel::WriteTargetComment(const std::string& text) {
  if (w_.Table1.Text(w_.TargetRow, kCommentColumn) == text) return;
  w_.Table1.SetText(w_.TargetRow, kCommentColumn, text);
  w_.ProgramChanged = true;
}

void CommentPanel::MarkTarget() {
  w_.Table1.row = w_.TargetRow;
  w_.Table1.col = kCommentColumn;
  w_.Table1.SetBackColor(w_.TargetRow, kCommentColumn, kCommentRowGreen);
  w_.SavedComment = w_.Table1.Text(w_.TargetRow, kCommentColumn);
  savedProgramChanged_ = w_.ProgramChanged;
}

void CommentPanel::CommentStatus(bool Status) {
  if (!Status) {
    CommentsBox.visible = false;
    return;
  }
  CommentsBox.visible = true;
  const bool editing = Editing();
  // The comment is shown as the table holds it: the filter is for typing.
  CommentsTxt.text = editing ? w_.Table1.Text(w_.TargetRow, kCommentColumn) : std::string();
  CommentsTxt.enabled = editing;
  DefaultCommentButton.enabled =
      editing && !w_.Table1.Text(w_.TargetRow, kOpcodeColumn).empty();
  CommentNextButton.enabled = editing && w_.TargetRow < w_.Table1.Rows() - 1;
  w_.DefaultButton = "CommentDoneButton";
  w_.Focus.Set("CommentsTxt");
}

void CommentPanel::CommentsTool_Click() {
  if (!IsIdle(w_.EntryState)) return;
  RowPicked = false;
  w_.ControlTransfer(CommentState);
}

void CommentPanel::PickRow(int row) {
  if (w_.EntryState != CommentState && w_.EntryState != CommentRowState) return;
  if (row < 0 || row >= w_.Table1.Rows()) return;
  if (Editing()) UnmarkTarget();
  w_.TargetRow = row;
  RowPicked = true;
  MarkTarget();
  w_.ControlTransfer(CommentRowState);
}

void CommentPanel::CommentsTxt_Change(const std::string& Text) {
  if (!Editing()) return;
  CommentsTxt.text = FilterCommentEdit(CommentsTxt.text, Text);
  WriteTargetComment(CommentsTxt.text);
}

void CommentPanel::CommentNextButton_Click() {
  if (!Editing() || w_.TargetRow >= w_.Table1.Rows() - 1) return;
  UnmarkTarget();
  ++w_.TargetRow;
  MarkTarget();
  w_.ControlTransfer(CommentRowState);
}

void CommentPanel::DefaultCommentButton_Click() {
  if (!Editing() || w_.Table1.Text(w_.TargetRow, kOpcodeColumn).empty()) return;
  const std::string before = w_.Table1.Text(w_.TargetRow, kCommentColumn);
  CommentsTxt.text.clear();
  w_.Table1.SetText(w_.TargetRow, kCommentColumn, std::string());
  w_.ApplyDefaultComment(w_.TargetRow);
  if (w_.Table1.Text(w_.TargetRow, kCommentColumn) != before) w_.ProgramChanged = true;
  w_.Focus.Set("CommentsTxt");
}

void CommentPanel::CommentDoneButton_Click() {
  if (w_.EntryState != CommentState && w_.EntryState != CommentRowState) return;
  // The program is marked changed by the comments that changed, not by
  // leaving: rows only looked at leave no save question behind.
  if (Editing()) UnmarkTarget();
  RowPicked = false;
  CommentsBox.visible = false;
  w_.ControlTransfer(w_.IdleState());
}

void CommentPanel::CommentCancelButton_Click() {
  if (w_.EntryState != CommentState && w_.EntryState != CommentRowState) return;
  if (Editing()) {
    WriteTargetComment(w_.SavedComment);
    w_.ProgramChanged = savedProgramChanged_;
    UnmarkTarget();
  }
  RowPicked = false;
  CommentsBox.visible = false;
  w_.ControlTransfer(w_.IdleState());
}

}  // namespace parvix
