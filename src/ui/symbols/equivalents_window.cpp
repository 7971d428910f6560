#include "ui/symbols/equivalents_window.h"

#include <QAbstractTableModel>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QStyle>
#include <QTableView>
#include <QVBoxLayout>

#include "base/hex_text.h"
#include "ui/base/cell_tips.h"
#include "ui/base/column_widths.h"
#include "ui/base/event_filters.h"
#include "ui/editor/main_window.h"

namespace parvix::ui {

// A table of the window over its core grid: grid row 0 holds the headings,
// shown as the view's header; grid row r is view row r - 1.
class EqtTableModel : public QAbstractTableModel, public GridObserver {
 public:
  EqtTableModel(Grid& grid, QObject* parent) : QAbstractTableModel(parent), grid_(grid) {
    grid_.SetObserver(this);
  }
  ~EqtTableModel() override { grid_.SetObserver(nullptr); }

  int rowCount(const QModelIndex& parent = {}) const override {
    return parent.isValid() ? 0 : std::max(grid_.Rows() - 1, 0);
  }
  int columnCount(const QModelIndex& parent = {}) const override {
    return parent.isValid() ? 0 : grid_.Cols();
  }
  QVariant data(const QModelIndex& index, int role) const override {
    if (!index.isValid()) return {};
    if (role == Qt::DisplayRole) return Q(grid_.Text(index.row() + 1, index.column()));
    if (role == Qt::TextAlignmentRole) return static_cast<int>(Qt::AlignCenter);
    return {};
  }
  QVariant headerData(int section, Qt::Orientation orientation, int role) const override {
    if (orientation == Qt::Horizontal && role == Qt::DisplayRole) return Q(grid_.Text(0, section));
    return QAbstractTableModel::headerData(section, orientation, role);
  }

  void BeginInsertRows(int first, int count) override {
    beginInsertRows({}, std::max(first - 1, 0), std::max(first - 1, 0) + count - 1);
  }
  void EndInsertRows() override { endInsertRows(); }
  void BeginRemoveRows(int first, int count) override {
    beginRemoveRows({}, std::max(first - 1, 0), std::max(first - 1, 0) + count - 1);
  }
  void EndRemoveRows() override { endRemoveRows(); }
  void CellChanged(int row, int col) override {
    if (row == 0) {
      emit headerDataChanged(Qt::Horizontal, col, col);
      return;
    }
    const QModelIndex cell = index(row - 1, col);
    emit dataChanged(cell, cell);
  }
  void BeginReset() override { beginResetModel(); }
  void EndReset() override { endResetModel(); }

 private:
  Grid& grid_;
};

namespace {

QLabel* Named(QWidget* parent, const char* name, const QString& text = {}) {
  QLabel* label = PlainLabel(parent, text);
  label->setObjectName(name);
  return label;
}

}  // namespace

EquivalentsWindow::EquivalentsWindow(RenumberDialog& model, MainWindow& owner)
    : QDialog(&owner), model_(model), owner_(owner), gate_([this] {
        Render();
        owner_.Render();
      }) {
  setObjectName("RenumberDialog");
  SetPlainWindowTitle(this, RenumberDialog::kCaption);
  setModal(true);
  auto* layout = new QVBoxLayout(this);

  auto* options = new QHBoxLayout;
  auto* labels = new QRadioButton(this);
  labels->setObjectName("LabelsOption");
  labels->setAutoExclusive(false);
  auto* variables = new QRadioButton(this);
  variables->setObjectName("VariablesOption");
  variables->setAutoExclusive(false);
  options->addWidget(labels);
  options->addWidget(variables);
  options->addStretch();
  layout->addLayout(options);
  layout->addWidget(buildFrame(true), 1);
  layout->addWidget(buildFrame(false), 1);

  auto* done = new QPushButton(this);
  done->setObjectName("DoneButton");
  done->setAutoDefault(false);
  auto* bottom = new QHBoxLayout;
  bottom->addStretch();
  bottom->addWidget(done);
  layout->addLayout(bottom);

  connect(labels, &QRadioButton::clicked, this,
          [this] { Run([this] { model_.LabelsOption_Click(); }); });
  connect(variables, &QRadioButton::clicked, this,
          [this] { Run([this] { model_.VariablesOption_Click(); }); });
  connect(done, &QPushButton::clicked, this,
          [this] { Run([this] { model_.DoneButton_Click(); }); });
  binder_.Invalidate();
  Render();
  adjustSize();
}

QTableView* EquivalentsWindow::buildTable(Grid& grid, const char* name, bool labels) {
  auto* view = new QTableView;
  view->setObjectName(name);
  view->setModel(new EqtTableModel(grid, view));
  view->verticalHeader()->hide();
  view->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
  view->verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 6);
  // The values keep the room of their heading; the names take the rest,
  // room for names twice as long as the program table's Label column shows.
  QHeaderView* header = view->horizontalHeader();
  header->setHighlightSections(false);
  header->setSectionResizeMode(QHeaderView::Fixed);
  header->setSectionResizeMode(0, QHeaderView::Stretch);
  const QFontMetrics& metrics = fontMetrics();
  const int valueWidth =
      std::max(header->fontMetrics().horizontalAdvance("Current") +
                   2 * style()->pixelMetric(QStyle::PM_HeaderMargin),
               metrics.horizontalAdvance(WidestColumnText(ColumnText::Address, metrics))) +
      CellTextPadding();
  for (int col = 1; col < 3; ++col) header->resizeSection(col, valueWidth);
  const int nameWidth =
      2 * metrics.horizontalAdvance(WidestColumnText(ColumnText::Name, metrics)) + CellTextPadding();
  new CutCellTips(view);  // a name still cut off shows whole on hover
  view->setSelectionBehavior(QAbstractItemView::SelectRows);
  view->setSelectionMode(QAbstractItemView::SingleSelection);
  view->setEditTriggers(QAbstractItemView::NoEditTriggers);
  view->setWordWrap(false);
  view->setMinimumSize(nameWidth + 2 * valueWidth + 2 * view->frameWidth() +
                           style()->pixelMetric(QStyle::PM_ScrollBarExtent),
                       360);
  connect(view, &QTableView::clicked, this, [this, labels](const QModelIndex& index) {
    // View row r is the grid's row r + 1, below the headings.
    Run([this, labels, row = index.row() + 1, col = index.column()] {
      if (labels) {
        model_.LabelTable_Click(row, col);
      } else {
        model_.VariableTable_Click(row, col);
      }
    });
  });
  return view;
}

