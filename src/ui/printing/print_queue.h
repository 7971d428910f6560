// The print system (CUPS) for the print job: whether it answers and a
// printer's queue takes jobs now, asked before a run starts, and the
// hand-over of the finished job, whose answer says whether the queue took it.
#pragma once

#include <QString>

#include "base/host.h"

namespace parvix::ui {

// The state of the named queue ("name" or "name/instance"): Ready when it
// accepts jobs and is not stopped, Refusing when it does not take jobs now,
// else as AbsentPrinterStatus says.
PrinterStatus QueueStatus(const QString& printerName);
// Why a printer is not found: Missing when the print system answers (it has
// no such printer), NoService when it does not answer at all (it is not
// running, or not reachable).
PrinterStatus AbsentPrinterStatus();

// Gives the PDF file `pdf`, laid out on the paper named `paper` ("A4",
// "Letter", ...), to the printer's queue as one job titled `title`, on that
// paper and with the user's own options for the printer; false when the
// queue does not take it (it refuses jobs, or the printer is gone).
bool HandOver(const QString& printerName, const QString& pdf, const QString& title,
              const QString& paper);

}  // namespace parvix::ui
