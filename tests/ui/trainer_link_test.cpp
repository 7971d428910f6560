// The program's own serial code on a real pseudo-terminal pair, a scripted trainer at the far end.
#include <QLabel>
#include <QTemporaryDir>
#include <QTest>

#include "hextools/hex_records.h"
#include "support/pty_trainer.h"
#include "support/shell_fixture.h"
#include "ui/host/serial_devices.h"

namespace parvix::ui {

using namespace parvix::testing;

class TrainerLinkUiTest : public QObject, public ShellFixture {
  Q_OBJECT

 private:
  // Data records of `size` bytes from 8000 on, 16 to a record, and the end record.
  static std::vector<std::string> SampleRecords(int size = 40) {
    std::vector<std::string> records;
    for (int at = 0; at < size; at += 16) {
      std::vector<std::uint8_t> bytes(std::min(16, size - at));
      for (int i = 0; i < int(bytes.size()); ++i) bytes[i] = std::uint8_t((at + i) * 7);
      records.push_back(DataRecordText((0x8000 + at) & 0xFFFF, bytes));
    }
    records.push_back(kEndRecord);
    return records;
  }
  static std::string Joined(const std::vector<std::string>& records, const char* after = "") {
    std::string text;
    for (const std::string& r : records) text += r + after;
    return text;
  }
  QString tips() { return find<QLabel>("TipsLabel")->text(); }
  QtSerialPort& port() { return shell->host.serialPort(); }
  // An image of `size` bytes (by default 64 KiB, more than the pseudo-terminals and socat
  // hold), handed to the download chain as the Download command hands it over, and
  // confirmed; returns the bytes it sends.
  std::string StartDownload(int size = 0x10000) {
    m().Hex.HexList = SampleRecords(size);
    AnswerNextBox(QMessageBox::Ok);
    shell->host.StartTimer(TimerId::CreateDnldString, 10);
    return Joined(m().Hex.HexList);
  }
  // Starts an upload through the menu; the trainer answers `reply` in small pieces.
  bool StartUpload(const std::string& reply = "") {
    auto request = std::async(std::launch::async, [this, reply] {
      const bool asked = trainer->ReadUntil("\r", 5000) == "ATV1Q0\r";
      if (asked) trainer->Send(reply, 7, 3);
      return asked;
    });
    AnswerNextBox(QMessageBox::Ok);
    window().action("UploadFile")->trigger();
    return QTest::qWaitFor([&] { return Ready(request); }, 6000) && request.get();
  }

  std::unique_ptr<PtyTrainer> trainer;
  QTemporaryDir dir;

 private slots:
  void init() {
    trainer = std::make_unique<PtyTrainer>();
    QVERIFY2(trainer->ok(), trainer->error().c_str());
    qputenv("PARVIX_COMM1", trainer->programPath().toLocal8Bit());
    QVERIFY(StartShell());
  }
  void cleanup() { StopShell(); }

  void portNumbersFollowTheDeviceOrder() {
    const std::vector<std::string> ordered =
        OrderSerialDevices({"/dev/ttyACM0", "/dev/ttyUSB10", "/dev/ttyS1", "/dev/ttyUSB2",
                            "/dev/ttyS0", "/dev/rfcomm0"});
    QCOMPARE(ordered, (std::vector<std::string>{"/dev/ttyS0", "/dev/ttyS1", "/dev/ttyUSB2",
                                                "/dev/ttyUSB10", "/dev/ttyACM0", "/dev/rfcomm0"}));
    QCOMPARE(SerialDeviceFor(3, nullptr, ordered), std::string("/dev/ttyUSB2"));
  }

  // While the trainer does not read, the download stays under way with its port open; read
  // slowly, it arrives byte for byte and nothing after, and only then is it completed.
  void downloadIsCompletedOnlyWhenASlowTrainerHasReadIt() {
    const std::string expected = StartDownload();
    QTRY_COMPARE_WITH_TIMEOUT(tips(), QString("Downloading . . ."), 5000);
    QTest::qWait(1000);
    QCOMPARE(tips(), QString("Downloading . . ."));
    QVERIFY(port().IsOpen());
    auto received = std::async(std::launch::async, [this, n = expected.size()] {
      std::string got;
      for (std::string piece = "-"; got.size() < n && !piece.empty(); QThread::msleep(10)) {
        piece = trainer->ReadBytes(std::min<size_t>(2048, n - got.size()), 5000);
        got += piece;
      }
      return got + trainer->ReadFor(200);
    });
    QTRY_VERIFY_WITH_TIMEOUT(Ready(received), 30000);
    QVERIFY(received.get() == expected);
    QTRY_COMPARE_WITH_TIMEOUT(tips(), QString("Download completed."), 5000);
    QTRY_VERIFY_WITH_TIMEOUT(!port().IsOpen(), 2000);
  }

