// The place panel PlaceBox on screen: "Existing:" with the label list, "New:"
// with the name box, Place and Done. Its events go to the PlacePanel model.
#pragma once

class QWidget;

namespace parvix::ui {

class MainWindow;

QWidget* BuildPlacePanel(MainWindow& window);

}  // namespace parvix::ui
