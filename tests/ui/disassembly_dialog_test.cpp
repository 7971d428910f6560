// The disassembly dialog's wiring through the real widgets, headless: the
// hand-over shows it modal over the main window, a real drag over the byte
// table marks rows, Done runs the build on the host's timers with both
// buttons blocked, and Esc cancels.
#include <QAbstractItemModelTester>
#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QTableView>
#include <QTemporaryDir>
#include <QTest>

#include "hextools/hex_records.h"
#include "support/shell_fixture.h"
#include "support/table_drivers.h"

namespace parvix::ui {

class DisassemblyDialogTest : public QObject, public ShellFixture {
  Q_OBJECT

 private:
  DisassemblyDialog& dialog() { return shell->disassemblyDialog; }
  template <class T>
  T* widget(const QString& name) {
    T* found = dialog().findChild<T*>(name);
    if (found == nullptr) qFatal("no widget %s", qPrintable(name));
    return found;
  }
  QString category(int qtRow) {
    return dialog().table()->model()->index(qtRow, kCategoryColumn).data().toString();
  }
  // Press on one row, move over the rows between with the button held, release.
  void drag(int fromRow, int toRow) { DragOverRows(dialog().table(), fromRow, toRow, kCategoryColumn); }
  // The Disassemble command's hand-over after loading the worked example.
  void openDialog() {
    m().Hex.HexList = {DataRecordText(0x8000, std::vector<std::uint8_t>{0x3E, 0x05, 0xC3, 0x00,
                                                                        0x80, 0x76, 0x41}),
                       kEndRecord};
    m().Hex.HexFileTitle = "prog.hex";
    m().Disassembly.Form_Load();
    shell->host.ShowWindow(WindowId::Disassembly);
    shell->RenderAll();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog()));
  }

 private slots:
  void init() {
    QVERIFY(StartShell());
    openDialog();
  }
  void cleanup() { StopShell(); }

  void opensModalOverTheLoadedBytes() {
    QAbstractItemModelTester tester(dialog().table()->model());
    QCOMPARE(dialog().windowTitle(), QString("Disassemble Dialog - prog.hex"));
    QCOMPARE(dialog().windowModality(), Qt::ApplicationModal);
    QVERIFY(QApplication::activeModalWidget() == &dialog());
    QAbstractItemModel* bytes = dialog().table()->model();
    QCOMPARE(bytes->rowCount(), 7);
    QCOMPARE(bytes->headerData(0, Qt::Horizontal).toString(), QString("Address"));
    QCOMPARE(bytes->index(2, 0).data().toString(), QString("8002"));
    QCOMPARE(bytes->index(2, 1).data().toString(), QString("C3"));
    QCOMPARE(category(2), QString("Unwanted"));
    QVERIFY(widget<QRadioButton>("DataType(2)")->isChecked());
    QCOMPARE(widget<QLabel>("DataTypeLabel")->text(), QString("Unwanted"));
    QVERIFY(!widget<QPushButton>("DoneButton")->isEnabled());
    QCOMPARE(find<QLabel>("TipsLabel")->text(),
             QString("Select the mnemonics & data bytes and click 'Done', or click 'Cancel'."));
    // Nothing is cut off: every column holds its widest text.
    const QFontMetrics metrics = dialog().table()->fontMetrics();
    QVERIFY(dialog().table()->columnWidth(2) > metrics.horizontalAdvance("Data Byte"));
    QVERIFY(dialog().table()->columnWidth(0) > metrics.horizontalAdvance("Address"));
    if (const QString dir = qEnvironmentVariable("PARVIX_SCREENSHOT_DIR"); !dir.isEmpty()) {
      dialog().grab().save(dir + "/disassembly_dialog.png");
    }
  }

  void dragsMarkRowsAndDoneBuildsTheProgram() {
    QTest::mouseClick(widget<QRadioButton>("DataType(1)"), Qt::LeftButton);
    QCOMPARE(widget<QLabel>("DataTypeLabel")->text(), QString("Mnemonic"));
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
    QCOMPARE(window().windowTitle(), QString("Quenmar Parvix - Pgm1.zvt"));
    QCOMPARE(cell(1, 0), QString("a0"));
    QCOMPARE(cell(1, 2), QString("MVI  A,  v0"));
    QCOMPARE(cell(2, 3), QString("C3   00   80"));
    QCOMPARE(cell(4, 2), QString("DFB"));
    QCOMPARE(cell(4, 1), QString("8006"));
  }

  void theMenuCommandShowsTheChosenFilesBytesAtOnce() {
    QTest::keyClick(&dialog(), Qt::Key_Escape);  // the one opened by hand
    QTemporaryDir dir;
    QFile file(dir.filePath("count.hex"));
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(":03800000C300803A\n:00000001FF\n");
    file.close();
    ChooseNextFile(file.fileName());
    window().action("DisassembleFile")->trigger();
    // Nothing else happens before the user looks: the dialog shows the file.
    QVERIFY(dialog().isVisible());
    QCOMPARE(dialog().windowTitle(), QString("Disassemble Dialog - count.hex"));
    QCOMPARE(dialog().table()->model()->rowCount(), 3);
    QCOMPARE(dialog().table()->model()->index(2, 0).data().toString(), QString("8002"));
    QCOMPARE(widget<QLabel>("DataTypeLabel")->text(), QString("Unwanted"));
    QVERIFY(widget<QRadioButton>("DataType(2)")->isChecked());
  }

  void escapeCancels() {
    QTest::keyClick(&dialog(), Qt::Key_Escape);
    QVERIFY(!dialog().isVisible());
    QVERIFY(!m().Disassembly.loaded);
    QCOMPARE(find<QLabel>("TipsLabel")->text(), QString("Program Mode."));
    QCOMPARE(cell(0, 1), QString("8000"));
    QCOMPARE(cell(1, 2), QString(""));
  }
};

}  // namespace parvix::ui

QTEST_MAIN(parvix::ui::DisassemblyDialogTest)
#include "disassembly_dialog_test.moc"
