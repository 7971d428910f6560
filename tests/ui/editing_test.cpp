// Editing and the comment and replace tools through the real widgets,
// headless: the Edit shortcuts, a comment typed into a picked row, and a
// label replaced in cells picked with the mouse. The table's model is
// checked for consistency after every change it reports.
#include <QAbstractItemModelTester>
#include <QAction>
#include <QBrush>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStyle>
#include <QTableView>
#include <QTest>

#include "support/cell_fit.h"
#include "support/shell_fixture.h"
#include "support/table_drivers.h"

namespace parvix::ui {

class EditingWidgetTest : public QObject, public ShellFixture {
  Q_OBJECT

 private:
  void setRow(int r, const char* label, const char* mnemonic, const char* code,
              const char* operand) {
    window().Run([&] {
      m().Table1.SetText(r, kLabelColumn, label);
      m().Table1.SetText(r, kMnemonicColumn, mnemonic);
      m().Table1.SetText(r, kOpcodeColumn, code);
      m().StringTable.SetText(r, 0, operand);
      m().ApplyDefaultComment(r);
    });
  }
  // A small program: loop: NOP / JMP loop / CALL loop, the cursor below.
  void smallProgram() {
    window().Run([&] { m().Symbols.AddLabel("loop"); });
    setRow(1, "loop", "NOP", "00", "");
    setRow(2, "", "JMP  loop", "C3   XX   XX", "loop");
    setRow(3, "", "CALL  loop", "CD   XX   XX", "loop");
    window().Run([&] {
      m().UsedRowCount = 4;
      m().NextLine(4);
    });
  }
  void clickCell(int row, int col) { ClickCell(window().table(), row, col); }
  QColor background(int row, int col) {
    const QModelIndex index = window().table()->model()->index(row, col);
    return index.data(Qt::BackgroundRole).value<QBrush>().color();
  }

 private slots:
  void init() {
    QVERIFY(StartShell());
    new QAbstractItemModelTester(window().table()->model(),
                                 QAbstractItemModelTester::FailureReportingMode::QtTest, this);
  }
  void cleanup() { StopShell(); }

  void copyPasteAndDeleteShortcuts() {
    smallProgram();
    QAbstractItemModel* model = window().table()->model();
    const int rows = model->rowCount();
    QVERIFY(!window().action("PasteEdit")->isEnabled());
    // Rows 2 and 3 selected, as a drag in the Mnemonic column leaves them.
    window().Run([&] {
      m().SelectionStartRow = 2;
      m().SelectionEndRow = 3;
    });
    QTest::keyClick(&window(), Qt::Key_C, Qt::ControlModifier);
    QCOMPARE(m().EditTable.Rows(), 2);
    QVERIFY(window().action("PasteEdit")->isEnabled());
    QCOMPARE(find<QLabel>("TipsLabel")->text(), QString("Completed copying."));

    QTest::keyClick(&window(), Qt::Key_V, Qt::ControlModifier);
    QCOMPARE(model->rowCount(), rows + 2);
    QCOMPARE(cell(4, kMnemonicColumn), QString("JMP  loop"));
    QCOMPARE(cell(5, kMnemonicColumn), QString("CALL  loop"));
    QCOMPARE(m().CursorRow, 6);
    QCOMPARE(find<QLabel>("TipsLabel")->text(), QString("Completed pasting."));

    // Del takes the cursor row's neighbour away when it is selected.
    window().Run([&] { m().NextLine(4); });
    QTest::keyClick(&window(), Qt::Key_Delete);
    QCOMPARE(model->rowCount(), rows + 1);
    QCOMPARE(cell(4, kMnemonicColumn), QString("CALL  loop"));
    QCOMPARE(find<QLabel>("TipsLabel")->text(), QString("Completed deleting."));
  }

