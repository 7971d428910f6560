// The place panel: writes a label name, existing or new, into the Label
// cell of a picked row, so that the label takes that row's address.
#pragma once

#include "base/controls.h"

namespace parvix {

class ProgrammingPanel;

class PlacePanel {
 public:
  explicit PlacePanel(ProgrammingPanel& w);

  Control PlaceBox;
  ListControl PlaceCombo;  // copy of the label names, filled by UpdateLabels
  Control PlaceText;
  Control ExistingPlaceOption;
  Control NewPlaceOption;
  Control PlaceAcceptButton;
  Control PlaceDoneButton;

  // Edit > Place Labels (Shift+Ins).
  void PlaceLabelTool_Click();
  // True: shows the panel ready for a new name.
  void PlaceStatus(bool Status);
  // On entering the row-picked state: Accept is usable for an existing label
  // or an acceptable new name.
  void PrimeAcceptButton();
  void PlaceText_Change();

  template <class F>
  void VisitControls(F&& f) {
    f("PlaceBox", PlaceBox);
    f("PlaceCombo", PlaceCombo);
    f("PlaceText", PlaceText);
    f("ExistingPlaceOption", ExistingPlaceOption);
    f("NewPlaceOption", NewPlaceOption);
    f("PlaceAcceptButton", PlaceAcceptButton);
    f("PlaceDoneButton", PlaceDoneButton);
  }

 private:
  ProgrammingPanel& w_;
};

}  // namespace parvix
