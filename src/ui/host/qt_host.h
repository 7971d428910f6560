// The Qt implementation of the core's Host: message boxes, file dialogs,
// one-shot timers, windows and the pointer. Timers that run out while a modal
// box or dialog is open are held back and delivered when it closes, so the
// core is never re-entered from a nested event loop.
#pragma once

#include <QHash>
#include <QObject>
#include <QPointer>
#include <QTimer>
#include <QWidget>
#include <array>
#include <functional>

#include "base/host.h"
#include "ui/printing/printer_job.h"
#include "ui/host/qt_serial_port.h"

namespace parvix::ui {

class QtHost : public QObject, public Host {
  Q_OBJECT

 public:
  explicit QtHost(QObject* parent = nullptr);

  // Called with each timer that runs out (the session's TimerFired).
  std::function<void(TimerId)> onTimer;
  // Called before a modal box opens and after every delivered timer, so the
  // windows show the model's state.
  std::function<void()> onRefresh;

  void RegisterWindow(WindowId id, QWidget* window);
  QWidget* Window(WindowId id) const;
  // The window that owns message boxes and dialogs.
  QWidget* DialogParent() const;
  bool InModal() const { return modalDepth_ > 0; }

  int MsgBox(const std::string& text, int style) override;
  std::optional<FileChoice> ShowOpenDialog(const FileDialogRequest& request) override;
  std::optional<FileChoice> ShowSaveDialog(const FileDialogRequest& request) override;
  void StartTimer(TimerId id, int intervalMs) override;
  void StopTimer(TimerId id) override;
  void ShowWindow(WindowId id) override;
  void CloseWindow(WindowId id) override;
  void SetWindowEnabled(WindowId id, bool enabled) override;
  void SetPointer(Pointer pointer) override;
  void EndRun() override;

  // The default printer, or the PDF file PARVIX_PRINT_PDF names.
  PrinterStatus DefaultPrinterStatus() override;
  bool BeginPrintJob(const std::string& documentName) override;
  bool PrintPage(const PrinterPage& page) override;
  bool EndPrintJob() override;
  void AbortPrintJob() override;
  // The trainer link's port. Its arrivals and its all-sent reach the core
  // like timers: held back while a modal box or dialog is open, then
  // delivered and rendered.
  SerialPort* Serial() override { return &serial_; }
  QtSerialPort& serialPort() { return serial_; }

  // Qt's form of a "Text|*.ext|Text|*.ext" filter.
  static QString QtFilter(const std::string& filter);

 private:
  class ModalScope;
  // The open or save dialog of a request, modal over the active window.
  std::optional<FileChoice> ShowFileDialog(const FileDialogRequest& request, bool save);
  // Where the dialog starts: the proposed name, in the requested folder.
  static QString DialogStartPath(const FileDialogRequest& request);
  void Deliver(TimerId id);
  void DeliverHeld();

  std::array<QTimer*, static_cast<size_t>(TimerId::Count)> timers_{};
  std::array<bool, static_cast<size_t>(TimerId::Count)> held_{};
  QHash<int, QPointer<QWidget>> windows_;
  int modalDepth_ = 0;
  QtSerialPort serial_;
  bool arrivalHeld_ = false;
  bool allSentHeld_ = false;
  // Runs a handler of the port, or holds it back (`held`) during a modal.
  void DeliverPortEvent(bool& held, const std::function<void()>& handler);
  bool hourglass_ = false;
  PrinterJob printJob_;
};

}  // namespace parvix::ui
