// Putting another name into a row's operand, as the replace tools and the
// paste do: the instruction text ends in the new name, the operand name
// follows, and so does the comment while it is still the default one.
#pragma once

#include <string>

namespace parvix {

class ProgrammingPanel;

// The instruction text with the operand name `from` at its end replaced by
// `to`: the text loses as many characters as `from` has, then gets `to`.
std::string RenamedMnemonic(const std::string& mnemonic, const std::string& from,
                            const std::string& to);

// True when the Comment cell of `row` is the default comment of the row as
// it stands; a comment the user typed (or emptied) is not.
bool HasDefaultComment(ProgrammingPanel& w, int row);

// Gives `row` the operand `name` and the code text `code`. The comment is
// rewritten for the new name only when it was the default comment for the
// old one: a comment of the user's stays.
void ReplaceRowOperand(ProgrammingPanel& w, int row, const std::string& name, std::string code);

}  // namespace parvix
