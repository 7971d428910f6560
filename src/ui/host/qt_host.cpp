#include "ui/host/qt_host.h"

#include <QApplication>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>
#include <QStringList>

#include "ui/base/binding.h"

namespace parvix::ui {

class QtHost::ModalScope {
 public:
  explicit ModalScope(QtHost& host) : host_(host) {
    if (host_.onRefresh) host_.onRefresh();
    ++host_.modalDepth_;
  }
  ~ModalScope() {
    if (--host_.modalDepth_ == 0) {
      QTimer::singleShot(0, &host_, [h = &host_] { h->DeliverHeld(); });
    }
  }

 private:
  QtHost& host_;
};

QtHost::QtHost(QObject* parent) : QObject(parent) {
  for (size_t i = 0; i < timers_.size(); ++i) {
    auto* timer = new QTimer(this);
    timer->setSingleShot(true);
    const auto id = static_cast<TimerId>(i);
    connect(timer, &QTimer::timeout, this, [this, id] { Deliver(id); });
    timers_[i] = timer;
  }
  connect(&serial_, &QtSerialPort::dataArrived, this,
          [this] { DeliverPortEvent(arrivalHeld_, serial_.onArrival); });
  connect(&serial_, &QtSerialPort::allSent, this,
          [this] { DeliverPortEvent(allSentHeld_, serial_.onAllSent); });
}

void QtHost::DeliverPortEvent(bool& held, const std::function<void()>& handler) {
  if (modalDepth_ > 0) {
    held = true;
    return;
  }
  held = false;
  // A copy: the handler may close the port, which lets go of its handlers.
  if (const std::function<void()> run = handler) run();
  if (onRefresh) onRefresh();
}

void QtHost::RegisterWindow(WindowId id, QWidget* window) {
  windows_[static_cast<int>(id)] = window;
}

QWidget* QtHost::Window(WindowId id) const { return windows_.value(static_cast<int>(id)); }

QWidget* QtHost::DialogParent() const {
  if (QWidget* active = QApplication::activeWindow()) return active;
  if (QWidget* main = Window(WindowId::Main); main != nullptr && main->isVisible()) return main;
  return Window(WindowId::Startup);
}

int QtHost::MsgBox(const std::string& text, int style) {
  ModalScope scope(*this);
  QMessageBox box(DialogParent());
  box.setWindowTitle(QApplication::applicationName());
  // The text can hold names from a file: never rich text.
  box.setTextFormat(Qt::PlainText);
  box.setText(Q(text));
  QMessageBox::StandardButtons buttons = QMessageBox::Ok;
  QMessageBox::Icon icon = QMessageBox::NoIcon;
  switch (style) {
    case kMsgCritical: icon = QMessageBox::Critical; break;
    case kMsgOkCancelQuestion:
      icon = QMessageBox::Question;
      buttons = QMessageBox::Ok | QMessageBox::Cancel;
      break;
    case kMsgYesNoCancelQuestion:
      icon = QMessageBox::Question;
      buttons = QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel;
      break;
    case kMsgYesNoQuestion:
      icon = QMessageBox::Question;
      buttons = QMessageBox::Yes | QMessageBox::No;
      break;
    case kMsgInformation: icon = QMessageBox::Information; break;
    case kMsgOkCancelInformation:
      icon = QMessageBox::Information;
      buttons = QMessageBox::Ok | QMessageBox::Cancel;
      break;
    default: break;
  }
  box.setIcon(icon);
  box.setStandardButtons(buttons);
  switch (box.exec()) {
    case QMessageBox::Ok: return kAnswerOk;
    case QMessageBox::Yes: return kAnswerYes;
    case QMessageBox::No: return kAnswerNo;
    default: return kAnswerCancel;
  }
}

QString QtHost::QtFilter(const std::string& filter) {
  // "Text|pattern|Text|pattern" gives "Text;;Text": Qt reads the patterns
  // from the parentheses of each text, so add them where the text has none.
  const QStringList parts = Q(filter).split('|');
  QStringList filters;
  for (int i = 0; i + 1 < parts.size(); i += 2) {
    QString text = parts[i];
    if (!text.contains('(')) text += " (" + parts[i + 1] + ")";
    filters << text;
  }
  return filters.join(";;");
}

std::optional<FileChoice> QtHost::ShowOpenDialog(const FileDialogRequest& request) {
  return ShowFileDialog(request, false);
}

std::optional<FileChoice> QtHost::ShowSaveDialog(const FileDialogRequest& request) {
  return ShowFileDialog(request, true);
}

QString QtHost::DialogStartPath(const FileDialogRequest& request) {
  const QString name = Q(request.fileName);
  // A proposed name with a folder of its own opens there; a bare name opens
  // in the requested folder.
  if (request.folder.empty() || name.contains('/') || QFileInfo(name).isAbsolute()) return name;
  return QDir(Q(request.folder)).filePath(name);
}

std::optional<FileChoice> QtHost::ShowFileDialog(const FileDialogRequest& request, bool save) {
  ModalScope scope(*this);
  QFileDialog dialog(DialogParent(), Q(request.title), DialogStartPath(request),
                     QtFilter(request.filter));
  dialog.setObjectName(save ? "SaveDialog" : "OpenDialog");
  dialog.setAcceptMode(save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
  dialog.setFileMode(save ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
  if (!request.defaultSuffix.empty()) {
    dialog.setDefaultSuffix(Q(request.defaultSuffix));
    // Qt's own dialog adds the suffix before its overwrite question; a
    // platform dialog may ask about the name as typed.
    if (save) dialog.setOption(QFileDialog::DontUseNativeDialog);
  }
  if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return std::nullopt;
  const QString path = dialog.selectedFiles().first();
  if (path.isEmpty()) return std::nullopt;
  return FileChoice{S(path), S(QFileInfo(path).fileName())};
}

void QtHost::StartTimer(TimerId id, int intervalMs) {
  const auto i = static_cast<size_t>(id);
  held_[i] = false;
  timers_[i]->start(intervalMs);
}

void QtHost::StopTimer(TimerId id) {
  const auto i = static_cast<size_t>(id);
  held_[i] = false;
  timers_[i]->stop();
}

void QtHost::Deliver(TimerId id) {
  if (modalDepth_ > 0) {
    held_[static_cast<size_t>(id)] = true;
    return;
  }
  if (onTimer) onTimer(id);
  if (onRefresh) onRefresh();
}

void QtHost::DeliverHeld() {
  for (size_t i = 0; i < held_.size() && modalDepth_ == 0; ++i) {
    if (held_[i]) {
      held_[i] = false;
      Deliver(static_cast<TimerId>(i));
    }
  }
  // A failure first: a download that failed is not reported as sent.
  if (arrivalHeld_) DeliverPortEvent(arrivalHeld_, serial_.onArrival);
  if (allSentHeld_) DeliverPortEvent(allSentHeld_, serial_.onAllSent);
}

void QtHost::ShowWindow(WindowId id) {
  if (QWidget* window = Window(id)) {
    switch (id) {
      case WindowId::Disassembly:
      case WindowId::PrintInformation:
      case WindowId::Equivalents:
        // Modal over the main window; show() returns at once and the
        // dialog's own events go to its model until it closes.
        window->setWindowModality(Qt::ApplicationModal);
        break;
      default:
        break;
    }
    window->show();
    window->raise();
    window->activateWindow();
  }
}

void QtHost::CloseWindow(WindowId id) {
  if (QWidget* window = Window(id)) window->hide();
}

void QtHost::SetWindowEnabled(WindowId id, bool enabled) {
  if (QWidget* window = Window(id)) window->setEnabled(enabled);
}

void QtHost::SetPointer(Pointer pointer) {
  const bool hourglass = pointer == Pointer::Hourglass;
  if (hourglass == hourglass_) return;
  hourglass_ = hourglass;
  if (hourglass) {
    QApplication::setOverrideCursor(Qt::WaitCursor);
  } else {
    QApplication::restoreOverrideCursor();
  }
}

// The run ends at once: exit() leaves the event loop without offering the
// windows a close first (quit() would ask each window again, and the main
// window answers a close with the quit question).
void QtHost::EndRun() { QApplication::exit(0); }

// ---- Printer ----------------------------------------------------------------------------

PrinterStatus QtHost::DefaultPrinterStatus() { return PrinterJob::Status(); }

bool QtHost::BeginPrintJob(const std::string& documentName) { return printJob_.Begin(documentName); }

bool QtHost::PrintPage(const PrinterPage& page) { return printJob_.Print(page); }

bool QtHost::EndPrintJob() { return printJob_.End(); }

void QtHost::AbortPrintJob() { printJob_.Abort(); }

}  // namespace parvix::ui
