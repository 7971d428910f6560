#include "ui/printing/page_renderer.h"

#include <QFontMetricsF>
#include <QPaintDevice>
#include <QPainter>
#include <QPen>
#include <vector>

#include "ui/base/binding.h"
#include "ui/printing/page_layout.h"

namespace parvix::ui {

namespace {

// Draws `text` in `rect`, cut with an ellipsis when it does not fit.
void DrawText(QPainter& p, const QRectF& rect, const QString& text, Qt::Alignment alignment) {
  const QString shown = QFontMetricsF(p.font(), p.device()).elidedText(text, Qt::ElideRight, rect.width());
  p.drawText(rect, static_cast<int>(alignment | Qt::TextSingleLine), shown);
}

// A gap column of the equivalents pages: no heading and never any text.
bool IsGap(const PrinterPage& page, int col) {
  return page.kind == PrinterPage::Kind::Equivalents && page.columns[col].heading.empty();
}

}  // namespace

void DrawPage(QPainter& p, const QRectF& area, const PrinterPage& page) {
  p.save();
  const PageLayout layout = LayOutPage(page, area, *p.device());
  const double pt = layout.point;

  // ---- Heading block ----
  p.setPen(Qt::black);
  p.setFont(layout.companyFont);
  DrawText(p, layout.company, Q(page.company), Qt::AlignLeft | Qt::AlignVCenter);
  p.setFont(layout.pageFont);
  const QString pageText = Q(page.pageCaption) + " " + QString::number(page.pageNumber) + " " +
                           Q(page.ofCaption) + " " + QString::number(page.totalPages);
  DrawText(p, layout.pageNumber, pageText, Qt::AlignRight | Qt::AlignVCenter);
  p.setFont(layout.fileTitleFont);
  DrawText(p, layout.fileTitle, Q(page.fileTitle), Qt::AlignLeft | Qt::AlignVCenter);
  if (!page.title.empty()) {
    p.setFont(layout.titleFont);
    DrawText(p, layout.title, Q(page.title), Qt::AlignHCenter | Qt::AlignVCenter);
  }
  // The comment wraps within its lines; what does not fit is cut.
  if (!page.comment.empty()) {
    p.setFont(layout.commentFont);
    p.save();
    p.setClipRect(layout.comment);
    p.drawText(layout.comment, Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap, Q(page.comment));
    p.restore();
  }
  p.setPen(QPen(Qt::black, 1.2 * pt));
  p.drawLine(QPointF(area.left(), layout.ruleY), QPointF(area.right(), layout.ruleY));

  // ---- Grid ----
  auto textRect = [&](const QRectF& cell) {
    return cell.adjusted(layout.padding * 0.9, 0, -layout.padding * 0.9, 0);
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
      if (page.At(r, c).shaded) p.fillRect(layout.Cell(r, c), shade);
    }
  }

  // Column headings on a light band.
  p.setFont(layout.headingFont);
  for (int c = 0; c < page.Cols(); ++c) {
    if (IsGap(page, c)) continue;
    const QRectF cell = layout.HeadingCell(c);
    p.fillRect(cell, QColor(0xEE, 0xEE, 0xEE));
    p.setPen(Qt::black);
    DrawText(p, textRect(cell), Q(page.columns[c].heading), alignment(c));
  }

  p.setFont(layout.cellFont);
  for (int r = 0; r < page.Rows(); ++r) {
    for (int c = 0; c < page.Cols(); ++c) {
      const std::string& text = page.At(r, c).text;
      if (!text.empty()) DrawText(p, textRect(layout.Cell(r, c)), Q(text), alignment(c));
    }
  }

  // Rules: thin lines between cells, a firmer frame around each block of
  // columns (the whole grid, or each string/equivalent pair).
  const double top = layout.gridTop;
  const double bottom = layout.GridBottom();
  const double rowHeight = layout.rowHeight;
  const std::vector<double>& lefts = layout.columnEdges;
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
      for (int r = 1; r < layout.rows; ++r) {
        p.drawLine(QPointF(left, top + r * rowHeight), QPointF(right, top + r * rowHeight));
      }
      for (int k = blockStart + 1; k < c; ++k) {
        p.drawLine(QPointF(lefts[k], top), QPointF(lefts[k], bottom));
      }
      p.setPen(firm);
      p.drawRect(QRectF(QPointF(left, top), QPointF(right, bottom)));
      p.drawLine(QPointF(left, top + rowHeight), QPointF(right, top + rowHeight));
    }
    blockStart = c + 1;
  }
  p.restore();
}

}  // namespace parvix::ui
