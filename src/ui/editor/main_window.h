// The main window: menus, the program table with its heading labels, the
// panel area with the keypads and tool panels, the tips line and the write
// mode label. Every user event goes to a procedure of the ProgrammingPanel
// model through Run(), which then renders the model's state.
#pragma once

#include <QHash>
#include <QMainWindow>
#include <functional>

#include "editor/programming_panel.h"
#include "ui/base/binding.h"
#include "ui/base/event_gate.h"

class QAction;
class QHBoxLayout;
class QLabel;
class QTableView;

namespace parvix::ui {

class GridModel;

class MainWindow : public QMainWindow {
  Q_OBJECT

 public:
  explicit MainWindow(ProgrammingPanel& model, QWidget* parent = nullptr);

  // Runs a core procedure for a user event, then renders (see EventGate).
  void Run(const std::function<void()>& procedure) { gate_.Run(procedure); }
  // Copies the model's state onto the widgets.
  void Render();

  ProgrammingPanel& model() { return model_; }
  QTableView* table() const { return table_; }
  // The action of a menu item (or of a submenu) by the item's name.
  QAction* action(const QString& name) const;
  // Adds a tool panel to the panel area (later panels register themselves).
  void AddPanel(QWidget* panel);

 protected:
  void closeEvent(QCloseEvent* event) override;

 private:
  void BuildMenus();
  void BuildCentral();
  void WireTableAndKeys();
  void PressDefaultButton();
  void RenderMenus();
  void RenderChosenRows();

  ProgrammingPanel& model_;
  ControlBinder binder_{this};
  QHash<QString, QAction*> actions_;
  QTableView* table_ = nullptr;
  GridModel* tableModel_ = nullptr;
  QHBoxLayout* panelArea_ = nullptr;
  QString defaultButton_;
  unsigned focusSerial_ = 0;
  unsigned scrollSerial_ = 0;
  EventGate gate_{[this] { Render(); }};
};

}  // namespace parvix::ui
