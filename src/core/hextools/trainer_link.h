// The serial link to the trainer: the port choice, the download of the
// loaded records and the upload of the trainer's records into a hex file.
//
// The port is open only while a transfer runs. The download is a chain of
// one-shot timers: the confirmation, then one tick that writes every record
// back to back. At 2,400 baud a large image takes minutes to leave, so the
// download stays under way until the port reports that the last byte has
// gone (or fails); only then is it completed, and the port closes 100 ms
// later. While it sends, the port is in use, as during an upload. The upload
// sends its request and then waits for the trainer's reply without blocking
// the window: each arrival on the port appends to UploadText, and once the
// end record is in, a timer cuts the text into records and saves them.
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

  // Closes the port of a running transfer (the common cancel, quitting);
  // an upload that is waiting for its reply, or a download still sending,
  // ends with it.
  void ClosePort();
  // True while an upload waits for the trainer's end record.
  bool UploadWaiting() const { return uploadWaiting_; }
  // True while a download's records are still leaving the port.
  bool DownloadSending() const { return downloadSending_; }
  // A transfer of this program already holds the port: shows the port
  // message and returns true, leaving that transfer and its tips text alone.
  bool RefuseWhileTransferRuns();

 private:
  SerialPort* Port() const;
  // Opens the chosen port for a transfer and takes its arrivals.
  SerialPort::OpenResult OpenPort();
  void ShowPortMessage();
  void FailDownload(bool portMessage);
  void FailUpload(bool portMessage);
  // Ends the upload after the records have been cut, with `tips` left on the
  // tips line (empty: the idle prompt).
  void EndUpload(std::string_view tips);

  ProgrammingPanel& w_;
  bool uploadWaiting_ = false;
  bool downloadSending_ = false;
};

}  // namespace parvix
