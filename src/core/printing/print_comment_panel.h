// The print-comment panel: the comment that every printed page carries.
// File > Print Options > Insert Comments opens it; Accept keeps the typed
// text as the print comment, Ignore leaves the comment as it was, and Clear
// empties the text box. The text box keeps what it last held between
// openings; only a new program empties it.
#pragma once

#include <string>

#include "base/controls.h"

namespace parvix {

class ProgrammingPanel;

class PrintCommentPanel {
 public:
  explicit PrintCommentPanel(ProgrammingPanel& w);

  // The comment printed on every page; lives until the program ends.
  std::string PrintComment;

  Control PrintCommentBox;
  Control Label6;  // "Comments"
  Control PrintCommentText;
  Control ClearComments;
  Control PrintCommentDoneButton;
  Control PrintCommentCancelButton;

  // File > Print Options > Insert Comments.
  void PrintComments_Click();
  void PrintCommentStatus(bool Status);
  void PrintCommentDoneButton_Click();
  void PrintCommentCancelButton_Click();
  void ClearComments_Click();

  template <class F>
  void VisitControls(F&& f) {
    f("PrintCommentBox", PrintCommentBox);
    f("Label6", Label6);
    f("PrintCommentText", PrintCommentText);
    f("ClearComments", ClearComments);
    f("PrintCommentDoneButton", PrintCommentDoneButton);
    f("PrintCommentCancelButton", PrintCommentCancelButton);
  }

 private:
  ProgrammingPanel& w_;
};

}  // namespace parvix
