#include "ui/editor/table_mouse.h"

#include <QEvent>
#include <QMouseEvent>
#include <QTableView>
#include <numeric>

#include "ui/editor/main_window.h"

namespace parvix::ui {

namespace {

class TableMouse : public QObject {
 public:
  TableMouse(MainWindow& window, QTableView& view) : QObject(&view), window_(window), view_(view) {}

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    switch (event->type()) {
      case QEvent::MouseButtonPress:
        Press(*static_cast<QMouseEvent*>(event));
        break;
      case QEvent::MouseMove:
        Move(*static_cast<QMouseEvent*>(event));
        break;
      case QEvent::MouseButtonRelease:
        Release(*static_cast<QMouseEvent*>(event));
        break;
      default:
        break;
    }
    return QObject::eventFilter(watched, event);
  }

 private:
  ProgrammingPanel& model() { return window_.model(); }

  void Press(const QMouseEvent& event) {
    if (event.button() != Qt::LeftButton) return;
    const QModelIndex index = view_.indexAt(event.position().toPoint());
    if (!index.isValid()) return;
    pressed_ = true;
    window_.Run([this, row = index.row(), col = index.column()] {
      ProgrammingPanel& m = model();
      const int oldRow = m.Table1.row, oldCol = m.Table1.col;
      m.Table1_MouseDown(row, col);
      if (oldRow != row || oldCol != col) m.Table1_LeaveCell(oldRow, oldCol);
    });
  }

  void Move(const QMouseEvent& event) {
    const int x = TwipsAt(view_, model().ColWidthList, event.position().toPoint().x());
    window_.Run([this, x] { model().Table1_MouseMove(x); });
    const Qt::CursorShape shape =
        model().Table1Pointer == TablePointer::IBeam ? Qt::IBeamCursor : Qt::ArrowCursor;
    QWidget* viewport = view_.viewport();
    if (viewport->cursor().shape() != shape) viewport->setCursor(shape);
  }

  void Release(const QMouseEvent& event) {
    if (event.button() != Qt::LeftButton || !pressed_) return;
    pressed_ = false;
    // The row under the pointer; above or below the rows, the nearest one.
    const int y = event.position().toPoint().y();
    int row = view_.rowAt(y);
    if (row < 0) row = y < 0 ? std::max(view_.rowAt(0), 0) : view_.model()->rowCount() - 1;
    window_.Run([this, row] { model().Table1_MouseUp(row); });
  }

  MainWindow& window_;
  QTableView& view_;
  bool pressed_ = false;
};

}  // namespace

int TwipsAt(const QTableView& view, const std::array<int, 5>& widthsTwips, int x) {
  const int total = std::accumulate(widthsTwips.begin(), widthsTwips.end(), 0);
  if (x < 0) return 0;
  const int col = view.columnAt(x);
  if (col < 0 || col >= static_cast<int>(widthsTwips.size())) return total + 1;
  const int left = std::accumulate(widthsTwips.begin(), widthsTwips.begin() + col, 0);
  const int width = std::max(view.columnWidth(col), 1);
  return left + (x - view.columnViewportPosition(col)) * widthsTwips[col] / width;
}

void InstallTableMouse(MainWindow& window) {
  QTableView* view = window.table();
  view->viewport()->setMouseTracking(true);
  view->viewport()->installEventFilter(new TableMouse(window, *view));
}

}  // namespace parvix::ui
