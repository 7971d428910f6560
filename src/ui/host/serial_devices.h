// Which device each of the program's port numbers (Comm1 to Comm4) opens on
// this machine.
//
// Port n opens the device named by the environment variable PARVIX_COMMn
// when it is set (any path: a pseudo-terminal, an unusual adapter). Without
// it, port n is the n-th serial device present, in this order:
//   1. built-in ports /dev/ttyS0, /dev/ttyS1, ... (only those with a UART),
//   2. USB serial adapters /dev/ttyUSB0, /dev/ttyUSB1, ...,
//   3. USB boards of the modem class /dev/ttyACM0, /dev/ttyACM1, ...,
//   4. any other serial device, by name.
// The list is taken anew at each open, so an adapter plugged in after the
// program started is found.
#pragma once

#include <string>
#include <vector>

namespace parvix::ui {

// `devices` in the order above (numbers compared as numbers).
std::vector<std::string> OrderSerialDevices(std::vector<std::string> devices);

// The device port `portNumber` (1 to 4) opens, given the environment
// variable's value (null when unset) and the devices present in order;
// empty when there is none.
std::string SerialDeviceFor(int portNumber, const char* environmentValue,
                            const std::vector<std::string>& presentInOrder);

// The same for this machine now: the environment and the devices that Qt
// finds.
std::string SerialDeviceFor(int portNumber);

}  // namespace parvix::ui
