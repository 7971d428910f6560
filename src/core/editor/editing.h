// Editing whole program rows: Copy, Cut, Paste and Delete of the rows from
// SelectionStartRow to SelectionEndRow, through the program's own clipboard
// (the EditTable and EditStringTable grids of the main window, which keep
// their rows for the whole run, across New and Open).
//
// A block of rows is inserted or removed in one splice of Table1 and
// StringTable, so the work and the view's notifications do not grow with
// one step per row. Paste keeps the name space whole: a pasted name that
// would clash with a string of the other kind, or with one of another
// value, is renamed to a fresh generated name.
#pragma once

#include <map>
#include <string>
#include <tuple>
#include <unordered_set>

namespace parvix {

class ProgrammingPanel;

class EditClipboard {
 public:
  explicit EditClipboard(ProgrammingPanel& w);

  // Fills the clipboard from the selected rows (the Addr. cell is kept on
  // origin rows only) and makes Paste available.
  void CopyMnemonics();

  // The Edit menu items; each acts only in the idle states.
  void CopyEdit_Click();
  void CutEdit_Click();
  void PasteEdit_Click();
  void DeleteEdit_Click();

 private:
  enum class Kind { Label, Variable };
  // The new names given in one paste, by kind, old name and pasted value:
  // rows that named one string keep naming one string.
  using Renames = std::map<std::tuple<Kind, std::string, std::string>, std::string>;

  // Removes the selected rows (never row 0); the common part of Cut and Delete.
  void DeleteSelection();
  // What one paste knows besides the lists: its renames so far, and the
  // labels that the program or the pasted block places on a row.
  struct PasteContext {
    Renames renames;
    std::unordered_set<std::string> placed;
  };
  // Brings the string lists up to date for the pasted clipboard row `i`,
  // now standing at `row`.
  void PasteNames(int i, int row, PasteContext& paste);

  ProgrammingPanel& w_;
};

}  // namespace parvix
