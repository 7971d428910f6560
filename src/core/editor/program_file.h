// The program file (".zvt"): the editor's own text format for a whole
// program: the program table row by row with each row's operand name, then the
// labels and the variables with their equivalents.
//
// The reader and the writer here work on text only and do no file I/O, so the
// same code serves Open and Save, the tests and the fuzzer. The file layer
// (base/text_file.h) reads and writes the bytes; the main window's Open, Save,
// Save As and Quit procedures (program_file.cpp) join the two.
//
// The format: one item per line, every line ended by CR LF; texts in double
// quotes (never escaped), counts as bare decimal numbers:
//   "Warning: ..."            ignored when read
//   "8085"                    the one header item that is checked
//   N                         rows, then N records of six items each:
//   "Label" "Addr." "Mnemonic" "Opcode" "Comment" "operand name"
//   "EOT"
//   L, then L lines  "name","equivalent"      labels
//   V, then V lines  "name","equivalent"      variables
//   "EOF"
// The reader takes quotes as optional, a comma or a line end closes an item,
// and a text item that is not valid UTF-8 is read as Windows-1252 text.
#pragma once

#include <array>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace parvix {

inline const std::string kProgramFileWarning =
    "Warning: If the contents of this file are altered, the editor assembler might not read "
    "the file properly.";
inline const std::string kProgramFileMachine = "8085";
inline const std::string kProgramFileFilter = "Quenmar Assembler Files (*.zvt)|*.zvt";
inline constexpr int kOpenDialogFlags = 0x1804;    // file and path must exist, hide read-only
inline constexpr int kSaveAsDialogFlags = 0x1806;  // the same plus the overwrite prompt

// One row of the program table as stored: Table1 cells 0 to 4 (Label, Addr.,
// Mnemonic, Opcode, Comment), then the row's operand name from StringTable.
using ProgramRowRecord = std::array<std::string, 6>;

// A name and its equivalent.
using StringEntry = std::pair<std::string, std::string>;

// A whole program as the file holds it.
struct ProgramFileContent {
  std::vector<ProgramRowRecord> rows;
  std::vector<StringEntry> labels;     // LabelCombo / LabelEqtList
  std::vector<StringEntry> variables;  // XXCombo / XXEqtList
  bool operator==(const ProgramFileContent&) const = default;
};

// Why a text is not a readable program file.
enum class ProgramFileFault {
  None,
  Truncated,           // the text ends before the last item
  NotProgramFile,      // the second item is not "8085"
  BadCount,            // a count that is not a plain number of at most nine digits
  NoOriginRow,         // no rows, or row 0 is not an origin row
  MissingEot,          // the item after the rows is not "EOT" (counts do not fit)
  MissingEof,          // the item after the variables is not "EOF"
  UnterminatedQuote,   // a quoted text not closed on its line
  TrailingText,        // text after a closing quote on the same item
  StrayQuote,          // a double quote inside an unquoted item
  ControlCharacter,    // a control character (binary data) inside an item
  TooLarge,            // the counts ask for far more memory than the file's size
  TooManyRows,         // more rows than the program table holds
  BadName,             // a label or variable name that breaks the name rule
  BadValue,            // an equivalent or origin address the program never writes
};

// A short English description of a fault, for tests and diagnostics.
const char* ProgramFileFaultText(ProgramFileFault fault);

struct ProgramFileReadResult {
  ProgramFileFault fault = ProgramFileFault::None;
  ProgramFileContent content;  // complete only when fault is None
  bool ok() const { return fault == ProgramFileFault::None; }
};

// Reads a program file's text. Every item is returned as UTF-8: an item that
// is not valid UTF-8 is taken as Windows-1252 and converted. A damaged text
// gives a fault and never allocates beyond a small multiple of its size: a
// count is checked before anything is reserved for it, and a file that counts
// more rows than the program table holds (kMaxProgramRows), more entries than
// its remaining text can hold, or more than its size allows (TooLarge) is
// refused. Every label and variable name must follow the name rule, and
// every equivalent and origin address must have a form the program writes.
ProgramFileReadResult ReadProgramFile(std::string_view bytes);

// Writes the text of a program file. Texts are written as they are (UTF-8),
// less any double quote or line break, which the format cannot hold.
std::string WriteProgramFile(const ProgramFileContent& content);

// True when `text` is well-formed UTF-8 (no overlong forms, no surrogates).
bool IsValidUtf8(std::string_view text);
// Converts Windows-1252 text to UTF-8; the five unassigned bytes map to the
// control characters of the same number, as Windows itself maps them.
std::string Windows1252ToUtf8(std::string_view text);

}  // namespace parvix
