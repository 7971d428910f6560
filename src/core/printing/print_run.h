// The print run: program pages and equivalents pages composed one per timer
// tick and sent to the default printer, the page choice and the print
// information.
//
// File > Print asks first, then runs as a chain of one-shot timers:
// PrintAddress assigns addresses, PrintProgram counts rows, pages and strings,
// SetupTimer composes each program page and PrintTimer prints it, then
// LabelSetupTimer and LabelPrintTimer do the same for the equivalents pages
// and end the run. All printed pages form one print job. While the run lasts
// the main window is disabled and shows the hourglass; every way the run ends
// (the last page, an address error, a printer failure) gives both back.
#pragma once

#include <array>
#include <string>
#include <vector>

#include "base/host.h"
#include "printing/page_composition.h"
#include "printing/print_information.h"

namespace parvix {

class ProgrammingPanel;

class PrintRun {
 public:
  explicit PrintRun(ProgrammingPanel& w);

  // File > Print (Ctrl+P).
  void PrintFile_Click();
  // File > Print Options > Pages > All, Odd, Even (Index 0 to 2).
  void PageOption_Click(int Index);
  // File > Print Options > View Print Information.
  void ViewPrintInfo_Click();

  void PrintAddress_Timer();
  void PrintProgram_Timer();
  void SetupTimer_Timer();
  void PrintTimer_Timer();
  // Starts the equivalents pages after the last program page.
  void PrintLabel();
  void LabelSetupTimer_Timer();
  void LabelPrintTimer_Timer();

  // True from OK in the question to the end of the run.
  bool Running() const { return running_; }

  // Values of the run.
  int LastProgramRow = 0;
  int ProgramPages = 0;
  int TotalPages = 0;
  int PageNumber = 0;
  int PrintCursor = 0;  // next source row, or next string, to go on a page
  std::vector<std::string> PrintStrings;
  std::vector<std::string> PrintEqtList;

  // The page templates as last composed.
  PrinterPage PrintPanel;
  PrinterPage PrintLabelPanel;
  // Column widths of the equivalents pages in twips.
  const std::array<int, kEquivalentsPageColumns> LabelColWidthList = {
      1020, 1020, 900, 1020, 1020, 900, 1020, 1020, 900, 1020, 1020};

  // The print information window's model.
  PrintInfoForm PrintInfo;

 private:
  struct TimedStep {
    TimerId id;
    int intervalMs;
  };
  // After a page is composed: print it next, or compose the following one.
  void NextStep(TimedStep print, TimedStep setup);
  // Prints the composed page, then composes the next.
  void PrintStep(TimerId self, const PrinterPage& page, TimedStep setup);
  // The page choice: the index of the checked PageOption item.
  int PageChoice() const;
  PageHeader Header() const;
  void TakeCounts(PrintCounts counts);
  // Prints a composed page, opening the job on the first one; false after a
  // failure, which has ended the run.
  bool Print(const PrinterPage& page);
  // The run is over: default pointer, window enabled.
  void Finish();
  // A printer failure: the job is dropped, the window given back, and the
  // user told.
  void Fail(const std::string& text);

  ProgrammingPanel& w_;
  bool running_ = false;
  bool jobOpen_ = false;
};

// The messages of printer trouble.
inline const std::string kNoPrinterText =
    "No printer is installed on this computer. Install a printer and try again.";
inline const std::string kNoPrintServiceText =
    "The print service does not answer. Check that it is running, and try again.";
inline const std::string kPrinterRefusesText =
    "The printer does not take print jobs now. Check that it is ready and accepts jobs, or "
    "choose another default printer, and try again.";
inline const std::string kPrintJobFailedText =
    "The printer could not finish the print job. Printing has stopped.";
std::string PrinterFailedText(int pageNumber);

}  // namespace parvix
