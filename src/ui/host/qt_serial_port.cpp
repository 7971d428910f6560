#include "ui/host/qt_serial_port.h"

#include <sys/ioctl.h>

#include "ui/host/serial_devices.h"

namespace parvix::ui {

namespace {

constexpr int kDrainPollMs = 20;
// A closed port whose queue has not moved for this long (the other end
// stopped reading) is let go with what is left.
constexpr int kDrainStallTicks = 30000 / kDrainPollMs;

}  // namespace

QtSerialPort::QtSerialPort(QObject* parent) : QObject(parent) {
  drainTimer_.setInterval(kDrainPollMs);
  connect(&drainTimer_, &QTimer::timeout, this, &QtSerialPort::CheckDrained);
  connect(&device_, &QSerialPort::readyRead, this, &QtSerialPort::OnReadyRead);
  connect(&device_, &QSerialPort::errorOccurred, this, &QtSerialPort::OnError);
}

QtSerialPort::~QtSerialPort() {
  drainTimer_.stop();
  device_.close();
}

SerialPort::OpenResult QtSerialPort::Open(int portNumber) {
  // One device at a time, and not while the last one is still sending.
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
  open_ = true;
  failed_ = false;
  return OpenResult::Opened;
}

// Pseudo-terminals and some adapters have no modem-control lines: Qt then
// reports an unsupported operation, which is no reason to stop a transfer.
void QtSerialPort::SetDtr(bool on) {
  if (open_ && !device_.setDataTerminalReady(on)) device_.clearError();
}

void QtSerialPort::SetRts(bool on) {
  if (open_ && !device_.setRequestToSend(on)) device_.clearError();
}

bool QtSerialPort::Write(std::string_view bytes) {
  if (!open_ || failed_) return false;
  const qint64 size = static_cast<qint64>(bytes.size());
  return device_.write(bytes.data(), size) == size;
}

std::optional<std::string> QtSerialPort::Read() {
  if (!open_ || failed_) return std::nullopt;
  const QByteArray bytes = device_.readAll();
  return std::string(bytes.constData(), static_cast<size_t>(bytes.size()));
}

void QtSerialPort::Close() {
  if (!open_) return;
  open_ = false;
  if (failed_) {
    device_.close();
    return;
  }
  lastQueued_ = -1;
  idleDrainTicks_ = 0;
  CheckDrained();
  if (device_.isOpen()) drainTimer_.start();
}

qint64 QtSerialPort::DriverOutputQueue() const {
  int queued = 0;
  if (::ioctl(static_cast<int>(device_.handle()), TIOCOUTQ, &queued) != 0) return 0;
  return queued;
}

void QtSerialPort::CheckDrained() {
  const qint64 queued = device_.bytesToWrite() + DriverOutputQueue();
  if (queued > 0 && queued == lastQueued_) {
    ++idleDrainTicks_;
  } else {
    idleDrainTicks_ = 0;
  }
  lastQueued_ = queued;
  if (queued > 0 && idleDrainTicks_ < kDrainStallTicks) return;
  drainTimer_.stop();
  device_.close();
}

void QtSerialPort::OnReadyRead() {
  if (open_ && !failed_) {
    emit dataArrived();
  } else {
    device_.readAll();  // nothing is wanted from a closing port
  }
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
  failed_ = true;
  if (open_) {
    emit dataArrived();
  } else {
    // Nothing more can be sent: let the device go.
    drainTimer_.stop();
    QTimer::singleShot(0, this, [this] {
      if (!open_) device_.close();
    });
  }
}

}  // namespace parvix::ui
