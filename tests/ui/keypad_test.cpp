// The keypads through the real widgets, headless: clicked keys and typed
// characters reach the core, the table shows the written lines, and the
// instruction keys fit the window without overlapping.
#include <QAbstractItemModel>
#include <QEnterEvent>
#include <QLabel>
#include <QPushButton>
#include <QTableView>
#include <QTest>

#include "support/shell_fixture.h"

namespace parvix::ui {

class KeypadTest : public QObject, public ShellFixture {
  Q_OBJECT

 private:
  void click(const QString& name) {
    auto* button = find<QPushButton>(name);
    QVERIFY(button != nullptr);
    QVERIFY2(button->isVisible() && button->isEnabled(), qPrintable(name));
    QTest::mouseClick(button, Qt::LeftButton);
  }
  void typeInto(const QString& text) {
    QWidget* focus = QApplication::focusWidget();
    QVERIFY(focus != nullptr);
    QTest::keyClicks(focus, text);
  }
  void hover(QWidget* widget) {
    const QPointF inside(2, 2);
    QEnterEvent enter(inside, widget->mapTo(widget->window(), inside), widget->mapToGlobal(inside));
    QCoreApplication::sendEvent(widget, &enter);
  }

 private slots:
  void init() {
    QVERIFY(StartShell());
    window().resize(1280, 800);
    QApplication::setActiveWindow(&window());
  }
  void cleanup() { StopShell(); }

  void instructionKeysFitWithoutOverlapping() {
    QTest::qWait(20);
    QList<QRect> keys;
    const QRect inside = window().rect();
    for (int i = 0; i < kInstructionKeyCount; ++i) {
      auto* key = find<QPushButton>(Q(IndexedName("INST", i)));
      QVERIFY(key != nullptr);
      QCOMPARE(key->text(), Q(InstructionKeys()[i].caption));
      QVERIFY(key->isVisible());
      const QRect r(key->mapTo(&window(), QPoint(0, 0)), key->size());
      QVERIFY2(inside.contains(r), qPrintable(key->text()));
      for (const QRect& other : keys) QVERIFY2(!other.intersects(r), qPrintable(key->text()));
      keys << r;
    }
    // The program table keeps a good part of the window.
    QVERIFY(window().table()->height() > 250);
  }

  void switchingPanelsKeepsTheWindowSize() {
    QTest::qWait(20);
    const QSize size = window().size();
    for (const char* key : {"INST(67)", "INST(0)", "INST(1)", "INST(14)"}) {
      click(key);
      QTest::keyClick(&window(), Qt::Key_Escape);
    }
    window().action("NewOrigin")->trigger();
    QTest::keyClick(&window(), Qt::Key_Escape);
    QTest::keyClick(&window(), Qt::Key_M, Qt::ControlModifier);
    QTest::keyClick(&window(), Qt::Key_M, Qt::ControlModifier);
    QTest::qWait(20);
    QCOMPARE(window().size(), size);
  }

  void movBC() {
    click("INST(0)");
    QVERIFY(find("RegisterBox")->isVisible());
    QVERIFY(!find("InstructionBox")->isVisible());
    QCOMPARE(find<QLabel>("TipsLabel")->text(),
             QString("Select Register or Memory (Destination)."));
    click("REG(0)");
    QCOMPARE(find<QLabel>("TipsLabel")->text(), QString("Select Register or Memory (Source)."));
    QVERIFY(!find("REG(8)")->isEnabled());
    click("REG(1)");
    QCOMPARE(cell(1, 2), QString("MOV  B,  C"));
    QCOMPARE(cell(1, 3), QString("41"));
    QCOMPARE(cell(1, 4), QString("Move content of C-register into B-register."));
    QCOMPARE(m().CursorRow, 2);
    QVERIFY(find("InstructionBox")->isVisible());
    QVERIFY(!find("RegisterBox")->isVisible());
  }

  void movDestinationMLeavesNoMSource() {
    click("INST(0)");
    click("REG(6)");
    QVERIFY(!find("REG(6)")->isEnabled());
    QVERIFY(find("REG(7)")->isEnabled());
    // Esc while the source is awaited puts the empty row back.
    QTest::keyClick(&window(), Qt::Key_Escape);
    QCOMPARE(cell(1, 2), QString());
    QVERIFY(find("InstructionBox")->isVisible());
  }

  void registerLettersTyped() {
    click("INST(68)");  // PUSH
    QTRY_COMPARE(QApplication::focusWidget(), find("RegisterBox"));
    typeInto("mp");  // M is not a pair: ignored
    QCOMPARE(cell(1, 2), QString("PUSH  PSW"));
    QCOMPARE(cell(1, 3), QString("F5"));
    QCOMPARE(cell(1, 4),
             QString("Store content of Accumulator and flag register in top of stack."));
  }

  void rst7ByClickAndRst3Typed() {
    click("INST(67)");
    QVERIFY(find("NumberBox")->isVisible());
    QCOMPARE(find<QLabel>("DataTypeLabel")->text(), QString("Number"));
    QVERIFY(!find("NUM(8)")->isEnabled());
    QVERIFY(!find("NumberAcceptButton")->isEnabled());
    click("NUM(7)");
    QCOMPARE(cell(1, 2), QString("RST 7"));
    QCOMPARE(cell(1, 3), QString("FF"));

    click("INST(67)");
    QTRY_COMPARE(QApplication::focusWidget(), find("NumberFocusButton"));
    typeInto("93");  // 9 is no restart number
    QCOMPARE(cell(2, 2), QString("RST 3"));
    QCOMPARE(cell(2, 3), QString("DF"));
    QCOMPARE(cell(2, 4), QString("Restart#3 (Call sub-routine at address 0018H)."));
  }

