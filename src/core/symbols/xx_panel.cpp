#include "symbols/xx_panel.h"

#include "editor/programming_panel.h"

namespace parvix {

XXPanel::XXPanel(ProgrammingPanel& w) : w_(w) { XXBox.visible = false; }

void XXPanel::XXStatus(bool Status) { XXBox.visible = Status; }

}  // namespace parvix
