#include "ui/printing/print_info_window.h"

#include <QDialogButtonBox>
#include <QGridLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace parvix::ui {

PrintInfoWindow::PrintInfoWindow(PrintInfoForm& model, QWidget* parent)
    : QDialog(parent), model_(model) {
  setObjectName("PrintInfo");
  SetPlainWindowTitle(this, Q(model_.Caption));
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(18, 14, 18, 12);
  auto* grid = new QGridLayout;
  grid->setHorizontalSpacing(16);
  grid->setVerticalSpacing(6);
  int row = 0;
  model_.VisitControls([&](std::string_view name, const Control&) {
    QLabel* caption = PlainLabel(this, Q(model_.Captions[row].text));
    QLabel* value = PlainLabel(this);
    value->setObjectName(Q(name));
    value->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    value->setMinimumWidth(60);
    grid->addWidget(caption, row, 0);
    grid->addWidget(value, row, 1);
    ++row;
  });
  layout->addLayout(grid);
  layout->addSpacing(8);
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok, this);
  connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
  layout->addWidget(buttons);
  layout->setSizeConstraint(QLayout::SetFixedSize);
}

void PrintInfoWindow::Render() { model_.VisitControls(binder_); }

void PrintInfoWindow::showEvent(QShowEvent* event) {
  Render();
  QDialog::showEvent(event);
}

}  // namespace parvix::ui
