#include "ui/host/serial_devices.h"

#include <QSerialPortInfo>
#include <algorithm>
#include <cstdlib>
#include <tuple>

namespace parvix::ui {

namespace {

// The group of a device path in the order above, and its number in the group.
std::tuple<int, long, std::string> SortKey(const std::string& path) {
  static const char* const kGroups[] = {"/dev/ttyS", "/dev/ttyUSB", "/dev/ttyACM"};
  for (int group = 0; group < 3; ++group) {
    const std::string prefix = kGroups[group];
    if (path.size() > prefix.size() && path.compare(0, prefix.size(), prefix) == 0 &&
        std::all_of(path.begin() + prefix.size(), path.end(),
                    [](char c) { return c >= '0' && c <= '9'; })) {
      return {group, std::strtol(path.c_str() + prefix.size(), nullptr, 10), std::string()};
    }
  }
  return {3, 0, path};
}

}  // namespace

std::vector<std::string> OrderSerialDevices(std::vector<std::string> devices) {
  std::sort(devices.begin(), devices.end(),
            [](const std::string& a, const std::string& b) { return SortKey(a) < SortKey(b); });
  devices.erase(std::unique(devices.begin(), devices.end()), devices.end());
  return devices;
}

std::string SerialDeviceFor(int portNumber, const char* environmentValue,
                            const std::vector<std::string>& presentInOrder) {
  if (environmentValue != nullptr && *environmentValue != '\0') return environmentValue;
  if (portNumber < 1 || portNumber > static_cast<int>(presentInOrder.size())) return {};
  return presentInOrder[portNumber - 1];
}

std::string SerialDeviceFor(int portNumber) {
  const std::string variable = "PARVIX_COMM" + std::to_string(portNumber);
  const char* value = std::getenv(variable.c_str());
  if (value != nullptr && *value != '\0') return value;
  std::vector<std::string> devices;
  for (const QSerialPortInfo& info : QSerialPortInfo::availablePorts()) {
    devices.push_back(info.systemLocation().toStdString());
  }
  return SerialDeviceFor(portNumber, nullptr, OrderSerialDevices(std::move(devices)));
}

}  // namespace parvix::ui
