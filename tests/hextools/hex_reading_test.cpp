// File > Disassemble and File > Download: the save-changes question, reading
// the file, and the hand-over after a good one.
#include <gtest/gtest.h>

#include "hextools/hex_fixture.h"

namespace parvix::testing {
namespace {

class HexReadingTest : public HexFileTest {
 protected:
  const std::string good = QuotedLines({":038000003E0576C4", ":00000001FF"});
  HexReadingTest() { host.shown.clear(); }  // the windows of the start-up
};

TEST_F(HexReadingTest, AGoodFileIsHandedOverToTheDialogOrTheDownload) {
  WriteBytes("prog.hex", good);
  Choose("prog.hex");
  w.Hex.DisassembleFile_Click();
  EXPECT_EQ(w.Hex.HexList, (std::vector<std::string>{":038000003E0576C4", ":00000001FF"}));
  EXPECT_EQ(w.Hex.HexFileTitle, "prog.hex");
  EXPECT_EQ(host.shown.back(), WindowId::Disassembly);
  EXPECT_TRUE(host.boxes.empty());
  // The download starts making its string.
  Choose("prog.hex");
  w.Hex.DownloadFile_Click();
  EXPECT_EQ(w.Hex.HexList.size(), 2u);
  EXPECT_TRUE(host.TimerRunning(TimerId::CreateDnldString));
  EXPECT_EQ(host.shown.size(), 1u);
}

TEST_F(HexReadingTest, BadFilesAreReportedByNameAndEndTheCommand) {
  // A checksum error, a missing file, one that ends before its end record,
  // and one far larger than any 8085 program (its records repeat).
  WriteBytes("bad.hex", QuotedLines({":038000003E0576C5", ":00000001FF"}));
  WriteBytes("cut.hex", QuotedLines({":038000003E0576C4"}));
  std::string huge;
  while (huge.size() <= kMaxHexFileBytes) huge += ":038000003E0576C4\n";
  WriteBytes("huge.hex", huge + ":00000001FF\n");
  w.EntryMode_Click();  // data mode
  const std::pair<const char*, const char*> cases[] = {{"bad.hex", "Check Sum error in bad.hex."},
                                                       {"gone.hex", "Unable to open gone.hex."},
                                                       {"cut.hex", "Unable to open cut.hex."},
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
  EXPECT_EQ(w.TipsLabel.text, "Reading Hex file . . .");
  Choose("bad.hex");
  w.Hex.DownloadFile_Click();
  EXPECT_EQ(w.TipsLabel.text, "Data Mode.");
}

TEST_F(HexReadingTest, UnsavedChangesAndCancelledDialogsEndQuietly) {
  WriteBytes("prog.hex", good);
  w.ProgramChanged = true;
  // Cancel in the question, then Yes with a cancelled Save As.
  host.answers = {kAnswerCancel, kAnswerYes};
  w.Hex.DisassembleFile_Click();
  w.Hex.DisassembleFile_Click();
  ASSERT_EQ(host.boxes.size(), 2u);
  EXPECT_EQ(host.boxes[0].text, "Save changes to Pgm1.zvt?");
  ASSERT_EQ(host.dialogs.size(), 1u);  // the Save As dialog only
  EXPECT_TRUE(host.dialogs[0].save);
  // No: the open dialog is offered; cancelling it says nothing.
  host.answers = {kAnswerNo};
  w.Hex.DownloadFile_Click();
  EXPECT_EQ(host.dialogs.size(), 2u);
  EXPECT_EQ(host.boxes.size(), 3u);
  EXPECT_TRUE(w.Hex.HexList.empty());
  // Outside the idle states the commands do nothing.
  w.EntryState = 2;
  for (auto click : {&HexTools::AssembleFile_Click, &HexTools::DisassembleFile_Click,
                     &HexTools::DownloadFile_Click}) {
    (w.Hex.*click)();
  }
  EXPECT_EQ(host.boxes.size(), 3u);
  EXPECT_EQ(host.dialogs.size(), 2u);
}

}  // namespace
}  // namespace parvix::testing
