// Any sequence of Copy, Cut, Paste and Delete, across programs whose names
// clash, keeps the program whole: row 0 is the first origin, StringTable is
// as tall as Table1, and every name in the table stands in exactly the list
// of its kind with the value its code bytes carry.
#include <gtest/gtest.h>

#include <random>

#include "support/session_fixture.h"

namespace parvix::testing {
namespace {

class EditingPropertyTest : public SessionTest {
 protected:
  std::mt19937 rng;
  int Random(int n) { return std::uniform_int_distribution<int>(0, n - 1)(rng); }

  // A new program of random rows over a few names. Whether a name is a
  // label or a variable, and a variable's value, differ between programs.
  void RandomProgram() {
    w.New_File();
    const char* names[] = {"x", "y", "z", "a1", "v1"};
    for (const char* name : names) {
      if (Random(2) == 0) w.Symbols.AddLabel(name);
      else w.Symbols.AddVariable(name, Random(2) == 0 ? "XX" : "0" + std::to_string(Random(10)));
    }
    const int rows = 5 + Random(26);  // within the 32 rows of a new program
    for (int r = 1; r <= rows; ++r) {
      const std::string name = names[Random(5)];
      const bool label = w.Symbols.LabelIndex(name) >= 0;
      const std::string bytes = label ? "" : w.Symbols.XXOperandBytes(w.Symbols.XXIndex(name));
      switch (Random(5)) {
        case 0: SetRow(r, "NOP", "00"); break;
        case 1: SetOrigin(r, "9000"); break;
        case 2:
          if (label) SetRow(r, "RET", "C9", name);
          else SetRow(r, "MVI  A,   " + name, "3E" + bytes, "", name);
          break;
        default:
          if (label) SetRow(r, "JMP  " + name, "C3   XX   XX", "", name);
          else SetRow(r, "ADI   " + name, "C6" + bytes, "", name);
      }
    }
    w.UsedRowCount = rows + 1;
    w.UpdateLabels();
    w.ControlTransfer(ProgramState);
  }

  void Check(const std::string& step) {
    SCOPED_TRACE(step);
    const SymbolLists& s = w.Symbols;
    ASSERT_EQ(w.Table1.Text(0, kLabelColumn), "Origin");
    ASSERT_EQ(w.StringTable.Rows(), w.Table1.Rows());
    ASSERT_GE(w.CursorRow, 1);
    ASSERT_LT(w.CursorRow, w.Table1.Rows());
    ASSERT_EQ(s.LabelCombo.size(), s.LabelEqtList.size());
    ASSERT_EQ(s.XXCombo.size(), s.XXEqtList.size());
    for (int r = 1; r < w.Table1.Rows(); ++r) {
      SCOPED_TRACE("row " + std::to_string(r));
      const std::string& placed = w.Table1.Text(r, kLabelColumn);
      if (!placed.empty() && placed != "Origin") {
        ASSERT_GE(s.LabelIndex(placed), 0);
        ASSERT_LT(s.XXIndex(placed), 0);
      }
      const std::string& name = w.StringTable.Text(r, 0);
      if (name.empty()) continue;
      const std::string& code = w.Table1.Text(r, kOpcodeColumn);
      ASSERT_TRUE(w.Table1.Text(r, kMnemonicColumn).ends_with(name));
      // Two code bytes name a variable, three a label, with the value they carry.
      const bool variable = code.size() == 7;
      const int k = variable ? s.XXIndex(name) : s.LabelIndex(name);
      ASSERT_GE(k, 0);
      ASSERT_LT(variable ? s.LabelIndex(name) : s.XXIndex(name), 0);
      ASSERT_EQ(variable ? code.substr(5, 2) : code.substr(10, 2) + code.substr(5, 2),
                variable ? s.XXEqtList[k] : s.LabelEqtList[k]);
    }
  }
};

TEST_F(EditingPropertyTest, AnySequenceKeepsTheProgramWhole) {
  for (unsigned seed = 1; seed <= 60; ++seed) {
    SCOPED_TRACE("seed " + std::to_string(seed));
    rng.seed(seed);
    RandomProgram();
    for (int step = 0; step < 40; ++step) {
      const int rows = w.Table1.Rows();
      const int first = Random(rows);
      w.SelectionStartRow = first;
      w.SelectionEndRow = std::min(rows - 1, first + Random(8));
      std::string what;
      switch (Random(6)) {
        case 0: what = "copy"; w.Clipboard.CopyEdit_Click(); break;
        case 1: what = "cut"; w.Clipboard.CutEdit_Click(); break;
        case 2: what = "delete"; w.Clipboard.DeleteEdit_Click(); break;
        case 3: what = "paste"; w.Clipboard.PasteEdit_Click(); break;
        case 4: what = "cursor"; w.NextLine(1 + Random(rows - 1)); break;
        default: what = "new program"; RandomProgram(); break;
      }
      Check("step " + std::to_string(step) + ": " + what);
      if (::testing::Test::HasFatalFailure()) return;
    }
  }
}

}  // namespace
}  // namespace parvix::testing