QWidget* EquivalentsWindow::buildFrame(bool labels) {
  auto* frame = new QGroupBox(this);
  frame->setObjectName(labels ? "LabelFrame" : "VariableFrame");
  auto* layout = new QHBoxLayout(frame);
  QTableView* table = buildTable(labels ? model_.LabelTable : model_.VariableTable,
                                 labels ? "LabelTable" : "VariableTable", labels);
  (labels ? labelTable_ : variableTable_) = table;
  layout->addWidget(table, 1);

  auto* side = new QVBoxLayout;
  side->addWidget(PlainLabel(frame, labels ? "Label Selected:" : "Variable Selected:"));
  QLabel* name = Named(frame, labels ? "LabelLabel" : "VariableLabel");
  name->setFrameShape(QFrame::Panel);
  name->setFrameShadow(QFrame::Sunken);
  name->setMinimumWidth(fontMetrics().horizontalAdvance("wwwwwwwwwwww"));
  side->addWidget(name);
  side->addWidget(PlainLabel(frame, "Value"));
  QLabel* value = Named(frame, labels ? "EqtLabel" : "XXLabel");
  value->setFrameShape(QFrame::Panel);
  value->setFrameShadow(QFrame::Sunken);
  value->setAlignment(Qt::AlignCenter);
  QFont big = value->font();
  big.setPointSize(big.pointSize() + 3);
  big.setBold(true);
  value->setFont(big);
  side->addWidget(value);

  auto* keypad = new QWidget(frame);
  keypad->setObjectName(labels ? "EqtBox" : "XXBox");
  auto* keys = new QGridLayout(keypad);
  keys->setContentsMargins(0, 0, 0, 0);
  keys->setSpacing(2);
  const int first = labels ? 0 : 16;
  for (int i = 0; i < 16; ++i) {
    auto* key = new QPushButton(keypad);
    key->setObjectName(Q(IndexedName("NUM", first + i)));
    key->setFixedSize(36, 28);
    key->setFocusPolicy(Qt::NoFocus);
    key->setAutoDefault(false);
    // Keys in rows of four from 0 to F.
    keys->addWidget(key, i / 4, i % 4);
    connect(key, &QPushButton::clicked, this,
            [this, index = first + i] { Run([this, index] { model_.NUM_Click(index); }); });
  }
  side->addWidget(keypad);

  auto* accept = new QPushButton(frame);
  accept->setObjectName(labels ? "EqtAcceptButton" : "XXAcceptButton");
  connect(accept, &QPushButton::clicked, this, [this, labels] {
    Run([this, labels] {
      if (labels) {
        model_.EqtAcceptButton_Click();
      } else {
        model_.XXAcceptButton_Click();
      }
    });
  });
  // Hex digits typed while Accept has the focus press their keys.
  accept->installEventFilter(new CharForwarder(accept, [this, labels](char c) {
    if (!IsHexDigit(c)) return false;
    Run([this, labels, c] {
      if (labels) {
        model_.EqtAcceptButton_KeyPress(c);
      } else {
        model_.XXAcceptButton_KeyPress(c);
      }
    });
    return true;
  }));
  side->addWidget(accept);
  side->addStretch();
  layout->addLayout(side);
  return frame;
}

void EquivalentsWindow::Render() {
  // The two lists share one place: the one that goes is hidden before the
  // other shows, so the window never holds both.
  HideGoneControls(binder_, model_);
  model_.VisitControls(binder_);
  ApplyDefaultButton(binder_, model_.DefaultButton, defaultButton_);
  ApplyFocus(binder_, model_.Focus, focusSerial_);
}

void EquivalentsWindow::reject() {
  Run([this] { model_.Form_Unload(); });
  QDialog::reject();
}

void EquivalentsWindow::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  Render();
}

}  // namespace parvix::ui
