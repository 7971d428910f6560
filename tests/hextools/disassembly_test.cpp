// The disassembly dialog: loading the records into the byte table, marking
// with the mouse, the check of the marking with its messages, and the new
// program that the build steps make (names, origins, placed labels, comments).
#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <utility>
#include <vector>

#include "base/hex_text.h"
#include "hextools/assembler.h"
#include "hextools/hex_records.h"
#include "support/session_fixture.h"
#include "tables/opcode_tables.h"

namespace parvix::testing {
namespace {

using Bytes = std::vector<std::uint8_t>;
using Texts = std::vector<std::string>;

enum Mark { kData = 0, kMnemonic = 1, kUnwanted = 2 };

class DisassemblyTest : public SessionTest {
 protected:
  DataDialog& d = w.Disassembly;

  // Loads records (address, bytes), in this order, as the Disassemble
  // command leaves them, and loads the dialog over them.
  void Load(const std::vector<std::pair<int, Bytes>>& records) {
    w.Hex.HexList.clear();
    for (const auto& [address, bytes] : records) {
      w.Hex.HexList.push_back(DataRecordText(address, bytes));
    }
    w.Hex.HexList.push_back(kEndRecord);
    w.Hex.HexFileTitle = "prog.hex";
    d.Form_Load();
  }
  // A press on one row and the release on another, with an option chosen.
  void Drag(Mark mark, int from, int to) {
    d.DataType_Click(mark);
    d.DataTable_MouseDown(from);
    d.DataTable_MouseUp(to);
  }
  void MarkAll(Mark mark) { Drag(mark, 1, d.DataTable.Rows() - 1); }
  // Done and the check; true when the check passed and the copy is next.
  bool DoneAndCheck() {
    d.DoneButton_Click();
    if (!host.Expire(TimerId::CheckTimer)) return false;
    session.TimerFired(TimerId::CheckTimer);
    return host.TimerRunning(TimerId::CopyTimer);
  }
  // Done and every step that follows.
  void Build() {
    ASSERT_TRUE(DoneAndCheck()) << host.LastBox();
    Fire(TimerId::CopyTimer);
    Fire(TimerId::DisassembleTimer);
    Fire(TimerId::CommentTimer);
  }
  std::string Cell(int r, int c) { return w.Table1.Text(r, c); }
  std::string Category(int r) { return d.DataTable.Text(r, kCategoryColumn); }
  // The program as the rows show it: "label|address|mnemonic|code" per row in use.
  Texts Rows() {
    Texts rows;
    for (int r = 0; r < w.UsedRowCount; ++r) {
      rows.push_back(Cell(r, kLabelColumn) + "|" + Cell(r, kAddressColumn) + "|" +
                     Cell(r, kMnemonicColumn) + "|" + Cell(r, kOpcodeColumn));
    }
    return rows;
  }
  void ExpectCheckFailed(const std::string& message) {
    ASSERT_FALSE(host.boxes.empty());
    EXPECT_EQ(host.LastBox(), message);
    EXPECT_EQ(host.boxes.back().style, kMsgCritical);
    EXPECT_EQ(w.MsgBoxAnswer, "1");
    EXPECT_EQ(host.pointer, Pointer::Default);
    EXPECT_EQ(w.TipsLabel.text, "Checking Data . . .");
    // The dialog stays for the marking to be mended; the program is untouched.
    EXPECT_TRUE(d.loaded);
    EXPECT_TRUE(d.DoneButton.enabled);
    EXPECT_TRUE(d.CancelButton.enabled);
    EXPECT_EQ(w.Table1.Rows(), 32);
    EXPECT_EQ(Cell(0, kAddressColumn), "8000");
    EXPECT_EQ(w.FileState, FileNew);
  }
};

// ---- The worked example --------------------------------------------------------

TEST_F(DisassemblyTest, WorkedExampleBecomesOriginMviJmpHlt) {
  Load({{0x8000, {0x3E, 0x05, 0xC3, 0x00, 0x80, 0x76}}});
  EXPECT_EQ(d.Caption, "Disassemble Dialog - prog.hex");
  EXPECT_EQ(w.TipsLabel.text,
            "Select the mnemonics & data bytes and click 'Done', or click 'Cancel'.");
  ASSERT_EQ(d.DataTable.Rows(), 7);
  EXPECT_EQ(d.DataTable.Text(0, 2), "Category");
  EXPECT_EQ(d.DataTable.Text(3, kByteAddressColumn), "8002");
  EXPECT_EQ(d.DataTable.Text(3, kByteDataColumn), "C3");
  EXPECT_EQ(Category(3), "Unwanted");
  EXPECT_FALSE(d.DoneButton.enabled);

  MarkAll(kMnemonic);
  EXPECT_EQ(d.DataTypeLabel.text, "Mnemonic");
  EXPECT_TRUE(d.DoneButton.enabled);
  w.ProgramChanged = false;

  // Done: the hourglass, and both buttons blocked until the build ends.
  d.DoneButton_Click();
  EXPECT_EQ(w.TipsLabel.text, "Checking Data . . .");
  EXPECT_EQ(host.pointer, Pointer::Hourglass);
  EXPECT_FALSE(d.DoneButton.enabled);
  EXPECT_FALSE(d.CancelButton.enabled);
  d.CopyTimer_Timer();  // a stray tick of a later step does nothing
  EXPECT_EQ(w.Table1.Rows(), 32);
  Fire(TimerId::CheckTimer);
  EXPECT_EQ(w.TipsLabel.text, "Copying Opcodes . . .");
  EXPECT_EQ(host.pointer, Pointer::Hourglass);
  d.CancelButton_Click();  // blocked: no half-built program
  EXPECT_TRUE(d.loaded);
  Fire(TimerId::CopyTimer);
  EXPECT_EQ(w.TipsLabel.text, " Disassembling Opcodes . . .");
  EXPECT_EQ(host.pointer, Pointer::Default);
  Fire(TimerId::DisassembleTimer);
  EXPECT_EQ(w.TipsLabel.text, "Adding Comments . . .");
  Fire(TimerId::CommentTimer);

  EXPECT_EQ(Rows(), (Texts{"Origin|8000||", "a0|8000|MVI  A,  v0|3E   05",
                           "|8002|JMP  a0|C3   00   80", "|8005|HLT|76"}));
  EXPECT_EQ(w.Table1.Rows(), 14);
  EXPECT_EQ(w.StringTable.Rows(), 14);
  EXPECT_EQ(w.StringTable.Text(1, 0), "v0");
  EXPECT_EQ(w.StringTable.Text(2, 0), "a0");
  EXPECT_EQ(w.Table1.BackColor(0, kCommentColumn), kOriginGrey);
  EXPECT_EQ(w.Symbols.XXCombo.Items(), Texts{"v0"});
  EXPECT_EQ(w.Symbols.XXEqtList, Texts{"05"});
  EXPECT_EQ(w.Symbols.LabelCombo.Items(), Texts{"a0"});
  EXPECT_EQ(w.Symbols.LabelEqtList, Texts{"8000"});
  EXPECT_EQ(w.Symbols.LabelPlacedList, Texts{"1"});
  EXPECT_EQ(w.Symbols.LabelLineList, Texts{"1"});
  EXPECT_EQ(w.Symbols.LabelUsedList, Texts{"1"});
  EXPECT_EQ(w.NextXXNumber, 1);
  EXPECT_EQ(w.NextLabelNumber, 1);
  EXPECT_EQ(Cell(2, kCommentColumn), "Jump to address pointed by 'a0'.");
  EXPECT_EQ(Cell(3, kCommentColumn), "Halt program execution.");

  EXPECT_EQ(w.TipsLabel.text, "Disassembling completed successfully.");
  EXPECT_EQ(w.FileTitle, "Pgm1.zvt");
  EXPECT_EQ(w.Caption, "Quenmar Parvix - Pgm1.zvt");
  EXPECT_EQ(w.FileState, FileDisassembled);
  EXPECT_TRUE(w.ProgramChanged);
  EXPECT_EQ(w.EntryState, ProgramState);
  EXPECT_FALSE(d.loaded);
  EXPECT_EQ(host.closed.back(), WindowId::Disassembly);
  EXPECT_TRUE(host.boxes.empty());
}

// ---- Marking ---------------------------------------------------------------------

TEST_F(DisassemblyTest, DragsMarkFromPressToReleaseInEitherDirection) {
  Load({{0x8000, Bytes(8, 0x00)}});
  EXPECT_TRUE(d.takeChanges().reset);
  Drag(kData, 5, 2);  // upwards
  EXPECT_EQ(d.DataTypeLabel.text, "Data Byte");
  EXPECT_TRUE(d.DataType[0].checked);
  EXPECT_FALSE(d.DataType[2].checked);
  Texts marks;
  for (int r = 1; r <= 8; ++r) marks.push_back(Category(r));
  EXPECT_EQ(marks, (Texts{"Unwanted", "Data Byte", "Data Byte", "Data Byte", "Data Byte",
                          "Unwanted", "Unwanted", "Unwanted"}));
  Drag(kMnemonic, 7, 7);  // a click marks its own row
  EXPECT_EQ(Category(7), "Mnemonic");
  // The view repaints just the rows marked since it last asked.
  const DataTableChanges changes = d.takeChanges();
  EXPECT_FALSE(changes.reset);
  EXPECT_EQ(changes.first, 2);
  EXPECT_EQ(changes.last, 7);
  EXPECT_GT(d.takeChanges().first, d.takeChanges().last);
}

TEST_F(DisassemblyTest, NothingMarkedIsRefusedWithAMessage) {
  Load({{0x8000, {0x00, 0x00}}});
  Drag(kMnemonic, 1, 2);
  Drag(kUnwanted, 1, 2);  // every mark set back: Done stays usable
  EXPECT_TRUE(d.DoneButton.enabled);
  EXPECT_FALSE(DoneAndCheck());
  ExpectCheckFailed("No byte is marked as Mnemonic or Data Byte. Please check data table.");
}

TEST_F(DisassemblyTest, CancelKeepsTheProgramAndRestoresThePrompt) {
  SetRow(1, "NOP", "00");
  Load({{0x8000, {0x76}}});
  MarkAll(kMnemonic);
  d.CancelButton_Click();
  EXPECT_FALSE(d.loaded);
  EXPECT_EQ(host.closed.back(), WindowId::Disassembly);
  EXPECT_EQ(w.TipsLabel.text, "Program Mode.");
  EXPECT_EQ(Cell(1, kMnemonicColumn), "NOP");
  EXPECT_FALSE(host.TimerRunning(TimerId::CheckTimer));

  w.EntryMode_Click();  // data mode
  Load({{0x8000, {0x76}}});
  d.CancelButton_Click();
  EXPECT_EQ(w.TipsLabel.text, "Data Mode.");
}

// ---- Gaps and record order ----------------------------------------------------------

TEST_F(DisassemblyTest, AnUnwantedByteOpensANewOriginAfterTwoEmptyRows) {
  Load({{0x8000, {0x00, 0xFF, 0x00}}});
  MarkAll(kMnemonic);
  Drag(kUnwanted, 2, 2);
  Build();
  EXPECT_EQ(Rows(), (Texts{"Origin|8000||", "|8000|NOP|00", "|||", "|||", "Origin|8002||",
                           "|8002|NOP|00"}));
  EXPECT_EQ(d.OriginList, (std::vector<NewOrigin>{{"8000", 0}, {"8002", 4}}));
  EXPECT_EQ(w.Table1.BackColor(4, kLabelColumn), kOriginGrey);
  EXPECT_EQ(w.OriginList, (Texts{"8000", "8002"}));
}

TEST_F(DisassemblyTest, RecordsThatFollowOnFormOneOriginAndJumpsBackStartAnother) {
  Load({{0x0100, {0x00, 0x00}}, {0x0102, {0x76}}, {0x0050, {0x00}}});
  EXPECT_EQ(d.DataTable.Text(4, kByteAddressColumn), "0050");
  MarkAll(kMnemonic);
  Build();
  EXPECT_EQ(Rows(), (Texts{"Origin|0100||", "|0100|NOP|00", "|0101|NOP|00", "|0102|HLT|76",
                           "|||", "|||", "Origin|0050||", "|0050|NOP|00"}));
}

TEST_F(DisassemblyTest, BytesPastFFFFKeepFiveDigitAddresses) {
  Load({{0xFFFE, {0x00, 0x00, 0x00, 0x00}}});
  EXPECT_EQ(d.DataTable.Text(2, kByteAddressColumn), "FFFF");
  EXPECT_EQ(d.DataTable.Text(3, kByteAddressColumn), "10000");
  EXPECT_EQ(d.DataTable.Text(4, kByteAddressColumn), "10001");
}

// ---- The check's refusals ---------------------------------------------------------

TEST_F(DisassemblyTest, EveryUndefinedOpcodeIsRejectedWithItsAddress) {
  for (std::uint8_t op : {0x08, 0x10, 0x18, 0x28, 0x38, 0xCB, 0xD9, 0xDD, 0xED, 0xFD}) {
    SCOPED_TRACE(op);
    host.boxes.clear();
    Load({{0x8FFF, {0x00, op}}});
    MarkAll(kMnemonic);
    EXPECT_FALSE(DoneAndCheck());
    ExpectCheckFailed("Invalid Hex Value in address 9000. Please check data table.");
  }
  // Mended marks build from the mended marks only.
  Drag(kData, 2, 2);
  Build();
  EXPECT_EQ(Rows(), (Texts{"Origin|8FFF||", "|8FFF|NOP|00", "|9000|DFB|FD"}));
}

TEST_F(DisassemblyTest, MissingOperandBytesAreReportedAtTheOpcode) {
  const std::string missing = "Data missing for instruction in Address 8001. Please check data table.";
  // A three-byte opcode as the last row.
  Load({{0x8000, {0x00, 0xC3}}});
  MarkAll(kMnemonic);
  EXPECT_FALSE(DoneAndCheck());
  ExpectCheckFailed(missing);
  // Only one operand row marked Mnemonic, the other a data byte or unwanted.
  Load({{0x8000, {0x00, 0xCD, 0x00, 0x90}}});
  MarkAll(kMnemonic);
  Drag(kData, 4, 4);
  EXPECT_FALSE(DoneAndCheck());
  ExpectCheckFailed(missing);
  Drag(kUnwanted, 4, 4);
  EXPECT_FALSE(DoneAndCheck());
  ExpectCheckFailed(missing);
  // A two-byte opcode whose operand row is at another address.
  Load({{0x8000, {0x00, 0x3E}}, {0x8005, {0x05}}});
  MarkAll(kMnemonic);
  EXPECT_FALSE(DoneAndCheck());
  ExpectCheckFailed(missing);
}

TEST_F(DisassemblyTest, AMarkingTooLargeForTheProgramTableIsRefused) {
  // Every other byte of memory: each kept byte opens an origin, four rows
  // apiece (two empty rows, the origin, the byte).
  std::vector<std::pair<int, Bytes>> records;
  for (int address = 0; address < 0x10000; address += 2) records.push_back({address, {0x00}});
  Load(records);
  MarkAll(kData);
  EXPECT_FALSE(DoneAndCheck());
  // Byte i stands on row 4i + 1 and row 70000 is the last: byte 17500 (at 88B8) does not fit.
  ExpectCheckFailed(
      "The marked bytes from address 88B8 on do not fit into one program. Please check data "
      "table.");
}

// ---- Names and labels ----------------------------------------------------------------

TEST_F(DisassemblyTest, JumpsToOneAddressShareALabelAndEqualBytesGetTwoVariables) {
  Load({{0x8000, {0x06, 0x07, 0x0E, 0x07, 0xC3, 0x00, 0x80, 0xCA, 0x00, 0x80, 0xC2, 0x04,
                  0x80}}});
  MarkAll(kMnemonic);
  Build();
  EXPECT_EQ(w.Symbols.XXCombo.Items(), (Texts{"v0", "v1"}));
  EXPECT_EQ(w.Symbols.XXEqtList, (Texts{"07", "07"}));
  EXPECT_EQ(w.Symbols.LabelCombo.Items(), (Texts{"a0", "a1"}));
  EXPECT_EQ(w.Symbols.LabelEqtList, (Texts{"8000", "8004"}));
  EXPECT_EQ(Rows(), (Texts{"Origin|8000||", "a0|8000|MVI  B,   v0|06   07",
                           "|8002|MVI  C,  v1|0E   07", "a1|8004|JMP  a0|C3   00   80",
                           "|8007|JZ  a0|CA   00   80", "|800A|JNZ  a1|C2   04   80"}));
  EXPECT_EQ(w.NextXXNumber, 2);
  EXPECT_EQ(w.NextLabelNumber, 2);
}

TEST_F(DisassemblyTest, ACallOutsideTheProgramKeepsAnUnplacedLabel) {
  // CALL 0005 and LXI H into the middle of the CALL: neither value is a row's address.
  Load({{0x8000, {0xCD, 0x05, 0x00, 0x21, 0x01, 0x80, 0x76}}});
  MarkAll(kMnemonic);
  Build();
  EXPECT_EQ(w.Symbols.LabelEqtList, (Texts{"0005", "8001"}));
  EXPECT_EQ(w.Symbols.LabelPlacedList, (Texts{"0", "0"}));
  for (int r = 1; r < w.Table1.Rows(); ++r) EXPECT_EQ(Cell(r, kLabelColumn), "") << r;
  EXPECT_EQ(Cell(1, kMnemonicColumn), "CALL  a0");
  EXPECT_EQ(Cell(1, kOpcodeColumn), "CD   05   00");
}

TEST_F(DisassemblyTest, TheCursorComesToTheNewProgramFromBelowItsEnd) {
  // The old program is longer than the new one, with the cursor far down it.
  for (int r = 1; r <= 45; ++r) SetRow(r, "NOP", "00");
  w.NextLine(46);
  Load({{0x8000, {0x31, 0xFF, 0x80, 0x00}}});
  MarkAll(kMnemonic);
  Build();
  ASSERT_EQ(w.Table1.Rows(), 13);
  EXPECT_EQ(w.CursorRow, 1);
  EXPECT_EQ(w.SelectionStartRow, 1);
  EXPECT_EQ(w.SelectionEndRow, 1);
  // The next key writes its line into the new program, over the row the
  // cursor marks (the table is in Overwrite mode).
  int hlt = 0;
  while (w.Instructions.INST[hlt].text != "HLT") ++hlt;
  w.Instructions.INST_Click(hlt);
  EXPECT_EQ(Cell(1, kMnemonicColumn), "HLT");
  EXPECT_EQ(w.CursorRow, 2);
}

// ---- Round trip ---------------------------------------------------------------------------

// A program line: its address, its code text, and whether it is a data line.
struct Line {
  int address;
  std::string code;
  bool data = false;
};

// Hex records of the lines, as the assembler writes them: a run of
// consecutive bytes in records of at most 16 bytes.
std::vector<std::pair<int, Bytes>> RecordsOf(const std::vector<Line>& lines) {
  std::vector<std::pair<int, Bytes>> records;
  int next = -1;
  for (const Line& line : lines) {
    for (size_t i = 0; i < line.code.size(); i += 5) {
      const int address = line.address + static_cast<int>(i / 5);
      const auto byte = static_cast<std::uint8_t>(std::stoi(line.code.substr(i, 2), nullptr, 16));
      if (address != next || records.back().second.size() == kMaxRecordBytes) {
        records.push_back({address, {}});
      }
      records.back().second.push_back(byte);
      next = address + 1;
    }
  }
  return records;
}

// Every defined opcode once, each with operand bytes of its own, then data
// lines, then a second block after a gap.
std::vector<Line> EveryInstructionProgram() {
  std::vector<Line> lines;
  int address = 0x8000;
  for (int op = 0; op < 256; ++op) {
    if (IsUndefinedOpcode(op)) continue;
    std::string code = Hex2(op);
    const int length = InstructionLength(op);
    for (int i = 1; i < length; ++i) code += "   " + Hex2(op + 17 * i);
    lines.push_back({address, code});
    address += length;
  }
  for (int value : {0x00, 0x08, 0xFF}) lines.push_back({address++, Hex2(value), true});
  lines.push_back({0x9000, "C3   00   80"});
  lines.push_back({0x9003, "3E   FF"});
  return lines;
}

TEST_F(DisassemblyTest, MarkedRecordsGiveBackTheSameCodeTextsAndAddresses) {
  const std::vector<Line> lines = EveryInstructionProgram();
  const std::vector<std::pair<int, Bytes>> records = RecordsOf(lines);
  Load(records);
  // Instruction bytes Mnemonic, data bytes Data Byte.
  int row = 1;
  for (const Line& line : lines) {
    const int bytes = static_cast<int>(line.code.size() + 3) / 5;
    Drag(line.data ? kData : kMnemonic, row, row + bytes - 1);
    row += bytes;
  }
  Build();
  EXPECT_TRUE(host.boxes.empty()) << host.LastBox();

  std::vector<Line> back;
  for (int r = 0; r < w.UsedRowCount; ++r) {
    if (w.IsOriginRow(r) || Cell(r, kOpcodeColumn).empty()) continue;
    back.push_back({ParseHex(Cell(r, kAddressColumn)).value_or(-1), Cell(r, kOpcodeColumn),
                    Cell(r, kMnemonicColumn) == "DFB"});
  }
  ASSERT_EQ(back.size(), lines.size());
  for (size_t i = 0; i < lines.size(); ++i) {
    EXPECT_EQ(back[i].address, lines[i].address) << i;
    EXPECT_EQ(back[i].code, lines[i].code) << i;
    EXPECT_EQ(back[i].data, lines[i].data) << i;
  }
  EXPECT_EQ(w.OriginList, (Texts{"8000", "9000"}));

  // Assembled again, the new program gives back the very records it came from.
  const std::vector<std::string> loaded = w.Hex.HexList;
  const AssemblyResult again = AssembleRecords(StageProgram(w.Table1));
  ASSERT_TRUE(again.ok());
  EXPECT_EQ(again.records, loaded);
}

}  // namespace
}  // namespace parvix::testing
