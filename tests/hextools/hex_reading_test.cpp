// File > Disassemble and File > Download: the save-changes question, the
// open dialog, reading and the checksum test, and the hand-over after a
// good file.
#include <gtest/gtest.h>

#include "hextools/hex_fixture.h"

namespace parvix::testing {
namespace {

class HexReadingTest : public HexFileTest {
 protected:
  const std::string good = QuotedLines({":038000003E0576C4", ":00000001FF"});
  const std::string badSum = QuotedLines({":038000003E0576C5", ":00000001FF"});
  HexReadingTest() { host.shown.clear(); }  // the windows of the start-up
};

TEST_F(HexReadingTest, AGoodFileIsHandedOverToTheDialogOrTheDownload) {
  WriteBytes("prog.hex", good);
  Choose("prog.hex");
  w.Hex.DisassembleFile_Click();
  EXPECT_EQ(host.dialogs.back().request.title, "Open Hex file");
  EXPECT_EQ(host.dialogs.back().request.filter, "Hex Files(*.hex)|*.hex");
  EXPECT_FALSE(host.dialogs.back().save);
  EXPECT_EQ(w.Hex.HexList, (std::vector<std::string>{":038000003E0576C4", ":00000001FF"}));
  EXPECT_EQ(w.Hex.HexFileTitle, "prog.hex");
  EXPECT_EQ(w.Hex.HexFilePath, PathOf("prog.hex"));
  EXPECT_EQ(host.shown.back(), WindowId::Disassembly);
  // The dialog has taken over and shows its own prompt.
  EXPECT_EQ(w.TipsLabel.text, "Select the mnemonics & data bytes and click 'Done', or click 'Cancel'.");
  EXPECT_TRUE(host.boxes.empty());

  // The same records unquoted, with LF line ends, for the download.
  WriteBytes("plain.hex", ":038000003E0576C4\n:00000001FF\n");
  Choose("plain.hex");
  w.Hex.DownloadFile_Click();
  EXPECT_EQ(w.Hex.HexList.size(), 2u);
  EXPECT_EQ(host.timers[TimerId::CreateDnldString], 10);
  EXPECT_EQ(w.TipsLabel.text, "Program Mode.");
  EXPECT_EQ(host.shown.size(), 1u);
}

TEST_F(HexReadingTest, ChecksumErrorsEndEachCommandItsOwnWay) {
  WriteBytes("bad.hex", badSum);
  w.EntryMode_Click();  // data mode
  Choose("bad.hex");
  w.Hex.DisassembleFile_Click();
  EXPECT_EQ(host.LastBox(), "Check Sum error in bad.hex.");
  EXPECT_EQ(host.boxes.back().style, kMsgCritical);
  EXPECT_EQ(w.TipsLabel.text, "Reading Hex file . . .");
  EXPECT_TRUE(host.shown.empty());

  Choose("bad.hex");
  w.Hex.DownloadFile_Click();
  EXPECT_EQ(host.LastBox(), "Check Sum error in bad.hex.");
  EXPECT_EQ(w.TipsLabel.text, "Data Mode.");
  EXPECT_FALSE(host.TimerRunning(TimerId::CreateDnldString));
}

TEST_F(HexReadingTest, UnreadableFilesAreReportedByName) {
  // A missing file, a file that ends before its end record, and a file far
  // larger than any program of the 64 KiB address space (its records repeat).
  WriteBytes("cut.hex", QuotedLines({":038000003E0576C4"}));
  std::string huge;
  while (huge.size() <= kMaxHexFileBytes) huge += ":038000003E0576C4\n";
  WriteBytes("huge.hex", huge + ":00000001FF\n");
  for (const char* name : {"gone.hex", "cut.hex", "huge.hex"}) {
    Choose(name);
    w.Hex.DownloadFile_Click();
    EXPECT_EQ(host.LastBox(), "Unable to open " + std::string(name) + ".");
    EXPECT_EQ(w.TipsLabel.text, "Reading Hex file . . .");
    EXPECT_FALSE(host.TimerRunning(TimerId::CreateDnldString));
  }
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
  EXPECT_EQ(host.dialogs.size(), 1u);  // the Save As dialog only
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
