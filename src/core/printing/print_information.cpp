#include "printing/print_information.h"

namespace parvix {

PrintInfoForm::PrintInfoForm() {
  const char* captions[kLines] = {"Number of lines of program:",
                                  "Number of pages for program:",
                                  "Number of labels:",
                                  "Number of variables:",
                                  "Total Number of strings:",
                                  "Number of pages for equivalents:",
                                  "Total Number of pages:"};
  for (int i = 0; i < kLines; ++i) Captions[i].text = captions[i];
}

void PrintInfoForm::Show(const PrintCounts& counts, int labels, int variables) {
  ProgramLineLabel.text = std::to_string(counts.LastProgramRow);
  ProgramPagesLabel.text = std::to_string(counts.ProgramPages);
  LabelsLabel.text = std::to_string(labels);
  VariablesLabel.text = std::to_string(variables);
  StringsLabel.text = std::to_string(labels + variables);
  EquivalentPagesLabel.text = std::to_string(counts.TotalPages - counts.ProgramPages);
  TotalPagesLabel.text = std::to_string(counts.TotalPages);
}

}  // namespace parvix
