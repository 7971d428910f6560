#include "ui/symbols/operand_panels.h"

#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "ui/base/binding.h"
#include "ui/editor/main_window.h"

namespace parvix::ui {

namespace {

// The widgets one operand panel is made of.
struct OperandWidgets {
  QGroupBox* box;
  QRadioButton* existing;
  QComboBox* combo;
  QRadioButton* fresh;
  QLineEdit* text;
  QHBoxLayout* buttons;
};

// "Existing:" with the list above "New:" with the text box, buttons below.
// The options are not exclusive among themselves: which one is selected is
// the model's, and the view shows it.
OperandWidgets BuildOperandPanel(const QString& boxName, const QString& title,
                                 const QString& existingName, const QString& comboName,
                                 const QString& newName, const QString& textName) {
  OperandWidgets w;
  w.box = new QGroupBox(title);
  w.box->setObjectName(boxName);
  w.box->setVisible(false);
  // As wide as its widgets need: the name boxes would stretch it across
  // the panel area otherwise.
  w.box->setSizePolicy(QSizePolicy::Maximum, QSizePolicy::Preferred);
  auto* layout = new QVBoxLayout(w.box);
  auto* grid = new QGridLayout;
  w.existing = new QRadioButton(w.box);
  w.existing->setObjectName(existingName);
  w.existing->setAutoExclusive(false);
  w.combo = new QComboBox(w.box);
  w.combo->setObjectName(comboName);
  w.combo->setEditable(false);
  w.combo->setMinimumWidth(160);
  w.combo->setMaxVisibleItems(20);
  w.fresh = new QRadioButton(w.box);
  w.fresh->setObjectName(newName);
  w.fresh->setAutoExclusive(false);
  w.text = new QLineEdit(w.box);
  w.text->setObjectName(textName);
  w.text->setMinimumWidth(160);
  grid->addWidget(w.existing, 0, 0);
  grid->addWidget(w.combo, 0, 1);
  grid->addWidget(w.fresh, 1, 0);
  grid->addWidget(w.text, 1, 1);
  layout->addLayout(grid);
  w.buttons = new QHBoxLayout;
  layout->addLayout(w.buttons);
  layout->addStretch();
  return w;
}


}  // namespace

QWidget* BuildLabelPanel(MainWindow& window) {
  ProgrammingPanel& m = window.model();
  LabelPanel& p = m.Labels;
  OperandWidgets w = BuildOperandPanel("LabelBox", "Label", "ExistingLabelOption", "LabelCombo",
                                       "NewLabelOption", "LabelText");
  QPushButton* accept = NamedButton(w.box, "LabelAcceptButton");
  w.buttons->addWidget(accept);
  w.buttons->addStretch();

  QObject::connect(w.existing, &QRadioButton::clicked, w.box,
                   [&window, &p] { window.Run([&p] { p.ExistingLabelOption_Click(); }); });
  QObject::connect(w.fresh, &QRadioButton::clicked, w.box,
                   [&window, &p] { window.Run([&p] { p.NewLabelOption_Click(); }); });
  QObject::connect(w.combo, &QComboBox::activated, w.box, [&window, &p](int index) {
    window.Run([&p, index] { p.LabelCombo_Click(index); });
  });
  QObject::connect(w.text, &QLineEdit::textEdited, w.box, [&window, &p](const QString& text) {
    window.Run([&p, value = S(text)] {
      p.LabelText.text = value;
      p.LabelText_Change();
    });
  });
  QObject::connect(accept, &QPushButton::clicked, w.box,
                   [&window, &p] { window.Run([&p] { p.LabelAcceptButton_Click(); }); });
  return w.box;
}

QWidget* BuildXXPanel(MainWindow& window) {
  ProgrammingPanel& m = window.model();
  XXPanel& p = m.Variables;
  OperandWidgets w = BuildOperandPanel("XXBox", "Variable", "ExistingXXOption", "XXCombo",
                                       "NewXXOption", "XXText");
  // Accept, Find and Replace share one spot: the model shows one of them.
  QPushButton* accept = NamedButton(w.box, "XXAcceptButton");
  QPushButton* find = NamedButton(w.box, "XXFindButton");
  QPushButton* replace = NamedButton(w.box, "XXReplaceButton");
  QPushButton* done = NamedButton(w.box, "XXDoneButton");
  for (QPushButton* button : {accept, find, replace, done}) w.buttons->addWidget(button);
  w.buttons->addStretch();

  QObject::connect(w.existing, &QRadioButton::clicked, w.box,
                   [&window, &p] { window.Run([&p] { p.ExistingXXOption_Click(); }); });
  QObject::connect(w.fresh, &QRadioButton::clicked, w.box,
                   [&window, &p] { window.Run([&p] { p.NewXXOption_Click(); }); });
  QObject::connect(w.combo, &QComboBox::activated, w.box, [&window, &p](int index) {
    window.Run([&p, index] { p.XXCombo_Click(index); });
  });
  QObject::connect(w.text, &QLineEdit::textEdited, w.box, [&window, &p](const QString& text) {
    window.Run([&p, value = S(text)] {
      p.XXText.text = value;
      p.XXText_Change();
    });
  });
  QObject::connect(accept, &QPushButton::clicked, w.box,
                   [&window, &p] { window.Run([&p] { p.XXAcceptButton_Click(); }); });
  QObject::connect(done, &QPushButton::clicked, w.box,
                   [&window, &p] { window.Run([&p] { p.XXDoneButton_Click(); }); });
  // The find and replace forms: their buttons belong to those tools.
  FindPanel& findTool = m.Find;
  ReplacePanel& replaceTool = m.Replace;
  QObject::connect(find, &QPushButton::clicked, w.box, [&window, &findTool] {
    window.Run([&findTool] { findTool.XXFindButton_Click(); });
  });
  QObject::connect(replace, &QPushButton::clicked, w.box, [&window, &replaceTool] {
    window.Run([&replaceTool] { replaceTool.XXReplaceButton_Click(); });
  });
  return w.box;
}

QWidget* BuildFindPanel(MainWindow& window) {
  FindPanel& p = window.model().Find;
  auto* box = new QGroupBox;
  box->setObjectName("FindBox");
  box->setVisible(false);
  box->setSizePolicy(QSizePolicy::Maximum, QSizePolicy::Preferred);
  auto* layout = new QVBoxLayout(box);
  auto* row = new QHBoxLayout;
  QLabel* caption = PlainLabel(box);
  caption->setObjectName("FindComboLabel");
  auto* combo = new QComboBox(box);
  combo->setObjectName("FindCombo");
  combo->setMinimumWidth(160);
  combo->setMaxVisibleItems(20);
  caption->setBuddy(combo);
  row->addWidget(caption);
  row->addWidget(combo, 1);
  layout->addLayout(row);
  auto* buttons = new QHBoxLayout;
  QPushButton* findButton = NamedButton(box, "FindButton");
  QPushButton* done = NamedButton(box, "FindDoneButton");
  buttons->addWidget(findButton);
  buttons->addWidget(done);
  buttons->addStretch();
  layout->addLayout(buttons);
  layout->addStretch();

  QObject::connect(combo, &QComboBox::activated, box, [&window, &p](int index) {
    window.Run([&p, index] { p.FindCombo_Click(index); });
  });
  QObject::connect(findButton, &QPushButton::clicked, box,
                   [&window, &p] { window.Run([&p] { p.FindButton_Click(); }); });
  QObject::connect(done, &QPushButton::clicked, box,
                   [&window, &p] { window.Run([&p] { p.FindDoneButton_Click(); }); });
  return box;
}

QWidget* BuildReplacePanel(MainWindow& window) {
  ReplacePanel& p = window.model().Replace;
  OperandWidgets w = BuildOperandPanel("ReplaceBox", "Label", "ExistingReplaceOption",
                                       "ReplaceCombo", "NewReplaceOption", "ReplaceText");
  QPushButton* accept = NamedButton(w.box, "ReplaceAcceptButton");
  QPushButton* done = NamedButton(w.box, "ReplaceDoneButton");
  w.buttons->addWidget(accept);
  w.buttons->addWidget(done);
  w.buttons->addStretch();

  QObject::connect(w.existing, &QRadioButton::clicked, w.box,
                   [&window, &p] { window.Run([&p] { p.ExistingReplaceOption_Click(); }); });
  QObject::connect(w.fresh, &QRadioButton::clicked, w.box,
                   [&window, &p] { window.Run([&p] { p.NewReplaceOption_Click(); }); });
  QObject::connect(w.combo, &QComboBox::activated, w.box, [&window, &p](int index) {
    window.Run([&p, index] { p.ReplaceCombo_Click(index); });
  });
  QObject::connect(w.text, &QLineEdit::textEdited, w.box, [&window, &p](const QString& text) {
    window.Run([&p, value = S(text)] {
      p.ReplaceText.text = value;
      p.ReplaceText_Change();
    });
  });
  QObject::connect(accept, &QPushButton::clicked, w.box,
                   [&window, &p] { window.Run([&p] { p.ReplaceAcceptButton_Click(); }); });
  QObject::connect(done, &QPushButton::clicked, w.box,
                   [&window, &p] { window.Run([&p] { p.ReplaceDoneButton_Click(); }); });
  return w.box;
}

}  // namespace parvix::ui
