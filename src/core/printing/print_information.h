// The print information window: how many program lines, labels and
// variables a print run would print, and on how many pages. The window is
// modal over the main window; its view shows these labels and closes itself.
#pragma once

#include <array>
#include <string>

#include "base/controls.h"
#include "printing/page_composition.h"

namespace parvix {

struct PrintInfoForm {
  std::string Caption = "Print Information";
  // The captions, from top to bottom, each beside its value label.
  static constexpr int kLines = 7;
  std::array<Control, kLines> Captions;
  Control ProgramLineLabel;
  Control ProgramPagesLabel;
  Control LabelsLabel;
  Control VariablesLabel;
  Control StringsLabel;
  Control EquivalentPagesLabel;
  Control TotalPagesLabel;

  PrintInfoForm();

  // Writes the counts of a print run into the value labels.
  void Show(const PrintCounts& counts, int labels, int variables);

  // The value labels by control name, top to bottom.
  template <class F>
  void VisitControls(F&& f) {
    f("ProgramLineLabel", ProgramLineLabel);
    f("ProgramPagesLabel", ProgramPagesLabel);
    f("LabelsLabel", LabelsLabel);
    f("VariablesLabel", VariablesLabel);
    f("StringsLabel", StringsLabel);
    f("EquivalentPagesLabel", EquivalentPagesLabel);
    f("TotalPagesLabel", TotalPagesLabel);
  }
};

}  // namespace parvix