  void commentTypedIntoAPickedRow() {
    smallProgram();
    QTest::keyClick(&window(), Qt::Key_F4);
    auto* box = find<QGroupBox>("CommentsBox");
    auto* text = find<QLineEdit>("CommentsTxt");
    QVERIFY(box->isVisible());
    QVERIFY(!text->isEnabled());  // no row picked yet
    QVERIFY(!find<QWidget>("InstructionBox")->isVisible());

    clickCell(2, kCommentColumn);
    QCOMPARE(m().EntryState, static_cast<int>(CommentRowState));
    QVERIFY(text->isEnabled());
    QCOMPARE(text->text(), QString("Jump to address pointed by 'loop'."));
    QCOMPARE(background(2, kCommentColumn), QColor(0xC0, 0xFF, 0xC0));

    text->setFocus();
    text->selectAll();
    QTest::keyClicks(text, "back \"up\" & go");
    QCOMPARE(text->text(), QString("back up  go"));
    QCOMPARE(cell(2, kCommentColumn), QString("back up  go"));
    QTest::mouseClick(find<QPushButton>("CommentDoneButton"), Qt::LeftButton);
    QVERIFY(!box->isVisible());
    QVERIFY(find<QWidget>("InstructionBox")->isVisible());
    QCOMPARE(cell(2, kCommentColumn), QString("back up  go"));
    QCOMPARE(background(2, kCommentColumn), QColor(Qt::white));
  }

  void aCommentTheTableShowsWholeFitsTheCommentBox() {
    smallProgram();
    const QString comment =
        "Load Accumulator with content from address pointed by 'keyboardbuffer01', the "
        "count of keys.";
    window().Run([&] { m().Table1.SetText(2, kCommentColumn, S(comment)); });
    QVERIFY(ShowsWhole(window().table(), window().table()->model()->index(2, kCommentColumn)));
    QTest::keyClick(&window(), Qt::Key_F4);
    clickCell(2, kCommentColumn);
    auto* text = find<QLineEdit>("CommentsTxt");
    QCOMPARE(text->text(), comment);
    // The box's room for text: less its frame and text margins on each side.
    const int room = text->width() - 2 * (text->style()->pixelMetric(QStyle::PM_DefaultFrameWidth) + 2);
    QVERIFY2(text->fontMetrics().horizontalAdvance(comment) <= room,
             qPrintable(QString("%1 > %2").arg(text->fontMetrics().horizontalAdvance(comment)).arg(room)));
  }

  void labelReplacedInPickedCells() {
    smallProgram();
    window().action("ReplaceLabel")->trigger();
    auto* box = find<QGroupBox>("ReplaceBox");
    auto* text = find<QLineEdit>("ReplaceText");
    auto* replace = find<QPushButton>("ReplaceAcceptButton");
    QVERIFY(box->isVisible());
    QCOMPARE(background(2, kMnemonicColumn), QColor(Qt::red));
    QCOMPARE(background(1, kLabelColumn), QColor(Qt::red));

    clickCell(2, kMnemonicColumn);
    QCOMPARE(background(2, kMnemonicColumn), QColor(Qt::green));
    QVERIFY(!replace->isEnabled());
    QTest::keyClicks(text, "next");
    QVERIFY(replace->isEnabled());
    QTest::mouseClick(replace, Qt::LeftButton);

    QCOMPARE(cell(2, kMnemonicColumn), QString("JMP  next"));
    QCOMPARE(cell(2, kCommentColumn), QString("Jump to address pointed by 'next'."));
    QCOMPARE(cell(3, kMnemonicColumn), QString("CALL  loop"));
    QCOMPARE(background(2, kMnemonicColumn), QColor(Qt::red));  // offered again
    QTest::mouseClick(find<QPushButton>("ReplaceDoneButton"), Qt::LeftButton);
    QVERIFY(!box->isVisible());
    QCOMPARE(background(3, kMnemonicColumn), QColor(Qt::white));
    QCOMPARE(m().EntryState, static_cast<int>(ProgramState));
  }
};

}  // namespace parvix::ui

QTEST_MAIN(parvix::ui::EditingWidgetTest)
#include "editing_test.moc"
