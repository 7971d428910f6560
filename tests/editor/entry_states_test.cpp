// The entry-state machine: prompts, panels and menu rules of every state,
// the common Esc cancel and the mode and tips toggles.
#include <gtest/gtest.h>

#include <functional>
#include <utility>
#include <vector>

#include "support/session_fixture.h"
#include "tables/prompts.h"

namespace parvix::testing {
namespace {

using EntryStateTest = SessionTest;

enum class PanelShown { None, Instruction, Data, XX, Number, Register, Label, Place, Comment, Find,
                        Replace, Unchanged, PrintComment };

struct StateCase {
  int state;
  const char* prompt;
  PanelShown panel;
};

// Find and replace states (22, 23, 32, 33) first look for something to work on
// and may return to the idle state; their own tests cover them.
const StateCase kStates[] = {
    {1, "Program Mode.", PanelShown::Instruction},
    {2, "Enter 8-bit number and click 'Accept'.", PanelShown::XX},
    {3, "Select Register or Memory.", PanelShown::Register},
    {4, "Enter Label and click 'Accept'.", PanelShown::Label},
    {5, "Select Register Pair.", PanelShown::Register},
    {6, "Enter 16-bit number and click 'Accept'.", PanelShown::Number},
    {7, "Select Register Pair.", PanelShown::Register},
    {8, "Enter 16-bit number and click 'Accept'.", PanelShown::Label},
    {9, "Select Register or Memory (Destination).", PanelShown::Register},
    {10, "Select Register or Memory (Source).", PanelShown::Register},
    {11, "Select Register Pair.", PanelShown::Register},
    {12, "Select Number.", PanelShown::Number},
    {13, "Select Register Pair.", PanelShown::Register},
    {14, "Select Register or Memory.", PanelShown::Register},
    {15, "Enter 8-bit number and click 'Accept'.", PanelShown::XX},
    {16, "Select Row, Enter Label and Click 'Place'; or Click 'Cancel'.", PanelShown::Place},
    {17, "Select Row, Enter Label and Click 'Place'; or Click 'Cancel'.", PanelShown::Unchanged},
    {18, "Select Row to Reposition Cursor; or Press 'Esc'.", PanelShown::Unchanged},
    {19, "Select Row, Enter Comments and Click 'Done', or Click 'Cancel'.", PanelShown::Comment},
    {20, "Select Row, Enter Comments and Click 'Done', or Click 'Cancel'.", PanelShown::Comment},
    {21, "Edit the program using 'Cut', 'Copy', 'Paste', 'Delete'.", PanelShown::Unchanged},
    {24, "Select Labels from table, Enter Label and Click 'Replace'; or Click 'Cancel'.",
     PanelShown::Unchanged},
    {25, "Enter starting address of the Origin and Click Accept', or press 'Esc' to quit.",
     PanelShown::Number},
    {26, "Enter Label, and Click 'Equivalent' to assign Equivalent Address.",
     PanelShown::Unchanged},
    {27, "Enter Equivalent Address and Click 'Accept'.", PanelShown::Number},
    {28, "Enter starting address of the Origin and Click 'Accept', or press 'Esc' to quit.",
     PanelShown::Number},
    {29, "Data Mode.", PanelShown::Data},
    {30, "Click on Labels to Delete, and Press 'Esc' when done.", PanelShown::Unchanged},
    {31, "Press 'Esc' to quit deleting labels.", PanelShown::None},
    {34, "", PanelShown::Unchanged},
    {35, "", PanelShown::PrintComment},
};

PanelShown VisiblePanels(ProgrammingPanel& w, int* count) {
  std::pair<bool, PanelShown> panels[] = {
      {w.Instructions.InstructionBox.visible, PanelShown::Instruction},
      {w.Data.DataBox.visible, PanelShown::Data},
      {w.Variables.XXBox.visible, PanelShown::XX},
      {w.Numbers.NumberBox.visible, PanelShown::Number},
      {w.Registers.RegisterBox.visible, PanelShown::Register},
      {w.Labels.LabelBox.visible, PanelShown::Label},
      {w.Place.PlaceBox.visible, PanelShown::Place},
      {w.Comments.CommentsBox.visible, PanelShown::Comment},
      {w.Find.FindBox.visible, PanelShown::Find},
      {w.Replace.ReplaceBox.visible, PanelShown::Replace},
      {w.PrintComment.PrintCommentBox.visible, PanelShown::PrintComment},
  };
  *count = 0;
  PanelShown last = PanelShown::None;
  for (auto& [visible, panel] : panels) {
    if (visible) {
      ++*count;
      last = panel;
    }
  }
  return last;
}

TEST_F(EntryStateTest, EveryStateShowsItsPromptAndPanel) {
  for (const StateCase& c : kStates) {
    SCOPED_TRACE(c.state);
    const auto state = static_cast<EntryStates>(c.state);
    w.ControlTransfer(ProgramState);
    w.ControlTransfer(state);
    EXPECT_EQ(w.EntryState, state);
    EXPECT_EQ(w.TipsLabel.text, c.prompt);
    int count = 0;
    const PanelShown shown = VisiblePanels(w, &count);
    switch (c.panel) {
      case PanelShown::Unchanged:  // the instruction keypad of state 1 stays
        EXPECT_EQ(count, 1);
        EXPECT_EQ(shown, PanelShown::Instruction);
        break;
      case PanelShown::None:
        EXPECT_EQ(count, 0);
        break;
      case PanelShown::PrintComment:  // added beside the keypad
        EXPECT_EQ(count, 2);
        EXPECT_TRUE(w.Instructions.InstructionBox.visible);
        EXPECT_TRUE(w.PrintComment.PrintCommentBox.visible);
        break;
      default:
        EXPECT_EQ(count, 1);
        EXPECT_EQ(shown, c.panel);
    }
  }
}

TEST_F(EntryStateTest, PromptListMatchesTheStates) {
  EXPECT_EQ(TipsListItem(0), "");
  EXPECT_EQ(TipsListItem(33), "");
  EXPECT_EQ(TipsListItem(35), "");
  EXPECT_EQ(TipsListItem(32),
            "Select a Variable from list and Click 'Find', or Click 'Done' to close.");
  EXPECT_EQ(TipsListItem(22),
            "Select a Label from list and Click 'Find', or Click 'Done' to close.");
  EXPECT_EQ(TipsListItem(23),
            "Select Labels from table, Enter Label and Click 'Replace'; or Click 'Cancel'.");
}

// Items that only the idle states enable.
std::vector<MenuEntry*> IdleOnlyItems(MainMenu& m) {
  return {&m.NewFileMenu, &m.OpenFile, &m.SaveFile, &m.SaveAsFile, &m.AssembleFile,
          &m.DownloadFile, &m.DisassembleFile, &m.UploadFile, &m.PrintOptions, &m.PrintFile,
          &m.QuitFile, &m.CutEdit, &m.CopyEdit, &m.DeleteEdit, &m.FindEdit, &m.ReplaceEdit,
          &m.PlaceLabelTool, &m.DeleteLabels, &m.DeleteUnusedLabels, &m.CommentsTool,
          &m.AssignAddress, &m.EqtOption, &m.EntryMode};
}

TEST_F(EntryStateTest, MenusFollowIdleAndBusyStates) {
  for (const StateCase& c : kStates) {
    SCOPED_TRACE(c.state);
    w.ControlTransfer(static_cast<EntryStates>(c.state));
    const bool idle = c.state == 1 || c.state == 29;
    for (MenuEntry* item : IdleOnlyItems(w.Menu)) EXPECT_EQ(item->enabled, idle) << item->caption;
    // The top menus, View and Options are never disabled.
    for (MenuEntry* item : {&w.Menu.FileMenu, &w.Menu.EditMenu, &w.Menu.ToolsMenu,
                            &w.Menu.SimulationView, &w.Menu.WriteMode, &w.Menu.SelectPort,
                            &w.Menu.TipsOption}) {
      EXPECT_TRUE(item->enabled) << item->caption;
    }
    // Paste needs a clipboard row even when idle.
    EXPECT_FALSE(w.Menu.PasteEdit.enabled);
  }
}

TEST_F(EntryStateTest, PasteFollowsTheClipboardInIdleStatesOnly) {
  w.EditTable.SetRows(2);
  w.ControlTransfer(ProgramState);
  EXPECT_TRUE(w.Menu.PasteEdit.enabled);
  w.ControlTransfer(DataState);
  EXPECT_TRUE(w.Menu.PasteEdit.enabled);
  w.ControlTransfer(RegisterState);
  EXPECT_FALSE(w.Menu.PasteEdit.enabled);
  // A new program keeps the clipboard, and Paste with it.
  w.ControlTransfer(ProgramState);
  w.New_File();
  EXPECT_TRUE(w.Menu.PasteEdit.enabled);
}

TEST_F(EntryStateTest, MenuStatusFalseDisablesOnlyTheTopMenu) {
  w.FileMenuStatus(false);
  w.EditMenuStatus(false);
  w.ToolMenuStatus(false);
  EXPECT_FALSE(w.Menu.FileMenu.enabled);
  EXPECT_FALSE(w.Menu.EditMenu.enabled);
  EXPECT_FALSE(w.Menu.ToolsMenu.enabled);
  EXPECT_TRUE(w.Menu.OpenFile.enabled);
  EXPECT_TRUE(w.Menu.CopyEdit.enabled);
}

TEST_F(EntryStateTest, IdleReturnsSelectTheCursorRowAndClearTheSavedLine) {
  w.SelectionStartRow = 5;
  w.SelectionEndRow = 9;
  w.SavedLineFlag = true;
  w.ControlTransfer(DataState);
  EXPECT_EQ(w.SelectionStartRow, w.CursorRow);
  EXPECT_EQ(w.SelectionEndRow, w.CursorRow);
  EXPECT_FALSE(w.SavedLineFlag);
}

TEST_F(EntryStateTest, EntryModeTogglesBetweenTheIdleStates) {
  EXPECT_EQ(w.IdleState(), ProgramState);
  w.EntryMode_Click();
  EXPECT_EQ(w.Menu.EntryMode.caption, "Program &Mode");
  EXPECT_EQ(w.EntryState, DataState);
  EXPECT_EQ(w.IdleState(), DataState);
  EXPECT_EQ(w.TipsLabel.text, "Data Mode.");
  EXPECT_TRUE(w.Data.DataBox.visible);
  EXPECT_FALSE(w.Instructions.InstructionBox.visible);
  EXPECT_EQ(w.Data.DataLabel.text, "00");
  EXPECT_EQ(w.DefaultButton, "DataAcceptButton");
  w.EntryMode_Click();
  EXPECT_EQ(w.Menu.EntryMode.caption, "Data &Mode");
  EXPECT_EQ(w.EntryState, ProgramState);
  EXPECT_TRUE(w.Instructions.InstructionBox.visible);
  EXPECT_FALSE(w.Data.DataBox.visible);
}

// Commands the menus offer only in the idle states, reached in another state
// (a key press can reach a procedure whatever the menu shows), change nothing.
TEST_F(EntryStateTest, IdleOnlyCommandsDoNothingInOtherStates) {
#define COMMAND(call) {#call, [&] { call; }}
  const std::vector<std::pair<const char*, std::function<void()>>> commands = {
      COMMAND(w.NewFile_Click()), COMMAND(w.NewOrigin_Click()), COMMAND(w.OpenFile_Click()),
      COMMAND(w.SaveFile_Click()), COMMAND(w.SaveAsFile_Click()), COMMAND(w.QuitFile_Click()),
      COMMAND(w.Hex.AssembleFile_Click()), COMMAND(w.Hex.DisassembleFile_Click()),
      COMMAND(w.Hex.DownloadFile_Click()), COMMAND(w.Link.UploadFile_Click()),
      COMMAND(w.Print.PageOption_Click(1)), COMMAND(w.Print.ViewPrintInfo_Click()),
      COMMAND(w.PrintComment.PrintComments_Click()), COMMAND(w.Print.PrintFile_Click()),
      COMMAND(w.Clipboard.CutEdit_Click()), COMMAND(w.Clipboard.CopyEdit_Click()),
      COMMAND(w.Clipboard.PasteEdit_Click()), COMMAND(w.Clipboard.DeleteEdit_Click()),
      COMMAND(w.Find.FindLabel_Click()), COMMAND(w.Find.FindVariable_Click()),
      COMMAND(w.Replace.ReplaceLabel_Click()), COMMAND(w.Replace.ReplaceVariable_Click()),
      COMMAND(w.Place.PlaceLabelTool_Click()), COMMAND(w.DeleteLabels_Click()),
      COMMAND(w.DeleteUnusedLabels_Click()), COMMAND(w.Comments.CommentsTool_Click()),
      COMMAND(w.AssignAddress_Click()), COMMAND(w.Equivalents.EqtOption_Click()),
      COMMAND(w.EntryMode_Click()),
  };
#undef COMMAND
  auto snapshot = [&] {
    std::vector<std::string> cells = {w.TipsLabel.text, w.Menu.EntryMode.caption, w.FileTitle};
    for (int r = 0; r < w.Table1.Rows(); ++r) {
      for (int c = 0; c < 5; ++c) cells.push_back(w.Table1.Text(r, c));
      cells.push_back(w.StringTable.Text(r, 0));
    }
    for (const MenuEntry& page : w.Menu.PageOption) cells.push_back(page.checked ? "x" : "-");
    return cells;
  };
  w.Symbols.AddLabel("loop", "8000");
  w.Table1.SetText(1, kMnemonicColumn, "HLT");
  w.Table1.SetText(1, kOpcodeColumn, "76");
  w.ProgramChanged = true;
  host.shown.clear();
  for (EntryStates state : {LabelState, CommentState}) {
    for (const auto& [name, click] : commands) {
      SCOPED_TRACE(std::string(name) + " in state " + std::to_string(static_cast<int>(state)));
      w.ControlTransfer(state);
      const auto before = snapshot();
      click();
      EXPECT_EQ(w.EntryState, state);
      EXPECT_EQ(snapshot(), before);
      EXPECT_TRUE(host.boxes.empty() && host.dialogs.empty() && host.timers.empty() &&
                  host.shown.empty());
      EXPECT_FALSE(host.ended);
      EXPECT_TRUE(w.ProgramChanged);
    }
  }
}

TEST_F(EntryStateTest, TipsOptionTogglesTheTipsBox) {
  EXPECT_TRUE(w.TipsBox.visible);
  const std::string caption = w.Menu.TipsOption.caption;
  w.TipsOption_Click();
  EXPECT_FALSE(w.TipsBox.visible);
  w.TipsOption_Click();
  EXPECT_TRUE(w.TipsBox.visible);
  EXPECT_EQ(w.Menu.TipsOption.caption, caption);
}

TEST_F(EntryStateTest, EscInTheIdleStateOnlyReselectsTheCursorRow) {
  w.Table1.SetText(1, kMnemonicColumn, "NOP");
  w.TableCancelButton_Click();
  EXPECT_EQ(w.EntryState, ProgramState);
  EXPECT_EQ(w.CursorRow, 1);
  EXPECT_EQ(w.Table1.Text(1, kMnemonicColumn), "NOP");
  EXPECT_EQ(w.Table1.BackColor(1, kMnemonicColumn), kGridFixedBackColor);
  EXPECT_EQ(w.TipsLabel.text, "Program Mode.");
}

TEST_F(EntryStateTest, EscWhileAnOperandIsAwaitedRestoresTheSavedLine) {
  w.SavedLine = {"loop", "", "MOV  A,  B", "78", "Move content of B-register into Accumulator.",
                 ""};
  w.SavedLineFlag = true;
  w.Table1.SetText(1, kMnemonicColumn, "MVI");
  w.ControlTransfer(MviRegisterState);
  w.TableCancelButton_Click();
  EXPECT_EQ(w.Table1.Text(1, 0), "loop");
  EXPECT_EQ(w.Table1.Text(1, kMnemonicColumn), "MOV  A,  B");
  EXPECT_EQ(w.Table1.Text(1, kOpcodeColumn), "78");
  EXPECT_EQ(w.EntryState, ProgramState);
  EXPECT_FALSE(w.SavedLineFlag);
  EXPECT_FALSE(w.Registers.RegisterBox.visible);
}

TEST_F(EntryStateTest, EscReturnsToDataModeWhenThatIsTheIdleState) {
  w.EntryMode_Click();
  w.ControlTransfer(NewOriginState);
  w.TableCancelButton_Click();
  EXPECT_EQ(w.EntryState, DataState);
  EXPECT_TRUE(w.Data.DataBox.visible);
  EXPECT_FALSE(w.Numbers.NumberBox.visible);
}

TEST_F(EntryStateTest, EscClearsToolMarks) {
  // Place tool: the picked Label cell loses its green mark.
  w.TargetRow = 3;
  w.Table1.SetColors(3, kLabelColumn, kGreen, kBlack);
  w.ControlTransfer(PlaceRowState);
  w.TableCancelButton_Click();
  EXPECT_EQ(w.Table1.BackColor(3, kLabelColumn), kGridBackColor);

  // Find and replace of labels: Label cells and 3-byte operand rows.
  w.Table1.SetText(4, kLabelColumn, "loop");
  w.Table1.SetColors(4, kLabelColumn, kBlue, kWhite);
  w.Table1.SetText(5, kOpcodeColumn, "C3   XX   XX");
  w.StringTable.SetText(5, 0, "loop");
  w.Table1.SetColors(5, kMnemonicColumn, kBlue, kWhite);
  w.EntryState = ReplaceLabelRowState;
  w.TableCancelButton_Click();
  EXPECT_EQ(w.Table1.BackColor(4, kLabelColumn), kGridBackColor);
  EXPECT_EQ(w.Table1.ForeColor(5, kMnemonicColumn), kGridForeColor);
  EXPECT_EQ(w.Table1.BackColor(0, kLabelColumn), kOriginGrey);

  // Variables: 2-byte operand rows only.
  w.Table1.SetText(6, kOpcodeColumn, "3E   XX");
  w.StringTable.SetText(6, 0, "v1");
  w.Table1.SetColors(6, kMnemonicColumn, kRed, kWhite);
  w.Table1.SetColors(5, kMnemonicColumn, kRed, kWhite);
  w.EntryState = ReplaceVariableRowState;
  w.TableCancelButton_Click();
  EXPECT_EQ(w.Table1.BackColor(6, kMnemonicColumn), kGridBackColor);
  EXPECT_EQ(w.Table1.BackColor(5, kMnemonicColumn), kRed);

  // Comment row: grey again on an origin row.
  w.TargetRow = 0;
  w.Table1.row = 0;
  w.Table1.SetBackColor(0, kCommentColumn, kCommentRowGreen);
  w.EntryState = CommentRowState;
  w.TableCancelButton_Click();
  EXPECT_EQ(w.Table1.BackColor(0, kCommentColumn), kOriginGrey);
}

TEST_F(EntryStateTest, EscClosesAnOpenPort) {
  w.PortOpenFlag = true;
  w.TableCancelButton_Click();
  EXPECT_FALSE(w.PortOpenFlag);
}

TEST_F(EntryStateTest, PlaceAndCommentPanelsAreSetUpOnEntry) {
  w.ControlTransfer(PlaceState);
  EXPECT_FALSE(w.Place.ExistingPlaceOption.enabled);  // no labels yet
  EXPECT_TRUE(w.Place.NewPlaceOption.checked);
  EXPECT_FALSE(w.Place.PlaceCombo.enabled);
  EXPECT_EQ(w.Place.PlaceCombo.back, kButtonFace);
  EXPECT_EQ(w.Place.PlaceText.back, kWhite);
  EXPECT_FALSE(w.Place.PlaceAcceptButton.enabled);
  EXPECT_EQ(w.Focus.control, "PlaceText");
  // Row picked: Accept waits for an acceptable name.
  w.Place.PlaceText.text = "Loop";
  w.ControlTransfer(PlaceRowState);
  EXPECT_FALSE(w.Place.PlaceAcceptButton.enabled);
  w.Place.PlaceText.text = "loop";
  w.ControlTransfer(PlaceRowState);
  EXPECT_TRUE(w.Place.PlaceAcceptButton.enabled);
  EXPECT_EQ(w.DefaultButton, "PlaceAcceptButton");

  w.ControlTransfer(ProgramState);
  w.Table1.SetText(2, kOpcodeColumn, "00");
  w.Table1.SetText(2, kCommentColumn, "No Operation.");
  // The comment panel works on a row once one is picked in the table.
  w.Comments.CommentsTool_Click();
  w.Table1_Click(2, kCommentColumn);
  EXPECT_EQ(w.Comments.CommentsTxt.text, "No Operation.");
  EXPECT_TRUE(w.Comments.DefaultCommentButton.enabled);
  EXPECT_TRUE(w.Comments.CommentNextButton.enabled);
  EXPECT_EQ(w.DefaultButton, "CommentDoneButton");
  w.Table1_Click(w.Table1.Rows() - 1, kCommentColumn);
  EXPECT_FALSE(w.Comments.DefaultCommentButton.enabled);
  EXPECT_FALSE(w.Comments.CommentNextButton.enabled);
}

}  // namespace
}  // namespace parvix::testing
