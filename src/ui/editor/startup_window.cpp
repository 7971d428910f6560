#include "ui/editor/startup_window.h"

#include <QLabel>
#include <QVBoxLayout>

namespace parvix::ui {

StartupWindow::StartupWindow(OpenForm& model, QWidget* parent)
    : QWidget(parent, Qt::SplashScreen | Qt::FramelessWindowHint), model_(model) {
  setObjectName("OpenForm");
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(40, 30, 40, 30);
  QLabel* title = PlainLabel(this, "Quenmar Parvix");
  title->setObjectName("VersionLabel(0)");
  QFont big = title->font();
  big.setPointSize(big.pointSize() + 10);
  big.setBold(true);
  title->setFont(big);
  title->setAlignment(Qt::AlignCenter);
  QLabel* subtitle = PlainLabel(this, "8085 editor, assembler and simulator");
  subtitle->setAlignment(Qt::AlignCenter);
  QLabel* version = PlainLabel(this);
  version->setObjectName("VersionLabel(1)");
  version->setAlignment(Qt::AlignCenter);
  layout->addWidget(title);
  layout->addWidget(subtitle);
  layout->addWidget(version);
  setStyleSheet("QWidget#OpenForm { background: #f4f6fa; border: 1px solid #7a8599; }");
}

void StartupWindow::Render() { model_.VisitControls(binder_); }

}  // namespace parvix::ui
