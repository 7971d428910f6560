// Editing and the comment and replace tools through the real widgets, headless: keys and clicks
// reach the program and the table shows it; its model is checked after every change it reports.
#include <QAbstractItemModelTester>
#include <QAction>
#include <QGroupBox>
#include <QLabel>
#include <QStyle>

#include "support/cell_fit.h"
#include "support/shell_fixture.h"
#include "support/table_drivers.h"

namespace parvix::ui {

class EditingWidgetTest : public QObject, public ShellFixture {
  Q_OBJECT
 private slots:
  // loop: NOP / JMP loop / CALL loop, the cursor below.
  void init() {
    QVERIFY(StartShell());
    new QAbstractItemModelTester(window().table()->model(),
                                 QAbstractItemModelTester::FailureReportingMode::QtTest, this);
    window().Run([&] {
      m().Symbols.AddLabel("loop");
      const char* rows[][4] = {{"loop", "NOP", "00", ""}, {"", "JMP  loop", "C3   XX   XX", "loop"},
                               {"", "CALL  loop", "CD   XX   XX", "loop"}};
      const int columns[] = {kLabelColumn, kMnemonicColumn, kOpcodeColumn};
      for (int r = 1; r <= 3; ++r) {
        for (int c = 0; c < 3; ++c) m().Table1.SetText(r, columns[c], rows[r - 1][c]);
        m().StringTable.SetText(r, 0, rows[r - 1][3]);
      }
      m().UsedRowCount = 4, m().NextLine(4);
    });
  }
  void cleanup() { StopShell(); }

  void copyPasteAndDeleteShortcuts() {
    QAbstractItemModel* model = window().table()->model();
    const int rows = model->rowCount();
    QVERIFY(!window().action("PasteEdit")->isEnabled());
    window().Run(
        [&] { m().SelectionStartRow = 2, m().SelectionEndRow = 3; });  // as a drag leaves them
    QTest::keyClick(&window(), Qt::Key_C, Qt::ControlModifier);
    QVERIFY(window().action("PasteEdit")->isEnabled());
    QTest::keyClick(&window(), Qt::Key_V, Qt::ControlModifier);
    QCOMPARE(model->rowCount(), rows + 2);
    QCOMPARE(cell(4, kMnemonicColumn) + "/" + cell(5, kMnemonicColumn),
             QString("JMP  loop/CALL  loop"));
    QCOMPARE(find<QLabel>("TipsLabel")->text(), QString("Completed pasting."));
    window().Run([&] { m().NextLine(4); });  // Del takes the selected cursor row away
    QTest::keyClick(&window(), Qt::Key_Delete);
    QCOMPARE(model->rowCount(), rows + 1);
    QCOMPARE(cell(4, kMnemonicColumn), QString("CALL  loop"));
  }

  // A comment the table shows whole also fits the box it is typed into.
  void commentTypedIntoAPickedRow() {
    const QString comment =
        "Load Accumulator with content from address pointed by 'keyboardbuffer01', the count of "
        "keys.";
    window().Run([&] { m().Table1.SetText(2, kCommentColumn, S(comment)); });
    QVERIFY(ShowsWhole(window().table(), window().table()->model()->index(2, kCommentColumn)));
    QTest::keyClick(&window(), Qt::Key_F4);
    auto* text = find<QLineEdit>("CommentsTxt");
    QVERIFY(find<QGroupBox>("CommentsBox")->isVisible() &&
            !text->isEnabled());  // no row picked yet
    ClickCell(window().table(), 2, kCommentColumn);
    QCOMPARE(text->text(), comment);
    // The box's room for text: less its frame and text margins on each side.
    const int room =
        text->width() - 2 * (text->style()->pixelMetric(QStyle::PM_DefaultFrameWidth) + 2);
    const int advance = text->fontMetrics().horizontalAdvance(comment);
    QVERIFY2(advance <= room, qPrintable(QString("%1 > %2").arg(advance).arg(room)));
    text->setFocus();
    text->selectAll();
    QTest::keyClicks(text, "back \"up\" & go");
    QCOMPARE(text->text(), QString("back up  go"));
    QTest::mouseClick(find<QPushButton>("CommentDoneButton"), Qt::LeftButton);
    QVERIFY(!find<QGroupBox>("CommentsBox")->isVisible() &&
            find<QWidget>("InstructionBox")->isVisible());
    QCOMPARE(cell(2, kCommentColumn), QString("back up  go"));
  }

  void labelReplacedInPickedCells() {
    window().action("ReplaceLabel")->trigger();
    ClickCell(window().table(), 2, kMnemonicColumn);
    QTest::keyClicks(find<QLineEdit>("ReplaceText"), "next");
    QVERIFY(find<QPushButton>("ReplaceAcceptButton")->isEnabled());
    QTest::mouseClick(find<QPushButton>("ReplaceAcceptButton"), Qt::LeftButton);
    QCOMPARE(cell(2, kMnemonicColumn) + "/" + cell(3, kMnemonicColumn),
             QString("JMP  next/CALL  loop"));
    QTest::mouseClick(find<QPushButton>("ReplaceDoneButton"), Qt::LeftButton);
    QVERIFY(!find<QGroupBox>("ReplaceBox")->isVisible());
  }
};

}  // namespace parvix::ui

QTEST_MAIN(parvix::ui::EditingWidgetTest)
#include "editing_test.moc"
