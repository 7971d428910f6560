// The real program's windows for a widget test: a started Shell whose main
// window shows a new program, and helpers to find widgets by control name.
#pragma once

#include <QAbstractItemModel>
#include <QApplication>
#include <QTableView>
#include <QTest>
#include <QTimer>
#include <functional>
#include <memory>

#include "support/binding_guard.h"  // a name without its widget fails the test
#include "support/modal_helpers.h"
#include "ui/editor/shell.h"

namespace parvix::ui {

class ShellFixture {
 protected:
  // Starts the program; the main window appears after the start-up timer.
  bool StartShell() {
    shell = std::make_unique<Shell>();
    shell->Start();
    if (!QTest::qWaitFor([this] { return window().isVisible(); }, 3000)) return false;
    // Keys typed by the tests go to the active window.
    QApplication::setActiveWindow(&window());
    return QTest::qWaitForWindowActive(&window());
  }
  void StopShell() { shell.reset(); }

  ProgrammingPanel& m() { return shell->session.Main; }
  MainWindow& window() { return shell->mainWindow; }
  template <class T = QWidget>
  T* find(const QString& name) {
    T* widget = window().findChild<T*>(name);
    if (widget == nullptr) qWarning() << "no widget" << name;
    return widget;
  }
  // The text a cell of the program table shows.
  QString cell(int row, int col) {
    return window().table()->model()->index(row, col).data().toString();
  }

  std::unique_ptr<Shell> shell;
};

}  // namespace parvix::ui
