#include "ui/hextools/disassembly_dialog.h"

#include <QApplication>
#include <QCloseEvent>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QScrollBar>
#include <QStyle>
#include <QTableView>
#include <QTimer>
#include <QVBoxLayout>
#include <algorithm>

#include "ui/base/column_widths.h"

namespace parvix::ui {

namespace {

// The share of the screen's height the dialog may take when the file has
// more rows than fit: the rest leaves room for the window's frame.
constexpr int kScreenPercent = 85;
// Rows the table shows at least, however small the screen.
constexpr int kMinimumRows = 8;
// A drag held beyond the table's edge scrolls a step this often; each step
// moves one row, and one more for every half row the pointer is beyond the
// edge, up to a page.
constexpr int kDragScrollMs = 50;

}  // namespace

DataTableModel::DataTableModel(const DataDialog& dialog, QObject* parent)
    : QAbstractTableModel(parent), dialog_(dialog) {}

int DataTableModel::rowCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : std::max(dialog_.DataTable.Rows() - 1, 0);
}

int DataTableModel::columnCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : dialog_.DataTable.Cols();
}

QVariant DataTableModel::data(const QModelIndex& index, int role) const {
  if (!index.isValid()) return {};
  switch (role) {
    case Qt::DisplayRole: return Q(dialog_.DataTable.Text(index.row() + 1, index.column()));
    case Qt::TextAlignmentRole: return QVariant::fromValue(Qt::Alignment(Qt::AlignCenter));
    default: return {};
  }
}

QVariant DataTableModel::headerData(int section, Qt::Orientation orientation, int role) const {
  if (orientation == Qt::Horizontal && role == Qt::DisplayRole)
    return Q(dialog_.DataTable.Text(0, section));
  return {};
}

void DataTableModel::rowsChanged(int first, int last) {
  first = std::max(first, 1);
  last = std::min(last, rowCount());
  if (first > last) return;
  emit dataChanged(index(first - 1, 0), index(last - 1, columnCount() - 1), {Qt::DisplayRole});
}

void DataTableModel::resetAll() {
  beginResetModel();
  endResetModel();
}

DisassemblyDialog::DisassemblyDialog(DataDialog& model, QWidget* parent)
    : QDialog(parent), model_(model) {
  setObjectName("DataDialog");
  setSizeGripEnabled(true);
  rowHeight_ = fontMetrics().height() + 6;

  table_ = new QTableView;
  table_->setObjectName("DataTable");
  tableModel_ = new DataTableModel(model_, table_);
  table_->setModel(tableModel_);
  table_->verticalHeader()->hide();
  table_->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
  table_->verticalHeader()->setDefaultSectionSize(rowHeight_);
  table_->horizontalHeader()->setSectionResizeMode(QHeaderView::Fixed);
  table_->horizontalHeader()->setHighlightSections(false);
  // A drag shows the rows it will mark; the release marks them.
  table_->setSelectionBehavior(QAbstractItemView::SelectRows);
  table_->setSelectionMode(QAbstractItemView::ContiguousSelection);
  table_->setEditTriggers(QAbstractItemView::NoEditTriggers);
  table_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  table_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  table_->setWordWrap(false);
  // Each column as wide as the system's width, and never narrower than its
  // widest text.
  const int dpi = logicalDpiX();
  int total = 2 * table_->frameWidth() + style()->pixelMetric(QStyle::PM_ScrollBarExtent);
  for (int col = 0; col < 3; ++col) {
    int width = TwipsToPixels(model_.ColWidthList[col], dpi);
    const QStringList& texts =
        col == 0 ? QStringList{"Address", "10000"}
        : col == 1 ? QStringList{"Data", "FF"} : QStringList{"Category", "Data Byte", "Mnemonic"};
    for (const QString& text : texts) width = std::max(width, fontMetrics().horizontalAdvance(text) + 20);
    table_->setColumnWidth(col, width);
    total += width;
  }
  table_->setFixedWidth(total);
  table_->setMinimumHeight(2 * table_->frameWidth() + (kMinimumRows + 1) * rowHeight_);
  table_->viewport()->installEventFilter(this);
  table_->installEventFilter(this);
  // The keys move the grid's current row; the mouse tells its own moves.
  connect(table_->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
          [this](const QModelIndex& current) {
            if (dragging_ || keyExtends_ || !current.isValid()) return;
            const int row = current.row() + 1;
            Run([this, row] { model_.DataTable_RowColChange(row); });
          });
  dragScroll_ = new QTimer(this);
  dragScroll_->setObjectName("DragScrollTimer");
  dragScroll_->setInterval(kDragScrollMs);
  connect(dragScroll_, &QTimer::timeout, this, &DisassemblyDialog::dragScrollStep);

  auto* layout = new QHBoxLayout(this);
  layout->addWidget(table_, 1);
  layout->addWidget(buildControls(), 0);
  Render();
}

