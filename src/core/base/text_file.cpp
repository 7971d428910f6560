#include "base/text_file.h"

#include <atomic>
#include <chrono>
#include <filesystem>
#include <fstream>

namespace parvix {

namespace fs = std::filesystem;

namespace {

constexpr int kTemporaryNameAttempts = 64;

// Paths pass through the program as UTF-8 text.
fs::path PathFromUtf8(const std::string& text) {
  return fs::path(std::u8string(text.begin(), text.end()));
}

// A name beside `target` that no file has yet: "prog.zvt.~1f3a-2".
std::optional<fs::path> TemporaryNameBeside(const fs::path& target) {
  static std::atomic<unsigned> serial{0};
  const auto ticks = static_cast<unsigned long long>(
      std::chrono::steady_clock::now().time_since_epoch().count());
  for (int attempt = 0; attempt < kTemporaryNameAttempts; ++attempt) {
    fs::path candidate = target;
    candidate += ".~" + std::to_string(ticks % 1000003) + "-" + std::to_string(serial++);
    std::error_code ec;
    const fs::file_status status = fs::symlink_status(candidate, ec);
    if (status.type() == fs::file_type::not_found) return candidate;
  }
  return std::nullopt;
}

}  // namespace

std::optional<std::string> ReadFileBytes(const std::string& path, std::size_t maxBytes) {
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
}

bool WriteFileReplacing(const std::string& path, std::string_view bytes) {
  std::error_code ec;
  fs::path target = PathFromUtf8(path);
  if (target.empty() || !target.has_filename()) return false;
  // Replace the file a link points to, not the link itself.
  if (fs::is_symlink(target, ec)) {
    fs::path resolved = fs::weakly_canonical(target, ec);
    if (ec) return false;
    target = resolved;
  }
  // A read-only file stays as it is, as it would if it were written in place.
  const fs::file_status old = fs::status(target, ec);
  const bool replacing = !ec && fs::exists(old);
  if (replacing) {
    constexpr auto kAnyWrite = fs::perms::owner_write | fs::perms::group_write | fs::perms::others_write;
    if (!fs::is_regular_file(old) || (old.permissions() & kAnyWrite) == fs::perms::none) return false;
  }
  const std::optional<fs::path> temporary = TemporaryNameBeside(target);
  if (!temporary) return false;

  {
    std::ofstream out(*temporary, std::ios::binary | std::ios::trunc);
    if (!out) return false;
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    out.flush();
    out.close();
    if (out.fail()) {
      fs::remove(*temporary, ec);
      return false;
    }
  }
  // The new file keeps the permissions of the one it replaces.
  if (replacing) fs::permissions(*temporary, old.permissions(), ec);

  fs::rename(*temporary, target, ec);
  if (ec) {
    std::error_code ignored;
    fs::remove(*temporary, ignored);
    return false;
  }
  return true;
}

}  // namespace parvix
