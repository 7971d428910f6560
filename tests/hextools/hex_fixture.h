// A started session with a scratch folder for hex files, and helpers to
// choose files in the scripted dialogs.
#pragma once

#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "support/session_fixture.h"

namespace parvix::testing {

class HexFileTest : public SessionTest {
 protected:
  HexFileTest() {
    const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
    dir = std::filesystem::temp_directory_path() /
          ("parvix-hex-" + std::to_string(getpid()) + "-" + info->name());
    std::filesystem::remove_all(dir);
    std::filesystem::create_directories(dir);
  }
  ~HexFileTest() override {
    std::error_code ec;
    std::filesystem::remove_all(dir, ec);
  }

  std::string PathOf(const std::string& name) const { return (dir / name).string(); }
  // The next file dialog picks `name` in the scratch folder.
  void Choose(const std::string& name) {
    host.fileChoices.push_back(FileChoice{PathOf(name), name});
  }
  void WriteBytes(const std::string& name, const std::string& bytes) const {
    std::ofstream(dir / name, std::ios::binary) << bytes;
  }
  std::string ReadBytes(const std::string& name) const {
    std::ifstream in(dir / name, std::ios::binary);
    std::ostringstream out;
    out << in.rdbuf();
    return out.str();
  }

  std::filesystem::path dir;
};

// The text of a hex file as the system writes it: each line quoted, CR LF.
inline std::string QuotedLines(std::initializer_list<const char*> lines) {
  std::string text;
  for (const char* line : lines) text += std::string("\"") + line + "\"\r\n";
  return text;
}

}  // namespace parvix::testing
