#include "ui/base/cell_tips.h"

#include <QAbstractItemView>
#include <QHelpEvent>
#include <QToolTip>
#include <string>
#include <string_view>

#include "ui/base/binding.h"
#include "ui/base/column_widths.h"

namespace parvix::ui {

CutCellTips::CutCellTips(QAbstractItemView* view) : QObject(view), view_(view) {
  view->viewport()->installEventFilter(this);
}

bool CutCellTips::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() != QEvent::ToolTip) return QObject::eventFilter(watched, event);
  auto* help = static_cast<QHelpEvent*>(event);
  const QModelIndex index = view_->indexAt(help->pos());
  const QString text = index.isValid() ? index.data(Qt::DisplayRole).toString() : QString();
  const QRect cell = view_->visualRect(index);
  if (!text.isEmpty() &&
      view_->fontMetrics().horizontalAdvance(text) + CellTextPadding() > cell.width()) {
    QToolTip::showText(help->globalPos(), PlainTip(text), view_->viewport(), cell);
  } else {
    QToolTip::hideText();
  }
  return true;
}

QString ShownCellText(const std::string& text) {
  // A UTF-8 character takes at most four bytes: cutting the bytes first
  // keeps the conversion short whatever the cell holds.
  constexpr size_t kMaxBytes = 4 * kMaxShownCellChars;
  if (text.size() <= static_cast<size_t>(kMaxShownCellChars)) return Q(text);
  size_t cut = std::min(text.size(), kMaxBytes);
  while (cut > 0 && cut < text.size() && (static_cast<unsigned char>(text[cut]) & 0xC0) == 0x80) --cut;
  QString shown = Q(std::string_view(text).substr(0, cut));
  if (shown.size() > kMaxShownCellChars) {
    int end = kMaxShownCellChars;
    if (shown[end - 1].isHighSurrogate()) --end;
    shown.truncate(end);
  }
  return shown;
}

}  // namespace parvix::ui
