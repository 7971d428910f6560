// The trainer link's serial port over QSerialPort: the device of each port
// number (see serial_devices.h) opened at 2400 baud, no parity, 8 data bits,
// 1 stop bit, no flow control.
//
// Writes are queued by QSerialPort and sent from the event loop. Closing
// never drops them: the port stays in use, still sending, until QSerialPort's
// queue and the driver's output queue are both empty, and only then lets the
// device go. Arrivals and failures are announced through `dataArrived`, which
// the Qt host turns into the core's arrival handler.
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
  bool IsOpen() const override { return open_; }
  void SetDtr(bool on) override;
  void SetRts(bool on) override;
  bool Write(std::string_view bytes) override;
  std::optional<std::string> Read() override;
  void Close() override;

  // True while a closed port is still sending what was written to it.
  bool Draining() const { return !open_ && device_.isOpen(); }
  // The device the port last opened.
  QString DevicePath() const { return device_.portName(); }

 signals:
  // Bytes have arrived on the open port, or it has failed.
  void dataArrived();

 private:
  void OnReadyRead();
  void OnError(QSerialPort::SerialPortError error);
  // Closes the device once nothing is left to send.
  void CheckDrained();
  qint64 DriverOutputQueue() const;

  QSerialPort device_;
  QTimer drainTimer_;
  bool open_ = false;    // open for the core (a closing device may still send)
  bool failed_ = false;  // the open device has failed: reads and writes fail
  qint64 lastQueued_ = 0;
  int idleDrainTicks_ = 0;
};

}  // namespace parvix::ui
