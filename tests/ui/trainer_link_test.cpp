// The trainer link end to end: the program's own QSerialPort code on one end
// of a real pseudo-terminal pair and a scripted trainer on the other.
#include <QLabel>
#include <QTemporaryDir>
#include <QTest>
#include <future>
#include <memory>

#include "hextools/hex_records.h"
#include "support/modal_helpers.h"
#include "support/pty_trainer.h"
#include "support/shell_fixture.h"
#include "ui/host/serial_devices.h"

namespace parvix::ui {

using parvix::testing::PtyTrainer;
using parvix::testing::Ready;

namespace {

// Data records of `size` bytes from 8000 on, 16 to a record, and the end record.
std::vector<std::string> SampleRecords(int size = 40) {
  std::vector<std::string> records;
  std::vector<std::uint8_t> bytes;
  for (int at = 0; at < size; at += 16) {
    bytes.clear();
    for (int i = at; i < std::min(size, at + 16); ++i)
      bytes.push_back(static_cast<std::uint8_t>(i * 7));
    records.push_back(DataRecordText((0x8000 + at) & 0xFFFF, bytes));
  }
  records.push_back(kEndRecord);
  return records;
}

std::string Joined(const std::vector<std::string>& records, const std::string& after = "") {
  std::string text;
  for (const std::string& r : records) text += r + after;
  return text;
}

}  // namespace

class TrainerLinkUiTest : public QObject, public ShellFixture {
  Q_OBJECT

 private:
  QString tips() { return find<QLabel>("TipsLabel")->text(); }
  QtSerialPort& port() { return shell->host.serialPort(); }
  // Starts an upload through the menu, answering its question with OK; the
  // trainer reads the request and answers with `reply` in small pieces.
  // Whether the request came.
  bool StartUpload(const std::string& reply = "") {
    auto request = std::async(std::launch::async, [this, reply] {
      const bool asked = trainer->ReadUntil("\r", 5000) == "ATV1Q0\r";
      if (asked && !reply.empty()) trainer->Send(reply, 7, 3);
      return asked;
    });
    AnswerNextBox(QMessageBox::Ok);
    window().action("UploadFile")->trigger();
    return QTest::qWaitFor([&] { return Ready(request); }, 6000) && request.get();
  }

  std::unique_ptr<PtyTrainer> trainer;

 private slots:
  void init() {
    trainer = std::make_unique<PtyTrainer>();
    QVERIFY2(trainer->ok(), trainer->error().c_str());
    qputenv("PARVIX_COMM1", trainer->programPath().toLocal8Bit());
    QVERIFY(StartShell());
  }
  void cleanup() {
    StopShell();
    trainer.reset();
    qunsetenv("PARVIX_COMM1");
    qunsetenv("PARVIX_COMM2");
  }

  void portNumbersFollowTheDeviceOrderUnlessAVariableNamesOne() {
    const std::vector<std::string> ordered =
        OrderSerialDevices({"/dev/ttyACM0", "/dev/ttyUSB10", "/dev/ttyS1", "/dev/ttyUSB2",
                            "/dev/ttyS0", "/dev/rfcomm0"});
    QCOMPARE(ordered, (std::vector<std::string>{"/dev/ttyS0", "/dev/ttyS1", "/dev/ttyUSB2",
                                                "/dev/ttyUSB10", "/dev/ttyACM0", "/dev/rfcomm0"}));
    QCOMPARE(SerialDeviceFor(3, nullptr, ordered), std::string("/dev/ttyUSB2"));
    QCOMPARE(SerialDeviceFor(2, "/tmp/pty", ordered), std::string("/tmp/pty"));
  }

  // A whole 64 KiB image is far more than the pseudo-terminals buffer: when
  // the port is closed 100 ms after the download, most of it is still
  // queued, and it must all reach a trainer that only now starts to read,
  // byte for byte and with nothing after it.
  void downloadReachesTheTrainerByteForByteAfterThePortCloses() {
    m().Hex.HexList = SampleRecords(0x10000);
    const std::string expected = Joined(m().Hex.HexList);
    AnswerNextBox(QMessageBox::Ok);
    shell->host.StartTimer(TimerId::CreateDnldString, 10);  // the Download command's hand-over
    QTRY_VERIFY_WITH_TIMEOUT(tips() == "Download completed." && !m().PortOpenFlag, 5000);
    QVERIFY(port().Draining());

    auto received = std::async(std::launch::async, [this, n = expected.size()] {
      const std::string got = trainer->ReadBytes(n, 20000);
      return got + trainer->ReadFor(200);
    });
    QTRY_VERIFY_WITH_TIMEOUT(Ready(received), 25000);
    const std::string got = received.get();
    QCOMPARE(got.size(), expected.size());
    QVERIFY(got == expected);
    QTRY_VERIFY_WITH_TIMEOUT(!port().IsOpen() && !port().Draining(), 5000);
  }

  void uploadInSmallPiecesAfterAnEchoIsSaved() {
    QTemporaryDir dir;
    const std::vector<std::string> records = SampleRecords();
    ChooseNextFile(dir.filePath("up.hex"));
    QVERIFY(StartUpload("ATV1Q0\r\n" + Joined(records, "\r\n")));
    QTRY_COMPARE_WITH_TIMEOUT(tips(), QString("Program Mode."), 10000);
    QCOMPARE(m().Hex.HexList, records);
    QFile file(dir.filePath("up.hex"));
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(file.readAll().toStdString(), HexFileText(records));
    QVERIFY(!port().IsOpen());
  }

  // The reply comes while the quit question is open: the core takes it only
  // after the box has closed, never from inside it.
  void aReplyDuringAModalBoxIsTakenAfterIt() {
    QTemporaryDir dir;
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
    QVERIFY(QFile::exists(dir.filePath("late.hex")));
    QCOMPARE(m().Hex.HexList, (std::vector<std::string>{SampleRecords()[0], kEndRecord}));
  }

  void escEndsASilentWait() {
    QVERIFY(StartUpload());
    QTest::qWait(300);
    QVERIFY(m().Link.UploadWaiting());

    // Keys go to the active window, which the closed question has handed back.
    window().activateWindow();
    QApplication::setActiveWindow(&window());
    QVERIFY(QTest::qWaitForWindowActive(&window()));
    QTest::keyClick(&window(), Qt::Key_Escape);
    QVERIFY(!m().Link.UploadWaiting());
    QCOMPARE(tips(), QString("Program Mode."));
    QTRY_VERIFY_WITH_TIMEOUT(!port().IsOpen() && !port().Draining(), 2000);
    // The trainer speaking up now changes nothing.
    trainer->Send(":00000001FF\r\n");
    QTest::qWait(200);
    QCOMPARE(tips(), QString("Program Mode."));
    QVERIFY(!shell->host.InModal());
  }

  void aMissingPortGetsThePortMessage() {
    qputenv("PARVIX_COMM2", QByteArray("/dev/parvix-no-such-port"));
    window().action("PortOption(1)")->trigger();
    QString message;
    AnswerNextBox(QMessageBox::Ok);
    OnNextModal<QMessageBox>([&message](QMessageBox* box) {
      if (box->text().startsWith("Click 'OK' and upload")) return;
      message = box->text();
      box->button(QMessageBox::Ok)->click();
    });
    window().action("UploadFile")->trigger();
    QCOMPARE(message, QString("Comm2 is not available or already in use. Please assign another "
                              "port for serial communication."));
    QVERIFY(!m().PortOpenFlag);
  }
};

}  // namespace parvix::ui

QTEST_MAIN(parvix::ui::TrainerLinkUiTest)
#include "trainer_link_test.moc"
