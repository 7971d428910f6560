#include "symbols/find_panel.h"

#include "editor/programming_panel.h"

namespace parvix {

FindPanel::FindPanel(ProgrammingPanel& w) : w_(w) { FindBox.visible = false; }

void FindPanel::FindStatus(bool Status) { FindBox.visible = Status; }

}  // namespace parvix
