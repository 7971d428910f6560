// File > Assemble: exact hex files equal to the simulator's memory, the checks that stop it,
// saving.
#include <gtest/gtest.h>

#include <algorithm>

#include "hextools/hex_records.h"
#include "hextools/hex_fixture.h"

namespace parvix::testing {
namespace {

class AssemblerTest : public HexFileTest {
 protected:
  // Assembles into `name`; returns the file's bytes, which must read back as the records.
  std::string AssembleTo(const std::string& name) {
    Choose(name);
    w.Hex.AssembleFile_Click();
    const std::string bytes = ReadBytes(name);
    EXPECT_EQ(ReadHexFileText(bytes).records, w.Hex.HexList);
    return bytes;
  }
};

TEST_F(AssemblerTest, GoldenFilesOfOneRecordAndOfSeveralBlocksHoldTheSimulatorsMemory) {
  // A row without mnemonic gives its bytes; a code of another length adds nothing.
  w.Symbols.AddVariable("v1", "05");
  SetRow(1, "MVI  A,   v1", "3E   05", "", "v1");
  SetRow(2, "", "76");
  SetRow(3, "MOV", "7");
  SetRow(4, "NOP", "00");
  EXPECT_EQ(AssembleTo("one.hex"), "\":048000003E057600C3\"\r\n\":00000001FF\"\r\n");
  EXPECT_EQ(w.TipsLabel.text, "Program Mode.");
  // Blocks in table order 8000, 2000, 0100, 4000 (no code), 0000: 17 bytes with a jump split
  // across the first record's end, exactly 16 bytes, and one byte FF twice (checksums FF and 00).
  w.Symbols.AddLabel("start");
  struct Line {
    const char *mnemonic, *code = nullptr, *operand = "", *label = "";
  };  // no code: an origin
  const Line lines[] = {{"LXI  H,  2000", "21   00   20", "", "start"},
                        {"LXI  D,  1234", "11   34   12"},
                        {"LXI  B,  00FF", "01   FF   00"},
                        {"MVI  A,   05", "3E   05"},
                        {"MVI  B,   0A", "06   0A"},
                        {"NOP", "00"},
                        {"JMP  start", "C3   XX   XX", "start"},
                        {"2000"},
                        {"MVI  A,   11", "3E   11"},
                        {"STA  2100", "32   00   21"},
                        {"LDA  2100", "3A   00   21"},
                        {"ADI  01", "C6   01"},
                        {"OUT  01", "D3   01"},
                        {"IN  00", "DB   00"},
                        {"CMA", "2F"},
                        {"RET", "C9"},
                        {"0100"},
                        {"RST  7", "FF"},
                        {"4000"},
                        {"", ""},
                        {"0000"},
                        {"RST  7", "FF"}};
  for (int r = 1; const Line& line : lines) {
    if (line.code) SetRow(r++, line.mnemonic, line.code, line.label, line.operand);
    else SetOrigin(r++, line.mnemonic);
  }
  EXPECT_EQ(AssembleTo("blocks.hex"),
            QuotedLines({":1080000021002011341201FF003E05060A00C300C2", ":0180100080EF",
                         ":102000003E113200213A0021C601D301DB002FC965", ":01010000FFFF",
                         ":01000000FF00", ":00000001FF"}));
  // All 64 KiB agree with the memory the simulator starts with.
  std::vector<std::uint8_t> image(0x10000, 0);
  for (const std::string& text : w.Hex.HexList) {
    const HexRecord record = ParseRecord(text).value();
    std::copy(record.data.begin(), record.data.end(), image.begin() + record.address);
  }
  w.SimulationView_Click();
  Fire(TimerId::SimulationTimer);
  const auto& memory =
      w.WatchWindowDialogInstance.machine.memory;  // the first address that differs:
  EXPECT_EQ(std::mismatch(image.begin(), image.end(), memory.begin()).first - image.begin(),
            0x10000);
}

TEST_F(AssemblerTest, ChecksStopAssemblingWithTheirMessagesAndWriteNothing) {
  w.Hex.AssembleFile_Click();
  EXPECT_EQ(host.LastBox(), "No data available for assembling.");
  EXPECT_EQ(host.boxes.back().style, kMsgCritical);
  EXPECT_EQ(w.TipsLabel.text, "Assembling aborted.");
  // XX left in the code (the cursor goes to its row), and a jump running past FFFF.
  SetRow(1, "NOP", "00");
  SetRow(2, "MVI  A,   v9", "3E   XX");
  w.Hex.AssembleFile_Click();
  EXPECT_EQ(host.LastBox(),
            "Compile error. The code at address 8001h holds 'XX', which is not a hex byte.");
  EXPECT_EQ(w.CursorRow, 2);
  w.Table1.SetText(0, kAddressColumn, "FFFE");
  SetRow(2, "JMP  0000", "C3   00   00");
  w.Hex.AssembleFile_Click();
  EXPECT_EQ(host.LastBox(), "Compile error. The code at address FFFFh runs past FFFFh.");
  EXPECT_TRUE(w.Hex.HexList.empty());
  // A label on a row without mnemonic has no address; an address error gives its message only.
  w.Symbols.AddLabel("here");
  SetRow(2, "", "", "here");
  w.Hex.AssembleFile_Click();
  EXPECT_EQ(host.LastBox(), "One or more strings do not have an equivalent assigned.");
  host.boxes.clear();
  w.Symbols.AddVariable("here", "01");
  w.Hex.AssembleFile_Click();
  ASSERT_EQ(host.boxes.size(), 1u);
  EXPECT_EQ(host.LastBox(), "The string 'here' is used as both label and variable.");
  EXPECT_TRUE(host.dialogs.empty());
}

TEST_F(AssemblerTest, AFailedSaveKeepsTheOldFileAndTheRecords) {
  SetRow(1, "HLT", "76");
  for (const char* name : {"nowhere/new.hex", "locked.hex"}) {
    WriteBytes("locked.hex", "old");
    std::filesystem::permissions(dir / "locked.hex", std::filesystem::perms::owner_read);
    Choose(name);
    w.Hex.AssembleFile_Click();
    EXPECT_EQ(host.LastBox(), "Unable to save file.") << name;
    EXPECT_EQ(ReadBytes("locked.hex"), "old");
    EXPECT_EQ(w.Hex.HexList, (std::vector<std::string>{":018000007609", kEndRecord}));
  }
  // An existing file that may be written is replaced whole.
  std::filesystem::permissions(dir / "locked.hex", std::filesystem::perms::owner_all);
  EXPECT_EQ(AssembleTo("locked.hex"), QuotedLines({":018000007609", ":00000001FF"}));
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir), {}), 1);
}

}  // namespace
}  // namespace parvix::testing
