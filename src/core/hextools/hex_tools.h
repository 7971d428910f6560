// The hex tools of the main window: the record list that the assembler, the
// two reading commands (Disassemble, Download), the disassembly dialog and
// the trainer link pass between them, the hex file last chosen, and the
// commands that make and read hex files.
#pragma once

#include <string>
#include <vector>

#include "base/grid.h"

namespace parvix {

class ProgrammingPanel;

class HexTools {
 public:
  explicit HexTools(ProgrammingPanel& w);

  // The records of the last hex file read, assembled or uploaded (`HexRecordText`).
  std::vector<std::string> HexList;
  std::string HexFilePath;   // full path of the hex file last chosen
  std::string HexFileTitle;  // its name without the folder

  // File > Assemble (Ctrl+A).
  void AssembleFile_Click();
  // File > Disassemble (Ctrl+D) and File > Download.
  void DisassembleFile_Click();
  void DownloadFile_Click();

 private:
  ProgrammingPanel& w_;
};

}  // namespace parvix
