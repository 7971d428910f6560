// The start-up window: the product name and the version, shown for the
// moment it takes the main window to load.
#pragma once

#include <QWidget>

#include "editor/startup.h"
#include "ui/base/binding.h"

namespace parvix::ui {

class StartupWindow : public QWidget {
  Q_OBJECT

 public:
  explicit StartupWindow(OpenForm& model, QWidget* parent = nullptr);
  void Render();

 private:
  OpenForm& model_;
  ControlBinder binder_{this};
};

}  // namespace parvix::ui
