// The program-file commands through the real widgets, headless: the menu
// items reach Save As and Open with Qt's own file dialog, a program opened
// or begun anew shows from its top, and closing the main window asks the
// quit question and stays open on Cancel.
#include <QAction>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTableView>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <functional>

#include "support/shell_fixture.h"
#include "support/table_drivers.h"

namespace parvix::ui {

class ProgramFileUiTest : public QObject, public ShellFixture {
  Q_OBJECT

 private:
  static void PressBox(QMessageBox::StandardButton button) {
    OnNextModal([button](QWidget* modal) {
      auto* box = qobject_cast<QMessageBox*>(modal);
      QVERIFY(box != nullptr);
      QCOMPARE(box->text(),
               QString("Are you sure you want to quit? You will lose unsaved information."));
      box->button(button)->click();
    });
  }
  static void ChooseFile(const QString& path) {
    OnNextModal([path](QWidget* modal) {
      auto* dialog = qobject_cast<QFileDialog*>(modal);
      QVERIFY(dialog != nullptr);
      // Type the full name, as a user would, so that the proposed name goes.
      dialog->selectFile(path);
      if (auto* edit = dialog->findChild<QLineEdit*>("fileNameEdit")) edit->setText(path);
      QMetaObject::invokeMethod(dialog, "accept");
    });
  }

 private slots:
  void init() {
    QVERIFY(StartShell());
  }
  void cleanup() { StopShell(); }

  void saveAsAndOpenThroughTheMenus() {
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    m().Table1.SetText(1, kMnemonicColumn, "NOP");
    m().ProgramChanged = true;

    ChooseFile(dir.filePath("menu.zvt"));
    window().action("SaveAsFile")->trigger();
    QCOMPARE(window().windowTitle(), QString("Quenmar Parvix - menu.zvt"));
    QCOMPARE(window().findChild<QLabel*>("TipsLabel")->text(), QString("File Saved."));
    QVERIFY(QFile::exists(dir.filePath("menu.zvt")));

    window().action("NewFile")->trigger();
    QCOMPARE(window().windowTitle(), QString("Quenmar Parvix - Pgm1.zvt"));
    ChooseFile(dir.filePath("menu.zvt"));
    window().action("OpenFile")->trigger();
    QCOMPARE(window().windowTitle(), QString("Quenmar Parvix - menu.zvt"));
    QCOMPARE(window().table()->model()->index(1, kMnemonicColumn).data().toString(),
             QString("NOP"));
    QCOMPARE(window().findChild<QLabel*>("TipsLabel")->text(), QString("File Opened."));
  }

  // A program that replaces the old one shows from its top, however far the
  // old one was scrolled: its origin row and the cursor row below it are in
  // view after Open and after New. A line keyed far down, with the view
  // scrolled away, brings the cursor row back into view.
  void newAndOpenShowTheTopAndKeyedLinesKeepTheCursorInView() {
    QTableView* table = window().table();
    auto shown = [table](int row) {
      const QRect cell = table->visualRect(table->model()->index(row, kMnemonicColumn));
      return table->viewport()->rect().contains(cell);
    };
    // A long program of before, scrolled to its end.
    auto scrollFarDown = [this, table] {
      m().Table1.SetRows(1200);
      m().StringTable.SetRows(1200);
      table->scrollToBottom();
    };
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    m().Table1.SetText(1, kMnemonicColumn, "NOP");
    ChooseFile(dir.filePath("short.zvt"));
    window().action("SaveAsFile")->trigger();

    scrollFarDown();
    QVERIFY(!shown(0));
    ChooseFile(dir.filePath("short.zvt"));
    window().action("OpenFile")->trigger();
    QCOMPARE(cell(1, kMnemonicColumn), QString("NOP"));
    QVERIFY(shown(0));
    QVERIFY(shown(m().CursorRow));

    scrollFarDown();
    QVERIFY(!shown(0));
    window().action("NewFile")->trigger();
    QVERIFY(shown(0));
    QVERIFY(shown(m().CursorRow));

    scrollFarDown();
    QVERIFY(!shown(0));
    ClickCell(table, 1100, kMnemonicColumn);
    QCOMPARE(m().CursorRow, 1100);
    table->scrollToTop();
    QTest::mouseClick(find<QPushButton>("INST(79)"), Qt::LeftButton);  // HLT
    QCOMPARE(cell(1100, kMnemonicColumn), QString("HLT"));
    QCOMPARE(m().CursorRow, 1101);
    QVERIFY(shown(1101));
  }

  // A bare name gets ".zvt" from the dialog, which then asks before replacing
  // the existing file; No goes back to the dialog, which opens in the
  // program's folder.
  void saveAsBareNameAsksBeforeReplacing() {
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    {
      QFile existing(dir.filePath("menu.zvt"));
      QVERIFY(existing.open(QIODevice::WriteOnly));
      existing.write("keep");
    }
    m().FilePath = S(dir.filePath("other.zvt"));
    m().FileState = FileSaved;
    QString question;
    QString startFolder;
    OnNextModal([&](QWidget* modal) {
      auto* dialog = qobject_cast<QFileDialog*>(modal);
      QVERIFY(dialog != nullptr);
      startFolder = dialog->directory().absolutePath();
      if (auto* edit = dialog->findChild<QLineEdit*>("fileNameEdit")) edit->setText("menu");
      OnNextModal<QMessageBox>([&, dialog](QMessageBox* overwrite) {
        question = overwrite->text();
        overwrite->button(QMessageBox::No)->click();
        QTimer::singleShot(50, dialog, [dialog] { dialog->reject(); });
      });
      QMetaObject::invokeMethod(dialog, "accept", Qt::QueuedConnection);
    });
    window().action("SaveAsFile")->trigger();
    QCOMPARE(startFolder, QDir(dir.path()).absolutePath());
    QVERIFY2(question.contains("menu.zvt"), qPrintable(question));
    QFile kept(dir.filePath("menu.zvt"));
    QVERIFY(kept.open(QIODevice::ReadOnly));
    QCOMPARE(kept.readAll(), QByteArray("keep"));
  }

  // Last: OK ends the run, after which Qt starts no further modal loop.
  void closeAsksAndCancelKeepsTheWindow() {
    PressBox(QMessageBox::Cancel);
    QVERIFY(!window().close());
    QVERIFY(window().isVisible());
    QCOMPARE(m().MsgBoxAnswer, std::string("2"));

    PressBox(QMessageBox::Ok);
    QVERIFY(window().close());
    QVERIFY(!window().isVisible());
    QCOMPARE(m().MsgBoxAnswer, std::string("1"));
  }
};

}  // namespace parvix::ui

QTEST_MAIN(parvix::ui::ProgramFileUiTest)
#include "program_file_test.moc"
