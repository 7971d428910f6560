// The trainer link through the main window's procedures with the in-memory
// serial port: the download stream, the upload's wait, cutting and saving,
// Cancel and Esc, and the failures.
#include <gtest/gtest.h>
#include <filesystem>
#include <functional>
#include <tuple>

#include "base/text_file.h"
#include "hextools/hex_records.h"
#include "support/session_fixture.h"
#include "support/temp_folder.h"

namespace parvix::testing {
namespace {

namespace fs = std::filesystem;

const std::string kRecord = ":03800000C300803A";  // JMP 8000 at 8000
const std::string kBadSum = ":02800300760006";    // HLT, NOP at 8003; the sum should be 05
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
};

TEST_F(TrainerLinkTest, DownloadSendsTheRecordsBackToBackAndClosesLater) {
  StartDownload({kRecord, kEndRecord});
  EXPECT_EQ(w.TipsLabel.text, "Downloading . . .");
  Fire(TimerId::DownloadTimer);
  EXPECT_EQ(port.sent, kRecord + kEndRecord);
  EXPECT_TRUE(port.dtr && port.rts);
  EXPECT_EQ(w.TipsLabel.text, "Download completed.");
  EXPECT_EQ(w.EntryState, ProgramState);
  Fire(TimerId::PortCloseTimer);
  EXPECT_FALSE(port.IsOpen());
  EXPECT_FALSE(w.PortOpenFlag);
}

TEST_F(TrainerLinkTest, DownloadFailuresTellTheUserAndLeaveThePortClosed) {
  const std::tuple<const char*, std::function<void()>, std::string> rows[] = {
      {"missing Comm3", [this] { w.Link.PortOption_Click(2); port.present.erase(3); }, PortMessage(3)},
      {"busy", [this] { port.busy = {1}; }, PortMessage(1)},
      {"refuses settings", [this] { port.refusing = {1}; }, "Unable to download."},
      {"write fails", [this] { port.failWriteAt = 1; }, "Unable to download."},  // last: writes
  };
  for (const auto& [name, setup, box] : rows) {
    SCOPED_TRACE(name);
    w.Link.PortOption_Click(0);
    port.busy.clear();
    port.refusing.clear();
    setup();
    StartDownload({kRecord, kEndRecord});
    Fire(TimerId::DownloadTimer);
    EXPECT_EQ(host.LastBox(), box);
    EXPECT_EQ(host.boxes.back().style, kMsgCritical);
    EXPECT_EQ(port.sent, port.failWriteAt == 1 ? kRecord : "");  // what went out stays out
    EXPECT_EQ(w.TipsLabel.text, "Download incomplete.");
    EXPECT_EQ(w.EntryState, ProgramState);
    EXPECT_FALSE(port.IsOpen());
    EXPECT_FALSE(w.PortOpenFlag);
    EXPECT_FALSE(host.TimerRunning(TimerId::PortCloseTimer));
  }
}

TEST_F(TrainerLinkTest, UploadInSmallPiecesAfterAnEchoIsCutAndSaved) {
  w.Link.UploadFile_Click();
  EXPECT_EQ(port.sent, "ATV1Q0\r");
  EXPECT_TRUE(port.dtr && port.rts);
  EXPECT_EQ(w.TipsLabel.text, "Ready for upload . . .");

  // The trainer echoes the request, then sends its records five bytes at a
  // time; the end record is split across two pieces.
  const std::string reply = "ATV1Q0\r\n" + kRecord + "\r\n" + kEndRecord + "\r\n";
  const size_t split = reply.find(kEndRecord) + 5;
  for (size_t at = 0; at < split; at += 5) port.Arrive(reply.substr(at, std::min<size_t>(5, split - at)));
  EXPECT_EQ(w.TipsLabel.text, "Uploading . . .");
  EXPECT_TRUE(w.Link.UploadWaiting());
  EXPECT_FALSE(host.TimerRunning(TimerId::CreateHexTimer));
  port.Arrive(reply.substr(split));
  EXPECT_FALSE(w.Link.UploadWaiting());

  host.fileChoices = {Choice("up.hex")};
  Fire(TimerId::CreateHexTimer);
  EXPECT_FALSE(port.IsOpen());
  EXPECT_FALSE(w.PortOpenFlag);
  EXPECT_EQ(w.Hex.HexList, (std::vector<std::string>{kRecord, kEndRecord}));
  const auto saved = ReadFileBytes(PathOf("up.hex"));
  ASSERT_TRUE(saved);
  EXPECT_EQ(*saved, "\"" + kRecord + "\"\r\n\"" + kEndRecord + "\"\r\n");
  EXPECT_EQ(w.TipsLabel.text, "Program Mode.");
  EXPECT_EQ(host.boxes.size(), 1u);
}

TEST_F(TrainerLinkTest, CancelAtEachQuestionSendsAndSavesNothing) {
  // The steps, and whether they open the port.
  const std::tuple<const char*, std::function<void()>, bool> rows[] = {
      {"download question", [this] { host.answers = {kAnswerCancel}; StartDownload({kRecord, kEndRecord}); },
       false},
      {"upload question", [this] { host.answers = {kAnswerCancel}; w.Link.UploadFile_Click(); }, false},
      {"save dialog", [this] { Upload({kRecord + "\r\n" + kEndRecord + "\r\n"}); Fire(TimerId::CreateHexTimer); },
       true},
  };
  for (const auto& [name, run, opens] : rows) {
    SCOPED_TRACE(name);
    port.opened.clear();
    const size_t boxes = host.boxes.size();
    run();
    EXPECT_EQ(host.boxes.size(), boxes + 1);  // the question only
    EXPECT_EQ(port.opened.empty(), !opens);
    EXPECT_FALSE(host.TimerRunning(TimerId::DownloadTimer));
    EXPECT_FALSE(w.Link.UploadWaiting());
    EXPECT_FALSE(port.IsOpen());
    EXPECT_EQ(w.Hex.HexList, (std::vector<std::string>{kRecord, kEndRecord}));
    EXPECT_EQ(w.TipsLabel.text, opens ? "Program Mode." : "Ready to download.");
    EXPECT_TRUE(fs::is_empty(folder.path()));
  }
}

TEST_F(TrainerLinkTest, EscOrALostPortEndsTheWaitThatALowerCaseEndRecordDoesNotEnd) {
  w.Hex.HexList = {kRecord, kEndRecord};
  Upload({kRecord + "\r\n:00000001ff\r\n"});
  EXPECT_TRUE(w.Link.UploadWaiting());
  EXPECT_FALSE(host.TimerRunning(TimerId::CreateHexTimer));

  w.TableCancelButton_Click();
  EXPECT_FALSE(w.Link.UploadWaiting());
  EXPECT_FALSE(port.IsOpen());
  EXPECT_FALSE(w.PortOpenFlag);
  EXPECT_EQ(w.TipsLabel.text, "Program Mode.");
  EXPECT_EQ(host.boxes.size(), 1u);
  EXPECT_EQ(w.Hex.HexList, (std::vector<std::string>{kRecord, kEndRecord}));

  // Esc after the reply is in, before the cut: the upload is dropped whole.
  Upload({kEndRecord});
  w.TableCancelButton_Click();
  EXPECT_FALSE(host.TimerRunning(TimerId::CreateHexTimer));
  EXPECT_TRUE(host.dialogs.empty());

  // A port that goes away ends the wait without a message.
  Upload({"ATV1Q0\r\n"});
  port.Fail();
  EXPECT_FALSE(w.Link.UploadWaiting());
  EXPECT_FALSE(port.IsOpen());
  EXPECT_EQ(host.boxes.size(), 3u);
  EXPECT_EQ(w.TipsLabel.text, "Upload incomplete.");
}

TEST_F(TrainerLinkTest, CorruptRepliesAreReportedAndNothingIsWritten) {
  const struct {
    const char* name;
    std::string reply;
    std::vector<std::string> hexList;
  } rows[] = {
      {"bad checksum", "\r\n" + kRecord + "\r\n" + kBadSum + "\r\n" + kEndRecord, {kRecord}},
      {"two colons", ":" + kEndRecord, {}},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.name);
    host.fileChoices = {Choice("bad.hex")};
    Upload({row.reply});
    Fire(TimerId::CreateHexTimer);
    EXPECT_EQ(host.LastBox(), kCorrupt);
    EXPECT_EQ(host.boxes.back().style, kMsgCritical);
    EXPECT_TRUE(host.dialogs.empty());
    EXPECT_FALSE(fs::exists(PathOf("bad.hex")));
    EXPECT_EQ(w.Hex.HexList, row.hexList);
    EXPECT_EQ(w.TipsLabel.text, "Upload failed.");
    EXPECT_FALSE(port.IsOpen());
  }

