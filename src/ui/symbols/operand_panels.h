// The operand panels of the main window: the label panel LabelBox and the
// variable panel XXBox (with its find and replace forms), and the panels of
// the label find and replace tools, FindBox and ReplaceBox. Each builder makes
// the panel's widgets, named as the model's controls, and forwards their
// events to the model through MainWindow::Run.
#pragma once

class QWidget;

namespace parvix::ui {

class MainWindow;

QWidget* BuildLabelPanel(MainWindow& window);
QWidget* BuildXXPanel(MainWindow& window);
QWidget* BuildFindPanel(MainWindow& window);
QWidget* BuildReplacePanel(MainWindow& window);

}  // namespace parvix::ui
