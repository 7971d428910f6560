// The entry-state machine: ControlTransfer with its menu rules and panels,
// the common Esc cancel, the entry-mode toggle and the tips toggle.
#include "editor/programming_panel.h"
#include "tables/prompts.h"

namespace parvix {

EntryStates ProgrammingPanel::IdleState() const {
  return InProgramMode() ? ProgramState : DataState;
}

void ProgrammingPanel::ControlTransfer(EntryStates NextState) {
  EntryState = NextState;
  FileMenuStatus(true);
  EditMenuStatus(true);
  ToolMenuStatus(true);

  auto hideToolPanels = [this] {
    Data.DataStatus(false);
    Numbers.NumberStatus(false);
    Registers.RegisterStatus(false);
    Labels.LabelStatus(false);
    Variables.XXStatus(false);
    Find.FindStatus(false);
    Place.PlaceStatus(false);
    Replace.ReplaceStatus(false);
    Comments.CommentStatus(false);
    PrintComment.PrintCommentStatus(false);
  };
  auto showOperandPanel = [this] {
    Instructions.InstructionStatus(false);
    Data.DataStatus(false);
  };

  switch (EntryState) {
    case ProgramState:
      SavedLineFlag = false;
      Instructions.InstructionStatus(true);
      Table1Setting = 0;
      Table1.row = CursorRow;
      hideToolPanels();
      SelectionStartRow = SelectionEndRow = CursorRow;
      UpdateOrigins();
      break;
    case DataState:
      SavedLineFlag = false;
      Table1Setting = 0;
      Table1.row = CursorRow;
      hideToolPanels();
      SelectionStartRow = SelectionEndRow = CursorRow;
      Instructions.InstructionStatus(false);
      Data.DataStatus(true);
      UpdateOrigins();
      break;
    case ByteState:
    case MviByteState:
    case FindVariableState:
    case ReplaceVariableState:
      showOperandPanel();
      Variables.XXStatus(true);
      break;
    case WordState:
    case RstState:
    case EditOriginState:
    case EquivalentAddressState:
    case NewOriginState:
      showOperandPanel();
      Numbers.NumberStatus(true);
      break;
    case RegisterState:
    case PairState:
    case LxiPairState:
    case MovDestState:
    case MovSourceState:
    case StackPairState:
    case LdaxPairState:
    case MviRegisterState:
      showOperandPanel();
      Registers.RegisterStatus(true);
      break;
    case LabelState:
    case LxiLabelState:
      showOperandPanel();
      Labels.LabelStatus(true);
      break;
    case PlaceState:
      showOperandPanel();
      Place.PlaceStatus(true);
      break;
    case PlaceRowState:
      Place.PrimeAcceptButton();
      break;
    case CommentState:
    case CommentRowState:
      showOperandPanel();
      Comments.CommentStatus(true);
      break;
    case FindLabelState:
      showOperandPanel();
      Find.FindStatus(true);
      break;
    case ReplaceLabelState:
      showOperandPanel();
      Table1Setting = 1;
      Replace.ReplaceStatus(true);
      break;
    case ReplaceLabelRowState:
      Replace.PrimeAcceptButton();
      break;
    case DeleteLabelsState:
      showOperandPanel();
      break;
    case PrintCommentState:
      PrintComment.PrintCommentStatus(true);
      break;
    case RepositionState:
    case EditState:
    case EquivalentState:
    case LabelDeleteState:
    case ReplaceVariableRowState:
      break;  // no change of panel
  }
  // Last, so that it replaces any text a panel procedure wrote; a panel that
  // returned to the idle state itself leaves the idle prompt here. The prompt
  // list is kept by state number.
  TipsLabel.text = TipsListItem(static_cast<int>(EntryState));
}

void ProgrammingPanel::FileMenuStatus(bool Status) {
  Menu.FileMenu.enabled = Status;
  if (!Status) return;
  const bool idle = IsIdle(EntryState);
  for (MenuEntry* item : {&Menu.NewFileMenu, &Menu.OpenFile, &Menu.SaveFile, &Menu.SaveAsFile,
                          &Menu.AssembleFile, &Menu.DownloadFile, &Menu.DisassembleFile,
                          &Menu.UploadFile, &Menu.PrintOptions, &Menu.PrintFile, &Menu.QuitFile}) {
    item->enabled = idle;
  }
}

void ProgrammingPanel::EditMenuStatus(bool Status) {
  Menu.EditMenu.enabled = Status;
  if (!Status) return;
  const bool idle = IsIdle(EntryState);
  for (MenuEntry* item : {&Menu.CutEdit, &Menu.CopyEdit, &Menu.DeleteEdit, &Menu.FindEdit,
                          &Menu.ReplaceEdit}) {
    item->enabled = idle;
  }
  Menu.PasteEdit.enabled = idle && EditTable.Rows() > 0;
}

void ProgrammingPanel::ToolMenuStatus(bool Status) {
  Menu.ToolsMenu.enabled = Status;
  if (!Status) return;
  const bool idle = IsIdle(EntryState);
  for (MenuEntry* item : {&Menu.PlaceLabelTool, &Menu.DeleteLabels, &Menu.DeleteUnusedLabels,
                          &Menu.CommentsTool, &Menu.AssignAddress, &Menu.EqtOption,
                          &Menu.EntryMode}) {
    item->enabled = idle;
  }
}

void ProgrammingPanel::TableStatus(bool Status) { Table1Enabled = Status; }

void ProgrammingPanel::TableCancelButton_Click() {
  const bool idle = IsIdle(EntryState);
  // Undo the marks of the running tool.
  switch (EntryState) {
    case PlaceState:
    case PlaceRowState:
      Place.ClearPick();
      break;
    case CommentRowState:
      Comments.ClearPick();
      break;
    case FindLabelState:
    case ReplaceLabelState:
    case ReplaceLabelRowState:
      for (int r = 0; r < Table1.Rows(); ++r) {
        if (IsLabelCell(Table1.Text(r, kLabelColumn))) {
          Table1.SetColors(r, kLabelColumn, kGridBackColor, kGridForeColor);
        }
        if (!StringTable.Text(r, 0).empty() && UsesLabel(Table1.Text(r, kOpcodeColumn))) {
          Table1.SetColors(r, kMnemonicColumn, kGridBackColor, kGridForeColor);
        }
      }
      break;
    case FindVariableState:
    case ReplaceVariableState:
    case ReplaceVariableRowState:
      for (int r = 0; r < Table1.Rows(); ++r) {
        if (!StringTable.Text(r, 0).empty() && UsesVariable(Table1.Text(r, kOpcodeColumn))) {
          Table1.SetColors(r, kMnemonicColumn, kGridBackColor, kGridForeColor);
        }
      }
      break;
    case DeleteLabelsState:
      UpdateLabels();
      break;
    // No marks to undo: the idle states, operand and address entry, and the
    // tools that mark nothing (comment text typed so far stays as typed).
    // clang-format off
    case ProgramState: case DataState:
    case ByteState: case RegisterState: case LabelState: case PairState: case WordState:
    case LxiPairState: case LxiLabelState: case MovDestState: case MovSourceState:
    case StackPairState: case RstState: case LdaxPairState: case MviRegisterState:
    case MviByteState:
    case EditOriginState: case EquivalentAddressState: case NewOriginState:
    case CommentState: case PrintCommentState:
    case RepositionState: case EditState: case EquivalentState: case LabelDeleteState:
      // clang-format on
      break;
  }
  // Esc ends an upload under way without a word. A download still sending
  // ends incomplete, and says so, but only for Esc in the idle state: Esc
  // that cancels an entry or a tool cancels only that.
  const bool downloadStopped = Link.CancelTransfer(idle);
  if (SavedLineFlag) {
    for (int c = 0; c < 5; ++c) Table1.SetText(CursorRow, c, SavedLine[c]);
    StringTable.SetText(CursorRow, 0, SavedLine[5]);
  }
  ControlTransfer(IdleState());
  if (downloadStopped) TipsLabel.text = kDownloadIncomplete;
  NextLine(CursorRow);
}

void ProgrammingPanel::EntryMode_Click() {
  if (!IsIdle(EntryState)) return;
  if (InProgramMode()) {
    Menu.EntryMode.caption = kProgramModeCaption;
    ControlTransfer(DataState);
  } else {
    Menu.EntryMode.caption = kDataModeCaption;
    ControlTransfer(ProgramState);
  }
}

void ProgrammingPanel::ClosePort() { Link.ClosePort(); }

void ProgrammingPanel::TipsOption_Click() { TipsBox.visible = !TipsBox.visible; }

}  // namespace parvix
