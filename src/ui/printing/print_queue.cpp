#include "ui/printing/print_queue.h"

#include <cups/cups.h>

#include <QByteArray>
#include <QFile>
#include <utility>

namespace parvix::ui {

namespace {
// IPP printer-state "stopped": CUPS stops a queue when its device fails
// (and when an administrator pauses it); its jobs then wait and do not print.
constexpr int kPrinterStopped = 5;

// The queue and the instance of a Qt printer name "queue" or "queue/instance".
std::pair<QByteArray, QByteArray> QueueAndInstance(const QString& printerName) {
  const qsizetype slash = printerName.indexOf('/');
  return {printerName.left(slash).toUtf8(),
          slash < 0 ? QByteArray() : printerName.mid(slash + 1).toUtf8()};
}
}  // namespace

PrinterStatus QueueStatus(const QString& printerName) {
  const auto [name, instance] = QueueAndInstance(printerName);
  cups_dest_t* dest = cupsGetNamedDest(CUPS_HTTP_DEFAULT, name.constData(),
                                       instance.isEmpty() ? nullptr : instance.constData());
  if (dest == nullptr) return PrinterStatus::Missing;
  auto option = [dest](const char* key) {
    return QByteArray(cupsGetOption(key, dest->num_options, dest->options));
  };
  const bool accepting = option("printer-is-accepting-jobs") != "false";
  const bool stopped = option("printer-state").toInt() == kPrinterStopped;
  cupsFreeDests(1, dest);
  return accepting && !stopped ? PrinterStatus::Ready : PrinterStatus::Refusing;
}

bool HandOver(const QString& printerName, const QString& pdf, const QString& title) {
  const QByteArray name = QueueAndInstance(printerName).first;
  const QByteArray file = QFile::encodeName(pdf);
  const QByteArray jobTitle = title.toUtf8();
  // The queue's own defaults (paper, sides, copies) apply to the job.
  return cupsPrintFile2(CUPS_HTTP_DEFAULT, name.constData(), file.constData(), jobTitle.constData(),
                        0, nullptr) != 0;
}

}  // namespace parvix::ui
