// The watch window on screen: the register, memory, port, instruction and
// interrupt tables, the start-address keypad with OK, Execute, the port force
// lists with Force, and the five interrupt buttons. A modeless window owned by
// the main window: a top-level dialog window that the window system keeps
// above its owner, not a child, so it stays usable while the owner is greyed
// (printing). Every widget event goes to its procedure of the
// WatchWindowDialog model, and the window then repaints what the model reports
// as changed. Widgets carry the system's control names as object names.
#pragma once

#include <QPointer>
#include <QWidget>
#include <array>
#include <functional>

#include "simulator/watch_window.h"
#include "ui/base/binding.h"
#include "ui/base/event_gate.h"

class QTableView;
class QVBoxLayout;

namespace parvix::ui {

class WatchTableModel;

class WatchWindow : public QWidget {
  Q_OBJECT

 public:
  explicit WatchWindow(WatchWindowDialog& model, QWidget* owner = nullptr);

  // Runs a model procedure for a user event, then renders (see EventGate).
  void Run(const std::function<void()>& procedure) { gate_.Run(procedure); }
  // Copies the model's state onto the widgets: the changed table rows, the
  // controls, the focus and the memory-table scroll the model asked for.
  void Render();

  WatchWindowDialog& model() { return model_; }
  QTableView* table(WatchTable table) const { return views_[static_cast<int>(table)]; }
  WatchTableModel* tableModel(WatchTable table) const {
    return models_[static_cast<int>(table)];
  }

 protected:
  void showEvent(QShowEvent* event) override;
  void closeEvent(QCloseEvent* event) override;

 private:
  QTableView* makeTable(WatchTable table, const char* name);
  QWidget* buildRegisters();
  QVBoxLayout* addressValueColumn(QWidget* box, const char* captionName, const char* caption,
                                  WatchTable table, const char* tableName);
  QWidget* buildMemory();
  QWidget* buildPorts();
  QWidget* buildRightColumn();
  void RenderTables();

  WatchWindowDialog& model_;
  QPointer<QWidget> owner_;
  ControlBinder binder_{this};
  std::array<QTableView*, 5> views_{};
  std::array<WatchTableModel*, 5> models_{};
  int rowHeight_ = 20;
  unsigned focusSerial_ = 0;
  unsigned scrollSerial_ = 0;
  EventGate gate_{[this] { Render(); }};
};

}  // namespace parvix::ui
