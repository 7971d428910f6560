#include "editor/editing.h"

#include "editor/programming_panel.h"

namespace parvix {

EditClipboard::EditClipboard(ProgrammingPanel& w) : w_(w) {}

void EditClipboard::CopyEdit_Click() {}
void EditClipboard::CutEdit_Click() {}
void EditClipboard::PasteEdit_Click() {}
void EditClipboard::DeleteEdit_Click() {}

}  // namespace parvix
