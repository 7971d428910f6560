#include "ui/editor/main_window.h"

#include <QAbstractButton>
#include <QAction>
#include <QCloseEvent>
#include <QFrame>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QKeySequence>
#include <QLabel>
#include <QMenuBar>
#include <QPushButton>
#include <QScreen>
#include <QShortcut>
#include <QTableView>
#include <QVBoxLayout>
#include <algorithm>
#include <array>

#include "ui/base/cell_delegate.h"
#include "ui/base/cell_tips.h"
#include "ui/base/column_widths.h"
#include "ui/base/event_filters.h"
#include "ui/editor/comment_view.h"
#include "ui/editor/grid_model.h"
#include "ui/editor/keypad_views.h"
#include "ui/editor/table_mouse.h"
#include "ui/symbols/operand_panels.h"
#include "ui/printing/print_comment_view.h"
#include "ui/symbols/place_panel_view.h"

namespace parvix::ui {

MainWindow::MainWindow(ProgrammingPanel& model, QWidget* parent)
    : QMainWindow(parent), model_(model) {
  setObjectName("ProgrammingPanel");
  BuildMenus();
  BuildCentral();
  WireTableAndKeys();
  resize(1200, 760);
}

// ---- Menus ------------------------------------------------------------------------------

void MainWindow::BuildMenus() {
  // The rows name each item's submenu above it, so every parent is built first.
  QHash<QString, QMenu*> menus;
  for (const MenuRow& row : MainMenuRows()) {
    const QString name = Q(row.name);
    QMenu* parent = row.parent.empty() ? nullptr : menus.value(Q(row.parent));
    switch (row.kind) {
      case MenuRow::Separator:
        parent->addSeparator();
        break;
      case MenuRow::Submenu: {
        const QString caption = Q(row.caption);
        QMenu* menu = parent != nullptr ? parent->addMenu(caption) : menuBar()->addMenu(caption);
        menu->setObjectName(name);
        menus.insert(name, menu);
        actions_.insert(name, menu->menuAction());
        break;
      }
      case MenuRow::Command: {
        auto* action = new QAction(Q(row.caption), this);
        action->setObjectName(name);
        if (!row.shortcut.empty()) action->setShortcut(QKeySequence(Q(row.shortcut)));
        action->setCheckable(row.checkable);
        parent->addAction(action);
        actions_.insert(name, action);
        connect(action, &QAction::triggered, this, [this, procedure = row.procedure] {
          Run([this, procedure] { procedure(model_); });
        });
        break;
      }
    }
  }
}

QAction* MainWindow::action(const QString& name) const {
  QAction* found = actions_.value(name);
  if (found == nullptr) ReportBindingFault(QString("no menu item %1 in the main window").arg(name));
  return found;
}

void MainWindow::WireTableAndKeys() {
  // A click on a cell of the program table.
  connect(table_, &QTableView::clicked, this, [this](const QModelIndex& index) {
    Run([this, index] { model_.Table1_Click(index.row(), index.column()); });
  });
  // Press, move and release on the program table, and the pointer over it.
  InstallTableMouse(*this);
  // Esc is the common cancel of whatever entry is in progress.
  auto* escape = new QShortcut(QKeySequence(Qt::Key_Escape), this);
  connect(escape, &QShortcut::activated, this, [this] { Run([this] { model_.TableCancelButton_Click(); }); });
  // Enter presses the focused button, else the window's default button.
  for (int key : {Qt::Key_Return, Qt::Key_Enter}) {
    auto* enter = new QShortcut(QKeySequence(key), this);
    connect(enter, &QShortcut::activated, this, [this] { PressDefaultButton(); });
  }
}

void MainWindow::PressDefaultButton() {
  auto* focused = qobject_cast<QPushButton*>(focusWidget());
  if (focused == nullptr || !focused->isVisible() || !focused->isEnabled() ||
      focused->objectName() == "NumberFocusButton") {
    focused = qobject_cast<QPushButton*>(binder_.Find(model_.DefaultButton));
  }
  if (focused != nullptr && focused->isVisible() && focused->isEnabled()) focused->click();
}

// ---- Central area ------------------------------------------------------------------------

void MainWindow::BuildCentral() {
  auto* central = new QWidget(this);
  auto* layout = new QVBoxLayout(central);
  layout->setContentsMargins(6, 4, 6, 4);
  layout->setSpacing(4);

  // The twip widths, widened for the font so that code texts, addresses,
  // names and instructions with names show whole.
  constexpr std::array<ColumnText, 5> kColumnTexts = {ColumnText::Name, ColumnText::Address,
                                                      ColumnText::Instruction, ColumnText::CodeText,
                                                      ColumnText::None};
  const QList<int> widths =
      ScaledColumnWidths(model_.ColWidthList, kColumnTexts, fontMetrics(), logicalDpiX());
  // The heading labels stand above the grid, which has no heading row.
  auto* headings = new QHBoxLayout;
  headings->setSpacing(0);
  headings->setContentsMargins(1, 0, 0, 0);
  for (int i = 0; i < 5; ++i) {
    QLabel* label = PlainLabel(central);
    label->setObjectName(Q(IndexedName("HeadLabel", i)));
    label->setFixedWidth(widths[i]);
    label->setAlignment(i < 2 ? Qt::AlignCenter : (Qt::AlignLeft | Qt::AlignVCenter));
    // Left-aligned headings start where the cells' text starts.
    if (i >= 2) label->setContentsMargins(4, 0, 0, 0);
    QFont bold = label->font();
    bold.setBold(true);
    label->setFont(bold);
    headings->addWidget(label);
  }
  headings->addStretch();
  layout->addLayout(headings);

  table_ = new QTableView(central);
  table_->setObjectName("Table1");
  tableModel_ = new GridModel(model_.Table1, table_);
  tableModel_->SetAlignment(0, Qt::AlignCenter);
  tableModel_->SetAlignment(1, Qt::AlignCenter);
  table_->setModel(tableModel_);
  table_->horizontalHeader()->hide();
  table_->verticalHeader()->hide();
  table_->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
  table_->verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 6);
  table_->setSelectionMode(QAbstractItemView::NoSelection);
  table_->setEditTriggers(QAbstractItemView::NoEditTriggers);
  table_->setFocusPolicy(Qt::NoFocus);
  table_->setWordWrap(false);
  table_->horizontalHeader()->setStretchLastSection(true);
  for (int i = 0; i < 5; ++i) table_->setColumnWidth(i, widths[i]);
  new CutCellTips(table_);  // a cell still cut off shows its whole text on hover
  // The table takes the focus back from a panel that goes; its current cell
  // is no row of the program's, so it shows no focus frame. Chosen rows
  // still show as selected.
  table_->setItemDelegate(new UnmarkedCellDelegate(table_, true));
  layout->addWidget(table_, 1);

