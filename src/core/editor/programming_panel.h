// The main window's model: the program table and its companion tables, the
// origin and symbol lists, the file state, the entry state with its panels,
// the menus and the tips line, and every event procedure of the main window.
// The ui renders this state and forwards each user event to a procedure here.
//
// The procedures are grouped by subsystem in their own source files:
//   program_table.cpp   row primitives, write mode, new program
//   entry_states.cpp    ControlTransfer, menus, Esc, entry mode, tips
//   startup.cpp         window load
//   keypad entry, origins, data mode, default comments: the keypad classes
//   symbols/...         string lists and operand panels
#pragma once

#include <array>
#include <string>
#include <utility>
#include <vector>

#include "base/controls.h"
#include "base/grid.h"
#include "base/host.h"
#include "editor/comment_panel.h"
#include "editor/data_keypad.h"
#include "editor/editing.h"
#include "editor/entry_states.h"
#include "editor/instruction_keypad.h"
#include "editor/main_menu.h"
#include "editor/number_keypad.h"
#include "editor/program_table.h"
#include "editor/register_keypad.h"
#include "hextools/disassembly_dialog.h"
#include "hextools/hex_tools.h"
#include "hextools/trainer_link.h"
#include "printing/print_comment_panel.h"
#include "printing/print_run.h"
#include "simulator/watch_window.h"
#include "symbols/equivalents_window.h"
#include "symbols/find_panel.h"
#include "symbols/label_panel.h"
#include "symbols/place_panel.h"
#include "symbols/replace_panel.h"
#include "symbols/symbol_lists.h"
#include "symbols/xx_panel.h"

namespace parvix {

inline const std::string kVersion = "6.0";
inline const std::string kCaptionPrefix = "Quenmar Parvix - ";
inline const std::string kDefaultFileTitle = "Pgm1.zvt";
// The texts of the write-mode label; the text itself is the write mode.
inline const std::string kInsertText = "Insert";
inline const std::string kOverwriteText = "Overwrite";

// The mouse pointer over the program table: the I-beam over the cells a
// click acts on in the current state, else the normal pointer.
enum class TablePointer { Default, IBeam };

class ProgrammingPanel {
 public:
  explicit ProgrammingPanel(Host& host);
  ProgrammingPanel(const ProgrammingPanel&) = delete;
  ProgrammingPanel& operator=(const ProgrammingPanel&) = delete;

  Host& host;

  // ---- Window ---------------------------------------------------------------
  std::string Caption;
  Control TipsLabel;       // the status line
  Control TipsBox;         // the panel holding the tips line
  Control WriteModeLabel;  // "Overwrite" (red) or "Insert" (green)
  std::array<Control, 5> HeadLabel;
  std::string DefaultButton;  // the control that Enter presses
  FocusRequest Focus;
  MainMenu Menu;
  // Column widths of the program table in twips: Label, Addr., Mnemonic, Opcode, Comment.
  const std::array<int, 5> ColWidthList = {1080, 600, 1680, 1080, 7140};
  // (mnemonic, operand pattern) of each instruction key, for the hover tip.
  std::array<std::pair<std::string, std::string>, kInstructionKeyCount> InstTable;
  // Tooltips of the instruction keys; emptied at load so that only the
  // keypad's own hover text describes the keys.
  std::array<std::string, kInstructionKeyCount> InstTooltip;

  // ---- Program table ----------------------------------------------------------
  Grid Table1{5};
  Grid StringTable{1};      // the operand name of each row
  Grid EditTable{5};        // clipboard rows
  Grid EditStringTable{1};  // clipboard operand names
  int CursorRow = 0;
  // The row the program table's view brings into view: the cursor row each
  // time NextLine moves the cursor, row 0 when a whole new program arrives.
  ScrollRequest Table1Scroll;
  int UsedRowCount = 0;
  int SelectionStartRow = 0;
  int SelectionEndRow = 0;
  int SelectionAnchorRow = 0;
  int SelectionReleaseRow = 0;  // the row where the last drag was released
  int TargetRow = 0;
  std::string SavedComment;
  std::vector<std::string> OriginList;
  std::vector<std::string> LastAddressList;
  // The two-valued display setting of the program table (0 in the idle states).
  int Table1Setting = 0;
  bool Table1Enabled = true;

