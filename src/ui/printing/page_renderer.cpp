#include "ui/printing/page_renderer.h"

#include <QFont>
#include <QFontMetricsF>
#include <QPaintDevice>
#include <QPainter>
#include <QPen>
#include <QTextOption>
#include <algorithm>
#include <vector>

#include "ui/base/binding.h"

namespace parvix::ui {

namespace {

constexpr double kTwipsPerInch = 1440.0;
constexpr double kPointsPerInch = 72.0;
constexpr int kHeadingRows = 1;
constexpr int kCellPaddingTwips = 70;
// The tallest row: the grid leaves the rest of a short page free.
constexpr double kMaxRowInches = 0.3;

QFont Font(const char* family, double points, bool bold = false) {
  QFont font(family);
  font.setPointSizeF(points);
  font.setBold(bold);
  font.setStyleHint(QString(family).contains("Mono") ? QFont::TypeWriter : QFont::SansSerif);
  return font;
}

// Draws `text` in `rect`, cut with an ellipsis when it does not fit.
void DrawText(QPainter& p, const QRectF& rect, const QString& text, Qt::Alignment alignment) {
  const QString shown = QFontMetricsF(p.font(), p.device()).elidedText(text, Qt::ElideRight, rect.width());
  p.drawText(rect, static_cast<int>(alignment | Qt::TextSingleLine), shown);
}

// A gap column of the equivalents pages: no heading and never any text.
bool IsGap(const PrinterPage& page, int col) {
  return page.kind == PrinterPage::Kind::Equivalents && page.columns[col].heading.empty();
}

// The column widths on the page: the page's widths in proportion, scaled
// down when wider than the area; then every column is widened to its
// longest text where it needs it, and the width this takes comes off the
// columns with room to spare, in proportion to their spare room. Only when
// no column has room left is text cut, and then in the widest columns.
std::vector<double> FitColumns(const PrinterPage& page, double areaWidth, double inch,
                               double padding, const QFont& headingFont, const QFont& cellFont,
                               QPaintDevice* device) {
  const int cols = page.Cols();
  double natural = 0;
  for (const PageColumn& column : page.columns) natural += column.widthTwips / kTwipsPerInch * inch;
  const double scale = natural > areaWidth ? areaWidth / natural : 1.0;
  const QFontMetricsF headingMetrics(headingFont, device);
  const QFontMetricsF cellMetrics(cellFont, device);
  std::vector<double> widths(cols);
  std::vector<double> needs(cols);
  for (int c = 0; c < cols; ++c) {
    widths[c] = page.columns[c].widthTwips / kTwipsPerInch * inch * scale;
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

void DrawPage(QPainter& p, const QRectF& area, const PrinterPage& page) {
  p.save();
  const double dpi = p.device()->logicalDpiY();
  const double inch = dpi;
  const double pt = dpi / kPointsPerInch;

  // ---- Heading block ----
  double y = area.top();
  p.setPen(Qt::black);
  p.setFont(Font("DejaVu Sans", 13, true));
  const double companyHeight = QFontMetricsF(p.font(), p.device()).height();
  DrawText(p, QRectF(area.left(), y, area.width() * 0.65, companyHeight), Q(page.company),
           Qt::AlignLeft | Qt::AlignVCenter);
  p.setFont(Font("DejaVu Sans", 10));
  const QString pageText = Q(page.pageCaption) + " " + QString::number(page.pageNumber) + " " +
                           Q(page.ofCaption) + " " + QString::number(page.totalPages);
  DrawText(p, QRectF(area.left() + area.width() * 0.65, y, area.width() * 0.35, companyHeight),
           pageText, Qt::AlignRight | Qt::AlignVCenter);
  y += companyHeight + 4 * pt;

  p.setFont(Font("DejaVu Sans", 10, true));
  const double lineHeight = QFontMetricsF(p.font(), p.device()).height();
  DrawText(p, QRectF(area.left(), y, area.width() * 0.4, lineHeight), Q(page.fileTitle),
           Qt::AlignLeft | Qt::AlignVCenter);
  if (!page.title.empty()) {
    p.setFont(Font("DejaVu Sans", 12, true));
    DrawText(p, QRectF(area.left() + area.width() * 0.3, y - 2 * pt, area.width() * 0.4,
                       lineHeight + 4 * pt),
             Q(page.title), Qt::AlignHCenter | Qt::AlignVCenter);
  }
  y += lineHeight + 2 * pt;

  // The comment may run over two lines; more is cut.
  p.setFont(Font("DejaVu Sans", 9));
  const QFontMetricsF commentMetrics(p.font(), p.device());
  if (!page.comment.empty()) {
    const QRectF box(area.left(), y, area.width(), commentMetrics.height() * 2);
    const QRectF needed =
        commentMetrics.boundingRect(box, Qt::AlignLeft | Qt::TextWordWrap, Q(page.comment));
    const double height = std::min(needed.height(), box.height());
    p.save();
    p.setClipRect(QRectF(box.left(), box.top(), box.width(), height));
    p.drawText(box, Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap, Q(page.comment));
    p.restore();
    y += height;
  } else {
    y += commentMetrics.height();
  }
  y += 4 * pt;
  p.setPen(QPen(Qt::black, 1.2 * pt));
  p.drawLine(QPointF(area.left(), y), QPointF(area.right(), y));
  y += 8 * pt;

  // ---- Grid ----
  const QFont headingFont = Font("DejaVu Sans", 9, true);
  const QFont cellFont = Font("DejaVu Sans Mono", 9);
  const double padding = kCellPaddingTwips / kTwipsPerInch * inch;
  const std::vector<double> widths = FitColumns(page, area.width(), inch, padding, headingFont, cellFont, p.device());
  const int rows = page.Rows() + kHeadingRows;
  const double rowHeight = std::min((area.bottom() - y) / rows, kMaxRowInches * inch);

  std::vector<double> lefts;
  double x = area.left();
  for (double width : widths) {
    lefts.push_back(x);
    x += width;
  }
  lefts.push_back(x);
  auto cellRect = [&](int row, int col) {
    return QRectF(lefts[col], y + row * rowHeight, lefts[col + 1] - lefts[col], rowHeight);
  };
  auto textRect = [&](const QRectF& cell) {
    return cell.adjusted(padding * 0.9, 0, -padding * 0.9, 0);
  };
  auto alignment = [&](int col) {
    return (page.columns[col].alignment == CellAlignment::Center ? Qt::AlignHCenter
                                                                 : Qt::AlignLeft) |
           Qt::AlignVCenter;
  };

  // Shading first, so that the rules and text stand on top of it.
  const QColor shade = ToQColor(kPrintShade);
  for (int r = 0; r < page.Rows(); ++r) {
    for (int c = 0; c < page.Cols(); ++c) {
      if (page.At(r, c).shaded) p.fillRect(cellRect(r + kHeadingRows, c), shade);
    }
  }

  // Column headings on a light band.
  p.setFont(headingFont);
  for (int c = 0; c < page.Cols(); ++c) {
    if (IsGap(page, c)) continue;
    const QRectF cell = cellRect(0, c);
    p.fillRect(cell, QColor(0xEE, 0xEE, 0xEE));
    p.setPen(Qt::black);
    DrawText(p, textRect(cell), Q(page.columns[c].heading), alignment(c));
  }

  p.setFont(cellFont);
  for (int r = 0; r < page.Rows(); ++r) {
    for (int c = 0; c < page.Cols(); ++c) {
      const std::string& text = page.At(r, c).text;
      if (!text.empty()) DrawText(p, textRect(cellRect(r + kHeadingRows, c)), Q(text), alignment(c));
    }
  }

  // Rules: thin lines between cells, a firmer frame around each block of
  // columns (the whole grid, or each string/equivalent pair).
  const double bottom = y + rows * rowHeight;
  QPen thin(QColor(0x80, 0x80, 0x80), 0.5 * pt);
  QPen firm(Qt::black, 1.0 * pt);
  int blockStart = 0;
  for (int c = 0; c <= page.Cols(); ++c) {
    const bool blockEnds = c == page.Cols() || IsGap(page, c);
    if (!blockEnds) continue;
    if (c > blockStart) {
      const double left = lefts[blockStart];
      const double right = lefts[c];
      p.setPen(thin);
      for (int r = 1; r < rows; ++r) {
        p.drawLine(QPointF(left, y + r * rowHeight), QPointF(right, y + r * rowHeight));
      }
      for (int k = blockStart + 1; k < c; ++k) {
        p.drawLine(QPointF(lefts[k], y), QPointF(lefts[k], bottom));
      }
      p.setPen(firm);
      p.drawRect(QRectF(QPointF(left, y), QPointF(right, bottom)));
      p.drawLine(QPointF(left, y + rowHeight), QPointF(right, y + rowHeight));
    }
    blockStart = c + 1;
  }
  p.restore();
}

}  // namespace parvix::ui
