// File > Assemble: exact hex files, the checks that stop it, saving, and the
// bytes agreeing with the simulator's memory after the hand-over.
#include <gtest/gtest.h>

#include "hextools/hex_records.h"
#include "hextools/hex_fixture.h"

namespace parvix::testing {
namespace {

class AssemblerTest : public HexFileTest {
 protected:
  // Assembles the program into `name` and returns the file's bytes, which
  // must read back as the assembled records.
  std::string AssembleTo(const std::string& name) {
    Choose(name);
    w.Hex.AssembleFile_Click();
    const std::string bytes = ReadBytes(name);
    const HexReadResult read = ReadHexFileText(bytes);
    EXPECT_EQ(read.status, HexReadResult::Status::Ok);
    EXPECT_EQ(read.records, w.Hex.HexList);
    return bytes;
  }

  // Four blocks in table order 8000, 2000, 0100, 0000 and one without code:
  // 17 bytes with a jump split across the first record's end, exactly 16
  // bytes, and one byte FF twice (checksums FF and 00).
  void SeveralOrigins() {
    w.Symbols.AddLabel("start");
    SetRow(1, "LXI  H,  2000", "21   00   20", "start");
    SetRow(2, "LXI  D,  1234", "11   34   12");
    SetRow(3, "LXI  B,  00FF", "01   FF   00");
    SetRow(4, "MVI  A,   05", "3E   05");
    SetRow(5, "MVI  B,   0A", "06   0A");
    SetRow(6, "NOP", "00");
    SetRow(7, "JMP  start", "C3   XX   XX", "", "start");
    SetOrigin(8, "2000");
    const std::pair<const char*, const char*> lines[] = {
        {"MVI  A,   11", "3E   11"}, {"STA  2100", "32   00   21"}, {"LDA  2100", "3A   00   21"},
        {"ADI  01", "C6   01"},      {"OUT  01", "D3   01"},        {"IN  00", "DB   00"},
        {"CMA", "2F"},               {"RET", "C9"}};
    for (int i = 0; i < 8; ++i) SetRow(9 + i, lines[i].first, lines[i].second);
    SetOrigin(17, "0100");
    SetRow(18, "RST  7", "FF");
    SetOrigin(19, "4000");
    SetRow(20, "", "", "", "");
    SetOrigin(21, "0000");
    SetRow(22, "RST  7", "FF");
  }
};

TEST_F(AssemblerTest, GoldenFilesOfOneRecordAndOfSeveralBlocks) {
  w.Symbols.AddVariable("v1", "05");
  SetRow(1, "MVI  A,   v1", "3E   05", "", "v1");
  SetRow(2, "HLT", "76");
  EXPECT_EQ(AssembleTo("one.hex"), "\":038000003E0576C4\"\r\n\":00000001FF\"\r\n");
  EXPECT_EQ(w.Hex.HexFilePath, PathOf("one.hex"));
  EXPECT_EQ(w.TipsLabel.text, "Program Mode.");

  SeveralOrigins();
  EXPECT_EQ(AssembleTo("blocks.hex"),
            QuotedLines({":1080000021002011341201FF003E05060A00C300C2", ":0180100080EF",
                         ":102000003E113200213A0021C601D301DB002FC965", ":01010000FFFF",
                         ":01000000FF00", ":00000001FF"}));
}

TEST_F(AssemblerTest, RowsWithoutMnemonicStillGiveTheirBytes) {
  // A code text of another length adds nothing and does not move the address.
  SetRow(1, "", "76");
  SetRow(2, "MOV", "7");
  SetRow(3, "NOP", "00");
  w.Hex.AssembleFile_Click();  // the save dialog is cancelled
  EXPECT_EQ(w.Hex.HexList, (std::vector<std::string>{":02800000760008", kEndRecord}));
  for (const auto& box : host.boxes) EXPECT_NE(box.style, kMsgCritical) << box.text;
}

TEST_F(AssemblerTest, ChecksStopAssemblingWithTheirMessagesAndWriteNothing) {
  w.Hex.AssembleFile_Click();
  EXPECT_EQ(host.LastBox(), "No data available for assembling.");
  EXPECT_EQ(host.boxes.back().style, kMsgCritical);
  EXPECT_EQ(w.TipsLabel.text, "Assembling aborted.");

  // Code that cannot be a record: XX left in it, and a jump running past FFFF.
  SetRow(1, "NOP", "00");
  SetRow(2, "MVI  A,   v9", "3E   XX");
  w.Hex.AssembleFile_Click();
  EXPECT_EQ(host.LastBox(), "Compile error. The code at address 8001h holds 'XX', which is not a hex byte.");
  EXPECT_EQ(w.CursorRow, 2);
  w.Table1.SetText(0, kAddressColumn, "FFFE");
  SetRow(2, "JMP  0000", "C3   00   00");
  w.Hex.AssembleFile_Click();
  EXPECT_EQ(host.LastBox(), "Compile error. The code at address FFFFh runs past FFFFh.");
  EXPECT_TRUE(w.Hex.HexList.empty());

  // A label placed on a row without mnemonic and never given an address.
  w.Table1.SetText(0, kAddressColumn, "8000");
  w.Symbols.AddLabel("here");
  SetRow(2, "", "", "here");
  w.Hex.AssembleFile_Click();
  EXPECT_EQ(host.LastBox(), "One or more strings do not have an equivalent assigned.");
  // An address-assignment error ends it without a message of its own.
  host.boxes.clear();
  w.Symbols.AddVariable("here", "01");
  w.Hex.AssembleFile_Click();
  ASSERT_EQ(host.boxes.size(), 1u);
  EXPECT_EQ(host.LastBox(), "The string 'here' is used as both label and variable.");
  EXPECT_TRUE(host.dialogs.empty());
}

TEST_F(AssemblerTest, AFailedSaveKeepsTheOldFileAndTheRecords) {
  SetRow(1, "HLT", "76");
  const std::vector<std::string> records{":018000007609", kEndRecord};
  for (const char* name : {"nowhere/new.hex", "locked.hex"}) {
    WriteBytes("locked.hex", "old");
    std::filesystem::permissions(dir / "locked.hex", std::filesystem::perms::owner_read);
    Choose(name);
    w.Hex.AssembleFile_Click();
    EXPECT_EQ(host.LastBox(), "Unable to save file.") << name;
    EXPECT_EQ(ReadBytes("locked.hex"), "old");
    EXPECT_EQ(w.Hex.HexList, records);
  }
  // An existing file that may be written is replaced whole.
  std::filesystem::permissions(dir / "locked.hex", std::filesystem::perms::owner_all);
  EXPECT_EQ(AssembleTo("locked.hex"), QuotedLines({":018000007609", ":00000001FF"}));
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir), {}), 1);
}

TEST_F(AssemblerTest, RecordBytesEqualTheSimulatorsMemory) {
  SeveralOrigins();
  w.Hex.AssembleFile_Click();
  std::vector<std::uint8_t> image(0x10000, 0);
  for (const std::string& text : w.Hex.HexList) {
    const std::optional<HexRecord> record = ParseRecord(text);
    ASSERT_TRUE(record) << text;
    for (size_t k = 0; k < record->data.size(); ++k) image[record->address + k] = record->data[k];
  }
  w.SimulationView_Click();
  Fire(TimerId::SimulationTimer);
  const auto& memory = w.WatchWindowDialogInstance.machine.memory;
  for (int a = 0; a < 0x10000; ++a) ASSERT_EQ(image[a], memory[a]) << std::hex << a;
}

}  // namespace
}  // namespace parvix::testing
