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
  WireCommands();
  resize(1200, 760);
}

// ---- Menus ------------------------------------------------------------------------------

void MainWindow::BuildMenus() {
  MainMenu& menu = model_.Menu;
  auto add = [this](QMenu* parent, const char* name, MenuEntry& entry) {
    auto* action = new QAction(Q(entry.caption), this);
    action->setObjectName(name);
    if (!entry.shortcut.empty()) action->setShortcut(QKeySequence(Q(entry.shortcut)));
    actions_.insert(name, action);
    parent->addAction(action);
    const QString key = name;
    connect(action, &QAction::triggered, this, [this, key] {
      if (auto command = menuCommands.value(key)) Run(command);
    });
    return action;
  };
  auto sub = [this](QMenu* parent, const char* name, MenuEntry& entry) {
    QMenu* child = parent != nullptr ? parent->addMenu(Q(entry.caption))
                                     : menuBar()->addMenu(Q(entry.caption));
    child->setObjectName(name);
    actions_.insert(name, child->menuAction());
    return child;
  };

  QMenu* file = sub(nullptr, "FileMenu", menu.FileMenu);
  QMenu* fileNew = sub(file, "NewFileMenu", menu.NewFileMenu);
  add(fileNew, "NewFile", menu.NewFile);
  add(fileNew, "NewOrigin", menu.NewOrigin);
  add(file, "OpenFile", menu.OpenFile);
  add(file, "SaveFile", menu.SaveFile);
  add(file, "SaveAsFile", menu.SaveAsFile);
  file->addSeparator();
  add(file, "AssembleFile", menu.AssembleFile);
  add(file, "DisassembleFile", menu.DisassembleFile);
  add(file, "DownloadFile", menu.DownloadFile);
  add(file, "UploadFile", menu.UploadFile);
  file->addSeparator();
  QMenu* printOptions = sub(file, "PrintOptions", menu.PrintOptions);
  QMenu* pages = sub(printOptions, "PagePrint", menu.PagePrint);
  for (int i = 0; i < 3; ++i) {
    const std::string name = IndexedName("PageOption", i);
    QAction* action = add(pages, name.c_str(), menu.PageOption[i]);
    action->setCheckable(true);
  }
  add(printOptions, "ViewPrintInfo", menu.ViewPrintInfo);
  add(printOptions, "PrintComments", menu.PrintComments);
  add(file, "PrintFile", menu.PrintFile);
  file->addSeparator();
  add(file, "QuitFile", menu.QuitFile);

  QMenu* edit = sub(nullptr, "EditMenu", menu.EditMenu);
  add(edit, "CutEdit", menu.CutEdit);
  add(edit, "CopyEdit", menu.CopyEdit);
  add(edit, "PasteEdit", menu.PasteEdit);
  add(edit, "DeleteEdit", menu.DeleteEdit);
  edit->addSeparator();
  QMenu* find = sub(edit, "FindEdit", menu.FindEdit);
  add(find, "FindLabel", menu.FindLabel);
  add(find, "FindVariable", menu.FindVariable);
  QMenu* replace = sub(edit, "ReplaceEdit", menu.ReplaceEdit);
  add(replace, "ReplaceLabel", menu.ReplaceLabel);
  add(replace, "ReplaceVariable", menu.ReplaceVariable);
  edit->addSeparator();
  add(edit, "PlaceLabelTool", menu.PlaceLabelTool);

  QMenu* tools = sub(nullptr, "ToolsMenu", menu.ToolsMenu);
  add(tools, "DeleteLabels", menu.DeleteLabels);
  add(tools, "DeleteUnusedLabels", menu.DeleteUnusedLabels);
  tools->addSeparator();
  add(tools, "CommentsTool", menu.CommentsTool);
  add(tools, "AssignAddress", menu.AssignAddress);
  add(tools, "EqtOption", menu.EqtOption);
  tools->addSeparator();
  add(tools, "EntryMode", menu.EntryMode);

  QMenu* view = sub(nullptr, "ViewMenu", menu.ViewMenu);
  add(view, "SimulationView", menu.SimulationView);

  QMenu* options = sub(nullptr, "OptionsMenu", menu.OptionsMenu);
  add(options, "WriteMode", menu.WriteMode);
  QMenu* port = sub(options, "SelectPort", menu.SelectPort);
  for (int i = 0; i < 4; ++i) {
    const std::string name = IndexedName("PortOption", i);
    QAction* action = add(port, name.c_str(), menu.PortOption[i]);
    action->setCheckable(true);
  }
  add(options, "TipsOption", menu.TipsOption);
}

