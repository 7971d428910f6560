// The label and variable panels through the real widgets, headless: typing a
// name, picking from the list and Accept reach the core, and the panels show
// the core's state.
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTableView>
#include <QTest>

#include "support/shell_fixture.h"
#include "support/table_drivers.h"

namespace parvix::ui {

class OperandPanelsTest : public QObject, public ShellFixture {
  Q_OBJECT

 private:
  // Puts a half-built instruction on the cursor row and enters the operand
  // state, as the instruction keys leave it.
  void startOperand(const char* mnemonic, const char* code, EntryStates state) {
    window().Run([&] {
      m().Table1.SetText(m().CursorRow, kMnemonicColumn, mnemonic);
      m().Table1.SetText(m().CursorRow, kOpcodeColumn, code);
      m().SavedLineFlag = true;
      m().ControlTransfer(state);
    });
  }
  // A key as the user types it: to the widget that has the focus, which
  // may keep it from the menus.
  static void typeKey(Qt::Key key, Qt::KeyboardModifiers modifiers) {
    QTest::keyClick(QApplication::focusWidget(), key, modifiers);
  }

 private slots:
  void init() {
    QVERIFY(StartShell());
  }
  void cleanup() { StopShell(); }

  void newVariableTypedAndAccepted() {
    startOperand("MVI  A,", "3E", MviByteState);
    auto* box = find<QGroupBox>("XXBox");
    auto* text = find<QLineEdit>("XXText");
    auto* accept = find<QPushButton>("XXAcceptButton");
    QVERIFY(box->isVisible());
    QVERIFY(!find<QWidget>("InstructionBox")->isVisible());
    QVERIFY(accept->isVisible());
    QVERIFY(!accept->isEnabled());
    QVERIFY(!find<QPushButton>("XXFindButton")->isVisible());
    QVERIFY(find<QRadioButton>("NewXXOption")->isChecked());

    QTest::keyClicks(text, "Count");
    QVERIFY(!accept->isEnabled());
    text->clear();
    QTest::keyClicks(text, "count");
    QCOMPARE(QString::fromStdString(m().Variables.XXText.text), QString("count"));
    QVERIFY(accept->isEnabled());
    // Enter in the text box presses the default button, Accept.
    QTest::keyClick(text, Qt::Key_Return);

    QCOMPARE(cell(1, kMnemonicColumn), QString("MVI  A,   count"));
    QCOMPARE(cell(1, kOpcodeColumn), QString("3E   XX"));
    QVERIFY(!box->isVisible());
    QVERIFY(find<QWidget>("InstructionBox")->isVisible());
  }

  // Once a typed name is accepted and its panel goes, the focus is back on
  // the program table: the menu keys work there, not in a hidden text box.
  void menuKeysWorkAfterATypedName() {
    startOperand("MVI  A,", "3E", MviByteState);
    auto* text = find<QLineEdit>("XXText");
    QTest::keyClicks(text, "count");
    QTest::keyClick(text, Qt::Key_Return);
    QVERIFY(!text->isVisible());
    QCOMPARE(QApplication::focusWidget(), window().table());

    ClickCell(window().table(), 1, kMnemonicColumn);
    typeKey(Qt::Key_C, Qt::ControlModifier);
    QVERIFY(window().action("PasteEdit")->isEnabled());
    ClickCell(window().table(), 3, kMnemonicColumn);
    typeKey(Qt::Key_V, Qt::ControlModifier);
    QCOMPARE(cell(3, kMnemonicColumn), QString("MVI  A,   count"));
    typeKey(Qt::Key_Insert, Qt::ShiftModifier);
    QVERIFY(find<QGroupBox>("PlaceBox")->isVisible());
    // A text box that shows keeps those keys for its own editing.
    auto* place = find<QLineEdit>("PlaceText");
    QCOMPARE(QApplication::focusWidget(), place);
    QTest::keyClicks(place, "here");
    typeKey(Qt::Key_A, Qt::ControlModifier);
    typeKey(Qt::Key_X, Qt::ControlModifier);
    QCOMPARE(place->text(), QString());
    QCOMPARE(m().EntryState, PlaceState);
  }

  void existingLabelPickedFromTheList() {
    window().Run([&] {
      m().Symbols.AddLabel("start", "8000");
      m().Symbols.AddLabel("table", "12AB");
    });
    startOperand("LDA", "3A", LabelState);
    auto* combo = find<QComboBox>("LabelCombo");
    auto* existing = find<QRadioButton>("ExistingLabelOption");
    QVERIFY(find<QGroupBox>("LabelBox")->isVisible());
    QCOMPARE(combo->count(), 2);
    QCOMPARE(combo->itemText(1), QString("table"));
    QVERIFY(!combo->isEnabled());
    QVERIFY(existing->isEnabled());
    QVERIFY(!existing->isChecked());

    QTest::mouseClick(existing, Qt::LeftButton);
    QVERIFY(existing->isChecked());
    QVERIFY(!find<QRadioButton>("NewLabelOption")->isChecked());
    QVERIFY(combo->isEnabled());
    QVERIFY(!find<QLineEdit>("LabelText")->isEnabled());
    emit combo->activated(1);
    QCOMPARE(m().Labels.LabelCombo.listIndex, 1);
    QCOMPARE(combo->currentIndex(), 1);
    QTest::mouseClick(find<QPushButton>("LabelAcceptButton"), Qt::LeftButton);

    QCOMPARE(cell(1, kMnemonicColumn), QString("LDA  table"));
    QCOMPARE(cell(1, kOpcodeColumn), QString("3A   AB   12"));
    QVERIFY(!find<QGroupBox>("LabelBox")->isVisible());

    // A label added since the list was last drawn shows up in it.
    window().Run([&] { m().Symbols.AddLabel("extra"); });
    startOperand("JMP", "C3", LabelState);
    QCOMPARE(combo->count(), 3);
    QCOMPARE(combo->itemText(2), QString("extra"));
  }
};

}  // namespace parvix::ui

QTEST_MAIN(parvix::ui::OperandPanelsTest)
#include "operand_panels_test.moc"