  // A line that never stops without an end record ends the wait too.
  Upload({std::string(16u << 20, ':'), "x"});
  EXPECT_EQ(host.LastBox(), kCorrupt);
  EXPECT_FALSE(w.Link.UploadWaiting());
  EXPECT_FALSE(port.IsOpen());
}

TEST_F(TrainerLinkTest, APortChangeDuringATransferAppliesToTheNextOne) {
  Upload({"ATV1Q0\r\n:03800000"});
  // A second transfer during the wait finds the port in use.
  StartDownload({kRecord, kEndRecord});
  Fire(TimerId::DownloadTimer);
  EXPECT_EQ(host.LastBox(), PortMessage(1));
  w.Link.PortOption_Click(2);
  for (int i = 0; i < 4; ++i) EXPECT_EQ(w.Menu.PortOption[i].checked, i == 2) << i;
  EXPECT_EQ(port.openPort, 1);
  EXPECT_TRUE(w.PortOpenFlag);

  // The first upload goes on and completes on Comm1.
  port.Arrive("C300803A\r\n" + kEndRecord + "\r\n");
  host.fileChoices = {Choice("up.hex")};
  Fire(TimerId::CreateHexTimer);
  EXPECT_EQ(w.Hex.HexList, (std::vector<std::string>{kRecord, kEndRecord}));
  EXPECT_EQ(port.sent, "ATV1Q0\r");

  Upload({});
  EXPECT_EQ(port.opened, (std::vector<int>{1, 3}));
}

}  // namespace
}  // namespace parvix::testing
