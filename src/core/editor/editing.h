// Editing whole program rows: Copy, Cut, Paste and Delete of the rows from
// SelectionStartRow to SelectionEndRow, through the program's own clipboard.
#pragma once

namespace parvix {

class ProgrammingPanel;

class EditClipboard {
 public:
  explicit EditClipboard(ProgrammingPanel& w);

  void CopyEdit_Click();
  void CutEdit_Click();
  void PasteEdit_Click();
  void DeleteEdit_Click();

 private:
  ProgrammingPanel& w_;
};

}  // namespace parvix
