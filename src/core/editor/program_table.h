// The program table's size: the empty rows it keeps below the row being
// written, and the most rows a program brings into it. The row primitives
// themselves (AddRows, InsertLine, NextLine, ...) are members of
// ProgrammingPanel in program_table.cpp; the program file reader refuses a
// file that counts more rows than the table holds.
#pragma once

#include "hextools/disassembler.h"

namespace parvix {

// The table keeps this many rows below the row being written.
inline constexpr int kRowsBeyond = 10;

// The most rows of a program: rows 0 to kLastNewRow, the last row a program
// may use, and the empty rows kept below it.
inline constexpr int kMaxProgramRows = kLastNewRow + 1 + kRowsBeyond;

}  // namespace parvix
