#include "printing/print_run.h"

#include "editor/programming_panel.h"

namespace parvix {

PrintRun::PrintRun(ProgrammingPanel& w) : w_(w) {}

void PrintRun::PrintFile_Click() {}
void PrintRun::PageOption_Click(int /*Index*/) {}
void PrintRun::ViewPrintInfo_Click() {}
void PrintRun::PrintAddress_Timer() {}
void PrintRun::PrintProgram_Timer() {}
void PrintRun::SetupTimer_Timer() {}
void PrintRun::PrintTimer_Timer() {}
void PrintRun::LabelSetupTimer_Timer() {}
void PrintRun::LabelPrintTimer_Timer() {}

}  // namespace parvix
