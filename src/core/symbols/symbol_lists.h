// The strings of the program: labels (16-bit) and variables (8-bit) with their
// equivalents, kept as index-aligned lists in order of creation.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace parvix {

inline const std::string UnassignedLabelEqt = "XXXX";
inline const std::string UnassignedXXEqt = "XX";

// The name rule of labels and variables: not empty, a lower-case letter
// first, then lower-case letters and digits only.
inline bool IsValidName(std::string_view name) {
  if (name.empty() || name[0] < 'a' || name[0] > 'z') return false;
  for (char c : name) {
    if (!((c >= 'a' && c <= 'z') || (c >= '0' && c <= '9'))) return false;
  }
  return true;
}

struct SymbolLists {
  // Labels: entry i of each list describes label i.
  std::vector<std::string> LabelCombo;       // names
  std::vector<std::string> LabelEqtList;     // "1234" or "XXXX"
  std::vector<std::string> LabelUsedList;    // "1"/"0" (derived)
  std::vector<std::string> LabelPlacedList;  // "1"/"0" (derived)
  std::vector<std::string> LabelLineList;    // row as decimal text, "0" (derived)
  // Variables: entry i of each list describes variable i.
  std::vector<std::string> XXCombo;    // names
  std::vector<std::string> XXEqtList;  // "12" or "XX"

  void Clear() {
    LabelCombo.clear();
    LabelEqtList.clear();
    LabelUsedList.clear();
    LabelPlacedList.clear();
    LabelLineList.clear();
    XXCombo.clear();
    XXEqtList.clear();
  }
};

}  // namespace parvix
