// The machine's processes as /proc lists them: enough to find the processes
// below a given one and to tell a running process from a finished one, or
// from a later process that was given the same id. Plain C++ without Qt, so
// the process keeper (support/keeper) reads the table through it too.
#pragma once

#include <dirent.h>
#include <sys/types.h>

#include <cctype>
#include <fstream>
#include <optional>
#include <sstream>
#include <string>
#include <vector>

namespace parvix::testing {

struct ProcEntry {
  pid_t pid = 0;
  pid_t parent = 0;
  char state = '?';
  unsigned long long started = 0;  // clock ticks after boot
  std::string name;

  // False for a process that has ended but was not yet collected by its parent.
  bool Running() const { return state != 'Z' && state != 'X' && state != 'x'; }
};

// The process `pid`, if there is one.
inline std::optional<ProcEntry> ReadProc(pid_t pid) {
  std::ifstream file("/proc/" + std::to_string(pid) + "/stat");
  std::string line;
  if (!std::getline(file, line)) return std::nullopt;
  // "pid (name) state parent ..." with the start time the 22nd field; the name
  // may itself hold blanks and parentheses, so it ends at the last ')'.
  const size_t open = line.find('('), close = line.rfind(')');
  if (open == std::string::npos || close == std::string::npos || close < open) return std::nullopt;
  ProcEntry entry;
  entry.pid = pid;
  entry.name = line.substr(open + 1, close - open - 1);
  std::istringstream rest(line.substr(close + 1));
  rest >> entry.state >> entry.parent;
  std::string skipped;
  for (int field = 5; field < 22; ++field) rest >> skipped;
  rest >> entry.started;
  if (!rest) return std::nullopt;
  return entry;
}

// Every process on the machine.
inline std::vector<ProcEntry> ReadProcTable() {
  std::vector<ProcEntry> table;
  DIR* proc = ::opendir("/proc");
  if (proc == nullptr) return table;
  while (const dirent* item = ::readdir(proc)) {
    if (!std::isdigit(static_cast<unsigned char>(item->d_name[0]))) continue;
    if (auto entry = ReadProc(static_cast<pid_t>(std::stol(item->d_name)))) table.push_back(*entry);
  }
  ::closedir(proc);
  return table;
}

// The processes below `root`: its children, theirs, and so on.
inline std::vector<ProcEntry> Descendants(pid_t root) {
  const std::vector<ProcEntry> table = ReadProcTable();
  std::vector<ProcEntry> below;
  std::vector<pid_t> parents{root};
  while (!parents.empty()) {
    const pid_t parent = parents.back();
    parents.pop_back();
    for (const ProcEntry& entry : table) {
      if (entry.parent != parent) continue;
      below.push_back(entry);
      parents.push_back(entry.pid);
    }
  }
  return below;
}

// Whether the process `seen` earlier still runs (not another one with its id).
inline bool StillRunning(const ProcEntry& seen) {
  const std::optional<ProcEntry> now = ReadProc(seen.pid);
  return now && now->started == seen.started && now->Running();
}

}  // namespace parvix::testing
