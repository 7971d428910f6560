#include "editor/main_menu.h"

#include "editor/entry_states.h"
#include "editor/programming_panel.h"

namespace parvix {

namespace {

using State = MenuEntry& (*)(MainMenu&);
using Procedure = void (*)(ProgrammingPanel&);

constexpr MenuRow Sub(std::string_view parent, std::string_view name, State state,
                      std::string_view caption) {
  return {MenuRow::Submenu, parent, name, caption, {}, false, state, nullptr};
}
constexpr MenuRow Cmd(std::string_view parent, std::string_view name, State state,
                      std::string_view caption, std::string_view shortcut, Procedure procedure) {
  return {MenuRow::Command, parent, name, caption, shortcut, false, state, procedure};
}
// A command with a check mark: one of the page or port choices.
constexpr MenuRow Choice(std::string_view parent, std::string_view name, State state,
                         std::string_view caption, std::string_view shortcut,
                         Procedure procedure) {
  return {MenuRow::Command, parent, name, caption, shortcut, true, state, procedure};
}
constexpr MenuRow Line(std::string_view parent) {
  return {MenuRow::Separator, parent, {}, {}, {}, false, nullptr, nullptr};
}

// A row's name and its state, written once: the name is the member's own.
#define ITEM(member) #member, [](MainMenu& m) -> MenuEntry& { return m.member; }
#define ARRAY_ITEM(member, i) \
  #member "(" #i ")", [](MainMenu& m) -> MenuEntry& { return m.member[i]; }

constexpr std::array kRows = {
    // File
    Sub("", ITEM(FileMenu), "&File"),
    Sub("FileMenu", ITEM(NewFileMenu), "&New"),
    Cmd("NewFileMenu", ITEM(NewFile), "&File", "Ctrl+N",
        [](ProgrammingPanel& w) { w.NewFile_Click(); }),
    Cmd("NewFileMenu", ITEM(NewOrigin), "&Origin", "",
        [](ProgrammingPanel& w) { w.NewOrigin_Click(); }),
    Cmd("FileMenu", ITEM(OpenFile), "&Open...", "Ctrl+O",
        [](ProgrammingPanel& w) { w.OpenFile_Click(); }),
    Cmd("FileMenu", ITEM(SaveFile), "&Save", "Ctrl+S",
        [](ProgrammingPanel& w) { w.SaveFile_Click(); }),
    Cmd("FileMenu", ITEM(SaveAsFile), "Save &As...", "",
        [](ProgrammingPanel& w) { w.SaveAsFile_Click(); }),
    Line("FileMenu"),
    Cmd("FileMenu", ITEM(AssembleFile), "Assem&ble", "Ctrl+A",
        [](ProgrammingPanel& w) { w.Hex.AssembleFile_Click(); }),
    Cmd("FileMenu", ITEM(DisassembleFile), "&Disassemble", "Ctrl+D",
        [](ProgrammingPanel& w) { w.Hex.DisassembleFile_Click(); }),
    Cmd("FileMenu", ITEM(DownloadFile), "Do&wnload", "",
        [](ProgrammingPanel& w) { w.Hex.DownloadFile_Click(); }),
    Cmd("FileMenu", ITEM(UploadFile), "&Upload", "",
        [](ProgrammingPanel& w) { w.Link.UploadFile_Click(); }),
    Line("FileMenu"),
    Sub("FileMenu", ITEM(PrintOptions), "Print Op&tions"),
    Sub("PrintOptions", ITEM(PagePrint), "&Pages"),
    Choice("PagePrint", ARRAY_ITEM(PageOption, 0), "&All Pages", "",
           [](ProgrammingPanel& w) { w.Print.PageOption_Click(0); }),
    Choice("PagePrint", ARRAY_ITEM(PageOption, 1), "&Odd Pages only", "",
           [](ProgrammingPanel& w) { w.Print.PageOption_Click(1); }),
    Choice("PagePrint", ARRAY_ITEM(PageOption, 2), "&Even Pages only", "",
           [](ProgrammingPanel& w) { w.Print.PageOption_Click(2); }),
    Cmd("PrintOptions", ITEM(ViewPrintInfo), "&View Print Information", "",
        [](ProgrammingPanel& w) { w.Print.ViewPrintInfo_Click(); }),
    Cmd("PrintOptions", ITEM(PrintComments), "&Insert Comments", "",
        [](ProgrammingPanel& w) { w.PrintComment.PrintComments_Click(); }),
    Cmd("FileMenu", ITEM(PrintFile), "&Print", "Ctrl+P",
        [](ProgrammingPanel& w) { w.Print.PrintFile_Click(); }),
    Line("FileMenu"),
    Cmd("FileMenu", ITEM(QuitFile), "&Quit", "Ctrl+Q",
        [](ProgrammingPanel& w) { w.QuitFile_Click(); }),
    // Edit
    Sub("", ITEM(EditMenu), "&Edit"),
    Cmd("EditMenu", ITEM(CutEdit), "Cu&t", "Ctrl+X",
        [](ProgrammingPanel& w) { w.Clipboard.CutEdit_Click(); }),
    Cmd("EditMenu", ITEM(CopyEdit), "&Copy", "Ctrl+C",
        [](ProgrammingPanel& w) { w.Clipboard.CopyEdit_Click(); }),
    Cmd("EditMenu", ITEM(PasteEdit), "&Paste", "Ctrl+V",
        [](ProgrammingPanel& w) { w.Clipboard.PasteEdit_Click(); }),
    Cmd("EditMenu", ITEM(DeleteEdit), "&Delete", "Del",
        [](ProgrammingPanel& w) { w.Clipboard.DeleteEdit_Click(); }),
    Line("EditMenu"),
    Sub("EditMenu", ITEM(FindEdit), "&Find"),
    Cmd("FindEdit", ITEM(FindLabel), "&Label", "",
        [](ProgrammingPanel& w) { w.Find.FindLabel_Click(); }),
    Cmd("FindEdit", ITEM(FindVariable), "&Variable", "",
        [](ProgrammingPanel& w) { w.Find.FindVariable_Click(); }),
    Sub("EditMenu", ITEM(ReplaceEdit), "&Replace"),
    Cmd("ReplaceEdit", ITEM(ReplaceLabel), "&Labels", "",
        [](ProgrammingPanel& w) { w.Replace.ReplaceLabel_Click(); }),
    Cmd("ReplaceEdit", ITEM(ReplaceVariable), "&Variables", "",
        [](ProgrammingPanel& w) { w.Replace.ReplaceVariable_Click(); }),
    Line("EditMenu"),
    Cmd("EditMenu", ITEM(PlaceLabelTool), "&Place Labels", "Shift+Ins",
        [](ProgrammingPanel& w) { w.Place.PlaceLabelTool_Click(); }),
    // Tools
    Sub("", ITEM(ToolsMenu), "&Tools"),
    Cmd("ToolsMenu", ITEM(DeleteLabels), "&Delete Labels", "",
        [](ProgrammingPanel& w) { w.DeleteLabels_Click(); }),
    Cmd("ToolsMenu", ITEM(DeleteUnusedLabels), "Trash &Unused Strings", "",
        [](ProgrammingPanel& w) { w.DeleteUnusedLabels_Click(); }),
    Line("ToolsMenu"),
    Cmd("ToolsMenu", ITEM(CommentsTool), "&Enter/Edit Comments", "F4",
        [](ProgrammingPanel& w) { w.Comments.CommentsTool_Click(); }),
    Cmd("ToolsMenu", ITEM(AssignAddress), "&Assign Addresses", "F5",
        [](ProgrammingPanel& w) { w.AssignAddress_Click(); }),
    Cmd("ToolsMenu", ITEM(EqtOption), "Assign &Equivalents", "F6",
        [](ProgrammingPanel& w) { w.Equivalents.EqtOption_Click(); }),
    Line("ToolsMenu"),
    Cmd("ToolsMenu", ITEM(EntryMode), kDataModeCaption, "Ctrl+M",
        [](ProgrammingPanel& w) { w.EntryMode_Click(); }),
    // View
    Sub("", ITEM(ViewMenu), "&View"),
    Cmd("ViewMenu", ITEM(SimulationView), "&Simulation Panel", "Ctrl+F5",
        [](ProgrammingPanel& w) { w.SimulationView_Click(); }),
    // Options
    Sub("", ITEM(OptionsMenu), "&Options"),
    Cmd("OptionsMenu", ITEM(WriteMode), "&Write Mode", "Ctrl+W",
        [](ProgrammingPanel& w) { w.WriteMode_Click(); }),
    Sub("OptionsMenu", ITEM(SelectPort), "&Comm Port"),
    Choice("SelectPort", ARRAY_ITEM(PortOption, 0), "Comm&1", "Ctrl+F1",
           [](ProgrammingPanel& w) { w.Link.PortOption_Click(0); }),
    Choice("SelectPort", ARRAY_ITEM(PortOption, 1), "Comm&2", "Ctrl+F2",
           [](ProgrammingPanel& w) { w.Link.PortOption_Click(1); }),
    Choice("SelectPort", ARRAY_ITEM(PortOption, 2), "Comm&3", "Ctrl+F3",
           [](ProgrammingPanel& w) { w.Link.PortOption_Click(2); }),
    Choice("SelectPort", ARRAY_ITEM(PortOption, 3), "Comm&4", "Ctrl+F4",
           [](ProgrammingPanel& w) { w.Link.PortOption_Click(3); }),
    Cmd("OptionsMenu", ITEM(TipsOption), "Show/Hide &Tips", "Ctrl+T",
        [](ProgrammingPanel& w) { w.TipsOption_Click(); }),
};

#undef ITEM
#undef ARRAY_ITEM

// The table is checked as it compiles: a slip in it stops the build.

// A submenu or command has a name and a state; a command, and only a
// command, runs a procedure; a separator has none of these.
constexpr bool RowsAreWhole() {
  for (const MenuRow& row : kRows) {
    const bool item = row.kind != MenuRow::Separator;
    if (item != !row.name.empty() || item != (row.state != nullptr)) return false;
    if ((row.kind == MenuRow::Command) != (row.procedure != nullptr)) return false;
  }
  return true;
}
static_assert(RowsAreWhole(), "a menu row lacks its name, state or procedure");

// Only the top menus stand in the menu bar; every other row names a submenu
// above it.
constexpr bool ParentsStandAbove() {
  for (std::size_t i = 0; i < kRows.size(); ++i) {
    if (kRows[i].parent.empty()) {
      if (kRows[i].kind != MenuRow::Submenu) return false;
      continue;
    }
    bool found = false;
    for (std::size_t j = 0; j < i && !found; ++j) {
      found = kRows[j].kind == MenuRow::Submenu && kRows[j].name == kRows[i].parent;
    }
    if (!found) return false;
  }
  return true;
}
static_assert(ParentsStandAbove(), "a menu row stands in a submenu not above it");

constexpr bool NamesAreUnique() {
  for (std::size_t i = 0; i < kRows.size(); ++i) {
    for (std::size_t j = 0; j < i; ++j) {
      if (!kRows[i].name.empty() && kRows[i].name == kRows[j].name) return false;
    }
  }
  return true;
}
static_assert(NamesAreUnique(), "two menu rows have one name");

// MainMenu holds item states only, so it has a row for each of them.
constexpr std::size_t ItemRows() {
  std::size_t count = 0;
  for (const MenuRow& row : kRows) count += row.kind != MenuRow::Separator ? 1 : 0;
  return count;
}
static_assert(sizeof(MainMenu) == ItemRows() * sizeof(MenuEntry),
              "a MainMenu item has no menu row");

}  // namespace

MainMenu::MainMenu() {
  for (const MenuRow& row : kRows) {
    if (row.state != nullptr) row.state(*this).caption = row.caption;
  }
  PageOption[0].checked = true;
  PortOption[0].checked = true;
}

std::span<const MenuRow> MainMenuRows() { return kRows; }

}  // namespace parvix
