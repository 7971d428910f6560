// The main window's menu bar as data. `MainMenu` holds each item's state
// (caption, enabled, checked) under the item names of the system, for the
// procedures that change it. `MainMenuRows()` describes every item once, in
// the order the items stand: the submenu it stands in, its name, caption,
// shortcut and check mark, where its state lives and the procedure choosing
// it runs, with the separators between. The ui builds the whole menu bar
// from the rows and renders each item's state through them.
#pragma once

#include <array>
#include <span>
#include <string_view>

#include "base/controls.h"

namespace parvix {

class ProgrammingPanel;

// The state of one menu item.
using MenuEntry = MenuItem;

struct MainMenu {
  // File
  MenuEntry FileMenu;
  MenuEntry NewFileMenu;
  MenuEntry NewFile;
  MenuEntry NewOrigin;
  MenuEntry OpenFile;
  MenuEntry SaveFile;
  MenuEntry SaveAsFile;
  MenuEntry AssembleFile;
  MenuEntry DisassembleFile;
  MenuEntry DownloadFile;
  MenuEntry UploadFile;
  MenuEntry PrintOptions;
  MenuEntry PagePrint;
  std::array<MenuEntry, 3> PageOption;
  MenuEntry ViewPrintInfo;
  MenuEntry PrintComments;
  MenuEntry PrintFile;
  MenuEntry QuitFile;
  // Edit
  MenuEntry EditMenu;
  MenuEntry CutEdit;
  MenuEntry CopyEdit;
  MenuEntry PasteEdit;
  MenuEntry DeleteEdit;
  MenuEntry FindEdit;
  MenuEntry FindLabel;
  MenuEntry FindVariable;
  MenuEntry ReplaceEdit;
  MenuEntry ReplaceLabel;
  MenuEntry ReplaceVariable;
  MenuEntry PlaceLabelTool;
  // Tools
  MenuEntry ToolsMenu;
  MenuEntry DeleteLabels;
  MenuEntry DeleteUnusedLabels;
  MenuEntry CommentsTool;
  MenuEntry AssignAddress;
  MenuEntry EqtOption;
  MenuEntry EntryMode;
  // View
  MenuEntry ViewMenu;
  MenuEntry SimulationView;
  // Options
  MenuEntry OptionsMenu;
  MenuEntry WriteMode;
  MenuEntry SelectPort;
  std::array<MenuEntry, 4> PortOption;
  MenuEntry TipsOption;

  // Every item with the caption of its row; All Pages and Comm1 checked.
  MainMenu();
};

// One row of the menu bar.
struct MenuRow {
  enum Kind { Submenu, Command, Separator };
  Kind kind;
  std::string_view parent;    // the submenu it stands in; empty: the menu bar itself
  std::string_view name;      // the item's name ("PortOption(2)" in an array); empty for a separator
  std::string_view caption;   // the caption at start-up, with its & access key
  std::string_view shortcut;  // key sequence in portable text ("Ctrl+N"), empty for none
  bool checkable;             // shows a check mark
  MenuEntry& (*state)(MainMenu&);        // the item's state; nullptr for a separator
  void (*procedure)(ProgrammingPanel&);  // what choosing a command runs; nullptr otherwise
};

// The rows of the menu bar in the order its items stand, each row after the
// submenu it stands in.
std::span<const MenuRow> MainMenuRows();

}  // namespace parvix
