// Whole-file reads and safe whole-file writes for the files the user opens
// and saves. A write goes to a temporary file beside the target and is renamed
// over the old file only when every byte is written, so a failed save (disk
// full, no permission, bad folder) never destroys the previous file.
// Failures are reported as values; nothing here throws. The files are the
// POSIX system's: writing uses its calls for exclusive creation and syncing.
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
// be opened or read, is not a regular file, is larger than `maxBytes`, or is
// more than the memory left can hold.
std::optional<std::string> ReadFileBytes(const std::string& path,
                                         std::size_t maxBytes = kMaxReadFileBytes);

// True when the file at `path` is a regular file larger than `maxBytes`:
// what ReadFileBytes refuses for its size, so that the caller can say so.
bool FileLargerThan(const std::string& path, std::size_t maxBytes);

// Writes `bytes` as the new contents of the file at `path` (UTF-8), through a
// temporary file in the same folder that replaces the old file at the end.
// False when anything fails; the old file, if any, is then left as it was and
// the temporary file is removed. A read-only file (no write permission at
// all) is not replaced.
//
// The temporary file has a short name of its own (whatever the length of the
// target's name), is created exclusively with the old file's permissions from
// the start, and gets the old file's owner and group where the process may
// set them. Its data is forced to disk before the rename, and the folder
// after it. A symbolic link is followed, also one whose target does not exist
// yet: the link stays and the file it points to is written.
bool WriteFileReplacing(const std::string& path, std::string_view bytes);

// Makes a write beyond the process's file-size limit (ulimit -f) fail like
// any other write, so that WriteFileReplacing reports it: by default the
// system ends a process that writes past the limit (SIGXFSZ), and with it
// the user's unsaved work. Called once at program start.
void IgnoreFileSizeLimitSignal();

}  // namespace parvix
