// A started session on a FakeHost: the start-up window has handed over and
// the main window holds a new program. Most core tests begin here.
#pragma once

#include <gtest/gtest.h>

#include "editor/startup.h"
#include "support/fake_host.h"

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

  FakeHost host;
  Session session{host};
  ProgrammingPanel& w = session.Main;
};

}  // namespace parvix::testing
