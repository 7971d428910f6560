#include "ui/editor/keypad_views.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

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
  return box;
}

// The sunken display of the value being keyed.
QLabel* Display(QWidget* parent, const QString& name, int width) {
  auto* value = new QLabel(parent);
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

}  // namespace

QWidget* BuildInstructionKeypad(MainWindow& window) {
  ProgrammingPanel& m = window.model();
  QGroupBox* box = Panel("InstructionBox", "Instructions");
  auto* layout = new QVBoxLayout(box);
  auto* keys = new QGridLayout;
  keys->setSpacing(3);
  for (int i = 0; i < kInstructionKeyCount; ++i) {
    QPushButton* key = Key(box, Q(IndexedName("INST", i)));
    keys->addWidget(key, i / 10, i % 10);
  }
  layout->addLayout(keys);
  auto* tips = new QHBoxLayout;
  for (int i = 0; i < 2; ++i) {
    auto* label = new QLabel(box);
    label->setObjectName(Q(IndexedName("InstructionLabel", i)));
    tips->addWidget(label);
  }
  tips->addStretch();
  layout->addLayout(tips);
  (void)m;
  return box;
}

QWidget* BuildRegisterKeypad(MainWindow& window) {
  ProgrammingPanel& m = window.model();
  QGroupBox* box = Panel("RegisterBox", "Registers");
  box->setFocusPolicy(Qt::StrongFocus);
  auto* layout = new QVBoxLayout(box);
  auto* keys = new QGridLayout;
  keys->setSpacing(3);
  // Laid out as on the trainer: B C / D E / H L / M A / SP PSW.
  for (int i = 0; i < 10; ++i) {
    QPushButton* key = Key(box, Q(IndexedName("REG", i)), 48);
    keys->addWidget(key, i / 2, i % 2);
  }
  layout->addLayout(keys);
  auto* label = new QLabel(box);
  label->setObjectName("RegisterLabel");
  layout->addWidget(label);
  layout->addStretch();
  (void)m;
  return box;
}

QWidget* BuildNumberKeypad(MainWindow& window) {
  ProgrammingPanel& m = window.model();
  QGroupBox* box = Panel("NumberBox", "Number");
  auto* layout = new QVBoxLayout(box);
  auto* display = new QHBoxLayout;
  auto* type = new QLabel(box);
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
  }
  layout->addLayout(keys);
  auto* accept = new QPushButton(box);
  accept->setObjectName("DataAcceptButton");
  layout->addWidget(accept, 0, Qt::AlignLeft);
  layout->addStretch();
  (void)m;
  return box;
}

QWidget* BuildCommentPanel(MainWindow& window) {
  ProgrammingPanel& m = window.model();
  QGroupBox* box = Panel("CommentsBox", "Comments");
  auto* layout = new QVBoxLayout(box);
  auto* text = new QLineEdit(box);
  text->setObjectName("CommentsTxt");
  text->setMinimumWidth(420);
  layout->addWidget(text);
  auto* buttons = new QHBoxLayout;
  for (const char* name :
       {"CommentNextButton", "DefaultCommentButton", "CommentDoneButton", "CommentCancelButton"}) {
    auto* button = new QPushButton(box);
    button->setObjectName(name);
    buttons->addWidget(button);
  }
  buttons->addStretch();
  layout->addLayout(buttons);
  layout->addStretch();
  (void)m;
  return box;
}

}  // namespace parvix::ui
