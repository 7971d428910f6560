#include "symbols/xx_panel.h"

#include "editor/programming_panel.h"
#include "symbols/operand_entry.h"

namespace parvix {

namespace {
const char* const kNoVariables = "No variables used in program.";
}  // namespace

XXPanel::XXPanel(ProgrammingPanel& w) : w_(w) {
  XXBox.visible = false;
  ExistingXXOption.text = "Existing:";
  NewXXOption.text = "New:";
  NewXXOption.checked = true;
  XXAcceptButton.text = "Accept";
  XXAcceptButton.enabled = false;
  XXFindButton.text = "&Find";
  XXReplaceButton.text = "&Replace";
  XXDoneButton.text = "Done";
}

void XXPanel::SyncXXCombo() { SyncNameCombo(XXCombo, w_.Symbols.XXCombo); }

bool XXPanel::MarkVariableRows() {
  if (w_.Symbols.XXCombo.empty()) return false;
  bool marked = false;
  for (int r = 0; r < w_.Table1.Rows(); ++r) {
    if (!w_.StringTable.Text(r, 0).empty() && UsesVariable(w_.Table1.Text(r, kOpcodeColumn))) {
      w_.Table1.SetColors(r, kMnemonicColumn, kRed, kWhite);
      marked = true;
    }
  }
  return marked;
}

void XXPanel::XXStatus(bool Status) {
  if (!Status) {
    XXBox.visible = false;
    return;
  }
  SyncXXCombo();
  const EntryStates state = w_.EntryState;
  if (state == ReplaceVariableState) {
    w_.TipsLabel.text = "Searching for variables . . .";
    if (!MarkVariableRows()) {
      w_.host.MsgBox(kNoVariables, kMsgInformation);
      w_.ControlTransfer(w_.IdleState());
      return;
    }
  }

  ExistingXXOption.enabled = false;
  NewXXOption.enabled = false;
  XXText.enabled = false;
  XXAcceptButton.visible = false;
  XXFindButton.visible = false;
  XXDoneButton.visible = false;
  XXReplaceButton.visible = false;

  if (state == ByteState || state == MviByteState || state == ReplaceVariableState) {
    if (!XXCombo.items.empty()) {
      ExistingXXOption.enabled = true;
      XXCombo.listIndex = 0;
    }
    XXCombo.enabled = false;
    XXCombo.back = kButtonFace;
    NewXXOption.enabled = true;
    NewXXOption_Click();
    XXText.text.clear();
    XXText.back = kWhite;
    XXText.enabled = true;
    XXBox.visible = true;
    if (state == ReplaceVariableState) {
      XXReplaceButton.enabled = false;
      XXReplaceButton.visible = true;
      w_.DefaultButton = "XXReplaceButton";
      XXDoneButton.visible = true;
    } else {
      XXAcceptButton.visible = true;
      w_.DefaultButton = "XXAcceptButton";
      XXAcceptButton.enabled = false;
    }
    w_.Focus.Set("XXText");
  } else if (state == FindVariableState) {
    if (XXCombo.items.empty()) {
      w_.host.MsgBox(kNoVariables, kMsgInformation);
      w_.ControlTransfer(w_.IdleState());
      return;
    }
    XXBox.visible = true;
    ExistingXXOption.enabled = false;
    NewXXOption.enabled = false;
    XXText.enabled = false;
    XXText.back = kButtonFace;
    XXCombo.enabled = true;
    XXCombo.back = kWhite;
    XXCombo.listIndex = 0;
    XXFindButton.visible = true;
    w_.DefaultButton = "XXFindButton";
    XXDoneButton.visible = true;
  }
}

void XXPanel::ExistingXXOption_Click() {
  SyncXXCombo();
  ExistingXXOption.checked = true;
  NewXXOption.checked = false;
  XXText.enabled = false;
  XXText.back = kButtonFace;
  XXText.text.clear();
  XXCombo.enabled = true;
  XXCombo.back = kWhite;
  XXCombo.listIndex = XXCombo.items.empty() ? -1 : 0;
  w_.Focus.Set("XXCombo");
  if (w_.EntryState == ReplaceVariableState || w_.EntryState == ReplaceVariableRowState) {
    XXReplaceButton.enabled = true;
    w_.DefaultButton = "XXReplaceButton";
  } else {
    XXAcceptButton.enabled = true;
    w_.DefaultButton = "XXAcceptButton";
  }
}

void XXPanel::NewXXOption_Click() {
  NewXXOption.checked = true;
  ExistingXXOption.checked = false;
  XXCombo.enabled = false;
  XXCombo.back = kButtonFace;
  XXText.text.clear();
  XXText.back = kWhite;
  XXText.enabled = true;
  // Typing can start at once, as in the label panel.
  w_.Focus.Set("XXText");
  XXAcceptButton.enabled = false;
  XXReplaceButton.enabled = false;
}

void XXPanel::XXCombo_Click(int ListIndex) {
  SyncXXCombo();
  if (ListIndex >= 0 && ListIndex < static_cast<int>(XXCombo.items.size())) {
    XXCombo.listIndex = ListIndex;
  }
}

void XXPanel::XXText_Change() {
  if (!XXText.enabled) return;
  const bool valid = IsValidName(XXText.text);
  XXAcceptButton.enabled = valid;
  XXReplaceButton.enabled = valid;
}

void XXPanel::XXAcceptButton_Click() {
  if (w_.EntryState != ByteState && w_.EntryState != MviByteState) return;
  SymbolLists& s = w_.Symbols;
  const int row = w_.CursorRow;
  if (ExistingXXOption.checked) {
    const int k = XXCombo.listIndex;
    if (k < 0 || k >= static_cast<int>(s.XXCombo.size())) return;  // nothing picked
    const std::string name = s.XXCombo[k];
    AppendOperand(w_, row, "   ", name, s.XXOperandBytes(k));
  } else if (NewXXOption.checked) {
    const std::string name = XXText.text;
    if (!IsValidName(name)) return;  // Accept is disabled for such a name
    if (s.NameInUse(name)) {
      w_.host.MsgBox("String already present as Label or Variable. Please enter another string.",
                     kMsgCritical);
      XXText.text.clear();
      XXText_Change();
      w_.Focus.Set("XXText");
      return;
    }
    AppendOperand(w_, row, "   ", name, OperandBytes8(UnassignedXXEqt));
    s.AddVariable(name, UnassignedXXEqt);
  } else {
    return;
  }
  XXBox.visible = false;
  w_.ApplyDefaultComment(row);
  w_.AdvanceAfterLine();
  w_.ControlTransfer(w_.IdleState());
}

void XXPanel::XXDoneButton_Click() {
  for (int r = 1; r < w_.Table1.Rows(); ++r) {
    if (!w_.StringTable.Text(r, 0).empty()) {
      w_.Table1.SetColors(r, kMnemonicColumn, kGridBackColor, kGridForeColor);
    }
  }
  // The cursor row may carry an operand too: its cursor mark comes back.
  w_.Table1.SetColors(w_.CursorRow, kMnemonicColumn, kGridFixedBackColor, kGridFixedForeColor);
  XXBox.visible = false;
  w_.ControlTransfer(w_.IdleState());
}

}  // namespace parvix
