// One print job on the system's default printer, on the paper that printer
// is set to, or into an A4 PDF file when the environment variable
// PARVIX_PRINT_PDF names one (for tests and for machines without a printer).
// Pages are drawn with DrawPage into a PDF file; a printer's job is that file,
// handed to the printer's queue when the job ends, so that a job stopped
// early never reaches the printer and a queue that does not take the job is
// known. Every step reports whether it worked.
#pragma once

#include <QPageSize>
#include <QPainter>
#include <QPrinterInfo>
#include <QRectF>
#include <QString>
#include <memory>
#include <string>

#include "base/host.h"
#include "printing/page_composition.h"

class QPrinter;

namespace parvix::ui {

class PrinterJob {
 public:
  PrinterJob();
  ~PrinterJob();

  // The PDF file that stands in for the printer, or empty.
  static QString PdfTarget();
  // Whether pages can go anywhere now: a PDF target is always ready; a
  // printer is ready or refusing jobs as its queue says, or missing, or not
  // to be asked when the print service does not answer.
  static PrinterStatus Status();
  // The printer a job goes to: the default one, else the first installed.
  static QPrinterInfo Target();
  // Sets the printer's paper, portrait, with the job's margins.
  static void SetPaper(QPrinter& printer, const QPageSize& size);
  // The area pages are drawn in, in device pixels from the painter's origin.
  static QRectF PrintableArea(const QPrinter& printer);

  bool Begin(const std::string& documentName);
  bool Print(const PrinterPage& page);
  // Finishes the job: the printer's queue takes it (false when the queue
  // refuses it or is gone), or the PDF, written under a temporary name, is
  // renamed onto its own.
  bool End();
  // Drops the job: nothing reaches the printer or the PDF file.
  void Abort();
  bool Open() const { return printer_ != nullptr; }

 private:
  std::unique_ptr<QPrinter> printer_;
  QPainter painter_;
  QString pdfPath_;  // the PDF target, or empty for a printer
  QString queue_;    // the printer's name, or empty for a PDF target
  QString paper_;    // the printer's paper the pages are laid out for
  QString part_;     // the file the pages go to until the job ends
  QString documentName_;
  int pages_ = 0;
};

}  // namespace parvix::ui
