#include "printing/page_composition.h"

#include "editor/programming_panel.h"

namespace parvix {

namespace {

constexpr int kTable1Columns = 5;

int PagesFor(int items, int perPage) { return (items + perPage - 1) / perPage; }

PrinterPage BlankPage(PrinterPage::Kind kind, const PageHeader& header, int rows) {
  PrinterPage page;
  page.kind = kind;
  page.pageNumber = header.pageNumber;
  page.totalPages = header.totalPages;
  page.fileTitle = header.fileTitle;
  page.comment = header.comment;
  page.cells.reserve(rows);
  return page;
}

}  // namespace

PrintCounts CountPrint(const Grid& table1, const SymbolLists& symbols) {
  PrintCounts counts;
  // Walk down from the end: the first row with text is the last program row.
  for (int r = table1.Rows() - 1; r > 0; --r) {
    bool used = false;
    for (int c = 0; c < kTable1Columns && !used; ++c) used = !table1.Text(r, c).empty();
    if (used) {
      counts.LastProgramRow = r;
      break;
    }
  }
  counts.ProgramPages = PagesFor(counts.LastProgramRow + 1, kProgramPageRows);

  const size_t labels = symbols.LabelCombo.size();
  const size_t variables = symbols.XXCombo.size();
  counts.PrintStrings.reserve(labels + variables);
  counts.PrintEqtList.reserve(labels + variables);
  auto add = [&counts](const std::string& name, const std::vector<std::string>& eqts, size_t i) {
    counts.PrintStrings.push_back(name);
    counts.PrintEqtList.push_back(i < eqts.size() ? eqts[i] : std::string());
  };
  for (size_t i = 0; i < labels; ++i) add(symbols.LabelCombo[i], symbols.LabelEqtList, i);
  for (size_t i = 0; i < variables; ++i) add(symbols.XXCombo[i], symbols.XXEqtList, i);

  const int strings = static_cast<int>(counts.PrintStrings.size());
  counts.TotalPages = counts.ProgramPages + PagesFor(strings, kEquivalentsPerPage);
  return counts;
}

bool PagePrinted(int pageOption, int pageNumber) {
  switch (pageOption) {
    case 1: return pageNumber % 2 == 1;
    case 2: return pageNumber % 2 == 0;
    default: return true;
  }
}

PrinterPage ComposeProgramPage(const Grid& table1, const Grid& stringTable, int firstRow,
                               int lastProgramRow, const std::array<int, 5>& colWidths,
                               const PageHeader& header, int* rowsFilled) {
  static const char* const kHeadings[kTable1Columns] = {"Label", "Addr", "Mnemonics", "Opcode",
                                                        "Comments"};
  PrinterPage page = BlankPage(PrinterPage::Kind::Program, header, kProgramPageRows);
  for (int c = 0; c < kTable1Columns; ++c) {
    page.columns.push_back(
        {kHeadings[c], colWidths[c], c < 2 ? CellAlignment::Center : CellAlignment::Left});
  }
  int filled = 0;
  for (int k = 0; k < kProgramPageRows; ++k) {
    std::vector<PageCell> row(kTable1Columns);
    const int source = firstRow + k;
    if (source <= lastProgramRow) {
      for (int c = 0; c < kTable1Columns; ++c) row[c].text = table1.Text(source, c);
      const std::string& label = row[kLabelColumn].text;
      // An origin row is shaded whole, a label cell that names a label (or
      // "Origin") on its own, and the mnemonic of an instruction whose
      // operand is a label or variable.
      if (label == kOriginText) {
        for (PageCell& cell : row) cell.shaded = true;
      } else if (!label.empty()) {
        row[kLabelColumn].shaded = true;
      }
      if (!stringTable.Text(source, 0).empty()) row[kMnemonicColumn].shaded = true;
      ++filled;
    }
    page.cells.push_back(std::move(row));
  }
  if (rowsFilled != nullptr) *rowsFilled = filled;
  return page;
}

PrinterPage ComposeEquivalentsPage(const std::vector<std::string>& strings,
                                   const std::vector<std::string>& equivalents, int first,
                                   const std::array<int, kEquivalentsPageColumns>& colWidths,
                                   const PageHeader& header, int* entriesFilled) {
  PrinterPage page = BlankPage(PrinterPage::Kind::Equivalents, header, kEquivalentsPageRows);
  page.title = kEquivalentsTitle;
  for (int c = 0; c < kEquivalentsPageColumns; ++c) {
    const char* heading = c % 3 == 0 ? "String" : c % 3 == 1 ? "Equivalent" : "";
    page.columns.push_back({heading, colWidths[c], CellAlignment::Center});
  }
  page.cells.assign(kEquivalentsPageRows, std::vector<PageCell>(kEquivalentsPageColumns));
  const int count = static_cast<int>(strings.size());
  int k = 0;
  for (; k < kEquivalentsPerPage && first + k < count; ++k) {
    const int e = first + k;
    const int r = k / kEquivalentsPerRow;
    const int c = (k % kEquivalentsPerRow) * 3;
    page.cells[r][c].text = strings[e];
    if (e < static_cast<int>(equivalents.size())) page.cells[r][c + 1].text = equivalents[e];
  }
  if (entriesFilled != nullptr) *entriesFilled = k;
  return page;
}

}  // namespace parvix
