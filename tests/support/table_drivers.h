// Driving a QTableView with the mouse in widget tests: clicks on a cell and
// drags over rows, sent as real press, move and release events.
#pragma once

#include <QAbstractItemModel>
#include <QApplication>
#include <QMouseEvent>
#include <QTableView>
#include <QTest>

namespace parvix::ui {

// The centre of a cell in the table's viewport, scrolled into view first.
inline QPoint CellCentre(QTableView* table, int row, int col) {
  const QModelIndex index = table->model()->index(row, col);
  table->scrollTo(index);
  return table->visualRect(index).center();
}

inline void ClickCell(QTableView* table, int row, int col) {
  QTest::mouseClick(table->viewport(), Qt::LeftButton, {}, CellCentre(table, row, col));
}

// Sends a left-button press, move or release at `at` in the table's
// viewport, with `buttons` held.
inline void SendMouse(QTableView* table, QEvent::Type type, QPoint at, Qt::MouseButtons buttons) {
  QWidget* viewport = table->viewport();
  QMouseEvent event(type, at, viewport->mapToGlobal(at),
                    type == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton, buttons,
                    Qt::NoModifier);
  QApplication::sendEvent(viewport, &event);
}

// Presses on one row's cell in column `col`, moves over the rows between
// with the button held and releases on the last.
inline void DragOverRows(QTableView* table, int fromRow, int toRow, int col) {
  auto send = [table](QEvent::Type type, QPoint at, Qt::MouseButtons buttons) {
    SendMouse(table, type, at, buttons);
  };
  send(QEvent::MouseButtonPress, CellCentre(table, fromRow, col), Qt::LeftButton);
  const int step = toRow >= fromRow ? 1 : -1;
  for (int r = fromRow; r != toRow + step; r += step) {
    send(QEvent::MouseMove, CellCentre(table, r, col), Qt::LeftButton);
  }
  send(QEvent::MouseButtonRelease, CellCentre(table, toRow, col), Qt::NoButton);
}

}  // namespace parvix::ui
