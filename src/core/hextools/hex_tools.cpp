#include "hextools/hex_tools.h"

#include "editor/programming_panel.h"

namespace parvix {

HexTools::HexTools(ProgrammingPanel& w) : w_(w) {}

void HexTools::AssembleFile_Click() {}
void HexTools::DisassembleFile_Click() {}
void HexTools::DownloadFile_Click() {}

}  // namespace parvix
