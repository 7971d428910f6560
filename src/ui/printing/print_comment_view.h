// The print-comment panel of the main window: the comment text box with
// Clear, Accept and Ignore.
#pragma once

class QWidget;

namespace parvix::ui {

class MainWindow;

QWidget* BuildPrintCommentPanel(MainWindow& window);

}  // namespace parvix::ui
