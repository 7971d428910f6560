// File > Assemble, File > Disassemble and File > Download: the thin event
// procedures over the assembler and the hex-file reader. Assembling runs in
// one event; a successful read hands over to the disassembly dialog or to
// the download chain of the trainer link.
#include "hextools/hex_tools.h"

#include <optional>
#include <utility>

#include "base/text_file.h"
#include "editor/programming_panel.h"
#include "hextools/assembler.h"
#include "hextools/hex_records.h"

namespace parvix {

namespace {

const std::string kAssemblingAborted = "Assembling aborted.";
constexpr int kDownloadDelayMs = 10;

}  // namespace

FileDialogRequest HexSaveDialog(std::string fileName) {
  FileDialogRequest request{kHexFileFilter, "Save to Hex file", kHexDialogFlags,
                            std::move(fileName)};
  request.defaultSuffix = "hex";
  return request;
}

HexTools::HexTools(ProgrammingPanel& w) : w_(w) {}

void HexTools::AssembleFile_Click() {
  if (!IsIdle(w_.EntryState)) return;
  Control& tips = w_.TipsLabel;
  auto message = [this](const std::string& text) {
    w_.MsgBoxAnswer = std::to_string(w_.host.MsgBox(text, kMsgCritical));
  };

  tips.text = "Checking data.";
  if (!HasCode(w_.Table1)) {
    tips.text = kAssemblingAborted;
    message("No data available for assembling.");
    return;
  }
  tips.text = "Assigning addresses . . .";
  w_.Assign_Address(true);
  if (w_.AddressErrorFlag) return;
  w_.UpdateLabels();
  w_.DeleteUnusedLabels_Click();

  tips.text = "Checking data . . .";
  if (!EquivalentsAssigned(w_.Symbols)) {
    message("One or more strings do not have an equivalent assigned.");
    tips.text = kAssemblingAborted;
    return;
  }
  TempTable = StageProgram(w_.Table1);
  tips.text = "Assembling data . . .";
  HexList.clear();
  AssemblyResult assembled = AssembleRecords(TempTable);
  if (!assembled.ok()) {
    // Nothing is written: the cursor goes to the row that cannot be assembled.
    message(AssemblyFaultText(assembled.fault));
    tips.text = kAssemblingAborted;
    w_.NextLine(assembled.fault.row);
    return;
  }
  HexList = std::move(assembled.records);
  tips.text = "Data assembled successfully.";

  if (const std::optional<FileChoice> choice = w_.host.ShowSaveDialog(HexSaveDialog(HexFilePath))) {
    HexFilePath = choice->path;
    tips.text = "Saving to file . . .";
    if (!WriteFileReplacing(HexFilePath, HexFileText(HexList))) message("Unable to save file.");
  }
  w_.ControlTransfer(w_.IdleState());
}

HexTools::LoadOutcome HexTools::LoadHex() {
  if (!w_.QuerySaveChanges()) return LoadOutcome::Cancelled;
  const FileDialogRequest request{kHexFileFilter, "Open Hex file", kHexDialogFlags, HexFilePath};
  const std::optional<FileChoice> choice = w_.host.ShowOpenDialog(request);
  if (!choice) return LoadOutcome::Cancelled;
  HexFilePath = choice->path;
  HexFileTitle = choice->title;
  w_.TipsLabel.text = "Reading Hex file . . .";
  HexList.clear();

  if (FileLargerThan(HexFilePath, kMaxHexFileBytes)) {
    w_.MsgBoxAnswer = std::to_string(
        w_.host.MsgBox("Unable to open " + HexFileTitle +
                           ". The file is larger than any hex file of the 64 KiB memory.",
                       kMsgCritical));
    return LoadOutcome::Unreadable;
  }
  HexReadResult read;
  if (std::optional<std::string> bytes = ReadFileBytes(HexFilePath, kMaxHexFileBytes)) {
    read = ReadHexFileText(*bytes);
  }
  HexList = std::move(read.records);
  switch (read.status) {
    case HexReadResult::Status::Ok:
      return LoadOutcome::Loaded;
    case HexReadResult::Status::ChecksumError:
      w_.MsgBoxAnswer =
          std::to_string(w_.host.MsgBox("Check Sum error in " + HexFileTitle + ".", kMsgCritical));
      return LoadOutcome::ChecksumError;
    case HexReadResult::Status::Unreadable:
      break;
  }
  w_.MsgBoxAnswer =
      std::to_string(w_.host.MsgBox("Unable to open " + HexFileTitle + ".", kMsgCritical));
  return LoadOutcome::Unreadable;
}

void HexTools::DisassembleFile_Click() {
  if (!IsIdle(w_.EntryState)) return;
  if (LoadHex() != LoadOutcome::Loaded) return;
  w_.Disassembly.Form_Load();
  w_.host.ShowWindow(WindowId::Disassembly);
}

void HexTools::DownloadFile_Click() {
  if (!IsIdle(w_.EntryState)) return;
  // A running transfer keeps the port, and the records it sends or awaits.
  if (w_.Link.RefuseWhileTransferRuns()) return;
  switch (LoadHex()) {
    case LoadOutcome::Loaded:
      w_.TipsLabel.text = "Preparing for download . . .";
      w_.host.StartTimer(TimerId::CreateDnldString, kDownloadDelayMs);
      w_.ControlTransfer(w_.IdleState());
      break;
    case LoadOutcome::ChecksumError:
      w_.ControlTransfer(w_.IdleState());
      break;
    case LoadOutcome::Cancelled:
    case LoadOutcome::Unreadable:
      break;
  }
}

}  // namespace parvix
