// The disassembly dialog through the real widgets, headless: File > Disassemble
// shows it modal, a real drag marks rows, Done builds the program, Esc cancels.
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTest>

#include "hextools/hex_records.h"
#include "support/shell_fixture.h"
#include "support/table_drivers.h"

namespace parvix::ui {

class DisassemblyDialogTest : public QObject, public ShellFixture {
  Q_OBJECT

 private:
  QTemporaryDir dir;
  DisassemblyDialog& dialog() { return shell->disassemblyDialog; }
  QPushButton* button(const QString& name) { return dialog().findChild<QPushButton*>(name); }
  QString category(int row) {
    return dialog().table()->model()->index(row, kCategoryColumn).data().toString();
  }

 private slots:
  // MVI A,5; JMP 8000; HLT; and a data byte, chosen through File > Disassemble.
  void init() {
    QVERIFY(StartShell());
    QFile file(dir.filePath("prog.hex"));
    QVERIFY(file.open(QIODevice::WriteOnly));
    const std::uint8_t bytes[] = {0x3E, 0x05, 0xC3, 0x00, 0x80, 0x76, 0x41};
    file.write((DataRecordText(0x8000, bytes) + "\n" + kEndRecord + "\n").c_str());
    file.close();
    ChooseNextFile(file.fileName());
    window().action("DisassembleFile")->trigger();
    QVERIFY(dialog().isVisible());  // at once, before anything else happens
  }
  void cleanup() { StopShell(); }

  void opensModalOverTheChosenBytesAndEscapeCancels() {
    QCOMPARE(dialog().windowTitle(), QString("Disassemble Dialog - prog.hex"));
    QVERIFY(QApplication::activeModalWidget() == &dialog());
    QCOMPARE(dialog().table()->model()->rowCount(), 7);
    QVERIFY(!button("DoneButton")->isEnabled());
    QTest::keyClick(&dialog(), Qt::Key_Escape);
    QVERIFY(!dialog().isVisible());
    QCOMPARE(cell(1, 2), QString(""));
  }

  void dragsMarkRowsAndDoneBuildsTheProgram() {
    QTest::mouseClick(dialog().findChild<QRadioButton*>("DataType(1)"), Qt::LeftButton);
    DragOverRows(dialog().table(), 0, 5, kCategoryColumn);
    QCOMPARE(category(5), QString("Mnemonic"));
    QTest::mouseClick(dialog().findChild<QRadioButton*>("DataType(0)"), Qt::LeftButton);
    DragOverRows(dialog().table(), 6, 6, kCategoryColumn);
    QCOMPARE(category(6), QString("Data Byte"));
    QTest::mouseClick(button("DoneButton"), Qt::LeftButton);
    QVERIFY(!button("CancelButton")->isEnabled());
    QVERIFY(QTest::qWaitFor([this] { return !dialog().isVisible(); }, 5000));
    QCOMPARE(find<QLabel>("TipsLabel")->text(), QString("Disassembling completed successfully."));
    QCOMPARE(cell(1, 2), QString("MVI  A,  v0"));
    QCOMPARE(cell(4, 2), QString("DFB"));
  }
};

}  // namespace parvix::ui

QTEST_MAIN(parvix::ui::DisassemblyDialogTest)
#include "disassembly_dialog_test.moc"