  // The panel area: the keypads and tool panels that the entry state shows.
  auto* panels = new QFrame(central);
  panels->setObjectName("PanelArea");
  panels->setFrameShape(QFrame::StyledPanel);
  panelArea_ = new QHBoxLayout(panels);
  panelArea_->setContentsMargins(6, 4, 6, 4);
  panelArea_->addStretch();
  layout->addWidget(panels);
  // The print-comment line, shown beside the instruction keypad.
  layout->addWidget(BuildPrintCommentPanel(*this));
  AddPanel(BuildInstructionKeypad(*this));
  AddPanel(BuildRegisterKeypad(*this));
  AddPanel(BuildNumberKeypad(*this));
  AddPanel(BuildDataKeypad(*this));
  AddPanel(BuildCommentPanel(*this));
  AddPanel(BuildLabelPanel(*this));
  AddPanel(BuildXXPanel(*this));
  AddPanel(BuildPlacePanel(*this));
  // The label find and replace tools.
  AddPanel(BuildFindPanel(*this));
  AddPanel(BuildReplacePanel(*this));

  // The tips line and the write mode.
  auto* bottom = new QHBoxLayout;
  auto* tipsBox = new QFrame(central);
  tipsBox->setObjectName("TipsBox");
  tipsBox->setFrameShape(QFrame::StyledPanel);
  auto* tipsLayout = new QHBoxLayout(tipsBox);
  tipsLayout->setContentsMargins(6, 2, 6, 2);
  QLabel* tips = PlainLabel(tipsBox);
  tips->setObjectName("TipsLabel");
  tipsLayout->addWidget(tips);
  bottom->addWidget(tipsBox, 1);
  QLabel* writeMode = PlainLabel(central);
  writeMode->setObjectName("WriteModeLabel");
  // Its own fixed size at the right end, whether the tips line shows or not.
  writeMode->setFixedSize(
      std::max(90, fontMetrics().horizontalAdvance(Q(kOverwriteText)) + 24),
      tipsBox->sizeHint().height());
  writeMode->setAlignment(Qt::AlignCenter);
  writeMode->setFrameShape(QFrame::StyledPanel);
  writeMode->setCursor(Qt::PointingHandCursor);
  writeMode->setToolTip(PlainTip("Click to switch between Insert and Overwrite"));
  writeMode->installEventFilter(new EventHook(writeMode, QEvent::MouseButtonRelease, [this] {
    Run([this] { model_.WriteModeLabel_Click(); });
  }));
  bottom->addWidget(writeMode, 0, Qt::AlignRight);
  layout->addLayout(bottom);

