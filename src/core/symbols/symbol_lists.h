// The strings of the program: labels (16-bit) and variables (8-bit) with their
// equivalents, kept as index-aligned lists in order of creation.
//
// Entry i of LabelCombo, LabelEqtList, LabelUsedList, LabelPlacedList and
// LabelLineList describes label i; entry i of XXCombo and XXEqtList describes
// variable i. The two name lists carry a hash index, so finding a name is one
// lookup however many strings there are. Labels and variables share one name
// space: FindString and NameInUse look in both.
//
// Every caller that creates, removes or renames strings uses the members of
// SymbolLists (AddLabel, AddVariable, RemoveLabels, RenameLabel, ...), which
// keep the lists of a kind aligned. The equivalent and derived lists are
// plain vectors of text that callers write in place (the equivalents window,
// address assignment); UpdateLabels (ProgrammingPanel) writes the derived ones.
#pragma once

#include <cstdint>
#include <functional>
#include <initializer_list>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "base/hex_text.h"

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

// The equivalents the program keeps: a label's four hex digits or "XXXX", a
// variable's two or "XX". Digits of either case: older versions took them
// from a disassembled hex file as they stood in it.
inline bool IsLabelEquivalent(std::string_view eqt) {
  return eqt == UnassignedLabelEqt || IsHexDigits(eqt, 4);
}
inline bool IsVariableEquivalent(std::string_view eqt) {
  return eqt == UnassignedXXEqt || IsHexDigits(eqt, 2);
}

// Names the system makes up itself: "a" & n for labels, "v" & n for variables.
inline std::string GeneratedLabelName(int number) { return "a" + std::to_string(number); }
inline std::string GeneratedXXName(int number) { return "v" + std::to_string(number); }

// An ordered list of names with a hash index beside it. It reads like a
// vector of text; it changes only through the members below, which keep the
// index and the revision number current.
class NameList {
 public:
  NameList() = default;
  NameList(std::initializer_list<std::string> names) { Assign(std::vector<std::string>(names)); }
  NameList& operator=(std::initializer_list<std::string> names) {
    Assign(std::vector<std::string>(names));
    return *this;
  }
  NameList& operator=(std::vector<std::string> names) {
    Assign(std::move(names));
    return *this;
  }

  size_t size() const { return names_.size(); }
  bool empty() const { return names_.empty(); }
  const std::string& operator[](size_t i) const { return names_[i]; }
  auto begin() const { return names_.begin(); }
  auto end() const { return names_.end(); }
  const std::vector<std::string>& Items() const { return names_; }

  // The index of the first entry with exactly this name, or -1.
  int IndexOf(std::string_view name) const;
  bool Contains(std::string_view name) const { return IndexOf(name) >= 0; }

  void push_back(std::string name);
  // Gives entry `index` another name; an index out of range changes nothing.
  void Rename(int index, std::string name);
  // Removes the entries whose flag is set (flags beyond the end count as clear).
  void RemoveFlagged(const std::vector<bool>& remove);
  void clear();

  // Changes with every change of the entries, and never repeats, not even
  // across lists: a view that shows the names redraws them only when the
  // number differs from the one it last drew. Never 0.
  std::uint64_t revision() const { return revision_; }

 private:
  struct Hash {
    using is_transparent = void;
    size_t operator()(std::string_view text) const { return std::hash<std::string_view>{}(text); }
  };

  void Assign(std::vector<std::string> names);
  void Reindex();
  void Touch();

  std::vector<std::string> names_;
  // Name -> index of its first entry. Several entries with one name can only
  // come from a damaged file; the index then names the first, as a scan would.
  std::unordered_map<std::string, int, Hash, std::equal_to<>> index_;
  std::uint64_t revision_ = NextRevision();

  static std::uint64_t NextRevision();
};

enum class StringKind { None, Label, Variable };

// Where a name stands: its kind and its index in the lists of that kind.
struct StringRef {
  StringKind kind = StringKind::None;
  int index = -1;
  explicit operator bool() const { return kind != StringKind::None; }
};

struct SymbolLists {
  // Labels: entry i of each list describes label i.
  NameList LabelCombo;                       // names
  std::vector<std::string> LabelEqtList;     // "1234" or "XXXX"
  std::vector<std::string> LabelUsedList;    // "1"/"0" (derived)
  std::vector<std::string> LabelPlacedList;  // "1"/"0" (derived)
  std::vector<std::string> LabelLineList;    // row as decimal text, "0" (derived)
  // Variables: entry i of each list describes variable i.
  NameList XXCombo;                    // names
  std::vector<std::string> XXEqtList;  // "12" or "XX"

  // ---- Finding names (one hash lookup each) ----
  int LabelIndex(std::string_view name) const { return LabelCombo.IndexOf(name); }
  int XXIndex(std::string_view name) const { return XXCombo.IndexOf(name); }
  // The string of this name: the variables are looked at first, then the labels.
  StringRef FindString(std::string_view name) const;
  // True when a label or a variable has this name: a new string may not take it.
  bool NameInUse(std::string_view name) const { return static_cast<bool>(FindString(name)); }

  // ---- Creating strings ----
  // Appends a label to LabelCombo and LabelEqtList and returns its index. Its
  // used, placed and line entries follow at the next UpdateLabels.
  int AddLabel(std::string name, std::string eqt = UnassignedLabelEqt);
  // Appends a label with all five entries at once (a label placed, or pasted).
  int AddLabel(std::string name, std::string eqt, bool used, bool placed, int line);
  // Appends a variable to XXCombo and XXEqtList and returns its index.
  int AddVariable(std::string name, std::string eqt = UnassignedXXEqt);

  // ---- Changing strings ----
  void RenameLabel(int index, std::string name) { LabelCombo.Rename(index, std::move(name)); }
  void RenameVariable(int index, std::string name) { XXCombo.Rename(index, std::move(name)); }
  // Removes labels from all five lists at the same indexes (entry i goes when
  // remove[i] is set), in one pass however many go.
  void RemoveLabels(const std::vector<bool>& remove);
  void RemoveVariables(const std::vector<bool>& remove);
  void RemoveLabel(int index);
  void RemoveVariable(int index);
  void Clear();

  // ---- Operand bytes ----
  // What a 16-bit operand appends to a code text: three blanks, the low byte,
  // three blanks, the high byte of label `index`'s equivalent ("   XX   XX"
  // while it has none).
  std::string LabelOperandBytes(int index) const;
  // What an 8-bit operand appends: three blanks and the variable's value.
  std::string XXOperandBytes(int index) const;

  // The first n from `from` on for which the generated label (or variable)
  // name is taken by no string of either kind.
  int FreeLabelNumber(int from) const;
  int FreeXXNumber(int from) const;
};

}  // namespace parvix