void MainWindow::WireCommands() {
  ProgrammingPanel& m = model_;
  menuCommands.insert("NewFile", [&m] { m.NewFile_Click(); });
  menuCommands.insert("NewOrigin", [&m] { m.NewOrigin_Click(); });
  menuCommands.insert("OpenFile", [&m] { m.OpenFile_Click(); });
  menuCommands.insert("SaveFile", [&m] { m.SaveFile_Click(); });
  menuCommands.insert("SaveAsFile", [&m] { m.SaveAsFile_Click(); });
  menuCommands.insert("QuitFile", [&m] { m.QuitFile_Click(); });
  menuCommands.insert("EntryMode", [&m] { m.EntryMode_Click(); });
  menuCommands.insert("AssignAddress", [&m] { m.AssignAddress_Click(); });
  menuCommands.insert("SimulationView", [&m] { m.SimulationView_Click(); });
  menuCommands.insert("WriteMode", [&m] { m.WriteMode_Click(); });
  menuCommands.insert("TipsOption", [&m] { m.TipsOption_Click(); });
  // Hex tools and the trainer link.
  menuCommands.insert("AssembleFile", [&m] { m.Hex.AssembleFile_Click(); });
  menuCommands.insert("DisassembleFile", [&m] { m.Hex.DisassembleFile_Click(); });
  menuCommands.insert("DownloadFile", [&m] { m.Hex.DownloadFile_Click(); });
  menuCommands.insert("UploadFile", [&m] { m.Link.UploadFile_Click(); });
  for (int i = 0; i < 4; ++i) {
    menuCommands.insert(Q(IndexedName("PortOption", i)), [&m, i] { m.Link.PortOption_Click(i); });
  }
  // Printing.
  menuCommands.insert("PrintFile", [&m] { m.Print.PrintFile_Click(); });
  menuCommands.insert("ViewPrintInfo", [&m] { m.Print.ViewPrintInfo_Click(); });
  menuCommands.insert("PrintComments", [&m] { m.PrintComment.PrintComments_Click(); });
  for (int i = 0; i < 3; ++i) {
    menuCommands.insert(Q(IndexedName("PageOption", i)), [&m, i] { m.Print.PageOption_Click(i); });
  }
  // Editing and the tools.
  menuCommands.insert("CutEdit", [&m] { m.Clipboard.CutEdit_Click(); });
  menuCommands.insert("CopyEdit", [&m] { m.Clipboard.CopyEdit_Click(); });
  menuCommands.insert("PasteEdit", [&m] { m.Clipboard.PasteEdit_Click(); });
  menuCommands.insert("DeleteEdit", [&m] { m.Clipboard.DeleteEdit_Click(); });
  menuCommands.insert("FindLabel", [&m] { m.Find.FindLabel_Click(); });
  menuCommands.insert("FindVariable", [&m] { m.Find.FindVariable_Click(); });
  menuCommands.insert("ReplaceLabel", [&m] { m.Replace.ReplaceLabel_Click(); });
  menuCommands.insert("ReplaceVariable", [&m] { m.Replace.ReplaceVariable_Click(); });
  menuCommands.insert("PlaceLabelTool", [&m] { m.Place.PlaceLabelTool_Click(); });
  menuCommands.insert("DeleteLabels", [&m] { m.DeleteLabels_Click(); });
  menuCommands.insert("DeleteUnusedLabels", [&m] { m.DeleteUnusedLabels_Click(); });
  menuCommands.insert("CommentsTool", [&m] { m.Comments.CommentsTool_Click(); });
  menuCommands.insert("EqtOption", [&m] { m.Equivalents.EqtOption_Click(); });

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
  model_.Menu.Visit([this](const std::string& name, const MenuEntry& entry) {
    QAction* action = actions_.value(Q(name));
    if (action == nullptr) return;
    if (action->isEnabled() != entry.enabled) action->setEnabled(entry.enabled);
    const QString caption = Q(entry.caption);
    if (action->text() != caption) action->setText(caption);
    if (action->isCheckable() && action->isChecked() != entry.checked) {
      action->setChecked(entry.checked);
    }
  });
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
  // Keep the cursor row in view when it moves.
  if (model_.CursorRow != shownCursorRow_) {
    shownCursorRow_ = model_.CursorRow;
    table_->scrollTo(tableModel_->index(model_.CursorRow, kMnemonicColumn));
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
