// Quenmar Parvix: an 8085 program editor, assembler, disassembler and
// simulator for use with a trainer board on a serial port.
#include <QApplication>

#include "base/text_file.h"
#include "ui/base/stop_signals.h"
#include "ui/editor/shell.h"

int main(int argc, char* argv[]) {
  // A save beyond a file-size limit fails with a message instead of ending
  // the program.
  parvix::IgnoreFileSizeLimitSignal();
  QApplication app(argc, argv);
  QApplication::setApplicationName("Quenmar Parvix");
  QApplication::setOrganizationName("Quenmar");
  // Asked to stop by a signal, the program still leaves through the end of
  // main(), where the windows and a print job's spool file go.
  parvix::ui::QuitOnStopSignals();
  parvix::ui::Shell shell;
  shell.Start();
  return QApplication::exec();
}
