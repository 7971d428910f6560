#include "base/text_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <csignal>
#include <filesystem>
#include <fstream>
#include <new>
#include <random>

namespace parvix {

namespace fs = std::filesystem;

namespace {

constexpr int kTemporaryNameAttempts = 64;
constexpr int kMaxLinkDepth = 40;  // as the system's own path lookup

// Paths pass through the program as UTF-8 text.
fs::path PathFromUtf8(const std::string& text) {
  return fs::path(std::u8string(text.begin(), text.end()));
}

// The file a save writes: the path itself, or for a symbolic link (also one
// whose target does not exist yet) the file at the end of the chain of
// links, so that the link stays and its target gets the new contents.
std::optional<fs::path> SaveTarget(fs::path path) {
  for (int depth = 0; depth < kMaxLinkDepth; ++depth) {
    std::error_code ec;
    if (!fs::is_symlink(path, ec)) return path;
    fs::path next = fs::read_symlink(path, ec);
    if (ec) return std::nullopt;
    path = next.is_absolute() ? next : path.parent_path() / next;
  }
  return std::nullopt;  // a loop of links
}

// Writes all of `bytes` to `fd`, through short writes and interruptions. A
// write that stops short at the file-size limit is followed by one that
// fails (EFBIG), which ends the loop as any other failure does.
bool WriteAll(int fd, std::string_view bytes) {
  while (!bytes.empty()) {
    const ssize_t written = ::write(fd, bytes.data(), bytes.size());
    if (written < 0) {
      if (errno == EINTR) continue;
      return false;
    }
    if (written == 0) return false;  // no progress: never loop on it
    bytes.remove_prefix(static_cast<size_t>(written));
  }
  return true;
}

// Forces a folder's entries to disk, so that a finished rename survives a
// power cut. Not every file system can sync a folder; that is no failure.
void SyncFolder(const fs::path& folder) {
  const int fd = ::open(folder.empty() ? "." : folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (fd < 0) return;
  ::fsync(fd);
  ::close(fd);
}

// A temporary file beside `target`, created exclusively (never an existing
// file or link) and only readable as the target allows: `mode` is the
// target's permissions, or the default of a new file. The name is short, so
// that it fits wherever the target's name fits.
int CreateTemporaryBeside(const fs::path& target, mode_t mode, fs::path& temporary) {
  static std::mt19937 random(static_cast<unsigned>(
      std::chrono::steady_clock::now().time_since_epoch().count() ^ ::getpid()));
  static constexpr char kDigits[] = "0123456789abcdefghijklmnopqrstuvwxyz";
  for (int attempt = 0; attempt < kTemporaryNameAttempts; ++attempt) {
    std::string name = ".~pvx";
    for (int i = 0; i < 6; ++i) name += kDigits[random() % 36];
    temporary = target.parent_path() / name;
    const int fd = ::open(temporary.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, mode);
    if (fd >= 0) return fd;
    if (errno != EEXIST) return -1;
  }
  return -1;
}

}  // namespace

std::optional<std::string> ReadFileBytes(const std::string& path, std::size_t maxBytes) {
  try {
    std::error_code ec;
    const fs::path file = PathFromUtf8(path);
    if (!fs::is_regular_file(file, ec)) return std::nullopt;
    const std::uintmax_t size = fs::file_size(file, ec);
    if (ec || size > maxBytes) return std::nullopt;

    std::ifstream in(file, std::ios::binary);
    if (!in) return std::nullopt;
    std::string bytes;
    bytes.reserve(static_cast<std::size_t>(size));
    // Read in pieces up to the limit, in case the file grows while it is read.
    char buffer[1 << 16];
    while (in) {
      in.read(buffer, sizeof buffer);
      const auto got = static_cast<std::size_t>(in.gcount());
      if (bytes.size() + got > maxBytes) return std::nullopt;
      bytes.append(buffer, got);
    }
    if (in.bad()) return std::nullopt;
    return bytes;
  } catch (const std::bad_alloc&) {
    return std::nullopt;  // more than memory can hold: the file is refused
  } catch (const std::length_error&) {
    return std::nullopt;
  }
}

bool FileLargerThan(const std::string& path, std::size_t maxBytes) {
  std::error_code ec;
  const fs::path file = PathFromUtf8(path);
  if (!fs::is_regular_file(file, ec)) return false;
  const std::uintmax_t size = fs::file_size(file, ec);
  return !ec && size > maxBytes;
}

bool WriteFileReplacing(const std::string& path, std::string_view bytes) {
  std::error_code ec;
  const fs::path given = PathFromUtf8(path);
  if (given.empty() || !given.has_filename()) return false;
  const std::optional<fs::path> resolved = SaveTarget(given);
  if (!resolved) return false;
  const fs::path& target = *resolved;

  // A read-only file stays as it is, as it would if it were written in place.
  struct stat old {};
  const bool replacing = ::stat(target.c_str(), &old) == 0;
  if (replacing) {
    if (!S_ISREG(old.st_mode) || (old.st_mode & (S_IWUSR | S_IWGRP | S_IWOTH)) == 0) return false;
  } else if (errno != ENOENT) {
    return false;
  }
  const mode_t mode = replacing ? (old.st_mode & 07777) : 0666;  // a new file: less the umask

  fs::path temporary;
  const int fd = CreateTemporaryBeside(target, mode, temporary);
  if (fd < 0) return false;
  bool ok = true;
  if (replacing) {
    // Owner and group as before where the process may give them; then the
    // exact permissions, which the umask may have narrowed and a change of
    // owner may have cleared. The file is still empty meanwhile.
    if (old.st_uid != ::geteuid() || old.st_gid != ::getegid()) {
      if (::fchown(fd, old.st_uid, old.st_gid) != 0) (void)::fchown(fd, static_cast<uid_t>(-1), old.st_gid);
    }
    ok = ::fchmod(fd, mode) == 0;
  }
  ok = ok && WriteAll(fd, bytes);
  ok = ok && ::fsync(fd) == 0;  // the data is on disk before the name points at it
  ok = (::close(fd) == 0) && ok;
  if (ok) ok = ::rename(temporary.c_str(), target.c_str()) == 0;
  if (!ok) {
    ::unlink(temporary.c_str());
    return false;
  }
  SyncFolder(target.parent_path());
  return true;
}

void IgnoreFileSizeLimitSignal() { std::signal(SIGXFSZ, SIG_IGN); }

}  // namespace parvix
