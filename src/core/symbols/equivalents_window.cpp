#include "symbols/equivalents_window.h"

#include "editor/programming_panel.h"

namespace parvix {

RenumberDialog::RenumberDialog(ProgrammingPanel& w) : w_(w) {}

void RenumberDialog::EqtOption_Click() {}
void RenumberDialog::DelayTimer_Timer() {}
void RenumberDialog::XXDelayTimer_Timer() {}

}  // namespace parvix
