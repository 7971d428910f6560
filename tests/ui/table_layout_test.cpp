// What the program table shows at the default font: whole texts, tooltips
// for cut cells, huge cells, and the write-mode box when the tips line hides.
#include <QAction>
#include <QApplication>
#include <QHelpEvent>
#include <QLabel>
#include <QTableView>
#include <QTest>
#include <QToolTip>

#include "support/cell_fit.h"
#include "support/shell_fixture.h"
#include "ui/base/cell_tips.h"

namespace parvix::ui {

class TableLayoutTest : public QObject, public ShellFixture {
  Q_OBJECT

 private:
  bool ShowsWhole(int row, int col) {
    return ui::ShowsWhole(window().table(), window().table()->model()->index(row, col));
  }
  void SetCells(int row, const QString& label, const QString& mnemonic, const QString& code,
                const QString& comment = {}, const QString& address = "FFFF") {
    const QString texts[] = {label, address, mnemonic, code, comment};
    for (int col = kLabelColumn; col <= kCommentColumn; ++col)
      m().Table1.SetText(row, col, S(texts[col]));
  }
  // The tooltip that hovering the cell brings up; empty for none.
  QString TipAt(int row, int col) {
    QTableView* table = window().table();
    QToolTip::hideText();  // goes after a short delay
    if (!QTest::qWaitFor([] { return !QToolTip::isVisible(); }, 2000)) return "tip stays";
    const QPoint pos = table->visualRect(table->model()->index(row, col)).center();
    QHelpEvent help(QEvent::ToolTip, pos, table->viewport()->mapToGlobal(pos));
    QApplication::sendEvent(table->viewport(), &help);
    return QToolTip::isVisible() ? QToolTip::text() : QString();
  }

 private slots:
  void init() { QVERIFY(StartShell()); }
  void cleanup() { StopShell(); }

  void codeTextsAddressesAndNamesShowWholeACutCellInItsTooltip() {
    SetCells(1, "waitloop", "LXI  SP,  stacktop", "C3   XX   XX");
    SetCells(2, "mmmmmmmm", "MVI  M,   wwwwwwww", "3E   XX");
    SetCells(3, "", "CALL  printmsg", "CD   DD   DD");
    for (int row = 1; row <= 3; ++row)
      for (int col = kLabelColumn; col <= kOpcodeColumn; ++col)
        QVERIFY2(ShowsWhole(row, col), qPrintable(cell(row, col)));
    const QString cut = "JMP  averyveryverylongoperandname";
    SetCells(4, "start", cut, "C3   XX   XX", "Short.");
    QVERIFY(!ShowsWhole(4, kMnemonicColumn));
    QCOMPARE(TipAt(4, kMnemonicColumn), cut);
    QCOMPARE(TipAt(4, kLabelColumn), QString());  // shown whole: no tooltip
    // A long text is wrapped in its tooltip rather than running off the screen.
    QVERIFY(CutCellTips::TipText(QString(300, 'a')).startsWith("<p"));
  }

  void aHugeCellIsDrawnByItsStartButKeptWhole() {
    const std::string huge(3 << 20, 'c');  // a file can hold such a comment
    m().Table1.SetText(1, kCommentColumn, huge);
    QCOMPARE(cell(1, kCommentColumn).size(), kMaxShownCellChars);
    QCOMPARE(m().Table1.Text(1, kCommentColumn).size(), huge.size());  // kept whole
    // Never a broken character at the cut.
    const std::string accents = std::string(kMaxShownCellChars - 1, 'a') + "\xC3\xA9\xC3\xA9";
    m().Table1.SetText(2, kCommentColumn, accents);
    QCOMPARE(cell(2, kCommentColumn), QString(kMaxShownCellChars - 1, 'a') + QChar(0xE9));
    window().repaint();
  }

  void hidingTheTipsLineKeepsTheWriteModeBox() {
    QWidget* writeMode = find<QLabel>("WriteModeLabel");
    const QRect before = writeMode->geometry();
    window().action("TipsOption")->trigger();
    QVERIFY(!find<QWidget>("TipsBox")->isVisible());
    QApplication::processEvents();
    QCOMPARE(writeMode->geometry(), before);
  }

  void screenshot() {  // for tools/screenshots.sh: a program with long names
    const QByteArray dir = qgetenv("PARVIX_SCREENSHOT_DIR");
    if (dir.isEmpty()) QSKIP("PARVIX_SCREENSHOT_DIR not set");
    m().Table1.SetRows(40);
    m().StringTable.SetRows(40);
    SetCells(1, "initstack", "LXI  SP,  stacktop", "31   00   90", "Load the equivalent of 'stacktop' into stack pointer.", "8003");
    SetCells(2, "waitloop", "MVI  A,   maxcount", "3E   20", "Move the equivalent of 'maxcount' into Accumulator.", "8006");
    SetCells(3, "", "CALL  printmsg", "CD   40   80", "Call the subroutine at 'printmsg'.", "8009");
    SetCells(4, "", "DCR  A", "3D", "Decrement content of Accumulator.", "800C");
    SetCells(5, "", "JNZ  waitloop", "C2   03   80", "Jump to 'waitloop' if no zero.", "800F");
    SetCells(6, "", "LXI  H,  buffer01", "21   00   91", "Load the equivalent of 'buffer01' into HL-register pair.", "8012");
    SetCells(7, "", "HLT", "76", "Halt.", "8015");
    window().Render();
    QTest::qWait(50);
    QVERIFY(window().grab().save(QString::fromUtf8(dir) + "/main-window.png"));
  }
};

}  // namespace parvix::ui

QTEST_MAIN(parvix::ui::TableLayoutTest)
#include "table_layout_test.moc"
