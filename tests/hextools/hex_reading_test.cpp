// File > Disassemble and File > Download: the save-changes question, reading
// the file, and the hand-over after a good one.
#include <gtest/gtest.h>

#include "hextools/hex_fixture.h"

namespace parvix::testing {
namespace {

const std::string good = QuotedLines({":038000003E0576C4", ":00000001FF"});

struct HexReadingTest : HexFileTest {
  HexReadingTest() { host.shown.clear(); }  // the windows of the start-up
};

TEST_F(HexReadingTest, AfterTheSaveChangesQuestionAGoodFileIsHandedOver) {
  WriteBytes("prog.hex", good);
  w.ProgramChanged = true;
  // Cancel ends the command; No offers the dialog, which cancelled says nothing.
  host.answers = {kAnswerCancel, kAnswerNo};
  w.Hex.DisassembleFile_Click();
  w.Hex.DownloadFile_Click();
  EXPECT_EQ(host.LastBox(), "Save changes to Pgm1.zvt?");
  // A good file goes to the dialog, or starts the download's string.
  w.ProgramChanged = false;
  Choose("prog.hex");
  w.Hex.DisassembleFile_Click();
  EXPECT_EQ(w.Hex.HexList, (std::vector<std::string>{":038000003E0576C4", ":00000001FF"}));
  EXPECT_EQ(host.shown.back(), WindowId::Disassembly);
  Choose("prog.hex");
  w.Hex.DownloadFile_Click();
  EXPECT_TRUE(host.TimerRunning(TimerId::CreateDnldString));
  EXPECT_EQ(host.shown.size(), 1u);
  w.EntryState = ByteState;  // outside the idle states the commands do nothing
  w.Hex.DisassembleFile_Click();
  w.Hex.DownloadFile_Click();
  EXPECT_EQ(host.boxes.size(), 2u);
  EXPECT_EQ(host.dialogs.size(), 3u);
}

TEST_F(HexReadingTest, BadFilesAreReportedByNameAndEndTheCommand) {
  // A checksum error, and a good file far larger than any 8085 program.
  WriteBytes("bad.hex", QuotedLines({":038000003E0576C5", ":00000001FF"}));
  WriteBytes("huge.hex", std::string(kMaxHexFileBytes, '\n') + good);
  w.EntryMode_Click();  // data mode
  const std::pair<const char*, const char*> cases[] = {{"bad.hex", "Check Sum error in bad.hex."},
                                                       {"huge.hex", "Unable to open huge.hex."}};
  for (const auto& [name, message] : cases) {
    for (auto click : {&HexTools::DisassembleFile_Click, &HexTools::DownloadFile_Click}) {
      Choose(name);
      (w.Hex.*click)();
      EXPECT_EQ(host.LastBox(), message);
      EXPECT_EQ(host.boxes.back().style, kMsgCritical);
      EXPECT_TRUE(host.shown.empty());
      EXPECT_FALSE(host.TimerRunning(TimerId::CreateDnldString));
    }
  }
  // After a checksum error the download gives the mode's prompt back.
  Choose("bad.hex");
  w.Hex.DownloadFile_Click();
  EXPECT_EQ(w.TipsLabel.text, "Data Mode.");
}

}  // namespace
}  // namespace parvix::testing
