// The state of the controls that behaviour depends on. A window model holds
// these as plain data; the ui copies them onto its widgets after each event.
// Controls are found by the system's control names, which the ui also uses as
// the widgets' object names.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "base/colors.h"

namespace parvix {

// One control: label, button, text box, option button, panel.
struct Control {
  bool visible = true;
  bool enabled = true;
  std::string text;                // caption of a label or button, text of a text box
  Color back = kNoColorSet;        // background, when the model sets one
  Color fore = kNoColorSet;        // text colour, when the model sets one
  bool checked = false;            // option buttons

  static constexpr Color kNoColorSet = 0xFFFFFFFFu;
};

// A list or combo box: its entries and the selected index (-1: none).
struct ListControl : Control {
  std::vector<std::string> items;
  int listIndex = -1;
  // For long lists that a model refills from its own data: a number that
  // changes whenever `items` change, so that the ui compares the entries only
  // when it differs from the one it last drew. 0: not kept, the ui compares.
  std::uint64_t itemsRevision = 0;
};

// A menu item: caption (with its & access key), enabled and checked.
struct MenuItem {
  std::string caption;
  bool enabled = true;
  bool checked = false;
  bool visible = true;
};

// A request for the keyboard focus: the control's name. The serial number
// changes with every request so that the ui applies a repeated request too.
struct FocusRequest {
  std::string control;
  unsigned serial = 0;
  void Set(std::string name) {
    control = std::move(name);
    ++serial;
  }
};

// A request to scroll a table so that a row shows. The serial changes with
// every request so that the ui applies a repeated request too.
struct ScrollRequest {
  int row = 0;
  unsigned serial = 0;
  void Set(int r) {
    row = r;
    ++serial;
  }
};

// The name of element `index` of a control array: "REG(3)".
inline std::string IndexedName(std::string_view name, int index) {
  std::string text(name);
  text += '(';
  text += std::to_string(index);
  text += ')';
  return text;
}

}  // namespace parvix
