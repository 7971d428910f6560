#include "ui/printing/print_queue.h"

#include <cups/cups.h>
#include <strings.h>

#include <QByteArray>
#include <QFile>
#include <utility>

namespace parvix::ui {

namespace {
// IPP printer-state "stopped": CUPS stops a queue when its device fails
// (and when an administrator pauses it); its jobs then wait and do not print.
constexpr int kPrinterStopped = 5;
// How long the print service may take to take a connection.
constexpr int kConnectMs = 3000;

// The queue and the instance of a Qt printer name "queue" or "queue/instance".
std::pair<QByteArray, QByteArray> QueueAndInstance(const QString& printerName) {
  const qsizetype slash = printerName.indexOf('/');
  return {printerName.left(slash).toUtf8(),
          slash < 0 ? QByteArray() : printerName.mid(slash + 1).toUtf8()};
}

// The options that choose the paper: the standard one and the printer
// driver's own two.
bool IsPaperOption(const char* name) {
  for (const char* paper : {"media", "PageSize", "PageRegion"}) {
    if (strcasecmp(name, paper) == 0) return true;
  }
  return false;
}
}  // namespace

PrinterStatus AbsentPrinterStatus() {
  http_t* http = httpConnect2(cupsServer(), ippPort(), nullptr, AF_UNSPEC, cupsEncryption(), 1,
                              kConnectMs, nullptr);
  if (http == nullptr) return PrinterStatus::NoService;
  httpClose(http);
  return PrinterStatus::Missing;
}

PrinterStatus QueueStatus(const QString& printerName) {
  const auto [name, instance] = QueueAndInstance(printerName);
  cups_dest_t* dest = cupsGetNamedDest(CUPS_HTTP_DEFAULT, name.constData(),
                                       instance.isEmpty() ? nullptr : instance.constData());
  if (dest == nullptr) return AbsentPrinterStatus();
  auto option = [dest](const char* key) {
    return QByteArray(cupsGetOption(key, dest->num_options, dest->options));
  };
  const bool accepting = option("printer-is-accepting-jobs") != "false";
  const bool stopped = option("printer-state").toInt() == kPrinterStopped;
  cupsFreeDests(1, dest);
  return accepting && !stopped ? PrinterStatus::Ready : PrinterStatus::Refusing;
}

bool HandOver(const QString& printerName, const QString& pdf, const QString& title,
              const QString& paper) {
  const auto [name, instance] = QueueAndInstance(printerName);
  // The job carries the destination's options as the user set them (their
  // lpoptions, which the queue's own defaults do not include), as lp would
  // send them; the paper is the one the pages were laid out for, in place
  // of any paper among those options, so that the queue never prints the
  // pages scaled or cut to another paper.
  int count = 0;
  cups_option_t* options = nullptr;
  if (cups_dest_t* dest = cupsGetNamedDest(CUPS_HTTP_DEFAULT, name.constData(),
                                           instance.isEmpty() ? nullptr : instance.constData())) {
    for (int i = 0; i < dest->num_options; ++i) {
      const cups_option_t& option = dest->options[i];
      if (!IsPaperOption(option.name)) {
        count = cupsAddOption(option.name, option.value, count, &options);
      }
    }
    cupsFreeDests(1, dest);
  }
  count = cupsAddOption("media", paper.toUtf8().constData(), count, &options);
  const QByteArray file = QFile::encodeName(pdf);
  const QByteArray jobTitle = title.toUtf8();
  const int job = cupsPrintFile2(CUPS_HTTP_DEFAULT, name.constData(), file.constData(),
                                 jobTitle.constData(), count, options);
  cupsFreeOptions(count, options);
  return job != 0;
}

}  // namespace parvix::ui
