// File > Disassemble and File > Download: the save-changes question, reading
// the file, and the hand-over after a good one.
#include <gtest/gtest.h>

#include <cstdint>

#include "base/hex_text.h"
#include "hextools/hex_fixture.h"
#include "hextools/hex_records.h"

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
  // A checksum error, and a good file one byte larger than any file of a
  // whole memory.
  WriteBytes("bad.hex", QuotedLines({":038000003E0576C5", ":00000001FF"}));
  WriteBytes("huge.hex", std::string(kMaxHexFileBytes + 1 - good.size(), '\n') + good);
  w.EntryMode_Click();  // data mode
  const std::pair<const char*, const char*> cases[] = {
      {"bad.hex", "Check Sum error in bad.hex."},
      {"huge.hex",
       "Unable to open huge.hex. The file is larger than any hex file of the 64 KiB memory."}};
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

// The largest hex file a program can come in: every address of the memory in
// a record of its own, each line quoted and ended by CR LF. It is read, and
// the program it makes, every byte a data line, is saved and opens again.
TEST_F(HexReadingTest, AWholeMemoryInOneByteRecordsIsReadAndItsProgramOpensAgain) {
  std::string text;
  for (int address = 0; address < 0x10000; ++address) {
    const std::uint8_t byte = static_cast<std::uint8_t>(address * 7);
    text += "\"" + DataRecordText(address, {&byte, 1}) + "\"\r\n";
  }
  text += QuotedLines({":00000001FF"});
  WriteBytes("memory.hex", text);
  Choose("memory.hex");
  w.Hex.DisassembleFile_Click();
  ASSERT_TRUE(host.boxes.empty()) << host.LastBox();
  ASSERT_EQ(w.Hex.HexList.size(), 0x10001u);
  DataDialog& d = w.Disassembly;
  d.DataType_Click(0);  // Data Byte, all of them
  d.DataTable_MouseDown(1);
  d.DataTable_MouseUp(d.DataTable.Rows() - 1);
  d.DoneButton_Click();
  for (TimerId t : {TimerId::CheckTimer, TimerId::CopyTimer, TimerId::DisassembleTimer,
                    TimerId::CommentTimer}) {
    Fire(t);
  }
  ASSERT_EQ(w.TipsLabel.text, "Disassembling completed successfully.") << host.LastBox();
  EXPECT_EQ(w.Table1.Text(0x10000, kOpcodeColumn), Hex2(0xFFFF * 7));
  const int rows = w.Table1.Rows();
  Choose("memory.zvt");
  w.SaveAsFile_Click();
  Choose("memory.zvt");
  w.OpenFile_Click();
  EXPECT_EQ(w.TipsLabel.text, "File Opened.") << host.LastBox();
  EXPECT_EQ(w.Table1.Rows(), rows);
  EXPECT_EQ(w.Table1.Text(0x10000, kOpcodeColumn), Hex2(0xFFFF * 7));
}

}  // namespace
}  // namespace parvix::testing
