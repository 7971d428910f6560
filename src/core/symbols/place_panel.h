// The place panel: writes a label name, existing or new, into the Label
// cell of a picked row, so that the label takes that row's address. The tool
// stays open for the next label until Done or Esc.
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
  void ExistingPlaceOption_Click();
  void NewPlaceOption_Click();
  // A name chosen in the list; only the list's own entries can be chosen.
  void PlaceCombo_Click(int ListIndex);
  // Place: writes the name into the picked row's Label cell, asking first
  // before it replaces a label there or moves one placed on another row.
  void PlaceAcceptButton_Click();
  void PlaceDoneButton_Click();

  // A click on the program table while the tool runs: picks the row (origin
  // rows cannot be picked) and marks its Label cell green.
  void PickRow(int row);
  // Gives the picked Label cell its colour back, if a row is picked.
  void ClearPick();

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
  // Places existing label `k` on the picked row; false when the user keeps
  // it where it is.
  void PlaceExisting(int k);
  void PlaceNew(const std::string& name);

  ProgrammingPanel& w_;
};

}  // namespace parvix
