#include "ui/printing/page_layout.h"

#include <QFontMetricsF>
#include <QPaintDevice>
#include <algorithm>

#include "ui/base/binding.h"
#include "ui/base/column_widths.h"

namespace parvix::ui {

namespace {

constexpr double kPointsPerInch = 72.0;
constexpr int kHeadingRows = 1;
constexpr int kCellPaddingTwips = 70;
constexpr int kCommentLines = 2;
// The tallest row: the grid leaves the rest of a short page free.
constexpr double kMaxRowInches = 0.3;
// The heading block's share of the width: the company caption and the file
// title on the left, the page number on the right, the title in the middle.
constexpr double kCompanyShare = 0.65;
constexpr double kFileTitleShare = 0.35;

QFont Font(const char* family, double points, bool bold = false) {
  QFont font(family);
  font.setPointSizeF(points);
  font.setBold(bold);
  font.setStyleHint(QString(family).contains("Mono") ? QFont::TypeWriter : QFont::SansSerif);
  return font;
}

// The column widths on the page: the page's widths in proportion, scaled
// down when wider than the area; then every column is widened to its
// longest text where it needs it, and the width this takes comes off the
// columns with room to spare, in proportion to their spare room. Only when
// no column has room left is text cut, and then in the widest columns.
std::vector<double> FitColumns(const PrinterPage& page, double areaWidth, double inch,
                               double padding, const QFontMetricsF& headingMetrics,
                               const QFontMetricsF& cellMetrics) {
  const int cols = page.Cols();
  double natural = 0;
  for (const PageColumn& column : page.columns) {
    natural += column.widthTwips / double(kTwipsPerInch) * inch;
  }
  const double scale = natural > areaWidth ? areaWidth / natural : 1.0;
  std::vector<double> widths(cols);
  std::vector<double> needs(cols);
  for (int c = 0; c < cols; ++c) {
    widths[c] = page.columns[c].widthTwips / double(kTwipsPerInch) * inch * scale;
    double need = headingMetrics.horizontalAdvance(Q(page.columns[c].heading));
    for (int r = 0; r < page.Rows(); ++r) {
      const std::string& text = page.At(r, c).text;
      if (!text.empty()) need = std::max(need, cellMetrics.horizontalAdvance(Q(text)));
    }
    needs[c] = need > 0 ? need + 2.5 * padding : 0;
  }
  double missing = 0;
  double spare = 0;
  for (int c = 0; c < cols; ++c) {
    if (needs[c] > widths[c]) {
      missing += needs[c] - widths[c];
      widths[c] = needs[c];
    } else {
      spare += widths[c] - needs[c];
    }
  }
  if (missing > 0 && spare > 0) {
    const double take = std::min(missing, spare) / spare;
    for (int c = 0; c < cols; ++c) {
      if (widths[c] > needs[c]) widths[c] -= (widths[c] - needs[c]) * take;
    }
  }
  // Too wide even so: the widest columns are cut down to one common width
  // that makes the grid fit, so that the long texts (the comments) are cut
  // and the short ones (mnemonics, codes, addresses) stay whole.
  double total = 0;
  for (double width : widths) total += width;
  if (total > areaWidth) {
    std::vector<double> sorted = widths;
    std::sort(sorted.begin(), sorted.end());
    double rest = areaWidth;
    double cap = sorted.back();
    for (size_t i = 0; i < sorted.size(); ++i) {
      const double share = rest / static_cast<double>(sorted.size() - i);
      if (sorted[i] > share) {
        cap = share;
        break;
      }
      rest -= sorted[i];
    }
    for (double& width : widths) width = std::min(width, cap);
  }
  return widths;
}

}  // namespace

PageLayout LayOutPage(const PrinterPage& page, const QRectF& area, const QPaintDevice& device) {
  PageLayout layout;
  layout.companyFont = Font("DejaVu Sans", 13, true);
  layout.pageFont = Font("DejaVu Sans", 10);
  layout.fileTitleFont = Font("DejaVu Sans", 10, true);
  layout.titleFont = Font("DejaVu Sans", 12, true);
  layout.commentFont = Font("DejaVu Sans", 9);
  layout.headingFont = Font("DejaVu Sans", 9, true);
  layout.cellFont = Font("DejaVu Sans Mono", 9);
  auto height = [&device](const QFont& font) { return QFontMetricsF(font, &device).height(); };
  const double inch = device.logicalDpiY();
  const double pt = inch / kPointsPerInch;
  layout.point = pt;
  const double left = area.left();
  const double width = area.width();

  // First line: the company caption, and the page number at the right.
  double y = area.top();
  const double firstLine = std::max(height(layout.companyFont), height(layout.pageFont));
  layout.company = QRectF(left, y, width * kCompanyShare, firstLine);
  layout.pageNumber =
      QRectF(left + width * kCompanyShare, y, width * (1 - kCompanyShare), firstLine);
  y += firstLine + 4 * pt;

  // Second line: the file title, and the equivalents title in the middle.
  double secondLine = height(layout.fileTitleFont);
  if (!page.title.empty()) secondLine = std::max(secondLine, height(layout.titleFont));
  layout.fileTitle = QRectF(left, y, width * kFileTitleShare, secondLine);
  if (!page.title.empty()) {
    layout.title =
        QRectF(left + width * kFileTitleShare, y, width * (1 - 2 * kFileTitleShare), secondLine);
  }
  y += secondLine + 2 * pt;

  // The comment runs over as many lines as it needs, at most two; an empty
  // comment keeps one line free.
  const QFontMetricsF commentMetrics(layout.commentFont, &device);
  double commentHeight = commentMetrics.height();
  if (!page.comment.empty()) {
    const QRectF box(left, y, width, commentMetrics.height() * kCommentLines);
    const QRectF needed =
        commentMetrics.boundingRect(box, Qt::AlignLeft | Qt::TextWordWrap, Q(page.comment));
    commentHeight = std::min(needed.height(), box.height());
  }
  layout.comment = QRectF(left, y, width, commentHeight);
  y += commentHeight + 4 * pt;
  layout.ruleY = y;
  y += 8 * pt;

  // The grid: the column headings' row and the page's rows share what is left.
  layout.padding = kCellPaddingTwips / double(kTwipsPerInch) * inch;
  const std::vector<double> widths =
      FitColumns(page, width, inch, layout.padding, QFontMetricsF(layout.headingFont, &device),
                 QFontMetricsF(layout.cellFont, &device));
  double x = left;
  for (double columnWidth : widths) {
    layout.columnEdges.push_back(x);
    x += columnWidth;
  }
  layout.columnEdges.push_back(x);
  layout.gridTop = y;
  layout.rows = page.Rows() + kHeadingRows;
  layout.rowHeight = std::min((area.bottom() - y) / layout.rows, kMaxRowInches * inch);
  return layout;
}

}  // namespace parvix::ui
