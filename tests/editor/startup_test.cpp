// Start-up: the start-up window hands over to the main window, which starts
// a new program.
#include <gtest/gtest.h>

#include "editor/startup.h"
#include "support/fake_host.h"
#include "support/session_fixture.h"

namespace parvix::testing {
namespace {

TEST(Startup, VersionShownThenHandsOverAfterTwentyMs) {
  FakeHost host;
  Session session(host);
  session.Start();
  EXPECT_EQ(session.Startup.VersionLabel[1].text, "Version 6.0");
  ASSERT_TRUE(host.TimerRunning(TimerId::OpenTimer));
  EXPECT_EQ(host.timers[TimerId::OpenTimer], 20);
  EXPECT_EQ(host.shown, std::vector<WindowId>{WindowId::Startup});

  host.Expire(TimerId::OpenTimer);
  session.TimerFired(TimerId::OpenTimer);
  EXPECT_EQ(host.shown.back(), WindowId::Main);
  EXPECT_EQ(host.closed, std::vector<WindowId>{WindowId::Startup});
  EXPECT_FALSE(host.TimerRunning(TimerId::OpenTimer));
  // A late tick after the window is gone does nothing.
  session.TimerFired(TimerId::OpenTimer);
  EXPECT_EQ(std::count(host.shown.begin(), host.shown.end(), WindowId::Main), 1);
}

using StartedSession = SessionTest;

TEST_F(StartedSession, MainWindowHoldsANewProgram) {
  EXPECT_EQ(w.Caption, "Quenmar Parvix - Pgm1.zvt");
  EXPECT_EQ(w.Table1.Rows(), 32);
  EXPECT_EQ(w.StringTable.Rows(), 32);
  EXPECT_EQ(w.Table1.Text(0, 0), "Origin");
  EXPECT_EQ(w.Table1.Text(0, 1), "8000");
  for (int c = 0; c < 5; ++c) EXPECT_EQ(w.Table1.BackColor(0, c), kOriginGrey) << c;
  EXPECT_EQ(w.CursorRow, 1);
  EXPECT_EQ(w.Table1.BackColor(1, kMnemonicColumn), kGridFixedBackColor);
  EXPECT_EQ(w.UsedRowCount, 1);
  EXPECT_EQ(w.EntryState, ProgramState);
  EXPECT_EQ(w.TipsLabel.text, "New File.");
  EXPECT_EQ(w.WriteModeLabel.text, "Overwrite");
  EXPECT_EQ(w.WriteModeLabel.fore, kRed);
  EXPECT_EQ(w.Menu.EntryMode.caption, "Data &Mode");
  EXPECT_EQ(w.OriginList, std::vector<std::string>{"8000"});
  EXPECT_EQ(w.FileState, FileNew);
  EXPECT_FALSE(w.ProgramChanged);
  EXPECT_TRUE(w.Instructions.InstructionBox.visible);
  EXPECT_FALSE(w.Numbers.NumberBox.visible);
  EXPECT_EQ(w.CommPortNumber, 1);
  EXPECT_EQ(w.CommSettings, "2400,N,8,1");
  EXPECT_TRUE(host.boxes.empty());
}

TEST_F(StartedSession, InstructionKeysLoseTheirTooltipsToTheHoverTable) {
  for (const auto& tip : w.InstTooltip) EXPECT_TRUE(tip.empty());
  EXPECT_EQ(w.InstTable[0].first, "MOV");
  EXPECT_EQ(w.InstTable[0].second, " Register/Memory, Register/Memory ");
  EXPECT_EQ(w.InstTable[1].first, "MVI");
  EXPECT_EQ(w.InstTable[1].second, " Register/Memory, 8-Bit Data ");
  // XCHG needs no operand: its pattern is one blank.
  EXPECT_EQ(w.InstTable[9].first, "XCHG");
  EXPECT_EQ(w.InstTable[9].second, " ");
  EXPECT_EQ(w.InstTable[67].second, " Number ");
}

TEST_F(StartedSession, ColumnLayout) {
  EXPECT_EQ(w.ColWidthList, (std::array<int, 5>{1080, 600, 1680, 1080, 7140}));
  const char* headings[] = {"Label", "Addr.", "Mnemonic", "Opcode", "Comment"};
  for (int i = 0; i < 5; ++i) EXPECT_EQ(w.HeadLabel[i].text, headings[i]);
}

}  // namespace
}  // namespace parvix::testing
