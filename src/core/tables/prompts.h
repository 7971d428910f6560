// The prompts of the entry states, shown in the tips line.
#pragma once

#include <string>

namespace parvix {

// The tips-line prompt of entry state `state` (1 to 32); empty for states
// 33 to 35 and anything out of range.
const std::string& TipsListItem(int state);

// Number of items of the prompt list (item 0 is empty).
constexpr int kTipsListCount = 33;

}  // namespace parvix
