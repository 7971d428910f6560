// The number keypad: sixteen hex keys, the keyed value, and Accept. It keys
// origin addresses (four digits shifted in from the right) and restart numbers
// (one digit 0 to 7 that completes the RST line at once).
#pragma once

#include <array>

#include "base/controls.h"

namespace parvix {

class ProgrammingPanel;

class NumberKeypad {
 public:
  explicit NumberKeypad(ProgrammingPanel& w);

  Control NumberBox;
  std::array<Control, 16> NUM;
  Control NumberLabel;    // the value being keyed
  Control DataTypeLabel;  // "Address" or "Number"
  Control NumberAcceptButton;
  Control NumberFocusButton;  // takes typed restart digits

  void NumberStatus(bool Status);
  // An origin digit in the origin states, else the restart digit.
  void NUM_Click(int Index);
  // Hover tip in the restart state: the key's caption in NumberLabel.
  void NUM_MouseMove(int Index);
  void NumberAcceptButton_Click();
  // Typed characters: hex digits key the address.
  void NumberAcceptButton_KeyPress(char KeyAscii);
  // Typed characters in the restart state: "0" to "7".
  void NumberFocusButton_KeyPress(char KeyAscii);
  // Focus timer: the Accept button of the panel that is up gets the focus.
  void StartupTimer_Timer();

  template <class F>
  void VisitControls(F&& f) {
    f("NumberBox", NumberBox);
    for (int i = 0; i < 16; ++i) f(IndexedName("NUM", i), NUM[i]);
    f("NumberLabel", NumberLabel);
    f("DataTypeLabel", DataTypeLabel);
    f("NumberAcceptButton", NumberAcceptButton);
    f("NumberFocusButton", NumberFocusButton);
  }

 private:
  void AcceptNewOrigin();
  void AcceptEditedOrigin();
  ProgrammingPanel& w_;
};

}  // namespace parvix
