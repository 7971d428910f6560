#include "ui/editor/shell.h"

namespace parvix::ui {

Shell::Shell() {
  host.RegisterWindow(WindowId::Startup, &startupWindow);
  host.RegisterWindow(WindowId::Main, &mainWindow);
  host.RegisterWindow(WindowId::Watch, &watchWindow);
  host.RegisterWindow(WindowId::Disassembly, &disassemblyDialog);
  disassemblyDialog.afterEvent = [this] { RenderAll(); };
  host.RegisterWindow(WindowId::PrintInformation, &printInfoWindow);
  host.RegisterWindow(WindowId::Equivalents, &equivalentsWindow);
  host.onTimer = [this](TimerId id) { session.TimerFired(id); };
  host.onRefresh = [this] { RenderAll(); };
}

Shell::~Shell() {
  host.onTimer = nullptr;
  host.onRefresh = nullptr;
  disassemblyDialog.afterEvent = nullptr;
  host.serialPort().onArrival = nullptr;
  host.serialPort().onAllSent = nullptr;
}

void Shell::Start() {
  session.Start();
  RenderAll();
}

void Shell::RenderAll() {
  startupWindow.Render();
  mainWindow.Render();
  watchWindow.Render();
  disassemblyDialog.Render();
  equivalentsWindow.Render();
}

}  // namespace parvix::ui
