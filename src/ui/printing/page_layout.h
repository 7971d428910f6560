// Where everything of a printed page stands: the heading block (company
// caption, page number and total, file title, the equivalents title, the
// print comment and the rule under them) and the grid (its column edges and
// row height). The layout is decided here from the printable area of the
// paper and the fonts as the printer measures them; DrawPage only paints it.
// The grid's rows share the height the heading block leaves, so every page
// of the template fits the paper the printer has (A4, Letter, ...).
#pragma once

#include <QFont>
#include <QRectF>
#include <vector>

#include "printing/page_composition.h"

class QPaintDevice;

namespace parvix::ui {

struct PageLayout {
  QFont companyFont, pageFont, fileTitleFont, titleFont, commentFont, headingFont, cellFont;
  QRectF company;     // "QUENMAR COMPUTERS PVT LTD"
  QRectF pageNumber;  // "Page: n of m"
  QRectF fileTitle;
  QRectF title;    // "EQUIVALENTS"; empty on program pages
  QRectF comment;  // the print comment's lines (at most two)
  double ruleY = 0;
  double point = 0;                 // one typographic point in device pixels (rules, pens)
  double padding = 0;               // room between a cell's edge and its text
  std::vector<double> columnEdges;  // left edge of each column, then the grid's right edge
  double gridTop = 0;
  double rowHeight = 0;
  int rows = 0;  // the heading row and the page's rows

  // The column heading of `col`, and the cell of the page's row `row`.
  QRectF HeadingCell(int col) const { return GridCell(0, col); }
  QRectF Cell(int row, int col) const { return GridCell(row + 1, col); }
  QRectF GridCell(int gridRow, int col) const {
    return QRectF(columnEdges[col], gridTop + gridRow * rowHeight,
                  columnEdges[col + 1] - columnEdges[col], rowHeight);
  }
  double GridBottom() const { return gridTop + rows * rowHeight; }
};

// Lays `page` out in `area`, the printable area in device pixels of
// `device`, whose resolution and font metrics the sizes follow. The grid
// keeps the page's column widths in proportion and is scaled down to fit
// the area's width when it is wider.
PageLayout LayOutPage(const PrinterPage& page, const QRectF& area, const QPaintDevice& device);

}  // namespace parvix::ui
