// An in-memory serial port for core tests: it records what the core opens,
// writes and sets, and a test plays the trainer by making bytes arrive.
#pragma once

#include <cstddef>
#include <set>
#include <string>
#include <vector>

#include "base/serial_port.h"

namespace parvix::testing {

class FakeSerialPort : public SerialPort {
 public:
  // Ports that exist; a port number not here is missing.
  std::set<int> present = {1, 2, 3, 4};
  // Ports used by another program: opening them finds them in use.
  std::set<int> busy;
  // Ports that open but refuse the settings.
  std::set<int> refusing;
  // Writes fail from the write with this index on (0: the first); -1 never.
  int failWriteAt = -1;

  int openPort = 0;              // the port number open now, 0 when closed
  std::vector<int> opened;       // every port number opened, in order
  bool dtr = false;
  bool rts = false;
  int writes = 0;                   // Write calls that succeeded
  std::string sent;                 // all bytes written, in order
  size_t queued = 0;                // of those, how many have not left the port yet
  size_t dropped = 0;               // of those, how many an abort threw away
  std::string pending;              // arrived and not read yet
  bool failed = false;              // the open device went away

  OpenResult Open(int portNumber) override;
  bool IsOpen() const override { return openPort != 0; }
  void SetDtr(bool on) override { if (IsOpen()) dtr = on; }
  void SetRts(bool on) override { if (IsOpen()) rts = on; }
  bool Write(std::string_view bytes) override;
  std::optional<std::string> Read() override;
  // The ordinary close lets what is queued still leave; an abort drops it.
  void Close() override;
  void Abort() override;

  // The trainer sends `bytes`: they wait in the port and the arrival handler
  // runs, as the event loop would run it.
  void Arrive(const std::string& bytes);
  // Everything written so far leaves the port: the all-sent handler runs, as
  // the event loop would run it. Until then written bytes stay queued.
  void SendQueued();
  // The device goes away while open (a USB adapter pulled out).
  void Fail();
};

}  // namespace parvix::testing
