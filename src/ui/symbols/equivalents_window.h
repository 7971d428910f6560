// The equivalents tool window on screen: the label and variable tables with
// their Current and New columns, the picked name, the value being keyed on a
// hex keypad, Accept and Done. A modal window over the main window: the host
// shows it and returns at once, and from then on its events go to the
// RenumberDialog model until Done or a close unloads it.
#pragma once

#include <QDialog>
#include <functional>

#include "symbols/equivalents_window.h"
#include "ui/base/binding.h"
#include "ui/base/event_gate.h"

class QTableView;

namespace parvix::ui {

class EqtTableModel;
class MainWindow;

class EquivalentsWindow : public QDialog {
  Q_OBJECT

 public:
  EquivalentsWindow(RenumberDialog& model, MainWindow& owner);

  // Runs a model procedure for a user event, then renders this window and
  // the main window, whose program table Done patches (see EventGate).
  void Run(const std::function<void()>& procedure) { gate_.Run(procedure); }
  // Copies the model's state onto the widgets.
  void Render();

  RenumberDialog& model() { return model_; }
  QTableView* labelTable() const { return labelTable_; }
  QTableView* variableTable() const { return variableTable_; }

 public slots:
  // Esc and the close box: the window goes without writing anything back.
  void reject() override;

 protected:
  void showEvent(QShowEvent* event) override;

 private:
  QWidget* buildFrame(bool labels);
  QTableView* buildTable(Grid& grid, const char* name, bool labels);

  RenumberDialog& model_;
  MainWindow& owner_;
  ControlBinder binder_{this};
  QTableView* labelTable_ = nullptr;
  QTableView* variableTable_ = nullptr;
  QString defaultButton_;
  unsigned focusSerial_ = 0;
  // Renders this window and the main window.
  EventGate gate_;
};

}  // namespace parvix::ui
