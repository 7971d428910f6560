// The serial link to the trainer: the port choice, the download of the
// loaded records and the upload of the trainer's records into a hex file.
//
// The port is open only while a transfer runs. The download is a chain of
// one-shot timers: the confirmation, then one tick that writes every record
// back to back. At 2,400 baud a large image takes minutes to leave, so the
// download stays under way until the port reports that the last byte has
// been transmitted (or fails); only then is it completed, and the port
// closes 100 ms later, keeping every byte. While it sends, the port is in use,
// as during an upload, and a new transfer is refused. The upload sends its
// request and then waits for the trainer's reply without blocking the
// window: each arrival on the port appends to UploadText, and once the end
// record is in, a timer cuts the text into records and saves them. Only a
// transfer stopped by the user or by a failure drops what has not been sent.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "base/serial_port.h"

namespace parvix {

class ProgrammingPanel;

// What the upload sends the trainer to ask for its records.
inline const std::string kUploadRequest = "ATV1Q0\r";

// The tips line after a download that did not reach its end.
inline const std::string kDownloadIncomplete = "Download incomplete.";

// What the download sends for the records of a hex file: the records back to
// back, nothing between them, the end record last as ":00000001FF" even when
// the file's end record carries a start address (":00010001FE"), which a
// trainer waiting for the plain end record would never take as the end.
std::string DownloadStream(const std::vector<std::string>& records);

class TrainerLink {
 public:
  explicit TrainerLink(ProgrammingPanel& w);

  // Everything received during the current upload; emptied when it starts.
  std::string UploadText;

  // Options > Comm Port > Comm1 to Comm4 (Index 0 to 3).
  void PortOption_Click(int Index);
  // File > Upload.
  void UploadFile_Click();
  // The download chain, started by the Download command.
  void CreateDnldString_Timer();
  void DownloadTimer_Timer();
  void PortCloseTimer_Timer();
  // The upload's saving step.
  void CreateHexTimer_Timer();
  // Bytes (or a failure) have arrived on the open port.
  void Port_DataArrived();
  // Everything the download wrote has left the port.
  void Port_AllSent();

  // Quitting: lets go of the port of a running transfer. An upload, or a
  // download still sending, stops (what has not been sent is dropped); a
  // download already completed keeps its bytes.
  void ClosePort();
  // The common cancel (Esc): ends an upload under way. A download still
  // sending stops only when Esc is pressed in the idle state (`idle`): Esc
  // that cancels an entry or a tool cancels only that. True when it stopped
  // a download.
  bool CancelTransfer(bool idle);
  // True while an upload waits for the trainer's end record.
  bool UploadWaiting() const { return transfer_ == Transfer::Waiting; }
  // True while a download's records are still leaving the port.
  bool DownloadSending() const { return transfer_ == Transfer::Sending; }
  // A transfer of this program already holds the port: says so and returns
  // true, leaving that transfer and its tips text alone.
  bool RefuseWhileTransferRuns();

 private:
  // What the open port is doing for this program.
  enum class Transfer {
    None,
    Sending,  // the download's records are leaving
    Sent,     // all of them have been transmitted; the port closes shortly
    Waiting,  // the upload waits for the trainer's end record
    Replied,  // the reply is in; its cut is pending
  };

  SerialPort* Port() const;
  // Opens the chosen port for `transfer` and takes its arrivals.
  SerialPort::OpenResult OpenPort(Transfer transfer);
  // Ends the transfer and lets go of the port: `abort` drops what has not
  // been sent, else every byte written still goes out.
  void ReleasePort(bool abort);
  void ShowPortMessage();
  void FailDownload(bool portMessage);
  void FailUpload(bool portMessage);
  // Ends the upload with `tips` on the tips line (empty: the prompt of the
  // state then held). An entry begun during the upload is left as it is.
  void EndUpload(std::string_view tips);

  ProgrammingPanel& w_;
  Transfer transfer_ = Transfer::None;
  int transferPort_ = 0;  // the port number the running transfer opened
};

}  // namespace parvix
