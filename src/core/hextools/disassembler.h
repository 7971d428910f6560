// The work of the disassembly dialog as plain functions: the bytes of the
// loaded records one by one, the check of the user's marking that lays out
// the new program's rows and origins, the instruction texts and operand names
// of those rows, and where the new labels stand. Each takes data and returns
// data; the dialog (disassembly_dialog.h) reads its tables, calls these and
// writes the results into the main window.
#pragma once

#include <array>
#include <string>
#include <utility>
#include <vector>

#include "base/grid.h"
#include "editor/program_table.h"

namespace parvix {

// The three categories a byte can be marked with, as the dialog shows them.
inline const std::string kMnemonicCategory = "Mnemonic";
inline const std::string kDataByteCategory = "Data Byte";
inline const std::string kUnwantedCategory = "Unwanted";

// The dialog's byte table: a heading row, then one row a byte.
enum DataTableColumn : int { kByteAddressColumn = 0, kByteDataColumn = 1, kCategoryColumn = 2 };

// One data byte of a record: its address text (four digits at least, five
// past FFFF) and its two hex characters as they stand in the record.
struct RecordByte {
  std::string address;
  std::string data;
};

// Every data byte of the records in list order, each record's bytes from its
// own address on; the last entry of the list (the end record) is left out.
// Records are neither sorted nor merged, and their type is not looked at.
std::vector<RecordByte> RecordBytes(const std::vector<std::string>& hexList);

// An origin of the new program: its start address and the row of its
// "Origin" line.
struct NewOrigin {
  std::string address;
  int row = 0;
  bool operator==(const NewOrigin&) const = default;
};

// The rows of the new program as the check lays them out: for every row its
// bytes (up to three two-character texts, "" where the row has fewer) and
// whether it is an instruction (true) or a data byte, and the origins.
// Rows that hold an origin or the two empty rows before one have no bytes.
struct NewProgram {
  std::vector<std::array<std::string, 3>> CodeBuffer;
  std::vector<bool> MnemonicFlags;
  std::vector<NewOrigin> OriginList;
  int NewRowCount = 0;  // the rows in use: one past the last row with bytes

  // The code text of row r: its bytes joined by three blanks; "" for a row
  // without bytes.
  std::string CodeText(int r) const;
  bool IsMnemonic(int r) const {
    return r >= 0 && r < static_cast<int>(MnemonicFlags.size()) && MnemonicFlags[r];
  }
};

// Why a marking cannot be built.
enum class MarkingFault {
  None,
  InvalidOpcode,  // an undefined opcode marked Mnemonic
  MissingData,    // an operand byte missing, not marked Mnemonic, or not next in address
  NothingMarked,  // no byte marked Mnemonic or Data Byte
  TooManyRows,    // the new program would not fit the program table
};

struct MarkingCheck {
  MarkingFault fault = MarkingFault::None;
  int row = 0;  // the byte table row of the fault (the opcode's row)
  NewProgram program;
};

// Checks the marking of the byte table (rows from 1 on) and lays out the new
// program: a kept byte whose address does not follow the one before, and the
// first kept byte, open an origin; origins after the first leave two empty
// rows after the block before them.
MarkingCheck CheckMarking(const Grid& dataTable);

// One program row as the disassembly writes it: the instruction text and the
// name of its operand ("" for none).
struct DisassembledRow {
  int row = 0;
  std::string mnemonic;
  std::string operand;
};

// A new string: its name and its equivalent.
using NewString = std::pair<std::string, std::string>;

struct Disassembly {
  std::vector<DisassembledRow> rows;
  std::vector<NewString> labels;     // "a0", "a1", ... with their 16-bit values
  std::vector<NewString> variables;  // "v0", "v1", ... with their bytes
};

// Disassembles the code texts of a program table whose rows the copy has
// just filled: data rows become "DFB", every 8-bit operand a new variable and
// every distinct 16-bit operand value one label. Rows without a code text
// and origin rows are left alone.
Disassembly DisassembleRows(const Grid& table, const std::vector<bool>& mnemonicFlags);

// Where each label goes once the addresses are assigned: the first row from
// row 1 on that is not an origin row and whose address is the label's value.
// Returns (row, label index) pairs; a label whose value is no row's address
// is left out.
std::vector<std::pair<int, int>> LabelPlaces(const Grid& table,
                                             const std::vector<std::string>& labelValues);

}  // namespace parvix
