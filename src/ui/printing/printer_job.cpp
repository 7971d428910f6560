#include "ui/printing/printer_job.h"

#include <QFile>
#include <QMarginsF>
#include <QPageLayout>
#include <QPageSize>
#include <QPrinter>
#include <QPrinterInfo>
#include <cstdio>

#include "ui/base/binding.h"
#include "ui/printing/page_renderer.h"

namespace parvix::ui {

namespace {
constexpr double kMarginMillimetres = 12.0;
}

PrinterJob::PrinterJob() = default;

PrinterJob::~PrinterJob() { Abort(); }

QString PrinterJob::PdfTarget() { return qEnvironmentVariable("PARVIX_PRINT_PDF"); }

bool PrinterJob::Available() {
  return !PdfTarget().isEmpty() || !QPrinterInfo::availablePrinterNames().isEmpty();
}

void PrinterJob::SetPaper(QPrinter& printer, const QPageSize& size) {
  printer.setPageSize(size);
  printer.setPageOrientation(QPageLayout::Portrait);
  printer.setPageMargins(QMarginsF(kMarginMillimetres, kMarginMillimetres, kMarginMillimetres,
                                   kMarginMillimetres),
                         QPageLayout::Millimeter);
}

QRectF PrinterJob::PrintableArea(const QPrinter& printer) {
  return QRectF(QPointF(0, 0), printer.pageLayout().paintRectPixels(printer.resolution()).size());
}

bool PrinterJob::Begin(const std::string& documentName) {
  Abort();
  pdfPath_ = PdfTarget();
  if (pdfPath_.isEmpty()) {
    QPrinterInfo info = QPrinterInfo::defaultPrinter();
    if (info.isNull()) {
      const QList<QPrinterInfo> all = QPrinterInfo::availablePrinters();
      if (all.isEmpty()) return false;
      info = all.first();
    }
    printer_ = std::make_unique<QPrinter>(info, QPrinter::HighResolution);
    // QPrinter starts on A4 whatever the printer holds: take the paper the
    // printer is set to.
    const QPageSize paper = info.defaultPageSize();
    SetPaper(*printer_, paper.isValid() ? paper : QPageSize(QPageSize::A4));
  } else {
    printer_ = std::make_unique<QPrinter>(QPrinter::HighResolution);
    printer_->setOutputFormat(QPrinter::PdfFormat);
    pdfPart_ = pdfPath_ + ".part";
    printer_->setOutputFileName(pdfPart_);
    SetPaper(*printer_, QPageSize(QPageSize::A4));
  }
  printer_->setDocName(Q(documentName));
  pages_ = 0;
  if (!painter_.begin(printer_.get())) {
    printer_.reset();
    return false;
  }
  return true;
}

bool PrinterJob::Print(const PrinterPage& page) {
  if (!Open()) return false;
  if (pages_ > 0 && !printer_->newPage()) return false;
  DrawPage(painter_, PrintableArea(*printer_), page);
  ++pages_;
  return printer_->printerState() != QPrinter::Error && printer_->printerState() != QPrinter::Aborted;
}

bool PrinterJob::End() {
  if (!Open()) return false;
  bool ok = painter_.end() && printer_->printerState() != QPrinter::Error;
  printer_.reset();
  if (!pdfPath_.isEmpty()) {
    // rename() replaces an older file of that name in one step.
    ok = ok && QFile::exists(pdfPart_) &&
         std::rename(QFile::encodeName(pdfPart_).constData(),
                     QFile::encodeName(pdfPath_).constData()) == 0;
    if (!ok) QFile::remove(pdfPart_);
  }
  return ok;
}

void PrinterJob::Abort() {
  if (!Open()) return;
  printer_->abort();
  if (painter_.isActive()) painter_.end();
  printer_.reset();
  if (!pdfPath_.isEmpty()) QFile::remove(pdfPart_);
}

}  // namespace parvix::ui
