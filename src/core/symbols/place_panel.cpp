#include "symbols/place_panel.h"

#include "editor/programming_panel.h"

namespace parvix {

PlacePanel::PlacePanel(ProgrammingPanel& w) : w_(w) {
  PlaceBox.visible = false;
  ExistingPlaceOption.text = "Existing:";
  NewPlaceOption.text = "New:";
  PlaceAcceptButton.text = "&Place";
  PlaceDoneButton.text = "Done";
}

void PlacePanel::PlaceStatus(bool Status) {
  if (!Status) {
    PlaceBox.visible = false;
    return;
  }
  w_.UpdateLabels();
  PlaceBox.visible = true;
  if (PlaceCombo.items.empty()) {
    ExistingPlaceOption.enabled = false;
  } else {
    ExistingPlaceOption.enabled = true;
    PlaceCombo.listIndex = 0;
  }
  PlaceCombo.enabled = false;
  PlaceCombo.back = kButtonFace;
  NewPlaceOption.enabled = true;
  NewPlaceOption.checked = true;
  ExistingPlaceOption.checked = false;
  PlaceText.text.clear();
  PlaceText.back = kWhite;
  PlaceText.enabled = true;
  PlaceAcceptButton.enabled = false;
  w_.Focus.Set("PlaceText");
}

void PlacePanel::PrimeAcceptButton() {
  if (ExistingPlaceOption.checked) {
    PlaceAcceptButton.enabled = true;
    w_.DefaultButton = "PlaceAcceptButton";
  } else {
    PlaceText_Change();
  }
}

void PlacePanel::PlaceText_Change() {
  if (!PlaceText.enabled) return;
  PlaceAcceptButton.enabled = w_.EntryState == PlaceRowState && IsValidName(PlaceText.text);
  if (PlaceAcceptButton.enabled) w_.DefaultButton = "PlaceAcceptButton";
}

void PlacePanel::PlaceLabelTool_Click() {
  if (!IsIdle(w_.EntryState)) return;
  w_.ControlTransfer(PlaceState);
}

}  // namespace parvix
