// Program files: Open, Save, Save As, Quit and closing the main window.
// The file's text is made and read by program_file_format.cpp; the bytes go
// to and from disk through base/text_file.h.
#include "editor/program_file.h"

#include <filesystem>
#include <new>
#include <stdexcept>
#include <utility>

#include "base/text_file.h"
#include "editor/programming_panel.h"

namespace parvix {

namespace {

const std::string kOpenFailed = "Unable to open file.";
const std::string kSaveFailed = "Unable to save file.";
const std::string kQuitQuestion =
    "Are you sure you want to quit? You will lose unsaved information.";
const std::string kStopDownloadQuestion =
    "A download to the trainer is still being sent. Click 'OK' to stop it and quit, or click "
    "'Cancel' to let it finish.";
const std::string kZvtExtension = ".zvt";

// The program as the file stores it. Rows other than origin rows are stored
// without their address: addresses are assigned anew after an open.
ProgramFileContent CaptureProgram(const ProgrammingPanel& w) {
  ProgramFileContent content;
  const int rows = w.Table1.Rows();
  content.rows.resize(rows);
  for (int r = 0; r < rows; ++r) {
    ProgramRowRecord& record = content.rows[r];
    for (int c = 0; c < 5; ++c) record[c] = w.Table1.Text(r, c);
    if (!w.IsOriginRow(r)) record[kAddressColumn].clear();
    record[5] = w.StringTable.Text(r, 0);
  }
  const SymbolLists& s = w.Symbols;
  content.labels.reserve(s.LabelCombo.size());
  for (size_t i = 0; i < s.LabelCombo.size(); ++i) {
    content.labels.emplace_back(s.LabelCombo[i], i < s.LabelEqtList.size() ? s.LabelEqtList[i] : "");
  }
  content.variables.reserve(s.XXCombo.size());
  for (size_t i = 0; i < s.XXCombo.size(); ++i) {
    content.variables.emplace_back(s.XXCombo[i], i < s.XXEqtList.size() ? s.XXEqtList[i] : "");
  }
  return content;
}

// Puts a program read from a file into the table and the string lists. The
// derived label lists stay empty until the next UpdateLabels.
void ApplyProgram(ProgrammingPanel& w, ProgramFileContent&& content) {
  const int rows = static_cast<int>(content.rows.size());
  std::vector<std::vector<Cell>> table(rows);
  std::vector<std::vector<Cell>> operands(rows);
  for (int r = 0; r < rows; ++r) {
    ProgramRowRecord& record = content.rows[r];
    table[r].resize(5);
    for (int c = 0; c < 5; ++c) table[r][c].text = std::move(record[c]);
    operands[r].resize(1);
    operands[r][0].text = std::move(record[5]);
  }
  w.Table1.Reset(std::move(table));
  w.StringTable.Reset(std::move(operands));
  w.UsedRowCount = rows;

  // Names and equivalents go in at once, in the file's order: index i of a
  // name list is index i of its equivalents.
  auto fill = [](std::vector<StringEntry>& entries, NameList& names, std::vector<std::string>& eqts) {
    std::vector<std::string> nameTexts;
    nameTexts.reserve(entries.size());
    eqts.clear();
    eqts.reserve(entries.size());
    for (StringEntry& entry : entries) {
      nameTexts.push_back(std::move(entry.first));
      eqts.push_back(std::move(entry.second));
    }
    names = std::move(nameTexts);
  };
  fill(content.labels, w.Symbols.LabelCombo, w.Symbols.LabelEqtList);
  fill(content.variables, w.Symbols.XXCombo, w.Symbols.XXEqtList);
}

// Writes the program to `path`. Only once the whole file is in place do the
// non-origin rows of the table lose their addresses, as the file has them.
bool SaveProgram(ProgrammingPanel& w, const std::string& path) {
  const std::string bytes = WriteProgramFile(CaptureProgram(w));
  if (!WriteFileReplacing(path, bytes)) return false;
  for (int r = 0; r < w.Table1.Rows(); ++r) {
    if (!w.IsOriginRow(r)) w.Table1.SetText(r, kAddressColumn, std::string());
  }
  return true;
}

// True when the name ends in a dot and three further characters (".txt").
bool HasFourCharacterExtension(const std::string& path) {
  if (path.size() < 4 || path[path.size() - 4] != '.') return false;
  for (size_t i = path.size() - 3; i < path.size(); ++i) {
    if (path[i] == '.' || path[i] == '/' || path[i] == '\\') return false;
  }
  return true;
}

bool EndsWithZvt(const std::string& path) {
  if (path.size() < 4) return false;
  for (size_t i = 0; i < 4; ++i) {
    const char c = path[path.size() - 4 + i];
    const char lower = (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
    if (lower != kZvtExtension[i]) return false;
  }
  return true;
}

// The folder of a path, or empty for a bare name.
std::string FolderOf(const std::string& path) {
  return std::filesystem::path(path).parent_path().string();
}

// Program dialogs open in the program's own folder, else in the last folder
// a program dialog was used in.
std::string ProgramDialogFolder(const ProgrammingPanel& w) {
  if (!w.FilePath.empty()) {
    if (std::string folder = FolderOf(w.FilePath); !folder.empty()) return folder;
  }
  return w.LastProgramFolder;
}

}  // namespace

bool ProgrammingPanel::QuerySaveChanges() {
  if (!ProgramChanged) return true;
  const int answer = host.MsgBox("Save changes to " + FileTitle + "?", kMsgYesNoCancelQuestion);
  MsgBoxAnswer = std::to_string(answer);
  if (answer == kAnswerYes) {
    SaveFile_Click();
    return !ProgramChanged;  // the save failed or was cancelled: keep the program
  }
  return answer == kAnswerNo;
}

void ProgrammingPanel::OpenFile_Click() {
  if (!IsIdle(EntryState)) return;
  if (!QuerySaveChanges()) return;
  FileDialogRequest request{kProgramFileFilter, "Open", kOpenDialogFlags, {}};
  request.folder = ProgramDialogFolder(*this);
  const std::optional<FileChoice> choice = host.ShowOpenDialog(request);
  if (!choice) {
    host.SetPointer(Pointer::Default);
    ControlTransfer(IdleState());
    return;
  }
  LastProgramFolder = FolderOf(choice->path);
  FilePath = choice->path;
  FileTitle = choice->title;
  host.SetPointer(Pointer::Hourglass);
  // A file that cannot be read leaves a new untitled program, so that a
  // later Save cannot write that program over the user's file.
  if (Open_File()) {
    FileState = FileOpened;
    ProgramChanged = false;
  }
}

bool ProgrammingPanel::Open_File() {
  New_File();
  TipsLabel.text = "Opening file . . .";
  // A file that memory cannot hold is refused like a damaged one: the
  // reader limits what a file may ask for, and where memory runs out even
  // so, the half-built program is dropped for a new one.
  bool read = false;
  try {
    if (std::optional<std::string> bytes = ReadFileBytes(FilePath)) {
      ProgramFileReadResult result = ReadProgramFile(*bytes);
      bytes.reset();
      if (result.ok()) {
        ApplyProgram(*this, std::move(result.content));
        read = true;
      }
    }
  } catch (const std::bad_alloc&) {
    read = false;
  } catch (const std::length_error&) {
    read = false;
  }
  if (!read) {
    host.SetPointer(Pointer::Default);
    host.MsgBox(kOpenFailed, kMsgCritical);
    FileTitle = kDefaultFileTitle;
    FilePath.clear();
    New_File();
    ControlTransfer(IdleState());
    return false;
  }

  UpdateOrigins();
  Caption = kCaptionPrefix + FileTitle;
  SetWriteMode(false);
  NextLine(1);
  ShowProgramTop();
  ControlTransfer(ProgramState);
  TipsLabel.text = "File Opened.";
  host.SetPointer(Pointer::Default);
  return true;
}

void ProgrammingPanel::SaveFile_Click() {
  if (!IsIdle(EntryState)) return;
  if (FileState == FileNew || FileState == FileDisassembled) {
    SaveAsFile_Click();
    return;
  }
  ClearAddress();
  TipsLabel.text = "Saving file . . .";
  if (!SaveProgram(*this, FilePath)) {
    host.MsgBox(kSaveFailed, kMsgCritical);
    ControlTransfer(IdleState());
    return;
  }
  Caption = kCaptionPrefix + FileTitle;
  ControlTransfer(IdleState());
  TipsLabel.text = "File Saved.";
  FileState = FileSaved;
  ProgramChanged = false;
}

void ProgrammingPanel::SaveAsFile_Click() {
  if (!IsIdle(EntryState)) return;
  // The dialog proposes the program's own file, or its title when it has none.
  const bool hasFile = FileState == FileOpened || FileState == FileSaved;
  FileDialogRequest request{kProgramFileFilter, "Save As", kSaveAsDialogFlags,
                            hasFile && !FilePath.empty() ? FilePath : FileTitle};
  // The dialog adds ".zvt" to a bare name itself, so that it asks before
  // replacing an existing "name.zvt".
  request.defaultSuffix = kZvtExtension.substr(1);
  request.folder = ProgramDialogFolder(*this);
  const std::optional<FileChoice> choice = host.ShowSaveDialog(request);
  if (!choice) {
    host.SetPointer(Pointer::Default);
    return;
  }
  LastProgramFolder = FolderOf(choice->path);
  FilePath = choice->path;
  FileTitle = choice->title;
  if (HasFourCharacterExtension(FilePath)) {
    // "prog.txt" is written as "prog.zvt"; the caption keeps the chosen name.
    // A name that already ends in ".zvt" in any case stays as chosen, so that
    // "PROG.ZVT" replaces that file where names are case sensitive too.
    if (!EndsWithZvt(FilePath)) FilePath = FilePath.substr(0, FilePath.size() - 4) + kZvtExtension;
  } else {
    // A name without such an extension keeps every character and gains ".zvt".
    FilePath += kZvtExtension;
    FileTitle += kZvtExtension;
  }
  TipsLabel.text = "Saving file . . .";
  host.SetPointer(Pointer::Hourglass);
  if (!SaveProgram(*this, FilePath)) {
    host.SetPointer(Pointer::Default);
    host.MsgBox(kSaveFailed, kMsgCritical);
    ControlTransfer(IdleState());
    return;
  }
  Caption = kCaptionPrefix + FileTitle;
  ControlTransfer(IdleState());
  host.SetPointer(Pointer::Default);
  TipsLabel.text = "File Saved.";
  FileState = FileSaved;
  ProgramChanged = false;
}

void ProgrammingPanel::QuitFile_Click() {
  // The window's close box still asks in every state (Form_QueryUnload).
  if (!IsIdle(EntryState)) return;
  // Cancel in the question leaves everything as it was; the flag is not needed.
  bool cancel = false;
  Form_QueryUnload(cancel, 0);
}

void ProgrammingPanel::Form_QueryUnload(bool& Cancel, int /*UnloadMode*/) {
  const auto confirmed = [this](const std::string& question) {
    const int answer = host.MsgBox(question, kMsgOkCancelQuestion);
    MsgBoxAnswer = std::to_string(answer);
    return answer == kAnswerOk;
  };
  // Quitting would cut a download short: the user may rather let it finish.
  if (!confirmed(kQuitQuestion) || (Link.DownloadSending() && !confirmed(kStopDownloadQuestion))) {
    Cancel = true;
    return;
  }
  if (PortOpenFlag) ClosePort();
  host.EndRun();
}

}  // namespace parvix