  void mviAThenANewVariable() {
    click("INST(1)");
    click("REG(7)");
    QCOMPARE(m().EntryState, MviByteState);
    QCOMPARE(cell(1, 2), QString("MVI  A,"));
    QCOMPARE(cell(1, 3), QString("3E"));
    QVERIFY(!find("RegisterBox")->isVisible());
    QVERIFY(find("XXBox")->isVisible());
    QCOMPARE(find<QLabel>("TipsLabel")->text(), QString("Enter 8-bit number and click 'Accept'."));

    // The variable panel finishes the line: a new name typed and accepted.
    QTRY_COMPARE(QApplication::focusWidget(), find("XXText"));
    typeInto("count");
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    QCOMPARE(cell(1, 2), QString("MVI  A,   count"));
    QCOMPARE(cell(1, 3), QString("3E   XX"));
    QCOMPARE(cell(1, 4), QString("Move the equivalent of 'count' into Accumulator."));
    QCOMPARE(m().CursorRow, 2);
    QCOMPARE(m().EntryState, ProgramState);
  }

  void dataBytesByClickAndByKeyboard() {
    QTest::keyClick(&window(), Qt::Key_M, Qt::ControlModifier);
    QVERIFY(find("DataBox")->isVisible());
    click("DataNum(3)");
    click("DataNum(14)");
    QCOMPARE(find<QLabel>("DataLabel")->text(), QString("3E"));
    click("DataAcceptButton");
    QCOMPARE(cell(1, 2), QString("DFB"));
    QCOMPARE(cell(1, 3), QString("3E"));
    QCOMPARE(cell(1, 4), QString("Data Byte."));
    QCOMPARE(find<QLabel>("DataLabel")->text(), QString("00"));

    // A run of bytes without the mouse: digits, Enter, digits, Enter.
    QTRY_COMPARE(QApplication::focusWidget(), find("DataAcceptButton"));
    for (const char* byte : {"a7", "0", "Ff"}) {
      typeInto(byte);
      QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    }
    QCOMPARE(cell(2, 3), QString("A7"));
    QCOMPARE(cell(3, 3), QString("00"));
    QCOMPARE(cell(4, 3), QString("FF"));
    QCOMPARE(m().CursorRow, 5);
    QCOMPARE(m().EntryState, DataState);
  }

  void newOriginByClicks() {
    window().action("NewOrigin")->trigger();
    QCOMPARE(find<QLabel>("DataTypeLabel")->text(), QString("Address"));
    for (const char* key : {"NUM(9)", "NUM(0)", "NUM(12)", "NUM(0)"}) click(key);
    QCOMPARE(find<QLabel>("NumberLabel")->text(), QString("90C0"));
    click("NumberAcceptButton");
    QCOMPARE(cell(1, 0), QString("Origin"));
    QCOMPARE(cell(1, 1), QString("90C0"));
    QCOMPARE(m().CursorRow, 2);
    QVERIFY(find("InstructionBox")->isVisible());
  }

  void originLabelCellClickedAndRetyped() {
    QTableView* table = window().table();
    const QRect r = table->visualRect(table->model()->index(0, 0));
    QTest::mouseClick(table->viewport(), Qt::LeftButton, {}, r.center());
    QCOMPARE(m().EntryState, EditOriginState);
    QVERIFY(find("NumberBox")->isVisible());
    QTRY_COMPARE(QApplication::focusWidget(), find("NumberAcceptButton"));
    typeInto("1234");
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    QCOMPARE(cell(0, 1), QString("1234"));
    QCOMPARE(m().EntryState, ProgramState);
  }

  void hoverTips() {
    hover(find("INST(1)"));
    auto* mnemonic = find<QLabel>("InstructionLabel(0)");
    auto* pattern = find<QLabel>("InstructionLabel(1)");
    QCOMPARE(mnemonic->text(), QString("MVI"));
    QCOMPARE(pattern->text(), QString(" Register/Memory, 8-Bit Data "));
    QTest::qWait(10);
    QCOMPARE(pattern->x(), mnemonic->x() + mnemonic->width());
    // Leaving the keypad clears the tip.
    QEvent leave(QEvent::Leave);
    QCoreApplication::sendEvent(find("InstructionBox"), &leave);
    QCOMPARE(mnemonic->text(), QString());
    QCOMPARE(pattern->text(), QString());

    click("INST(0)");
    hover(find("REG(4)"));
    QCOMPARE(find<QLabel>("RegisterLabel")->text(), QString("H"));
  }

  void screenshot() {
    const QByteArray dir = qgetenv("PARVIX_SCREENSHOT_DIR");
    if (dir.isEmpty()) QSKIP("PARVIX_SCREENSHOT_DIR not set");
    QTest::qWait(50);
    hover(find("INST(2)"));
    QTest::qWait(30);
    QVERIFY(window().grab().save(QString::fromUtf8(dir) + "/keypad_instructions.png"));
    click("INST(0)");
    QTest::qWait(30);
    QVERIFY(window().grab().save(QString::fromUtf8(dir) + "/keypad_registers.png"));
    QTest::keyClick(&window(), Qt::Key_Escape);
    click("INST(67)");
    QTest::qWait(30);
    QVERIFY(window().grab().save(QString::fromUtf8(dir) + "/keypad_restart.png"));
    QTest::keyClick(&window(), Qt::Key_Escape);
    QTest::keyClick(&window(), Qt::Key_M, Qt::ControlModifier);
    QTest::qWait(30);
    QVERIFY(window().grab().save(QString::fromUtf8(dir) + "/keypad_data.png"));
  }
};

}  // namespace parvix::ui

QTEST_MAIN(parvix::ui::KeypadTest)
#include "keypad_test.moc"
