// The disassembly dialog's model: the bytes of the loaded hex file, one row
// each, marked as instruction, data or unwanted; Done builds a new program
// from the marking in four timer steps.
//
// The Disassemble command loads the records into HexList, calls Form_Load
// and shows the dialog modal. The mouse marks rows: a press names the anchor
// row (a Shift press keeps the one before), the release marks every row from
// the anchor to the release row with the category of the chosen option
// button. Done runs check, copy, disassemble and comment on four one-shot
// timers; the main window's program changes from the copy step on, and the
// dialog unloads after the last step.
// While the steps run, Done and Cancel are disabled, so the program is never
// left half built. Cancel closes the dialog and leaves the program as it was.
#pragma once

#include <array>
#include <string>
#include <vector>

#include "base/controls.h"
#include "base/grid.h"
#include "base/host.h"
#include "hextools/disassembler.h"

namespace parvix {

class ProgrammingPanel;

// Rows of the byte table that changed since the view last asked.
struct DataTableChanges {
  bool reset = false;  // the table was filled anew
  int first = 0;       // first and last changed row (first > last: none)
  int last = -1;
};

class DataDialog {
 public:
  explicit DataDialog(ProgrammingPanel& w);

  // ---- Controls -----------------------------------------------------------------
  std::string Caption;
  // Row 0 holds the headings; from row 1 one row a byte: Address, Data, Category.
  Grid DataTable{3};
  std::array<Control, 3> DataType;  // the option buttons: Data Byte, Mnemonic, Unwanted
  Control DataTypeCaption;          // "Data Type:"
  Control DataTypeLabel;            // the category the mouse applies
  Control DoneButton;
  Control CancelButton;
  // Column widths of DataTable in twips, and its headings.
  const std::array<int, 3> ColWidthList = {930, 600, 930};
  const std::array<std::string, 3> HeadList = {"Address", "Data", "Category"};

  // ---- Working data ---------------------------------------------------------------
  // The origins of the new program, from the last check.
  std::vector<NewOrigin> OriginList;
  int AnchorRow = 0;     // the row where the mouse button went down last
  bool loaded = false;   // between Form_Load and the unload
  bool running = false;  // from Done until the build ends or the check fails

  // ---- Procedures -------------------------------------------------------------------
  // Loads the dialog over the records in HexList (the Disassemble command
  // calls it after a successful load, then shows the dialog).
  void Form_Load();
  void DataType_Click(int Index);
  // The mouse on the byte table. A press makes the row under the pointer the
  // grid's current row; a press that extends the selection (Shift held)
  // keeps the current row, so the selection runs from it to the pressed row.
  // Either way the current row becomes the anchor, and the release marks
  // every row from the anchor to the row where the grid's selection ends:
  // the rows the grid shows selected.
  void DataTable_MouseDown(int row, bool extend = false);
  void DataTable_MouseUp(int selectionEndRow);
  // The keys moved the grid's current row (not with Shift, which extends the
  // selection instead); a Shift-click then extends from there. Keys mark
  // nothing.
  void DataTable_RowColChange(int row);
  // Marks rows StartRow to EndRow (StartRow <= EndRow) with DataTypeLabel's category.
  void AssignDataType(int StartRow, int EndRow);
  void DoneButton_Click();
  // Also Esc and the window's close box.
  void CancelButton_Click();

  void CheckTimer_Timer();
  void CopyTimer_Timer();
  void DisassembleTimer_Timer();
  void CommentTimer_Timer();

  // Writes the buffered code texts and the origin rows into a cleared
  // program table of UsedRowCount + 10 rows, and sets the pointer back.
  void CopyOpcodes();

  // What changed in DataTable since the last call; the view repaints that.
  DataTableChanges takeChanges();

  template <class F>
  void VisitControls(F&& f) {
    for (int i = 0; i < 3; ++i) f(IndexedName("DataType", i), DataType[i]);
    f("DataTypeCaption", DataTypeCaption);
    f("DataTypeLabel", DataTypeLabel);
    f("DoneButton", DoneButton);
    f("CancelButton", CancelButton);
  }

 private:
  void Unload();
  // Starts the timer of the next build step; a step runs only when it is
  // the one due, so a stray or repeated tick can never run a step twice.
  void StartStep(TimerId step);
  bool StepDue(TimerId step);
  void RowsChanged(int first, int last);
  // A failed check: the message, the pointer back, the buttons usable again.
  void CheckFailed(const std::string& message);

  ProgrammingPanel& w_;
  NewProgram program_;  // the new program's rows from the check
  DataTableChanges changes_;
  TimerId dueStep_ = TimerId::Count;  // the build step whose timer runs
};

}  // namespace parvix
