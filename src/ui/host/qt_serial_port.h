// The trainer link's serial port over QSerialPort: the device of each port
// number (see serial_devices.h) opened at 2400 baud, no parity, 8 data bits,
// 1 stop bit, no flow control.
//
// Writes are queued by QSerialPort and sent from the event loop. While
// anything written is on its way, a timer watches QSerialPort's queue and the
// driver's output queue; once both are empty the bytes have left the UART and
// `allSent` is announced. Closing drops whatever has not left and lets the
// device go at once. Arrivals and failures are announced through
// `dataArrived`. The Qt host turns both signals into the core's handlers.
#pragma once

#include <QObject>
#include <QSerialPort>
#include <QTimer>
#include <QString>

#include "base/serial_port.h"

namespace parvix::ui {

class QtSerialPort : public QObject, public SerialPort {
  Q_OBJECT

 public:
  explicit QtSerialPort(QObject* parent = nullptr);
  ~QtSerialPort() override;

  OpenResult Open(int portNumber) override;
  bool IsOpen() const override { return device_.isOpen(); }
  void SetDtr(bool on) override;
  void SetRts(bool on) override;
  bool Write(std::string_view bytes) override;
  std::optional<std::string> Read() override;
  void Close() override;

  // The device the port last opened.
  QString DevicePath() const { return device_.portName(); }

 signals:
  // Bytes have arrived on the open port, or it has failed.
  void dataArrived();
  // Everything written to the open port has left it.
  void allSent();

 private:
  void OnReadyRead();
  void OnError(QSerialPort::SerialPortError error);
  // Announces `allSent` once nothing written is left to send.
  void CheckSent();
  qint64 DriverOutputQueue() const;

  QSerialPort device_;
  QTimer sendTimer_;
  bool failed_ = false;  // the open device has failed: reads and writes fail
};

}  // namespace parvix::ui
