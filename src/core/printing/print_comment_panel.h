// The print-comment panel: the comment that every printed page carries.
#pragma once

#include "base/controls.h"

namespace parvix {

class ProgrammingPanel;

class PrintCommentPanel {
 public:
  explicit PrintCommentPanel(ProgrammingPanel& w);

  Control PrintCommentBox;
  Control PrintCommentText;

  // File > Print Options > Insert Comments.
  void PrintComments_Click();
  void PrintCommentStatus(bool Status);

  template <class F>
  void VisitControls(F&& f) {
    f("PrintCommentBox", PrintCommentBox);
    f("PrintCommentText", PrintCommentText);
  }

 private:
  ProgrammingPanel& w_;
};

}  // namespace parvix
