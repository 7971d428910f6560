#include "symbols/find_panel.h"

#include "editor/programming_panel.h"

namespace parvix {

FindPanel::FindPanel(ProgrammingPanel& w) : w_(w) { FindBox.visible = false; }

void FindPanel::FindStatus(bool Status) { FindBox.visible = Status; }

void FindPanel::FindLabel_Click() {
  if (!IsIdle(w_.EntryState)) return;
  w_.ControlTransfer(FindLabelState);
}

void FindPanel::FindVariable_Click() {
  if (!IsIdle(w_.EntryState)) return;
  w_.ControlTransfer(FindVariableState);
}

}  // namespace parvix
