// A save as write() and fsync() see it: private first, synced before and after the rename.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/syscall.h>
#include <unistd.h>

#include <filesystem>

#include "base/text_file.h"
#include "support/temp_folder.h"

namespace {

struct SeenCall {
  std::string call, path;
  mode_t mode;
  std::string targetBytes;
};

struct {
  const parvix::testing::TempFolder* folder;
  std::filesystem::path canonical;
  std::vector<SeenCall> calls;
} watch;

void See(const char* call, int fd) {
  if (!watch.folder) return;
  std::error_code ec;
  const auto path = std::filesystem::read_symlink("/proc/self/fd/" + std::to_string(fd), ec);
  if (ec || (path != watch.canonical && path.parent_path() != watch.canonical)) return;
  struct stat st {};
  ::fstat(fd, &st);
  const auto mode = static_cast<mode_t>(st.st_mode & 07777);
  watch.calls.push_back({call, path.string(), mode, watch.folder->ReadBytes("private.zvt")});
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
  watch = {&folder, std::filesystem::canonical(folder.dir), {}};
  ASSERT_TRUE(WriteFileReplacing(target, "new contents"));
  watch.folder = nullptr;
  ASSERT_GE(watch.calls.size(), 3u);
  const SeenCall& first = watch.calls.front();  // into a temporary file
  EXPECT_EQ(first.mode, 0600u);  // never readable by others, not even empty
  EXPECT_EQ(first.targetBytes, "old");
  const SeenCall& sync = watch.calls[watch.calls.size() - 2];
  EXPECT_EQ(sync.call, "fsync");
  EXPECT_EQ(sync.path, first.path);
  EXPECT_EQ(sync.targetBytes, "old");
  const SeenCall& last = watch.calls.back();
  EXPECT_EQ(last.call, "fsync");
  EXPECT_EQ(last.path, watch.canonical.string());
  EXPECT_EQ(last.targetBytes, "new contents");
}

}  // namespace
}  // namespace parvix::testing
