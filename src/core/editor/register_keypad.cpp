#include "editor/register_keypad.h"

#include <cctype>
#include <initializer_list>
#include <string_view>

#include "editor/entry_states.h"
#include "editor/programming_panel.h"
#include "tables/instruction_keys.h"

namespace parvix {

namespace {

// The opcode bits a pair key adds: B 00h, D 10h, H 20h, and SP or PSW 30h.
int PairBits(int Index) {
  switch (Index) {
    case kRegD:
      return 0x10;
    case kRegH:
      return 0x20;
    case kRegSP:
    case kRegPSW:
      return 0x30;
    default:
      return 0;
  }
}

// The register key a typed letter (either case) stands for, or -1.
int RegisterForLetter(char KeyAscii) {
  // By register code: B C D E H L M A, then S for SP and P for PSW.
  constexpr std::string_view kLetters = "BCDEHLMASP";
  const auto at =
      kLetters.find(static_cast<char>(std::toupper(static_cast<unsigned char>(KeyAscii))));
  return at == std::string_view::npos ? -1 : static_cast<int>(at);
}

}  // namespace

RegisterKeypad::RegisterKeypad(ProgrammingPanel& w) : w_(w) {
  RegisterBox.visible = false;
  for (int i = 0; i < 10; ++i) REG[i].text = std::string(kRegisterCaptions[i]);
}

void RegisterKeypad::RegisterStatus(bool Status) {
  if (!Status) {
    RegisterBox.visible = false;
    return;
  }
  for (auto& key : REG) key.enabled = false;
  RegisterBox.visible = true;
  auto enable = [this](std::initializer_list<int> keys) {
    for (int k : keys) REG[k].enabled = true;
  };
  switch (w_.EntryState) {
    case RegisterState:
    case MovDestState:
    case MviRegisterState:
      enable({kRegB, kRegC, kRegD, kRegE, kRegH, kRegL, kRegM, kRegA});
      break;
    case MovSourceState:
      enable({kRegB, kRegC, kRegD, kRegE, kRegH, kRegL, kRegM, kRegA});
      // MOV M, M would be 76h, which is HLT.
      if (w_.CurrentOpcode == 0x70) REG[kRegM].enabled = false;
      break;
    case PairState:
    case LxiPairState:
      enable({kRegB, kRegD, kRegH, kRegSP});
      break;
    case StackPairState:
      enable({kRegB, kRegD, kRegH, kRegPSW});
      break;
    case LdaxPairState:
      enable({kRegB, kRegD});
      break;
    default:
      break;
  }
  w_.Focus.Set("RegisterBox");
}

void RegisterKeypad::REG_Click(int Index) {
  if (Index < 0 || Index >= 10 || !REG[Index].enabled) return;
  const int state = w_.EntryState;
  bool completes = false;
  bool awaitsMore = false;
  switch (state) {
    case RegisterState:
    case PairState:
    case MovSourceState:
    case StackPairState:
    case LdaxPairState:
      completes = true;
      break;
    case LxiPairState:
    case MovDestState:
    case MviRegisterState:
      awaitsMore = true;
      break;
    default:
      return;  // the register keys mean nothing in this state
  }

  // The line's text: "ADD  B", or "MOV  B," while a further operand follows.
  const int row = w_.CursorRow;
  std::string text = w_.Table1.Text(row, kMnemonicColumn) + "  " + REG[Index].text;
  if (awaitsMore) text += ",";
  w_.Table1.SetText(row, kMnemonicColumn, std::move(text));

  // The register's code in the opcode.
  int& op = w_.CurrentOpcode;
  switch (state) {
    case RegisterState:
      // INR and DCR carry the register in bits 3-5, the others in bits 0-2.
      op += (op == 0x04 || op == 0x05) ? 8 * Index : Index;
      break;
    case PairState:
    case LxiPairState:
    case StackPairState:
      op += PairBits(Index);
      break;
    case MovDestState:
    case LdaxPairState:
    case MviRegisterState:
      op += 8 * Index;
      break;
    case MovSourceState:
      op += Index;
      break;
    default:
      break;
  }

  if (completes) {
    w_.CompleteLine();
  } else if (state == MovDestState) {
    w_.ControlTransfer(MovSourceState);
  } else {
    // LXI and MVI go on to the name of their operand.
    RegisterStatus(false);
    w_.DisplayOpcode(row);
    w_.ControlTransfer(state + 1);
  }
}

void RegisterKeypad::REG_MouseMove(int Index) {
  if (Index < 0 || Index >= 10 || !REG[Index].enabled) return;
  RegisterLabel.text = REG[Index].text;
}

void RegisterKeypad::RegisterBox_KeyPress(char KeyAscii) {
  const int Index = RegisterForLetter(KeyAscii);
  if (Index >= 0 && REG[Index].enabled) REG_Click(Index);
}

}  // namespace parvix
