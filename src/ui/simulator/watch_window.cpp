#include "ui/simulator/watch_window.h"

#include <QComboBox>
#include <QCloseEvent>
#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QStyle>
#include <QTableView>
#include <QVBoxLayout>
#include <QWindow>
#include <array>
#include <bit>
#include <initializer_list>

#include "ui/base/cell_delegate.h"
#include "ui/base/cell_tips.h"
#include "ui/base/column_widths.h"
#include "ui/base/event_filters.h"
#include "ui/simulator/watch_table_model.h"

namespace parvix::ui {

namespace {

QLabel* Caption(const char* name, const char* text) {
  QLabel* label = PlainLabel(nullptr, QString::fromUtf8(text));
  label->setObjectName(name);
  return label;
}

QPushButton* Button(const QString& name, int width, int height) {
  auto* button = new QPushButton;
  button->setObjectName(name);
  button->setFixedSize(width, height);
  return button;
}

// The lowest and highest set bit of a row mask, as a row range; false when none.
bool MaskRange(std::uint32_t mask, int& first, int& last) {
  if (mask == 0) return false;
  first = std::countr_zero(mask);
  last = 31 - std::countl_zero(mask);
  return true;
}

// Fixes a table's size to show `rows` rows with columns of the given widths.
void FitTable(QTableView* view, std::initializer_list<int> widths, int rows, int rowHeight,
              bool scrollBar) {
  int total = 2 * view->frameWidth();
  int col = 0;
  for (int width : widths) {
    view->setColumnWidth(col++, width);
    total += width;
  }
  if (scrollBar) total += view->style()->pixelMetric(QStyle::PM_ScrollBarExtent);
  view->setFixedWidth(total);
  if (rows > 0) view->setFixedHeight(2 * view->frameWidth() + (rows + 1) * rowHeight);
}

}  // namespace

WatchWindow::WatchWindow(WatchWindowDialog& model, QWidget* owner)
    : QWidget(nullptr, Qt::Dialog), model_(model), owner_(owner) {
  setObjectName("WatchWindowDialog");
  SetPlainWindowTitle(this, WatchWindowDialog::kCaption);
  rowHeight_ = fontMetrics().height() + 6;

  auto* layout = new QHBoxLayout(this);
  layout->addWidget(buildRegisters());
  layout->addWidget(buildMemory());
  layout->addWidget(buildPorts());
  layout->addWidget(buildRightColumn());
  layout->addStretch();
  binder_.Invalidate();
  // Tall enough for a long view of memory, small enough for a 1280x800 screen.
  resize(sizeHint().expandedTo(QSize(0, 640)));
  Render();
}

QTableView* WatchWindow::makeTable(WatchTable table, const char* name) {
  auto* view = new QTableView;
  view->setObjectName(name);
  auto* tableModel = new WatchTableModel(model_, table, view);
  view->setModel(tableModel);
  view->verticalHeader()->hide();
  // Uniform row heights keep the 65,536 memory rows cheap to lay out and scroll.
  view->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
  view->verticalHeader()->setDefaultSectionSize(rowHeight_);
  view->horizontalHeader()->setFixedHeight(rowHeight_);
  view->horizontalHeader()->setSectionResizeMode(QHeaderView::Fixed);
  view->horizontalHeader()->setHighlightSections(false);
  // No table marks a cell or row as selected: a highlight left on the start
  // address or the A register would read as a program-counter marker.
  view->setSelectionMode(QAbstractItemView::NoSelection);
  // No focus frame or selection: either would mark a register or memory row
  // as if it were the program counter's.
  view->setItemDelegate(new UnmarkedCellDelegate(view, false));
  new CutCellTips(view);
  view->setEditTriggers(QAbstractItemView::NoEditTriggers);
  view->setVerticalScrollMode(QAbstractItemView::ScrollPerPixel);
  view->setWordWrap(false);
  views_[static_cast<int>(table)] = view;
  models_[static_cast<int>(table)] = tableModel;
  return view;
}

QWidget* WatchWindow::buildRegisters() {
  auto* box = new QWidget;
  auto* layout = new QVBoxLayout(box);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->addWidget(Caption("RegisterCaption", "Register Contents"));
  QTableView* view = makeTable(WatchTable::Register, "RegisterTable");
  view->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  view->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  const int name = fontMetrics().horizontalAdvance("Aux. Carry") + 16;
  const int value = fontMetrics().horizontalAdvance("FFFF") + 24;
  FitTable(view, {name, value}, kRegisterTableRows - 1, rowHeight_, false);
  layout->addWidget(view);
  layout->addStretch();
  return box;
}

// A captioned address/value table that fills the column's height: the
// memory table and the port table.
QVBoxLayout* WatchWindow::addressValueColumn(QWidget* box, const char* captionName,
                                             const char* caption, WatchTable table,
                                             const char* tableName) {
  auto* layout = new QVBoxLayout(box);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->addWidget(Caption(captionName, caption));
  QTableView* view = makeTable(table, tableName);
  const int address = fontMetrics().horizontalAdvance("Address") + 20;
  const int value = fontMetrics().horizontalAdvance("Value") + 20;
  FitTable(view, {address, value}, 0, rowHeight_, true);
  view->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  layout->addWidget(view, 1);
  return layout;
}

QWidget* WatchWindow::buildMemory() {
  auto* box = new QWidget;
  addressValueColumn(box, "MemoryCaption", "Memory Contents", WatchTable::Memory, "MemoryTable");
  return box;
}

QWidget* WatchWindow::buildPorts() {
  auto* box = new QWidget;
  QVBoxLayout* layout =
      addressValueColumn(box, "PortCaption", "Port Data", WatchTable::Port, "PortTable");

  // Force a value onto a port: the port and value lists, then Force.
  auto* force = new QGridLayout;
  force->addWidget(Caption("PortAddrCaption", "Address"), 0, 0);
  force->addWidget(Caption("ValueCaption", "Value"), 0, 1);
  auto* ports = new QComboBox;
  ports->setObjectName("PortAddrList");
  auto* values = new QComboBox;
  values->setObjectName("ValueList");
  force->addWidget(ports, 1, 0);
  force->addWidget(values, 1, 1);
  QPushButton* forceButton = Button("ForceButton", 80, rowHeight_ + 6);
  force->addWidget(forceButton, 2, 0, 1, 2, Qt::AlignHCenter);
  layout->addLayout(force);

  connect(ports, &QComboBox::currentIndexChanged, this,
          [this](int index) { Run([this, index] { model_.selectPortAddress(index); }); });
  connect(values, &QComboBox::currentIndexChanged, this,
          [this](int index) { Run([this, index] { model_.selectValue(index); }); });
  connect(forceButton, &QPushButton::clicked, this,
          [this] { Run([this] { model_.ForceButton_Click(); }); });
  return box;
}

QWidget* WatchWindow::buildRightColumn() {
  auto* box = new QWidget;
  auto* layout = new QVBoxLayout(box);
  layout->setContentsMargins(0, 0, 0, 0);

  // The interrupt lines, with a button beside each of rows 1 to 5.
  layout->addWidget(Caption("InterruptCaption", "Interrupts"));
  auto* lines = new QHBoxLayout;
  QTableView* interrupts = makeTable(WatchTable::Interrupt, "InterruptTable");
  interrupts->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  interrupts->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  interrupts->setSelectionMode(QAbstractItemView::NoSelection);
  const int name = fontMetrics().horizontalAdvance("Interrupts") + 20;
  const int value = fontMetrics().horizontalAdvance("Value") + 20;
  FitTable(interrupts, {name, value}, 7, rowHeight_, false);
  lines->addWidget(interrupts, 0, Qt::AlignTop);
  auto* buttons = new QVBoxLayout;
  buttons->setSpacing(0);
  buttons->addSpacing(interrupts->frameWidth() + rowHeight_);
  for (int i = 1; i <= 5; ++i) {
    QPushButton* button = Button(Q(IndexedName("IButton", i)), rowHeight_ + 4, rowHeight_);
    button->setFocusPolicy(Qt::NoFocus);
    buttons->addWidget(button);
    // The press and the release themselves: the button's pressed() and
    // released() signals come again each time the pointer leaves and comes
    // back while the button is held. A quick second click arrives as a
    // double click, which is a press too.
    auto down = [this, i] { Run([this, i] { model_.IButton_MouseDown(i); }); };
    button->installEventFilter(new EventHook(button, QEvent::MouseButtonPress, down));
    button->installEventFilter(new EventHook(button, QEvent::MouseButtonDblClick, down));
    button->installEventFilter(new EventHook(button, QEvent::MouseButtonRelease, [this, i] {
      Run([this, i] { model_.IButton_MouseUp(i); });
    }));
  }
  buttons->addStretch();
  lines->addLayout(buttons);
  lines->addStretch();
  layout->addLayout(lines);

  // The instruction at the program counter; the Label column stays hidden.
  layout->addWidget(Caption("InstructionCaption", "Instructions"));
  QTableView* instruction = makeTable(WatchTable::Instruction, "InstructionTable");
  instruction->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  instruction->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  // The twip widths widened for the font, as in the program table.
  constexpr std::array<ColumnText, 4> kColumnTexts = {ColumnText::None, ColumnText::Address,
                                                      ColumnText::Instruction, ColumnText::CodeText};
  const QList<int> widths = ScaledColumnWidths(WatchWindowDialog::kColWidthList, kColumnTexts,
                                               fontMetrics(), logicalDpiX());
  FitTable(instruction, {widths[0], widths[1], widths[2], widths[3]}, 1, rowHeight_, false);
  instruction->setColumnHidden(kInstLabelColumn, true);
  layout->addWidget(instruction);

  // The start address: "Starting Addr.:", the keyed digits, the hex keys, OK.
  auto* addrBox = new QFrame;
  addrBox->setObjectName("AddrBox");
  addrBox->setFrameShape(QFrame::StyledPanel);
  auto* addr = new QGridLayout(addrBox);
  addr->addWidget(Caption("StartAddressCaption", "Starting Addr.:"), 0, 0, 1, 2);
  QLabel* addrLbl = PlainLabel();
  addrLbl->setObjectName("AddrLbl");
  addrLbl->setFrameShape(QFrame::Panel);
  addrLbl->setFrameShadow(QFrame::Sunken);
  addrLbl->setAlignment(Qt::AlignCenter);
  addr->addWidget(addrLbl, 0, 2, 1, 2);
  for (int i = 0; i < 16; ++i) {
    QPushButton* key = Button(Q(IndexedName("NUM", i)), 32, rowHeight_ + 4);
    addr->addWidget(key, 1 + i / 4, i % 4);
    connect(key, &QPushButton::clicked, this,
            [this, i] { Run([this, i] { model_.NUM_Click(i); }); });
  }
  QPushButton* accept = Button("AcceptButton", 80, rowHeight_ + 6);
  accept->setAutoDefault(true);  // Enter on the focused OK presses it
  addr->addWidget(accept, 5, 0, 1, 4, Qt::AlignHCenter);
  accept->installEventFilter(new CharForwarder(accept, [this](char c) {
    Run([this, c] { model_.AcceptButton_KeyPress(static_cast<unsigned char>(c)); });
    return c != ' ';  // space still presses the button
  }));
  connect(accept, &QPushButton::clicked, this,
          [this] { Run([this] { model_.AcceptButton_Click(); }); });
  layout->addWidget(addrBox, 0, Qt::AlignLeft);

  QPushButton* execute = Button("ExecuteButton", 100, rowHeight_ + 10);
  execute->setAutoDefault(true);
  connect(execute, &QPushButton::clicked, this,
          [this] { Run([this] { model_.ExecuteButton_Click(); }); });
  layout->addWidget(execute, 0, Qt::AlignLeft);
  layout->addStretch();
  return box;
}

void WatchWindow::RenderTables() {
  const WatchChanges changes = model_.takeChanges();
  if (changes.reset) {
    for (WatchTableModel* tableModel : models_) tableModel->resetAll();
    return;
  }
  int first = 0;
  int last = 0;
  if (MaskRange(changes.registerRows, first, last))
    tableModel(WatchTable::Register)->rowsChanged(first, last);
  if (!changes.memory.empty())
    tableModel(WatchTable::Memory)->rowsChanged(changes.memory.first + 1, changes.memory.last + 1);
  if (!changes.ports.empty())
    tableModel(WatchTable::Port)->rowsChanged(changes.ports.first + 1, changes.ports.last + 1);
  if (changes.instructionRow) tableModel(WatchTable::Instruction)->rowsChanged(1, 1);
  if (MaskRange(changes.interruptRows, first, last))
    tableModel(WatchTable::Interrupt)->rowsChanged(first, last);
}

void WatchWindow::Render() {
  RenderTables();
  model_.VisitControls(binder_);
  if (model_.Focus.serial != focusSerial_) {
    focusSerial_ = model_.Focus.serial;
    if (QWidget* widget = binder_.Find(model_.Focus.control)) widget->setFocus();
  }
  if (model_.MemoryScroll.serial != scrollSerial_) {
    scrollSerial_ = model_.MemoryScroll.serial;
    QTableView* memory = table(WatchTable::Memory);
    const QModelIndex row = memory->model()->index(model_.MemoryScroll.row - 1, 0);
    memory->scrollTo(row, QAbstractItemView::PositionAtCenter);
  }
}

void WatchWindow::showEvent(QShowEvent* event) {
  // The window system learns the owner before the window shows (X11 keeps
  // only a dialog-type window above the window it names).
  if (owner_ != nullptr && owner_->windowHandle() != nullptr) {
    windowHandle()->setTransientParent(owner_->windowHandle());
  }
  QWidget::showEvent(event);
  Render();
}

// Closing unloads the window: the next hand-over sets up a fresh machine.
void WatchWindow::closeEvent(QCloseEvent* event) {
  model_.Form_Unload();
  event->accept();
}

}  // namespace parvix::ui
