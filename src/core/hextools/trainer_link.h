// The serial link to the trainer: the port choice, the download of the
// loaded records and the upload of the trainer's records into a hex file.
#pragma once

namespace parvix {

class ProgrammingPanel;

class TrainerLink {
 public:
  explicit TrainerLink(ProgrammingPanel& w);

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

 private:
  ProgrammingPanel& w_;
};

}  // namespace parvix
