// Address assignment: every instruction row gets its address, every placed
// label the address of its row, every label operand its bytes; the checks
// that stop assembling report their compile errors here.
//
// Names are looked up through the symbol lists' hash index and one count of
// the Label cells, so the work grows with the rows plus the names, never rows
// times names.
#include <string_view>
#include <unordered_map>

#include "base/hex_text.h"
#include "editor/programming_panel.h"

namespace parvix {

namespace {

constexpr int kAddressDelayMs = 10;
constexpr int kTopAddress = 0xFFFF;

struct Block {
  int start = 0;
  int last = -1;
  bool hasInstructions = false;
};

}  // namespace

void ProgrammingPanel::AssignAddress_Click() {
  if (!IsIdle(EntryState)) return;
  TipsLabel.text = "Assigning Addresses . . .";
  host.StartTimer(TimerId::AddressTimer, kAddressDelayMs);
}

void ProgrammingPanel::AddressTimer_Timer() { Assign_Address(true); }

void ProgrammingPanel::Assign_Address(bool AddressMessageEnable) {
  host.StopTimer(TimerId::AddressTimer);
  AddressErrorFlag = false;
  OriginList.clear();
  LastAddressList.clear();
  const auto& labels = Symbols.LabelCombo;
  const auto& variables = Symbols.XXCombo;

  auto fail = [this](const std::string& text) {
    MsgBoxAnswer = std::to_string(host.MsgBox(text, kMsgCritical));
    AddressErrorFlag = true;
  };

  // A name used both as label and as variable: the first such label.
  if (AddressMessageEnable && !labels.empty() && !variables.empty()) {
    for (const std::string& name : labels) {
      if (variables.Contains(name)) {
        fail("The string '" + name + "' is used as both label and variable.");
        return;
      }
    }
  }

  // A label placed on more than one row: the first such label.
  if (AddressMessageEnable && !labels.empty()) {
    std::unordered_map<std::string_view, int> placements;
    for (int r = 0; r < Table1.Rows(); ++r) {
      const std::string& cell = Table1.Text(r, kLabelColumn);
      if (!cell.empty()) ++placements[cell];
    }
    for (const std::string& name : labels) {
      auto it = placements.find(name);
      if (it != placements.end() && it->second > 1) {
        fail("Compile error. There is more than one instance of the label '" + name +
             "' in the Label field.");
        return;
      }
    }
  }

  // Address walk, block by block in table order.
  std::vector<Block> blocks;
  int address = 0;
  int length = 0;
  std::string originText;
  for (int r = 0; r < Table1.Rows(); ++r) {
    if (r == 0 || IsOriginRow(r)) {
      if (!blocks.empty()) {
        blocks.back().last = address + length - 1;
      }
      const std::string& start = Table1.Text(r, kAddressColumn);
      OriginList.push_back(start);
      address = ParseHex(start).value_or(0);
      length = 0;
      originText = HexAtLeast4(address);
      blocks.push_back({address, address - 1, false});
      continue;
    }
    if (Table1.Text(r, kMnemonicColumn).empty()) continue;
    address += length;
    if (address > kTopAddress) {
      fail("Compile error. Invalid address in origin " + originText + "h.");
      NextLine(r);
      return;
    }
    const std::string addressText = HexAtLeast4(address);
    Table1.SetText(r, kAddressColumn, addressText);
    blocks.back().hasInstructions = true;
    const std::string& label = Table1.Text(r, kLabelColumn);
    // The first label of that name gets the address of its row.
    if (const int index = Symbols.LabelIndex(label); !label.empty() && index >= 0) {
      Symbols.LabelEqtList[index] = addressText;
    }
    if (const int rowLength = CodeLength(Table1.Text(r, kOpcodeColumn)); rowLength != 0) {
      length = rowLength;
    }
  }
  if (!blocks.empty()) blocks.back().last = address + length - 1;
  // A block without instruction rows has no last address; its entry stays
  // empty so that the lists keep their alignment, and no overlap involves it.
  for (const Block& block : blocks) {
    LastAddressList.push_back(block.hasInstructions ? HexAtLeast4(block.last) : std::string());
  }

  // Label operands: the opcode, then the label's low and high byte.
  if (!labels.empty()) {
    for (int r = 1; r < Table1.Rows(); ++r) {
      const std::string& operand = StringTable.Text(r, 0);
      if (operand.empty()) continue;
      const int index = Symbols.LabelIndex(operand);
      if (index < 0) continue;
      // Only a three-byte instruction carries a 16-bit operand: a name that is
      // also a variable (a file can bring one in) must not widen "3E   05".
      if (!UsesLabel(Table1.Text(r, kOpcodeColumn))) continue;
      const std::string opcode = Table1.Text(r, kOpcodeColumn).substr(0, 2);
      Table1.SetText(r, kOpcodeColumn, opcode + Symbols.LabelOperandBytes(index));
    }
  }

  // Without messages (the print run) no overlap check and no state change.
  if (!AddressMessageEnable) return;

  if (blocks.size() >= 2) {
    for (size_t i = 0; i < blocks.size() && !AddressErrorFlag; ++i) {
      if (!blocks[i].hasInstructions) continue;
      for (size_t j = i + 1; j < blocks.size(); ++j) {
        if (!blocks[j].hasInstructions) continue;
        const Block& a = blocks[i];
        const Block& b = blocks[j];
        auto within = [](int value, const Block& block) {
          return value >= block.start && value <= block.last;
        };
        if (within(a.start, b) || within(a.last, b) || within(b.start, a) || within(b.last, a)) {
          fail("Address overlap in origins " + OriginList[i] + "h and " + OriginList[j] + "h.");
          break;
        }
      }
    }
    NextLine(1);
  }
  ControlTransfer(IdleState());
}

}  // namespace parvix