QWidget* DisassemblyDialog::buildControls() {
  auto* box = new QWidget;
  auto* layout = new QVBoxLayout(box);
  layout->setContentsMargins(0, 0, 0, 0);

  auto* typeLine = new QHBoxLayout;
  QLabel* caption = PlainLabel();
  caption->setObjectName("DataTypeCaption");
  QLabel* current = PlainLabel();
  current->setObjectName("DataTypeLabel");
  QFont bold = current->font();
  bold.setBold(true);
  current->setFont(bold);
  // Room for the longest category, so the line never jumps.
  current->setMinimumWidth(QFontMetrics(bold).horizontalAdvance("Data Byte") + 4);
  typeLine->addWidget(caption);
  typeLine->addWidget(current);
  typeLine->addStretch();
  layout->addLayout(typeLine);

  auto* options = new QGroupBox;
  options->setObjectName("DataTypeFrame");
  auto* optionLayout = new QVBoxLayout(options);
  for (int i = 0; i < 3; ++i) {
    auto* option = new QRadioButton;
    option->setObjectName(Q(IndexedName("DataType", i)));
    optionLayout->addWidget(option);
    connect(option, &QRadioButton::clicked, this,
            [this, i] { Run([this, i] { model_.DataType_Click(i); }); });
  }
  layout->addWidget(options);
  layout->addStretch();

  auto* done = new QPushButton;
  done->setObjectName("DoneButton");
  done->setDefault(true);
  auto* cancel = new QPushButton;
  cancel->setObjectName("CancelButton");
  cancel->setAutoDefault(false);
  connect(done, &QPushButton::clicked, this, [this] { Run([this] { model_.DoneButton_Click(); }); });
  connect(cancel, &QPushButton::clicked, this,
          [this] { Run([this] { model_.CancelButton_Click(); }); });
  layout->addWidget(done);
  layout->addWidget(cancel);
  return box;
}

void DisassemblyDialog::Render() {
  const DataTableChanges changes = model_.takeChanges();
  if (changes.reset) {
    tableModel_->resetAll();
    table_->scrollToTop();
  } else if (changes.first <= changes.last) {
    tableModel_->rowsChanged(changes.first, changes.last);
  }
  model_.VisitControls(binder_);
  SetPlainWindowTitle(this, Q(model_.Caption));
}

void DisassemblyDialog::reject() {
  Run([this] { model_.CancelButton_Click(); });
}

void DisassemblyDialog::closeEvent(QCloseEvent* event) {
  event->ignore();
  if (model_.loaded) reject();
}

void DisassemblyDialog::showEvent(QShowEvent* event) {
  Render();
  if (!event->spontaneous()) fitToScreen();
  QDialog::showEvent(event);
}

void DisassemblyDialog::fitToScreen() {
  const QWidget* owner = parentWidget() != nullptr ? parentWidget() : this;
  const QRect screen = owner->screen()->availableGeometry();
  // Every row when they fit, else as many as most of the screen holds.
  const QMargins margins = layout()->contentsMargins();
  const int rows = tableModel_->rowCount() + 1;  // and the heading
  const int tableHeight = 2 * table_->frameWidth() + rows * rowHeight_;
  const int wanted = margins.top() + margins.bottom() +
                     std::max(tableHeight, layout()->itemAt(1)->sizeHint().height());
  const int height = std::max(std::min(wanted, screen.height() * kScreenPercent / 100),
                              minimumSizeHint().height());
  resize(sizeHint().width(), height);
}

void DisassemblyDialog::showMarkedRows(int row) {
  const int first = std::min(model_.AnchorRow, row) - 1;
  const int last = std::max(model_.AnchorRow, row) - 1;
  if (first < 0) return;
  table_->selectionModel()->select(
      QItemSelection(tableModel_->index(first, 0), tableModel_->index(last, kCategoryColumn)),
      QItemSelectionModel::ClearAndSelect);
}

