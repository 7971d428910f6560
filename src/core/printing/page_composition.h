// What goes on a printed page, as plain data: the fixed captions, the page
// number and total, the file title, the print comment and the grid with its
// cells, column widths, alignments and shading. The print run composes one
// page per timer tick with these functions; the Qt printer only draws the
// result, so every printed value can be checked without a printer.
//
// Program pages hold 32 rows of the program table in five columns;
// equivalents pages hold 120 strings with their equivalents, four pairs to a
// row, in 11 columns (the pairs separated by narrow empty columns).
#pragma once

#include <array>
#include <string>
#include <vector>

#include "base/colors.h"
#include "base/grid.h"
#include "symbols/symbol_lists.h"

namespace parvix {

constexpr int kProgramPageRows = 32;
constexpr int kEquivalentsPageRows = 30;
constexpr int kEquivalentsPageColumns = 11;
constexpr int kEquivalentsPerRow = 4;
constexpr int kEquivalentsPerPage = kEquivalentsPageRows * kEquivalentsPerRow;  // 120
constexpr Color kPrintShade = 0xD0D0D0;  // grey of shaded cells

inline const std::string kCompanyCaption = "QUENMAR COMPUTERS PVT LTD";
inline const std::string kEquivalentsTitle = "EQUIVALENTS";
inline const std::string kPageCaption = "Page:";
inline const std::string kOfCaption = "of";

enum class CellAlignment { Center, Left };

struct PageColumn {
  std::string heading;  // empty for the gaps between the equivalents pairs
  int widthTwips = 0;
  CellAlignment alignment = CellAlignment::Center;
};

struct PageCell {
  std::string text;
  bool shaded = false;
};

// One printed page: a program page or an equivalents page.
struct PrinterPage {
  enum class Kind { Program, Equivalents };
  Kind kind = Kind::Program;
  std::string company = kCompanyCaption;
  std::string title;  // "EQUIVALENTS" on equivalents pages, else empty
  std::string pageCaption = kPageCaption;
  std::string ofCaption = kOfCaption;
  int pageNumber = 0;
  int totalPages = 0;
  std::string fileTitle;
  std::string comment;
  std::vector<PageColumn> columns;
  // Always the template's full number of rows, each with one cell per column;
  // the rows past the last filled one stay empty.
  std::vector<std::vector<PageCell>> cells;

  int Rows() const { return static_cast<int>(cells.size()); }
  int Cols() const { return static_cast<int>(columns.size()); }
  const PageCell& At(int row, int col) const { return cells[row][col]; }
};

// The values a print run and the print information share.
struct PrintCounts {
  int LastProgramRow = 0;  // last Table1 row with text in any of its five cells
  int ProgramPages = 1;
  int TotalPages = 1;  // program pages plus equivalents pages
  // Labels in the order of their list, then variables, with their equivalents.
  std::vector<std::string> PrintStrings;
  std::vector<std::string> PrintEqtList;
};

// Counts the rows and pages and fills the string lists from the program.
PrintCounts CountPrint(const Grid& table1, const SymbolLists& symbols);

// The page-choice menu: 0 all pages, 1 odd pages only, 2 even pages only.
bool PagePrinted(int pageOption, int pageNumber);

// The header values every page carries.
struct PageHeader {
  int pageNumber = 0;
  int totalPages = 0;
  std::string fileTitle;
  std::string comment;
};

// The program page that starts at source row `firstRow`: at most 32 rows, not
// beyond `lastProgramRow`. `rowsFilled` receives the number of rows taken.
PrinterPage ComposeProgramPage(const Grid& table1, const Grid& stringTable, int firstRow,
                               int lastProgramRow, const std::array<int, 5>& colWidths,
                               const PageHeader& header, int* rowsFilled);

// The equivalents page that starts at string `first`: at most 120 entries.
// `entriesFilled` receives the number of entries taken.
PrinterPage ComposeEquivalentsPage(const std::vector<std::string>& strings,
                                   const std::vector<std::string>& equivalents, int first,
                                   const std::array<int, kEquivalentsPageColumns>& colWidths,
                                   const PageHeader& header, int* entriesFilled);

}  // namespace parvix
