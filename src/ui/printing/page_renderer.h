// Draws one composed page (printing/page_composition.h) with QPainter where
// its layout (page_layout.h) puts it: the heading block (company caption,
// page number and total, file title, the equivalents title and the print
// comment), then the grid with its column headings, shaded cells and rules.
// The same drawing goes to a printer and to a PDF file.
#pragma once

#include <QRectF>

#include "printing/page_composition.h"

class QPainter;

namespace parvix::ui {

// Draws `page` into `area`, the printable area in device pixels of the
// painter's device.
void DrawPage(QPainter& painter, const QRectF& area, const PrinterPage& page);

}  // namespace parvix::ui
