// The hand-over of the program to the watch window: addresses are assigned,
// and on the next tick every code byte is copied into the watch window's
// memory, which is then shown. Nothing flows back.
#include "base/hex_text.h"
#include "editor/programming_panel.h"

namespace parvix {

namespace {
constexpr int kHandOverDelayMs = 10;
}

void ProgrammingPanel::SimulationView_Click() {
  // The command is offered in every state: an unfinished entry (say "JMP"
  // waiting for its label) ends first as Esc ends it, restoring the saved
  // line, so that no half-made instruction is handed over.
  if (!IsIdle(EntryState)) TableCancelButton_Click();
  Assign_Address(true);
  if (AddressErrorFlag) return;
  host.StartTimer(TimerId::SimulationTimer, kHandOverDelayMs);
}

void ProgrammingPanel::SimulationTimer_Timer() {
  host.StopTimer(TimerId::SimulationTimer);
  TipsLabel.text = "Preparing for simulation...";
  // A loaded window keeps its machine; only the program's bytes are written.
  WatchWindowDialogInstance.load();
  for (int r = 0; r < Table1.Rows(); ++r) {
    const std::string& code = Table1.Text(r, kOpcodeColumn);
    if (CodeLength(code) == 0) continue;
    // A row with code but no address text (never assigned) has nowhere to go.
    const auto address = ParseHex(Table1.Text(r, kAddressColumn));
    if (!address) continue;
    WatchWindowDialogInstance.writeCodeText(*address, code);
  }
  host.ShowWindow(WindowId::Watch);
}

}  // namespace parvix
