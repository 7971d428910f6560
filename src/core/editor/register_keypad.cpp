#include "editor/register_keypad.h"

#include <cctype>
#include <optional>
#include <string_view>
#include <vector>

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

// What a register key adds to the opcode: its code in bits 0-2 or 3-5.
int LowBits(int Index) { return Index; }
int MiddleBits(int Index) { return 8 * Index; }

// How the register keypad serves an entry state: the keys it offers, what
// the key pressed adds to the opcode, and the state that takes the next
// operand (none: the key completes the line).
struct RegisterUse {
  std::vector<int> keys;
  int (*code)(int Index);
  std::optional<EntryStates> next;
};

// The keypad's use in a state, for the opcode under construction; none in
// the states where the register keys mean nothing.
std::optional<RegisterUse> RegisterUseIn(EntryStates state, int opcode) {
  const std::vector<int> registers = {kRegB, kRegC, kRegD, kRegE, kRegH, kRegL, kRegM, kRegA};
  switch (state) {
    case RegisterState:
      // INR and DCR carry the register in bits 3-5, the others in bits 0-2.
      return RegisterUse{registers, opcode == 0x04 || opcode == 0x05 ? MiddleBits : LowBits, {}};
    case MovDestState:
      return RegisterUse{registers, MiddleBits, MovSourceState};
    case MovSourceState: {
      RegisterUse use{registers, LowBits, {}};
      // MOV M, M would be 76h, which is HLT.
      if (opcode == 0x70) std::erase(use.keys, kRegM);
      return use;
    }
    case MviRegisterState:
      return RegisterUse{registers, MiddleBits, MviByteState};
    case PairState:
      return RegisterUse{{kRegB, kRegD, kRegH, kRegSP}, PairBits, {}};
    case LxiPairState:
      return RegisterUse{{kRegB, kRegD, kRegH, kRegSP}, PairBits, LxiLabelState};
    case StackPairState:
      return RegisterUse{{kRegB, kRegD, kRegH, kRegPSW}, PairBits, {}};
    case LdaxPairState:
      return RegisterUse{{kRegB, kRegD}, MiddleBits, {}};
    // clang-format off
    case ProgramState: case ByteState: case LabelState: case WordState: case LxiLabelState:
    case RstState: case MviByteState: case PlaceState: case PlaceRowState: case RepositionState:
    case CommentState: case CommentRowState: case EditState: case FindLabelState:
    case ReplaceLabelState: case ReplaceLabelRowState: case EditOriginState: case EquivalentState:
    case EquivalentAddressState: case NewOriginState: case DataState: case LabelDeleteState:
    case DeleteLabelsState: case FindVariableState: case ReplaceVariableState:
    case ReplaceVariableRowState: case PrintCommentState:
      // clang-format on
      break;
  }
  return std::nullopt;
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
  if (const auto use = RegisterUseIn(w_.EntryState, w_.CurrentOpcode)) {
    for (int k : use->keys) REG[k].enabled = true;
  }
  w_.Focus.Set("RegisterBox");
}

void RegisterKeypad::REG_Click(int Index) {
  if (Index < 0 || Index >= 10 || !REG[Index].enabled) return;
  const auto use = RegisterUseIn(w_.EntryState, w_.CurrentOpcode);
  if (!use) return;  // the register keys mean nothing in this state

  // The line's text: "ADD  B", or "MOV  B," while a further operand follows.
  const int row = w_.CursorRow;
  std::string text = w_.Table1.Text(row, kMnemonicColumn) + "  " + REG[Index].text;
  if (use->next) text += ",";
  w_.Table1.SetText(row, kMnemonicColumn, std::move(text));
  w_.CurrentOpcode += use->code(Index);

  if (!use->next) {
    w_.CompleteLine();
  } else if (*use->next == MovSourceState) {
    w_.ControlTransfer(MovSourceState);
  } else {
    // LXI and MVI go on to the name of their operand.
    RegisterStatus(false);
    w_.DisplayOpcode(row);
    w_.ControlTransfer(*use->next);
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
