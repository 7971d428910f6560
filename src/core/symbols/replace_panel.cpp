#include "symbols/replace_panel.h"

#include "editor/programming_panel.h"

namespace parvix {

ReplacePanel::ReplacePanel(ProgrammingPanel& w) : w_(w) { ReplaceBox.visible = false;
  ExistingReplaceOption.text = "Existing:";
  NewReplaceOption.text = "New:";
  NewReplaceOption.checked = true;
  ReplaceAcceptButton.text = "&Replace";
}

void ReplacePanel::ReplaceStatus(bool Status) { ReplaceBox.visible = Status; }

void ReplacePanel::PrimeAcceptButton() {
  if (ExistingReplaceOption.checked) {
    ReplaceAcceptButton.enabled = true;
    w_.DefaultButton = "ReplaceAcceptButton";
  } else {
    ReplaceText_Change();
  }
}

void ReplacePanel::ReplaceText_Change() {
  if (!ReplaceText.enabled) return;
  ReplaceAcceptButton.enabled =
      w_.EntryState == ReplaceLabelRowState && IsValidName(ReplaceText.text);
  if (ReplaceAcceptButton.enabled) w_.DefaultButton = "ReplaceAcceptButton";
}

void ReplacePanel::ReplaceLabel_Click() {
  if (!IsIdle(w_.EntryState)) return;
  w_.ControlTransfer(ReplaceLabelState);
}

void ReplacePanel::ReplaceVariable_Click() {
  if (!IsIdle(w_.EntryState)) return;
  w_.ControlTransfer(ReplaceVariableState);
}

}  // namespace parvix
