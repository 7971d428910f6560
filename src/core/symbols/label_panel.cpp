#include "symbols/label_panel.h"

#include "editor/programming_panel.h"
#include "symbols/operand_entry.h"

namespace parvix {

LabelPanel::LabelPanel(ProgrammingPanel& w) : w_(w) {
  LabelBox.visible = false;
  ExistingLabelOption.text = "Existing:";
  ExistingLabelOption.enabled = false;
  NewLabelOption.text = "New:";
  NewLabelOption.checked = true;
  NewLabelOption.enabled = false;
  LabelAcceptButton.text = "&Accept";
  LabelAcceptButton.enabled = false;
}

void LabelPanel::SyncLabelCombo() { SyncNameCombo(LabelCombo, w_.Symbols.LabelCombo); }

void LabelPanel::LabelStatus(bool Status) {
  if (!Status) {
    LabelBox.visible = false;
    return;
  }
  SyncLabelCombo();
  LabelBox.visible = true;
  if (LabelCombo.items.empty()) {
    ExistingLabelOption.enabled = false;
  } else {
    ExistingLabelOption.enabled = true;
    LabelCombo.listIndex = 0;
  }
  LabelCombo.enabled = false;
  LabelCombo.back = kButtonFace;
  NewLabelOption.enabled = true;
  NewLabelOption_Click();
  LabelText.text.clear();
  LabelText.back = kWhite;
  LabelText.enabled = true;
  w_.DefaultButton = "LabelAcceptButton";
  w_.Focus.Set("LabelText");
}

void LabelPanel::ExistingLabelOption_Click() {
  SyncLabelCombo();
  ExistingLabelOption.checked = true;
  NewLabelOption.checked = false;
  LabelText.enabled = false;
  LabelText.back = kButtonFace;
  LabelText.text.clear();
  LabelCombo.enabled = true;
  LabelCombo.back = kWhite;
  LabelCombo.listIndex = LabelCombo.items.empty() ? -1 : 0;
  w_.Focus.Set("LabelCombo");
  LabelAcceptButton.enabled = true;
  w_.DefaultButton = "LabelAcceptButton";
}

void LabelPanel::NewLabelOption_Click() {
  NewLabelOption.checked = true;
  ExistingLabelOption.checked = false;
  LabelCombo.enabled = false;
  LabelCombo.back = kButtonFace;
  LabelText.text.clear();
  LabelText.back = kWhite;
  LabelText.enabled = true;
  w_.Focus.Set("LabelText");
  LabelAcceptButton.enabled = false;
}

void LabelPanel::LabelCombo_Click(int ListIndex) {
  SyncLabelCombo();
  if (ListIndex >= 0 && ListIndex < static_cast<int>(LabelCombo.items.size())) {
    LabelCombo.listIndex = ListIndex;
  }
}

void LabelPanel::LabelText_Change() {
  if (!LabelText.enabled) return;
  LabelAcceptButton.enabled = IsValidName(LabelText.text);
}

void LabelPanel::LabelAcceptButton_Click() {
  if (w_.EntryState != LabelState && w_.EntryState != LxiLabelState) return;
  SymbolLists& s = w_.Symbols;
  const int row = w_.CursorRow;
  if (ExistingLabelOption.checked) {
    const int k = LabelCombo.listIndex;
    if (k < 0 || k >= static_cast<int>(s.LabelCombo.size())) return;  // nothing picked
    const std::string name = s.LabelCombo[k];
    AppendOperand(w_, row, "  ", name, s.LabelOperandBytes(k));
  } else if (NewLabelOption.checked) {
    const std::string name = LabelText.text;
    if (!IsValidName(name)) return;  // Accept is disabled for such a name
    if (s.NameInUse(name)) {
      w_.host.MsgBox("String already used as Label or Variable. Please enter another label.",
                     kMsgCritical);
      LabelText.text.clear();
      LabelText_Change();
      w_.Focus.Set("LabelText");
      return;
    }
    AppendOperand(w_, row, "  ", name, OperandBytes16(UnassignedLabelEqt));
    s.AddLabel(name, UnassignedLabelEqt);
  } else {
    return;
  }
  LabelBox.visible = false;
  w_.ApplyDefaultComment(row);
  w_.AdvanceAfterLine();
  w_.UpdateLabels();
  w_.ControlTransfer(w_.IdleState());
}

}  // namespace parvix
