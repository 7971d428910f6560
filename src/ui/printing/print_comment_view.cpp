#include "ui/printing/print_comment_view.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "ui/base/binding.h"
#include "ui/editor/main_window.h"

namespace parvix::ui {

QWidget* BuildPrintCommentPanel(MainWindow& window) {
  PrintCommentPanel& p = window.model().PrintComment;
  auto* box = new QGroupBox;
  box->setObjectName("PrintCommentBox");
  box->setVisible(false);
  auto* layout = new QVBoxLayout(box);
  auto* caption = new QLabel(box);
  caption->setObjectName("Label6");
  layout->addWidget(caption);
  auto* text = new QLineEdit(box);
  text->setObjectName("PrintCommentText");
  text->setMinimumWidth(420);
  layout->addWidget(text);
  auto* buttons = new QHBoxLayout;
  auto button = [box, buttons](const char* name) {
    auto* b = new QPushButton(box);
    b->setObjectName(name);
    buttons->addWidget(b);
    return b;
  };
  QPushButton* clear = button("ClearComments");
  QPushButton* accept = button("PrintCommentDoneButton");
  QPushButton* ignore = button("PrintCommentCancelButton");
  buttons->addStretch();
  layout->addLayout(buttons);
  layout->addStretch();

  QObject::connect(text, &QLineEdit::textEdited, box, [&window, &p](const QString& value) {
    window.Run([&p, v = S(value)] { p.PrintCommentText.text = v; });
  });
  QObject::connect(clear, &QPushButton::clicked, box,
                   [&window, &p] { window.Run([&p] { p.ClearComments_Click(); }); });
  QObject::connect(accept, &QPushButton::clicked, box,
                   [&window, &p] { window.Run([&p] { p.PrintCommentDoneButton_Click(); }); });
  QObject::connect(ignore, &QPushButton::clicked, box,
                   [&window, &p] { window.Run([&p] { p.PrintCommentCancelButton_Click(); }); });
  return box;
}

}  // namespace parvix::ui
