#include "ui/printing/print_comment_view.h"

#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "ui/base/binding.h"
#include "ui/editor/main_window.h"

namespace parvix::ui {

QWidget* BuildPrintCommentPanel(MainWindow& window) {
  PrintCommentPanel& p = window.model().PrintComment;
  // One line across the window, below the keypads: the instruction keypad
  // stays up beside it and takes all of the panel area's width.
  auto* box = new QFrame;
  box->setObjectName("PrintCommentBox");
  box->setFrameShape(QFrame::StyledPanel);
  box->setVisible(false);
  auto* layout = new QHBoxLayout(box);
  layout->setContentsMargins(8, 4, 8, 4);
  QLabel* caption = PlainLabel(box);
  caption->setObjectName("Label6");
  layout->addWidget(caption);
  auto* text = new QLineEdit(box);
  text->setObjectName("PrintCommentText");
  text->setMinimumWidth(240);
  layout->addWidget(text, 1);
  auto button = [box, layout](const char* name) {
    QPushButton* b = NamedButton(box, name);
    layout->addWidget(b);
    return b;
  };
  QPushButton* clear = button("ClearComments");
  QPushButton* accept = button("PrintCommentDoneButton");
  QPushButton* ignore = button("PrintCommentCancelButton");

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
