// Whole-file reads and safe whole-file writes for the files the user opens
// and saves. A write goes to a temporary file beside the target and is renamed
// over the old file only when every byte is written, so a failed save (disk
// full, no permission, bad folder) never destroys the previous file.
// Failures are reported as values; nothing here throws.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace parvix {

// The largest file ReadFileBytes reads; anything bigger is refused rather
// than loaded (no program or hex file of the system comes near it).
inline constexpr std::size_t kMaxReadFileBytes = 256u << 20;

// The whole contents of the file at `path` (UTF-8), or nothing when it cannot
// be opened or read, is not a regular file, or is larger than `maxBytes`.
std::optional<std::string> ReadFileBytes(const std::string& path,
                                         std::size_t maxBytes = kMaxReadFileBytes);

// Writes `bytes` as the new contents of the file at `path` (UTF-8), through a
// temporary file in the same folder that replaces the old file at the end.
// False when anything fails; the old file, if any, is then left as it was and
// the temporary file is removed. A read-only file (no write permission at
// all) is not replaced. The new file keeps the old one's permissions;
// a symbolic link is followed, so the file it points to is replaced.
bool WriteFileReplacing(const std::string& path, std::string_view bytes);

}  // namespace parvix
