#include "ui/host/qt_serial_port.h"

#include <termios.h>

#include <QSignalBlocker>
#include <cerrno>

#include "ui/host/serial_devices.h"

namespace parvix::ui {

namespace {

// An ordinary close hands on what QSerialPort still holds; a device that
// takes none of it for this long is let go with the rest.
constexpr int kCloseWaitMs = 1000;

}  // namespace

QtSerialPort::QtSerialPort(QObject* parent) : QObject(parent) {
  connect(&device_, &QSerialPort::readyRead, this, &QtSerialPort::OnReadyRead);
  connect(&device_, &QSerialPort::errorOccurred, this, &QtSerialPort::OnError);
  connect(&device_, &QSerialPort::bytesWritten, this, &QtSerialPort::OnBytesWritten);
}

QtSerialPort::~QtSerialPort() {
  Abort();
  JoinDrain();
}

SerialPort::OpenResult QtSerialPort::Open(int portNumber) {
  // One device at a time.
  if (device_.isOpen()) return OpenResult::NotAvailable;
  const std::string path = SerialDeviceFor(portNumber);
  if (path.empty()) return OpenResult::NotAvailable;
  device_.setPortName(QString::fromStdString(path));
  device_.setBaudRate(kTrainerBaudRate);
  device_.setDataBits(QSerialPort::Data8);
  device_.setParity(QSerialPort::NoParity);
  device_.setStopBits(QSerialPort::OneStop);
  device_.setFlowControl(QSerialPort::NoFlowControl);
  if (!device_.open(QIODevice::ReadWrite)) {
    const QSerialPort::SerialPortError error = device_.error();
    device_.clearError();
    switch (error) {
      case QSerialPort::DeviceNotFoundError:
      case QSerialPort::PermissionError:  // locked by another program, or not ours
      case QSerialPort::OpenError:
        return OpenResult::NotAvailable;
      default:
        return OpenResult::Failed;
    }
  }
  failed_ = false;
  return OpenResult::Opened;
}

// Pseudo-terminals and some adapters have no modem-control lines: Qt then
// reports an unsupported operation, which is no reason to stop a transfer.
void QtSerialPort::SetDtr(bool on) {
  if (device_.isOpen() && !device_.setDataTerminalReady(on)) device_.clearError();
}

void QtSerialPort::SetRts(bool on) {
  if (device_.isOpen() && !device_.setRequestToSend(on)) device_.clearError();
}

bool QtSerialPort::Write(std::string_view bytes) {
  if (!device_.isOpen() || failed_) return false;
  const qint64 size = static_cast<qint64>(bytes.size());
  return device_.write(bytes.data(), size) == size;
}

std::optional<std::string> QtSerialPort::Read() {
  if (!device_.isOpen() || failed_) return std::nullopt;
  const QByteArray bytes = device_.readAll();
  return std::string(bytes.constData(), static_cast<size_t>(bytes.size()));
}

void QtSerialPort::Close() {
  if (!device_.isOpen()) return;
  // Whatever QSerialPort still holds is handed on; the system sends what it
  // holds before the device is released (a serial driver drains on close).
  while (!failed_ && device_.bytesToWrite() > 0 && device_.waitForBytesWritten(kCloseWaitMs)) {
  }
  Shut();
}

void QtSerialPort::Abort() {
  if (!device_.isOpen()) return;
  {
    // Drop what has not been sent, from QSerialPort's queue and the
    // system's; the flush also ends a helper's wait in tcdrain. A failure to
    // flush changes nothing now.
    const QSignalBlocker quiet(device_);
    device_.clear(QSerialPort::Output);
    device_.clearError();
  }
  Shut();
}

void QtSerialPort::Shut() {
  ++ticket_;
  // The helper may still use the descriptor: it is joined before the close.
  JoinDrain();
  {
    const QSignalBlocker quiet(device_);
    device_.close();
    device_.clearError();
  }
  failed_ = false;
}

void QtSerialPort::OnBytesWritten() {
  if (failed_ || device_.bytesToWrite() > 0) return;
  StartDrain();
}

void QtSerialPort::StartDrain() {
  if (drain_.joinable()) {
    drainAgain_ = true;  // the helper's result will not cover these bytes
    return;
  }
  const int fd = static_cast<int>(device_.handle());
  const quint64 ticket = ticket_;
  drain_ = std::thread([this, fd, ticket] {
    int result;
    do {
      result = ::tcdrain(fd);
    } while (result != 0 && errno == EINTR);
    const bool drained = result == 0;
    // The object outlives the helper (it is joined first); a call still
    // queued when the object goes is dropped with it.
    QMetaObject::invokeMethod(
        this, [this, ticket, drained] { OnDrained(ticket, drained); }, Qt::QueuedConnection);
  });
}

void QtSerialPort::OnDrained(quint64 ticket, bool drained) {
  if (ticket != ticket_) return;  // a device let go since
  JoinDrain();
  if (failed_) return;
  if (!drained) {
    Fail();
    return;
  }
  if (drainAgain_) {
    drainAgain_ = false;
    if (device_.bytesToWrite() == 0) StartDrain();
    return;
  }
  // Bytes written since are still with QSerialPort: their own hand-over
  // starts the next wait.
  if (device_.bytesToWrite() > 0) return;
  emit allSent();
}

void QtSerialPort::JoinDrain() {
  if (drain_.joinable()) drain_.join();
  drainAgain_ = false;
}

void QtSerialPort::OnReadyRead() {
  if (!failed_) emit dataArrived();
}

void QtSerialPort::OnError(QSerialPort::SerialPortError error) {
  switch (error) {
    case QSerialPort::ResourceError:  // the device went away
    case QSerialPort::ReadError:
    case QSerialPort::WriteError:
      break;
    default:
      return;
  }
  device_.clearError();
  if (failed_ || !device_.isOpen()) return;
  Fail();
}

void QtSerialPort::Fail() {
  failed_ = true;
  emit dataArrived();
}

}  // namespace parvix::ui
