#include "ui/editor/comment_view.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLineEdit>
#include <QPushButton>
#include <QTableView>
#include <QVBoxLayout>
#include <algorithm>

#include "ui/base/binding.h"
#include "ui/editor/main_window.h"

namespace parvix::ui {

QWidget* BuildCommentPanel(MainWindow& window) {
  CommentPanel& p = window.model().Comments;
  auto* box = new QGroupBox("Comments");
  box->setObjectName("CommentsBox");
  box->setVisible(false);
  box->setSizePolicy(QSizePolicy::Maximum, QSizePolicy::Preferred);
  auto* layout = new QVBoxLayout(box);
  auto* text = new QLineEdit(box);
  text->setObjectName("CommentsTxt");
  // As wide as the Comment column, so a comment the table shows whole
  // shows whole while it is edited.
  QHeaderView* columns = window.table()->horizontalHeader();
  auto fitColumn = [text, columns] {
    text->setMinimumWidth(std::max(520, columns->sectionSize(kCommentColumn)));
  };
  fitColumn();
  QObject::connect(columns, &QHeaderView::sectionResized, box,
                   [fitColumn](int section) {
                     if (section == kCommentColumn) fitColumn();
                   });
  layout->addWidget(text);
  auto* buttons = new QHBoxLayout;
  auto button = [box, buttons](const char* name) {
    QPushButton* b = NamedButton(box, name);
    buttons->addWidget(b);
    return b;
  };
  QPushButton* next = button("CommentNextButton");
  QPushButton* fallback = button("DefaultCommentButton");
  QPushButton* done = button("CommentDoneButton");
  QPushButton* ignore = button("CommentCancelButton");
  buttons->addStretch();
  layout->addLayout(buttons);
  layout->addStretch();

  // Only the user's edits reach the core; a comment loaded into the box by
  // the core is not an edit. When the core drops characters the user typed,
  // the text cursor stays where the typing left it.
  QObject::connect(text, &QLineEdit::textEdited, box, [&window, &p, text](const QString& typed) {
    const int cursor = text->cursorPosition();
    window.Run([&p, value = S(typed)] { p.CommentsTxt_Change(value); });
    const int dropped = static_cast<int>(typed.size() - text->text().size());
    if (dropped > 0) text->setCursorPosition(std::max(cursor - dropped, 0));
  });
  auto wire = [&window, &p, box](QPushButton* b, void (CommentPanel::*handler)()) {
    QObject::connect(b, &QPushButton::clicked, box, [&window, &p, handler] {
      window.Run([&p, handler] { (p.*handler)(); });
    });
  };
  wire(next, &CommentPanel::CommentNextButton_Click);
  wire(fallback, &CommentPanel::DefaultCommentButton_Click);
  wire(done, &CommentPanel::CommentDoneButton_Click);
  wire(ignore, &CommentPanel::CommentCancelButton_Click);
  return box;
}

}  // namespace parvix::ui
