#include "printing/print_run.h"

#include "editor/programming_panel.h"

namespace parvix {

namespace {
constexpr int kPrintAddressMs = 10;
constexpr int kPrintProgramMs = 10;
constexpr int kSetupMs = 2000;
constexpr int kPrintMs = 20;
constexpr int kLabelSetupMs = 10;
constexpr int kLabelPrintMs = 20;

const std::string kPrintQuestion =
    "Check the default settings of the printer and click 'OK' to print. To cancel print, click "
    "'Cancel'";
const std::string kPrintAborted = "Print aborted.";

// Why a run cannot start on this printer, or nothing when it is ready.
const std::string* PrinterTroubleText(PrinterStatus status) {
  switch (status) {
    case PrinterStatus::Missing: return &kNoPrinterText;
    case PrinterStatus::NoService: return &kNoPrintServiceText;
    case PrinterStatus::Refusing: return &kPrinterRefusesText;
    case PrinterStatus::Ready: break;
  }
  return nullptr;
}
}  // namespace

std::string PrinterFailedText(int pageNumber) {
  return "The printer did not accept page " + std::to_string(pageNumber) +
         ". Printing has stopped.";
}

PrintRun::PrintRun(ProgrammingPanel& w) : w_(w) {}

// ---- Menu commands ------------------------------------------------------------------------

void PrintRun::PrintFile_Click() {
  if (!IsIdle(w_.EntryState) || running_) return;
  Host& host = w_.host;
  if (const std::string* trouble = PrinterTroubleText(host.DefaultPrinterStatus())) {
    w_.MsgBoxAnswer = std::to_string(host.MsgBox(*trouble, kMsgInformation));
    return;
  }
  const int answer = host.MsgBox(kPrintQuestion, kMsgOkCancelInformation);
  w_.MsgBoxAnswer = std::to_string(answer);
  if (answer != kAnswerOk) return;
  running_ = true;
  host.SetPointer(Pointer::Hourglass);
  host.SetWindowEnabled(WindowId::Main, false);
  w_.TipsLabel.text = "Assigning addresses . . .";
  host.StartTimer(TimerId::PrintAddress, kPrintAddressMs);
}

void PrintRun::PageOption_Click(int Index) {
  if (!IsIdle(w_.EntryState) || running_) return;
  if (Index < 0 || Index >= static_cast<int>(w_.Menu.PageOption.size())) return;
  for (MenuEntry& item : w_.Menu.PageOption) item.checked = false;
  w_.Menu.PageOption[Index].checked = true;
}

void PrintRun::ViewPrintInfo_Click() {
  if (!IsIdle(w_.EntryState) || running_) return;
  PrintCounts counts = CountPrint(w_.Table1, w_.Symbols);
  PrintInfo.Show(counts, static_cast<int>(w_.Symbols.LabelCombo.size()),
                 static_cast<int>(w_.Symbols.XXCombo.size()));
  TakeCounts(std::move(counts));
  w_.host.ShowWindow(WindowId::PrintInformation);
}

// ---- The timer chain ------------------------------------------------------------------------

void PrintRun::PrintAddress_Timer() {
  w_.host.StopTimer(TimerId::PrintAddress);
  if (!running_) return;
  w_.Assign_Address(false);
  if (w_.AddressErrorFlag) {
    w_.TipsLabel.text = kPrintAborted;
    Finish();
    return;
  }
  w_.TipsLabel.text = "Composing print information.";
  w_.host.StartTimer(TimerId::PrintProgram, kPrintProgramMs);
}

void PrintRun::PrintProgram_Timer() {
  w_.host.StopTimer(TimerId::PrintProgram);
  if (!running_) return;
  TakeCounts(CountPrint(w_.Table1, w_.Symbols));
  PageNumber = 1;
  PrintCursor = 0;
  w_.host.StartTimer(TimerId::SetupTimer, kSetupMs);
}

void PrintRun::SetupTimer_Timer() {
  w_.host.StopTimer(TimerId::SetupTimer);
  if (!running_) return;
  if (PageNumber > ProgramPages) {
    PrintLabel();
    return;
  }
  int filled = 0;
  PrintPanel = ComposeProgramPage(w_.Table1, w_.StringTable, PrintCursor, LastProgramRow,
                                  w_.ColWidthList, Header(), &filled);
  PrintCursor += filled;
  NextStep({TimerId::PrintTimer, kPrintMs}, {TimerId::SetupTimer, kSetupMs});
}

void PrintRun::PrintTimer_Timer() {
  PrintStep(TimerId::PrintTimer, PrintPanel, {TimerId::SetupTimer, kSetupMs});
}

void PrintRun::PrintLabel() {
  PrintCursor = 0;
  w_.host.StartTimer(TimerId::LabelSetupTimer, kLabelSetupMs);
}

void PrintRun::LabelSetupTimer_Timer() {
  w_.host.StopTimer(TimerId::LabelSetupTimer);
  if (!running_) return;
  if (PageNumber > TotalPages) {
    // The normal end of every run: the job goes to the printer as a whole.
    if (jobOpen_) {
      jobOpen_ = false;
      if (!w_.host.EndPrintJob()) {
        Fail(kPrintJobFailedText);
        return;
      }
    }
    Finish();
    return;
  }
  int filled = 0;
  PrintLabelPanel = ComposeEquivalentsPage(PrintStrings, PrintEqtList, PrintCursor,
                                           LabelColWidthList, Header(), &filled);
  PrintCursor += filled;
  NextStep({TimerId::LabelPrintTimer, kLabelPrintMs}, {TimerId::LabelSetupTimer, kLabelSetupMs});
}

void PrintRun::LabelPrintTimer_Timer() {
  PrintStep(TimerId::LabelPrintTimer, PrintLabelPanel, {TimerId::LabelSetupTimer, kLabelSetupMs});
}

// ---- Helpers ---------------------------------------------------------------------------------

void PrintRun::NextStep(TimedStep print, TimedStep setup) {
  if (PagePrinted(PageChoice(), PageNumber)) {
    w_.host.StartTimer(print.id, print.intervalMs);
  } else {
    ++PageNumber;
    w_.host.StartTimer(setup.id, setup.intervalMs);
  }
}

void PrintRun::PrintStep(TimerId self, const PrinterPage& page, TimedStep setup) {
  w_.host.StopTimer(self);
  if (!running_) return;
  ++PageNumber;
  if (!Print(page)) return;
  w_.host.StartTimer(setup.id, setup.intervalMs);
}

int PrintRun::PageChoice() const {
  const auto& options = w_.Menu.PageOption;
  for (size_t i = 0; i < options.size(); ++i) {
    if (options[i].checked) return static_cast<int>(i);
  }
  return 0;
}

PageHeader PrintRun::Header() const {
  return {PageNumber, TotalPages, w_.FileTitle, w_.PrintComment.PrintComment};
}

void PrintRun::TakeCounts(PrintCounts counts) {
  LastProgramRow = counts.LastProgramRow;
  ProgramPages = counts.ProgramPages;
  TotalPages = counts.TotalPages;
  PrintStrings = std::move(counts.PrintStrings);
  PrintEqtList = std::move(counts.PrintEqtList);
}

bool PrintRun::Print(const PrinterPage& page) {
  Host& host = w_.host;
  if (!jobOpen_) {
    if (!host.BeginPrintJob(w_.FileTitle)) {
      Fail(PrinterFailedText(page.pageNumber));
      return false;
    }
    jobOpen_ = true;
  }
  if (!host.PrintPage(page)) {
    Fail(PrinterFailedText(page.pageNumber));
    return false;
  }
  return true;
}

void PrintRun::Finish() {
  running_ = false;
  w_.host.SetPointer(Pointer::Default);
  w_.host.SetWindowEnabled(WindowId::Main, true);
}

void PrintRun::Fail(const std::string& text) {
  if (jobOpen_) {
    jobOpen_ = false;
    w_.host.AbortPrintJob();
  }
  w_.TipsLabel.text = kPrintAborted;
  Finish();
  w_.MsgBoxAnswer = std::to_string(w_.host.MsgBox(text, kMsgCritical));
}

}  // namespace parvix
