// The trainer link through the main window's procedures with the in-memory
// serial port: the port menu, the download chain, the upload's wait, cutting
// and saving, Esc and quitting during the wait, and every failure.
#include <gtest/gtest.h>
#include <filesystem>

#include "base/text_file.h"
#include "hextools/hex_records.h"
#include "support/session_fixture.h"
#include "support/temp_folder.h"

namespace parvix::testing {
namespace {

namespace fs = std::filesystem;

const std::string kRecord = ":03800000C300803A";  // JMP 8000 at 8000
const std::string kBadSum = ":02800300760006";    // HLT, NOP at 8003; the sum should be 05
const std::string kDownloadBox =
    "Prepare Microprocessor Trainer for download and click 'OK' to download, or click 'Cancel' "
    "to cancel download.";
const std::string kUploadBox =
    "Click 'OK' and upload from Microprocessor Trainer, or click 'Cancel' to cancel upload.";
const std::string kCorrupt = "Received data is corrupt. Please upload again.";

std::string PortMessage(int n) {
  return "Comm" + std::to_string(n) +
         " is not available or already in use. Please assign another port for serial "
         "communication.";
}

class TrainerLinkTest : public SessionTest {
 protected:
  // The Download command's hand-over after a verified load.
  void StartDownload(std::vector<std::string> records) {
    w.Hex.HexList = std::move(records);
    host.StartTimer(TimerId::CreateDnldString, 10);
    Fire(TimerId::CreateDnldString);
  }
  // Upload with OK, then the reply in the given pieces.
  void Upload(const std::vector<std::string>& pieces) {
    w.Link.UploadFile_Click();
    for (const std::string& piece : pieces) port.Arrive(piece);
  }
  std::string PathOf(const std::string& name) const { return folder.PathOf(name); }
  FileChoice Choice(const std::string& name) const { return {PathOf(name), name}; }

