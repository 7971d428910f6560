// The trainer link's serial port over QSerialPort: the device of each port
// number (see serial_devices.h) opened at 2400 baud, no parity, 8 data bits,
// 1 stop bit, no flow control.
//
// Writes are queued by QSerialPort and handed to the system from the event
// loop. Once QSerialPort holds nothing more, a helper thread waits in
// tcdrain until the system has transmitted everything (the driver's queue and
// the UART, or the USB adapter's buffer); its result comes back to the event
// loop as a queued call, which announces `allSent`. Nothing else ever runs off
// the user-interface thread, and the helper is joined before the device
// closes and before the port object goes away. Close keeps every byte
// written; Abort flushes the system's output queue, which also ends a
// helper's wait, joins it and lets the device go. Arrivals and failures are
// announced through `dataArrived`. The Qt host turns both signals into the
// core's handlers.
#pragma once

#include <QObject>
#include <QSerialPort>
#include <QString>
#include <thread>

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
  void Abort() override;

  // Bytes written and not yet handed to the system.
  qint64 Unsent() const { return device_.bytesToWrite(); }
  // The device the port last opened.
  QString DevicePath() const { return device_.portName(); }

 signals:
  // Bytes have arrived on the open port, or it has failed.
  void dataArrived();
  // Everything written to the open port has been transmitted.
  void allSent();

 private:
  void OnReadyRead();
  void OnError(QSerialPort::SerialPortError error);
  void OnBytesWritten();
  // Waits off the user-interface thread for the system to transmit what it
  // holds; OnDrained gets the result.
  void StartDrain();
  void OnDrained(quint64 ticket, bool drained);
  void JoinDrain();
  // Nothing more can be sent or received: the core learns it from its next
  // read, and closes the port.
  void Fail();
  // Joins the helper and lets the device go.
  void Shut();

  QSerialPort device_;
  bool failed_ = false;  // the open device has failed: reads and writes fail
  std::thread drain_;    // the helper waiting in tcdrain, if any
  bool drainAgain_ = false;  // more was handed on while the helper waited
  // Raised whenever the device is let go, so that a drain result still on
  // its way is not taken for the next opening's.
  quint64 ticket_ = 0;
};

}  // namespace parvix::ui
