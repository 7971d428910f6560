// A scripted host for driving the core headlessly: message boxes are answered
// from a queue and recorded, file dialogs return scripted choices, timers are
// kept until the test fires them, and window requests are recorded.
#pragma once

#include <deque>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "base/host.h"
#include "printing/page_composition.h"
#include "support/grid_guard.h"  // writes outside a grid fail the test
#include "support/fake_serial_port.h"

namespace parvix::testing {

class FakeHost : public Host {
 public:
  struct ShownBox {
    std::string text;
    int style;
  };
  struct ShownDialog {
    bool save;
    FileDialogRequest request;
  };

  // Answers for the next message boxes, in order; an unscripted box answers
  // OK (or Cancel for boxes without OK: Yes/No/Cancel answers Cancel).
  std::deque<int> answers;
  std::vector<ShownBox> boxes;
  // Choices for the next file dialogs; nothing means Cancel.
  std::deque<std::optional<FileChoice>> fileChoices;
  std::vector<ShownDialog> dialogs;
  // Running timers and their intervals.
  std::map<TimerId, int> timers;
  std::vector<WindowId> shown;
  std::vector<WindowId> closed;
  std::map<WindowId, bool> enabled;
  Pointer pointer = Pointer::Default;
  bool ended = false;

  int MsgBox(const std::string& text, int style) override;
  std::optional<FileChoice> ShowOpenDialog(const FileDialogRequest& request) override;
  std::optional<FileChoice> ShowSaveDialog(const FileDialogRequest& request) override;
  void StartTimer(TimerId id, int intervalMs) override { timers[id] = intervalMs; }
  void StopTimer(TimerId id) override { timers.erase(id); }
  void ShowWindow(WindowId id) override { shown.push_back(id); }
  void CloseWindow(WindowId id) override { closed.push_back(id); }
  void SetWindowEnabled(WindowId id, bool on) override { enabled[id] = on; }
  void SetPointer(Pointer p) override { pointer = p; }
  void EndRun() override { ended = true; }

  bool TimerRunning(TimerId id) const { return timers.count(id) != 0; }
  // Takes the timer off the running list, as a one-shot timer that ran out;
  // true when it was running. The caller then calls the model's handler.
  bool Expire(TimerId id);
  // The in-memory serial port of the trainer link.
  FakeSerialPort serial;
  SerialPort* Serial() override { return &serial; }

  // The text of the last message box, or empty.
  std::string LastBox() const { return boxes.empty() ? std::string() : boxes.back().text; }

  // ---- Recording printer ----------------------------------------------------------------
  // A printer is there and ready unless a test says otherwise (missing, or
  // refusing jobs). `failAtPage` makes the printer refuse its n-th page of a
  // job (1 = the first); `failJobStart` and `failJobEnd` make it refuse the
  // job itself.
  PrinterStatus printerStatus = PrinterStatus::Ready;
  int failAtPage = 0;
  bool failJobStart = false;
  bool failJobEnd = false;
  bool jobOpen = false;
  int jobsBegun = 0;
  int jobsEnded = 0;
  int jobsAborted = 0;
  std::vector<PrinterPage> printed;  // the pages of every job, in order
  PrinterStatus DefaultPrinterStatus() override { return printerStatus; }
  bool BeginPrintJob(const std::string& documentName) override;
  bool PrintPage(const PrinterPage& page) override;
  bool EndPrintJob() override;
  void AbortPrintJob() override;

 private:
  int pagesInJob_ = 0;
};

}  // namespace parvix::testing
