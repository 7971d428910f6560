// The trainer link through the main window's procedures with the in-memory serial port.
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

const std::string kRecord = ":03800000C300803A";  // JMP 8000 at 8000
const std::vector<std::string> kProgram{kRecord, kEndRecord};

std::string PortMessage(int n) {
  return "Comm" + std::to_string(n) +
         " is not available or already in use. Please assign another port for serial "
         "communication.";
}

class TrainerLinkTest : public SessionTest {
 protected:
  // The Download command's hand-over after a verified load.
  void StartDownload() {
    w.Hex.HexList = kProgram;
    host.StartTimer(TimerId::CreateDnldString, 10);
    Fire(TimerId::CreateDnldString);
  }
  // Upload (answered OK), then the reply in the given pieces.
  void Upload(const std::vector<std::string>& pieces) {
    w.Link.UploadFile_Click();
    for (const std::string& piece : pieces) port.Arrive(piece);
  }
  void ExpectClosed() { EXPECT_FALSE(port.IsOpen()); EXPECT_FALSE(w.PortOpenFlag); }
  std::string PathOf(const std::string& name) const { return folder.PathOf(name); }
  void ChooseFile(const std::string& name) { host.fileChoices = {FileChoice{PathOf(name), name}}; }
  FakeSerialPort& port = host.serial;
  TempFolder folder{"parvix-link"};
};

TEST_F(TrainerLinkTest, DownloadSendsTheRecordsBackToBackOrTellsWhyNotAndClosesThePort) {
  const std::tuple<const char*, std::function<void()>, std::string, std::string> rows[] = {
      {"busy", [this] { port.busy = {1}; }, PortMessage(1), ""},
      {"refuses settings", [this] { port.refusing = {1}; }, "Unable to download.", ""},
      {"write fails", [this] { port.failWriteAt = 0; }, "Unable to download.", ""},
      {"sent", [] {},
       "Prepare Microprocessor Trainer for download and click 'OK' to download, or click "
       "'Cancel' to cancel download.",
       kRecord + kEndRecord},
      {"missing Comm3",
       [this] {
         w.Link.PortOption_Click(2);
         port.present.erase(3);
       },
       PortMessage(3), ""},
  };
  for (const auto& [name, setup, box, sent] : rows) {
    SCOPED_TRACE(name);
    port.busy.clear();
    port.refusing.clear();
    port.sent.clear();
    port.failWriteAt = -1;
    setup();
    const bool ok = sent == kRecord + kEndRecord;
    StartDownload();
    if (ok) {
      EXPECT_EQ(w.TipsLabel.text, "Downloading . . .");
    }
    Fire(TimerId::DownloadTimer);
    EXPECT_EQ(host.LastBox(), box);
    if (!ok) {
      EXPECT_EQ(host.boxes.back().style, kMsgCritical);
    }
    EXPECT_EQ(port.sent, sent);
    EXPECT_EQ(w.EntryState, ProgramState);
    EXPECT_EQ(port.IsOpen() && port.dtr && port.rts, ok);
    if (ok) {
      // Under way until the port reports the last byte gone; closed a little later.
      EXPECT_EQ(w.TipsLabel.text, "Downloading . . .");
      port.SendQueued();
      EXPECT_EQ(w.TipsLabel.text, "Download completed.");
      EXPECT_TRUE(port.IsOpen());
      Fire(TimerId::PortCloseTimer);
    } else {
      EXPECT_EQ(w.TipsLabel.text, "Download incomplete.");
    }
    ExpectClosed();
    EXPECT_FALSE(host.TimerRunning(TimerId::PortCloseTimer));
  }
}

