// The trainer link end to end: the program's own QSerialPort code on one end
// of a real pseudo-terminal pair and a scripted trainer on the other. The
// trainer checks every byte of a download, answers an upload in small pieces
// after echoing the request, and stays silent for Esc to end the wait.
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

// A few data records of a small program and the end record.
std::vector<std::string> SampleRecords() {
  std::vector<std::string> records;
  std::vector<std::uint8_t> bytes;
  for (int i = 0; i < 40; ++i) bytes.push_back(static_cast<std::uint8_t>(i * 7));
  for (size_t at = 0; at < bytes.size(); at += 16) {
    const size_t n = std::min<size_t>(16, bytes.size() - at);
    records.push_back(DataRecordText(0x8000 + static_cast<int>(at),
                                     std::span(bytes).subspan(at, n)));
  }
  records.push_back(kEndRecord);
  return records;
}

}  // namespace

class TrainerLinkUiTest : public QObject, public ShellFixture {
  Q_OBJECT

 private:
  QString tips() { return find<QLabel>("TipsLabel")->text(); }
  QtSerialPort& port() { return shell->host.serialPort(); }
  // Starts an upload through the menu, answering its question with OK.
  void StartUpload() {
    AnswerNextBox(QMessageBox::Ok, &lastBox);
    window().action("UploadFile")->trigger();
  }
  // The same for an upload that ends in the port message, which is answered
  // too; the message's text is returned.
  QString UploadToAMissingPort() {
    QString message;
    AnswerNextBox(QMessageBox::Ok, &lastBox);
    OnNextModal<QMessageBox>([&message](QMessageBox* box) {
      if (box->text().startsWith("Click 'OK' and upload")) return;
      message = box->text();
      box->button(QMessageBox::Ok)->click();
    });
    window().action("UploadFile")->trigger();
    return message;
  }

