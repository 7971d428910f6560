// The keypad panels of the main window: instruction, register, number and
// data keypads. Each builder makes the panel's widgets
// (named as the model's controls) and forwards their events to the model.
#pragma once

class QWidget;

namespace parvix::ui {

class MainWindow;

QWidget* BuildInstructionKeypad(MainWindow& window);
QWidget* BuildRegisterKeypad(MainWindow& window);
QWidget* BuildNumberKeypad(MainWindow& window);
QWidget* BuildDataKeypad(MainWindow& window);

}  // namespace parvix::ui