TEST_F(TrainerLinkTest, ADownloadCutShortWhileSendingIsIncompleteAndQuitAsksFirst) {
  const std::string stopQuestion =
      "A download to the trainer is still being sent. Click 'OK' to stop it and quit, or click "
      "'Cancel' to let it finish.";
  bool cancel = false;
  const auto quit = [&] { w.Form_QueryUnload(cancel, 0); };
  // What happens while the records leave, the boxes it shows, and the tips line after; the
  // download has stopped when its port is closed.
  const std::tuple<const char*, std::function<void()>, std::vector<std::string>, const char*>
      rows[] = {
          {"the port fails in the middle of an entry, which is left as it is",
           [&] {
             w.Instructions.INST_Click(1);  // MVI: the register panel waits
             port.Fail();
             EXPECT_EQ(w.EntryState, MviRegisterState);
             EXPECT_EQ(host.boxes.back().style, kMsgCritical);
           },
           {"Unable to download."},
           "Download incomplete."},
          {"Esc", [&] { w.TableCancelButton_Click(); }, {}, "Download incomplete."},
          {"Esc that cancels an entry cancels only that",
           [&] {
             w.Instructions.INST_Click(1);
             w.TableCancelButton_Click();
             EXPECT_EQ(w.EntryState, ProgramState);
           },
           {},
           "Program Mode."},
          {"quit, and let it finish",
           [&] {
             host.answers = {kAnswerOk, kAnswerCancel};
             quit();
             EXPECT_TRUE(cancel);
             EXPECT_EQ(host.boxes.back().style, kMsgOkCancelQuestion);
           },
           {"Are you sure you want to quit? You will lose unsaved information.", stopQuestion},
           "Downloading . . ."},
          {"quit, and stop it",
           [&] {
             host.answers = {kAnswerOk, kAnswerOk};
             quit();
             EXPECT_TRUE(host.ended);
           },
           {"Are you sure you want to quit? You will lose unsaved information.", stopQuestion},
           "Downloading . . ."},
      };
  for (const auto& [name, during, boxes, tips] : rows) {
    SCOPED_TRACE(name);
    w.TableCancelButton_Click();
    host.ended = cancel = false;
    port.sent.clear();
    port.dropped = 0;
    StartDownload();
    Fire(TimerId::DownloadTimer);
    host.boxes.clear();
    during();
    std::vector<std::string> shown;
    for (const auto& box : host.boxes) shown.push_back(box.text);
    EXPECT_EQ(shown, boxes);
    EXPECT_EQ(w.TipsLabel.text, tips);
    const bool stopped = !port.IsOpen();
    EXPECT_EQ(w.PortOpenFlag, !stopped);
    EXPECT_EQ(w.Link.DownloadSending(), !stopped);
    EXPECT_EQ(port.dropped, stopped ? port.sent.size() : 0u);  // what had not left is dropped
    port.SendQueued();  // the rest leaves: only a download still under way completes
    EXPECT_EQ(w.TipsLabel.text, stopped ? tips : "Download completed.");
  }
}

TEST_F(TrainerLinkTest, AnEndRecordWithAStartAddressIsSentAsThePlainEndRecord) {
  folder.WriteBytes("start.hex", kRecord + "\r\n:00010001FE\r\n");
  ChooseFile("start.hex");
  w.Hex.DownloadFile_Click();
  Fire(TimerId::CreateDnldString);
  Fire(TimerId::DownloadTimer);
  EXPECT_EQ(port.sent, kRecord + kEndRecord);
}

TEST_F(TrainerLinkTest, UploadInSmallPiecesAfterAnEchoIsCutAndSaved) {
  w.Link.UploadFile_Click();
  EXPECT_EQ(port.sent, "ATV1Q0\r");
  EXPECT_TRUE(port.dtr && port.rts);
  EXPECT_EQ(w.TipsLabel.text, "Ready for upload . . .");
  // The echo, then the records five bytes at a time; the end record split across two pieces.
  const std::string reply = "ATV1Q0\r\n" + kRecord + "\r\n" + kEndRecord + "\r\n";
  const size_t split = reply.find(kEndRecord) + 5;
  for (size_t at = 0; at < split; at += 5)
    port.Arrive(reply.substr(at, std::min<size_t>(5, split - at)));
  EXPECT_EQ(w.TipsLabel.text, "Uploading . . .");
  EXPECT_FALSE(host.TimerRunning(TimerId::CreateHexTimer));
  port.Arrive(reply.substr(split));
  ChooseFile("up.hex");
  Fire(TimerId::CreateHexTimer);
  ExpectClosed();
  EXPECT_EQ(w.Hex.HexList, kProgram);
  EXPECT_EQ(ReadFileBytes(PathOf("up.hex")), "\"" + kRecord + "\"\r\n\"" + kEndRecord + "\"\r\n");
  EXPECT_EQ(w.TipsLabel.text, "Program Mode.");
  EXPECT_EQ(host.boxes.size(), 1u);
}

