// The hex-file commands through the real widgets, headless: Ctrl+A saves the
// assembled program through Qt's file dialog, and File > Download reads it back.
#include <QFileDialog>
#include <QLabel>
#include <QMessageBox>
#include <QTemporaryDir>
#include <QTest>

#include "support/shell_fixture.h"

namespace parvix::ui {

class HexFilesUiTest : public QObject, public ShellFixture {
  Q_OBJECT

 private:
  // Picks `path` in the next file dialog; a message box before it is
  // answered No (keep the program unsaved), or OK where it has no No.
  static void ChooseFile(const QString& path) {
    OnNextModal([path](QWidget* modal) {
      if (auto* box = qobject_cast<QMessageBox*>(modal)) {
        QAbstractButton* no = box->button(QMessageBox::No);
        (no != nullptr ? no : box->button(QMessageBox::Ok))->click();
        ChooseFile(path);
      } else if (auto* dialog = qobject_cast<QFileDialog*>(modal)) {
        dialog->selectFile(path);
        if (auto* edit = dialog->findChild<QLineEdit*>("fileNameEdit")) edit->setText(path);
        QMetaObject::invokeMethod(dialog, "accept");
      }
    });
  }

 private slots:
  void assembleWithTheShortcutThenDownload() {
    QVERIFY(StartShell());
    QTemporaryDir dir;
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
    StopShell();
  }
};

}  // namespace parvix::ui

QTEST_MAIN(parvix::ui::HexFilesUiTest)
#include "hex_files_test.moc"
