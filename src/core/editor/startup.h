// The start-up window and the session that owns every window model of a run.
// The start-up window shows the version and, 20 ms later, hands over to the
// main window, which starts a new program.
#pragma once

#include "base/controls.h"
#include "base/host.h"
#include "editor/programming_panel.h"

namespace parvix {

class OpenForm {
 public:
  OpenForm(Host& host, ProgrammingPanel& main) : host_(host), main_(main) {}

  std::array<Control, 2> VersionLabel;
  Control CancelButton;
  bool loaded = false;

  // Calls f(name, control) for every control the window shows from the
  // model: the version label. The first label (the product's name) and the
  // button, which has no action, are the window's own look.
  template <class F>
  void VisitControls(F&& f) {
    f(IndexedName("VersionLabel", 1), VersionLabel[1]);
  }

  void Form_Load();
  void OpenTimer_Timer();

 private:
  Host& host_;
  ProgrammingPanel& main_;
};

// One run of the program: the window models and the dispatch of timers to them.
class Session {
 public:
  explicit Session(Host& host) : host(host) {}

  Host& host;
  ProgrammingPanel Main{host};
  OpenForm Startup{host, Main};

  // Loads and shows the start-up window; the rest follows from its timer.
  void Start();
  // A one-shot timer requested through the host has run out.
  void TimerFired(TimerId id);
};

}  // namespace parvix
