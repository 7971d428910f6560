#include "ui/symbols/place_panel_view.h"

#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "ui/base/binding.h"
#include "ui/editor/main_window.h"

namespace parvix::ui {

QWidget* BuildPlacePanel(MainWindow& window) {
  PlacePanel& p = window.model().Place;
  auto* box = new QGroupBox("Place Labels");
  box->setObjectName("PlaceBox");
  box->setVisible(false);
  // As wide as its widgets need, like the operand panels.
  box->setSizePolicy(QSizePolicy::Maximum, QSizePolicy::Preferred);
  auto* layout = new QVBoxLayout(box);

  // Which option is selected is the model's: the buttons are not exclusive.
  auto* existing = new QRadioButton(box);
  existing->setObjectName("ExistingPlaceOption");
  existing->setAutoExclusive(false);
  auto* combo = new QComboBox(box);
  combo->setObjectName("PlaceCombo");
  combo->setEditable(false);  // only the list's own names can be chosen
  combo->setMinimumWidth(160);
  combo->setMaxVisibleItems(20);
  auto* fresh = new QRadioButton(box);
  fresh->setObjectName("NewPlaceOption");
  fresh->setAutoExclusive(false);
  auto* text = new QLineEdit(box);
  text->setObjectName("PlaceText");
  text->setMinimumWidth(160);
  auto* grid = new QGridLayout;
  grid->addWidget(existing, 0, 0);
  grid->addWidget(combo, 0, 1);
  grid->addWidget(fresh, 1, 0);
  grid->addWidget(text, 1, 1);
  layout->addLayout(grid);

  QPushButton* place = NamedButton(box, "PlaceAcceptButton");
  QPushButton* done = NamedButton(box, "PlaceDoneButton");
  auto* buttons = new QHBoxLayout;
  buttons->addWidget(place);
  buttons->addWidget(done);
  buttons->addStretch();
  layout->addLayout(buttons);
  layout->addStretch();

  QObject::connect(existing, &QRadioButton::clicked, box,
                   [&window, &p] { window.Run([&p] { p.ExistingPlaceOption_Click(); }); });
  QObject::connect(fresh, &QRadioButton::clicked, box,
                   [&window, &p] { window.Run([&p] { p.NewPlaceOption_Click(); }); });
  QObject::connect(combo, &QComboBox::activated, box, [&window, &p](int index) {
    window.Run([&p, index] { p.PlaceCombo_Click(index); });
  });
  QObject::connect(text, &QLineEdit::textEdited, box, [&window, &p](const QString& value) {
    window.Run([&p, name = S(value)] {
      p.PlaceText.text = name;
      p.PlaceText_Change();
    });
  });
  QObject::connect(place, &QPushButton::clicked, box,
                   [&window, &p] { window.Run([&p] { p.PlaceAcceptButton_Click(); }); });
  QObject::connect(done, &QPushButton::clicked, box,
                   [&window, &p] { window.Run([&p] { p.PlaceDoneButton_Click(); }); });
  return box;
}

}  // namespace parvix::ui