  std::unique_ptr<PtyTrainer> trainer;
  QString lastBox;

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
    const std::vector<std::string> ordered = OrderSerialDevices(
        {"/dev/ttyACM0", "/dev/ttyUSB10", "/dev/ttyS1", "/dev/ttyUSB2", "/dev/ttyS0", "/dev/rfcomm0"});
    QCOMPARE(ordered, (std::vector<std::string>{"/dev/ttyS0", "/dev/ttyS1", "/dev/ttyUSB2",
                                                "/dev/ttyUSB10", "/dev/ttyACM0", "/dev/rfcomm0"}));
    QCOMPARE(SerialDeviceFor(3, nullptr, ordered), std::string("/dev/ttyUSB2"));
    QCOMPARE(SerialDeviceFor(2, "/tmp/pty", ordered), std::string("/tmp/pty"));
    QCOMPARE(SerialDeviceFor(4, "", {"/dev/ttyUSB0"}), std::string());
  }

  void downloadReachesTheTrainerByteForByte() {
    const std::vector<std::string> records = SampleRecords();
    std::string expected;
    for (const std::string& r : records) expected += r;
    auto received = std::async(std::launch::async, [this, n = expected.size()] {
      return trainer->ReadBytes(n + 1, 3000);  // one more: nothing may follow
    });

    m().Hex.HexList = records;
    AnswerNextBox(QMessageBox::Ok, &lastBox);
    shell->host.StartTimer(TimerId::CreateDnldString, 10);
    QTRY_COMPARE_WITH_TIMEOUT(tips(), QString("Download completed."), 5000);
    QTRY_VERIFY_WITH_TIMEOUT(Ready(received), 10000);
    QCOMPARE(received.get(), expected);
    QVERIFY(lastBox.startsWith("Prepare Microprocessor Trainer for download"));
    QTRY_VERIFY_WITH_TIMEOUT(!port().IsOpen() && !port().Draining(), 5000);
    QVERIFY(!m().PortOpenFlag);
  }

  // A whole 64 KiB image is far more than the pseudo-terminals buffer: when
  // the port is closed 100 ms after the download, most of it is still
  // queued, and it must all reach a trainer that only now starts to read.
  void closingAfterADownloadDropsNothing() {
    std::vector<std::string> records;
    std::string expected;
    std::vector<std::uint8_t> bytes(16);
    for (int address = 0; address < 0x10000; address += 16) {
      for (int i = 0; i < 16; ++i) bytes[i] = static_cast<std::uint8_t>(address * 3 + i);
      records.push_back(DataRecordText(address, bytes));
      expected += records.back();
    }
    records.push_back(kEndRecord);
    expected += kEndRecord;
    m().Hex.HexList = records;
    AnswerNextBox(QMessageBox::Ok);
    shell->host.StartTimer(TimerId::CreateDnldString, 10);
    QTRY_VERIFY_WITH_TIMEOUT(tips() == "Download completed." && !m().PortOpenFlag, 5000);
    QVERIFY(port().Draining());

    auto received = std::async(std::launch::async, [this, n = expected.size()] {
      return trainer->ReadBytes(n, 20000);
    });
    QTRY_VERIFY_WITH_TIMEOUT(Ready(received), 25000);
    const std::string got = received.get();
    QCOMPARE(got.size(), expected.size());
    QVERIFY(got == expected);
    QTRY_VERIFY_WITH_TIMEOUT(!port().Draining(), 5000);
  }

  void uploadInSmallPiecesAfterAnEchoIsSaved() {
    QTemporaryDir dir;
    const std::vector<std::string> records = SampleRecords();
    std::string reply = "ATV1Q0\r\n";
    for (const std::string& r : records) reply += r + "\r\n";
    auto request = std::async(std::launch::async, [this, reply] {
      const std::string got = trainer->ReadUntil("\r", 5000);
      if (got == "ATV1Q0\r") trainer->Send(reply, 7, 3);
      return got;
    });

    ChooseNextFile(dir.filePath("up.hex"));
    StartUpload();
    QTRY_VERIFY_WITH_TIMEOUT(Ready(request), 6000);
    QCOMPARE(request.get(), std::string("ATV1Q0\r"));
    QTRY_COMPARE_WITH_TIMEOUT(tips(), QString("Program Mode."), 10000);
    QCOMPARE(m().Hex.HexList, records);
    QFile file(dir.filePath("up.hex"));
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(file.readAll().toStdString(), HexFileText(records));
    QVERIFY(!port().IsOpen());
  }

  // The reply arriving while another modal window is open waits for it to
  // close, so the core is never entered from inside a message box.
  void aReplyDuringAModalBoxIsTakenAfterIt() {
    QTemporaryDir dir;
    auto request = std::async(std::launch::async, [this] { return trainer->ReadUntil("\r", 5000); });
    StartUpload();
    QTRY_VERIFY_WITH_TIMEOUT(Ready(request), 6000);
    QCOMPARE(request.get(), std::string("ATV1Q0\r"));

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
    auto request = std::async(std::launch::async, [this] { return trainer->ReadUntil("\r", 5000); });
    StartUpload();
    QTRY_VERIFY_WITH_TIMEOUT(Ready(request), 6000);
    QCOMPARE(request.get(), std::string("ATV1Q0\r"));
    QTest::qWait(300);
    QCOMPARE(tips(), QString("Ready for upload . . ."));
    QVERIFY(m().Link.UploadWaiting());

    // Keys go to the active window, which the closed question has handed back.
    window().activateWindow();
    QApplication::setActiveWindow(&window());
    QVERIFY(QTest::qWaitForWindowActive(&window()));
    QTest::keyClick(&window(), Qt::Key_Escape);
    QVERIFY(!m().Link.UploadWaiting());
    QVERIFY(!m().PortOpenFlag);
    QCOMPARE(tips(), QString("Program Mode."));
    QTRY_VERIFY_WITH_TIMEOUT(!port().IsOpen() && !port().Draining(), 2000);
    // The trainer speaking up now changes nothing.
    trainer->Send(":00000001FF\r\n");
    QTest::qWait(200);
    QCOMPARE(tips(), QString("Program Mode."));
    QVERIFY(!shell->host.InModal());
  }

  void missingAndBusyPortsGetThePortMessage() {
    window().activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&window()));
    QTest::keyClick(&window(), Qt::Key_F3, Qt::ControlModifier);
    QCOMPARE(m().CommPortNumber, 3);
    QVERIFY(window().action("PortOption(2)")->isChecked());
    QVERIFY(!window().action("PortOption(0)")->isChecked());

    qputenv("PARVIX_COMM2", QByteArray("/dev/parvix-no-such-port"));
    window().action("PortOption(1)")->trigger();
    QVERIFY(window().action("PortOption(1)")->isChecked());
    QVERIFY(!window().action("PortOption(0)")->isChecked());
    QVERIFY(UploadToAMissingPort().startsWith("Comm2 is not available"));

    // Comm1 held by another program.
    window().action("PortOption(0)")->trigger();
    QSerialPort other(trainer->programPath());
    QVERIFY(other.open(QIODevice::ReadWrite));
    QCOMPARE(UploadToAMissingPort(),
             QString("Comm1 is not available or already in use. Please assign another port for "
                     "serial communication."));
    QVERIFY(!m().PortOpenFlag);
  }
};

}  // namespace parvix::ui

QTEST_MAIN(parvix::ui::TrainerLinkUiTest)
#include "trainer_link_test.moc"
