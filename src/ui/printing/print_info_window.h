// The print information window: seven captions with their counts, shown
// modal over the main window. It only shows its model; closing it goes back
// to the main window as it was.
#pragma once

#include <QDialog>

#include "printing/print_information.h"
#include "ui/base/binding.h"

namespace parvix::ui {

class PrintInfoWindow : public QDialog {
  Q_OBJECT

 public:
  PrintInfoWindow(PrintInfoForm& model, QWidget* parent = nullptr);

  // Copies the model's values onto the labels.
  void Render();

 protected:
  void showEvent(QShowEvent* event) override;

 private:
  PrintInfoForm& model_;
  ControlBinder binder_{this};
};

}  // namespace parvix::ui
