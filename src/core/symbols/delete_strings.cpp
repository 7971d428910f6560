// Deleting labels (the click tool) and unused strings.
#include "editor/programming_panel.h"

namespace parvix {

void ProgrammingPanel::DeleteLabels_Click() {}
void ProgrammingPanel::DeleteUnusedLabels_Click() {}

}  // namespace parvix
