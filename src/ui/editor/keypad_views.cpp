#include "ui/editor/keypad_views.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>
#include <functional>
#include <vector>

#include "editor/entry_states.h"
#include "tables/instruction_keys.h"
#include "ui/base/binding.h"
#include "ui/base/event_filters.h"
#include "ui/editor/main_window.h"

namespace parvix::ui {

namespace {

QPushButton* Key(QWidget* parent, const QString& name, int width = 56) {
  auto* button = new QPushButton(parent);
  button->setObjectName(name);
  button->setFixedSize(width, 26);
  button->setFocusPolicy(Qt::NoFocus);
  return button;
}

QGroupBox* Panel(const QString& name, const QString& title) {
  auto* box = new QGroupBox(title);
  box->setObjectName(name);
  box->setVisible(false);
  // As wide as its keys need: the panel area's free width stays at its right.
  box->setSizePolicy(QSizePolicy::Maximum, QSizePolicy::Preferred);
  return box;
}

// The sunken display of the value being keyed.
QLabel* Display(QWidget* parent, const QString& name, int width) {
  QLabel* value = PlainLabel(parent);
  value->setObjectName(name);
  value->setFrameShape(QFrame::Panel);
  value->setFrameShadow(QFrame::Sunken);
  value->setMinimumWidth(width);
  value->setAlignment(Qt::AlignCenter);
  QFont big = value->font();
  big.setPointSize(big.pointSize() + 3);
  big.setBold(true);
  value->setFont(big);
  return value;
}

// Sends every typed character inside `panel` (the panel or any child with
// the focus) to `onChar`.
void ForwardChars(QWidget* panel, const std::function<bool(char)>& onChar) {
  auto* forwarder = new CharForwarder(panel, onChar);
  panel->installEventFilter(forwarder);
  for (QWidget* child : panel->findChildren<QWidget*>()) child->installEventFilter(forwarder);
}

// Runs a hover procedure when the mouse enters `key`.
void OnEnter(QWidget* key, MainWindow& window, std::function<void()> procedure) {
  key->installEventFilter(
      new EventHook(key, QEvent::Enter, [&window, procedure] { window.Run(procedure); }));
}

// Leaving a keypad for the window's free area clears the hover tips.
void ClearTipsOnLeave(QWidget* panel, MainWindow& window) {
  panel->installEventFilter(new EventHook(panel, QEvent::Leave, [panel, &window] {
    // A panel that is being hidden also reports a leave; only a visible one counts.
    if (panel->isVisible()) window.Run([&window] { window.model().Form_MouseMove(); });
  }));
}

// The instruction keys in groups by kind of instruction, each group in
// columns of up to five keys (key indexes).
constexpr int kKeysPerColumn = 5;
struct KeyGroup {
  const char* title;
  std::vector<std::vector<int>> columns;
};
const KeyGroup kInstructionGroups[] = {
    {"Data Transfer", {{0, 1, 2, 5, 6}, {4, 8, 3, 7, 9}}},
    {"Arithmetic", {{10, 11, 12, 13, 19}, {15, 16, 17, 18, 14}, {22, 20, 23, 21}}},
    {"Logical", {{24, 25, 26, 35, 30}, {27, 28, 29, 36}, {31, 32, 33, 34}}},
    {"Jump", {{37, 39, 44, 45, 40}, {38, 43, 41, 46, 42}}},
    {"Call and Restart", {{49, 52, 53, 55, 54}, {50, 51, 56, 57, 67}}},
    {"Return", {{58, 61, 62, 64, 63}, {59, 60, 65, 66}}},
    {"Stack, I/O, Control", {{68, 69, 70, 71, 47}, {48, 72, 73, 74, 75}, {76, 77, 78, 79}}},
};

}  // namespace

QWidget* BuildInstructionKeypad(MainWindow& window) {
  ProgrammingPanel& m = window.model();
  QGroupBox* box = Panel("InstructionBox", "Instructions");
  auto* layout = new QVBoxLayout(box);
  layout->setSpacing(4);
  auto* groups = new QHBoxLayout;
  groups->setSpacing(6);
  for (const KeyGroup& group : kInstructionGroups) {
    auto* frame = new QGroupBox(group.title, box);
    auto* keys = new QGridLayout(frame);
    keys->setSpacing(3);
    keys->setContentsMargins(5, 4, 5, 5);
    for (size_t col = 0; col < group.columns.size(); ++col) {
      for (size_t row = 0; row < group.columns[col].size(); ++row) {
        const int i = group.columns[col][row];
        QPushButton* key = Key(frame, Q(IndexedName("INST", i)), 54);
        keys->addWidget(key, static_cast<int>(row), static_cast<int>(col));
        QObject::connect(key, &QPushButton::clicked, box, [&window, &m, i] {
          window.Run([&m, i] { m.Instructions.INST_Click(i); });
        });
        OnEnter(key, window, [&m, i] { m.Instructions.INST_MouseMove(i); });
      }
    }
    keys->setRowStretch(kKeysPerColumn, 1);
    groups->addWidget(frame, 0, Qt::AlignTop);
  }
  groups->addStretch();
  layout->addLayout(groups);
  // The hover tip: the mnemonic, and the operand pattern directly after it.
  auto* tips = new QHBoxLayout;
  tips->setSpacing(0);
  for (int i = 0; i < 2; ++i) {
    QLabel* label = PlainLabel(box);
    label->setObjectName(Q(IndexedName("InstructionLabel", i)));
    if (i == 0) {
      QFont bold = label->font();
      bold.setBold(true);
      label->setFont(bold);
    }
    tips->addWidget(label);
  }
  tips->addStretch();
  layout->addLayout(tips);
  ClearTipsOnLeave(box, window);
  return box;
}

QWidget* BuildRegisterKeypad(MainWindow& window) {
  ProgrammingPanel& m = window.model();
  QGroupBox* box = Panel("RegisterBox", "Registers");
  // The panel takes the focus, so typed register letters reach it.
  box->setFocusPolicy(Qt::StrongFocus);
  auto* layout = new QVBoxLayout(box);
  auto* keys = new QGridLayout;
  keys->setSpacing(3);
  // Laid out as on the trainer: B C / D E / H L / M A / SP PSW.
  for (int i = 0; i < 10; ++i) {
    QPushButton* key = Key(box, Q(IndexedName("REG", i)), 48);
    keys->addWidget(key, i / 2, i % 2);
    QObject::connect(key, &QPushButton::clicked, box,
                     [&window, &m, i] { window.Run([&m, i] { m.Registers.REG_Click(i); }); });
    OnEnter(key, window, [&m, i] { m.Registers.REG_MouseMove(i); });
  }
  layout->addLayout(keys);
  QLabel* label = PlainLabel(box);
  label->setObjectName("RegisterLabel");
  label->setAlignment(Qt::AlignCenter);
  layout->addWidget(label);
  layout->addStretch();
  ForwardChars(box, [&window, &m](char c) {
    bool used = false;
    window.Run([&] {
      m.Registers.RegisterBox_KeyPress(c);
      used = true;
    });
    return used;
  });
  ClearTipsOnLeave(box, window);
  return box;
}

QWidget* BuildNumberKeypad(MainWindow& window) {
  ProgrammingPanel& m = window.model();
  QGroupBox* box = Panel("NumberBox", "Number");
  auto* layout = new QVBoxLayout(box);
  auto* display = new QHBoxLayout;
  QLabel* type = PlainLabel(box);
  type->setObjectName("DataTypeLabel");
  QLabel* value = Display(box, "NumberLabel", 60);
  display->addWidget(type);
  display->addWidget(value);
  display->addStretch();
  layout->addLayout(display);
  auto* keys = new QGridLayout;
  keys->setSpacing(3);
  for (int i = 0; i < 16; ++i) {
    QPushButton* key = Key(box, Q(IndexedName("NUM", i)), 36);
    keys->addWidget(key, i / 4, i % 4);
    QObject::connect(key, &QPushButton::clicked, box,
                     [&window, &m, i] { window.Run([&m, i] { m.Numbers.NUM_Click(i); }); });
    OnEnter(key, window, [&m, i] { m.Numbers.NUM_MouseMove(i); });
  }
  layout->addLayout(keys);
  auto* buttons = new QHBoxLayout;
  auto* accept = new QPushButton(box);
  accept->setObjectName("NumberAcceptButton");
  QObject::connect(accept, &QPushButton::clicked, box,
                   [&window, &m] { window.Run([&m] { m.Numbers.NumberAcceptButton_Click(); }); });
  // Takes the typed restart digits; it has no caption and does nothing when clicked.
  auto* focus = new QPushButton(box);
  focus->setObjectName("NumberFocusButton");
  focus->setFixedSize(1, 1);
  focus->setFlat(true);
  buttons->addWidget(accept);
  buttons->addWidget(focus);
  buttons->addStretch();
  layout->addLayout(buttons);
  layout->addStretch();
  // Typed characters go to the button that has the focus: the hidden focus
  // button in the restart state, the Accept button while an address is keyed.
  ForwardChars(box, [&window, &m](char c) {
    bool used = false;
    window.Run([&] {
      if (m.EntryState == RstState) {
        m.Numbers.NumberFocusButton_KeyPress(c);
      } else {
        m.Numbers.NumberAcceptButton_KeyPress(c);
      }
      used = true;
    });
    return used;
  });
  return box;
}

QWidget* BuildDataKeypad(MainWindow& window) {
  ProgrammingPanel& m = window.model();
  QGroupBox* box = Panel("DataBox", "Data Byte");
  auto* layout = new QVBoxLayout(box);
  QLabel* value = Display(box, "DataLabel", 40);
  layout->addWidget(value, 0, Qt::AlignLeft);
  auto* keys = new QGridLayout;
  keys->setSpacing(3);
  for (int i = 0; i < 16; ++i) {
    QPushButton* key = Key(box, Q(IndexedName("DataNum", i)), 36);
    keys->addWidget(key, i / 4, i % 4);
    QObject::connect(key, &QPushButton::clicked, box,
                     [&window, &m, i] { window.Run([&m, i] { m.Data.DataNum_Click(i); }); });
  }
  layout->addLayout(keys);
  auto* accept = new QPushButton(box);
  accept->setObjectName("DataAcceptButton");
  QObject::connect(accept, &QPushButton::clicked, box,
                   [&window, &m] { window.Run([&m] { m.Data.DataAcceptButton_Click(); }); });
  layout->addWidget(accept, 0, Qt::AlignLeft);
  layout->addStretch();
  // Typed hex digits key the byte while the Accept button has the focus.
  ForwardChars(box, [&window, &m](char c) {
    bool used = false;
    window.Run([&] {
      m.Data.DataAcceptButton_KeyPress(c);
      used = true;
    });
    return used;
  });
  return box;
}

}  // namespace parvix::ui
