// The disassembly dialog's model: the bytes of the loaded hex file, one row
// each, marked as instruction, data or unwanted; Done builds a new program
// from the marking in four timer steps.
#pragma once

namespace parvix {

class ProgrammingPanel;

class DataDialog {
 public:
  explicit DataDialog(ProgrammingPanel& w);

  // Loads the dialog over the records in HexList (the Disassemble command
  // calls it after a successful load, then shows the dialog).
  void Form_Load();

  void CheckTimer_Timer();
  void CopyTimer_Timer();
  void DisassembleTimer_Timer();
  void CommentTimer_Timer();

 private:
  ProgrammingPanel& w_;
};

}  // namespace parvix
