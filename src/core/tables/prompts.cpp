#include "tables/prompts.h"

#include <array>

namespace parvix {

namespace {
// Item n is the prompt of entry state n. The prompt of state 25 lacks the
// opening quote before Accept; it is shown as stored.
const std::array<std::string, kTipsListCount> kTipsList = {
    "",
    "Program Mode.",
    "Enter 8-bit number and click 'Accept'.",
    "Select Register or Memory.",
    "Enter Label and click 'Accept'.",
    "Select Register Pair.",
    "Enter 16-bit number and click 'Accept'.",
    "Select Register Pair.",
    "Enter 16-bit number and click 'Accept'.",
    "Select Register or Memory (Destination).",
    "Select Register or Memory (Source).",
    "Select Register Pair.",
    "Select Number.",
    "Select Register Pair.",
    "Select Register or Memory.",
    "Enter 8-bit number and click 'Accept'.",
    "Select Row, Enter Label and Click 'Place'; or Click 'Cancel'.",
    "Select Row, Enter Label and Click 'Place'; or Click 'Cancel'.",
    "Select Row to Reposition Cursor; or Press 'Esc'.",
    "Select Row, Enter Comments and Click 'Done', or Click 'Cancel'.",
    "Select Row, Enter Comments and Click 'Done', or Click 'Cancel'.",
    "Edit the program using 'Cut', 'Copy', 'Paste', 'Delete'.",
    "Select a Label from list and Click 'Find', or Click 'Done' to close.",
    "Select Labels from table, Enter Label and Click 'Replace'; or Click 'Cancel'.",
    "Select Labels from table, Enter Label and Click 'Replace'; or Click 'Cancel'.",
    "Enter starting address of the Origin and Click Accept', or press 'Esc' to quit.",
    "Enter Label, and Click 'Equivalent' to assign Equivalent Address.",
    "Enter Equivalent Address and Click 'Accept'.",
    "Enter starting address of the Origin and Click 'Accept', or press 'Esc' to quit.",
    "Data Mode.",
    "Click on Labels to Delete, and Press 'Esc' when done.",
    "Press 'Esc' to quit deleting labels.",
    "Select a Variable from list and Click 'Find', or Click 'Done' to close.",
};
const std::string kEmpty;
}  // namespace

const std::string& TipsListItem(int state) {
  if (state < 1 || state >= kTipsListCount) return kEmpty;
  return kTipsList[state];
}

}  // namespace parvix
