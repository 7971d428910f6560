// The program table at the default font: whole texts, cut-cell tooltips, huge cells, layout.
#include <QAction>
#include <QHelpEvent>
#include <QToolTip>

#include "support/cell_fit.h"
#include "support/shell_fixture.h"
#include "ui/base/cell_tips.h"

namespace parvix::ui {

class TableLayoutTest : public QObject, public ShellFixture {
  Q_OBJECT

 private:
  void SetCells(int row, const QStringList& texts) {  // label, address, mnemonic, code, comment
    for (int col = 0; col < texts.size(); ++col) m().Table1.SetText(row, col, S(texts[col]));
  }

 private slots:
  void init() { QVERIFY(StartShell()); }
  void cleanup() { StopShell(); }

  void cellsShowWholeOrTheirStartWithACutCellInItsTooltip() {
    SetCells(1, {"mmmmmmmm", "FFFF", "MVI  M,   wwwwwwww", "CD   DD   DD"});  // widest letters
    SetCells(2, {"", "", "JMP  averyveryverylongoperandname"});
    QTableView* table = window().table();
    for (int col = kLabelColumn; col <= kOpcodeColumn; ++col)
      QVERIFY2(ShowsWhole(table, table->model()->index(1, col)), qPrintable(cell(1, col)));
    const QPoint pos = table->visualRect(table->model()->index(2, kMnemonicColumn)).center();
    QHelpEvent help(QEvent::ToolTip, pos, table->viewport()->mapToGlobal(pos));
    QApplication::sendEvent(table->viewport(), &help);
    QCOMPARE(QToolTip::text(), PlainTip("JMP  averyveryverylongoperandname"));
    // A huge comment (a file can hold one) is kept whole, drawn by its start, no character cut.
    const std::string huge =
        std::string(kMaxShownCellChars - 1, 'a') + "\xC3\xA9" + std::string(3 << 20, 'c');
    m().Table1.SetText(1, kCommentColumn, huge);
    QCOMPARE(m().Table1.Text(1, kCommentColumn).size(), huge.size());
    QCOMPARE(cell(1, kCommentColumn), QString(kMaxShownCellChars - 1, 'a') + QChar(0xE9));
    window().repaint();
  }

  void hidingTheTipsLineKeepsTheWriteModeBox() {
    const QRect before = find<QWidget>("WriteModeLabel")->geometry();
    window().action("TipsOption")->trigger();
    QApplication::processEvents();
    QCOMPARE(find<QWidget>("WriteModeLabel")->geometry(), before);
  }

  void screenshot() {  // for tools/screenshots.sh: a program with long names
    const QByteArray dir = qgetenv("PARVIX_SCREENSHOT_DIR");
    if (dir.isEmpty()) QSKIP("PARVIX_SCREENSHOT_DIR not set");
    m().AddRows(30);  // 40 rows
    SetCells(1, {"initstack", "8003", "LXI  SP,  stacktop", "31   00   90",
                 "Load the equivalent of 'stacktop' into stack pointer."});
    SetCells(2, {"waitloop", "8006", "MVI  A,   maxcount", "3E   20",
                 "Move the equivalent of 'maxcount' into Accumulator."});
    SetCells(3,
             {"", "8009", "CALL  printmsg", "CD   40   80", "Call the subroutine at 'printmsg'."});
    SetCells(4, {"", "800C", "DCR  A", "3D", "Decrement content of Accumulator."});
    SetCells(5, {"", "800F", "JNZ  waitloop", "C2   03   80", "Jump to 'waitloop' if no zero."});
    SetCells(6, {"", "8012", "LXI  H,  buffer01", "21   00   91",
                 "Load the equivalent of 'buffer01' into HL-register pair."});
    SetCells(7, {"", "8015", "HLT", "76", "Halt."});
    window().Render();
    QTest::qWait(50);
    QVERIFY(window().grab().save(QString::fromUtf8(dir) + "/main-window.png"));
  }
};

}  // namespace parvix::ui

QTEST_MAIN(parvix::ui::TableLayoutTest)
#include "table_layout_test.moc"
