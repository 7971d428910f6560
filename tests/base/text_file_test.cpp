// Saving over files safely: the temporary file's name, permissions and
// owner, and symbolic links.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <string>
#include <vector>

#include "base/text_file.h"
#include "support/temp_folder.h"

namespace parvix::testing {
namespace {

namespace fs = std::filesystem;

class TextFileTest : public ::testing::Test, public TempFolder {
 protected:
  TextFileTest() : TempFolder("parvix-text-") {}
  struct stat Stat(const std::string& name) const {
    struct stat st {};
    EXPECT_EQ(::lstat((dir / name).c_str(), &st), 0);
    return st;
  }
};

TEST_F(TextFileTest, NameAsLongAsTheSystemAllowsCanBeSaved) {
  // A temporary name built from the target's would pass the 255-byte limit.
  const std::string name = std::string(251, 'p') + ".zvt";
  ASSERT_TRUE(WriteFileReplacing(PathOf(name), "first"));
  ASSERT_TRUE(WriteFileReplacing(PathOf(name), "second"));
  EXPECT_EQ(ReadBytes(name), "second");
  EXPECT_EQ(Files(), std::vector<std::string>{name});
}

TEST_F(TextFileTest, ReplacementKeepsTheExactPermissionsAndOwner) {
  const mode_t oldMask = ::umask(022);
  for (mode_t mode : {0600, 0640, 0664, 0606}) {
    SCOPED_TRACE(mode);
    ASSERT_TRUE(WriteFileReplacing(PathOf("prog.zvt"), "old"));
    ASSERT_EQ(::chmod(PathOf("prog.zvt").c_str(), mode), 0);
    ASSERT_TRUE(WriteFileReplacing(PathOf("prog.zvt"), "new"));
    EXPECT_EQ(Stat("prog.zvt").st_mode & 07777, mode);  // the umask does not narrow it
    EXPECT_EQ(ReadBytes("prog.zvt"), "new");
  }
  ASSERT_TRUE(WriteFileReplacing(PathOf("fresh.zvt"), "x"));  // a new file: the usual mode
  EXPECT_EQ(Stat("fresh.zvt").st_mode & 07777, 0644u);
  ::umask(oldMask);
  if (::geteuid() != 0) return;  // only a privileged process may give a file away
  ASSERT_EQ(::chown(PathOf("prog.zvt").c_str(), 4321, 8765), 0);
  ASSERT_TRUE(WriteFileReplacing(PathOf("prog.zvt"), "newer"));
  EXPECT_EQ(Stat("prog.zvt").st_uid, 4321u);
  EXPECT_EQ(Stat("prog.zvt").st_gid, 8765u);
}

TEST_F(TextFileTest, SymbolicLinksStayAndTheirTargetsAreWritten) {
  fs::create_directories(dir / "real");
  ASSERT_TRUE(WriteFileReplacing(PathOf("real/prog.zvt"), "old"));
  fs::create_symlink("real/prog.zvt", dir / "link.zvt");
  ASSERT_TRUE(WriteFileReplacing(PathOf("link.zvt"), "through the link"));
  EXPECT_TRUE(fs::is_symlink(dir / "link.zvt"));
  EXPECT_EQ(ReadBytes("real/prog.zvt"), "through the link");
  // A dangling link reached through a second link: the file it names is created.
  fs::create_symlink("real/new.zvt", dir / "dangling.zvt");
  fs::create_symlink("dangling.zvt", dir / "chain.zvt");
  ASSERT_TRUE(WriteFileReplacing(PathOf("chain.zvt"), "created"));
  EXPECT_EQ(ReadBytes("real/new.zvt"), "created");
  for (const char* link : {"dangling.zvt", "chain.zvt"}) EXPECT_TRUE(fs::is_symlink(dir / link));
  EXPECT_EQ(Files(), (std::vector<std::string>{"chain.zvt", "dangling.zvt", "link.zvt", "real"}));
  // A loop of links and a link into a missing folder fail and leave nothing.
  fs::create_symlink("loop2.zvt", dir / "loop1.zvt");
  fs::create_symlink("loop1.zvt", dir / "loop2.zvt");
  EXPECT_FALSE(WriteFileReplacing(PathOf("loop1.zvt"), "x"));
  fs::create_symlink("missing/prog.zvt", dir / "nowhere.zvt");
  EXPECT_FALSE(WriteFileReplacing(PathOf("nowhere.zvt"), "x"));
  EXPECT_EQ(Files().size(), 7u);  // the links and the folder only
}

}  // namespace
}  // namespace parvix::testing