  // ---- Entry state --------------------------------------------------------------
  // New_File sets the first state when the window loads; nothing is shown
  // before then, and this state, not an idle one, keeps the commands off.
  EntryStates EntryState = NewOriginState;
  int CurrentOpcode = 0;
  std::array<std::string, 6> SavedLine;  // Table1 columns 0-4 and the operand name
  bool SavedLineFlag = false;

  // ---- Strings --------------------------------------------------------------------
  SymbolLists Symbols;
  int NextLabelNumber = 1;
  int NextXXNumber = 1;

  // ---- File --------------------------------------------------------------------------
  int FileState = FileNew;
  std::string FilePath;
  std::string FileTitle = kDefaultFileTitle;
  bool ProgramChanged = false;
  std::string MsgBoxAnswer;  // the button code of the last message box, as text
  // The folder of the last program file chosen in an Open or Save As dialog;
  // the next program dialog opens there when the program has no file.
  std::string LastProgramFolder;

  // ---- Hex tools -------------------------------------------------------------------
  int CommPortNumber = 1;
  std::string CommSettings = "2400,N,8,1";
  bool PortOpenFlag = false;
  bool AddressErrorFlag = false;

  // ---- Panels ------------------------------------------------------------------------
  InstructionKeypad Instructions{*this};
  RegisterKeypad Registers{*this};
  NumberKeypad Numbers{*this};
  DataKeypad Data{*this};
  LabelPanel Labels{*this};
  XXPanel Variables{*this};
  PlacePanel Place{*this};
  CommentPanel Comments{*this};
  FindPanel Find{*this};
  ReplacePanel Replace{*this};
  PrintCommentPanel PrintComment{*this};

  // ---- Subsystems with state of their own -------------------------------------------
  EditClipboard Clipboard{*this};      // Copy, Cut, Paste, Delete
  RenumberDialog Equivalents{*this};   // the equivalents tool window
  HexTools Hex{*this};                 // hex records, assembler, reading hex files
  DataDialog Disassembly{*this};       // the disassembly dialog
  TrainerLink Link{*this};             // the serial link to the trainer
  PrintRun Print{*this};               // printing and the print information

  // ---- Start-up (startup.cpp) -----------------------------------------------------------
  void Form_Load();
  void TimerFired(TimerId id);

  // ---- Entry states (entry_states.cpp) ----------------------------------------------
  void ControlTransfer(EntryStates NextState);
  // The idle state the entry-mode menu item stands for: program or data state.
  EntryStates IdleState() const;
  void FileMenuStatus(bool Status);
  void EditMenuStatus(bool Status);
  void ToolMenuStatus(bool Status);
  void TableStatus(bool Status);
  void TableCancelButton_Click();
  void EntryMode_Click();
  void TipsOption_Click();
  // Closes the serial port of a running transfer.
  void ClosePort();

  // ---- Program table (program_table.cpp) -------------------------------------------
  void AddRows(int RowNumber);
  // The table's room: true, after telling the user, when `Lines` more rows
  // would take the table past it. The command then stops, changing nothing.
  bool NoRoomFor(int Lines);
  void InsertLine(int StartRow, int Lines);
  void NextLine(int NextRow);
  // A program that has just replaced the old one (New, Open, a disassembly)
  // shows from its top: the origin row and the cursor on the row below. Runs
  // after the new program's NextLine, whose request it replaces.
  void ShowProgramTop() { Table1Scroll.Set(0); }
  void ColorOrigin(int RowNumber);
  void UpdateOrigins();
  void DeleteRows(int RowNumber);
  void ClearAddress() {}
  void WriteMode_Click();
  void WriteModeLabel_Click() { WriteMode_Click(); }
  void New_File();
  void NewFile_Click();
  void NewOrigin_Click();
  bool IsOriginRow(int row) const { return Table1.Text(row, kLabelColumn) == kOriginText; }
  bool InsertMode() const { return WriteModeLabel.text == kInsertText; }
  // Shows the write mode: "Insert" in green or "Overwrite" in red.
  void SetWriteMode(bool insert);
  // True while the entry-mode item offers data mode, that is in program mode.
  bool InProgramMode() const { return Menu.EntryMode.caption == kDataModeCaption; }

