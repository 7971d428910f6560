// Program files: open, save, save as, quit.
#include "editor/programming_panel.h"

namespace parvix {

void ProgrammingPanel::SaveFile_Click() {}

}  // namespace parvix