  // A trainer reading at the line's speed gets every byte of an 11 KB download, the end record
  // last, and an upload started as soon as the port is free reaches it only after that.
  // "Download completed." never shows while the program still holds bytes to send.
  void aSlowTrainerGetsTheWholeDownloadBeforeTheNextRequest() {
    // Straight on the pseudo-terminal: its buffers are all that holds the bytes in between.
    trainer = std::make_unique<PtyTrainer>(PtyTrainer::Link::OnePty);
    QVERIFY2(trainer->ok(), trainer->error().c_str());
    qputenv("PARVIX_COMM1", trainer->programPath().toLocal8Bit());
    const std::string expected = StartDownload(0x1000);
    const std::string request = "ATV1Q0\r";
    auto received = std::async(std::launch::async, [this, request] {
      return trainer->ReadPacedUntil(request, 2400, 15000);
    });
    bool completedWithBytesLeft = false;
    QTimer watch;
    connect(&watch, &QTimer::timeout, [&] {
      completedWithBytesLeft |= tips() == "Download completed." && port().Unsent() > 0;
    });
    watch.start(1);
    QTRY_COMPARE_WITH_TIMEOUT(tips(), QString("Download completed."), 10000);
    QTRY_VERIFY_WITH_TIMEOUT(!port().IsOpen(), 10000);
    AnswerNextBox(QMessageBox::Ok);
    window().action("UploadFile")->trigger();
    QTRY_VERIFY_WITH_TIMEOUT(Ready(received), 16000);
    const std::string got = received.get();
    QCOMPARE(got.size(), expected.size() + request.size());
    QVERIFY(got == expected + request);
    QVERIFY(!completedWithBytesLeft);
  }

  // A trainer that goes away mid-download (its end of the pair closes) ends it with the
  // message and "Download incomplete.", not "Download completed." over lost bytes.
  void aTrainerLeavingMidDownloadLeavesItIncomplete() {
    StartDownload();
    QTRY_COMPARE_WITH_TIMEOUT(tips(), QString("Downloading . . ."), 5000);
    auto read = std::async(std::launch::async, [this] { return trainer->ReadBytes(1000, 5000); });
    QTRY_VERIFY_WITH_TIMEOUT(Ready(read), 6000);
    QVERIFY(read.get().size() >= 1000);
    QString message;
    AnswerNextBox(QMessageBox::Ok, &message);
    trainer->Leave();
    QTRY_COMPARE_WITH_TIMEOUT(tips(), QString("Download incomplete."), 5000);
    QCOMPARE(message, QString("Unable to download."));
    QVERIFY(!port().IsOpen());
  }

  void uploadInSmallPiecesAfterAnEchoIsSaved() {
    const std::vector<std::string> records = SampleRecords();
    ChooseNextFile(dir.filePath("up.hex"));
    QVERIFY(StartUpload("ATV1Q0\r\n" + Joined(records, "\r\n")));
    QTRY_COMPARE_WITH_TIMEOUT(tips(), QString("Program Mode."), 10000);
    QFile file(dir.filePath("up.hex"));
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(file.readAll().toStdString(), HexFileText(records));
    QVERIFY(!port().IsOpen());
  }

  // A reply that comes while the quit question is open is taken only after it closes.
  void aReplyDuringAModalBoxIsTakenAfterIt() {
    QVERIFY(StartUpload());
    bool seenInsideBox = false;
    OnNextModal<QMessageBox>([this, &seenInsideBox](QMessageBox* box) {
      trainer->Send(SampleRecords()[0] + "\r\n" + kEndRecord + "\r\n");
      QTest::qWait(300);
      seenInsideBox = m().Link.UploadWaiting() && m().Link.UploadText.empty();
      box->button(QMessageBox::Cancel)->click();
    });
    ChooseNextFile(dir.filePath("late.hex"));
    window().action("QuitFile")->trigger();
    QVERIFY(seenInsideBox);
    QTRY_COMPARE_WITH_TIMEOUT(tips(), QString("Program Mode."), 5000);
    QCOMPARE(m().Hex.HexList, (std::vector<std::string>{SampleRecords()[0], kEndRecord}));
  }

  void escEndsASilentWait() {
    QVERIFY(StartUpload());
    QTest::qWait(300);
    window().activateWindow();  // keys go to the active window
    QApplication::setActiveWindow(&window());
    QVERIFY(QTest::qWaitForWindowActive(&window()));
    QTest::keyClick(&window(), Qt::Key_Escape);
    QCOMPARE(tips(), QString("Program Mode."));
    QVERIFY(!port().IsOpen());
  }

  void aMissingPortGetsThePortMessage() {
    qputenv("PARVIX_COMM1", QByteArray("/dev/parvix-no-such-port"));
    QString message;
    AnswerNextBox(QMessageBox::Ok);
    AnswerNextBox(QMessageBox::Ok, &message);
    window().action("UploadFile")->trigger();
    QCOMPARE(message, QString("Comm1 is not available or already in use. Please assign another "
                              "port for serial communication."));
  }
};

}  // namespace parvix::ui

QTEST_MAIN(parvix::ui::TrainerLinkUiTest)
#include "trainer_link_test.moc"
