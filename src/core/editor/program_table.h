// The program table's size: the empty rows it keeps below the row being
// written, and the most rows a program brings into it. The row primitives
// themselves (AddRows, InsertLine, NextLine, ...) are members of
// ProgrammingPanel in program_table.cpp; the program file reader refuses a
// file that counts more rows than the table holds.
#pragma once

namespace parvix {

// The table keeps this many rows below the row being written.
inline constexpr int kRowsBeyond = 10;

// The last row index a program may use: the table's room.
inline constexpr int kLastNewRow = 70000;

// The most rows of a program: rows 0 to kLastNewRow, the last row a program
// may use, and the empty rows kept below it.
inline constexpr int kMaxProgramRows = kLastNewRow + 1 + kRowsBeyond;

// Told when a paste would take the program past that room.
inline constexpr const char* kProgramFullText =
    "The program cannot hold more than 70000 rows. Nothing was pasted.";

}  // namespace parvix
