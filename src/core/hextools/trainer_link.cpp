#include "hextools/trainer_link.h"

#include "base/serial_port.h"
#include "base/text_file.h"
#include "editor/programming_panel.h"
#include "hextools/hex_records.h"
#include "hextools/hex_tools.h"
#include "hextools/upload_cutter.h"
#include "tables/prompts.h"

namespace parvix {

namespace {

constexpr int kDownloadDelayMs = 10;
constexpr int kPortCloseDelayMs = 100;
constexpr int kCreateHexDelayMs = 100;
// A reply that grows this large without an end record is not a trainer's
// answer (a 64 KiB memory image is under 200 KiB of records): the upload
// stops rather than keep collecting.
constexpr size_t kMaxUploadBytes = 16u << 20;

const std::string kDownloadQuestion =
    "Prepare Microprocessor Trainer for download and click 'OK' to download, or click 'Cancel' "
    "to cancel download.";
const std::string kUploadQuestion =
    "Click 'OK' and upload from Microprocessor Trainer, or click 'Cancel' to cancel upload.";
const std::string kCorruptUpload = "Received data is corrupt. Please upload again.";

}  // namespace

std::string DownloadStream(const std::vector<std::string>& records) {
  std::string stream;
  for (const std::string& record : records) stream += IsEndRecord(record) ? kEndRecord : record;
  return stream;
}

TrainerLink::TrainerLink(ProgrammingPanel& w) : w_(w) {}

SerialPort* TrainerLink::Port() const { return w_.host.Serial(); }

void TrainerLink::PortOption_Click(int Index) {
  if (Index < 0 || Index >= static_cast<int>(w_.Menu.PortOption.size())) return;
  // The number applies to the next transfer; an open port keeps its device.
  w_.CommPortNumber = Index + 1;
  for (size_t i = 0; i < w_.Menu.PortOption.size(); ++i) {
    w_.Menu.PortOption[i].checked = static_cast<int>(i) == Index;
  }
}

SerialPort::OpenResult TrainerLink::OpenPort(Transfer transfer) {
  SerialPort* port = Port();
  if (port == nullptr) return SerialPort::OpenResult::NotAvailable;
  const SerialPort::OpenResult result = port->Open(w_.CommPortNumber);
  if (result == SerialPort::OpenResult::Opened) {
    w_.PortOpenFlag = true;
    transfer_ = transfer;
    transferPort_ = w_.CommPortNumber;
    port->onArrival = [this] { Port_DataArrived(); };
    port->onAllSent = [this] { Port_AllSent(); };
  }
  return result;
}

void TrainerLink::ShowPortMessage() {
  const std::string text = "Comm" + std::to_string(w_.CommPortNumber) +
                           " is not available or already in use. Please assign another port "
                           "for serial communication.";
  w_.MsgBoxAnswer = std::to_string(w_.host.MsgBox(text, kMsgCritical));
}

bool TrainerLink::RefuseWhileTransferRuns() {
  if (!w_.PortOpenFlag) return false;
  // The port chosen now may be another: the message names the busy one.
  const std::string text = "A transfer is running on Comm" + std::to_string(transferPort_) +
                           ". Wait until it ends, or press Esc to stop it.";
  w_.MsgBoxAnswer = std::to_string(w_.host.MsgBox(text, kMsgInformation));
  return true;
}

void TrainerLink::ReleasePort(bool abort) {
  // A transfer ends with its port: an upload's wait and a cut still pending,
  // a download's sending and its closing.
  transfer_ = Transfer::None;
  w_.host.StopTimer(TimerId::CreateHexTimer);
  w_.host.StopTimer(TimerId::PortCloseTimer);
  if (SerialPort* port = Port()) {
    port->onArrival = nullptr;
    port->onAllSent = nullptr;
    if (abort) {
      port->Abort();
    } else {
      port->Close();
    }
  }
  w_.PortOpenFlag = false;
}

void TrainerLink::ClosePort() { ReleasePort(transfer_ != Transfer::Sent); }

bool TrainerLink::CancelTransfer(bool idle) {
  if (!w_.PortOpenFlag) return false;
  const bool sending = transfer_ == Transfer::Sending;
  if (sending && !idle) return false;
  ClosePort();
  return sending;
}

// ---- Download -------------------------------------------------------------------------

void TrainerLink::CreateDnldString_Timer() {
  w_.host.StopTimer(TimerId::CreateDnldString);
  w_.TipsLabel.text = "Ready to download.";
  const int answer = w_.host.MsgBox(kDownloadQuestion, kMsgOkCancelInformation);
  w_.MsgBoxAnswer = std::to_string(answer);
  if (answer == kAnswerCancel) return;
  w_.TipsLabel.text = "Downloading . . .";
  w_.host.StartTimer(TimerId::DownloadTimer, kDownloadDelayMs);
}

void TrainerLink::FailDownload(bool portMessage) {
  if (portMessage) {
    ShowPortMessage();
  } else {
    w_.MsgBoxAnswer = std::to_string(w_.host.MsgBox("Unable to download.", kMsgCritical));
    if (w_.PortOpenFlag) ReleasePort(true);
  }
  // A port that fails while the records are leaving can do so in the middle
  // of an entry begun meanwhile: that entry is left as it is.
  if (IsIdle(w_.EntryState)) w_.ControlTransfer(w_.IdleState());
  w_.TipsLabel.text = kDownloadIncomplete;
}

void TrainerLink::DownloadTimer_Timer() {
  w_.host.StopTimer(TimerId::DownloadTimer);
  const SerialPort::OpenResult opened = OpenPort(Transfer::Sending);
  if (opened != SerialPort::OpenResult::Opened) {
    FailDownload(opened == SerialPort::OpenResult::NotAvailable);
    return;
  }
  SerialPort& port = *Port();
  port.SetDtr(true);
  port.SetRts(true);
  if (!port.Write(DownloadStream(w_.Hex.HexList))) {
    FailDownload(false);
    return;
  }
  // "Downloading . . ." stays until the port reports the last byte transmitted.
}

void TrainerLink::Port_AllSent() {
  if (transfer_ != Transfer::Sending) return;
  transfer_ = Transfer::Sent;
  w_.TipsLabel.text = "Download completed.";
  w_.host.StartTimer(TimerId::PortCloseTimer, kPortCloseDelayMs);
}

void TrainerLink::PortCloseTimer_Timer() {
  w_.host.StopTimer(TimerId::PortCloseTimer);
  // The last record has been transmitted: the port lets the device go.
  if (w_.PortOpenFlag) ReleasePort(false);
}

// ---- Upload ----------------------------------------------------------------------------

void TrainerLink::FailUpload(bool portMessage) {
  if (portMessage) {
    ShowPortMessage();
  } else if (w_.PortOpenFlag) {
    ReleasePort(true);
  }
  EndUpload("Upload incomplete.");
}

void TrainerLink::UploadFile_Click() {
  if (!IsIdle(w_.EntryState)) return;
  if (RefuseWhileTransferRuns()) return;
  const int answer = w_.host.MsgBox(kUploadQuestion, kMsgOkCancelInformation);
  w_.MsgBoxAnswer = std::to_string(answer);
  if (answer == kAnswerCancel) return;
  w_.TipsLabel.text = "Ready for upload . . .";
  const SerialPort::OpenResult opened = OpenPort(Transfer::Waiting);
  if (opened != SerialPort::OpenResult::Opened) {
    FailUpload(opened == SerialPort::OpenResult::NotAvailable);
    return;
  }
  SerialPort& port = *Port();
  port.SetRts(true);
  port.SetDtr(true);
  UploadText.clear();
  if (!port.Write(kUploadRequest)) {
    FailUpload(false);
    return;
  }
  // The reply comes in through Port_DataArrived; the window stays usable.
}

void TrainerLink::Port_DataArrived() {
  SerialPort* port = Port();
  if (port == nullptr) return;
  const std::optional<std::string> received = port->Read();
  if (!received && transfer_ == Transfer::Sending) {
    FailDownload(false);
    return;
  }
  // Bytes outside an upload's wait (an echo during a download) are dropped.
  if (transfer_ != Transfer::Waiting) return;
  if (!received) {
    FailUpload(false);
    return;
  }
  // The end record may straddle two arrivals: look from just before the new bytes.
  const size_t from = UploadText.size() < kEndRecord.size() ? 0
                                                            : UploadText.size() - kEndRecord.size();
  UploadText += *received;
  if (!UploadText.empty()) w_.TipsLabel.text = "Uploading . . .";
  if (UploadText.find(kEndRecord, from) != std::string::npos) {
    transfer_ = Transfer::Replied;
    w_.TipsLabel.text = "Formatting received data . . .";
    w_.host.StartTimer(TimerId::CreateHexTimer, kCreateHexDelayMs);
    return;
  }
  if (UploadText.size() > kMaxUploadBytes) {
    ReleasePort(true);
    w_.MsgBoxAnswer = std::to_string(w_.host.MsgBox(kCorruptUpload, kMsgCritical));
    EndUpload("Upload failed.");
  }
}

void TrainerLink::EndUpload(std::string_view tips) {
  // A line being keyed meanwhile keeps its state, and with it the saved
  // line that Esc restores.
  if (IsIdle(w_.EntryState)) w_.ControlTransfer(w_.IdleState());
  w_.TipsLabel.text =
      tips.empty() ? TipsListItem(static_cast<int>(w_.EntryState)) : std::string(tips);
}

void TrainerLink::CreateHexTimer_Timer() {
  w_.host.StopTimer(TimerId::CreateHexTimer);
  if (SerialPort* port = Port(); port != nullptr && w_.PortOpenFlag) {
    port->SetDtr(false);
    port->SetRts(false);
  }
  ReleasePort(false);
  std::vector<std::string>& hexList = w_.Hex.HexList;
  UploadCut cut = CutUpload(UploadText);
  hexList = std::move(cut.records);
  if (cut.corrupt) {
    w_.MsgBoxAnswer = std::to_string(w_.host.MsgBox(kCorruptUpload, kMsgCritical));
    EndUpload("Upload failed.");
    return;
  }

  w_.TipsLabel.text = "Enter file name and click 'Save'.";
  const std::optional<FileChoice> choice = w_.host.ShowSaveDialog(HexSaveDialog({}));
  if (!choice) {
    EndUpload({});
    return;
  }
  w_.Hex.HexFilePath = choice->path;
  w_.Hex.HexFileTitle = choice->title;
  if (!WriteFileReplacing(choice->path, HexFileText(hexList))) {
    w_.MsgBoxAnswer = std::to_string(w_.host.MsgBox("Unable to save file.", kMsgCritical));
    EndUpload("Failed to save file.");
    return;
  }
  EndUpload({});
}

}  // namespace parvix
