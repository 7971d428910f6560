#include "support/fake_serial_port.h"

namespace parvix::testing {

SerialPort::OpenResult FakeSerialPort::Open(int portNumber) {
  if (IsOpen() || present.count(portNumber) == 0 || busy.count(portNumber) != 0) {
    return OpenResult::NotAvailable;
  }
  if (refusing.count(portNumber) != 0) return OpenResult::Failed;
  openPort = portNumber;
  opened.push_back(portNumber);
  failed = false;
  pending.clear();
  return OpenResult::Opened;
}

bool FakeSerialPort::Write(std::string_view bytes) {
  if (!IsOpen() || failed) return false;
  if (failWriteAt >= 0 && writes >= failWriteAt) return false;
  ++writes;
  sent += bytes;
  queued += bytes.size();
  return true;
}

std::optional<std::string> FakeSerialPort::Read() {
  if (!IsOpen() || failed) return std::nullopt;
  std::string bytes;
  bytes.swap(pending);
  return bytes;
}

void FakeSerialPort::Close() {
  if (!IsOpen()) return;
  openPort = 0;
  dtr = rts = false;
  queued = 0;  // what had not left still goes out
}

void FakeSerialPort::Abort() {
  dropped += queued;
  Close();
}

void FakeSerialPort::Arrive(const std::string& bytes) {
  if (!IsOpen()) return;
  pending += bytes;
  if (onArrival) onArrival();
}

void FakeSerialPort::SendQueued() {
  if (!IsOpen() || failed || queued == 0) return;
  queued = 0;
  if (const auto handler = onAllSent) handler();
}

void FakeSerialPort::Fail() {
  failed = true;
  if (onArrival) onArrival();
}

}  // namespace parvix::testing
