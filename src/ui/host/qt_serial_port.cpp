#include "ui/host/qt_serial_port.h"

#include <sys/ioctl.h>

#include <QSignalBlocker>

#include "ui/host/serial_devices.h"

namespace parvix::ui {

namespace {

// How often the queues are looked at while bytes are on their way; a byte
// takes about 4 ms at 2,400 baud.
constexpr int kSendPollMs = 20;

}  // namespace

QtSerialPort::QtSerialPort(QObject* parent) : QObject(parent) {
  sendTimer_.setInterval(kSendPollMs);
  connect(&sendTimer_, &QTimer::timeout, this, &QtSerialPort::CheckSent);
  connect(&device_, &QSerialPort::readyRead, this, &QtSerialPort::OnReadyRead);
  connect(&device_, &QSerialPort::errorOccurred, this, &QtSerialPort::OnError);
}

QtSerialPort::~QtSerialPort() { Close(); }

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
  if (device_.write(bytes.data(), size) != size) return false;
  if (!sendTimer_.isActive()) sendTimer_.start();
  return true;
}

std::optional<std::string> QtSerialPort::Read() {
  if (!device_.isOpen() || failed_) return std::nullopt;
  const QByteArray bytes = device_.readAll();
  return std::string(bytes.constData(), static_cast<size_t>(bytes.size()));
}

void QtSerialPort::Close() {
  sendTimer_.stop();
  if (!device_.isOpen()) return;
  {
    // Drop what has not left, from Qt's queue and the driver's, so that the
    // close does not wait for it; a failure to do so changes nothing now.
    const QSignalBlocker quiet(device_);
    device_.clear(QSerialPort::Output);
    device_.clearError();
  }
  device_.close();
  failed_ = false;
}

qint64 QtSerialPort::DriverOutputQueue() const {
  int queued = 0;
  if (::ioctl(static_cast<int>(device_.handle()), TIOCOUTQ, &queued) != 0) return 0;
  return queued;
}

void QtSerialPort::CheckSent() {
  if (!device_.isOpen() || failed_) {
    sendTimer_.stop();
    return;
  }
  if (device_.bytesToWrite() + DriverOutputQueue() > 0) return;
  sendTimer_.stop();
  emit allSent();
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
  // Nothing more can be sent or received: the core learns it from its next
  // read, and closes the port.
  failed_ = true;
  sendTimer_.stop();
  emit dataArrived();
}

}  // namespace parvix::ui
