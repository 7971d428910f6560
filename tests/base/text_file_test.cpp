// Saving over files safely: long names, permissions and owner, symbolic links.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>

#include "base/text_file.h"
#include "support/temp_folder.h"

namespace parvix::testing {
namespace {

namespace fs = std::filesystem;

class TextFileTest : public ::testing::Test, public TempFolder {
 protected:
  TextFileTest() : TempFolder("parvix-text-") {}
};

TEST_F(TextFileTest, NameAsLongAsTheSystemAllowsCanBeSaved) {
  // A temporary name built from the target's would pass the 255-byte limit.
  const std::string name = std::string(251, 'p') + ".zvt";
  ASSERT_TRUE(WriteFileReplacing(PathOf(name), "saved"));
  EXPECT_EQ(ReadBytes(name), "saved");
  EXPECT_EQ(Files(), std::vector<std::string>{name});
}

TEST_F(TextFileTest, ReplacementKeepsTheExactPermissionsAndOwner) {
  const mode_t oldMask = ::umask(022);
  for (mode_t mode : {0600, 0640, 0664, 0606}) {
    ASSERT_TRUE(WriteFileReplacing(PathOf("prog.zvt"), "old"));
    ASSERT_EQ(::chmod(PathOf("prog.zvt").c_str(), mode), 0);
    ASSERT_TRUE(WriteFileReplacing(PathOf("prog.zvt"), "new"));
    EXPECT_EQ(fs::status(dir / "prog.zvt").permissions(), fs::perms(mode));  // not narrowed
  }
  ::umask(oldMask);
  if (::geteuid() != 0) return;  // only a privileged process may give a file away
  ASSERT_EQ(::chown(PathOf("prog.zvt").c_str(), 4321, 8765), 0);
  ASSERT_TRUE(WriteFileReplacing(PathOf("prog.zvt"), "newer"));
  struct stat st {};
  ASSERT_EQ(::stat(PathOf("prog.zvt").c_str(), &st), 0);
  EXPECT_EQ(st.st_uid, 4321u);
  EXPECT_EQ(st.st_gid, 8765u);
}

TEST_F(TextFileTest, SymbolicLinksStayAndTheirTargetsAreWritten) {
  fs::create_directories(dir / "real");
  ASSERT_TRUE(WriteFileReplacing(PathOf("real/prog.zvt"), "old"));
  fs::create_symlink("real/prog.zvt", dir / "link.zvt");
  ASSERT_TRUE(WriteFileReplacing(PathOf("link.zvt"), "through the link"));
  EXPECT_TRUE(fs::is_symlink(dir / "link.zvt"));
  EXPECT_EQ(ReadBytes("real/prog.zvt"), "through the link");
  fs::create_symlink("missing/prog.zvt", dir / "nowhere.zvt");
  EXPECT_FALSE(WriteFileReplacing(PathOf("nowhere.zvt"), "x"));  // a missing folder
  EXPECT_EQ(Files(), (std::vector<std::string>{"link.zvt", "nowhere.zvt", "real"}));
}

}  // namespace
}  // namespace parvix::testing
