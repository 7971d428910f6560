#include "symbols/symbol_lists.h"

#include <algorithm>

#include "editor/program_table.h"

namespace parvix {

// ---- NameList ----------------------------------------------------------------------------

std::uint64_t NameList::NextRevision() {
  static std::uint64_t last = 0;
  return ++last;
}

void NameList::Touch() { revision_ = NextRevision(); }

void NameList::Reindex() {
  index_.clear();
  index_.reserve(names_.size());
  for (size_t i = 0; i < names_.size(); ++i) index_.emplace(names_[i], static_cast<int>(i));
}

void NameList::Assign(std::vector<std::string> names) {
  names_ = std::move(names);
  Reindex();
  Touch();
}

int NameList::IndexOf(std::string_view name) const {
  auto it = index_.find(name);
  return it != index_.end() ? it->second : -1;
}

void NameList::push_back(std::string name) {
  index_.emplace(name, static_cast<int>(names_.size()));  // keeps an earlier entry's index
  names_.push_back(std::move(name));
  Touch();
}

void NameList::Rename(int index, std::string name) {
  if (index < 0 || index >= static_cast<int>(names_.size())) return;
  if (names_[index] == name) return;
  const std::string old = std::move(names_[index]);
  names_[index] = std::move(name);
  auto it = index_.find(old);
  if (it != index_.end() && it->second == index) {
    // Another entry may carry the old name too (a damaged file): it takes over.
    index_.erase(it);
    auto other = std::find(names_.begin() + index + 1, names_.end(), old);
    if (other != names_.end()) index_.emplace(old, static_cast<int>(other - names_.begin()));
  }
  auto now = index_.find(names_[index]);
  if (now == index_.end()) {
    index_.emplace(names_[index], index);
  } else if (now->second > index) {
    now->second = index;
  }
  Touch();
}

void NameList::RemoveFlagged(const std::vector<bool>& remove) {
  size_t kept = 0;
  for (size_t i = 0; i < names_.size(); ++i) {
    if (i < remove.size() && remove[i]) continue;
    if (kept != i) names_[kept] = std::move(names_[i]);
    ++kept;
  }
  if (kept == names_.size()) return;
  names_.resize(kept);
  Reindex();
  Touch();
}

void NameList::clear() {
  names_.clear();
  index_.clear();
  Touch();
}

// ---- SymbolLists -----------------------------------------------------------------------

namespace {

// Drops entry i of `list` where remove[i] is set; entries past the end of
// `list` (derived entries not yet written) are simply absent.
void RemoveFlaggedEntries(std::vector<std::string>& list, const std::vector<bool>& remove) {
  size_t kept = 0;
  for (size_t i = 0; i < list.size(); ++i) {
    if (i < remove.size() && remove[i]) continue;
    if (kept != i) list[kept] = std::move(list[i]);
    ++kept;
  }
  list.resize(kept);
}

std::vector<bool> OneFlag(int index, size_t size) {
  std::vector<bool> remove(size, false);
  if (index >= 0 && static_cast<size_t>(index) < size) remove[index] = true;
  return remove;
}

}  // namespace

StringRef SymbolLists::FindString(std::string_view name) const {
  if (int i = XXCombo.IndexOf(name); i >= 0) return {StringKind::Variable, i};
  if (int i = LabelCombo.IndexOf(name); i >= 0) return {StringKind::Label, i};
  return {};
}

int SymbolLists::AddLabel(std::string name, std::string eqt) {
  LabelCombo.push_back(std::move(name));
  LabelEqtList.push_back(std::move(eqt));
  return static_cast<int>(LabelCombo.size()) - 1;
}

int SymbolLists::AddLabel(std::string name, std::string eqt, bool used, bool placed, int line) {
  // Earlier labels still waiting for UpdateLabels get neutral entries first,
  // so that the new entries land at the new label's index.
  const size_t index = LabelCombo.size();
  for (auto* list : {&LabelUsedList, &LabelPlacedList, &LabelLineList}) list->resize(index, "0");
  AddLabel(std::move(name), std::move(eqt));
  LabelUsedList.push_back(used ? "1" : "0");
  LabelPlacedList.push_back(placed ? "1" : "0");
  LabelLineList.push_back(std::to_string(placed ? line : 0));
  return static_cast<int>(index);
}

int SymbolLists::AddVariable(std::string name, std::string eqt) {
  XXCombo.push_back(std::move(name));
  XXEqtList.push_back(std::move(eqt));
  return static_cast<int>(XXCombo.size()) - 1;
}

void SymbolLists::RemoveLabels(const std::vector<bool>& remove) {
  LabelCombo.RemoveFlagged(remove);
  for (auto* list : {&LabelEqtList, &LabelUsedList, &LabelPlacedList, &LabelLineList}) {
    RemoveFlaggedEntries(*list, remove);
  }
}

void SymbolLists::RemoveVariables(const std::vector<bool>& remove) {
  XXCombo.RemoveFlagged(remove);
  RemoveFlaggedEntries(XXEqtList, remove);
}

void SymbolLists::RemoveLabel(int index) { RemoveLabels(OneFlag(index, LabelCombo.size())); }

void SymbolLists::RemoveVariable(int index) { RemoveVariables(OneFlag(index, XXCombo.size())); }

void SymbolLists::Clear() {
  LabelCombo.clear();
  LabelEqtList.clear();
  LabelUsedList.clear();
  LabelPlacedList.clear();
  LabelLineList.clear();
  XXCombo.clear();
  XXEqtList.clear();
}

std::string SymbolLists::LabelOperandBytes(int index) const {
  const std::string& eqt =
      index >= 0 && static_cast<size_t>(index) < LabelEqtList.size() ? LabelEqtList[index]
                                                                      : UnassignedLabelEqt;
  return OperandBytes16(eqt);
}

std::string SymbolLists::XXOperandBytes(int index) const {
  const std::string& eqt =
      index >= 0 && static_cast<size_t>(index) < XXEqtList.size() ? XXEqtList[index]
                                                                 : UnassignedXXEqt;
  return OperandBytes8(eqt);
}

int SymbolLists::FreeLabelNumber(int from) const {
  int n = from;
  while (NameInUse(GeneratedLabelName(n))) ++n;
  return n;
}

int SymbolLists::FreeXXNumber(int from) const {
  int n = from;
  while (NameInUse(GeneratedXXName(n))) ++n;
  return n;
}

}  // namespace parvix
