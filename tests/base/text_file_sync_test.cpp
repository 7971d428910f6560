// The order of a save as the file system sees it: the temporary file is
// private (and owned as the old file) before its first byte, its data is on
// disk before the rename, and the folder is synced after it. Wrappers in this
// test program watch the write() and fsync() calls.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/syscall.h>
#include <unistd.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "base/text_file.h"
#include "support/temp_folder.h"

namespace {

// A call, what its descriptor names, and the target's contents at that moment.
struct SeenCall {
  std::string call, path;
  mode_t mode;
  uid_t owner;
  std::string targetBytes;
};

struct {
  bool on;
  std::filesystem::path folder;
  std::string target;
  std::vector<SeenCall> calls;
} watch;

void See(const char* call, int fd) {
  if (!watch.on) return;
  std::error_code ec;
  const auto path = std::filesystem::read_symlink("/proc/self/fd/" + std::to_string(fd), ec);
  if (ec || (path != watch.folder && path.parent_path() != watch.folder)) return;
  struct stat st {};
  ::fstat(fd, &st);
  std::ostringstream bytes;
  bytes << std::ifstream(watch.target, std::ios::binary).rdbuf();
  watch.calls.push_back({call, path.string(), static_cast<mode_t>(st.st_mode & 07777), st.st_uid,
                         bytes.str()});
}

}  // namespace

extern "C" ssize_t write(int fd, const void* buffer, size_t count) {
  See("write", fd);
  return ::syscall(SYS_write, fd, buffer, count);
}

extern "C" int fsync(int fd) {
  See("fsync", fd);
  return static_cast<int>(::syscall(SYS_fsync, fd));
}

namespace parvix::testing {
namespace {

TEST(SaveOrderTest, PrivateBeforeTheFirstByteSyncedBeforeAndAfterTheRename) {
  const TempFolder folder("parvix-order-");
  const std::string target = folder.PathOf("private.zvt");
  ASSERT_TRUE(WriteFileReplacing(target, "old"));
  ASSERT_EQ(::chmod(target.c_str(), 0600), 0);
  const bool root = ::geteuid() == 0;
  if (root) ASSERT_EQ(::chown(target.c_str(), 4321, 8765), 0);

  watch = {true, std::filesystem::canonical(folder.dir), target, {}};
  const bool saved = WriteFileReplacing(target, "new contents");
  watch.on = false;
  ASSERT_TRUE(saved);
  ASSERT_GE(watch.calls.size(), 3u);
  const SeenCall& first = watch.calls.front();
  EXPECT_EQ(first.call, "write");
  EXPECT_NE(first.path, (watch.folder / "private.zvt").string());  // a temporary file
  EXPECT_EQ(first.mode, 0600u);  // never readable by others, not even empty
  if (root) EXPECT_EQ(first.owner, 4321u);
  EXPECT_EQ(first.targetBytes, "old");

  // The data is synced under the temporary name, the old file still there;
  // the folder is synced once the new file has taken the name.
  auto sync = std::find_if(watch.calls.begin(), watch.calls.end(), [&](const SeenCall& c) {
    return c.call == "fsync" && c.path == first.path;
  });
  ASSERT_NE(sync, watch.calls.end());
  EXPECT_EQ(sync->targetBytes, "old");
  const SeenCall& last = watch.calls.back();
  EXPECT_EQ(last.call, "fsync");
  EXPECT_EQ(last.path, watch.folder.string());
  EXPECT_EQ(last.targetBytes, "new contents");
  EXPECT_EQ(folder.ReadBytes("private.zvt"), "new contents");
}

}  // namespace
}  // namespace parvix::testing