  // ---- Keypad entry (keypad_entry.cpp, default_comments.cpp) --------------------------
  // The restart digit of the number keypad in the restart state.
  void RestartDigit(int Index);
  // Writes CurrentOpcode as two hex digits into the Opcode cell of the row.
  void DisplayOpcode(int CurrentRow);
  // Finishes the cursor row's instruction: code, comment, next line, program mode.
  void CompleteLine();
  // Moves the cursor below a finished line. A new empty row is inserted
  // first on the table's last row, before an origin row, and in Insert mode.
  void AdvanceAfterLine();
  // True when the line on the cursor row, once finished, gets that new row.
  bool LineAddsRow() const;
  // True, after telling the user, when that row would not fit the table: a
  // line is refused before it is begun.
  bool NoRoomForLine() { return NoRoomFor(LineAddsRow() ? 1 : 0); }
  void ApplyDefaultComment(int CurrentRow);
  // The mouse over the window's free area: the keypads' hover tips go.
  void Form_MouseMove();

  // ---- Table clicks (table_clicks.cpp) ---------------------------------------------------
  // A click on cell (row, col) of the program table, by entry state.
  void Table1_Click(int row, int col);
  // The mouse on the program table, in the order the grid reports one
  // click: press, leaving the old current cell, release, click. The press
  // and the click name the cell under the pointer; the move gives the
  // pointer's distance from the grid's left edge in twips; the release the
  // row where the grid's selection ends.
  void Table1_MouseDown(int row, int col);
  void Table1_MouseMove(int xTwips);
  void Table1_MouseUp(int selectionEndRow);
  void Table1_LeaveCell(int row, int col);
  // The picks of the comment and replace tools.
  void PickCommentRow(int row);
  void PickReplaceLabelCell(int row, int col);
  void PickReplaceVariableCell(int row, int col);
  // ---- Table mouse (table_clicks.cpp) ----
  TablePointer Table1Pointer = TablePointer::Default;
  // The idle-state click on an Opcode cell: re-opens the line for new entry.
  void ReopenLine(int row);
  // The delete-labels tool's click on a Label cell.
  void DeleteLabelAt(int row, int col);

  // ---- Strings ------------------------------------------------------------------------
  void UpdateLabels();
  // Tools > Delete Labels: the click tool that takes labels off rows.
  void DeleteLabels_Click();
  // Tools > Trash Unused Strings; also run by the assembler.
  void DeleteUnusedLabels_Click();

  // ---- Program file (program_file.cpp) ------------------------------------------------
  void OpenFile_Click();
  // Reads the program file FilePath into a new program; false (after the
  // message and a new untitled program) when it cannot be read.
  bool Open_File();
  void SaveFile_Click();
  void SaveAsFile_Click();
  void QuitFile_Click();
  // Closing the window: asks the quit question; Cancel keeps the window open.
  // UnloadMode tells how the close was asked for (0: the window's close box).
  void Form_QueryUnload(bool& Cancel, int UnloadMode);
  // The save-changes question before a command replaces the program: true
  // when the caller may go on (unchanged, No, or Yes and the save succeeded).
  bool QuerySaveChanges();

  // ---- Address assignment (hextools/address_assignment.cpp) ---------------------------
  // Assigns the addresses of every instruction row and the equivalents of
  // placed labels, writes label operands, and checks the program; a compile
  // error is reported in a message box and leaves AddressErrorFlag set.
  void Assign_Address(bool AddressMessageEnable);
  void AssignAddress_Click();
  void AddressTimer_Timer();

  // ---- Hand-over to the simulator (simulator/hand_over.cpp) ----------------------------
  // The watch window, owned by the main window; loaded on first use.
  WatchWindowDialog WatchWindowDialogInstance{host};
  // View > Simulation Panel: assigns addresses, then hands the program over.
  void SimulationView_Click();
  void SimulationTimer_Timer();

  // Calls f(name, control) for every control of the window and its panels.
  template <class F>
  void VisitControls(F&& f) {
    f("TipsLabel", TipsLabel);
    f("TipsBox", TipsBox);
    f("WriteModeLabel", WriteModeLabel);
    for (int i = 0; i < 5; ++i) f(IndexedName("HeadLabel", i), HeadLabel[i]);
    Instructions.VisitControls(f);
    Registers.VisitControls(f);
    Numbers.VisitControls(f);
    Data.VisitControls(f);
    Labels.VisitControls(f);
    Variables.VisitControls(f);
    Place.VisitControls(f);
    Comments.VisitControls(f);
    Find.VisitControls(f);
    Replace.VisitControls(f);
    PrintComment.VisitControls(f);
  }

 private:
  void ShowNewProgramCaption();
  // File > New without the state guard: the save-changes question, then a
  // new untitled program. The window's load starts here too.
  void StartNewProgram();
};

}  // namespace parvix
