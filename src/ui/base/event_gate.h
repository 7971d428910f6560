// The one way a window runs the core for a user event: the event procedure,
// then a render of the state it left. While a procedure runs, a message box
// of it can deliver further clicks and keys through its event loop; those
// events are dropped, so the core never re-enters a procedure of its own.
#pragma once

#include <functional>
#include <utility>

namespace parvix::ui {

class EventGate {
 public:
  // `render` copies the state onto the window (and whatever else the
  // window's events change) after each procedure.
  explicit EventGate(std::function<void()> render) : render_(std::move(render)) {}
  EventGate(const EventGate&) = delete;
  EventGate& operator=(const EventGate&) = delete;

  // True while a procedure runs (it may be waiting in a message box).
  bool busy() const { return busy_; }

  // Runs `procedure` and renders, unless a procedure is already running.
  void Run(const std::function<void()>& procedure) {
    if (busy_) return;
    busy_ = true;
    procedure();
    busy_ = false;
    render_();
  }

 private:
  std::function<void()> render_;
  bool busy_ = false;
};

}  // namespace parvix::ui
