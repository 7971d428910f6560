// The hex-file commands through the real widgets, headless: Ctrl+A saves the
// assembled program through Qt's file dialog, and File > Download reads it
// back and starts the download.
#include <QApplication>
#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <functional>

#include "support/shell_fixture.h"

namespace parvix::ui {

class HexFilesUiTest : public QObject, public ShellFixture {
  Q_OBJECT

 private:
  // Picks `path` in the next file dialog once it is open. A message box
  // that comes first is answered No (keep the program unsaved) or, for the
  // notice of the unused strings, OK.
  static void ChooseFile(const QString& path) {
    auto* poll = new QTimer(qApp);
    poll->setInterval(20);
    QObject::connect(poll, &QTimer::timeout, [poll, path] {
      QWidget* modal = QApplication::activeModalWidget();
      if (auto* box = qobject_cast<QMessageBox*>(modal)) {
        QAbstractButton* button = box->button(QMessageBox::No);
        if (button == nullptr) button = box->button(QMessageBox::Ok);
        if (button != nullptr) button->click();
        return;
      }
      auto* dialog = qobject_cast<QFileDialog*>(modal);
      if (dialog == nullptr) return;
      poll->stop();
      poll->deleteLater();
      dialog->selectFile(path);
      if (auto* edit = dialog->findChild<QLineEdit*>("fileNameEdit")) edit->setText(path);
      QMetaObject::invokeMethod(dialog, "accept");
    });
    poll->start();
  }

 private slots:
  void init() { QVERIFY(StartShell()); }
  void cleanup() { StopShell(); }

  void assembleWithTheShortcutThenDownload() {
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    m().Table1.SetText(1, kMnemonicColumn, "HLT");
    m().Table1.SetText(1, kOpcodeColumn, "76");
    const QString path = dir.filePath("prog.hex");

    ChooseFile(path);
    QTest::keyClick(&window(), Qt::Key_A, Qt::ControlModifier);
    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(file.readAll(), QByteArray("\":018000007609\"\r\n\":00000001FF\"\r\n"));
    QCOMPARE(find<QLabel>("TipsLabel")->text(), QString("Program Mode."));

    ChooseFile(path);
    window().action("DownloadFile")->trigger();
    QCOMPARE(m().Hex.HexFileTitle, std::string("prog.hex"));
    QCOMPARE(m().Hex.HexList.size(), size_t(2));
  }
};

}  // namespace parvix::ui

QTEST_MAIN(parvix::ui::HexFilesUiTest)
#include "hex_files_test.moc"
