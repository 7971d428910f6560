// The print run: program pages and equivalents pages composed one per timer
// tick and sent to the default printer, the page choice and the print
// information.
#pragma once

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
  void LabelSetupTimer_Timer();
  void LabelPrintTimer_Timer();

 private:
  ProgrammingPanel& w_;
};

}  // namespace parvix
