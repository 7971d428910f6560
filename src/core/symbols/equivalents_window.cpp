#include "symbols/equivalents_window.h"

#include <algorithm>

#include "base/hex_text.h"
#include "editor/programming_panel.h"

namespace parvix {

namespace {

constexpr int kFocusDelayMs = 20;
constexpr const char* kHexDigits = "0123456789ABCDEF";

// The key a typed character presses on a 16-key hex keypad, or -1.
int HexKeyOf(int KeyAscii) {
  return KeyAscii > 0 && KeyAscii < 128 ? HexDigitValue(static_cast<char>(KeyAscii)) : -1;
}

// The heading row and one row per name with its value as Current and New.
void FillTable(Grid& table, const std::array<std::string, 3>& headings, const NameList& names,
               const std::vector<std::string>& values, const std::string& unassigned) {
  std::vector<std::vector<Cell>> rows;
  rows.reserve(names.size() + 1);
  rows.push_back({Cell{headings[0]}, Cell{headings[1]}, Cell{headings[2]}});
  for (size_t i = 0; i < names.size(); ++i) {
    const std::string& value = i < values.size() ? values[i] : unassigned;
    rows.push_back({Cell{names[i]}, Cell{value}, Cell{value}});
  }
  table.Reset(std::move(rows));
  table.row = table.col = 0;
}

}  // namespace

void PatchCodeTexts(Grid& table, const Grid& operands, const EqtChanges& labels,
                    const EqtChanges& variables) {
  if (labels.empty() && variables.empty()) return;
  for (int r = 1; r < table.Rows(); ++r) {
    const std::string& operand = operands.Text(r, 0);
    if (operand.empty()) continue;
    const std::string& code = table.Text(r, kOpcodeColumn);
    if (UsesLabel(code)) {
      auto it = labels.find(operand);
      if (it == labels.end()) continue;
      table.SetText(r, kOpcodeColumn, code.substr(0, 2) + OperandBytes16(it->second));
    } else if (UsesVariable(code)) {
      auto it = variables.find(operand);
      if (it == variables.end()) continue;
      table.SetText(r, kOpcodeColumn, code.substr(0, 2) + OperandBytes8(it->second));
    }
  }
}

RenumberDialog::RenumberDialog(ProgrammingPanel& w) : w_(w) {
  LabelsOption.text = "&Labels.";
  VariablesOption.text = "&Variables.";
  LabelFrame.text = "Labels";
  VariableFrame.text = "Variables";
  VariableFrame.visible = false;
  EqtBox.enabled = XXBox.enabled = false;
  EqtAcceptButton.enabled = XXAcceptButton.enabled = false;
  EqtAcceptButton.text = "&Accept";
  XXAcceptButton.text = "&Accept";
  DoneButton.text = "Done";
  for (int i = 0; i < kKeyCount; ++i) NUM[i].text = std::string(1, kHexDigits[i % 16]);
}

RenumberDialog::Side RenumberDialog::Labels() {
  return {LabelTable,        LabelLabel,          EqtLabel, EqtBox, EqtAcceptButton, LabelTargetRow,
          "EqtAcceptButton", TimerId::DelayTimer, 4};
}

RenumberDialog::Side RenumberDialog::Variables() {
  return {VariableTable,    VariableLabel,         XXLabel, XXBox, XXAcceptButton, XXTargetRow,
          "XXAcceptButton", TimerId::XXDelayTimer, 2};
}

void RenumberDialog::EqtOption_Click() {
  if (!IsIdle(w_.EntryState) || loaded) return;
  if (w_.Symbols.LabelCombo.empty() && w_.Symbols.XXCombo.empty()) {
    w_.MsgBoxAnswer = std::to_string(w_.host.MsgBox("No strings available.", kMsgInformation));
    return;
  }
  // The program counts as changed as soon as the window opens.
  w_.ProgramChanged = true;
  Form_Load();
  w_.host.ShowWindow(WindowId::Equivalents);
}

void RenumberDialog::Form_Load() {
  const SymbolLists& s = w_.Symbols;
  loaded = true;
  FillTable(LabelTable, HeadList, s.LabelCombo, s.LabelEqtList, UnassignedLabelEqt);
  FillTable(VariableTable, VarHeadList, s.XXCombo, s.XXEqtList, UnassignedXXEqt);
  for (Side side : {Labels(), Variables()}) {
    side.name.text.clear();
    side.value.text = std::string(side.digits, '0');
    side.keypad.enabled = false;
    side.accept.enabled = false;
    side.target = 0;
  }
  for (Control& key : NUM) key.enabled = false;
  DefaultButton.clear();
  LabelsOption.enabled = true;
  VariablesOption.enabled = !s.XXCombo.empty();
  LabelsOption_Click();
  if (s.LabelCombo.empty()) {
    LabelsOption.enabled = false;
    VariablesOption_Click();
  }
}

void RenumberDialog::Unload() {
  loaded = false;
  w_.host.StopTimer(TimerId::DelayTimer);
  w_.host.StopTimer(TimerId::XXDelayTimer);
  w_.host.CloseWindow(WindowId::Equivalents);
}

void RenumberDialog::Form_Unload() {
  if (loaded) Unload();
}

void RenumberDialog::LabelsOption_Click() {
  if (!LabelsOption.enabled) return;
  VariableFrame.visible = false;
  LabelFrame.visible = true;
  VariablesOption.checked = false;
  LabelsOption.checked = true;
}

void RenumberDialog::VariablesOption_Click() {
  if (!VariablesOption.enabled) return;
  LabelFrame.visible = false;
  VariableFrame.visible = true;
  LabelsOption.checked = false;
  VariablesOption.checked = true;
}

void RenumberDialog::Pick(Side side, int row, int col) {
  // Only the name picks; the heading row and the value columns never move
  // the row that Accept writes to.
  if (!loaded || col != 0 || row < 1 || row >= side.table.Rows()) return;
  side.table.row = row;
  side.table.col = col;
  side.target = row;
  side.name.text = side.table.Text(row, 0);
  side.keypad.enabled = true;
  const int first = side.digits == 4 ? 0 : 16;
  for (int i = first; i < first + 16; ++i) NUM[i].enabled = true;
  side.accept.enabled = true;
  DefaultButton = side.acceptName;
  side.value.text = std::string(side.digits, '0');
  w_.host.StartTimer(side.timer, kFocusDelayMs);
}

void RenumberDialog::LabelTable_Click(int row, int col) { Pick(Labels(), row, col); }
void RenumberDialog::VariableTable_Click(int row, int col) { Pick(Variables(), row, col); }

void RenumberDialog::Key(Side side, const std::string& digit) {
  if (!side.keypad.enabled) return;
  // The digit shifts in from the right; the leftmost one drops out.
  side.value.text = (side.value.text + digit).substr(1, side.digits);
  Focus.Set(side.acceptName);
}

void RenumberDialog::NUM_Click(int Index) {
  if (!loaded || Index < 0 || Index >= kKeyCount) return;
  Key(Index < 16 ? Labels() : Variables(), NUM[Index].text);
}

void RenumberDialog::EqtAcceptButton_KeyPress(int KeyAscii) {
  const int key = HexKeyOf(KeyAscii);
  if (key >= 0) NUM_Click(key);
}

void RenumberDialog::XXAcceptButton_KeyPress(int KeyAscii) {
  const int key = HexKeyOf(KeyAscii);
  if (key >= 0) NUM_Click(key + 16);
}

void RenumberDialog::Accept(Side side) {
  if (!loaded || !side.accept.enabled || side.target < 1) return;
  side.table.SetText(side.target, 2, side.value.text);
  side.keypad.enabled = false;
  const int first = side.digits == 4 ? 0 : 16;
  for (int i = first; i < first + 16; ++i) NUM[i].enabled = false;
  side.accept.enabled = false;
}

void RenumberDialog::EqtAcceptButton_Click() { Accept(Labels()); }
void RenumberDialog::XXAcceptButton_Click() { Accept(Variables()); }

void RenumberDialog::FocusTimer(Side side) {
  w_.host.StopTimer(side.timer);
  if (loaded && side.accept.enabled) Focus.Set(side.acceptName);
}

void RenumberDialog::DelayTimer_Timer() { FocusTimer(Labels()); }
void RenumberDialog::XXDelayTimer_Timer() { FocusTimer(Variables()); }

void RenumberDialog::DoneButton_Click() {
  if (!loaded) return;
  SymbolLists& s = w_.Symbols;
  EqtChanges labels;
  const size_t labelCount = std::min(s.LabelEqtList.size(), s.LabelCombo.size());
  for (int r = 1; r < LabelTable.Rows() && static_cast<size_t>(r - 1) < labelCount; ++r) {
    const std::string& value = LabelTable.Text(r, 2);
    if (value == s.LabelEqtList[r - 1]) continue;
    s.LabelEqtList[r - 1] = value;
    labels[s.LabelCombo[r - 1]] = value;
  }
  EqtChanges variables;
  for (int r = 1; r < VariableTable.Rows() && static_cast<size_t>(r - 1) < s.XXEqtList.size();
       ++r) {
    const std::string& value = VariableTable.Text(r, 2);
    if (value == VariableTable.Text(r, 1)) continue;
    s.XXEqtList[r - 1] = value;
    variables[VariableTable.Text(r, 0)] = value;
  }
  // All changed names at once: one walk of the program table.
  PatchCodeTexts(w_.Table1, w_.StringTable, labels, variables);
  Unload();
}

}  // namespace parvix
