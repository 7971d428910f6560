#include "symbols/label_panel.h"

#include "editor/programming_panel.h"

namespace parvix {

LabelPanel::LabelPanel(ProgrammingPanel& w) : w_(w) { LabelBox.visible = false; }

void LabelPanel::LabelStatus(bool Status) { LabelBox.visible = Status; }

}  // namespace parvix
