// The order of a save as the file system sees it: the temporary file is
// private (and owned as the old file) before its first byte, its data is on
// disk before the rename, and the folder is synced after it. The program's
// write() and fsync() calls are watched by wrappers that this test program
// puts in front of the system's own.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/syscall.h>
#include <unistd.h>

#include <algorithm>
#include <climits>
#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>

#include "base/text_file.h"
#include "support/temp_folder.h"

namespace {

// One call as seen at the moment it was made.
struct SeenCall {
  std::string call;         // "write" or "fsync"
  std::string path;         // what the descriptor names
  mode_t mode = 0;          // its permissions
  uid_t owner = 0;
  std::string targetBytes;  // the target file's contents at that moment
};

struct Watch {
  bool on = false;
  std::filesystem::path folder;
  std::string target;
  std::vector<SeenCall> calls;
} watch;

void See(const char* call, int fd) {
  if (!watch.on) return;
  char link[PATH_MAX] = {};
  const std::string proc = "/proc/self/fd/" + std::to_string(fd);
  const ssize_t length = ::readlink(proc.c_str(), link, sizeof link - 1);
  if (length <= 0) return;
  const std::filesystem::path path(std::string(link, static_cast<size_t>(length)));
  if (path != watch.folder && path.parent_path() != watch.folder) return;
  struct stat st {};
  ::fstat(fd, &st);
  watch.on = false;  // reading the target must not be seen itself
  std::string bytes;
  if (FILE* f = std::fopen(watch.target.c_str(), "rb")) {
    char buffer[256];
    size_t got;
    while ((got = std::fread(buffer, 1, sizeof buffer, f)) > 0) bytes.append(buffer, got);
    std::fclose(f);
  }
  watch.on = true;
  watch.calls.push_back({call, path.string(), static_cast<mode_t>(st.st_mode & 07777), st.st_uid, bytes});
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

class SaveOrderTest : public ::testing::Test, public TempFolder {
 protected:
  SaveOrderTest() : TempFolder("parvix-order-") {}
};

TEST_F(SaveOrderTest, PrivateBeforeTheFirstByteSyncedBeforeAndAfterTheRename) {
  const std::string target = PathOf("private.zvt");
  ASSERT_TRUE(WriteFileReplacing(target, "old"));
  ASSERT_EQ(::chmod(target.c_str(), 0600), 0);
  const bool root = ::geteuid() == 0;
  if (root) {
    ASSERT_EQ(::chown(target.c_str(), 4321, 8765), 0);
  }

  watch = {};
  watch.folder = std::filesystem::canonical(dir);
  watch.target = target;
  watch.on = true;
  const bool saved = WriteFileReplacing(target, "new contents");
  watch.on = false;
  ASSERT_TRUE(saved);

  ASSERT_GE(watch.calls.size(), 3u);
  const SeenCall& first = watch.calls.front();
  EXPECT_EQ(first.call, "write");
  EXPECT_NE(first.path, (watch.folder / "private.zvt").string());  // a temporary file
  EXPECT_EQ(first.mode, 0600u);  // never readable by others, not even empty
  if (root) {
    EXPECT_EQ(first.owner, 4321u);
  }
  EXPECT_EQ(first.targetBytes, "old");

  // The data is synced under the temporary name, the old file still there;
  // the folder is synced once the new file has taken the name.
  auto fileSync = std::find_if(watch.calls.begin(), watch.calls.end(), [&](const SeenCall& c) {
    return c.call == "fsync" && c.path == first.path;
  });
  ASSERT_NE(fileSync, watch.calls.end());
  EXPECT_EQ(fileSync->targetBytes, "old");
  const SeenCall& last = watch.calls.back();
  EXPECT_EQ(last.call, "fsync");
  EXPECT_EQ(last.path, watch.folder.string());
  EXPECT_EQ(last.targetBytes, "new contents");
  EXPECT_EQ(ReadBytes("private.zvt"), "new contents");
}

}  // namespace
}  // namespace parvix::testing
