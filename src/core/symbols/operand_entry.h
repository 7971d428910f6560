// What the operand panels share: mirroring a name list into a panel's list
// box, and appending an operand to the cursor row.
#pragma once

#include <string>
#include <string_view>

#include "base/controls.h"
#include "symbols/symbol_lists.h"

namespace parvix {

class ProgrammingPanel;

// Copies the names into the list box when they have changed since the last
// copy; a selection beyond the new end is dropped.
void SyncNameCombo(ListControl& combo, const NameList& names);

// Appends an operand to a row: `separator` and the name to its Mnemonic cell,
// `bytes` to its Opcode cell; the name becomes the row's operand name.
void AppendOperand(ProgrammingPanel& w, int row, std::string_view separator,
                   const std::string& name, std::string_view bytes);

}  // namespace parvix
