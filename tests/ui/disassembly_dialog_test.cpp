// The disassembly dialog through the real widgets, headless: File > Disassemble
// shows it modal, a real drag marks rows, Done builds the program, Esc cancels.
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QDir>
#include <QTemporaryDir>
#include <QTemporaryFile>
#include <QTest>
#include <QTimer>
#include <algorithm>
#include <vector>

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
  // The Qt rows the table shows selected, in order.
  std::vector<int> selectedRows() {
    std::vector<int> rows;
    for (const QModelIndex& index : dialog().table()->selectionModel()->selectedRows())
      rows.push_back(index.row());
    std::sort(rows.begin(), rows.end());
    return rows;
  }
  // The Qt rows marked with `text`, in order.
  std::vector<int> rowsMarked(const QString& text) {
    std::vector<int> rows;
    for (int r = 0; r < dialog().table()->model()->rowCount(); ++r)
      if (category(r) == text) rows.push_back(r);
    return rows;
  }
  // Writes `bytes` at 8000 as a hex file and chooses it through File > Disassemble.
  void Disassemble(const std::vector<std::uint8_t>& bytes) {
    QFile file(dir.filePath("prog.hex"));
    QVERIFY(file.open(QIODevice::WriteOnly));
    for (size_t at = 0; at < bytes.size(); at += 16) {
      const size_t count = std::min<size_t>(16, bytes.size() - at);
      const int address = 0x8000 + static_cast<int>(at);
      file.write((DataRecordText(address, {bytes.data() + at, count}) + "\n").c_str());
    }
    file.write((kEndRecord + "\n").c_str());
    file.close();
    ChooseNextFile(file.fileName());
    window().action("DisassembleFile")->trigger();
    QVERIFY(dialog().isVisible());  // at once, before anything else happens
  }

 private slots:
  // MVI A,5; JMP 8000; HLT; and a data byte.
  void init() {
    QVERIFY(StartShell());
    Disassemble({0x3E, 0x05, 0xC3, 0x00, 0x80, 0x76, 0x41});
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

  // A Shift-click marks the rows it shows selected: from the row clicked
  // before, or from the row the arrow keys moved to since.
  void aShiftClickMarksTheRowsItSelects() {
    QTableView* table = dialog().table();
    QTest::mouseClick(dialog().findChild<QRadioButton*>("DataType(1)"), Qt::LeftButton);
    ClickCell(table, 1, kCategoryColumn);
    QTest::mouseClick(table->viewport(), Qt::LeftButton, Qt::ShiftModifier,
                      CellCentre(table, 4, kCategoryColumn));
    QCOMPARE(rowsMarked("Mnemonic"), (std::vector<int>{1, 2, 3, 4}));
    QCOMPARE(selectedRows(), rowsMarked("Mnemonic"));

    QTest::mouseClick(dialog().findChild<QRadioButton*>("DataType(0)"), Qt::LeftButton);
    QTest::keyClick(table, Qt::Key_Down);
    QTest::mouseClick(table->viewport(), Qt::LeftButton, Qt::ShiftModifier,
                      CellCentre(table, 6, kCategoryColumn));
    QCOMPARE(rowsMarked("Data Byte"), (std::vector<int>{5, 6}));
    QCOMPARE(selectedRows(), rowsMarked("Data Byte"));
  }

  // A large file: the dialog opens as tall as most of the screen, within it,
  // and its table takes the room of a resize. A drag held below the table
  // scrolls it by many rows a step, and the release marks every row from
  // the press to the row the drag reached.
  void opensTallForALargeFileAndADragBeyondTheEdgeScrolls() {
    QTest::keyClick(&dialog(), Qt::Key_Escape);
    Disassemble(std::vector<std::uint8_t>(1885, 0x00));
    QTableView* table = dialog().table();
    const QRect screen = dialog().screen()->availableGeometry();
    QVERIFY(screen.contains(dialog().frameGeometry()));
    QVERIFY(dialog().frameGeometry().height() >= screen.height() * 3 / 4);
    const int rowHeight = table->verticalHeader()->defaultSectionSize();
    QVERIFY2(table->viewport()->height() / rowHeight >= 32,
             qPrintable(QString::number(table->viewport()->height() / rowHeight)));
    const int tableHeight = table->height();
    dialog().resize(dialog().width(), dialog().height() - 100);
    QVERIFY(QTest::qWaitFor([&] { return table->height() == tableHeight - 100; }, 2000));

    QTest::mouseClick(dialog().findChild<QRadioButton*>("DataType(0)"), Qt::LeftButton);
    const QPoint below(CellCentre(table, 0, 0).x(), table->viewport()->height() + 10 * rowHeight);
    SendMouse(table, QEvent::MouseButtonPress, CellCentre(table, 0, 0), Qt::LeftButton);
    SendMouse(table, QEvent::MouseMove, below, Qt::LeftButton);
    int steps = 0;
    auto* timer = dialog().findChild<QTimer*>("DragScrollTimer");
    QVERIFY(timer != nullptr);
    connect(timer, &QTimer::timeout, this, [&steps] { ++steps; });
    QVERIFY(QTest::qWaitFor([&] { return steps >= 10; }, 5000));
    SendMouse(table, QEvent::MouseButtonRelease, below, Qt::NoButton);
    const int reached = table->currentIndex().row();
    QVERIFY2(reached >= 100, qPrintable(QString::number(reached)));
    const std::vector<int> marked = rowsMarked("Data Byte");
    QCOMPARE(marked.size(), size_t(reached + 1));
    QCOMPARE(marked.back(), reached);
    QCOMPARE(selectedRows(), marked);
  }
};

}  // namespace parvix::ui

// On the offscreen platform the screen is that of a common desktop, 1920 by
// 1080, rather than the platform's own 800 by 800.
int main(int argc, char** argv) {
  QTemporaryFile screens(QDir::tempPath() + "/parvix-screen-XXXXXX.json");
  if (qgetenv("QT_QPA_PLATFORM") == "offscreen" && screens.open()) {
    screens.write(R"({"screens": [{"name": "Desktop", "x": 0, "y": 0, "width": 1920,
                  "height": 1080, "logicalDpi": 96, "logicalBaseDpi": 96, "dpr": 1}]})");
    screens.flush();
    qputenv("QT_QPA_PLATFORM", "offscreen:configfile=" + QFile::encodeName(screens.fileName()));
  }
  QApplication app(argc, argv);
  parvix::ui::DisassemblyDialogTest test;
  return QTest::qExec(&test, argc, argv);
}
#include "disassembly_dialog_test.moc"
