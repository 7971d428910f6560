#include "ui/printing/printer_job.h"

#include <QDir>
#include <QFile>
#include <QMarginsF>
#include <QPageLayout>
#include <QPageSize>
#include <QPrinter>
#include <QPrinterInfo>
#include <QTemporaryFile>
#include <cstdio>

#include "ui/base/binding.h"
#include "ui/printing/page_renderer.h"
#include "ui/printing/print_queue.h"

namespace parvix::ui {

namespace {
constexpr double kMarginMillimetres = 12.0;
}

PrinterJob::PrinterJob() = default;

PrinterJob::~PrinterJob() { Abort(); }

QString PrinterJob::PdfTarget() { return qEnvironmentVariable("PARVIX_PRINT_PDF"); }

PrinterStatus PrinterJob::Status() {
  if (!PdfTarget().isEmpty()) return PrinterStatus::Ready;
  const QPrinterInfo info = Target();
  return info.isNull() ? AbsentPrinterStatus() : QueueStatus(info.printerName());
}

QPrinterInfo PrinterJob::Target() {
  const QPrinterInfo info = QPrinterInfo::defaultPrinter();
  if (!info.isNull()) return info;
  const QList<QPrinterInfo> all = QPrinterInfo::availablePrinters();
  return all.isEmpty() ? QPrinterInfo() : all.first();
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
  QPageSize paper(QPageSize::A4);
  if (pdfPath_.isEmpty()) {
    const QPrinterInfo info = Target();
    if (info.isNull()) return false;
    queue_ = info.printerName();
    // The paper the printer is set to, with the user's own options, not
    // Qt's A4; the job is handed over on it.
    if (info.defaultPageSize().isValid()) paper = info.defaultPageSize();
    paper_ = paper.key();
    QTemporaryFile spool(QDir::temp().filePath("parvix-print-XXXXXX.pdf"));
    spool.setAutoRemove(false);
    if (!spool.open()) return false;
    part_ = spool.fileName();
  } else {
    queue_.clear();
    part_ = pdfPath_ + ".part";
  }
  documentName_ = Q(documentName);
  printer_ = std::make_unique<QPrinter>(QPrinter::HighResolution);
  printer_->setOutputFormat(QPrinter::PdfFormat);
  printer_->setOutputFileName(part_);
  printer_->setDocName(documentName_);
  SetPaper(*printer_, paper);
  pages_ = 0;
  if (!painter_.begin(printer_.get())) {
    Abort();
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
  bool ok = painter_.end() && printer_->printerState() != QPrinter::Error && QFile::exists(part_);
  printer_.reset();
  if (!queue_.isEmpty()) {
    ok = ok && HandOver(queue_, part_, documentName_, paper_);
    QFile::remove(part_);
  } else {
    // rename() replaces an older file of that name in one step.
    ok = ok && std::rename(QFile::encodeName(part_).constData(),
                           QFile::encodeName(pdfPath_).constData()) == 0;
    if (!ok) QFile::remove(part_);
  }
  return ok;
}

void PrinterJob::Abort() {
  if (!Open()) return;
  if (painter_.isActive()) painter_.end();
  printer_.reset();
  QFile::remove(part_);
}

}  // namespace parvix::ui
