// The disassembly dialog: loading records, marking, the check's messages, and
// the program the build steps make.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <string>
#include <utility>
#include <vector>

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

  // Loads records (address, bytes) as the Disassemble command leaves them.
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
  // The refusal leaves the dialog for the marking to be mended, the program untouched.
  void ExpectCheckFailed(const std::string& message) {
    ASSERT_FALSE(host.boxes.empty());
    EXPECT_EQ(host.LastBox(), message);
    EXPECT_EQ(host.boxes.back().style, kMsgCritical);
    EXPECT_EQ(host.pointer, Pointer::Default);
    EXPECT_TRUE(d.loaded);
    EXPECT_TRUE(d.DoneButton.enabled);
    EXPECT_TRUE(d.CancelButton.enabled);
    EXPECT_EQ(w.Table1.Rows(), 32);
    EXPECT_EQ(Cell(0, kAddressColumn), "8000");
    EXPECT_EQ(w.FileState, FileNew);
  }
};

TEST_F(DisassemblyTest, WorkedExampleBecomesOriginMviJmpHlt) {
  Load({{0x8000, {0x3E, 0x05, 0xC3, 0x00, 0x80, 0x76}}});
  ASSERT_EQ(d.DataTable.Rows(), 7);
  EXPECT_EQ(d.DataTable.Text(3, kByteAddressColumn), "8002");
  EXPECT_EQ(d.DataTable.Text(3, kByteDataColumn), "C3");
  EXPECT_EQ(Category(3), "Unwanted");
  EXPECT_FALSE(d.DoneButton.enabled);
  MarkAll(kMnemonic);
  EXPECT_TRUE(d.DoneButton.enabled);
  w.ProgramChanged = false;

  // Done: both buttons blocked until the build ends; a stray tick does nothing.
  d.DoneButton_Click();
  EXPECT_EQ(host.pointer, Pointer::Hourglass);
  EXPECT_FALSE(d.DoneButton.enabled);
  EXPECT_FALSE(d.CancelButton.enabled);
  d.CopyTimer_Timer();
  EXPECT_EQ(w.Table1.Rows(), 32);
  Fire(TimerId::CheckTimer);
  d.CancelButton_Click();  // no half-built program
  EXPECT_TRUE(d.loaded);
  Fire(TimerId::CopyTimer);
  Fire(TimerId::DisassembleTimer);
  Fire(TimerId::CommentTimer);

  EXPECT_EQ(Rows(), (Texts{"Origin|8000||", "a0|8000|MVI  A,  v0|3E   05",
                           "|8002|JMP  a0|C3   00   80", "|8005|HLT|76"}));
  EXPECT_EQ(w.Symbols.XXEqtList, Texts{"05"});
  EXPECT_EQ(w.Symbols.LabelEqtList, Texts{"8000"});
  EXPECT_EQ(w.Symbols.LabelPlacedList, Texts{"1"});
  EXPECT_EQ(Cell(2, kCommentColumn), "Jump to address pointed by 'a0'.");
  EXPECT_EQ(w.TipsLabel.text, "Disassembling completed successfully.");
  EXPECT_EQ(host.pointer, Pointer::Default);
  EXPECT_EQ(w.Caption, "Quenmar Parvix - Pgm1.zvt");
  EXPECT_EQ(w.FileState, FileDisassembled);
  EXPECT_TRUE(w.ProgramChanged);
  EXPECT_FALSE(d.loaded);
  EXPECT_TRUE(host.boxes.empty());
}

TEST_F(DisassemblyTest, DragsMarkFromPressToReleaseInEitherDirection) {
  Load({{0x8000, Bytes(8, 0x00)}});
  EXPECT_TRUE(d.takeChanges().reset);
  Drag(kData, 5, 2);      // upwards
  Drag(kMnemonic, 7, 7);  // a click marks its own row
  Texts marks;
  for (int r = 1; r <= 8; ++r) marks.push_back(Category(r));
  EXPECT_EQ(marks, (Texts{"Unwanted", "Data Byte", "Data Byte", "Data Byte", "Data Byte",
                          "Unwanted", "Mnemonic", "Unwanted"}));
  // The view repaints just the rows marked since it last asked.
  const DataTableChanges changes = d.takeChanges();
  EXPECT_EQ(changes.first, 2);
  EXPECT_EQ(changes.last, 7);
}