TEST_F(TrainerLinkTest, CancelEscOrALostPortSendsAndSavesNothing) {
  // The steps, whether they open the port and show the save dialog, the prompt after.
  const auto esc = [this] { w.TableCancelButton_Click(); };
  const std::string reply = kRecord + "\r\n" + kEndRecord + "\r\n";
  const std::tuple<const char*, std::function<void()>, bool, bool, const char*> rows[] = {
      {"download",
       [&] {
         host.answers = {kAnswerCancel};
         StartDownload();
       },
       0, 0, "Ready to download."},
      {"upload",
       [&] {
         host.answers = {kAnswerCancel};
         Upload({});
       },
       0, 0, "Ready to download."},
      {"Esc in the wait, which a lower-case end record does not end",
       [&] {
         Upload({kRecord + "\r\n:00000001ff\r\n"});
         EXPECT_TRUE(w.Link.UploadWaiting());
         esc();
       },
       1, 0, "Program Mode."},
      {"Esc after the reply, before the cut",
       [&] {
         Upload({kEndRecord});
         esc();
       },
       1, 0, "Program Mode."},
      {"lost port: no message",
       [&] {
         Upload({"ATV1Q0\r\n"});
         port.Fail();
       },
       1, 0, "Upload incomplete."},
      {"save dialog",
       [&] {
         Upload({reply});
         Fire(TimerId::CreateHexTimer);
       },
       1, 1, "Program Mode."},
  };
  w.Hex.HexList = kProgram;
  for (const auto& [name, run, opens, dialog, tips] : rows) {
    SCOPED_TRACE(name);
    port.opened.clear();
    const size_t boxes = host.boxes.size();
    run();
    EXPECT_EQ(host.boxes.size(), boxes + 1);  // the question only
    EXPECT_EQ(port.opened.empty(), !opens);
    EXPECT_FALSE(host.TimerRunning(TimerId::DownloadTimer) ||
                 host.TimerRunning(TimerId::CreateHexTimer) || w.Link.UploadWaiting());
    ExpectClosed();
    EXPECT_EQ(w.Hex.HexList, kProgram);
    EXPECT_EQ(w.TipsLabel.text, tips);
    EXPECT_EQ(host.dialogs.empty(), !dialog);
    EXPECT_TRUE(std::filesystem::is_empty(folder.path()));
  }
}

TEST_F(TrainerLinkTest, AnUploadEndingWhileALineIsKeyedAgainLeavesItForEsc) {
  // How the upload ends while the line waits for its register, and the tips line after
  // (none: the entry's own prompt).
  const std::pair<std::function<void()>, const char*> rows[] = {
      {[&] {
         port.Arrive(kRecord + "\r\n" + kEndRecord + "\r\n");
         Fire(TimerId::CreateHexTimer);  // and the save dialog cancelled
       },
       nullptr},
      {[&] { port.Fail(); }, "Upload incomplete."},
  };
  for (const auto& [end, tips] : rows) {
    SCOPED_TRACE(tips ? tips : "saved");
    SetRow(1, "MVI B,count", "06   XX", {}, "count");
    Upload({});
    w.Table1_Click(1, kOpcodeColumn);  // MVI keyed again: the register is asked for
    ASSERT_EQ(w.EntryState, MviRegisterState);
    const std::string prompt = w.TipsLabel.text;
    end();
    ExpectClosed();
    EXPECT_EQ(w.EntryState, MviRegisterState);
    EXPECT_EQ(w.TipsLabel.text, tips ? tips : prompt);
    w.TableCancelButton_Click();
    EXPECT_EQ(w.Table1.Text(1, kMnemonicColumn), "MVI B,count");
    EXPECT_EQ(w.Table1.Text(1, kOpcodeColumn), "06   XX");
    EXPECT_EQ(w.StringTable.Text(1, 0), "count");
  }
}

