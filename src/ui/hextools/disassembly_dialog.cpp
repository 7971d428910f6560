#include "ui/hextools/disassembly_dialog.h"

#include <QCloseEvent>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QStyle>
#include <QTableView>
#include <QVBoxLayout>
#include <algorithm>

#include "ui/editor/main_window.h"

namespace parvix::ui {

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
  const int rowHeight = fontMetrics().height() + 6;

  table_ = new QTableView;
  table_->setObjectName("DataTable");
  tableModel_ = new DataTableModel(model_, table_);
  table_->setModel(tableModel_);
  table_->verticalHeader()->hide();
  table_->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
  table_->verticalHeader()->setDefaultSectionSize(rowHeight);
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
    int width = MainWindow::TwipsToPixels(model_.ColWidthList[col], dpi);
    const QStringList& texts =
        col == 0 ? QStringList{"Address", "10000"}
        : col == 1 ? QStringList{"Data", "FF"} : QStringList{"Category", "Data Byte", "Mnemonic"};
    for (const QString& text : texts) width = std::max(width, fontMetrics().horizontalAdvance(text) + 20);
    table_->setColumnWidth(col, width);
    total += width;
  }
  table_->setFixedWidth(total);
  table_->setMinimumHeight(2 * table_->frameWidth() + 17 * rowHeight);
  table_->viewport()->installEventFilter(this);

  auto* layout = new QHBoxLayout(this);
  layout->addWidget(table_, 1);
  layout->addWidget(buildControls(), 0);
  refresh();
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
            [this, i] { run([this, i] { model_.DataType_Click(i); }); });
  }
  layout->addWidget(options);
  layout->addStretch();

  auto* done = new QPushButton;
  done->setObjectName("DoneButton");
  done->setDefault(true);
  auto* cancel = new QPushButton;
  cancel->setObjectName("CancelButton");
  cancel->setAutoDefault(false);
  connect(done, &QPushButton::clicked, this, [this] { run([this] { model_.DoneButton_Click(); }); });
  connect(cancel, &QPushButton::clicked, this,
          [this] { run([this] { model_.CancelButton_Click(); }); });
  layout->addWidget(done);
  layout->addWidget(cancel);
  return box;
}

void DisassemblyDialog::run(const std::function<void()>& procedure) {
  if (inCore_) return;
  inCore_ = true;
  procedure();
  inCore_ = false;
  if (afterEvent) {
    afterEvent();
  } else {
    refresh();
  }
}

void DisassemblyDialog::refresh() {
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
  run([this] { model_.CancelButton_Click(); });
}

void DisassemblyDialog::closeEvent(QCloseEvent* event) {
  event->ignore();
  if (model_.loaded) reject();
}

void DisassemblyDialog::showEvent(QShowEvent* event) {
  refresh();
  QDialog::showEvent(event);
}

bool DisassemblyDialog::eventFilter(QObject* watched, QEvent* event) {
  if (watched == table_->viewport() && (event->type() == QEvent::MouseButtonPress ||
                                        event->type() == QEvent::MouseButtonRelease)) {
    auto* mouse = static_cast<QMouseEvent*>(event);
    if (mouse->button() == Qt::LeftButton) {
      QModelIndex index = table_->indexAt(mouse->position().toPoint());
      if (event->type() == QEvent::MouseButtonPress) {
        if (index.isValid()) {
          const int row = index.row() + 1;
          run([this, row] { model_.DataTable_MouseDown(row); });
        }
      } else {
        // Released beyond the rows: the drag ends on the last row it reached.
        if (!index.isValid()) index = table_->currentIndex();
        if (index.isValid()) {
          const int row = index.row() + 1;
          run([this, row] { model_.DataTable_MouseUp(row); });
        }
      }
    }
  }
  return QDialog::eventFilter(watched, event);
}

}  // namespace parvix::ui
