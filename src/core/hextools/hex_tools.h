// The hex tools of the main window: the record list that the assembler, the
// two reading commands (Disassemble, Download), the disassembly dialog and
// the trainer link pass between them, the hex file last chosen, and the
// commands that make and read hex files. The records themselves are made and
// read by hex_records.h and assembler.h; the commands here only join them to
// the window, the file dialogs and the files.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "base/grid.h"
#include "base/host.h"
#include "hextools/assembler.h"

namespace parvix {

class ProgrammingPanel;

inline const std::string kHexFileFilter = "Hex Files(*.hex)|*.hex";
// Overwrite prompt, hide read-only, path and file must exist.
inline constexpr int kHexDialogFlags = 0x1806;
// The dialog that saves a hex file (the assembled program, an upload),
// proposing `fileName`. It adds ".hex" to a name typed without an extension,
// so that the Disassemble and Download dialogs list the file and the
// overwrite question sees the name that is written.
FileDialogRequest HexSaveDialog(std::string fileName);
// The largest hex file of the whole 64 KiB address space: a data record of
// one byte for every address, each line quoted and ended by CR LF, as this
// program writes them, then the end record.
inline constexpr std::size_t kWholeMemoryHexBytes =
    0x10000 * std::string_view("\":0100000000FF\"\r\n").size() +
    std::string_view("\":00000001FF\"\r\n").size();
// The largest hex file Disassemble and Download read: that file, with room
// for what other tools add around the records (a byte-order mark, address
// and start records, blank lines). A bigger file cannot be a program for the
// trainer, and its bytes would fill the disassembly dialog's table with
// millions of rows.
inline constexpr std::size_t kMaxHexFileBytes = kWholeMemoryHexBytes + 4096;

class HexTools {
 public:
  explicit HexTools(ProgrammingPanel& w);

  // The records of the last hex file read, assembled or uploaded (`HexRecordText`).
  std::vector<std::string> HexList;
  std::string HexFilePath;   // full path of the hex file last chosen
  std::string HexFileTitle;  // its name without the folder
  // The assembler's staging of the code bytes, row for row of Table1.
  Grid TempTable{kTempTableColumns};

  // File > Assemble (Ctrl+A).
  void AssembleFile_Click();
  // File > Disassemble (Ctrl+D) and File > Download.
  void DisassembleFile_Click();
  void DownloadFile_Click();

 private:
  // What a reading command does after the file has been read.
  enum class LoadOutcome { Cancelled, Unreadable, ChecksumError, Loaded };
  // The save-changes question, the open dialog, reading the file into
  // HexList and the checksum test, with their messages.
  LoadOutcome LoadHex();

  ProgrammingPanel& w_;
};

}  // namespace parvix
