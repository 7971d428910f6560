// A started session on a FakeHost: the start-up window has handed over and
// the main window holds a new program. Most core tests begin here.
#pragma once

#include <gtest/gtest.h>

#include "editor/startup.h"
#include "support/fake_host.h"
#include "support/grid_click.h"

namespace parvix::testing {

class SessionTest : public ::testing::Test {
 protected:
  SessionTest() {
    session.Start();
    Fire(TimerId::OpenTimer);
  }

  // Runs out a pending one-shot timer and delivers it, as the host would.
  void Fire(TimerId id) {
    ASSERT_TRUE(host.Expire(id)) << "timer not running";
    session.TimerFired(id);
  }

  // Writes a program row as the keypads would leave it: mnemonic text, code
  // text, and optionally the Label cell and the operand name. A row past the
  // end of the table grows it.
  void SetRow(int r, const std::string& mnemonic, const std::string& code,
              const std::string& label = {}, const std::string& operand = {}) {
    if (r >= w.Table1.Rows()) {
      w.Table1.SetRows(r + 10);
      w.StringTable.SetRows(r + 10);
    }
    w.Table1.SetText(r, kLabelColumn, label);
    w.Table1.SetText(r, kMnemonicColumn, mnemonic);
    w.Table1.SetText(r, kOpcodeColumn, code);
    w.StringTable.SetText(r, 0, operand);
  }
  void SetOrigin(int r, const std::string& address) {
    w.Table1.SetText(r, kLabelColumn, "Origin");
    w.Table1.SetText(r, kAddressColumn, address);
  }
  // One click on the program table as the grid reports it: press, leaving
  // the old current cell, release, click.
  void Click(int row, int col) { ClickAsTheGrid(w, row, col); }

  FakeHost host;
  Session session{host};
  ProgrammingPanel& w = session.Main;
};

}  // namespace parvix::testing
