// The assembler's work as plain functions over the program table: whether
// there is code at all, whether every string in use has its equivalent, the
// staging of the code bytes row by row (`TempTable`), and the Intel HEX
// records of each origin block with their checksums and the end record.
// File > Assemble (HexTools::AssembleFile_Click) calls them in that order and
// shows their messages; the benchmarks and tests call them directly.
#pragma once

#include <string>
#include <vector>

#include "base/grid.h"
#include "symbols/symbol_lists.h"

namespace parvix {

// The staging grid's columns: up to three code bytes, and the mark of an
// origin row (whose start address stands in column 0).
inline constexpr int kTempTableColumns = 4;
inline constexpr int kTempOriginColumn = 3;

// True when some row from row 1 on has an Opcode cell that is not empty.
bool HasCode(const Grid& Table1);

// True when every label that is placed or used has an address and every
// variable has a value.
bool EquivalentsAssigned(const SymbolLists& Symbols);

// The staging grid: as many rows as the program table, row r standing for
// program row r. An origin row gives its Addr. text in column 0 and "Origin"
// in column 3; a code text of one, two or three bytes gives them in columns
// 0, 1 and 2; any other row stays empty.
Grid StageProgram(const Grid& Table1);

// Why the staged bytes cannot be written as records.
struct AssemblyFault {
  enum class Kind {
    None,
    NotHexByte,    // a byte such as "XX" that is not two hex digits
    PastTopAddress,  // an instruction whose bytes run past FFFF
  };
  Kind kind = Kind::None;
  int row = 0;           // the program row
  int address = 0;       // the address of the row's first byte
  std::string byteText;  // the byte that is not hex
};

struct AssemblyResult {
  // The data records in table order of the origin blocks, each with its
  // checksum, then the end record; empty after a fault.
  std::vector<std::string> records;
  AssemblyFault fault;
  bool ok() const { return fault.kind == AssemblyFault::Kind::None; }
};

// Builds the records of the staged program. Each origin block (an origin row
// and the rows after it up to the next one) starts a run of records at its
// own address; its bytes fill records of 16, an instruction whose bytes do
// not all fit running on into the next record, and a last partial record
// holds the rest. A block without bytes gives no record.
AssemblyResult AssembleRecords(const Grid& TempTable);

// The message for a fault, naming the row's address.
std::string AssemblyFaultText(const AssemblyFault& fault);

}  // namespace parvix
