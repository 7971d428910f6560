// Ctrl+A saves the assembled program through Qt's file dialog; File > Download reads it back.
#include <QDir>
#include <QPointer>
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
  // Answers the notices before the save dialog with OK, then types the bare
  // `name` into the dialog in `folder`. A question whether to replace an
  // existing file goes into `question` and is answered No, which leaves the
  // dialog, so it is cancelled.
  static void TypeNameInSaveDialog(const QString& folder, const QString& name, QString* question) {
    OnNextModal([=](QWidget* modal) {
      if (auto* box = qobject_cast<QMessageBox*>(modal)) {
        box->button(QMessageBox::Ok)->click();
        return TypeNameInSaveDialog(folder, name, question);
      }
      auto* dialog = qobject_cast<QFileDialog*>(modal);
      QVERIFY(dialog != nullptr);
      dialog->setDirectory(folder);
      dialog->findChild<QLineEdit*>("fileNameEdit")->setText(name);
      // The question, if one comes, opens over the dialog before it closes.
      auto* poll = new QTimer(qApp);
      poll->setInterval(20);
      QObject::connect(poll, &QTimer::timeout, [poll, question, open = QPointer(dialog)] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (open && box == nullptr) return;
        poll->stop();
        poll->deleteLater();
        if (!open) return;
        *question = box->text();
        box->button(QMessageBox::No)->click();
        QTimer::singleShot(50, open, [open] { open->reject(); });
      });
      poll->start();
      QMetaObject::invokeMethod(dialog, "accept", Qt::QueuedConnection);
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

  // A name typed without an extension is saved as a ".hex" file, which the
  // hex-file dialogs list; an existing file of that name brings the
  // dialog's overwrite question, and No keeps the file.
  void assembleAddsTheHexExtensionToABareName() {
    QVERIFY(StartShell());
    QTemporaryDir dir;
    m().Table1.SetText(1, kMnemonicColumn, "HLT");
    m().Table1.SetText(1, kOpcodeColumn, "76");
    QString question;
    TypeNameInSaveDialog(dir.path(), "count", &question);
    window().action("AssembleFile")->trigger();
    QCOMPARE(question, QString());
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList{"count.hex"});
    QCOMPARE(m().Hex.HexFilePath, S(dir.filePath("count.hex")));

    QFile existing(dir.filePath("count.hex"));
    QVERIFY(existing.open(QIODevice::WriteOnly));
    existing.write("keep");
    existing.close();
    TypeNameInSaveDialog(dir.path(), "count", &question);
    window().action("AssembleFile")->trigger();
    QVERIFY2(question.contains("count.hex"), qPrintable(question));
    QVERIFY(existing.open(QIODevice::ReadOnly));
    QCOMPARE(existing.readAll(), QByteArray("keep"));
  }
};

}  // namespace parvix::ui

QTEST_MAIN(parvix::ui::HexFilesUiTest)
#include "hex_files_test.moc"
