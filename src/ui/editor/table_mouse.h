// The mouse on the program table: press, move and release go to the core's
// Table1_MouseDown, Table1_MouseMove and Table1_MouseUp (the click itself
// comes from the view's clicked signal), leaving the current cell goes to
// Table1_LeaveCell, and the pointer over the grid shows the shape the core
// asks for.
#pragma once

#include <array>

class QTableView;

namespace parvix::ui {

class MainWindow;

// Forwards the program table's mouse events to the core.
void InstallTableMouse(MainWindow& window);

// The pointer's distance from the grid's left edge in the core's twips: the
// position within the column under the pointer, scaled to the core's width of
// that column, so that the core's column bounds hold however wide the view
// draws its columns.
int TwipsAt(const QTableView& view, const std::array<int, 5>& widthsTwips, int x);

}  // namespace parvix::ui