  FakeSerialPort& port = host.serial;
  TempFolder folder{"parvix-link"};
  const fs::path& dir = folder.path();
};

TEST_F(TrainerLinkTest, PortMenuChecksOneItemAndTheNextTransferOpensThatPort) {
  w.Link.PortOption_Click(2);
  for (int i = 0; i < 4; ++i) EXPECT_EQ(w.Menu.PortOption[i].checked, i == 2) << i;
  EXPECT_EQ(w.CommPortNumber, 3);

  StartDownload({kEndRecord});
  Fire(TimerId::DownloadTimer);
  EXPECT_EQ(port.opened, std::vector<int>{3});

  // A missing Comm3: the port message with its number, the download ends.
  Fire(TimerId::PortCloseTimer);
  port.present.erase(3);
  StartDownload({kEndRecord});
  Fire(TimerId::DownloadTimer);
  EXPECT_EQ(host.LastBox(), PortMessage(3));
  EXPECT_EQ(host.boxes.back().style, kMsgCritical);
  EXPECT_EQ(w.TipsLabel.text, "Download incomplete.");
  EXPECT_EQ(w.EntryState, ProgramState);
  EXPECT_FALSE(w.PortOpenFlag);
  EXPECT_FALSE(host.TimerRunning(TimerId::PortCloseTimer));
}

TEST_F(TrainerLinkTest, DownloadSendsTheRecordsBackToBackAndClosesLater) {
  StartDownload({kRecord, kEndRecord});
  EXPECT_EQ(host.LastBox(), kDownloadBox);
  EXPECT_EQ(host.boxes.back().style, kMsgOkCancelInformation);
  EXPECT_EQ(w.MsgBoxAnswer, "1");
  EXPECT_EQ(w.TipsLabel.text, "Downloading . . .");
  EXPECT_FALSE(port.IsOpen());
  EXPECT_EQ(host.timers[TimerId::DownloadTimer], 10);

  Fire(TimerId::DownloadTimer);
  EXPECT_EQ(port.sent, kRecord + kEndRecord);
  EXPECT_EQ(port.sent.size(), 28u);
  EXPECT_EQ(port.writes.size(), 2u);
  EXPECT_TRUE(port.dtr);
  EXPECT_TRUE(port.rts);
  EXPECT_TRUE(w.PortOpenFlag);
  EXPECT_EQ(w.TipsLabel.text, "Download completed.");
  EXPECT_EQ(w.EntryState, ProgramState);
  EXPECT_EQ(host.timers[TimerId::PortCloseTimer], 100);

  Fire(TimerId::PortCloseTimer);
  EXPECT_FALSE(port.IsOpen());
  EXPECT_FALSE(w.PortOpenFlag);
  EXPECT_EQ(w.Hex.HexList, (std::vector<std::string>{kRecord, kEndRecord}));
}

TEST_F(TrainerLinkTest, CancelInTheDownloadQuestionSendsNothing) {
  host.answers = {kAnswerCancel};
  StartDownload({kRecord, kEndRecord});
  EXPECT_EQ(w.TipsLabel.text, "Ready to download.");
  EXPECT_EQ(w.MsgBoxAnswer, "2");
  EXPECT_FALSE(host.TimerRunning(TimerId::DownloadTimer));
  EXPECT_TRUE(port.opened.empty());
  EXPECT_FALSE(w.PortOpenFlag);
}

TEST_F(TrainerLinkTest, DownloadFailuresTellTheUserAndLeaveThePortClosed) {
  // In use by another program: the port message for Comm1.
  port.busy = {1};
  StartDownload({kRecord, kEndRecord});
  Fire(TimerId::DownloadTimer);
  EXPECT_EQ(host.LastBox(), PortMessage(1));
  port.busy.clear();

  // The port opens but refuses its settings.
  port.refusing = {1};
  StartDownload({kRecord, kEndRecord});
  Fire(TimerId::DownloadTimer);
  EXPECT_EQ(host.LastBox(), "Unable to download.");
  EXPECT_EQ(w.TipsLabel.text, "Download incomplete.");
  port.refusing.clear();

  // A write fails half-way: what went out stays out, the port is closed.
  port.failWriteAt = 1;
  StartDownload({kRecord, kEndRecord});
  Fire(TimerId::DownloadTimer);
  EXPECT_EQ(host.LastBox(), "Unable to download.");
  EXPECT_EQ(host.boxes.back().style, kMsgCritical);
  EXPECT_EQ(port.sent, kRecord);
  EXPECT_FALSE(port.IsOpen());
  EXPECT_FALSE(w.PortOpenFlag);
  EXPECT_EQ(w.TipsLabel.text, "Download incomplete.");
  EXPECT_EQ(w.EntryState, ProgramState);
  EXPECT_FALSE(host.TimerRunning(TimerId::PortCloseTimer));

  // A host without a serial port at all is a missing port.
  struct NoPortHost : FakeHost {
    SerialPort* Serial() override { return nullptr; }
  } bare;
  Session other{bare};
  other.Start();
  other.TimerFired(TimerId::OpenTimer);
  other.Main.Hex.HexList = {kEndRecord};
  other.Main.Link.DownloadTimer_Timer();
  EXPECT_EQ(bare.LastBox(), PortMessage(1));
}

TEST_F(TrainerLinkTest, UploadInSmallPiecesIsCutAndSavedAsAHexFile) {
  w.Link.UploadFile_Click();
  EXPECT_EQ(host.boxes.back().text, kUploadBox);
  EXPECT_EQ(host.boxes.back().style, kMsgOkCancelInformation);
  EXPECT_EQ(port.sent, "ATV1Q0\r");
  EXPECT_TRUE(port.dtr && port.rts);
  EXPECT_TRUE(w.PortOpenFlag);
  EXPECT_EQ(w.TipsLabel.text, "Ready for upload . . .");
  EXPECT_TRUE(w.Link.UploadWaiting());

  // The trainer echoes the request, then sends its records a few bytes at a
  // time; the end record is split across two pieces.
  const std::string reply = "ATV1Q0\r\n" + kRecord + "\r\n" + kEndRecord + "\r\n";
  const size_t split = reply.find(kEndRecord) + 5;
  for (size_t at = 0; at < split; at += 5) port.Arrive(reply.substr(at, std::min<size_t>(5, split - at)));
  EXPECT_EQ(w.TipsLabel.text, "Uploading . . .");
  EXPECT_TRUE(w.Link.UploadWaiting());
  EXPECT_FALSE(host.TimerRunning(TimerId::CreateHexTimer));
  port.Arrive(reply.substr(split));
  EXPECT_FALSE(w.Link.UploadWaiting());
  EXPECT_EQ(w.Link.UploadText, reply);
  EXPECT_EQ(w.TipsLabel.text, "Formatting received data . . .");
  EXPECT_EQ(host.timers[TimerId::CreateHexTimer], 100);
  EXPECT_TRUE(port.IsOpen());

  host.fileChoices = {Choice("up.hex")};
  Fire(TimerId::CreateHexTimer);
  EXPECT_FALSE(port.IsOpen());
  EXPECT_FALSE(w.PortOpenFlag);
  ASSERT_EQ(host.dialogs.size(), 1u);
  EXPECT_TRUE(host.dialogs[0].save);
  EXPECT_EQ(host.dialogs[0].request.filter, "Hex Files(*.hex)|*.hex");
  EXPECT_EQ(host.dialogs[0].request.title, "Save to Hex file");
  EXPECT_EQ(host.dialogs[0].request.flags, 0x1806);
  EXPECT_EQ(w.Hex.HexList, (std::vector<std::string>{kRecord, kEndRecord}));
  EXPECT_EQ(w.Hex.HexFilePath, PathOf("up.hex"));
  const auto saved = ReadFileBytes(PathOf("up.hex"));
  ASSERT_TRUE(saved);
  EXPECT_EQ(*saved, "\"" + kRecord + "\"\r\n\"" + kEndRecord + "\"\r\n");
  EXPECT_EQ(ReadHexFileText(*saved).status, HexReadResult::Status::Ok);
  EXPECT_EQ(w.TipsLabel.text, "Program Mode.");
  EXPECT_EQ(w.EntryState, ProgramState);
  EXPECT_EQ(host.boxes.size(), 1u);
}

TEST_F(TrainerLinkTest, CancelAtEachUploadQuestionSavesNothing) {
  // Cancel in the confirmation: the port is never opened.
  host.answers = {kAnswerCancel};
  w.Link.UploadFile_Click();
  EXPECT_TRUE(port.opened.empty());
  EXPECT_EQ(w.MsgBoxAnswer, "2");
  EXPECT_FALSE(w.Link.UploadWaiting());

  // Cancel in the save dialog: no message, the records stay in HexList.
  Upload({kRecord + "\r\n" + kEndRecord + "\r\n"});
  Fire(TimerId::CreateHexTimer);
  EXPECT_EQ(host.dialogs.size(), 1u);
  EXPECT_EQ(host.boxes.size(), 2u);
  EXPECT_EQ(w.Hex.HexList, (std::vector<std::string>{kRecord, kEndRecord}));
  EXPECT_EQ(w.TipsLabel.text, "Program Mode.");
  EXPECT_TRUE(fs::is_empty(dir));
}

TEST_F(TrainerLinkTest, EscEndsTheWaitThatALowerCaseEndRecordDoesNotEnd) {
  w.Hex.HexList = {kRecord, kEndRecord};
  Upload({kRecord + "\r\n:00000001ff\r\n"});
  EXPECT_TRUE(w.Link.UploadWaiting());
  EXPECT_FALSE(host.TimerRunning(TimerId::CreateHexTimer));

  w.TableCancelButton_Click();
  EXPECT_FALSE(w.Link.UploadWaiting());
  EXPECT_FALSE(port.IsOpen());
  EXPECT_FALSE(w.PortOpenFlag);
  EXPECT_EQ(w.EntryState, ProgramState);
  EXPECT_EQ(w.TipsLabel.text, "Program Mode.");
  EXPECT_EQ(host.boxes.size(), 1u);
  EXPECT_EQ(w.Hex.HexList, (std::vector<std::string>{kRecord, kEndRecord}));

  // Esc after the reply is in, before the cut: the upload is dropped whole.
  Upload({kEndRecord});
  w.TableCancelButton_Click();
  EXPECT_FALSE(host.TimerRunning(TimerId::CreateHexTimer));
  EXPECT_TRUE(host.dialogs.empty());
}

TEST_F(TrainerLinkTest, CorruptRepliesAreReportedAndNothingIsWritten) {
  host.fileChoices = {Choice("bad.hex")};
  Upload({"\r\n" + kRecord + "\r\n" + kBadSum + "\r\n" + kEndRecord});
  Fire(TimerId::CreateHexTimer);
  EXPECT_EQ(host.LastBox(), kCorrupt);
  EXPECT_EQ(host.boxes.back().style, kMsgCritical);
  EXPECT_TRUE(host.dialogs.empty());
  EXPECT_FALSE(fs::exists(PathOf("bad.hex")));
  EXPECT_EQ(w.Hex.HexList, std::vector<std::string>{kRecord});
  EXPECT_EQ(w.EntryState, ProgramState);
  EXPECT_EQ(w.TipsLabel.text, "Upload failed.");
  EXPECT_FALSE(port.IsOpen());

  // Two ":" in a row.
  Upload({":" + kEndRecord});
  Fire(TimerId::CreateHexTimer);
  EXPECT_EQ(host.LastBox(), kCorrupt);
  EXPECT_TRUE(w.Hex.HexList.empty());

  // A line that never stops without an end record ends the wait too.
  Upload({std::string(16u << 20, ':'), "x"});
  EXPECT_EQ(host.LastBox(), kCorrupt);
  EXPECT_FALSE(w.Link.UploadWaiting());
  EXPECT_FALSE(port.IsOpen());
  EXPECT_EQ(w.TipsLabel.text, "Upload failed.");
}

TEST_F(TrainerLinkTest, AFileThatCannotBeWrittenIsReported) {
  host.fileChoices = {FileChoice{PathOf("missing/up.hex"), "up.hex"}};
  Upload({kRecord + "\r\n" + kEndRecord + "\r\n"});
  Fire(TimerId::CreateHexTimer);
  EXPECT_EQ(host.LastBox(), "Unable to save file.");
  EXPECT_EQ(host.boxes.back().style, kMsgCritical);
  EXPECT_EQ(w.TipsLabel.text, "Failed to save file.");
  EXPECT_EQ(w.EntryState, ProgramState);
  EXPECT_FALSE(fs::exists(dir / "missing"));
}

TEST_F(TrainerLinkTest, TransfersDuringTheWaitFindThePortInUseAndLeaveItAlone) {
  Upload({"ATV1Q0\r\n:03800000"});
  // A second upload and a download both get the port message.
  w.Link.UploadFile_Click();
  EXPECT_EQ(host.LastBox(), PortMessage(1));
  StartDownload({kRecord, kEndRecord});
  Fire(TimerId::DownloadTimer);
  EXPECT_EQ(host.LastBox(), PortMessage(1));
  EXPECT_EQ(w.TipsLabel.text, "Download incomplete.");
  // Another port chosen now applies to the next transfer only.
  w.Link.PortOption_Click(1);
  EXPECT_TRUE(port.IsOpen());
  EXPECT_EQ(port.openPort, 1);
  EXPECT_TRUE(w.PortOpenFlag);

  // The first upload goes on and completes.
  port.Arrive("C300803A\r\n" + kEndRecord + "\r\n");
  host.fileChoices = {Choice("up.hex")};
  Fire(TimerId::CreateHexTimer);
  EXPECT_EQ(w.Hex.HexList, (std::vector<std::string>{kRecord, kEndRecord}));
  EXPECT_EQ(port.sent, "ATV1Q0\r");

  Upload({});
  EXPECT_EQ(port.openPort, 2);
}

TEST_F(TrainerLinkTest, APortThatFailsOrAQuitEndsTheWait) {
  // The device goes away: the wait ends without a message.
  Upload({"ATV1Q0\r\n"});
  port.Fail();
  EXPECT_FALSE(w.Link.UploadWaiting());
  EXPECT_FALSE(port.IsOpen());
  EXPECT_FALSE(w.PortOpenFlag);
  EXPECT_EQ(host.boxes.size(), 1u);
  EXPECT_EQ(w.EntryState, ProgramState);
  EXPECT_EQ(w.TipsLabel.text, "Upload incomplete.");

  // Missing port: the port message, nothing waits.
  port.present.erase(1);
  w.Link.UploadFile_Click();
  EXPECT_EQ(host.LastBox(), PortMessage(1));
  EXPECT_FALSE(w.Link.UploadWaiting());
  port.present.insert(1);

  // Quitting during the wait closes the port.
  Upload({});
  w.QuitFile_Click();
  EXPECT_TRUE(host.ended);
  EXPECT_FALSE(port.IsOpen());
  EXPECT_FALSE(w.PortOpenFlag);
}

TEST_F(TrainerLinkTest, UploadIsOfferedInTheIdleStatesOnly) {
  w.ControlTransfer(CommentState);
  w.Link.UploadFile_Click();
  EXPECT_TRUE(host.boxes.empty());
  EXPECT_TRUE(port.opened.empty());

  // Data mode is idle too, and the upload returns to it.
  w.ControlTransfer(ProgramState);
  w.EntryMode_Click();
  host.fileChoices = {Choice("d.hex")};
  Upload({kEndRecord});
  Fire(TimerId::CreateHexTimer);
  EXPECT_EQ(w.EntryState, DataState);
  EXPECT_EQ(*ReadFileBytes(PathOf("d.hex")), "\":00000001FF\"\r\n");
}

}  // namespace
}  // namespace parvix::testing
