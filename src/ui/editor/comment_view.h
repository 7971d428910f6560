// The comment panel of the main window: the text box for the picked row's
// comment and its Next, Default Comment, Done and Ignore buttons.
#pragma once

class QWidget;

namespace parvix::ui {

class MainWindow;

QWidget* BuildCommentPanel(MainWindow& window);

}  // namespace parvix::ui