void DisassemblyDialog::dragMoved(QPoint at) {
  dragAt_ = at;
  const int margin = table_->autoScrollMargin();
  const int height = table_->viewport()->height();
  if (at.y() < margin || at.y() >= height - margin) {
    if (!dragScroll_->isActive()) dragScroll_->start();
  } else {
    dragScroll_->stop();
  }
}

void DisassemblyDialog::dragScrollStep() {
  const int margin = table_->autoScrollMargin();
  const int height = table_->viewport()->height();
  int beyond = 0;  // how far the pointer is past the edge, negative above
  if (dragAt_.y() < margin) {
    beyond = dragAt_.y() - margin;
  } else if (dragAt_.y() >= height - margin) {
    beyond = dragAt_.y() - (height - margin) + 1;
  }
  if (!dragging_ || beyond == 0) {
    dragScroll_->stop();
    return;
  }
  QScrollBar* bar = table_->verticalScrollBar();
  const int rows = std::min(1 + std::abs(beyond) / std::max(rowHeight_ / 2, 1), bar->pageStep());
  bar->setValue(bar->value() + (beyond < 0 ? -rows : rows));
  // The drag goes on to the row now at the edge, as if the pointer were there.
  const QPoint edge(dragAt_.x(), std::clamp(dragAt_.y(), 0, height - 1));
  QMouseEvent move(QEvent::MouseMove, edge, table_->viewport()->mapToGlobal(edge), Qt::NoButton,
                   Qt::LeftButton, Qt::NoModifier);
  sendingDragMove_ = true;
  QApplication::sendEvent(table_->viewport(), &move);
  sendingDragMove_ = false;
}

bool DisassemblyDialog::eventFilter(QObject* watched, QEvent* event) {
  if (watched == table_ && event->type() == QEvent::KeyPress) {
    const auto modifiers = static_cast<QKeyEvent*>(event)->modifiers();
    keyExtends_ = modifiers & Qt::ShiftModifier;
  }
  if (watched != table_->viewport()) return QDialog::eventFilter(watched, event);
  // The viewport sees every kind of event; only the mouse cases are mouse events.
  switch (event->type()) {
    case QEvent::MouseButtonPress: {
      const auto* mouse = static_cast<QMouseEvent*>(event);
      if (mouse->button() != Qt::LeftButton) break;
      const QModelIndex index = table_->indexAt(mouse->position().toPoint());
      if (!index.isValid()) break;
      // The grid extends its selection from the current row with Shift, and
      // with Ctrl too (it keeps one run of rows).
      const bool extend = mouse->modifiers() & (Qt::ShiftModifier | Qt::ControlModifier);
      const int row = index.row() + 1;
      Run([this, row, extend] { model_.DataTable_MouseDown(row, extend); });
      dragging_ = true;
      dragAt_ = mouse->position().toPoint();
      // The drag scrolls by its own steps, not by the view's slow ones.
      table_->setAutoScroll(false);
      break;
    }
    case QEvent::MouseMove: {
      const auto* mouse = static_cast<QMouseEvent*>(event);
      if (dragging_ && !sendingDragMove_ && (mouse->buttons() & Qt::LeftButton)) {
        dragMoved(mouse->position().toPoint());
      }
      break;
    }
    case QEvent::MouseButtonRelease: {
      const auto* mouse = static_cast<QMouseEvent*>(event);
      if (mouse->button() != Qt::LeftButton) break;
      dragging_ = false;
      dragScroll_->stop();
      table_->setAutoScroll(true);
      // Released beyond the rows, or outside the table (where indexAt still
      // names the rows that are scrolled away): the drag ends on the last
      // row it reached.
      const QPoint at = mouse->position().toPoint();
      QModelIndex index;
      if (table_->viewport()->rect().contains(at)) index = table_->indexAt(at);
      if (!index.isValid()) index = table_->currentIndex();
      if (index.isValid()) {
        const int row = index.row() + 1;
        Run([this, row] { model_.DataTable_MouseUp(row); });
        showMarkedRows(row);
      }
      break;
    }
    default:
      break;
  }
  return QDialog::eventFilter(watched, event);
}

}  // namespace parvix::ui