TEST_F(DisassemblyTest, CancelKeepsTheProgramAndRestoresThePrompt) {
  SetRow(1, "NOP", "00");
  w.EntryMode_Click();  // data mode
  Load({{0x8000, {0x76}}});
  MarkAll(kMnemonic);
  d.CancelButton_Click();
  EXPECT_FALSE(d.loaded);
  EXPECT_EQ(w.TipsLabel.text, "Data Mode.");
  EXPECT_EQ(Cell(1, kMnemonicColumn), "NOP");
  EXPECT_FALSE(host.TimerRunning(TimerId::CheckTimer));
}

TEST_F(DisassemblyTest, GapsAndJumpsBackInTheRecordsOpenNewOrigins) {
  // An unwanted byte; records that follow on, then one lower down.
  struct Case {
    std::vector<std::pair<int, Bytes>> records;
    int unwantedRow;
    Texts rows;
  };
  const Case cases[] = {
      {{{0x8000, {0x00, 0xFF, 0x00}}}, 2,
       {"Origin|8000||", "|8000|NOP|00", "|||", "|||", "Origin|8002||", "|8002|NOP|00"}},
      {{{0x0100, {0x00, 0x00}}, {0x0102, {0x76}}, {0x0050, {0x00}}}, 0,
       {"Origin|0100||", "|0100|NOP|00", "|0101|NOP|00", "|0102|HLT|76", "|||", "|||",
        "Origin|0050||", "|0050|NOP|00"}},
  };
  for (const Case& c : cases) {
    Load(c.records);
    MarkAll(kMnemonic);
    if (c.unwantedRow) Drag(kUnwanted, c.unwantedRow, c.unwantedRow);
    Build();
    EXPECT_EQ(Rows(), c.rows);
    EXPECT_EQ(w.Table1.BackColor(static_cast<int>(c.rows.size()) - 2, kLabelColumn), kOriginGrey);
  }
}

TEST_F(DisassemblyTest, TheCheckRefusesBadMarkingsWithTheirMessage) {
  struct Case {
    std::vector<std::pair<int, Bytes>> records;
    std::vector<std::pair<Mark, int>> marks;  // after every row is marked Mnemonic
    std::string message;  // before " Please check data table."
  };
  const std::string missing = "Data missing for instruction in Address 8001.";
  std::vector<Case> cases = {
      {{{0x8000, {0x00, 0x00}}}, {{kUnwanted, 1}, {kUnwanted, 2}},
       "No byte is marked as Mnemonic or Data Byte."},
      // Operand bytes missing: past the last row, marked otherwise, at another address.
      {{{0x8000, {0x00, 0xC3}}}, {}, missing},
      {{{0x8000, {0x00, 0xCD, 0x00, 0x90}}}, {{kData, 4}}, missing},
      {{{0x8000, {0x00, 0xCD, 0x00, 0x90}}}, {{kUnwanted, 4}}, missing},
      {{{0x8000, {0x00, 0x3E}}, {0x8005, {0x05}}}, {}, missing},
  };
  for (std::uint8_t op : {0x08, 0x10, 0x18, 0x28, 0x38, 0xCB, 0xD9, 0xDD, 0xED, 0xFD}) {
    cases.push_back({{{0x8FFF, {0x00, op}}}, {}, "Invalid Hex Value in address 9000."});
  }
  // Every other byte of memory: four rows apiece, byte 17500 (at 88B8) is past the table's end.
  Case tooLarge{{}, {}, "The marked bytes from address 88B8 on do not fit into one program."};
  for (int address = 0; address < 0x10000; address += 2) tooLarge.records.push_back({address, {0x00}});
  cases.push_back(tooLarge);
  for (const Case& c : cases) {
    SCOPED_TRACE(c.message);
    host.boxes.clear();
    Load(c.records);
    MarkAll(kMnemonic);
    for (const auto& [mark, row] : c.marks) Drag(mark, row, row);
    EXPECT_FALSE(DoneAndCheck());
    ExpectCheckFailed(c.message + " Please check data table.");
  }
  // Mended marks build from the mended marks only.
  Load({{0x8FFF, {0x00, 0xFD}}});
  MarkAll(kMnemonic);
  EXPECT_FALSE(DoneAndCheck());
  Drag(kData, 2, 2);
  Build();
  EXPECT_EQ(Rows(), (Texts{"Origin|8FFF||", "|8FFF|NOP|00", "|9000|DFB|FD"}));
}

