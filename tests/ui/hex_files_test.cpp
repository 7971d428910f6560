// Ctrl+A saves the assembled program through Qt's file dialog; File > Download reads it back.
#include <QTemporaryDir>
#include <QTest>

#include "support/shell_fixture.h"

namespace parvix::ui {

class HexFilesUiTest : public QObject, public ShellFixture {
  Q_OBJECT

 private:
  static void ChooseFileSayingNo(const QString& path) {
    OnNextModal([path](QWidget* modal) {
      auto* box = qobject_cast<QMessageBox*>(modal);
      if (box == nullptr) return ChooseNextFile(path);
      QAbstractButton* no = box->button(QMessageBox::No);
      (no != nullptr ? no : box->button(QMessageBox::Ok))->click();
      ChooseFileSayingNo(path);
    });
  }

 private slots:
  void assembleWithTheShortcutThenDownload() {
    QVERIFY(StartShell());
    QTemporaryDir dir;
    m().Table1.SetText(1, kMnemonicColumn, "HLT");
    m().Table1.SetText(1, kOpcodeColumn, "76");
    const QString path = dir.filePath("prog.hex");
    ChooseFileSayingNo(path);
    QTest::keyClick(&window(), Qt::Key_A, Qt::ControlModifier);
    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(file.readAll(), QByteArray("\":018000007609\"\r\n\":00000001FF\"\r\n"));

    ChooseFileSayingNo(path);
    window().action("DownloadFile")->trigger();
    QCOMPARE(m().Hex.HexList.size(), size_t(2));
  }
};

}  // namespace parvix::ui

QTEST_MAIN(parvix::ui::HexFilesUiTest)
#include "hex_files_test.moc"
