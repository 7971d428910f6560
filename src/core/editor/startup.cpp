// Start-up: the start-up window, the main window's load, timer dispatch.
#include "editor/startup.h"

#include "tables/instruction_keys.h"

namespace parvix {

namespace {
constexpr int kOpenDelayMs = 20;
}

void OpenForm::Form_Load() {
  loaded = true;
  VersionLabel[1].text = "Version " + kVersion;
  CancelButton.text = "Cancel";
  host_.StartTimer(TimerId::OpenTimer, kOpenDelayMs);
}

void OpenForm::OpenTimer_Timer() {
  if (!loaded) return;
  main_.FileState = FileNew;
  main_.Form_Load();
  host_.ShowWindow(WindowId::Main);
  // Unloading the window ends its timer too.
  host_.StopTimer(TimerId::OpenTimer);
  loaded = false;
  host_.CloseWindow(WindowId::Startup);
}

void Session::Start() {
  Startup.Form_Load();
  host.ShowWindow(WindowId::Startup);
}

void Session::TimerFired(TimerId id) {
  if (id == TimerId::OpenTimer) {
    Startup.OpenTimer_Timer();
  } else {
    Main.TimerFired(id);
  }
}

ProgrammingPanel::ProgrammingPanel(Host& host) : host(host) {
  const char* headings[] = {"Label", "Addr.", "Mnemonic", "Opcode", "Comment"};
  for (int i = 0; i < 5; ++i) HeadLabel[i].text = headings[i];
  for (int i = 0; i < kInstructionKeyCount; ++i) InstTooltip[i] = InstructionTooltip(i);
  TipsBox.visible = true;
  SetWriteMode(false);
}

void ProgrammingPanel::Form_Load() {
  CommPortNumber = 1;
  CommSettings = "2400,N,8,1";
  Caption = kCaptionPrefix + kVersion;
  NextLabelNumber = 1;
  NextXXNumber = 1;
  // The hover table: the mnemonic is the tooltip's first len(caption)
  // characters, the pattern the rest with one blank appended.
  for (int i = 0; i < kInstructionKeyCount; ++i) {
    const std::string& tip = InstTooltip[i];
    const size_t len = std::min(Instructions.INST[i].text.size(), tip.size());
    InstTable[i] = {tip.substr(0, len), tip.substr(len) + " "};
    InstTooltip[i].clear();
  }
  switch (FileState) {
    case FileNew:
      // Not NewFile_Click: before the load no entry state is idle yet.
      StartNewProgram();
      break;
    case FileOpened:
      Open_File();
      break;
    case FileSaved:
      OriginList.clear();
      break;
    default:
      break;
  }
}

void ProgrammingPanel::TimerFired(TimerId id) {
  switch (id) {
    case TimerId::StartupTimer:
      Numbers.StartupTimer_Timer();
      break;
    case TimerId::AddressTimer:
      AddressTimer_Timer();
      break;
    case TimerId::SimulationTimer:
      SimulationTimer_Timer();
      break;
    case TimerId::CreateDnldString:
      Link.CreateDnldString_Timer();
      break;
    case TimerId::DownloadTimer:
      Link.DownloadTimer_Timer();
      break;
    case TimerId::PortCloseTimer:
      Link.PortCloseTimer_Timer();
      break;
    case TimerId::CreateHexTimer:
      Link.CreateHexTimer_Timer();
      break;
    case TimerId::PrintAddress:
      Print.PrintAddress_Timer();
      break;
    case TimerId::PrintProgram:
      Print.PrintProgram_Timer();
      break;
    case TimerId::SetupTimer:
      Print.SetupTimer_Timer();
      break;
    case TimerId::PrintTimer:
      Print.PrintTimer_Timer();
      break;
    case TimerId::LabelSetupTimer:
      Print.LabelSetupTimer_Timer();
      break;
    case TimerId::LabelPrintTimer:
      Print.LabelPrintTimer_Timer();
      break;
    case TimerId::CheckTimer:
      Disassembly.CheckTimer_Timer();
      break;
    case TimerId::CopyTimer:
      Disassembly.CopyTimer_Timer();
      break;
    case TimerId::DisassembleTimer:
      Disassembly.DisassembleTimer_Timer();
      break;
    case TimerId::CommentTimer:
      Disassembly.CommentTimer_Timer();
      break;
    case TimerId::DelayTimer:
      Equivalents.DelayTimer_Timer();
      break;
    case TimerId::XXDelayTimer:
      Equivalents.XXDelayTimer_Timer();
      break;
    case TimerId::OpenTimer:  // the start-up window's, delivered by the session
    case TimerId::Count:
      break;
  }
}

}  // namespace parvix
