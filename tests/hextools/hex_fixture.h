// A started session with a scratch folder for hex files, and a helper to
// choose files in the scripted dialogs.
#pragma once

#include "support/session_fixture.h"
#include "support/temp_folder.h"

namespace parvix::testing {

class HexFileTest : public SessionTest, public TempFolder {
 protected:
  HexFileTest() : TempFolder("parvix-hex-") {}
  // The next file dialog picks `name` in the scratch folder.
  void Choose(const std::string& name) {
    host.fileChoices.push_back(FileChoice{PathOf(name), name});
  }
};

// The text of a hex file as the system writes it: each line quoted, CR LF.
inline std::string QuotedLines(std::initializer_list<const char*> lines) {
  std::string text;
  for (const char* line : lines) text += std::string("\"") + line + "\"\r\n";
  return text;
}

}  // namespace parvix::testing
