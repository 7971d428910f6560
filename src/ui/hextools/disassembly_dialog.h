// The disassembly dialog on screen: the byte table (Address, Data, Category),
// the three category option buttons with the category the mouse applies,
// Done and Cancel. Shown modal over the main window. Every widget event goes
// to its procedure of the DataDialog model; a press and a release on the
// byte table become DataTable_MouseDown and DataTable_MouseUp, so a click, a
// Shift-click or a drag over rows marks them, and the arrow keys move the
// grid's current row (DataTable_RowColChange) without marking; a drag held
// past the table's top or bottom scrolls it, the faster the farther the
// pointer is beyond the edge. The dialog opens as tall as the file needs, up
// to most of the screen, and the table takes the room of a resize. Widgets
// carry the system's control names.
#pragma once

#include <QAbstractTableModel>
#include <QDialog>
#include <QPoint>
#include <functional>

#include "hextools/disassembly_dialog.h"
#include "ui/base/binding.h"
#include "ui/base/event_gate.h"

class QTableView;
class QTimer;

namespace parvix::ui {

// The byte table for Qt: the core's heading row becomes the Qt header, and
// Qt row r is the core's row r + 1. Cells are read on demand.
class DataTableModel : public QAbstractTableModel {
  Q_OBJECT

 public:
  explicit DataTableModel(const DataDialog& dialog, QObject* parent = nullptr);

  int rowCount(const QModelIndex& parent = {}) const override;
  int columnCount(const QModelIndex& parent = {}) const override;
  QVariant data(const QModelIndex& index, int role) const override;
  QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

  // Core rows first to last have new contents.
  void rowsChanged(int first, int last);
  void resetAll();

 private:
  const DataDialog& dialog_;
};

class DisassemblyDialog : public QDialog {
  Q_OBJECT

 public:
  explicit DisassemblyDialog(DataDialog& model, QWidget* parent = nullptr);

  // Runs a model procedure for a user event, then renders (through
  // `afterEvent` when set, so the main window's tips line follows too; see
  // EventGate).
  void Run(const std::function<void()>& procedure) { gate_.Run(procedure); }
  // Copies the model's state onto the widgets: changed rows, controls, caption.
  void Render();

  std::function<void()> afterEvent;
  DataDialog& model() { return model_; }
  QTableView* table() const { return table_; }

 protected:
  // Esc and the close box are Cancel; while the build runs they do nothing.
  void reject() override;
  void closeEvent(QCloseEvent* event) override;
  // The command that opens the dialog has just loaded the model: show it.
  void showEvent(QShowEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  QWidget* buildControls();
  // Sizes the dialog for the loaded file and the screen it opens on.
  void fitToScreen();
  // The grid shows selected the rows from the anchor to `row`, as marked.
  void showMarkedRows(int row);
  // A drag's pointer has moved; beyond the table's edge the scrolling starts.
  void dragMoved(QPoint at);
  // One step of the scrolling while a drag is held beyond the table's edge.
  void dragScrollStep();

  DataDialog& model_;
  ControlBinder binder_{this};
  QTableView* table_ = nullptr;
  DataTableModel* tableModel_ = nullptr;
  int rowHeight_ = 0;
  EventGate gate_{[this] {
    if (afterEvent) {
      afterEvent();
    } else {
      Render();
    }
  }};
  // The last key pressed on the table extends the selection (Shift).
  bool keyExtends_ = false;
  // A drag over the table: the pointer's last place in the table's viewport,
  // and the timer of the scrolling steps.
  bool dragging_ = false;
  QPoint dragAt_;
  QTimer* dragScroll_ = nullptr;
  bool sendingDragMove_ = false;
};

}  // namespace parvix::ui
