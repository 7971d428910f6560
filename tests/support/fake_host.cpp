#include "support/fake_host.h"

namespace parvix::testing {

int FakeHost::MsgBox(const std::string& text, int style) {
  boxes.push_back({text, style});
  if (!answers.empty()) {
    int answer = answers.front();
    answers.pop_front();
    return answer;
  }
  switch (style) {
    case kMsgYesNoCancelQuestion: return kAnswerCancel;
    case kMsgYesNoQuestion: return kAnswerNo;
    default: return kAnswerOk;
  }
}

std::optional<FileChoice> FakeHost::ShowOpenDialog(const FileDialogRequest& request) {
  dialogs.push_back({false, request});
  if (fileChoices.empty()) return std::nullopt;
  auto choice = fileChoices.front();
  fileChoices.pop_front();
  return choice;
}

std::optional<FileChoice> FakeHost::ShowSaveDialog(const FileDialogRequest& request) {
  dialogs.push_back({true, request});
  if (fileChoices.empty()) return std::nullopt;
  auto choice = fileChoices.front();
  fileChoices.pop_front();
  return choice;
}

bool FakeHost::Expire(TimerId id) { return timers.erase(id) != 0; }

bool FakeHost::BeginPrintJob(const std::string& /*documentName*/) {
  if (printerStatus != PrinterStatus::Ready || failJobStart || jobOpen) return false;
  jobOpen = true;
  ++jobsBegun;
  pagesInJob_ = 0;
  return true;
}

bool FakeHost::PrintPage(const PrinterPage& page) {
  if (!jobOpen) return false;
  if (++pagesInJob_ == failAtPage) return false;
  printed.push_back(page);
  return true;
}

bool FakeHost::EndPrintJob() {
  if (!jobOpen) return false;
  jobOpen = false;
  ++jobsEnded;
  return !failJobEnd;
}

void FakeHost::AbortPrintJob() {
  if (!jobOpen) return;
  jobOpen = false;
  ++jobsAborted;
}

}  // namespace parvix::testing
