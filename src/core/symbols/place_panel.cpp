#include "symbols/place_panel.h"

#include <charconv>

#include "editor/programming_panel.h"

namespace parvix {

namespace {
constexpr const char* kReplaceQuestion =
    "A label is already present in the selected cell. Do you want to replace the existing label?";
constexpr const char* kNameTaken =
    "String already used as Label or Variable. Please enter another string or use existing string.";
}  // namespace

PlacePanel::PlacePanel(ProgrammingPanel& w) : w_(w) {
  PlaceBox.visible = false;
  ExistingPlaceOption.text = "Existing:";
  ExistingPlaceOption.enabled = false;
  NewPlaceOption.text = "New:";
  NewPlaceOption.checked = true;
  PlaceAcceptButton.text = "&Place";
  PlaceAcceptButton.enabled = false;
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

void PlacePanel::ExistingPlaceOption_Click() {
  if (!PlaceBox.visible || !ExistingPlaceOption.enabled) return;
  ExistingPlaceOption.checked = true;
  NewPlaceOption.checked = false;
  PlaceText.enabled = false;
  PlaceText.back = kButtonFace;
  PlaceCombo.enabled = true;
  PlaceCombo.back = kWhite;
  if (PlaceCombo.listIndex < 0 && !PlaceCombo.items.empty()) PlaceCombo.listIndex = 0;
  w_.Focus.Set("PlaceCombo");
  if (w_.EntryState == PlaceRowState) {
    PlaceAcceptButton.enabled = true;
    w_.DefaultButton = "PlaceAcceptButton";
  }
}

void PlacePanel::NewPlaceOption_Click() {
  if (!PlaceBox.visible) return;
  NewPlaceOption.checked = true;
  ExistingPlaceOption.checked = false;
  PlaceCombo.enabled = false;
  PlaceCombo.back = kButtonFace;
  PlaceText.back = kWhite;
  PlaceText.enabled = true;
  w_.Focus.Set("PlaceText");
  PlaceAcceptButton.enabled = false;
}

void PlacePanel::PlaceCombo_Click(int ListIndex) {
  if (!PlaceCombo.enabled) return;
  if (ListIndex >= 0 && ListIndex < static_cast<int>(PlaceCombo.items.size())) {
    PlaceCombo.listIndex = ListIndex;
  }
}

void PlacePanel::PickRow(int row) {
  if (w_.IsOriginRow(row) || !w_.Table1.ValidCell(row, kLabelColumn)) return;
  if (w_.EntryState == PlaceRowState) ClearPick();
  w_.TargetRow = row;
  w_.Table1.SetBackColor(row, kLabelColumn, kGreen);
  if (w_.EntryState == PlaceState) w_.ControlTransfer(PlaceRowState);
}

void PlacePanel::ClearPick() {
  // Before a row is picked TargetRow names no row of this tool (it may be
  // left from another tool or a program that is gone): nothing is touched.
  if (w_.EntryState != PlaceRowState) return;
  w_.Table1.SetBackColor(w_.TargetRow, kLabelColumn, kGridBackColor);
}

void PlacePanel::PlaceExisting(int k) {
  auto& s = w_.Symbols;
  const std::string name = s.LabelCombo[static_cast<size_t>(k)];
  const std::string target = std::to_string(w_.TargetRow);
  const bool placed =
      static_cast<size_t>(k) < s.LabelPlacedList.size() && s.LabelPlacedList[k] != "0";
  const std::string oldRow =
      static_cast<size_t>(k) < s.LabelLineList.size() ? s.LabelLineList[k] : "0";
  // A label that already stands on the picked row is simply written again.
  if (placed && oldRow != target) {
    const std::string question = "The string '" + name + "' is already placed in line # " + oldRow +
                                 ". Do you want to reposition it to line # " + target + "?";
    const int answer = w_.host.MsgBox(question, kMsgYesNoQuestion);
    w_.MsgBoxAnswer = std::to_string(answer);
    if (answer != kAnswerYes) return;
    int row = 0;
    std::from_chars(oldRow.data(), oldRow.data() + oldRow.size(), row);
    if (row > 0) w_.Table1.SetText(row, kLabelColumn, {});
    // The address it took from its old row is not its address any more.
    if (static_cast<size_t>(k) < s.LabelEqtList.size()) s.LabelEqtList[k] = UnassignedLabelEqt;
  }
  w_.Table1.SetText(w_.TargetRow, kLabelColumn, name);
  if (static_cast<size_t>(k) < s.LabelLineList.size()) s.LabelLineList[k] = target;
  if (static_cast<size_t>(k) < s.LabelPlacedList.size()) s.LabelPlacedList[k] = "1";
  w_.UpdateLabels();
}

void PlacePanel::PlaceNew(const std::string& name) {
  auto& s = w_.Symbols;
  if (s.NameInUse(name)) {
    w_.MsgBoxAnswer = std::to_string(w_.host.MsgBox(kNameTaken, kMsgCritical));
    PlaceText.text.clear();
    w_.Focus.Set("PlaceText");
    return;
  }
  w_.Table1.SetText(w_.TargetRow, kLabelColumn, name);
  s.AddLabel(name, UnassignedLabelEqt, false, true, w_.TargetRow);
  w_.UpdateLabels();
}

void PlacePanel::PlaceAcceptButton_Click() {
  // Place acts only on a picked row, and only while the button is usable.
  if (w_.EntryState != PlaceRowState || !PlaceAcceptButton.enabled) return;
  bool go = true;
  if (!w_.Table1.Text(w_.TargetRow, kLabelColumn).empty()) {
    const int answer = w_.host.MsgBox(kReplaceQuestion, kMsgYesNoQuestion);
    w_.MsgBoxAnswer = std::to_string(answer);
    go = answer == kAnswerYes;
  }
  if (go) {
    if (NewPlaceOption.checked) {
      if (IsValidName(PlaceText.text)) PlaceNew(PlaceText.text);
    } else if (ExistingPlaceOption.checked) {
      const int k = PlaceCombo.listIndex;
      // The list is the label list's copy: its entry k is label k.
      if (k >= 0 && static_cast<size_t>(k) < w_.Symbols.LabelCombo.size() &&
          static_cast<size_t>(k) < PlaceCombo.items.size() &&
          w_.Symbols.LabelCombo[static_cast<size_t>(k)] == PlaceCombo.items[k]) {
        PlaceExisting(k);
      }
    }
  }
  w_.Table1.SetBackColor(w_.TargetRow, kLabelColumn, kGridBackColor);
  w_.ControlTransfer(PlaceState);
  w_.ProgramChanged = true;
}

void PlacePanel::PlaceDoneButton_Click() {
  if (w_.EntryState != PlaceState && w_.EntryState != PlaceRowState) return;
  PlaceBox.visible = false;
  ClearPick();
  w_.ControlTransfer(w_.IdleState());
}

void PlacePanel::PlaceLabelTool_Click() {
  if (!IsIdle(w_.EntryState)) return;
  w_.ControlTransfer(PlaceState);
}

}  // namespace parvix
