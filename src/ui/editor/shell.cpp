#include "ui/editor/shell.h"

namespace parvix::ui {

Shell::Shell() {
  host.RegisterWindow(WindowId::Startup, &startupWindow);
  host.RegisterWindow(WindowId::Main, &mainWindow);
  host.onTimer = [this](TimerId id) { session.TimerFired(id); };
  host.onRefresh = [this] { RenderAll(); };
}

Shell::~Shell() {
  host.onTimer = nullptr;
  host.onRefresh = nullptr;
}

void Shell::Start() {
  session.Start();
  RenderAll();
}

void Shell::RenderAll() {
  startupWindow.Render();
  mainWindow.Render();
}

}  // namespace parvix::ui