  setCentralWidget(central);
}

void MainWindow::AddPanel(QWidget* panel) {
  auto* area = static_cast<QFrame*>(panelArea_->parentWidget());
  panel->setParent(area);
  panelArea_->insertWidget(panelArea_->count() - 1, panel, 0, Qt::AlignTop);
  binder_.Invalidate();
  // The panel area is as tall as its tallest panel, whichever one shows, so
  // the program table keeps its height and the rest of the window.
  const QMargins margins = panelArea_->contentsMargins();
  const int height = panel->sizeHint().height() + margins.top() + margins.bottom() +
                     2 * area->frameWidth();
  area->setMinimumHeight(std::max(area->minimumHeight(), height));
}

// ---- Events and rendering -------------------------------------------------------------

void MainWindow::closeEvent(QCloseEvent* event) {
  // While a core procedure waits in a modal box the window stays open.
  if (gate_.busy()) {
    event->ignore();
    return;
  }
  // The quit question; with OK the core has already ended the run.
  bool cancel = false;
  Run([this, &cancel] { model_.Form_QueryUnload(cancel, 0); });
  if (cancel) {
    event->ignore();
  } else {
    event->accept();
  }
}

void MainWindow::RenderMenus() {
  for (const MenuRow& row : MainMenuRows()) {
    if (row.state == nullptr) continue;
    const MenuEntry& entry = row.state(model_.Menu);
    QAction* action = actions_.value(Q(row.name));
    if (action->isEnabled() != entry.enabled) action->setEnabled(entry.enabled);
    const QString caption = Q(entry.caption);
    if (action->text() != caption) action->setText(caption);
    if (action->isCheckable() && action->isChecked() != entry.checked) {
      action->setChecked(entry.checked);
    }
  }
}

void MainWindow::Render() {
  SetPlainWindowTitle(this, Q(model_.Caption));
  // Hide first, then show (see HideGoneControls). A panel that goes hands
  // the focus back to the program table: a hidden text box keeping it would
  // take the menu keys (Ctrl+C, Shift+Ins) for its own editing.
  HideGoneControls(binder_, model_, [this](QWidget* widget) {
    if (QWidget* focused = focusWidget(); focused == widget || widget->isAncestorOf(focused)) {
      table_->setFocus(Qt::OtherFocusReason);
    }
  });
  model_.VisitControls(binder_);
  RenderMenus();

  // The default button: Enter presses it; it is drawn as the default.
  ApplyDefaultButton(binder_, model_.DefaultButton, defaultButton_);
  ApplyFocus(binder_, model_.Focus, focusSerial_);
  // Nor does a greyed control keep the focus.
  if (QWidget* focused = focusWidget();
      focused == nullptr || !focused->isVisible() || !focused->isEnabled()) {
    table_->setFocus(Qt::OtherFocusReason);
  }
  // The row the core asks to see: the cursor row after it moves, the top of
  // a program that has just arrived.
  if (model_.Table1Scroll.serial != scrollSerial_) {
    scrollSerial_ = model_.Table1Scroll.serial;
    table_->scrollTo(tableModel_->index(model_.Table1Scroll.row, kMnemonicColumn));
  }
  RenderChosenRows();
}

void MainWindow::RenderChosenRows() {
  // The rows a drag chose for Copy, Cut and Delete show highlighted in the
  // Mnemonic column, as the grid shows its selection; a single row (the
  // cursor row, after any click) has its own mark. A tool started after
  // the drag paints its own marks there, so the choice shows only when idle.
  const int start = model_.SelectionStartRow, end = model_.SelectionEndRow;
  QItemSelection wanted;
  if (IsIdle(model_.EntryState) && start < end && end < tableModel_->rowCount()) {
    wanted.select(tableModel_->index(start, kMnemonicColumn),
                  tableModel_->index(end, kMnemonicColumn));
  }
  QItemSelectionModel* selection = table_->selectionModel();
  if (selection->selection() != wanted) {
    selection->select(wanted, QItemSelectionModel::ClearAndSelect);
  }
}

}  // namespace parvix::ui
