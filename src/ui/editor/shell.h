// The whole program's ui: the Qt host, the session of window models and the
// windows, wired together. main() makes one; widget tests make their own.
#pragma once

#include <memory>

#include "editor/startup.h"
#include "ui/editor/main_window.h"
#include "ui/editor/startup_window.h"
#include "ui/host/qt_host.h"
#include "ui/hextools/disassembly_dialog.h"
#include "ui/simulator/watch_window.h"
#include "ui/printing/print_info_window.h"
#include "ui/symbols/equivalents_window.h"

namespace parvix::ui {

class Shell {
 public:
  Shell();
  ~Shell();

  // Shows the start-up window; the main window follows from its timer.
  void Start();
  // Renders every window from its model.
  void RenderAll();

  QtHost host;
  Session session{host};
  StartupWindow startupWindow{session.Startup};
  MainWindow mainWindow{session.Main};
  // Modeless, owned by the main window so that it stays above it, yet not
  // greyed with it.
  WatchWindow watchWindow{session.Main.WatchWindowDialogInstance, &mainWindow};
  // Modal over the main window while a hex file is disassembled.
  DisassemblyDialog disassemblyDialog{session.Main.Disassembly, &mainWindow};
  // Modal over the main window while it is shown.
  PrintInfoWindow printInfoWindow{session.Main.Print.PrintInfo, &mainWindow};
  // Modal over the main window.
  EquivalentsWindow equivalentsWindow{session.Main.Equivalents, mainWindow};
};

}  // namespace parvix::ui