TEST_F(TrainerLinkTest, CorruptRepliesAreReportedAndNothingIsWritten) {
  // A bad checksum (05 due) after a good record, two colons, and a line without end.
  const std::pair<std::vector<std::string>, std::vector<std::string>> rows[] = {
      {{"\r\n" + kRecord + "\r\n:02800300760006\r\n" + kEndRecord}, {kRecord}},
      {{":" + kEndRecord}, {}}, {{std::string(16u << 20, ':'), "x"}, {}},
  };
  for (const auto& [reply, hexList] : rows) {
    ChooseFile("bad.hex");
    Upload(reply);
    if (host.TimerRunning(TimerId::CreateHexTimer)) Fire(TimerId::CreateHexTimer);
    EXPECT_EQ(host.LastBox(), "Received data is corrupt. Please upload again.");
    EXPECT_EQ(host.boxes.back().style, kMsgCritical);
    EXPECT_TRUE(host.dialogs.empty());
    EXPECT_FALSE(std::filesystem::exists(PathOf("bad.hex")));
    EXPECT_EQ(w.Hex.HexList, hexList);
    EXPECT_EQ(w.TipsLabel.text, "Upload failed.");
    EXPECT_FALSE(w.Link.UploadWaiting() || port.IsOpen());
  }
}

TEST_F(TrainerLinkTest, ARunningTransferKeepsThePortAndItsTextAndAPortChangeWaitsForTheNext) {
  // An upload waiting for its reply, and a download whose records are still leaving: each
  // started on Comm1, then finished there.
  const std::tuple<const char*, std::function<void()>, std::function<void()>, const char*>
      rows[] = {
          {"upload waiting", [&] { Upload({"ATV1Q0\r\n:03800000"}); },
           [&] {
             port.Arrive("C300803A\r\n" + kEndRecord + "\r\n");
             Fire(TimerId::CreateHexTimer);  // and the save dialog cancelled
           },
           "Program Mode."},
          {"download sending",
           [&] {
             StartDownload();
             Fire(TimerId::DownloadTimer);
           },
           [&] {
             port.SendQueued();
             Fire(TimerId::PortCloseTimer);
           },
           "Download completed."},
      };
  for (const auto& [name, start, finish, finished] : rows) {
    SCOPED_TRACE(name);
    w.Link.PortOption_Click(0);
    port.opened.clear();
    start();
    const std::string tips = w.TipsLabel.text;
    const std::string sent = port.sent;
    w.Link.PortOption_Click(2);
    for (int i = 0; i < 4; ++i) EXPECT_EQ(w.Menu.PortOption[i].checked, i == 2) << i;
    // A second upload or a download is refused before any question or file, naming the port
    // the running transfer holds, not the one chosen since, and leaves that transfer's
    // records and text.
    const std::vector<std::string> records = w.Hex.HexList;
    host.boxes.clear();
    w.Link.UploadFile_Click();
    w.Hex.DownloadFile_Click();
    ASSERT_EQ(host.boxes.size(), 2u);
    for (const auto& box : host.boxes) {
      EXPECT_EQ(box.text,
                "A transfer is running on Comm1. Wait until it ends, or press Esc to "
                "stop it.");
      EXPECT_EQ(box.style, kMsgInformation);
    }
    EXPECT_EQ(w.TipsLabel.text, tips);
    EXPECT_EQ(w.Hex.HexList, records);
    EXPECT_EQ(port.openPort, 1);
    EXPECT_EQ(port.sent, sent);
    finish();  // the running transfer ended on Comm1
    EXPECT_EQ(w.TipsLabel.text, finished);
    ExpectClosed();
    Upload({});
    EXPECT_EQ(port.opened, (std::vector<int>{1, 3}));
    w.TableCancelButton_Click();
  }
}

}  // namespace
}  // namespace parvix::testing
