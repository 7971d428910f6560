// Column widths of the program tables on screen. The widths are kept in
// twips, made for a smaller screen font than today's; one factor widens them
// all, so that the texts a column must show whole fit at the font in use:
// a three-byte code text, a four-digit address, an eight-character name and
// an instruction with such a name.
#pragma once

#include <QFontMetrics>
#include <QString>
#include <initializer_list>
#include <span>

namespace parvix::ui {

// Widths are kept in twips, 1440 to the inch.
inline constexpr int kTwipsPerInch = 1440;

// A width in twips as whole pixels at `dpi` dots per inch, rounded.
int TwipsToPixels(int twips, int dpi);

// What a column must show whole.
enum class ColumnText { None, Name, Address, Instruction, CodeText };

// The widest text of that kind at `metrics` ("C3   XX   XX" for a code text).
QString WidestColumnText(ColumnText kind, const QFontMetrics& metrics);

// The horizontal room a table cell takes around its text.
int CellTextPadding();

// The pixel widths of columns given in twips, each widened by one common
// factor (never below the plain conversion) so that every column's text
// kind fits at `metrics`.
QList<int> ScaledColumnWidths(std::span<const int> twips, std::span<const ColumnText> kinds,
                              const QFontMetrics& metrics, int dpi);

}  // namespace parvix::ui
