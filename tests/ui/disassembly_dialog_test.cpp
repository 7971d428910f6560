// The disassembly dialog through the real widgets, headless: the menu command
// shows it modal over the chosen file's bytes, a real drag marks rows, Done
// builds the program with both buttons blocked, and Esc cancels.
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
  template <class T>
  T* widget(const QString& name) { return dialog().findChild<T*>(name); }
  QString category(int row) {
    return dialog().table()->model()->index(row, kCategoryColumn).data().toString();
  }
  void drag(int fromRow, int toRow) {
    DragOverRows(dialog().table(), fromRow, toRow, kCategoryColumn);
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
    QAbstractItemModel* bytes = dialog().table()->model();
    QCOMPARE(bytes->rowCount(), 7);
    QCOMPARE(bytes->index(2, 0).data().toString(), QString("8002"));
    QCOMPARE(category(2), QString("Unwanted"));
    QCOMPARE(widget<QLabel>("DataTypeLabel")->text(), QString("Unwanted"));
    QVERIFY(!widget<QPushButton>("DoneButton")->isEnabled());
    QCOMPARE(find<QLabel>("TipsLabel")->text(),
             QString("Select the mnemonics & data bytes and click 'Done', or click 'Cancel'."));
    // Nothing is cut off: every column holds its widest text.
    const QFontMetrics metrics = dialog().table()->fontMetrics();
    QVERIFY(dialog().table()->columnWidth(2) > metrics.horizontalAdvance("Data Byte"));
    QVERIFY(dialog().table()->columnWidth(0) > metrics.horizontalAdvance("Address"));
    if (const QString shots = qEnvironmentVariable("PARVIX_SCREENSHOT_DIR"); !shots.isEmpty()) {
      dialog().grab().save(shots + "/disassembly_dialog.png");
    }

    QTest::keyClick(&dialog(), Qt::Key_Escape);
    QVERIFY(!dialog().isVisible());
    QVERIFY(!m().Disassembly.loaded);
    QCOMPARE(find<QLabel>("TipsLabel")->text(), QString("Program Mode."));
    QCOMPARE(cell(1, 2), QString(""));
  }

  void dragsMarkRowsAndDoneBuildsTheProgram() {
    QTest::mouseClick(widget<QRadioButton>("DataType(1)"), Qt::LeftButton);
    drag(0, 5);
    for (int r = 0; r <= 5; ++r) QCOMPARE(category(r), QString("Mnemonic"));
    QCOMPARE(category(6), QString("Unwanted"));
    QVERIFY(widget<QPushButton>("DoneButton")->isEnabled());
    // A click marks its one row.
    QTest::mouseClick(widget<QRadioButton>("DataType(0)"), Qt::LeftButton);
    drag(6, 6);
    QCOMPARE(category(6), QString("Data Byte"));
    QCOMPARE(category(5), QString("Mnemonic"));

    QTest::mouseClick(widget<QPushButton>("DoneButton"), Qt::LeftButton);
    QVERIFY(!widget<QPushButton>("DoneButton")->isEnabled());
    QVERIFY(!widget<QPushButton>("CancelButton")->isEnabled());
    QTest::keyClick(&dialog(), Qt::Key_Escape);  // blocked while the steps run
    QVERIFY(QTest::qWaitFor([this] { return !dialog().isVisible(); }, 5000));
    QCOMPARE(find<QLabel>("TipsLabel")->text(), QString("Disassembling completed successfully."));
    QCOMPARE(cell(1, 0), QString("a0"));
    QCOMPARE(cell(1, 2), QString("MVI  A,  v0"));
    QCOMPARE(cell(4, 2), QString("DFB"));
    QCOMPARE(cell(4, 1), QString("8006"));
  }
};

}  // namespace parvix::ui

QTEST_MAIN(parvix::ui::DisassemblyDialogTest)
#include "disassembly_dialog_test.moc"
