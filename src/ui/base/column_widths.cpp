#include "ui/base/column_widths.h"

#include <QApplication>
#include <QStyle>
#include <algorithm>

#include "tables/opcode_tables.h"
#include "ui/base/binding.h"

namespace parvix::ui {

namespace {

constexpr int kNameLength = 8;

// The character of a set that is widest at `metrics`.
QChar WidestOf(const QString& set, const QFontMetrics& metrics) {
  QChar widest = set.front();
  for (QChar c : set) {
    if (metrics.horizontalAdvance(c) > metrics.horizontalAdvance(widest)) widest = c;
  }
  return widest;
}

QString WidestName(const QFontMetrics& metrics) {
  return QString(kNameLength, WidestOf("abcdefghijklmnopqrstuvwxyz0123456789", metrics));
}

// Every instruction that takes a name, with the name as the operand panels
// append it: two blanks before a label, three before a variable.
QString WidestInstruction(const QFontMetrics& metrics) {
  const QString name = WidestName(metrics);
  QString widest;
  int widestAdvance = -1;
  for (int op = 0; op < 256; ++op) {
    const int length = InstructionLength(op);
    if (length == 1 || IsUndefinedOpcode(op)) continue;
    const QString text = Q(MnemonicsLUTList()[op]) + (length == 3 ? "  " : "   ") + name;
    if (const int advance = metrics.horizontalAdvance(text); advance > widestAdvance) {
      widest = text;
      widestAdvance = advance;
    }
  }
  return widest;
}

}  // namespace

int TwipsToPixels(int twips, int dpi) {
  return (twips * dpi + kTwipsPerInch / 2) / kTwipsPerInch;
}

QString WidestColumnText(ColumnText kind, const QFontMetrics& metrics) {
  switch (kind) {
    case ColumnText::Name: return WidestName(metrics);
    case ColumnText::Address: return QString(4, WidestOf("0123456789ABCDEF", metrics));
    case ColumnText::Instruction: return WidestInstruction(metrics);
    case ColumnText::CodeText: {
      const QString byte(2, WidestOf("0123456789ABCDEFX", metrics));
      return byte + "   " + byte + "   " + byte;
    }
    case ColumnText::None: break;
  }
  return {};
}

int CellTextPadding() {
  // The item delegate keeps this margin on each side of a cell's text.
  const int margin = QApplication::style()->pixelMetric(QStyle::PM_FocusFrameHMargin) + 1;
  return 2 * margin + 2;  // and the grid line
}

QList<int> ScaledColumnWidths(std::span<const int> twips, std::span<const ColumnText> kinds,
                              const QFontMetrics& metrics, int dpi) {
  double factor = 1.0;
  for (size_t i = 0; i < twips.size() && i < kinds.size(); ++i) {
    const int base = TwipsToPixels(twips[i], dpi);
    if (kinds[i] == ColumnText::None || base <= 0) continue;
    const int needed = metrics.horizontalAdvance(WidestColumnText(kinds[i], metrics)) + CellTextPadding();
    factor = std::max(factor, static_cast<double>(needed) / base);
  }
  QList<int> widths;
  for (int t : twips) widths.append(static_cast<int>(TwipsToPixels(t, dpi) * factor + 0.999));
  return widths;
}

}  // namespace parvix::ui
