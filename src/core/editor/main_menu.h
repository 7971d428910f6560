// The main window's menu bar as data: every item's caption, shortcut,
// enabled and checked state, under the item names of the system.
#pragma once

#include <array>
#include <string>

#include "base/controls.h"
#include "editor/entry_states.h"

namespace parvix {

struct MenuEntry : MenuItem {
  std::string shortcut;  // key sequence in portable text ("Ctrl+N"), empty for none
  MenuEntry(std::string caption_, std::string shortcut_ = {}) : shortcut(std::move(shortcut_)) {
    caption = std::move(caption_);
  }
};

struct MainMenu {
  // File
  MenuEntry FileMenu{"&File"};
  MenuEntry NewFileMenu{"&New"};
  MenuEntry NewFile{"&File", "Ctrl+N"};
  MenuEntry NewOrigin{"&Origin"};
  MenuEntry OpenFile{"&Open...", "Ctrl+O"};
  MenuEntry SaveFile{"&Save", "Ctrl+S"};
  MenuEntry SaveAsFile{"Save &As..."};
  MenuEntry AssembleFile{"Assem&ble", "Ctrl+A"};
  MenuEntry DisassembleFile{"&Disassemble", "Ctrl+D"};
  MenuEntry DownloadFile{"Do&wnload"};
  MenuEntry UploadFile{"&Upload"};
  MenuEntry PrintOptions{"Print Op&tions"};
  MenuEntry PagePrint{"&Pages"};
  std::array<MenuEntry, 3> PageOption{MenuEntry{"&All Pages"}, MenuEntry{"&Odd Pages only"},
                                      MenuEntry{"&Even Pages only"}};
  MenuEntry ViewPrintInfo{"&View Print Information"};
  MenuEntry PrintComments{"&Insert Comments"};
  MenuEntry PrintFile{"&Print", "Ctrl+P"};
  MenuEntry QuitFile{"&Quit", "Ctrl+Q"};
  // Edit
  MenuEntry EditMenu{"&Edit"};
  MenuEntry CutEdit{"Cu&t", "Ctrl+X"};
  MenuEntry CopyEdit{"&Copy", "Ctrl+C"};
  MenuEntry PasteEdit{"&Paste", "Ctrl+V"};
  MenuEntry DeleteEdit{"&Delete", "Del"};
  MenuEntry FindEdit{"&Find"};
  MenuEntry FindLabel{"&Label"};
  MenuEntry FindVariable{"&Variable"};
  MenuEntry ReplaceEdit{"&Replace"};
  MenuEntry ReplaceLabel{"&Labels"};
  MenuEntry ReplaceVariable{"&Variables"};
  MenuEntry PlaceLabelTool{"&Place Labels", "Shift+Ins"};
  // Tools
  MenuEntry ToolsMenu{"&Tools"};
  MenuEntry DeleteLabels{"&Delete Labels"};
  MenuEntry DeleteUnusedLabels{"Trash &Unused Strings"};
  MenuEntry CommentsTool{"&Enter/Edit Comments", "F4"};
  MenuEntry AssignAddress{"&Assign Addresses", "F5"};
  MenuEntry EqtOption{"Assign &Equivalents", "F6"};
  MenuEntry EntryMode{kDataModeCaption, "Ctrl+M"};
  // View
  MenuEntry ViewMenu{"&View"};
  MenuEntry SimulationView{"&Simulation Panel", "Ctrl+F5"};
  // Options
  MenuEntry OptionsMenu{"&Options"};
  MenuEntry WriteMode{"&Write Mode", "Ctrl+W"};
  MenuEntry SelectPort{"&Comm Port"};
  std::array<MenuEntry, 4> PortOption{MenuEntry{"Comm&1", "Ctrl+F1"}, MenuEntry{"Comm&2", "Ctrl+F2"},
                                      MenuEntry{"Comm&3", "Ctrl+F3"}, MenuEntry{"Comm&4", "Ctrl+F4"}};
  MenuEntry TipsOption{"Show/Hide &Tips", "Ctrl+T"};

  MainMenu() {
    PageOption[0].checked = true;
    PortOption[0].checked = true;
  }

  // Calls f(name, entry) for every item; array items are named "PageOption(1)".
  template <class F>
  void Visit(F&& f) {
    f("FileMenu", FileMenu);
    f("NewFileMenu", NewFileMenu);
    f("NewFile", NewFile);
    f("NewOrigin", NewOrigin);
    f("OpenFile", OpenFile);
    f("SaveFile", SaveFile);
    f("SaveAsFile", SaveAsFile);
    f("AssembleFile", AssembleFile);
    f("DisassembleFile", DisassembleFile);
    f("DownloadFile", DownloadFile);
    f("UploadFile", UploadFile);
    f("PrintOptions", PrintOptions);
    f("PagePrint", PagePrint);
    for (size_t i = 0; i < PageOption.size(); ++i)
      f("PageOption(" + std::to_string(i) + ")", PageOption[i]);
    f("ViewPrintInfo", ViewPrintInfo);
    f("PrintComments", PrintComments);
    f("PrintFile", PrintFile);
    f("QuitFile", QuitFile);
    f("EditMenu", EditMenu);
    f("CutEdit", CutEdit);
    f("CopyEdit", CopyEdit);
    f("PasteEdit", PasteEdit);
    f("DeleteEdit", DeleteEdit);
    f("FindEdit", FindEdit);
    f("FindLabel", FindLabel);
    f("FindVariable", FindVariable);
    f("ReplaceEdit", ReplaceEdit);
    f("ReplaceLabel", ReplaceLabel);
    f("ReplaceVariable", ReplaceVariable);
    f("PlaceLabelTool", PlaceLabelTool);
    f("ToolsMenu", ToolsMenu);
    f("DeleteLabels", DeleteLabels);
    f("DeleteUnusedLabels", DeleteUnusedLabels);
    f("CommentsTool", CommentsTool);
    f("AssignAddress", AssignAddress);
    f("EqtOption", EqtOption);
    f("EntryMode", EntryMode);
    f("ViewMenu", ViewMenu);
    f("SimulationView", SimulationView);
    f("OptionsMenu", OptionsMenu);
    f("WriteMode", WriteMode);
    f("SelectPort", SelectPort);
    for (size_t i = 0; i < PortOption.size(); ++i)
      f("PortOption(" + std::to_string(i) + ")", PortOption[i]);
    f("TipsOption", TipsOption);
  }
};

}  // namespace parvix
