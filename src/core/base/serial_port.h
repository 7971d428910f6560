// The serial port as the core sees it: one port of the machine, opened by its
// number (Comm1 to Comm4) with the trainer's fixed settings, 2400 baud, no
// parity, 8 data bits, 1 stop bit and no flow control. The Qt host implements
// it over QSerialPort; tests use an in-memory port.
//
// Everything the core sees runs on the user-interface thread. Bytes that
// arrive are kept by the port until the core reads them; the port tells the
// core that something arrived through the arrival handler, and that
// everything written has been transmitted through the all-sent handler, both
// called from the event loop (never from inside one of the calls below), so
// a waiting core needs no polling loop.
//
// A transfer ends in one of two ways. Close is its ordinary end and never
// drops a byte written; Abort stops it, dropping what has not been sent.
#pragma once

#include <functional>
#include <optional>
#include <string>
#include <string_view>

namespace parvix {

// The trainer link's settings, as the serial layer applies them.
inline constexpr int kTrainerBaudRate = 2400;

class SerialPort {
 public:
  enum class OpenResult {
    Opened,
    NotAvailable,  // no such port, or it is in use (by this program or another)
    Failed,        // anything else: the device refused the settings, ...
  };

  virtual ~SerialPort() = default;

  // Opens port `portNumber` (1 to 4). A port that is already open is in use.
  virtual OpenResult Open(int portNumber) = 0;
  // True from a successful Open until Close.
  virtual bool IsOpen() const = 0;

  // The modem-control lines. A port that has none (a pseudo-terminal, some
  // USB adapters) ignores them: the transfer goes on without.
  virtual void SetDtr(bool on) = 0;
  virtual void SetRts(bool on) = 0;

  // Queues `bytes` for sending, after everything written before; false when
  // the port is not open or has failed. Written bytes go out in order, at the
  // line's speed (2,400 baud: about 240 bytes a second).
  virtual bool Write(std::string_view bytes) = 0;

  // Everything received since the last read (possibly nothing); nothing at
  // all when the port is not open or has failed (the device went away).
  virtual std::optional<std::string> Read() = 0;

  // Closes the port and lets the device go, keeping every byte written:
  // whatever has not been sent yet still goes out. The core closes so once
  // the port has reported everything sent, or once the trainer has answered,
  // so nothing is left to wait for then. Nothing arrives after Close.
  // Closing a closed port does nothing.
  virtual void Close() = 0;
  // Stops at once: bytes written and not yet sent are dropped, and the device
  // is let go. For a transfer the user stops or a port that failed. Nothing
  // arrives after Abort. Aborting a closed port does nothing.
  virtual void Abort() = 0;

  // Called when bytes have arrived, and when the open port fails, so that a
  // waiting reader learns of it from its next Read (and a writer that waits
  // for its bytes to go learns that they never will). Empty for none.
  std::function<void()> onArrival;
  // Called when the port holds no byte written that it has not handed on,
  // and the system reports everything transmitted: on a serial line down to
  // the line itself, with the driver's queue and the device's own buffer
  // empty. (A pseudo-terminal reports it once its reader can have the bytes;
  // it cannot tell when they are read.) A port that fails first never calls
  // it. Empty for none.
  std::function<void()> onAllSent;
};

}  // namespace parvix