TEST_F(DisassemblyTest, JumpsShareLabelsEqualBytesGetTwoVariablesAndOutsideTargetsStayUnplaced) {
  Load({{0x8000, {0x06, 0x07, 0x0E, 0x07, 0xC3, 0x00, 0x80, 0xCA, 0x00, 0x80, 0xC2, 0x04,
                  0x80}}});
  MarkAll(kMnemonic);
  Build();
  EXPECT_EQ(w.Symbols.XXEqtList, (Texts{"07", "07"}));
  EXPECT_EQ(w.Symbols.LabelEqtList, (Texts{"8000", "8004"}));
  EXPECT_EQ(Rows(), (Texts{"Origin|8000||", "a0|8000|MVI  B,   v0|06   07",
                           "|8002|MVI  C,  v1|0E   07", "a1|8004|JMP  a0|C3   00   80",
                           "|8007|JZ  a0|CA   00   80", "|800A|JNZ  a1|C2   04   80"}));
  EXPECT_EQ(w.NextXXNumber, 2);
  EXPECT_EQ(w.NextLabelNumber, 2);

  // CALL 0005 and LXI H into the middle of the CALL: unplaced labels.
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
  // The next key overwrites the row the cursor marks.
  int hlt = 0;
  while (w.Instructions.INST[hlt].text != "HLT") ++hlt;
  w.Instructions.INST_Click(hlt);
  EXPECT_EQ(Cell(1, kMnemonicColumn), "HLT");
  EXPECT_EQ(w.CursorRow, 2);
}

TEST_F(DisassemblyTest, EveryInstructionMarkedAssemblesAgainToTheSameRecords) {
  // Every defined opcode with operand bytes of its own, three data bytes, and
  // a second block after a gap.
  Bytes code;
  std::vector<std::pair<Mark, int>> lines;  // each line's mark and byte count
  for (int op = 0; op < 256; ++op) {
    if (IsUndefinedOpcode(op)) continue;
    const int length = InstructionLength(op);
    for (int i = 0; i < length; ++i) code.push_back(static_cast<std::uint8_t>(op + 17 * i));
    lines.push_back({kMnemonic, length});
  }
  for (std::uint8_t value : {0x00, 0x08, 0xFF}) {
    code.push_back(value);
    lines.push_back({kData, 1});
  }
  std::vector<std::pair<int, Bytes>> records;
  for (size_t i = 0; i < code.size(); i += kMaxRecordBytes) {
    const size_t end = std::min(code.size(), i + kMaxRecordBytes);
    records.push_back({0x8000 + static_cast<int>(i), Bytes(code.begin() + i, code.begin() + end)});
  }
  records.push_back({0x9000, {0xC3, 0x00, 0x80, 0x3E, 0xFF}});
  lines.insert(lines.end(), {{kMnemonic, 3}, {kMnemonic, 2}});
  Load(records);
  int row = 1;
  for (const auto& [mark, bytes] : lines) {
    Drag(mark, row, row + bytes - 1);
    row += bytes;
  }
  Build();
  EXPECT_TRUE(host.boxes.empty()) << host.LastBox();

  // A row per line, the data lines as DFB, and the same records once assembled.
  int codeRows = 0, dataRows = 0;
  for (int r = 0; r < w.UsedRowCount; ++r) {
    if (w.IsOriginRow(r) || Cell(r, kOpcodeColumn).empty()) continue;
    ++codeRows;
    dataRows += Cell(r, kMnemonicColumn) == "DFB";
  }
  EXPECT_EQ(codeRows, static_cast<int>(lines.size()));
  EXPECT_EQ(dataRows, 3);
  EXPECT_EQ(w.OriginList, (Texts{"8000", "9000"}));
  const AssemblyResult again = AssembleRecords(StageProgram(w.Table1));
  ASSERT_TRUE(again.ok());
  EXPECT_EQ(again.records, w.Hex.HexList);
}

}  // namespace
}  // namespace parvix::testing
