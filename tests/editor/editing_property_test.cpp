// Any run of Copy, Cut, Paste and Delete across programs whose names clash keeps
// row 0 the first origin, StringTable as tall as Table1, and every name in the
// table in exactly the list of its kind, with the value its code bytes carry.
#include <gtest/gtest.h>

#include <random>

#include "support/session_fixture.h"

namespace parvix::testing {
namespace {

class EditingPropertyTest : public SessionTest {
 protected:
  std::mt19937 rng;
  int Random(int n) { return std::uniform_int_distribution<int>(0, n - 1)(rng); }

  // A new program of random rows over names whose kind and value vary per program.
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
      const int kind = Random(5);
      if (kind == 0) SetRow(r, "NOP", "00");
      else if (kind == 1) SetOrigin(r, "9000");
      else if (kind == 2 && label) SetRow(r, "RET", "C9", name);  // the label placed
      else if (label) SetRow(r, "JMP  " + name, "C3   XX   XX", "", name);
      else SetRow(r, "ADI   " + name, "C6" + bytes, "", name);
    }
    w.UsedRowCount = rows + 1;
    w.UpdateLabels();
    w.ControlTransfer(ProgramState);
  }
};

TEST_F(EditingPropertyTest, AnySequenceKeepsTheProgramWhole) {
  const SymbolLists& s = w.Symbols;
  for (unsigned seed = 1; seed <= 60; ++seed) {
    SCOPED_TRACE("seed " + std::to_string(seed));
    rng.seed(seed);
    RandomProgram();
    for (int step = 0; step < 40; ++step) {
      const int rows = w.Table1.Rows();
      w.SelectionStartRow = Random(rows);
      w.SelectionEndRow = std::min(rows - 1, w.SelectionStartRow + Random(8));
      const int action = Random(6);
      SCOPED_TRACE("step " + std::to_string(step) + ", action " + std::to_string(action));
      if (action == 0) w.Clipboard.CopyEdit_Click();
      else if (action == 1) w.Clipboard.CutEdit_Click();
      else if (action == 2) w.Clipboard.DeleteEdit_Click();
      else if (action == 3) w.Clipboard.PasteEdit_Click();
      else if (action == 4) w.NextLine(1 + Random(rows - 1));
      else RandomProgram();
      ASSERT_EQ(w.Table1.Text(0, kLabelColumn), "Origin");
      ASSERT_EQ(w.StringTable.Rows(), w.Table1.Rows());
      for (int r = 1; r < w.Table1.Rows(); ++r) {
        const std::string& placed = w.Table1.Text(r, kLabelColumn);
        const bool placedLabel = s.LabelIndex(placed) >= 0 && s.XXIndex(placed) < 0;
        ASSERT_TRUE(placed.empty() || placed == "Origin" || placedLabel) << "row " << r;
        const std::string& name = w.StringTable.Text(r, 0);
        if (name.empty()) continue;
        const std::string& code = w.Table1.Text(r, kOpcodeColumn);
        ASSERT_TRUE(w.Table1.Text(r, kMnemonicColumn).ends_with(name)) << "row " << r;
        // Two code bytes name a variable, three a label, with the value they carry.
        const bool variable = code.size() == 7;
        const int k = variable ? s.XXIndex(name) : s.LabelIndex(name);
        ASSERT_TRUE(k >= 0 && (variable ? s.LabelIndex(name) : s.XXIndex(name)) < 0) << "row " << r;
        ASSERT_EQ(variable ? code.substr(5, 2) : code.substr(10, 2) + code.substr(5, 2),
                  variable ? s.XXEqtList[k] : s.LabelEqtList[k])
            << "row " << r;
      }
    }
  }
}

}  // namespace
}  // namespace parvix::testing
