// The disassembly dialog: loading, marking, the check's messages, and the program it builds.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <string>
#include <tuple>
#include <utility>
#include <vector>

#include "editor/program_table.h"
#include "hextools/assembler.h"
#include "hextools/hex_records.h"
#include "support/session_fixture.h"
#include "tables/opcode_tables.h"

namespace parvix::testing {
namespace {

using Bytes = std::vector<std::uint8_t>;
using Texts = std::vector<std::string>;
using Records = std::vector<std::pair<int, Bytes>>;

enum Mark { kData = 0, kMnemonic = 1, kUnwanted = 2 };

class DisassemblyTest : public SessionTest {
 protected:
  DataDialog& d = w.Disassembly;

  // Loads records (address, bytes) as File > Disassemble does, all marked Mnemonic if `markAll`.
  void Load(const Records& records, bool markAll = true) {
    w.Hex.HexList.clear();
    for (const auto& [address, bytes] : records)
      w.Hex.HexList.push_back(DataRecordText(address, bytes));
    w.Hex.HexList.push_back(kEndRecord);
    d.Form_Load();
    if (markAll) Drag(kMnemonic, 1, d.DataTable.Rows() - 1);
  }
  // A press on one row and the release on another, with an option chosen.
  void Drag(Mark mark, int from, int to) {
    d.DataType_Click(mark);
    d.DataTable_MouseDown(from);
    d.DataTable_MouseUp(to);
  }
  // Done and the check; true when the check passed and the copy is next.
  bool DoneAndCheck() {
    d.DoneButton_Click();
    if (!host.Expire(TimerId::CheckTimer)) return false;
    session.TimerFired(TimerId::CheckTimer);
    return host.TimerRunning(TimerId::CopyTimer);
  }
  void Build() {
    ASSERT_TRUE(DoneAndCheck()) << host.LastBox();
    for (TimerId t : {TimerId::CopyTimer, TimerId::DisassembleTimer, TimerId::CommentTimer})
      Fire(t);
  }
  std::string Cell(int r, int c) { return w.Table1.Text(r, c); }
  // The program as the rows show it: "label|address|mnemonic|code" per row in use.
  Texts Rows() {
    Texts rows;
    for (int r = 0; r < w.UsedRowCount; ++r)
      rows.push_back(Cell(r, kLabelColumn) + "|" + Cell(r, kAddressColumn) + "|" +
                     Cell(r, kMnemonicColumn) + "|" + Cell(r, kOpcodeColumn));
    return rows;
  }
};

TEST_F(DisassemblyTest, WorkedExampleBecomesOriginMviJmpHlt) {
  Load({{0x8000, {0x3E, 0x05, 0xC3, 0x00, 0x80, 0x76}}}, false);
  EXPECT_FALSE(d.DoneButton.enabled);
  Drag(kData, 4, 2);  // upwards
  Texts marks;
  for (int r = 1; r <= 6; ++r) marks.push_back(d.DataTable.Text(r, kCategoryColumn));
  EXPECT_EQ(marks,
            (Texts{"Unwanted", "Data Byte", "Data Byte", "Data Byte", "Unwanted", "Unwanted"}));
  const DataTableChanges changes = d.takeChanges();  // the view repaints just these rows
  EXPECT_EQ(std::make_pair(changes.first, changes.last), std::make_pair(2, 4));
  Drag(kMnemonic, 1, 6);
  EXPECT_TRUE(d.DoneButton.enabled);
  w.ProgramChanged = false;

  // Done: a stray tick before the check copies nothing.
  d.DoneButton_Click();
  EXPECT_EQ(host.pointer, Pointer::Hourglass);
  d.CopyTimer_Timer();
  EXPECT_EQ(w.Table1.Rows(), 32);
  for (TimerId t :
       {TimerId::CheckTimer, TimerId::CopyTimer, TimerId::DisassembleTimer, TimerId::CommentTimer})
    Fire(t);

  EXPECT_EQ(Rows(), (Texts{"Origin|8000||", "a0|8000|MVI  A,  v0|3E   05",
                           "|8002|JMP  a0|C3   00   80", "|8005|HLT|76"}));
  EXPECT_EQ(Cell(2, kCommentColumn), "Jump to address pointed by 'a0'.");
  EXPECT_EQ(w.TipsLabel.text, "Disassembling completed successfully.");
  EXPECT_EQ(host.pointer, Pointer::Default);
  EXPECT_EQ(w.Caption, "Quenmar Parvix - Pgm1.zvt");
  EXPECT_EQ(w.FileState, FileDisassembled);
  EXPECT_TRUE(w.ProgramChanged);
  EXPECT_FALSE(d.loaded);
  EXPECT_TRUE(host.boxes.empty());
}

// A Shift press keeps the grid's current row, so the release marks from it
// to the pressed row: the rows the grid shows selected, in either direction.
// A press or the keys move the current row; the keys mark nothing.
TEST_F(DisassemblyTest, AShiftClickMarksFromTheCurrentRowToTheClickedRow) {
  Load({{0x8000, Bytes(8, 0x00)}}, false);
  auto shiftClick = [this](Mark mark, int row) {
    d.DataType_Click(mark);
    d.DataTable_MouseDown(row, true);
    d.DataTable_MouseUp(row);
  };
  auto marks = [this] {
    std::string text;
    for (int r = 1; r < d.DataTable.Rows(); ++r)
      text += d.DataTable.Text(r, kCategoryColumn).substr(0, 1);
    return text;
  };
  shiftClick(kData, 2);  // from the first row, current since loading
  EXPECT_EQ(marks(), "DDUUUUUU");
  Drag(kUnwanted, 4, 4);
  shiftClick(kMnemonic, 7);
  EXPECT_EQ(marks(), "DDUMMMMU");
  shiftClick(kData, 3);  // upwards from the same current row
  EXPECT_EQ(marks(), "DDDDMMMU");
  Drag(kUnwanted, 6, 8);  // a drag moves the current row to its press
  shiftClick(kMnemonic, 5);
  EXPECT_EQ(marks(), "DDDDMMUU");
  d.DataTable_RowColChange(8);
  EXPECT_EQ(marks(), "DDDDMMUU");
  shiftClick(kData, 7);
  EXPECT_EQ(marks(), "DDDDMMDD");
}

TEST_F(DisassemblyTest, TheCheckRefusesBadMarkingsWithTheirMessage) {
  // Records, marks made after every row is marked Mnemonic, the message's start.
  using Case = std::tuple<Records, std::vector<std::pair<Mark, int>>, std::string>;
  const std::string missing = "Data missing for instruction in Address 8001.";
  std::vector<Case> cases = {
      {{{0x8000, {0x00, 0x00}}},
       {{kUnwanted, 1}, {kUnwanted, 2}},
       "No byte is marked as Mnemonic or Data Byte."},
      // Operand bytes missing: past the last row, marked otherwise, at another address.
      {{{0x8000, {0x00, 0xC3}}}, {}, missing},
      {{{0x8000, {0x00, 0xCD, 0x00, 0x90}}}, {{kData, 4}}, missing},
      {{{0x8000, {0x00, 0x3E}}, {0x8005, {0x05}}}, {}, missing},
  };
  for (std::uint8_t op : {0x08, 0x10, 0x18, 0x28, 0x38, 0xCB, 0xD9, 0xDD, 0xED, 0xFD})
    cases.push_back({{{0x8FFF, {0x00, op}}}, {}, "Invalid Hex Value in address 9000."});
  // Every other byte of memory: four rows apiece, byte 17500 (at 88B8) is past the table's end.
  Records everyOther;
  for (int address = 0; address < 0x10000; address += 2) everyOther.push_back({address, {0x00}});
  cases.push_back(
      {everyOther, {}, kProgramFullText + " The marked bytes from address 88B8 on do not fit."});
  for (const auto& [records, marks, message] : cases) {
    SCOPED_TRACE(message);
    Load(records);
    for (const auto& [mark, row] : marks) Drag(mark, row, row);
    EXPECT_FALSE(DoneAndCheck());
    // The dialog stays open for the marking to be mended, the program untouched.
    ASSERT_EQ(host.LastBox(), message + " Please check data table.");
    EXPECT_EQ(host.boxes.back().style, kMsgCritical);
    EXPECT_EQ(host.pointer, Pointer::Default);
    EXPECT_TRUE(d.loaded && d.DoneButton.enabled && d.CancelButton.enabled);
    EXPECT_EQ(w.Table1.Rows(), 32);
    EXPECT_EQ(w.FileState, FileNew);
  }
  // Mended marks build from the mended marks only.
  Load({{0x8FFF, {0x00, 0xFD}}});
  EXPECT_FALSE(DoneAndCheck());
  Drag(kData, 2, 2);
  Build();
  EXPECT_EQ(Rows(), (Texts{"Origin|8FFF||", "|8FFF|NOP|00", "|9000|DFB|FD"}));
}

TEST_F(DisassemblyTest, GapsOpenOriginsJumpsShareLabelsAndOutsideTargetsStayUnplaced) {
  struct Case {
    Records records;
    int unwantedRow;
    Texts rows, variables{}, labels{}, placed{};
  };
  const Case cases[] = {
      // An unwanted byte; records that follow on, then one lower down.
      {{{0x8000, {0x00, 0xFF, 0x00}}},
       2,
       {"Origin|8000||", "|8000|NOP|00", "|||", "|||", "Origin|8002||", "|8002|NOP|00"}},
      {{{0x0100, {0x00, 0x00}}, {0x0102, {0x76}}, {0x0050, {0x00}}},
       0,
       {"Origin|0100||", "|0100|NOP|00", "|0101|NOP|00", "|0102|HLT|76", "|||", "|||",
        "Origin|0050||", "|0050|NOP|00"}},
      // Jumps to one address share its label; equal bytes get a variable each.
      {{{0x8000, {0x06, 0x07, 0x0E, 0x07, 0xC3, 0x00, 0x80, 0xCA, 0x00, 0x80, 0xC2, 0x04, 0x80}}},
       0,
       {"Origin|8000||", "a0|8000|MVI  B,   v0|06   07", "|8002|MVI  C,  v1|0E   07",
        "a1|8004|JMP  a0|C3   00   80", "|8007|JZ  a0|CA   00   80", "|800A|JNZ  a1|C2   04   80"},
       {"07", "07"},
       {"8000", "8004"},
       {"1", "1"}},
      // CALL 0005 and LXI H into the middle of the CALL: unplaced labels.
      {{{0x8000, {0xCD, 0x05, 0x00, 0x21, 0x01, 0x80, 0x76}}},
       0,
       {"Origin|8000||", "|8000|CALL  a0|CD   05   00", "|8003|LXI  H,  a1|21   01   80",
        "|8006|HLT|76"},
       {},
       {"0005", "8001"},
       {"0", "0"}},
  };
  for (const Case& c : cases) {
    Load(c.records);
    if (c.unwantedRow) Drag(kUnwanted, c.unwantedRow, c.unwantedRow);
    Build();
    EXPECT_EQ(Rows(), c.rows);
    for (int r = 0; r < w.UsedRowCount; ++r) {
      if (w.IsOriginRow(r)) {
        EXPECT_EQ(w.Table1.BackColor(r, kLabelColumn), kOriginGrey) << r;
      }
    }
    EXPECT_EQ(w.Symbols.XXEqtList, c.variables);
    EXPECT_EQ(w.Symbols.LabelEqtList, c.labels);
    EXPECT_EQ(w.Symbols.LabelPlacedList, c.placed);
    EXPECT_EQ(
        std::make_pair(w.NextXXNumber, w.NextLabelNumber),
        std::make_pair(static_cast<int>(c.variables.size()), static_cast<int>(c.labels.size())));
  }
}

TEST_F(DisassemblyTest, CancelKeepsTheProgramAndABuildPutsTheCursorOnItsFirstRow) {
  // The old program is longer than the new one, with the cursor far down it.
  for (int r = 1; r <= 45; ++r) SetRow(r, "NOP", "00");
  w.NextLine(46);
  w.EntryMode_Click();  // data mode
  Load({{0x8000, {0x76}}});
  d.CancelButton_Click();
  EXPECT_EQ(w.TipsLabel.text, "Data Mode.");
  EXPECT_EQ(Cell(45, kMnemonicColumn), "NOP");
  EXPECT_FALSE(host.TimerRunning(TimerId::CheckTimer));

  w.EntryMode_Click();  // program mode again
  Load({{0x8000, {0x31, 0xFF, 0x80, 0x00}}});
  Build();
  ASSERT_EQ(w.Table1.Rows(), 13);
  // The next key overwrites the row the cursor marks.
  int hlt = 0; while (w.Instructions.INST[hlt].text != "HLT") ++hlt;
  w.Instructions.INST_Click(hlt);
  EXPECT_EQ(Cell(1, kMnemonicColumn), "HLT");
  EXPECT_EQ(w.CursorRow, 2);
}

TEST_F(DisassemblyTest, EveryInstructionMarkedAssemblesAgainToTheSameRecords) {
  // Every defined opcode with its own operand bytes, three data bytes, a second block after a gap.
  Bytes code;
  for (int op = 0; op < 256; ++op) {
    if (IsUndefinedOpcode(op)) continue;
    for (int i = 0; i < InstructionLength(op); ++i)
      code.push_back(static_cast<std::uint8_t>(op + 17 * i));
  }
  code.insert(code.end(), {0x00, 0x08, 0xFF});
  Records records;
  for (size_t i = 0; i < code.size(); i += kMaxRecordBytes)
    records.push_back(
        {0x8000 + int(i),
         Bytes(code.begin() + i, code.begin() + std::min(code.size(), i + kMaxRecordBytes))});
  records.push_back({0x9000, {0xC3, 0x00, 0x80, 0x3E, 0xFF}});
  Load(records);
  Drag(kData, static_cast<int>(code.size()) - 2, static_cast<int>(code.size()));
  Build();
  EXPECT_TRUE(host.boxes.empty()) << host.LastBox();

  // The data lines as DFB, and the same records once assembled.
  int dataRows = 0;
  for (int r = 0; r < w.UsedRowCount; ++r) dataRows += Cell(r, kMnemonicColumn) == "DFB";
  EXPECT_EQ(dataRows, 3);
  const AssemblyResult again = AssembleRecords(StageProgram(w.Table1));
  ASSERT_TRUE(again.ok());
  EXPECT_EQ(again.records, w.Hex.HexList);
}

}  // namespace
}  // namespace parvix::testing
