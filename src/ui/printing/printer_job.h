// One print job on the system's default printer, on the paper that printer
// is set to, or into an A4 PDF file when the environment variable
// PARVIX_PRINT_PDF names one (for tests and for machines without a printer).
// Pages are drawn with DrawPage; every step reports whether the printer took
// it.
#pragma once

#include <QPageSize>
#include <QPainter>
#include <QRectF>
#include <QString>
#include <memory>
#include <string>

#include "printing/page_composition.h"

class QPrinter;

namespace parvix::ui {

class PrinterJob {
 public:
  PrinterJob();
  ~PrinterJob();

  // The PDF file that stands in for the printer, or empty.
  static QString PdfTarget();
  // True when pages have somewhere to go: a PDF target or an installed printer.
  static bool Available();
  // Sets the printer's paper, portrait, with the job's margins.
  static void SetPaper(QPrinter& printer, const QPageSize& size);
  // The area pages are drawn in, in device pixels from the painter's origin.
  static QRectF PrintableArea(const QPrinter& printer);

  bool Begin(const std::string& documentName);
  bool Print(const PrinterPage& page);
  // Finishes the job; a PDF is written under a temporary name and renamed
  // onto its own only when the whole job is done.
  bool End();
  void Abort();
  bool Open() const { return printer_ != nullptr; }

 private:
  std::unique_ptr<QPrinter> printer_;
  QPainter painter_;
  QString pdfPath_;
  QString pdfPart_;
  int pages_ = 0;
};

}  // namespace parvix::ui
