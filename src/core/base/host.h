// The one door from the core to the platform. The core never touches a
// window system, file dialog, clock or device directly: it asks its Host.
// The Qt layer implements this for the real program; tests use a scripted
// FakeHost that answers message boxes and file dialogs and fires timers by hand.
#pragma once

#include <optional>
#include <string>

#include "base/serial_port.h"

namespace parvix {

struct PrinterPage;  // printing/page_composition.h

// Message-box styles, numbered as the system numbers them (buttons + icon).
enum MsgBoxStyle : int {
  kMsgCritical = 16,             // OK, critical icon: errors
  kMsgOkCancelQuestion = 33,     // OK, Cancel, question icon: the quit question
  kMsgYesNoCancelQuestion = 35,  // Yes, No, Cancel, question icon: save changes?
  kMsgYesNoQuestion = 36,        // Yes, No, question icon: the label questions
  kMsgInformation = 64,          // OK, information icon: notices
  kMsgOkCancelInformation = 65,  // OK, Cancel, information icon: confirmations
};

// Button codes a message box returns.
enum MsgBoxAnswer : int { kAnswerOk = 1, kAnswerCancel = 2, kAnswerYes = 6, kAnswerNo = 7 };

// Common file dialog request. The filter uses the system's "Text|*.ext" form.
struct FileDialogRequest {
  std::string filter;
  std::string title;
  int flags = 0;          // the system's dialog flags (&H1804 open, &H1806 save)
  std::string fileName;   // name proposed in the dialog
  // Added to a chosen name that has no extension, by the dialog itself, so
  // that its overwrite question sees the name that will be written ("zvt").
  std::string defaultSuffix = {};
  // The folder the dialog opens in when fileName holds no folder; empty for
  // the platform's choice.
  std::string folder = {};
};

// What the user picked: the full path and the bare file name (the title).
struct FileChoice {
  std::string path;
  std::string title;
};

// The one-shot timers of all windows. Starting a running timer restarts it.
enum class TimerId {
  OpenTimer,        // start-up window: 20 ms hand-over to the main window
  StartupTimer,     // main window: 10 ms focus to the number panel's Accept
  AddressTimer,     // main window: address assignment step
  SimulationTimer,  // main window: hand-over to the watch window
  // Trainer link (main window): the download chain and the upload's saving.
  CreateDnldString,  // 10 ms: the download confirmation
  DownloadTimer,     // 10 ms: opens the port and sends the records
  PortCloseTimer,    // 100 ms: closes the port after a download
  CreateHexTimer,    // 100 ms: cuts an upload into records and saves them
  // Print run (main window).
  PrintAddress,     // 10 ms: assigns addresses
  PrintProgram,     // 10 ms: counts rows, pages and strings
  SetupTimer,       // 2000 ms: composes one program page
  PrintTimer,       // 20 ms: prints the program page
  LabelSetupTimer,  // 10 ms: composes one equivalents page, or ends the run
  LabelPrintTimer,  // 20 ms: prints the equivalents page
  // Disassembly dialog: the four build steps, 10 ms apart.
  CheckTimer,
  CopyTimer,
  DisassembleTimer,
  CommentTimer,
  // Equivalents window: 20 ms, then the Accept button of the label or
  // variable value takes the focus.
  DelayTimer,
  XXDelayTimer,
  Count
};

enum class WindowId { Startup, Main, Watch, Equivalents, Disassembly, PrintInformation };

enum class Pointer { Default, Hourglass };

// What the default printer says before a print run starts: ready for a job,
// not there at all, not to be asked because the print service does not
// answer, or there but not taking jobs now (its queue refuses them, or it
// has stopped on an error).
enum class PrinterStatus { Ready, Missing, NoService, Refusing };

class Host {
 public:
  virtual ~Host() = default;

  // Shows a message box titled with the application's name; returns the button code.
  virtual int MsgBox(const std::string& text, int style) = 0;

  // File dialogs; nothing for Cancel.
  virtual std::optional<FileChoice> ShowOpenDialog(const FileDialogRequest& request) = 0;
  virtual std::optional<FileChoice> ShowSaveDialog(const FileDialogRequest& request) = 0;

  // One-shot timers; the host calls the owning model's TimerFired(id) once.
  virtual void StartTimer(TimerId id, int intervalMs) = 0;
  virtual void StopTimer(TimerId id) = 0;

  // Windows owned by the application. The equivalents window, the
  // disassembly dialog and the print information window are shown modal over
  // the main window; the call returns at once, and from then on the dialog's
  // own events go to its own model until it is closed.
  virtual void ShowWindow(WindowId id) = 0;
  virtual void CloseWindow(WindowId id) = 0;
  virtual void SetWindowEnabled(WindowId id, bool enabled) = 0;

  virtual void SetPointer(Pointer pointer) = 0;

  // The run ends: the main window has been unloaded.
  virtual void EndRun() = 0;

  // ---- Printer ----------------------------------------------------------------------
  // The default printer. Asked for its status before a run starts; a print
  // run is then one job: BeginPrintJob before its first page, PrintPage for
  // each page, EndPrintJob after the last (false when the printer did not
  // take the job), or AbortPrintJob when the run stops early, which drops
  // the job. Each call reports whether the printer took it; a host without
  // a printer has none and takes nothing.
  virtual PrinterStatus DefaultPrinterStatus() { return PrinterStatus::Missing; }
  virtual bool BeginPrintJob(const std::string& /*documentName*/) { return false; }
  virtual bool PrintPage(const PrinterPage& /*page*/) { return false; }
  virtual bool EndPrintJob() { return false; }
  virtual void AbortPrintJob() {}
  // The serial port of the trainer link, or nothing on a host without one
  // (every transfer then finds its port not available).
  virtual SerialPort* Serial() { return nullptr; }
};

}  // namespace parvix
