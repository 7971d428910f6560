#include "hextools/disassembly_dialog.h"

#include "editor/programming_panel.h"

namespace parvix {

DataDialog::DataDialog(ProgrammingPanel& w) : w_(w) {}

void DataDialog::Form_Load() {}
void DataDialog::CheckTimer_Timer() {}
void DataDialog::CopyTimer_Timer() {}
void DataDialog::DisassembleTimer_Timer() {}
void DataDialog::CommentTimer_Timer() {}

}  // namespace parvix
