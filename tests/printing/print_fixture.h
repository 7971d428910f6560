// A started session with a recording printer, and helpers that run a whole
// print run by firing its timers in turn.
#pragma once

#include <algorithm>
#include <iterator>
#include <string>
#include <vector>

#include "support/session_fixture.h"

namespace parvix::testing {

constexpr TimerId kPrintTimers[] = {TimerId::PrintAddress, TimerId::PrintProgram,
                                    TimerId::SetupTimer,   TimerId::PrintTimer,
                                    TimerId::LabelSetupTimer, TimerId::LabelPrintTimer};

class PrintFixture : public SessionTest {
 protected:
  // Rows 1 to `last` hold one-byte instructions.
  void Rows(int last) {
    for (int r = 1; r <= last; ++r) SetRow(r, "NOP", "00");
  }
  void Strings(int labels, int variables) {
    for (int i = 1; i <= labels; ++i) w.Symbols.AddLabel("a" + std::to_string(i));
    for (int i = 1; i <= variables; ++i) w.Symbols.AddVariable("v" + std::to_string(i));
  }
  // Answers the question and fires the print timers until none runs.
  void RunPrint(int answer = kAnswerOk) {
    host.answers.push_back(answer);
    w.Print.PrintFile_Click();
    FireChain();
  }
  void FireChain() {
    for (int guard = 0; guard < 1000; ++guard) {
      auto running = std::find_if(std::begin(kPrintTimers), std::end(kPrintTimers),
                                  [this](TimerId id) { return host.TimerRunning(id); });
      if (running == std::end(kPrintTimers)) break;
      Fire(*running);
    }
  }
  std::vector<int> PrintedNumbers() const {
    std::vector<int> numbers;
    for (const PrinterPage& page : host.printed) numbers.push_back(page.pageNumber);
    return numbers;
  }
  // The run has given the window back.
  void ExpectWindowGivenBack() {
    EXPECT_FALSE(w.Print.Running());
    EXPECT_EQ(host.pointer, Pointer::Default);
    EXPECT_TRUE(host.enabled[WindowId::Main]);
    EXPECT_FALSE(host.jobOpen);
  }
};

}  // namespace parvix::testing
