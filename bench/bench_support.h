// Shared pieces of the benchmarks: a host that answers everything at once,
// a started session, and a program of a given size.
#pragma once

#include <string>

#include "base/hex_text.h"
#include "editor/startup.h"

namespace parvix::bench {

class NullHost : public Host {
 public:
  int MsgBox(const std::string&, int) override { return kAnswerOk; }
  std::optional<FileChoice> ShowOpenDialog(const FileDialogRequest&) override { return {}; }
  std::optional<FileChoice> ShowSaveDialog(const FileDialogRequest&) override { return {}; }
  void StartTimer(TimerId, int) override {}
  void StopTimer(TimerId) override {}
  void ShowWindow(WindowId) override {}
  void CloseWindow(WindowId) override {}
  void SetWindowEnabled(WindowId, bool) override {}
  void SetPointer(Pointer) override {}
  void EndRun() override {}
};

// A session whose main window holds a new program.
struct StartedSession {
  NullHost host;
  Session session{host};
  ProgrammingPanel& w = session.Main;
  StartedSession() {
    session.Start();
    session.TimerFired(TimerId::OpenTimer);
  }
};

// Fills the program with `rows` instruction rows: every tenth a jump to one
// of `labels` labels placed along the program, the rest one-byte lines.
inline void FillProgram(ProgrammingPanel& w, int rows, int labels) {
  w.Table1.SetRows(rows + 10);
  w.StringTable.SetRows(rows + 10);
  for (int i = 0; i < labels; ++i) {
    w.Symbols.LabelCombo.push_back("a" + std::to_string(i + 1));
    w.Symbols.LabelEqtList.push_back("XXXX");
  }
  for (int r = 1; r <= rows; ++r) {
    if (labels > 0 && r % 10 == 0) {
      const std::string name = "a" + std::to_string((r / 10) % labels + 1);
      w.Table1.SetText(r, kMnemonicColumn, "JMP  " + name);
      w.Table1.SetText(r, kOpcodeColumn, "C3   XX   XX");
      w.StringTable.SetText(r, 0, name);
    } else {
      w.Table1.SetText(r, kMnemonicColumn, "NOP");
      w.Table1.SetText(r, kOpcodeColumn, "00");
      w.Table1.SetText(r, kCommentColumn, "No Operation.");
    }
    if (labels > 0 && r % 14 == 3 && (r / 14) < labels) {
      w.Table1.SetText(r, kLabelColumn, "a" + std::to_string(r / 14 + 1));
    }
  }
  w.UsedRowCount = rows + 1;
}

}  // namespace parvix::bench
